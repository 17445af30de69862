#include "store/host_name.h"

#include "platform/win_text.h"

#include <windows.h>

std::string HostName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    if (GetComputerNameW(name, &size) == 0)
        return {};
    return Utf8(std::wstring(name, size));
}
