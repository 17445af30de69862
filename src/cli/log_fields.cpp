#include "cli/log_fields.h"

#include "link/json_value.h"

std::map<std::string, std::string> LogFields(const std::string& json) {
    std::map<std::string, std::string> fields;
    JsonValue line;
    if (!ParseJson(json, line) || line.type != JsonValue::Type::Object)
        return fields;
    for (const auto& [key, value] : line.fields)
        fields[key] = value.type == JsonValue::Type::String ? value.text : value.written;
    return fields;
}
