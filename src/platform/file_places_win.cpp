#include "platform/file_places.h"

#include "platform/utf8_path.h"
#include "platform/win_text.h"

#include <cstdlib>
#include <windows.h>

namespace {
// Whether this user may make files in the folder: its access list decides
// (Program Files is read-only to users though no attribute says so), so a
// file is made there and gone again when closed.
bool MayWriteIn(const std::string& folder) {
    const std::filesystem::path probe =
        PathOf(folder) / ("tessaro-probe-" + std::to_string(GetCurrentProcessId()));
    HANDLE h = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(h);
    return true;
}
} // namespace

FilePlaces FilePlacesOf(const std::string& programDir) {
    const wchar_t* appData = _wgetenv(L"APPDATA");
    const std::string appDataText = appData != nullptr ? Utf8(appData) : std::string();
    return ChooseFilePlaces(programDir,
                            AppDataConfigDir(appData != nullptr ? appDataText.c_str() : nullptr),
                            MayWriteIn(programDir), HasInstallMarker(programDir));
}
