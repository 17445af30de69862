#!/usr/bin/env bash
# tessaro-cli.exe against tessaro-boardsim.exe as a Windows user runs them, two
# processes (under Wine here): over RFC 2217 on loopback, and on COM12, a
# pseudo-terminal bridged to the board with its DTR line (Wine alone gives a
# pseudo-terminal no modem lines: tests/support/modem_lines_preload.c answers
# them and logs DTR for the bridge, tests/scripts/pty_board_bridge.py). Each
# way: program, verify, read back, and a failure. With WINDOW "window" the
# window, tessaro.exe, programs the chip each way too, driven from the
# keyboard on an X display of its own (Xvfb: the keys go to the one window
# there, whatever other tests show at the same time).
#   wine_e2e_test.sh SOURCE_DIR BIN_DIR EMULATOR [WINDOW]
set -uo pipefail
source="$1"
bin="$2"
wine="$3"
window="${4:-}"
work="$(mktemp -d)"
prefix="${WINEPREFIX:-$HOME/.wine}"
com_link="$prefix/dosdevices/com12"
pids=()
# Only the test's own shell cleans up: a subshell stopped by a signal before
# its exec would run the EXIT trap too, under the running test.
cleanup() {
    [ "$BASHPID" = "$$" ] || return 0
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -f "$com_link"
    rm -rf "$work"
}
trap cleanup EXIT
if [ "$window" = window ]; then
    source "$source/scripts/lib/wine-session.sh"
    wine_display_start 1280x1024 || exit 1
    pids+=("$wine_display_pid")
fi
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
    board_out="$name.out"
    for _ in $(seq 100); do
        port="$(grep -o 'rfc2217://127.0.0.1:[0-9]*' "$name.out" | cut -d: -f3)"
        [ -n "$port" ] && return 0
        sleep 0.1
    done
    echo "the board did not start: $(cat "$name.out")"
    exit 1
}

source "$source/scripts/lib/wait-until.sh"

# A console command to the board $fd feeds, done once the board has answered
# the "status" sent after it (the console takes its lines in order).
statuses() { grep -c '^board ' "$board_out" || true; }
board_do() {
    local before
    before="$(statuses)"
    printf '%s\nstatus\n' "$1" >&"$fd"
    wait_until 60 eval '[ "$(statuses)" -gt "$before" ]' || fail "the board did not answer \"$1\""
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

# tessaro.exe as a user drives it: started with the file and the chip on its
# command line, in a program folder of its own whose ports\port1.txt names
# the board's port (COM1 in its settings, with the board's style), then
# Programmer > Program from the keyboard. The board, erased first, then holds
# the file.
check_window() {
    local entry="$1" style="$2" way="$3"
    [ "$window" = window ] || return 0
    local folder="$work/window-$way"
    mkdir -p "$folder/ports"
    cp "$bin/tessaro.exe" "$bin/chipinfo.cid" "$folder/"
    printf '%s\r\n' "$entry" >"$folder/ports/port1.txt"
    # The chip list's length as the last session left it: the chip named on
    # the command line is then chosen.
    printf '1\r\n\r\n%s\r\n-1\r\n\r\nT\r\nF\r\n%s\r\n' \
        "$(grep -c '^CHIPNAME=' "$folder/chipinfo.cid")" "$style" >"$folder/pro.dat"
    # The file in a folder whose name Windows's ANSI code page cannot spell:
    # the window reads its command line as Unicode.
    mkdir -p "$work/Ωmega"
    cp in.hex "$work/Ωmega/in.hex"
    board_do erase
    local out="$work/window-$way.out"
    # Started in its folder, where it reads its settings and chip list; it logs
    # its status lines, and the board's greeting is the one to wait for.
    (trap - EXIT; cd "$folder" && TESSARO_DEBUG=ui exec "$wine" tessaro.exe \
        "$("$wine" winepath -w "$work/Ωmega/in.hex" 2>/dev/null | tr -d '\r')" 16F628A \
        >"$out" 2>&1) &
    local pid=$!
    local shown=""
    find_window() {
        shown="$(xdotool search --onlyvisible --name 'in\.hex' 2>/dev/null | head -n 1)"
        [ -n "$shown" ]
    }
    if ! wait_until 60 find_window; then
        fail "$way: tessaro.exe shows no window"
        kill "$pid"
        return
    fi
    # Its start-up: the board's reset and greeting (the reset pulse on a COM
    # port's DTR comes late when the machine is busy).
    if ! wait_until 60 grep -q '^ui: status: .* board connected' "$out"; then
        fail "$way: the window did not connect: $(tail -n 5 "$out")"
        kill "$pid"
        return
    fi
    # Keys go to the window under the pointer (there is no window manager).
    # Alt alone selects the menu bar's first menu, File; Programmer is next,
    # Program its first command.
    xdotool mousemove --window "$shown" 200 200 key --delay 300 alt Right Return Return
    local programmed=0
    for _ in $(seq 60); do
        board_do "dump $work/window-$way.hex"
        if same_as_read in.hex "window-$way.hex"; then
            programmed=1
            break
        fi
        sleep 0.5
    done
    [ $programmed = 1 ] || fail "$way: the window did not program the chip"
    kill "$pid"
    wait "$pid" 2>/dev/null
}

# Over RFC 2217.
start_board net --model Elm
check_board "rfc2217://127.0.0.1:$port" "rfc2217"
check_window "rfc2217://127.0.0.1:$port" 4 "rfc2217"
board_do "fault silent-at ProgramROM" # the board falls silent as the words begin
cli program in.hex --yes --port "rfc2217://127.0.0.1:$port"
[ $? -eq 2 ] || fail "rfc2217: a board that falls silent does not exit 2"

# On COM12. A Birch_A board greets only after its reset pulse on DTR.
start_board com --model Birch_A
/usr/bin/python3 "$source/tests/scripts/pty_board_bridge.py" "$com_link" 127.0.0.1 "$port" \
    "$work/dtr.log" >bridge.out 2>&1 &
pids+=($!)
cc -shared -fPIC -O2 -o modem_lines.so "$source/tests/support/modem_lines_preload.c" -ldl ||
    exit 1
wait_until 60 grep -q ready bridge.out || fail "the COM12 bridge did not start"
export TESSARO_DTR_LOG="$work/dtr.log"
LD_PRELOAD="$work/modem_lines.so" check_board COM12 "COM12"
LD_PRELOAD="$work/modem_lines.so" check_window COM12 1 "COM12"
grep -q "DTR 0" dtr.log || fail "COM12: no reset pulse on DTR"
rm "$com_link"
cli info --port COM12 --style Birch_A
[ $? -eq 2 ] || fail "a COM port that is not there does not exit 2"

[ $failed -eq 0 ] || tail -n 20 cli.err
exit $failed
