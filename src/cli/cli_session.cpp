// tessaro-cli: setting up a run. Everything that can be checked without the
// board (options, chip, HEX file, fuses, ID) is checked before the port opens.
#include "cli/cli_session.h"

#include "chipdb/chip_text.h"
#include "cli/cli_serials.h"
#include "cli/gang.h"
#include "cli/interrupts.h"
#include "link/programmer_style.h"
#include "link/serial.h"
#include "platform/file_places.h"
#include "platform/translate.h"

#include <iostream>

namespace {
std::string CoreName(const ChipRecord& chip) {
    if (!chip.HasProgramMemory())
        return "serial EEPROM";
    if (chip.IsBaseline())
        return "12-bit";
    if (chip.IsMidrange())
        return "14-bit";
    return chip.IsWide() ? "16-bit" : "other";
}
} // namespace

CliSession::CliSession(const CliOptions& options, const CliEnvironment& env, ConsoleOutput* output)
    : o_(options), env_(env),
      ownOut_(output != nullptr
                  ? nullptr
                  : std::make_unique<ConsoleOutput>(*env.err, env.errIsTerminal, options.quiet)),
      out_(output != nullptr ? *output : *ownOut_), boxes_(out_, options.yes),
      places_(FilePlacesOf(env.programDir)), host_(out_, boxes_, places_, env.sleep) {
    options_.icsp = options.icsp;
    options_.ignoreBlankCheck = options.ignoreBlankCheck;
    // --cid, or the window's chip file.
    if (!o_.cid.empty())
        Bench().SetChipFilePath(o_.cid);
    // The file is the command line's: one load, no reload when it changes.
    Bench().adviseNewerFileLoad = false;
    if (options.trace)
        host_.Trace(*env.err);
    if (env.openPort)
        Bench().Port().SetPortOpener(env.openPort);
    if (env.stateEntered)
        host_.AddStateTap([this](EngineState, EngineState to) {
            env_.stateEntered(static_cast<int>(to), Workbench::StateName(to));
        });
}

int RunCli(const std::vector<std::string>& args, const CliEnvironment& env) {
    const InterruptGuard interrupts;
    if (IsSerialsCommand(args))
        return RunSerials(args, env);
    const CliParseResult parsed = ParseCliOptions(args);
    if (!parsed.ok) {
        *env.err << Translated(Arg(kMeLine, parsed.error)) << "\n"
                 << Translated(MeSays(N_("--help lists the commands and options"))) << "\n";
        return kExitInput;
    }
    if (parsed.options.version) {
        *env.out << "tessaro-cli " << TESSARO_VERSION << "\n";
        return kExitOk;
    }
    if (parsed.options.help) {
        *env.out << Translated(CliUsage()) << Translated(CliRecordUsage());
        return kExitOk;
    }
    if (parsed.options.ports.size() > 1)
        return RunBoards(parsed.options, env);
    CliSession session(parsed.options, env);
    return session.Run();
}

int CliSession::Run() {
    const CliCommandRow& row = CommandRow(o_.command);
    if (!row.onBoard)
        return (this->*row.run)();
    if (const int code = Prepare(); code != kExitOk)
        return code;
    return RunOnBoard();
}

int CliSession::Prepare() {
    if (!o_.log.empty() && !CanAppend(o_.log)) {
        out_.Say(MeSays(kCannotWriteLog, o_.log), true);
        return kExitInput;
    }
    if (o_.command == CliCommand::Upgrade)
        return PrepareUpgrade();
    if (o_.chip.empty() && o_.command != CliCommand::Info) {
        out_.Say(MeSays(N_("%1 needs --chip"), CommandRow(o_.command).word), true);
        return kExitInput;
    }
    if (!o_.chip.empty() && !SelectChip())
        return kExitInput;
    const bool fileIn = (CommandRow(o_.command).takes & kTakesImage) != 0;
    if (fileIn && !PrepareImage())
        return kExitInput;
    if (fileIn && !PrepareCalibration())
        return kExitInput;
    return o_.serial.On() ? PrepareSerial() : kExitOk;
}

int CliSession::RunOnBoard() {
    port_ = o_.port;
    if (port_ == kAutoPort)
        if (const int code = ChooseAutoPort(); code != kExitOk)
            return code;
    if (!Bench().ChoosePort(port_)) {
        out_.Say(MeSays(N_("no port %1"), port_), true);
        return kExitInput;
    }
    if (!o_.record.empty() && !StartRecording())
        return kExitInput;
    if (const int code = Connect(); code != kExitOk)
        return code;
    if (!ChipSuitsBoard())
        return kExitInput;
    return (this->*CommandRow(o_.command).run)();
}

bool CliSession::LoadChipFile(int style) {
    Bench().StartInStyle(style);
    return Bench().LoadChipFile();
}

int CliSession::ListChips() {
    if (!LoadChipFile(o_.style >= 0 ? o_.style : kFirstStyle))
        return kExitInput;
    const std::vector<std::string>& names = Bench().ChipNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!o_.json) {
            *env_.out << names[i] << '\n';
            continue;
        }
        JsonLine line;
        line.Str("chip", names[i]);
        if (const std::optional<ChipRecord> chip = Bench().ListedChip(static_cast<int>(i)))
            line.Str("core", CoreName(*chip))
                .Int("core_type", chip->CoreType)
                .Int("rom_words", chip->ROMSize)
                .Int("eeprom_bytes", chip->EEPROMSize)
                .Bool("flash", chip->FlashChip);
        *env_.out << line.Text() << '\n';
    }
    env_.out->flush();
    return kExitOk;
}

bool CliSession::SelectChip() {
    if (!LoadChipFile(o_.style >= 0 ? o_.style : kFirstStyle))
        return false;
    const int position = Bench().FindChip(UpperCaseAscii(o_.chip));
    if (position < 0) {
        out_.Say(MeSays(N_("no chip %1 in the chip file (`chips` lists them)"), o_.chip), true);
        return false;
    }
    return Bench().ChooseChip(position);
}

bool CliSession::PrepareImage() {
    const ImageLoad loaded = Bench().LoadImageFile(o_.file);
    if (!loaded.loaded)
        return false;
    // A blank image from a file meant to hold a program would be a failure
    // reported as success.
    if (loaded.bytesTaken == 0) {
        out_.Say(MeSays(N_("%1 holds no data"), o_.file), true);
        return false;
    }
    if (loaded.bytesOutside > 0)
        out_.Say(Arg(kMeLine, Bench().OutsideText(o_.file)), true);
    return ApplyFuses() && ApplyId();
}

namespace {
std::string Listed(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& n : names)
        text += (text.empty() ? "" : ", ") + n;
    return text;
}
} // namespace

// --fuse LABEL=OPTION as the fuse editor would set it.
bool CliSession::ApplyFuses() {
    const FuseOptionChoice c = Bench().ChooseFuseOptions(o_.fuses);
    const std::string& chip = Bench().Chip().ChipName;
    switch (c.result) {
    case FuseOptionChoice::Result::Chosen:
        return true;
    case FuseOptionChoice::Result::NoFuse:
        out_.Say(
            c.choices.empty()
                ? MeSays(N_("no fuse %1 on the %2 (it has none)"), c.pick.first, chip)
                : MeSays(N_("no fuse %1 on the %2 (%3)"), c.pick.first, chip, Listed(c.choices)),
            true);
        return false;
    case FuseOptionChoice::Result::NoOption:
        out_.Say(MeSays(N_("no option %1 for %2 (%3)"), c.pick.second, c.row, Listed(c.choices)),
                 true);
        return false;
    }
    return false;
}

bool CliSession::ApplyId() {
    if (!o_.idGiven)
        return true;
    const ChipRecord& chip = Bench().Chip();
    switch (Bench().ChooseIdDigits(o_.id)) {
    case IdChoice::Chosen:
        return true;
    case IdChoice::NoId:
        out_.Say(MeSays(N_("the %1 has no ID to set"), chip.ChipName), true);
        return false;
    case IdChoice::TooLong:
        out_.Say(MeSays(N_("the %1 takes an ID of %2 digits"), chip.ChipName, chip.IdTextLength()),
                 true);
        return false;
    }
    return false;
}

int CliSession::Connect() {
    Workbench& bench = Bench();
    const ConnectResult c =
        bench.Connect(o_.style < 0 ? kFirstStyle : o_.style,
                      o_.style < 0 ? OtherBoard::Adopt : OtherBoard::Refuse, host_.Serving());
    switch (c.outcome) {
    case Connection::Greeted:
        host_.ServeFor(env_.settleMs);
        return kExitOk;
    case Connection::CannotOpen:
        out_.Say(MeSays(N_("cannot open %1: %2"), port_, c.reason), true);
        return kExitBoard;
    case Connection::Interrupted:
        return kExitInterrupted;
    case Connection::OtherBoard:
        out_.Say(MeSays(N_("the board is %1, not %2"), StyleInfo(c.otherStyle).messageName,
                        StyleInfo(bench.Style()).messageName),
                 true);
        return kExitBoard;
    case Connection::NoGreeting:
        out_.Say(MeSays(N_("no programmer board greeting on %1"), port_), true);
        return kExitBoard;
    case Connection::OtherAnswer:
        return kExitBoard;
    }
    return kExitBoard;
}

bool CliSession::ChipSuitsBoard() {
    const int style = Bench().Style();
    const char* board = StyleInfo(style).messageName;
    if (o_.icsp && !StyleInfo(style).icspAvailable) {
        out_.Say(MeSays(N_("%1 boards have no ICSP mode"), board), true);
        return false;
    }
    if (!Bench().ChipSelected() || StyleInfo(style).style != kAlderStyle)
        return true;
    // An Alder board takes fewer chips: the chip file offers it only those.
    const bool offered = Bench().ChipOfferedFor(style);
    if (!offered)
        out_.Say(MeSays(N_("%1 boards do not take the %2"), board, Bench().Chip().ChipName), true);
    return offered;
}
