#include "sim_options.h"

#include "console.h"
#include "fault_commands.h"

#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>

namespace boardsim {

namespace {

using Setter = std::function<bool(SimOptions&, const std::string&)>;

bool Int(const std::string& text, long low, long high, int& out) {
    long value = 0;
    if (!ParseNumber(text, value) || value < low || value > high) {
        return false;
    }
    out = static_cast<int>(value);
    return true;
}

bool Core(SimOptions& o, const std::string& v) {
    static const std::map<std::string, CoreClass> cores{{"0", CoreClass::SerialEeprom},
                                                        {"12", CoreClass::Core12},
                                                        {"14", CoreClass::Core14},
                                                        {"16", CoreClass::Core16}};
    const auto it = cores.find(v);
    if (it == cores.end()) {
        return false;
    }
    o.chip.core = it->second;
    if (it->second == CoreClass::SerialEeprom) {
        o.chip.romWords = 0;
    }
    return true;
}

bool FuseBlank(SimOptions& o, const std::string& v) {
    std::stringstream list(v);
    std::size_t k = 0;
    // Hex words as in the chip file: 27FF,0F0F,...
    for (std::string item; std::getline(list, item, ',');) {
        char* end = nullptr;
        const long word = std::strtol(item.c_str(), &end, 16);
        if (k >= o.chip.fuseBlank.size() || item.empty() || *end != '\0' || word < 0 ||
            word > 0xFFFF) {
            return false;
        }
        o.chip.fuseBlank[k++] = static_cast<std::uint16_t>(word);
    }
    return k > 0;
}

bool Listen(SimOptions& o, const std::string& v) {
    const std::size_t colon = v.rfind(':');
    if (colon == std::string::npos || colon == 0) {
        return false;
    }
    o.host = v.substr(0, colon);
    return Int(v.substr(colon + 1), 0, 65535, o.port);
}

// Options that take a value.
const std::map<std::string, Setter>& ValueOptions() {
    static const std::map<std::string, Setter> options{
        {"--model", [](SimOptions& o, const std::string& v) { return ParseModel(v, o.model); }},
        {"--chip", [](SimOptions& o, const std::string& v) { return o.chipName = v, !v.empty(); }},
        {"--cid", [](SimOptions& o, const std::string& v) { return o.cidPath = v, true; }},
        {"--core", Core},
        {"--rom",
         [](SimOptions& o, const std::string& v) { return Int(v, 0, 0x8000, o.chip.romWords); }},
        {"--eeprom", [](SimOptions& o,
                        const std::string& v) { return Int(v, 0, 0x10000, o.chip.eepromBytes); }},
        {"--id",
         [](SimOptions& o, const std::string& v) {
             int id = 0;
             return Int(v, 0, 0xFFFF, id) && (o.chip.idWord = static_cast<std::uint16_t>(id), true);
         }},
        {"--revision",
         [](SimOptions& o, const std::string& v) { return Int(v, 0, 0x1F, o.revision); }},
        {"--fuseblank", FuseBlank},
        {"--listen", Listen},
        {"--load", [](SimOptions& o, const std::string& v) { return o.loadPath = v, !v.empty(); }},
        {"--dump", [](SimOptions& o, const std::string& v) { return o.dumpPath = v, !v.empty(); }},
        {"--baud",
         [](SimOptions& o, const std::string& v) { return Int(v, 50, 4'000'000, o.pacing.baud); }},
        {"--write-time",
         [](SimOptions& o, const std::string& v) {
             return Int(v, 0, 1'000'000, o.pacing.wordWriteUs);
         }},
        {"--page-time",
         [](SimOptions& o, const std::string& v) { return Int(v, 0, 1'000'000, o.pacing.pageUs); }},
        {"--check",
         [](SimOptions& o, const std::string& v) { return o.checkPath = v, !v.empty(); }},
        {"--replay",
         [](SimOptions& o, const std::string& v) { return o.replayPath = v, !v.empty(); }},
        {"--timing",
         [](SimOptions& o, const std::string& v) { return Int(v, 0, 60'000'000, o.timingUs); }},
        {"--fault",
         [](SimOptions& o, const std::string& v) {
             Faults probe;
             std::string ignored;
             const auto words = SplitWords(v);
             o.faults.push_back(words);
             return ApplyFaultCommand(probe, words, ignored);
         }},
    };
    return options;
}

} // namespace

SimOptionsResult ParseSimOptions(const std::vector<std::string>& args) {
    SimOptionsResult result;
    SimOptions& o = result.options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--version") {
            o.version = true;
        } else if (arg == "--log") {
            o.log = true;
        } else if (arg == "--pace") {
            o.pacing.enabled = true;
        } else if (arg == "--calword") {
            o.chip.hasCalWord = true;
        } else if (arg == "--otp") {
            o.chip.flash = false;
        } else if (arg == "--json") {
            o.json = true;
        } else if (arg == "--empty") {
            o.emptySocket = true;
        } else if (const auto it = ValueOptions().find(arg); it != ValueOptions().end()) {
            if (i + 1 >= args.size() || !it->second(o, args[i + 1])) {
                result.error = "bad or missing value for " + arg;
                return result;
            }
            ++i;
        } else {
            result.error = "unknown option " + arg;
            return result;
        }
    }
    result.ok = true;
    return result;
}

std::string SimUsage() {
    return "usage: tessaro-boardsim [options]\n"
           "  --model NAME         Alder, Birch_A, Birch_B, Cedar or Elm (default Elm)\n"
           "  --chip NAME          the chip's sizes, core and device ID from the chip file\n"
           "  --cid FILE           chip file (default: chipinfo.cid beside the program)\n"
           "  --core 0|12|14|16    or by hand: core class (0: serial EEPROM)\n"
           "  --rom WORDS --eeprom BYTES --id WORD --revision N --fuseblank HEX,HEX,...\n"
           "  --calword --otp      a calibration word at the top; not electrically erasable\n"
           "  --listen HOST:PORT   RFC 2217 server address (default 127.0.0.1:0, a free port)\n"
           "  --load FILE.hex      chip contents at start\n"
           "  --dump FILE.hex      chip contents written on exit\n"
           "  --baud N --pace      wire-speed answers at N baud (default 19200, pacing off)\n"
           "  --write-time US      time the board takes per word written\n"
           "  --page-time US       time per 256-word page checked or erased (default 2000)\n"
           "  --fault \"WORDS\"      a fault from the start (see 'fault' below)\n"
           "  --empty              start with an empty socket\n"
           "  --log                transcript of every byte in and out on standard error\n"
           "  --check FILE         feed a session recording's host side to this board and\n"
           "                       compare its answers with the recorded board's (exit 1\n"
           "                       on a difference); --timing US: their times too, within\n"
           "                       US microseconds; --json: one JSON line per result\n"
           "  --replay FILE        serve a recording's board (as --listen does) in place\n"
           "                       of a simulated one\n"
           "  --help --version     this text; the program's version\n"
           "standard input: " +
           std::string(kConsoleCommands);
}

} // namespace boardsim
