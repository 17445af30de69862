#include "platform/starter_console.h"

#include "platform/win_text.h"

#include <windows.h>

namespace {
void WriteToConsole(HANDLE console, const std::string& utf8) {
    const std::wstring text = Wide(utf8);
    DWORD written = 0;
    WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// A file or a pipe gets the text with Windows's line ends, as the
// command-line programs write theirs.
void WriteToFile(HANDLE file, const std::string& utf8) {
    std::string text;
    for (char c : utf8) {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    for (std::size_t at = 0; at < text.size();) {
        DWORD written = 0;
        if (!WriteFile(file, text.data() + at, static_cast<DWORD>(text.size() - at), &written,
                       nullptr) ||
            written == 0)
            return;
        at += written;
    }
}
} // namespace

void PrintForStarter(const std::string& utf8) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (out != nullptr && out != INVALID_HANDLE_VALUE) {
        if (GetConsoleMode(out, &mode)) {
            WriteToConsole(out, utf8);
            return;
        }
        if (GetFileType(out) != FILE_TYPE_UNKNOWN) {
            WriteToFile(out, utf8);
            return;
        }
    }
    // Started from a Command Prompt: the prompt's console, borrowed for the text.
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (console != INVALID_HANDLE_VALUE) {
        WriteToConsole(console, utf8);
        CloseHandle(console);
    }
    FreeConsole();
}
