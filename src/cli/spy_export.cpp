#include "cli/spy_export.h"

#include <cstdio>

namespace {
void WriteLine(std::ostream& out, std::int64_t us, const char* label, const std::string& value) {
    char head[48];
    std::snprintf(head, sizeof head, "%010.3f %-4s ", static_cast<double>(us) / 1e6, label);
    out << head << value << '\n';
}

// One row of at most 16 bytes: the hex with a gap after the eighth, padded
// to the full width, then the bytes as ASCII ('.' for the rest).
std::string Row(const std::string& bytes, std::size_t from) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    std::string ascii;
    for (std::size_t n = 0; n < 16; ++n) {
        if (from + n < bytes.size()) {
            const auto b = static_cast<unsigned char>(bytes[from + n]);
            hex += digits[b >> 4];
            hex += digits[b & 0x0F];
            hex += ' ';
            ascii += b >= 0x20 && b < 0x7F ? static_cast<char>(b) : '.';
        } else {
            hex += "   ";
            ascii += ' ';
        }
        if (n == 7)
            hex += ' ';
    }
    char offset[32];
    std::snprintf(offset, sizeof offset, "%04zX  ", from);
    return offset + hex + " " + ascii;
}

void Dump(std::ostream& out, std::int64_t t, const char* label, const std::string& bytes) {
    for (std::size_t at = 0; at < bytes.size(); at += 16)
        WriteLine(out, t, label, Row(bytes, at));
}
} // namespace

void ExportSpy(const Recording& recording, std::ostream& out) {
    using K = RecordedEvent::Kind;
    for (const RecordedEvent& e : recording.events) {
        switch (e.kind) {
        case K::HostBytes:
            Dump(out, e.t, "TX", e.bytes);
            break;
        case K::BoardBytes:
            Dump(out, e.t, "RX", e.bytes);
            break;
        case K::Line:
            WriteLine(out, e.t, e.line == "BREAK" ? "BRK" : e.line.c_str(),
                      e.level ? "active" : "inactive");
            break;
        case K::Purge:
            WriteLine(out, e.t, "Q-RX", "reset_input_buffer");
            WriteLine(out, e.t, "Q-TX", "reset_output_buffer");
            break;
        default:
            break; // opening, closing, states and results have no spy line
        }
    }
    out.flush();
}
