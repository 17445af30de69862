#include "wire_codes.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace boardsim {

namespace {

struct ModelRow {
    Model model;
    const char* name;
    std::uint8_t code;
    std::uint8_t announce;
    bool resetHigh;
};

constexpr std::array<ModelRow, 5> kModels{{
    {Model::Alder, "Alder", 0, 0x00, true},
    {Model::Birch_A, "Birch_A", 1, 0x01, false},
    {Model::Birch_B, "Birch_B", 2, 0x02, false},
    {Model::Cedar, "Cedar", 3, 0x03, true},
    {Model::Elm, "Elm", 4, 'L', true},
}};

const ModelRow& Row(Model model) {
    return kModels[static_cast<std::size_t>(model)];
}

struct CommandRow {
    std::uint8_t code;
    const char* name;
};

constexpr std::array<CommandRow, 21> kCommands{{
    {cmd::CommandEnd, "CommandEnd"},
    {cmd::Echo, "Echo"},
    {cmd::InitVariables, "InitVariables"},
    {cmd::VoltagesOn, "VoltagesOn"},
    {cmd::VoltagesOff, "VoltagesOff"},
    {cmd::CycleVoltages, "CycleVoltages"},
    {cmd::ProgramROM, "ProgramROM"},
    {cmd::ProgramEEPROM, "ProgramEEPROM"},
    {cmd::ProgramIDFuses, "ProgramIDFuses"},
    {cmd::WriteCalibration, "WriteCalibration"},
    {cmd::ReadROM, "ReadROM"},
    {cmd::ReadEEPROM, "ReadEEPROM"},
    {cmd::ReadConfig, "ReadConfig"},
    {cmd::EraseChip, "EraseChip"},
    {cmd::BlankCheckROM, "BlankCheckROM"},
    {cmd::BlankCheckEEPROM, "BlankCheckEEPROM"},
    {cmd::ProgramFuses, "ProgramFuses"},
    {cmd::WaitChipInsertion, "WaitChipInsertion"},
    {cmd::WaitChipRemoval, "WaitChipRemoval"},
    {cmd::ReadModel, "ReadModel"},
    {cmd::CommandStart, "CommandStart"},
}};

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

} // namespace

std::uint8_t ModelCode(Model model) {
    return Row(model).code;
}
std::uint8_t AnnouncementCode(Model model) {
    return Row(model).announce;
}
bool ResetLevel(Model model) {
    return Row(model).resetHigh;
}
const char* ModelName(Model model) {
    return Row(model).name;
}

bool ParseModel(const std::string& text, Model& model) {
    for (const ModelRow& row : kModels) {
        if (Lower(text) == Lower(row.name) || text == std::to_string(row.code)) {
            model = row.model;
            return true;
        }
    }
    return false;
}

std::string CommandName(std::uint8_t code) {
    for (const CommandRow& row : kCommands) {
        if (row.code == code) {
            return row.name;
        }
    }
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", code);
    return text;
}

int ParseCommand(const std::string& text) {
    for (const CommandRow& row : kCommands) {
        if (Lower(text) == Lower(row.name)) {
            return row.code;
        }
    }
    if (text.empty()) {
        return -1;
    }
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 0);
    if (*end != '\0' || value < 0 || value > 0xFF) {
        return -1;
    }
    return static_cast<int>(value);
}

} // namespace boardsim
