#!/usr/bin/env bash
# The Windows installer as a user runs it (under Wine here, in the prefix of
# the run): it installs silently; what it put under Program Files is the
# program folder it was made from, the install mark included; the Start menu
# has the window; .hex files are offered to the window without taking the
# user's choice for them; the installed programs run. An installer of a newer
# version replaces it in place, one entry under Installed apps. Uninstalling
# removes every file and registry entry it made and leaves the user's own
# folder, %APPDATA%\Tessaro, as it was.
#   msi_windows_test.sh MSI STAGE WXS EMULATOR VERSION
# STAGE is the folder the installer was made from (packaging/windows's
# stage/, with msi/ and the icon): a newer installer is made from it here.
set -uo pipefail
msi="$1"
stage="$2"
wxs="$3"
wine="$4"
version="$5"
prefix="${WINEPREFIX:-$HOME/.wine}"
work="$(mktemp -d)"
# Only the test's own shell cleans up, never a subshell of it that a signal ends.
trap '[ "$BASHPID" = "$$" ] && rm -rf "$work"' EXIT
failed=0
fail() {
    echo "FAILED: $1"
    failed=1
}
windows_name() { # a path of this machine as Windows names it (Wine's Z: drive)
    local path
    path="$(realpath "$1")"
    echo "Z:${path//\//\\}"
}
unix_name() {
    "$wine" winepath -u "$1" 2>/dev/null | tr -d '\r'
}
query() { # KEY [VALUE]: what reg says, without Windows line ends
    "$wine" reg query "$@" 2>/dev/null | tr -d '\r'
}
key_exists() { # reg says a key is missing on standard output: its exit code tells
    "$wine" reg query "$1" >/dev/null 2>&1
}
msiexec() {
    "$wine" msiexec "$@" /qn </dev/null >/dev/null 2>&1
}

installed="$prefix/drive_c/Program Files/Tessaro"
appdata="$(unix_name "$("$wine" cmd /c echo '%APPDATA%' 2>/dev/null | tr -d '\r')")"
[ -d "$appdata" ] || fail "no %APPDATA% folder: $appdata"
start_menu_entry() {
    find "$prefix/drive_c" -path '*Start Menu/Programs/Tessaro.lnk' 2>/dev/null | head -n 1
}
uninstall_entries() {
    query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s |
        grep -c 'DisplayName *REG_SZ *Tessaro$'
}
# The user's own choice of program for .hex files, made before installing.
"$wine" reg add 'HKCU\Software\Classes\.hex' /ve /d Editor.HexFile /f >/dev/null 2>&1

msiexec /i "$(windows_name "$msi")" || fail "msiexec /i exits $?"
listed="$(cd "$installed" 2>/dev/null && find . -type f | sort)"
expected="$(cd "$stage/msi" && find . -type f | sort)"
[ -n "$listed" ] && [ "$listed" = "$expected" ] ||
    fail "Program Files\\Tessaro holds: $(tr '\n' ' ' <<<"$listed")"
cmp -s "$stage/msi/tessaro.exe" "$installed/tessaro.exe" || fail "tessaro.exe is not the one built"
[ -n "$(start_menu_entry)" ] || fail "no Tessaro in the Start menu"
query 'HKLM\Software\Classes\.hex\OpenWithProgids' | grep -q Tessaro.HexFile ||
    fail ".hex files are not offered to Tessaro"
query 'HKLM\Software\Classes\Tessaro.HexFile\shell\open\command' | grep -q -F '\Tessaro\tessaro.exe" "%1"' ||
    fail "Tessaro.HexFile does not open with the installed tessaro.exe"
query 'HKCU\Software\Classes\.hex' /ve | grep -q Editor.HexFile ||
    fail "the user's program for .hex files was taken over"
[ "$(uninstall_entries)" = 1 ] || fail "Installed apps lists Tessaro $(uninstall_entries) times"

# The installed programs run from there, alone; a user's files go to
# %APPDATA%\Tessaro (the install mark), which is the user's to keep.
out="$("$wine" "$installed/tessaro-cli.exe" --version 2>&1)"
[ "$out" = "tessaro-cli $version"$'\r' ] || fail "installed tessaro-cli.exe --version says: $out"
out="$("$wine" "$installed/tessaro.exe" --version 2>&1)"
[ "$out" = "tessaro $version"$'\r' ] || fail "installed tessaro.exe --version says: $out"
mkdir -p "$appdata/Tessaro/ports"
printf 'rfc2217://127.0.0.1:4001\r\n' >"$appdata/Tessaro/ports/port3.txt"
out="$("$wine" "$installed/tessaro-cli.exe" ports 2>&1)"
grep -q 'COM3.*rfc2217://127.0.0.1:4001' <<<"$out" ||
    fail "installed tessaro-cli.exe does not read %APPDATA%\\Tessaro\\ports: $(head -c 300 <<<"$out")"

# A newer version, installed over it.
IFS=. read -r major minor patch <<<"$version.0"
newer="$major.$minor.$((patch + 1))"
code="$(cat /proc/sys/kernel/random/uuid | tr a-f A-F)"
(cd "$stage" && wixl -a x64 -D Version="$newer" -D ProductCode="$code" -D Stage=msi \
    -D Icon="$(ls ./*.ico | head -n 1)" -o "$work/newer.msi" "$wxs") >/dev/null 2>&1 ||
    fail "wixl could not make an installer of version $newer"
msiexec /i "$(windows_name "$work/newer.msi")" || fail "installing $newer over $version exits $?"
[ "$(uninstall_entries)" = 1 ] || fail "after the upgrade Installed apps lists Tessaro $(uninstall_entries) times"
query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | grep -q "DisplayVersion *REG_SZ *$newer$" ||
    fail "the upgrade is not listed as $newer"
msiexec /i "$(windows_name "$msi")"
[ $? -ne 0 ] || fail "the older installer installs over the newer version"

msiexec /x "$(windows_name "$work/newer.msi")" || fail "msiexec /x exits $?"
[ ! -e "$installed" ] || fail "left behind: $(cd "$installed" && find . | tr '\n' ' ')"
[ -z "$(start_menu_entry)" ] || fail "the Start menu entry stays"
[ "$(uninstall_entries)" = 0 ] || fail "Installed apps still lists Tessaro"
for key in 'HKLM\Software\Classes\Tessaro.HexFile' 'HKLM\Software\Tessaro' \
    'HKLM\Software\Classes\Applications\tessaro.exe'; do
    key_exists "$key" && fail "$key stays"
done
query 'HKLM\Software\Classes\.hex\OpenWithProgids' | grep -q Tessaro.HexFile &&
    fail ".hex files are still offered to Tessaro"
query 'HKCU\Software\Classes\.hex' /ve | grep -q Editor.HexFile ||
    fail "the user's program for .hex files is gone"
[ "$(cat "$appdata/Tessaro/ports/port3.txt" 2>/dev/null)" = $'rfc2217://127.0.0.1:4001\r' ] ||
    fail "%APPDATA%\\Tessaro was touched"
rm -rf "$appdata/Tessaro"
"$wine" reg delete 'HKCU\Software\Classes\.hex' /f >/dev/null 2>&1
exit $failed
