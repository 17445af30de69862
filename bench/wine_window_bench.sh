#!/usr/bin/env bash
# The window on Windows (tessaro.exe under Wine) against the window on Linux,
# in one run, on the same X display (Xvfb) and against the same simulated
# board (tessaro-boardsim of the Linux build, a process of its own paced at
# 19200 baud, reached over RFC 2217 on loopback):
# - start-up: from starting the program to the end of its start-up sequence
#   (TESSARO_STARTUP_REPORT), the best of RUNS, as the program measures it
#   from main() and as seen from outside (with Wine's own start);
# - a whole 16F877A program (8K words) from the window's Programmer > Program,
#   keys sent to it as a user types them: its time, and the board's measure
#   of the word exchanges, (wire time + the host's turnarounds) / wire time;
#   ROUNDS times, Linux then Windows, each round's Windows ratio against the
#   Linux one of the same round, and the median of those;
# - the same program from tessaro-cli in each round, Linux then Windows: what
#   Wine costs a host with the fewest calls per word (the Windows tessaro-cli
#   against the Linux one), and the Windows window against the Windows
#   tessaro-cli (what the window itself adds on Windows).
# Needs build/ (scripts/build default) and build-windows/ (scripts/build
# windows), or the folders of other builds' programs in WINE_BENCH_LINUX and
# WINE_BENCH_WINDOWS. A measurement, never a test.
#   bench/wine_window_bench.sh [RUNS [ROUNDS]]
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
runs="${1:-3}"
rounds="${2:-1}"
linux="${WINE_BENCH_LINUX:-$root/build/bin}"
windows="${WINE_BENCH_WINDOWS:-$root/build-windows/bin}"
for program in "$linux/tessaro" "$linux/tessaro-boardsim" "$windows/tessaro.exe"; do
    [ -x "$program" ] || {
        echo "missing $program: scripts/build default; scripts/build windows" >&2
        exit 1
    }
done
source scripts/lib/wine-session.sh
wine_session_start
work="$(mktemp -d)"
board_pid=""
finish() {
    [ -n "$board_pid" ] && kill "$board_pid" 2>/dev/null
    rm -rf "$work"
    wine_session_end
}
trap finish EXIT
chip=16F877A
now_ms() { echo $(($(date +%s%N) / 1000000)); }
# The first window of process PID shown with a title matching NAME: the
# window's own windows only, never another program's of the same title.
window_of() { # PID NAME
    xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -n 1
}

# Every program word in use (as build/bench/wire_bench fills it), EEPROM blank.
/usr/bin/python3 - "$work/image.hex" <<'PY'
import sys
lines = [":020000040000FA"]
for w in range(0, 8192, 8):
    data = b"".join(((i * 7 + 1) & 0x3FFE).to_bytes(2, "little") for i in range(w, w + 8))
    record = bytes([16, (w * 2) >> 8 & 0xFF, (w * 2) & 0xFF, 0]) + data
    lines.append(":" + record.hex().upper() + "%02X" % (-sum(record) & 0xFF))
lines.append(":00000001FF")
open(sys.argv[1], "w").write("\n".join(lines) + "\n")
PY

mkfifo "$work/board.in"
"$linux/tessaro-boardsim" --model Birch_A --chip "$chip" --cid data/chipinfo.cid --pace \
    --baud 19200 --listen 127.0.0.1:0 <"$work/board.in" >"$work/board.out" 2>&1 &
board_pid=$!
exec 7>"$work/board.in"
port=""
for _ in $(seq 100); do
    port="$(grep -o 'rfc2217://127.0.0.1:[0-9]*' "$work/board.out" | cut -d: -f3)"
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || {
    echo "the board did not start" >&2
    exit 1
}
board_line() { # a console command whose answer is one line starting with WORD
    local before
    before="$(wc -l <"$work/board.out")"
    echo "$1" >&7
    for _ in $(seq 100); do
        tail -n +"$((before + 1))" "$work/board.out" | grep -m 1 "^$2" && return 0
        sleep 0.05
    done
}

# A program folder of the window's own: COM1 the board, Birch_A, the chip
# list as it is (so the chip named on the command line is chosen).
folder_for() { # HOST: linux or wine
    local folder="$work/$1"
    mkdir -p "$folder/ports"
    cp data/chipinfo.cid "$folder/"
    if [ "$1" = wine ]; then
        cp "$windows/tessaro.exe" "$folder/"
        printf 'rfc2217://127.0.0.1:%s\r\n' "$port" >"$folder/ports/port1.txt"
    else
        cp "$linux/tessaro" "$folder/"
        printf 'rfc2217://127.0.0.1:%s\n' "$port" >"$folder/ports/com1"
    fi
    printf '1\r\n\r\n%s\r\n-1\r\n\r\nT\r\nF\r\n1\r\n' "$(grep -c '^CHIPNAME=' data/chipinfo.cid)" \
        >"$folder/pro.dat"
    echo "$folder"
}
start_window() { # HOST FOLDER [ENVIRONMENT...]: the window, in the background
    local host="$1" folder="$2"
    shift 2
    # Started in its folder, where it reads its settings and chip list.
    if [ "$host" = wine ]; then
        (cd "$folder" && exec env "$@" "$WINE" tessaro.exe "$(winepath_of "$work/image.hex")" \
            "$chip" 2>"$folder/err") &
    else
        (cd "$folder" && exec env "$@" QT_QPA_PLATFORM=xcb ./tessaro "$work/image.hex" "$chip" \
            2>"$folder/err") &
    fi
}

startup() { # HOST: the best of the runs, "inside_ms outside_ms"
    local host="$1" folder best_in=999999 best_out=999999
    folder="$(folder_for "$host")"
    for _ in $(seq "$runs"); do
        : >"$folder/err"
        local started
        started="$(now_ms)"
        start_window "$host" "$folder" TESSARO_STARTUP_REPORT=1
        local pid=$! inside=""
        for _ in $(seq 3000); do # under Wine on a busy machine, well over 6 s
            inside="$(grep -o 'start-up done after [0-9.]*' "$folder/err" | grep -o '[0-9.]*$')"
            [ -n "$inside" ] && break
            sleep 0.01
        done
        local outside=$(($(now_ms) - started))
        wait "$pid" 2>/dev/null
        inside="${inside%.*}"
        [ -n "$inside" ] && [ "$inside" -lt "$best_in" ] && best_in="$inside"
        [ "$outside" -lt "$best_out" ] && best_out="$outside"
    done
    echo "$best_in $best_out"
}

program() { # HOST: "seconds turnaround-line"
    local host="$1" folder
    folder="$(folder_for "$host")"
    echo erase >&7
    board_line turnaround turnaround >/dev/null # what came before
    : >"$folder/err"
    start_window "$host" "$folder" TESSARO_DEBUG=ui
    local pid=$! shown=""
    for _ in $(seq 300); do
        shown="$(window_of "$pid" 'image\.hex')"
        [ -n "$shown" ] && break
        sleep 0.1
    done
    # The start-up's reset and greeting: the window says so on its status line,
    # which it logs.
    for _ in $(seq 600); do
        grep -q '^ui: status: .* board connected' "$folder/err" && break
        sleep 0.1
    done
    local started
    started="$(now_ms)"
    xdotool mousemove --window "$shown" 200 200 key --delay 300 alt Right Return Return
    # The operation ends with its box, a window of the program's own called
    # Tessaro; the board then holds the image.
    for _ in $(seq 3000); do
        [ -n "$(window_of "$pid" '^Tessaro$')" ] && break
        sleep 0.05
    done
    local seconds
    seconds="$(awk -v ms=$(($(now_ms) - started)) 'BEGIN { printf "%.1f", ms / 1000 }')"
    local line done=0
    line="$(board_line turnaround turnaround)"
    board_line "dump $folder/chip.hex" written >/dev/null
    srec_cmp "$work/image.hex" -intel -crop 0 0x4000 "$folder/chip.hex" -intel -crop 0 0x4000 \
        >/dev/null 2>&1 && done=1
    kill -KILL "$pid" 2>/dev/null # its box still open: a close would wait for it
    wait "$pid" 2>/dev/null
    [ $done = 1 ] || line="did not program the chip"
    echo "$seconds $line"
}

echo "start-up to the end of the start-up sequence, best of $runs (ms; in main / from outside)"
for host in linux wine; do
    echo "  $host: $(startup "$host")"
done
cli_program() { # HOST: the board's turnaround line
    local host="$1" folder ok=0
    folder="$(folder_for "$host")"
    echo erase >&7
    board_line turnaround turnaround >/dev/null # what came before
    local options=(--port "rfc2217://127.0.0.1:$port" --style Birch_A --chip "$chip" --yes program)
    if [ "$host" = wine ]; then
        cp "$windows/tessaro-cli.exe" "$folder/"
        (cd "$folder" && "$WINE" tessaro-cli.exe "${options[@]}" "$(winepath_of "$work/image.hex")" \
            >"$folder/cli.out" 2>&1) && ok=1
    else
        cp "$linux/tessaro-cli" "$folder/"
        (cd "$folder" && ./tessaro-cli "${options[@]}" "$work/image.hex" >"$folder/cli.out" 2>&1) &&
            ok=1
    fi
    local line
    line="$(board_line turnaround turnaround)"
    [ $ok = 1 ] || line="did not program the chip: $(tail -n 4 "$folder/cli.out" | tr "\n\r" "  ")"
    echo "$line"
}

echo "a whole $chip program at 19200 baud (the window: seconds from the keys; the board's turnarounds)"
ratio_of() { grep -o 'ratio=[0-9.]*' <<<"$1" | cut -d= -f2; }
quotient() { # A B: A / B, or nothing when either is missing
    [ -n "$1" ] && [ -n "$2" ] && awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'
}
windows_against=()
clis_against=()
window_against_cli=()
for round in $(seq "$rounds"); do
    linux_line="$(program linux)"
    wine_line="$(program wine)"
    linux_cli_line="$(cli_program linux)"
    wine_cli_line="$(cli_program wine)"
    echo "  round $round linux window: $linux_line"
    echo "  round $round wine window:  $wine_line"
    echo "  round $round linux cli:    $linux_cli_line"
    echo "  round $round wine cli:     $wine_cli_line"
    wine_ratio="$(ratio_of "$wine_line")"
    wine_cli_ratio="$(ratio_of "$wine_cli_line")"
    q="$(quotient "$wine_ratio" "$(ratio_of "$linux_line")")" && windows_against+=("$q")
    q="$(quotient "$wine_cli_ratio" "$(ratio_of "$linux_cli_line")")" && clis_against+=("$q")
    q="$(quotient "$wine_ratio" "$wine_cli_ratio")" && window_against_cli+=("$q")
done
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
report() { # WHAT VALUES...
    local what="$1"
    shift
    [ $# -gt 0 ] && echo "$what, each round: $*; median $(median "$@")"
}
report "wine window ratio / linux window ratio" "${windows_against[@]}"
report "wine cli ratio / linux cli ratio" "${clis_against[@]}"
report "wine window ratio / wine cli ratio" "${window_against_cli[@]}"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
