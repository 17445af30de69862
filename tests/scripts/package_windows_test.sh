#!/usr/bin/env bash
# The Windows package as a user unzips it: the files it should hold, texts
# with Windows line ends, and programs that run alone from the unzipped
# folder (no DLL beyond Windows's own) and find chipinfo.cid beside them.
# WINDOW is "window" when the build has tessaro.exe (and so the licences of
# its Qt), anything else when not; LIBPQ is "libpq" when tessaro-cli.exe links
# libpq for the line's store (and so PostgreSQL's licence goes with it).
#   package_windows_test.sh ZIP EMULATOR VERSION WINDOW LIBPQ
set -uo pipefail
zip="$1"
run="$2"
version="$3"
window="$4"
libpq="${5:-no-libpq}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "$1"
    failed=1
}
cmake -E chdir "$work" cmake -E tar xf "$zip" || exit 1
folder="$work/tessaro-$version-win64"
listed="$(cd "$folder" && find . -type f | sort | tr '\n' ' ')"
expected="./README.txt ./chipinfo.cid ./doc/tessaro-boardsim.txt ./doc/tessaro-cli.txt ./tessaro-boardsim.exe ./tessaro-cli.exe "
if [ "$window" = window ]; then
    licences="GPL-3.0 LGPL-3.0 PCRE2 Qt-other-parts Qt double-conversion libpng md4c zlib"
    expected="./README.txt ./chipinfo.cid ./click.wav ./doc/tessaro-boardsim.txt ./doc/tessaro-cli.txt $(
        printf './licences/%s.txt ' $licences)./tessaro-boardsim.exe ./tessaro-cli.exe ./tessaro.exe ./tessaro.html "
fi
if [ "$libpq" = libpq ]; then
    expected="$(printf '%s\n' $expected ./licences/PostgreSQL.txt | sort | tr '\n' ' ')"
fi
[ "$listed" = "$expected" ] || fail "the package holds: $listed"
for text in README.txt doc/tessaro-cli.txt $(cd "$folder" && ls licences/*.txt 2>/dev/null); do
    if grep -q $'[^\r]$' "$folder/$text"; then
        fail "$text has a line without CR LF"
    fi
done
grep -q -- '--port' "$folder/doc/tessaro-cli.txt" || fail "the manual page lacks its options"
cd "$work"
out="$($run "$folder/tessaro-cli.exe" --version 2>&1)"
[ "$out" = "tessaro-cli $version"$'\r' ] || fail "tessaro-cli.exe --version says: $out"
out="$($run "$folder/tessaro-cli.exe" chips 2>&1)"
grep -q $'^16F628A\r$' <<<"$out" || fail "tessaro-cli.exe chips lacks 16F628A: $(head -c 200 <<<"$out")"
if [ "$window" = window ]; then
    # A window program answers --version to whoever started it: here a pipe.
    out="$($run "$folder/tessaro.exe" --version 2>&1)"
    [ "$out" = "tessaro $version"$'\r' ] || fail "tessaro.exe --version says: $out"
    # Typed in a Command Prompt: its console (on a pseudo-terminal here).
    out="$(cd "$folder" && script -qec "$run cmd /c tessaro.exe --version" /dev/null 2>&1)"
    grep -q "tessaro $version" <<<"$out" || fail "tessaro.exe --version in a console says: $out"
fi
out="$($run "$folder/tessaro-boardsim.exe" --version 2>&1)"
[ "$out" = "tessaro-boardsim $version"$'\r' ] || fail "tessaro-boardsim.exe --version says: $out"
exit $failed
