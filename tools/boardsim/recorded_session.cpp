#include "recorded_session.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace boardsim {

namespace {

// The text of a string field, or of a number, after "key":; empty when none.
std::string Field(const std::string& line, const std::string& key) {
    const std::string tag = "\"" + key + "\":";
    const std::size_t at = line.find(tag);
    if (at == std::string::npos) {
        return {};
    }
    std::size_t from = at + tag.size();
    if (from < line.size() && line[from] == '"') {
        const std::size_t end = line.find('"', from + 1);
        return end == std::string::npos ? std::string() : line.substr(from + 1, end - from - 1);
    }
    std::size_t end = from;
    while (end < line.size() &&
           (std::isdigit(static_cast<unsigned char>(line[end])) || line[end] == '-')) {
        ++end;
    }
    return line.substr(from, end - from);
}

bool Bytes(const std::string& hex, std::string& out) {
    if (hex.size() % 2 != 0) {
        return false;
    }
    out.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        unsigned value = 0;
        for (int k = 0; k < 2; ++k) {
            const char c = hex[i + k];
            const int v = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                          : c >= 'a' && c <= 'f'                      ? c - 'a' + 10
                          : c >= 'A' && c <= 'F'                      ? c - 'A' + 10
                                                                      : -1;
            if (v < 0) {
                return false;
            }
            value = value * 16 + static_cast<unsigned>(v);
        }
        out += static_cast<char>(value);
    }
    return true;
}

// The event's kind is its second key: {"t":N,"dir":... — a result's own
// fields never stand there.
bool Step(const std::string& line, int number, RecordedStep& step, bool& known) {
    known = false;
    if (line.rfind("{\"t\":", 0) != 0 || line.back() != '}') {
        return false;
    }
    step.line = number;
    step.t = std::stoll("0" + Field(line, "t"));
    const std::size_t comma = line.find(',');
    const std::string second = comma == std::string::npos ? "" : line.substr(comma + 1, 7);
    if (second.rfind("\"dir\":", 0) == 0) {
        step.kind =
            Field(line, "dir") == "host" ? RecordedStep::Kind::Host : RecordedStep::Kind::Board;
        known = true;
        return Bytes(Field(line, "hex"), step.bytes);
    }
    if (second.rfind("\"line\":", 0) == 0) {
        const std::string name = Field(line, "line");
        step.kind = name == "DTR" ? RecordedStep::Kind::Dtr : RecordedStep::Kind::Rts;
        step.level = Field(line, "level") == "1";
        known = name == "DTR" || name == "RTS";
        return true;
    }
    if (second.rfind("\"port\":", 0) == 0 && Field(line, "port") == "close") {
        step.kind = RecordedStep::Kind::Close;
        known = true;
    }
    return true;
}

} // namespace

std::string HexText(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (const char c : bytes) {
        hex += digits[static_cast<unsigned char>(c) >> 4];
        hex += digits[static_cast<unsigned char>(c) & 0x0F];
    }
    return hex;
}

bool ParseRecordedSession(const std::string& text, RecordedSession& session, std::string& error) {
    session = RecordedSession();
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (number == 1) {
            if (Field(line, "format") != "tessaro-session") {
                error = "not a session recording (its first line is no header)";
                return false;
            }
            session.chip = Field(line, "chip");
            session.style = Field(line, "style");
            const std::string baud = Field(line, "baud");
            session.baud = baud.empty() ? 19200 : std::stoi(baud);
            continue;
        }
        RecordedStep step;
        bool known = false;
        if (!Step(line, number, step, known)) {
            break; // a line cut short by a crash ends the recording
        }
        if (known) {
            session.steps.push_back(std::move(step));
        }
    }
    if (number == 0) {
        error = "not a session recording (it is empty)";
        return false;
    }
    return true;
}

bool ReadRecordedSession(const std::string& path, RecordedSession& session, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParseRecordedSession(text.str(), session, error);
}

} // namespace boardsim
