#!/usr/bin/env bash
# tessaro-cli.exe against tessaro-boardsim.exe as a Windows user runs them, two
# processes (under Wine here): over RFC 2217 on loopback, and on COM12, a
# pseudo-terminal bridged to the board with its DTR line (Wine alone gives a
# pseudo-terminal no modem lines: tests/support/modem_lines_preload.c answers
# them and logs DTR for the bridge, tests/scripts/pty_board_bridge.py). Each
# way: program, verify, read back, and a failure.
#   wine_e2e_test.sh SOURCE_DIR BIN_DIR EMULATOR
set -uo pipefail
source="$1"
bin="$2"
wine="$3"
work="$(mktemp -d)"
prefix="${WINEPREFIX:-$HOME/.wine}"
com_link="$prefix/dosdevices/com12"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -f "$com_link"
    rm -rf "$work"
}
trap cleanup EXIT
failed=0
fail() {
    echo "FAILED: $1"
    failed=1
}
cd "$work"

# A program of a few words and EEPROM bytes, assembled now.
cat >in.asm <<'ASM'
    list p=16f628a
    org 0
    movlw 0x5A
    movwf 0x20
    goto 0
    org 0x2100
    de 0x11, 0x22, 0x33
    end
ASM
gpasm -p16f628a -o in.hex in.asm >/dev/null || exit 1
# The same with one word changed: what the chip must be found to differ from.
sed 's/movlw 0x5A/movlw 0x5B/' in.asm >other.asm
gpasm -p16f628a -o other.hex other.asm >/dev/null || exit 1

# A simulated board in its own process; its port once it listens.
start_board() {
    local name="$1"
    shift
    mkfifo "$name.in"
    "$wine" "$bin/tessaro-boardsim.exe" --chip 16F628A --listen 127.0.0.1:0 "$@" \
        <"$name.in" >"$name.out" 2>&1 &
    pids+=($!)
    exec {fd}>"$name.in" # held open: the board reads its console until "quit"
    for _ in $(seq 100); do
        port="$(grep -o 'rfc2217://127.0.0.1:[0-9]*' "$name.out" | cut -d: -f3)"
        [ -n "$port" ] && return 0
        sleep 0.1
    done
    echo "the board did not start: $(cat "$name.out")"
    exit 1
}

cli() {
    "$wine" "$bin/tessaro-cli.exe" "$@" --chip 16F628A --quiet 2>>cli.err
}

# The image read back holds the program's words and EEPROM bytes (one -crop
# with both ranges: a second -crop would keep what the two have in common,
# nothing, and any two files would compare equal).
same_as_read() {
    srec_cmp "$1" -intel -crop 0 6 0x4200 0x4206 \
        "${2:-out.hex}" -intel -crop 0 6 0x4200 0x4206 >/dev/null 2>&1
}

check_board() {
    local port="$1" way="$2"
    cli program in.hex --port "$port" || fail "$way: program exits $?"
    cli verify in.hex --port "$port" || fail "$way: verify exits $?"
    cli read out.hex --port "$port" || fail "$way: read exits $?"
    same_as_read in.hex || fail "$way: what was read is not what was programmed"
    cli verify other.hex --port "$port"
    [ $? -eq 1 ] || fail "$way: a verify against another file does not exit 1"
}

# Over RFC 2217.
start_board net --model Elm
check_board "rfc2217://127.0.0.1:$port" "rfc2217"
echo "fault silent-at ProgramROM" >&"$fd" # the board falls silent as the words begin
sleep 0.5
cli program in.hex --yes --port "rfc2217://127.0.0.1:$port"
[ $? -eq 2 ] || fail "rfc2217: a board that falls silent does not exit 2"

# On COM12. A Birch_A board greets only after its reset pulse on DTR.
start_board com --model Birch_A
/usr/bin/python3 "$source/tests/scripts/pty_board_bridge.py" "$com_link" 127.0.0.1 "$port" \
    "$work/dtr.log" >bridge.out 2>&1 &
pids+=($!)
cc -shared -fPIC -O2 -o modem_lines.so "$source/tests/support/modem_lines_preload.c" -ldl ||
    exit 1
for _ in $(seq 100); do
    grep -q ready bridge.out && break
    sleep 0.1
done
export TESSARO_DTR_LOG="$work/dtr.log"
LD_PRELOAD="$work/modem_lines.so" check_board COM12 "COM12"
grep -q "DTR 0" dtr.log || fail "COM12: no reset pulse on DTR"
rm "$com_link"
cli info --port COM12 --style Birch_A
[ $? -eq 2 ] || fail "a COM port that is not there does not exit 2"

[ $failed -eq 0 ] || tail -n 20 cli.err
exit $failed
