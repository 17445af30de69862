#include "cli/cli_options.h"

#include "chipdb/chip_text.h"
#include "chipdb/hex_text.h"
#include "cli/cli_messages.h"
#include "cli/station_serials.h"
#include "link/programmer_style.h"
#include "platform/translate.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr std::size_t kLongestId = 8;

int StyleByName(const std::string& name) {
    for (int style = 0; style < StyleCount; ++style)
        if (UpperCaseAscii(name) == UpperCaseAscii(StyleInfo(style).messageName))
            return style;
    return -1;
}

bool IsHexId(const std::string& text) {
    if (text.empty() || text.size() > kLongestId)
        return false;
    for (const char c : text)
        if (HexDigitValue(c) < 0)
            return false;
    return true;
}

// One option that takes a value. False with a reason when the value is wrong.
bool TakeValue(CliOptions& o, const std::string& name, const std::string& value,
               std::string& error) {
    if (TakeSerialOption(o.serial, name, value, error))
        return error.empty();
    if (name == "--port") {
        o.port = value;
        o.ports.push_back(value);
    } else if (name == "--style") {
        o.style = StyleByName(value);
        if (o.style < 0)
            error = Arg(N_("unknown style %1 (Alder, Birch_A, Birch_B, Cedar or Elm)"), value);
    } else if (name == "--chip") {
        o.chip = value;
    } else if (name == "--cid") {
        o.cid = value;
    } else if (name == "--id") {
        o.idGiven = true;
        o.id = UpperCaseAscii(value);
        if (!IsHexId(value))
            error = Arg(N_("--id takes 1 to 8 hex digits, not %1"), value);
    } else if (name == "--fuse") {
        const std::size_t eq = value.find('=');
        if (eq == std::string::npos || eq == 0 || eq + 1 == value.size())
            error = Arg(N_("--fuse takes LABEL=OPTION, not %1"), value);
        else
            o.fuses.emplace_back(value.substr(0, eq), value.substr(eq + 1));
    } else if (name == "--calibration") {
        // The low byte, or the whole RETLW/MOVLW word as the log shows it.
        std::uint64_t v = 0;
        const bool parsed = ParseSerialValue(value, v);
        const bool word = parsed && (v >> 8 == 0x34 || v >> 8 == 0x0C);
        o.calibration = word ? static_cast<int>(v & 0xFF) : static_cast<int>(v);
        if (!parsed || (v > 0xFF && !word))
            error = Arg(N_("--calibration takes a byte or a calibration word, not %1"), value);
    } else if (name == "--record") {
        o.record = value;
    } else if (name == "--file") {
        o.hexFile = value;
    } else if (name == "--export") {
        o.exportAs = value;
        if (value != "spy")
            error = Arg(N_("--export takes spy, not %1"), value);
    } else if (name == "--log") {
        o.log = value;
    } else if (name == "--count") {
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), o.count);
        if (ec != std::errc() || end != value.data() + value.size() || o.count < 1)
            error = Arg(kCountTakes, value);
    } else {
        error = Arg(kUnknownOption, name);
    }
    return error.empty();
}

bool TakeFlag(CliOptions& o, const std::string& name) {
    const std::pair<const char*, bool*> flags[] = {
        {"--icsp", &o.icsp},     {"--ignore-blank-check", &o.ignoreBlankCheck},
        {"--yes", &o.yes},       {"--quiet", &o.quiet},
        {"--json", &o.json},     {"--help", &o.help},
        {"-h", &o.help},         {"--version", &o.version},
        {"--watch", &o.watch},   {"--trace", &o.trace},
        {"--disasm", &o.disasm}, {"--fast", &o.fast},
        {"--serial-reuse-failed", &o.serial.reuseFailed},
    };
    for (const auto& [flag, value] : flags)
        if (name == flag) {
            *value = true;
            return true;
        }
    return false;
}

// The command and its file, and the options that only some commands take.
std::string CheckCommand(const CliOptions& o, const std::vector<std::string>& words) {
    if (words.empty())
        return N_("no command given");
    const CliCommandRow* c = FindCommand(words[0]);
    if (c == nullptr)
        return Arg(N_("unknown command %1"), words[0]);
    const bool takesFile = c->file != CliFile::None;
    if (takesFile && words.size() != 2)
        return Arg(N_("%1 takes one HEX file"), words[0]);
    if (!takesFile && words.size() != 1)
        return Arg(N_("%1 takes no file"), words[0]);
    if ((c->takes & kTakesImage) == 0 && (o.idGiven || !o.fuses.empty()))
        return N_("--id and --fuse change the image of verify, program and auto only");
    if (o.count != 0 && (c->takes & kTakesCount) == 0)
        return N_("--count belongs to auto");
    const bool writes = (c->takes & kTakesWrite) != 0;
    if (o.serial.On() && !writes)
        return N_("serial numbers belong to program and auto");
    if (o.watch && ((c->takes & kTakesWatch) == 0 || o.ports.size() > 1))
        return N_("--watch belongs to program on one board");
    if (o.calibration >= 0 && !writes)
        return N_("--calibration belongs to program and auto");
    if (o.disasm && (c->takes & kTakesDisasm) == 0)
        return N_("--disasm belongs to read");
    if (const std::string e = CheckReplayOptions(o, *c); !e.empty())
        return e;
    if (!c->onBoard && c->file == CliFile::In && !o.ports.empty())
        return Arg(N_("%1 reads a file, not a board"), words[0]);
    if (o.ports.size() > 1 && std::count(o.ports.begin(), o.ports.end(), "auto") > 0)
        return N_("--port auto finds one board: name each of several");
    if (o.ports.size() > 1 && c->onBoard && !c->onSeveralBoards)
        return Arg(N_("%1 takes one --port"), words[0]);
    return CheckSerialOptions(o.serial);
}

} // namespace

CliParseResult ParseCliOptions(const std::vector<std::string>& args) {
    CliParseResult result;
    CliOptions& o = result.options;
    o.args = args;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') {
            words.push_back(arg);
            continue;
        }
        if (TakeFlag(o, arg))
            continue;
        const std::size_t eq = arg.find('=');
        std::string name = arg.substr(0, eq);
        std::string value;
        if (eq != std::string::npos) {
            value = arg.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            result.error = Arg(kNeedsValue, arg);
            return result;
        }
        if (!TakeValue(o, name, value, result.error))
            return result;
    }
    if (o.help || o.version) {
        result.ok = true;
        return result;
    }
    TakeStoreFromEnvironment(o.serial);
    if (o.serial.On() && o.serial.state.empty() && !o.log.empty())
        o.serial.state = o.log + ".serial";
    result.error = CheckCommand(o, words);
    if (!result.error.empty())
        return result;
    const CliCommandRow* c = FindCommand(words[0]);
    o.command = c->command;
    if (c->file != CliFile::None)
        o.file = words[1];
    result.ok = true;
    return result;
}

const char* CliUsage() {
    return N_(R"(usage: tessaro-cli [options] COMMAND [FILE]

Commands:
  info            board model, and with --chip the chip's ID word and revision
  chips           the chips the chip file offers for the style, one a line
  ports           the serial devices of this machine, and the COMn that
                  ports/ names with where each leads
  blank           blank-check the chip
  erase           erase the chip (asks first: add --yes)
  read FILE       read the chip into a HEX file
  verify FILE     compare the chip with a HEX file
  program FILE    program a HEX file into the chip, checked as it is written
  auto FILE       program chip after chip as they are inserted
  calibration     the chip's factory calibration word (and bandgap bits)
  disasm FILE     the program memory of a HEX file as instructions, and its
                  configuration words by their options (needs no board)
  checksum FILE   the checksum the chip maker's tools show for a HEX file
                  (with --chip; needs no board)
  upgrade FILE    the board's own firmware from its upgrade image FILE into
                  a 16F628 in the socket (asks first: add --yes)

Options:
  --port PORT     COM1..COM9 (through the program folder's ports/), a device
                  such as /dev/ttyUSB0, rfc2217://HOST:PORT (default COM1),
                  or auto: the one USB serial device, or of several the one
                  whose board greets after a reset; repeat it for several
                  boards (auto, program, verify, blank, erase): one runs on
                  each, all at once
  --style NAME    Alder, Birch_A, Birch_B, Cedar or Elm
                  (default: the style the board announces)
  --chip NAME     the chip type, as `chips` lists it
  --cid FILE      the chip file (default: chipinfo.cid in the program folder)
  --icsp          program in circuit (Birch_A, Birch_B and Cedar boards)
  --ignore-blank-check  leave a chip that is not blank alone, without asking
  --id HEX        the ID digits to program or verify
  --fuse LABEL=OPTION   a fuse option as the fuse editor names it (repeatable)
  --yes           answer the program's questions Yes (without it: No)
  --quiet         only errors, questions and results on standard error
  --json          one JSON object per result on standard output
  --log FILE      append one JSON line per chip to a production log
  --calibration VALUE   program, auto: the calibration for a chip whose own
                  reads blank (a byte or the word, as the log shows it);
                  without it such a chip is left alone
  --count N       auto: stop after N chips (on each board)
  --help          this text
  --version       the program's version
  --disasm        read: also print what was read as instructions
  --watch         program: then wait for FILE to be rewritten (saved in place
                  or renamed onto) and program it again; Ctrl-C ends
  --trace         every state of the programmer and every byte on the line,
                  with the seconds since the start, on standard error

Serial numbers (program, auto):
  --serial START[:STEP]   a counter: decimal, or hex after 0x (STEP default 1)
  --serial-list FILE      the numbers to give out, one a line; or an SQTP
                          file (.num): each part's record where it says
  --serial-at rom:ADDR|eeprom:ADDR   where they go (ROM of 12/14-bit cores:
                          one RETLW per byte)
  --serial-bytes N        bytes of each number, 1 to 8 (default 4)
  --serial-order big|little   byte order (default big: most significant first)
  --serial-state FILE     where the counter stands (default: the log's name
                          with .serial added); each number is given out once
  --serial-store URI      the line's PostgreSQL store instead of the state file
                          (postgresql://HOST/DB, or TESSARO_SERIAL_STORE): every
                          station's numbers and results in one database
  --serial-series NAME    the store's series (default: default), started by
                          --serial or --serial-list on its first use
  --station NAME          this station's name in the store (default: host name)
  --serial-reuse-failed   a failed chip's number goes to the next chip
                          (default: it is voided)

The line's store (tessaro-cli serials SUBCOMMAND, with --serial-store):
  init            make or upgrade the store's tables
  status          per series: next, given, done, failed, voided, interrupted, open
  report          per station and board: chips, passed, failed, yield (--csv)
  find SERIAL     the row of that number
  close-stale --station NAME   close what a dead station left open
  export-sqtp FILE   the series' unused numbers as an SQTP file (--chip,
                  --serial-at, --serial-bytes, --serial-order, --count)

Exit codes:
  0  success
  1  the chip failed or was left alone: verify difference, not blank, a write
     error reported by the board, or a question answered No
  2  the board does not answer, answers wrongly, or the port cannot be used;
     or the serial store cannot be reached or refuses the station's role
  3  bad input: option, chip name, HEX file, chip file, serial store address
  4  interrupted (Ctrl-C)
)");
}
