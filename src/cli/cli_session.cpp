// tessaro-cli: setting up a run. Everything that can be checked without the
// board (options, chip, HEX file, fuses, ID) is checked before the port opens.
#include "cli/cli_session.h"

#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"
#include "chipdb/chip_text.h"
#include "cli/gang.h"
#include "cli/interrupts.h"
#include "fuses/fuse_values.h"
#include "fuses/id_text.h"
#include "image/hex_load.h"
#include "image/reset_code_memory.h"
#include "link/programmer_style.h"
#include "platform/file_places.h"
#include "platform/text_file.h"
#include "platform/translate.h"

#include <algorithm>
#include <iostream>

namespace {
bool SameText(const std::string& a, const std::string& b) {
    return UpperCaseAscii(a) == UpperCaseAscii(b);
}

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
      places_(FilePlacesOf(env.programDir)), host_(out_, boxes_, PortFolders(places_), env.sleep) {
    host_.options.icsp = options.icsp;
    host_.options.ignoreBlankCheck = options.ignoreBlankCheck;
    host_.chipFile = &chipData_;
    if (options.trace)
        host_.Trace(*env.err);
}

int RunCli(const std::vector<std::string>& args, const CliEnvironment& env) {
    const InterruptGuard interrupts;
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
        *env.out << Translated(CliUsage());
        return kExitOk;
    }
    if (parsed.options.ports.size() > 1)
        return RunBoards(parsed.options, env);
    CliSession session(parsed.options, env);
    return session.Run();
}

int CliSession::Run() {
    if (o_.command == CliCommand::Chips)
        return ListChips();
    if (o_.command == CliCommand::Ports)
        return ListPorts();
    if (o_.command == CliCommand::Disasm)
        return RunDisasm();
    if (const int code = Prepare(); code != kExitOk)
        return code;
    return RunOnBoard();
}

int CliSession::Prepare() {
    if (!o_.log.empty() && !CanAppend(o_.log)) {
        out_.Say(MeSays(kCannotWriteLog, o_.log), true);
        return kExitInput;
    }
    if (o_.chip.empty() && o_.command != CliCommand::Info) {
        out_.Say(MeSays(N_("%1 needs --chip"), o_.commandName), true);
        return kExitInput;
    }
    if (!o_.chip.empty() && !SelectChip())
        return kExitInput;
    const bool fileIn = o_.command == CliCommand::Verify || o_.command == CliCommand::Program ||
                        o_.command == CliCommand::Auto;
    if (fileIn && !PrepareImage())
        return kExitInput;
    if (fileIn && !PrepareCalibration())
        return kExitInput;
    if (o_.serial.On() && !PrepareSerial())
        return kExitInput;
    return kExitOk;
}

int CliSession::RunOnBoard() {
    port_ = o_.port;
    if (port_ == kAutoPort)
        if (const int code = ChooseAutoPort(); code != kExitOk)
            return code;
    if (!host_.ChoosePort(port_)) {
        out_.Say(MeSays(N_("no port %1"), port_), true);
        return kExitInput;
    }
    if (const int code = Connect(); code != kExitOk)
        return code;
    if (!ChipSuitsBoard())
        return kExitInput;
    return RunCommand();
}

int CliSession::RunCommand() {
    switch (o_.command) {
    case CliCommand::Info:
        return RunInfo();
    case CliCommand::Blank:
        return RunSimple(
            "blank", [this] { return host_.engine.BlankCheck(EraseChoice::Check, host_.options); });
    case CliCommand::Erase:
        if (!host_.chip.FlashChip) {
            out_.Say(MeSays(N_("the %1 cannot be erased"), host_.chip.ChipName), true);
            return kExitInput;
        }
        return RunSimple("erase", [this] { return host_.engine.Erase(host_.options); });
    case CliCommand::Read:
        return RunRead();
    case CliCommand::Verify:
        return RunSimple("verify", [this] { return host_.engine.Verify(host_.options); });
    case CliCommand::Program:
        if (o_.watch)
            return RunWatch();
        return RunSimple("program", [this] { return host_.engine.Program(host_.options); });
    case CliCommand::Auto:
        return RunAuto();
    case CliCommand::Calibration:
        return RunCalibration();
    default:
        return kExitInput;
    }
}

bool CliSession::LoadChipFile(int style, std::vector<std::string>& names) {
    // The window's chip file: an installed copy prefers the user's edited one;
    // otherwise the one in the program folder (the window reads it there too).
    const std::string path = !o_.cid.empty()                ? o_.cid
                             : places_.UserFilesInConfigDir ? ChipFileInUse(places_)
                                                            : places_.ProgramDir + "chipinfo.cid";
    std::vector<std::string> lines;
    if (std::optional<std::string> bytes = ReadWholeFile(path))
        lines = SplitLines(*bytes);
    ChipFileLoadResult loaded = ::LoadChipFile(std::move(lines), style);
    if (!loaded.Loaded()) {
        boxes_.Error(loaded.message);
        return false;
    }
    chipData_ = std::move(loaded.ChipData);
    names = std::move(loaded.ChipNames);
    return true;
}

int CliSession::ListChips() {
    std::vector<std::string> names;
    if (!LoadChipFile(o_.style >= 0 ? o_.style : kFirstStyle, names))
        return kExitInput;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!o_.json) {
            *env_.out << names[i] << '\n';
            continue;
        }
        ChipInfoResult info = ExtractChipInfo(chipData_, static_cast<int>(i));
        DeriveSelectionFields(info.record);
        JsonLine line;
        line.Str("chip", names[i]);
        if (info.ok)
            line.Str("core", CoreName(info.record))
                .Int("core_type", info.record.CoreType)
                .Int("rom_words", info.record.ROMSize)
                .Int("eeprom_bytes", info.record.EEPROMSize)
                .Bool("flash", info.record.FlashChip);
        *env_.out << line.Text() << '\n';
    }
    env_.out->flush();
    return kExitOk;
}

bool CliSession::SelectChip() {
    std::vector<std::string> names;
    if (!LoadChipFile(o_.style >= 0 ? o_.style : kFirstStyle, names))
        return false;
    const auto found = std::find(names.begin(), names.end(), UpperCaseAscii(o_.chip));
    if (found == names.end()) {
        out_.Say(MeSays(N_("no chip %1 in the chip file (`chips` lists them)"), o_.chip), true);
        return false;
    }
    const int position = static_cast<int>(found - names.begin());
    ChipInfoResult info = ExtractChipInfo(chipData_, position);
    if (!info.ok) {
        const auto bad = static_cast<std::size_t>(info.badLine);
        const std::string line = info.badLine >= 0 && bad < chipData_.size() ? chipData_[bad] : "";
        boxes_.Error(Arg(kChipFileSyntaxText, line.substr(0, kShownLineLimit)));
        return false;
    }
    host_.chip = info.record;
    host_.chip.ChipName = *found;
    DeriveSelectionFields(host_.chip);
    rows_ = info.rows;
    host_.chipSelected = true;
    host_.ClearImage();
    return true;
}

bool CliSession::PrepareImage() {
    ChipRecord& chip = host_.chip;
    ResetImage(host_.image, chip, false, false, true, "");
    host_.id = BlankIDText(chip.IdTextLength());
    const HexLoadResult loaded =
        LoadTheHexFile(o_.file, chip, host_.image, host_.id, [this](const std::string& question) {
            return boxes_.QuestionYesNo(question) == Dialogs::Answer::Yes;
        });
    if (!loaded.loaded) {
        if (!loaded.message.empty())
            boxes_.Error(loaded.message);
        return false;
    }
    // A blank image from a file meant to hold a program would be a failure
    // reported as success.
    if (loaded.bytesTaken == 0) {
        out_.Say(MeSays(N_("%1 holds no data"), o_.file), true);
        return false;
    }
    if (loaded.bytesOutside > 0)
        out_.Say(Arg(kMeLine, OutsideMemoryText(loaded.bytesOutside, o_.file, chip.ChipName)),
                 true);
    host_.image.HexFileName = o_.file;
    UpdateFusesForCore(rows_, chip, host_.image.FuseValue);
    return ApplyFuses() && ApplyId();
}

// --fuse LABEL=OPTION as the fuse editor would set it: the option is selected
// in its row and the configuration words are composed from every row.
bool CliSession::ApplyFuses() {
    for (const auto& fuse : o_.fuses) {
        // Named references, not a structured binding: the lambdas below capture
        // them, which clang 14 (the fuzz build's compiler) refuses for bindings.
        const std::string& label = fuse.first;
        const std::string& option = fuse.second;
        const auto row = std::find_if(rows_.begin(), rows_.end(), [&](const FuseRow& r) {
            return r.InUse() && SameText(r.label, label);
        });
        if (row == rows_.end()) {
            std::string labels;
            for (const FuseRow& r : rows_)
                if (r.InUse())
                    labels += (labels.empty() ? "" : ", ") + r.label;
            out_.Say(
                labels.empty()
                    ? MeSays(N_("no fuse %1 on the %2 (it has none)"), label, host_.chip.ChipName)
                    : MeSays(N_("no fuse %1 on the %2 (%3)"), label, host_.chip.ChipName, labels),
                true);
            return false;
        }
        const auto item =
            std::find_if(row->items.begin(), row->items.end(),
                         [&](const std::string& i) { return SameText(FuseItemName(i), option); });
        if (item == row->items.end()) {
            std::string options;
            for (const std::string& i : row->items)
                options += (options.empty() ? "" : ", ") + FuseItemName(i);
            out_.Say(MeSays(N_("no option %1 for %2 (%3)"), option, row->label, options), true);
            return false;
        }
        row->selected = static_cast<int>(item - row->items.begin());
    }
    if (!o_.fuses.empty())
        host_.image.FuseValue = CreateFuseValueFromFuseEdits(rows_, host_.chip);
    return true;
}

bool CliSession::ApplyId() {
    if (!o_.idGiven)
        return true;
    const ChipRecord& chip = host_.chip;
    // Serial EEPROMs and 12-bit cores have no ID the fuse editor shows.
    if (chip.Family() == Core::SerialEeprom || chip.Family() == Core::Baseline) {
        out_.Say(MeSays(N_("the %1 has no ID to set"), chip.ChipName), true);
        return false;
    }
    const int length = chip.IdTextLength();
    if (static_cast<int>(o_.id.size()) > length) {
        out_.Say(MeSays(N_("the %1 takes an ID of %2 digits"), chip.ChipName, length), true);
        return false;
    }
    host_.id = UpdateIDedit(o_.id, length);
    return true;
}

int CliSession::Connect() {
    std::string reason;
    if (!host_.OpenPort(reason)) {
        out_.Say(MeSays(N_("cannot open %1: %2"), port_, reason), true);
        return kExitBoard;
    }
    ProgrammerEngine& engine = host_.engine;
    host_.adoptStyle = o_.style < 0;
    engine.SetStyle(o_.style < 0 ? kFirstStyle : o_.style);
    engine.ForgetGreeting();
    engine.ResetProgrammer(true);
    if (host_.Serve([this] { return host_.Idle(); }) == ConsoleHost::Served::Interrupted) {
        engine.ResetSerial(false);
        return kExitInterrupted;
    }
    if (host_.otherBoard >= 0) {
        out_.Say(MeSays(N_("the board is %1, not %2"), StyleInfo(host_.otherBoard).messageName,
                        StyleInfo(engine.Style()).messageName),
                 true);
        return kExitBoard;
    }
    if (engine.LastGreeting() != StyleInfo(engine.Style()).style) {
        // A reset failure has been reported; a board that answered with
        // something other than a greeting has not.
        if (engine.ResetPending())
            out_.Say(MeSays(N_("no programmer board greeting on %1"), port_), true);
        return kExitBoard;
    }
    host_.ServeFor(env_.settleMs);
    return kExitOk;
}

bool CliSession::ChipSuitsBoard() {
    const int style = host_.engine.Style();
    const char* board = StyleInfo(style).messageName;
    if (o_.icsp && !StyleInfo(style).icspAvailable) {
        out_.Say(MeSays(N_("%1 boards have no ICSP mode"), board), true);
        return false;
    }
    if (!host_.chipSelected || StyleInfo(style).style != kAlderStyle)
        return true;
    // An Alder board takes fewer chips: the chip file offers it only those.
    std::vector<std::string> names;
    const std::vector<std::string> keep = chipData_;
    const bool offered = LoadChipFile(style, names) &&
                         std::count(names.begin(), names.end(), host_.chip.ChipName) > 0;
    chipData_ = keep;
    if (!offered)
        out_.Say(MeSays(N_("%1 boards do not take the %2"), board, host_.chip.ChipName), true);
    return offered;
}
