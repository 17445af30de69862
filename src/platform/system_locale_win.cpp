#include "platform/system_locale.h"

#include "platform/win_text.h"

#include <windows.h>

std::string SystemLocaleName() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) == 0)
        return {};
    return Utf8(std::wstring(name));
}
