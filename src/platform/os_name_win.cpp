#include "platform/os_name.h"

#include <windows.h>

std::string OperatingSystemName() {
    // GetVersionEx answers as the manifest lets it; ntdll's own answer is the
    // release as it is.
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto get = ntdll != nullptr ? reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(
                                            GetProcAddress(ntdll, "RtlGetVersion")))
                                      : nullptr;
    if (get == nullptr || get(&info) != 0)
        return "Windows";
    return "Windows " + std::to_string(info.dwMajorVersion) + "." +
           std::to_string(info.dwMinorVersion) + "." + std::to_string(info.dwBuildNumber);
}
