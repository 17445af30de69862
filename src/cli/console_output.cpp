#include "cli/console_output.h"
#include "platform/translate.h"

#include <algorithm>

namespace {
constexpr int kBarWidth = 30;
} // namespace

std::string OneLine(const std::string& text) {
    std::string line;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        std::string piece = text.substr(start, end - start);
        while (!piece.empty() && piece.back() == ' ')
            piece.pop_back();
        if (!piece.empty())
            line += (line.empty() ? "" : " / ") + piece;
        start = end + 1;
    }
    return line;
}

void ConsoleOutput::Line(const std::string& text) {
    ClearBar();
    err_ << text << '\n' << std::flush;
}

void ConsoleOutput::ClearBar() {
    if (!barShown_)
        return;
    err_ << '\r' << std::string(kBarWidth + 50, ' ') << '\r';
    barShown_ = false;
    percent_ = -1;
}

std::string CutText(const std::string& text, std::size_t bytes) {
    if (text.size() <= bytes)
        return text;
    // A continuation byte (10xxxxxx) belongs to the character before it.
    while (bytes > 0 && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80)
        --bytes;
    return text.substr(0, bytes);
}

std::string ErrorLine(const std::string& text) {
    return Arg(Translated(N_("error: %1")), OneLine(Translated(text)));
}

std::string QuestionLine(const std::string& text, bool yes) {
    return Arg(Translated(yes ? N_("question: %1 -> Yes") : N_("question: %1 -> No")),
               OneLine(Translated(text)));
}

void ConsoleOutput::Information(const std::string& text) {
    if (!quiet_)
        Line(OneLine(Translated(text)));
}

void ConsoleOutput::Error(const std::string& text) {
    Line(ErrorLine(text));
}

void ConsoleOutput::Question(const std::string& text, bool yes) {
    Line(QuestionLine(text, yes));
}

void ConsoleOutput::Status(const std::string& text) {
    if (text == status_)
        return;
    status_ = text;
    if (!quiet_)
        Line(Translated(text));
}

// Only a terminal gets the bar; a log file or a pipe would fill with it.
void ConsoleOutput::Progress(int value, int maximum) {
    if (!terminal_ || quiet_)
        return;
    if (value <= 0 || maximum <= 0) {
        ClearBar();
        return;
    }
    const int percent =
        static_cast<int>(std::min<long long>(100, static_cast<long long>(value) * 100 / maximum));
    // At most every 30 ms (a full bar at once): a draw stands between a word
    // and the board's next request.
    const auto now = std::chrono::steady_clock::now();
    if (percent == percent_ || (percent < 100 && now - barAt_ < std::chrono::milliseconds(30)))
        return;
    percent_ = percent;
    barAt_ = now;
    const int filled = percent * kBarWidth / 100;
    err_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] "
         << (percent < 10    ? "  "
             : percent < 100 ? " "
                             : "")
         << percent << "% " << CutText(Translated(status_), 40) << std::flush;
    barShown_ = true;
}

void ConsoleOutput::Say(const std::string& text, bool always) {
    if (always || !quiet_)
        Line(Translated(text));
}
