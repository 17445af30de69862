#include "platform/text_file.h"

#include "platform/file_replace.h"
#include "platform/utf8_path.h"
#include "platform/win_text.h"

#include <atomic>
#include <windows.h>

namespace {

// NAME.tmp-XXXXXX, made anew (never opened when it is there already), shared
// with nobody while it is written.
HANDLE CreateTemporary(const std::filesystem::path& file, std::wstring& temp) {
    static std::atomic<unsigned long long> made{0};
    constexpr wchar_t kDigits[] = L"0123456789abcdefghijklmnopqrstuvwxyz";
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned long long seed = GetTickCount64() * 2654435761ULL +
                                  GetCurrentProcessId() * 40503ULL +
                                  made.fetch_add(1) * 2246822519ULL;
        temp = file.native() + Wide(kTemporaryInfix);
        for (std::size_t i = 0; i < kTemporaryUniqueLength; ++i, seed /= 36)
            temp.push_back(kDigits[seed % 36]);
        HANDLE h = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return h;
    }
    return INVALID_HANDLE_VALUE;
}

DWORD WriteAll(HANDLE h, const std::string& contents) {
    const char* data = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(h, data, chunk, &written, nullptr))
            return GetLastError();
        data += written;
        left -= written;
    }
    return 0;
}

} // namespace

// Written whole and flushed to the disk before it replaces the old file; the
// replacing rename is written through, so that it survives a power cut too.
// On any failure the temporary file goes and the old file stays as it was
// (a read-only file is not replaced: the rename is refused).
std::string WriteFileReplacing(const std::string& path, const std::string& contents) {
    const std::filesystem::path file = PathOf(path);
    std::wstring temp;
    HANDLE h = CreateTemporary(file, temp);
    if (h == INVALID_HANDLE_VALUE)
        return SystemMessage(GetLastError());
    DWORD error = WriteAll(h, contents);
    if (error == 0 && !FlushFileBuffers(h))
        error = GetLastError();
    if (!CloseHandle(h) && error == 0)
        error = GetLastError();
    if (error == 0 && !MoveFileExW(temp.c_str(), file.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != 0) {
        DeleteFileW(temp.c_str());
        return SystemMessage(error);
    }
    RemoveStaleTemporaries(file);
    return {};
}
