#include "cli/wire_trace.h"

#include "cli/cli_report.h"
#include "workbench/workbench.h"

#include <cstdio>
#include <mutex>
#include <ostream>

WireTrace::WireTrace(std::ostream& out) : out_(out) {}

void WireTrace::Bytes(const char* direction, const std::string& bytes) {
    // A block stream comes in deliveries of hundreds of bytes: its start and
    // its length tell what it was.
    constexpr std::size_t kShown = 32;
    static const char digits[] = "0123456789ABCDEF";
    std::string text = direction;
    for (std::size_t i = 0; i < bytes.size() && i < kShown; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        text += ' ';
        text += digits[b >> 4];
        text += digits[b & 0x0F];
    }
    if (bytes.size() > kShown)
        text += " ... " + std::to_string(bytes.size()) + " bytes";
    Line(text);
}

void WireTrace::State(EngineState from, EngineState to) {
    Line("state " + std::to_string(static_cast<int>(from)) + " " + Workbench::StateName(from) +
         " -> " + std::to_string(static_cast<int>(to)) + " " + Workbench::StateName(to));
}

void WireTrace::Line(const std::string& text) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    char time[32];
    std::snprintf(time, sizeof time, "trace %8.4f ", seconds);
    const std::lock_guard lock(OutputLock());
    out_ << time << text << '\n' << std::flush;
}
