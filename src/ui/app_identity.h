#pragma once

// The program's name for the desktop: its name, and the desktop file that
// Wayland compositors match its windows with (menu entry and icon).
inline constexpr char kDesktopFileName[] = "org.tessaro.Tessaro";
void IdentifyApplication();
