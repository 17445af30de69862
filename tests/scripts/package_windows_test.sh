#!/usr/bin/env bash
# The Windows package as a user unzips it: the files it should hold, texts
# with Windows line ends, and programs that run alone from the unzipped
# folder (no DLL beyond Windows's own) and find chipinfo.cid beside them.
#   package_windows_test.sh ZIP EMULATOR VERSION
set -uo pipefail
zip="$1"
run="$2"
version="$3"
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
[ "$listed" = "$expected" ] || fail "the package holds: $listed"
for text in README.txt doc/tessaro-cli.txt; do
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
out="$($run "$folder/tessaro-boardsim.exe" --version 2>&1)"
[ "$out" = "tessaro-boardsim $version"$'\r' ] || fail "tessaro-boardsim.exe --version says: $out"
exit $failed
