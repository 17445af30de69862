#pragma once

#include <string>

// Text for and from the wide-character Win32 calls; used by the Windows
// files only. The program's own text is UTF-8.

// UTF-8 to UTF-16; bytes that are not UTF-8 become U+FFFD.
std::wstring Wide(const std::string& utf8);

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8(const std::wstring& wide);

// The system's words for an error code (GetLastError, WSAGetLastError), without
// the line break and full stop it ends in: "Access is denied".
std::string SystemMessage(unsigned long code);
