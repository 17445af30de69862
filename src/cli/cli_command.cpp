#include "cli/cli_command.h"

#include "cli/cli_session.h"

namespace {
using S = CliSession;
constexpr unsigned kImageAndWrite = kTakesImage | kTakesWrite;

// clang-format off
const CliCommandRow kCommands[] = {
    // command               word           file           board  several takes                       result         run
    {CliCommand::Info,        "info",        CliFile::None, true,  false,  0,                          "info",        &S::RunInfo},
    {CliCommand::Chips,       "chips",       CliFile::None, false, false,  0,                          nullptr,       &S::ListChips},
    {CliCommand::Ports,       "ports",       CliFile::None, false, false,  0,                          nullptr,       &S::ListPorts},
    {CliCommand::Blank,       "blank",       CliFile::None, true,  true,   0,                          "blank",       &S::RunBlank},
    {CliCommand::Erase,       "erase",       CliFile::None, true,  true,   0,                          "erase",       &S::RunErase},
    {CliCommand::Read,        "read",        CliFile::Out,  true,  false,  kTakesDisasm,               "read",        &S::RunRead},
    {CliCommand::Verify,      "verify",      CliFile::In,   true,  true,   kTakesImage,                "verify",      &S::RunVerify},
    {CliCommand::Program,     "program",     CliFile::In,   true,  true,   kImageAndWrite|kTakesWatch, "program",     &S::RunProgram},
    {CliCommand::Auto,        "auto",        CliFile::In,   true,  true,   kImageAndWrite|kTakesCount, "program",     &S::RunAuto},
    {CliCommand::Calibration, "calibration", CliFile::None, true,  true,   0,                          "calibration", &S::RunCalibration},
    {CliCommand::Disasm,      "disasm",      CliFile::In,   false, false,  0,                          nullptr,       &S::RunDisasm},
    {CliCommand::Checksum,    "checksum",    CliFile::In,   false, false,  0,                          nullptr,       &S::RunChecksum},
    {CliCommand::Replay,      "replay",      CliFile::In,   false, false,  0,                          "replay",      &S::RunReplay},
    {CliCommand::Upgrade,     "upgrade",     CliFile::In,   true,  false,  0,                          "upgrade",     &S::RunUpgrade},
};
// clang-format on
} // namespace

const CliCommandRow* FindCommand(const std::string& word) {
    for (const CliCommandRow& row : kCommands)
        if (word == row.word)
            return &row;
    return nullptr;
}

const CliCommandRow& CommandRow(CliCommand command) {
    for (const CliCommandRow& row : kCommands)
        if (row.command == command)
            return row;
    return kCommands[0];
}
