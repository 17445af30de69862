#pragma once

#include "cli/cli.h"

#include <string>
#include <vector>

// tessaro-cli serials SUBCOMMAND: the line's store for its administrator
// (init, status, report, find, close-stale, export-sqtp).
bool IsSerialsCommand(const std::vector<std::string>& args);
int RunSerials(const std::vector<std::string>& args, const CliEnvironment& env);
