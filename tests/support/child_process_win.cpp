#include "child_process.h"

#include "platform/win_text.h"

#include <windows.h>

#include <thread>

namespace {

// One argument as the C runtime splits a command line again: quoted when it
// holds a blank or a quote, backslashes doubled where a quote follows them.
std::wstring Quoted(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos)
        return arg;
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out.push_back(c);
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

// This process's environment with the role added, as CreateProcessW takes it.
std::wstring EnvironmentWith(const std::string& role) {
    std::wstring block;
    wchar_t* strings = GetEnvironmentStringsW();
    for (const wchar_t* e = strings; *e != L'\0'; e += wcslen(e) + 1)
        block.append(e).push_back(L'\0');
    FreeEnvironmentStringsW(strings);
    if (!role.empty())
        block.append(Wide(std::string(kChildRoleVariable) + "=" + role)).push_back(L'\0');
    block.push_back(L'\0');
    return block;
}

// A pseudo console whose output is read and dropped (a console that nobody
// reads stops the program writing to it).
HPCON OpenConsole(HANDLE& typed) {
    HANDLE input = nullptr;
    HANDLE output = nullptr;
    HANDLE shown = nullptr;
    HPCON console = nullptr;
    if (!CreatePipe(&input, &typed, nullptr, 0) || !CreatePipe(&shown, &output, nullptr, 0) ||
        CreatePseudoConsole({120, 40}, input, output, 0, &console) != S_OK)
        console = nullptr;
    CloseHandle(input);
    CloseHandle(output);
    std::thread([shown] {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(shown, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        }
        CloseHandle(shown);
    }).detach();
    return console;
}

} // namespace

void ChildProcess::Start(const std::string& program, const std::vector<std::string>& args,
                         const std::string& role) {
    std::wstring command = Quoted(Wide(program));
    for (const std::string& a : args)
        command += L" " + Quoted(Wide(a));
    std::wstring environment = EnvironmentWith(role);
    HANDLE typed = nullptr;
    HPCON console = OpenConsole(typed);
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    std::string attributes(size, '\0');
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.lpAttributeList = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
    InitializeProcThreadAttributeList(startup.lpAttributeList, 1, 0, &size);
    UpdateProcThreadAttribute(startup.lpAttributeList, 0, PROC_THREAD_ATTRIBUTE_PSEUDOCONSOLE,
                              console, sizeof console, nullptr, nullptr);
    PROCESS_INFORMATION process{};
    if (console != nullptr &&
        CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE,
                       CREATE_UNICODE_ENVIRONMENT | EXTENDED_STARTUPINFO_PRESENT,
                       environment.data(), nullptr, &startup.StartupInfo, &process)) {
        CloseHandle(process.hThread);
        id_ = reinterpret_cast<long long>(process.hProcess);
    }
    DeleteProcThreadAttributeList(startup.lpAttributeList);
    console_ = reinterpret_cast<long long>(console);
    typed_ = reinterpret_cast<long long>(typed);
}

bool ChildProcess::Started() const {
    return id_ != -1;
}

// The console turns a typed Ctrl-C into the Ctrl-C event of its programs.
void ChildProcess::Interrupt() {
    const char ctrlC = 0x03;
    DWORD written = 0;
    if (Started())
        WriteFile(reinterpret_cast<HANDLE>(typed_), &ctrlC, 1, &written, nullptr);
}

void ChildProcess::Kill() {
    if (Started() && TerminateProcess(reinterpret_cast<HANDLE>(id_), 1))
        killed_ = true;
}

int ChildProcess::Wait() {
    if (!Started())
        return -1;
    HANDLE process = reinterpret_cast<HANDLE>(id_);
    WaitForSingleObject(process, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    ClosePseudoConsole(reinterpret_cast<HPCON>(console_));
    CloseHandle(reinterpret_cast<HANDLE>(typed_));
    id_ = console_ = typed_ = -1;
    return killed_ ? -1 : static_cast<int>(code);
}

std::string ThisTestProgram() {
    wchar_t path[4096];
    const DWORD n = GetModuleFileNameW(nullptr, path, 4096);
    return n > 0 && n < 4096 ? Utf8(std::wstring(path, n)) : std::string();
}
