#pragma once

#include <map>
#include <string>

// The top-level fields of one JSON object as the production log writes it:
// strings unescaped, numbers, true, false and null as written, objects and
// arrays as their JSON text. Empty for text that is not such an object.
std::map<std::string, std::string> LogFields(const std::string& json);
