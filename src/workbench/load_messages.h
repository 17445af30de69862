#pragma once

#include "chipdb/chip_list.h"
#include "image/hex_load.h"
#include "protocol/engine_messages.h"

#include <optional>
#include <string>
#include <vector>

// What a load that failed found, as the message the workbench tells (worded by
// the catalogue, protocol/engine_texts.h).

// The chip file's; none when it loaded.
std::optional<EngineMessage> LoadMessage(const ChipFileLoadResult& loaded);

// A syntax error at `line` of the chip file's `lines`, the line cut for the
// box (empty when there is no such line).
EngineMessage ChipFileSyntaxAt(const std::vector<std::string>& lines, int line);

// The HEX file's; none when it loaded or the core-type question was answered No.
std::optional<EngineMessage> LoadMessage(const HexLoadResult& loaded);
