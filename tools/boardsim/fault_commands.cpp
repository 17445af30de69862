#include "fault_commands.h"

#include "wire_codes.h"

#include <cctype>
#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>

namespace boardsim {

namespace {

using Words = std::vector<std::string>;
using Handler = std::function<bool(Faults&, const Words&, std::string&)>;

bool Number(const Words& w, std::size_t i, long low, long high, long& value, std::string& error) {
    if (i >= w.size() || !ParseNumber(w[i], value) || value < low || value > high) {
        error = "expected a number from " + std::to_string(low) + " to " + std::to_string(high);
        return false;
    }
    return true;
}

bool Command(const Words& w, std::size_t i, int& code, std::string& error) {
    code = i < w.size() ? ParseCommand(w[i]) : -1;
    if (code < 0) {
        error = "expected a command name or code";
        return false;
    }
    return true;
}

bool Stuck(StuckBits& stuck, const Words& w, std::string& error) {
    long address = 0;
    long low = 0;
    long high = 0;
    if (!Number(w, 1, 0, 0xFFFF, address, error) || !Number(w, 2, 0, 0xFFFF, low, error) ||
        !Number(w, 3, 0, 0xFFFF, high, error)) {
        return false;
    }
    stuck = {static_cast<int>(address), static_cast<std::uint16_t>(low),
             static_cast<std::uint16_t>(high)};
    return true;
}

// A byte given as a number, or as a single character such as X or L.
bool ByteOrChar(const Words& w, std::size_t i, int& value, std::string& error) {
    long number = 0;
    if (i < w.size() && w[i].size() == 1 && !std::isdigit(static_cast<unsigned char>(w[i][0]))) {
        value = static_cast<unsigned char>(w[i][0]);
        return true;
    }
    if (!Number(w, i, 0, 0xFF, number, error)) {
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

const std::map<std::string, Handler>& Handlers() {
    static const std::map<std::string, Handler> handlers{
        {"clear", [](Faults& f, const Words&, std::string&) { return (f = Faults{}, true); }},
        {"silent-after",
         [](Faults& f, const Words& w, std::string& e) {
             long n = 0;
             return Number(w, 1, 0, 1 << 30, n, e) &&
                    (f.silentAfterBytes = static_cast<int>(n), true);
         }},
        {"silent-at", [](Faults& f, const Words& w,
                         std::string& e) { return Command(w, 1, f.silentAtCommand, e); }},
        {"rom-fail",
         [](Faults& f, const Words& w, std::string& e) {
             long n = 0;
             return Number(w, 1, 0, 0xFFFF, n, e) && (f.romFailAtWord = static_cast<int>(n), true);
         }},
        {"idfuses-fail",
         [](Faults& f, const Words&, std::string&) { return f.idFusesFail = true; }},
        {"idfuses-busy",
         [](Faults& f, const Words& w, std::string& e) {
             long n = 0;
             return Number(w, 1, 0, 1000, n, e) && (f.idFusesBusy = static_cast<int>(n), true);
         }},
        {"calibration",
         [](Faults& f, const Words& w, std::string& e) {
             if (w.size() < 2 || (w[1] != "C" && w[1] != "F")) {
                 e = "expected C or F";
                 return false;
             }
             f.calibrationAnswer = w[1][0];
             return true;
         }},
        {"answer",
         [](Faults& f, const Words& w, std::string& e) {
             if (!Command(w, 1, f.replaceAtCommand, e)) {
                 return false;
             }
             f.replacement = w.size() > 2 ? w[2] : std::string(1, answer::Refused);
             return true;
         }},
        {"double", [](Faults& f, const Words& w,
                      std::string& e) { return Command(w, 1, f.doubleAtCommand, e); }},
        {"noise",
         [](Faults& f, const Words& w, std::string& e) {
             f.noise.clear();
             for (std::size_t i = 1; i < w.size(); ++i) {
                 long b = 0;
                 if (!Number(w, i, 0, 0xFF, b, e)) {
                     return false;
                 }
                 f.noise += static_cast<char>(b);
             }
             return true;
         }},
        {"model", [](Faults& f, const Words& w,
                     std::string& e) { return ByteOrChar(w, 1, f.modelCode, e); }},
        {"greeting", [](Faults& f, const Words& w,
                        std::string& e) { return ByteOrChar(w, 1, f.greetingCode, e); }},
        {"split",
         [](Faults& f, const Words& w, std::string& e) {
             f.splitSizes.clear();
             if (w.size() > 1 && w[1] == "off") {
                 return true;
             }
             std::stringstream list(w.size() > 1 ? w[1] : "");
             for (std::string item; std::getline(list, item, ',');) {
                 long n = 0;
                 if (!ParseNumber(item, n) || n < 1 || n > 1 << 20) {
                     e = "expected sizes such as 5,20,7";
                     return false;
                 }
                 f.splitSizes.push_back(static_cast<int>(n));
             }
             return !f.splitSizes.empty() || (e = "expected sizes such as 5,20,7", false);
         }},
        {"join",
         [](Faults& f, const Words& w, std::string&) {
             return (f.joinAnswers = w.size() < 2 || w[1] != "off", true);
         }},
        {"stuck-rom",
         [](Faults& f, const Words& w, std::string& e) { return Stuck(f.stuckRom, w, e); }},
        {"stuck-eeprom",
         [](Faults& f, const Words& w, std::string& e) { return Stuck(f.stuckEeprom, w, e); }},
    };
    return handlers;
}

} // namespace

std::vector<std::string> SplitWords(const std::string& line) {
    std::vector<std::string> words;
    std::stringstream in(line);
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

bool ParseNumber(const std::string& text, long& value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 0);
    return *end == '\0';
}

bool ApplyFaultCommand(Faults& faults, const std::vector<std::string>& words, std::string& error) {
    const auto it = words.empty() ? Handlers().end() : Handlers().find(words[0]);
    if (it == Handlers().end()) {
        error = "unknown fault; one of:\n" + std::string(FaultCommandHelp());
        return false;
    }
    return it->second(faults, words, error);
}

const char* FaultCommandHelp() {
    return "  clear                      no faults\n"
           "  silent-after N             fall silent after N more answer bytes\n"
           "  silent-at CMD              fall silent when CMD arrives\n"
           "  rom-fail WORD              'N' when program word WORD is written\n"
           "  idfuses-fail               ProgramIDFuses status 0x00\n"
           "  idfuses-busy N             N '?' answers before each ProgramIDFuses status\n"
           "  calibration C|F            WriteCalibration answers C or F\n"
           "  answer CMD TEXT            answer CMD with TEXT (?E?P, ?F?N, X) instead\n"
           "  double CMD                 send the answer to CMD twice in one piece\n"
           "  noise B1 B2 ...            bytes ahead of the next answer\n"
           "  model N|X                  ReadModel answers this byte\n"
           "  greeting N|L               second byte of the announcement\n"
           "  split 5,20,7 | off         cut the output into pieces of these sizes\n"
           "  join on|off                everything ready in one piece\n"
           "  stuck-rom ADDR LOW HIGH    bits forced low/high when ADDR is written\n"
           "  stuck-eeprom ADDR LOW HIGH the same for a data EEPROM byte\n";
}

} // namespace boardsim
