# Sourced by the scripts that run the Windows build under Wine
# (scripts/wine-tests, scripts/screenshots-windows, bench/wine_window_bench):
# a Wine prefix of their own, made for the run and removed after it, set up
# as a Windows machine with its fonts, without sound; and an X display of its
# own (Xvfb) for the windows.
#
#   source scripts/lib/wine-session.sh
#   wine_session_start [WIDTHxHEIGHT]   # exports WINEPREFIX, WINEDEBUG, DISPLAY, WINE
#   ... "$WINE" program.exe ...
# The session ends when the script exits (an EXIT trap; a script with a trap
# of its own calls wine_session_end from it).

WINE="$(command -v wine64 || echo /usr/lib/wine/wine64)"
WINESERVER="$(command -v wineserver || echo /usr/lib/wine/wineserver)"
wine_session_pids=()

# The Wine programs of this session's prefix still running (their /proc
# entries: Wine's own executables, WINEPREFIX in their environment).
wine_session_programs() {
    local proc exe
    for proc in /proc/[0-9]*; do
        exe="$(readlink "$proc/exe" 2>/dev/null)" || continue
        case "$exe" in */wine64 | */wine64-preloader | */wine | */wine-preloader | */wineserver) ;;
        *) continue ;;
        esac
        if tr '\0' '\n' <"$proc/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
            echo "${proc#/proc/}"
        fi
    done
}

wine_session_end() {
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        "$WINESERVER" -k 2>/dev/null || true
        # A Wine service that was starting as the server went can outlive it,
        # waiting on a pipe for ever (seen on a busy machine): it goes too.
        local pid
        for pid in $(wine_session_programs); do
            kill -9 "$pid" 2>/dev/null || true
        done
        rm -rf "$WINEPREFIX"
    fi
    for pid in "${wine_session_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wine_session_pids=()
}

# The registry of the prefix, as a Windows machine has it:
# - fonts: a fresh prefix has none of Windows's user-interface fonts (Tahoma,
#   Segoe UI, MS Shell Dlg), so Wine's text falls back to whatever font it
#   finds first, a serif one here; they are replaced by DejaVu (Debian's
#   fonts-dejavu-core), as Windows's own would be there;
# - sound: no audio driver, so that the click is not tried on the machine's
#   sound devices (which a CI machine lacks, and ALSA says so on every run);
# - windows Wine leaves to itself, not to a window manager: there is none,
#   and Wine would wait up to two seconds for one each time a window closes
#   (every dialog of the window's tests; the window's own close); Wine also
#   gives such a window the keyboard when it comes up.
wine_session_registry() {
    cat <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Audio"=""

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Tahoma"="DejaVu Sans"
"Segoe UI"="DejaVu Sans"
"MS Shell Dlg"="DejaVu Sans"
"MS Shell Dlg 2"="DejaVu Sans"
"Microsoft Sans Serif"="DejaVu Sans"
"Arial"="DejaVu Sans"
"Verdana"="DejaVu Sans"
"Times New Roman"="DejaVu Serif"
"Courier New"="DejaVu Sans Mono"
"Consolas"="DejaVu Sans Mono"
REG
}

# An X display of its own (Xvfb picks a free number): exports DISPLAY; the
# server's process id is in wine_display_pid.
wine_display_start() { # [WIDTHxHEIGHT]
    local number
    number="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 "${1:-1600x1200}x24" -nolisten tcp 3>"$number" >/dev/null 2>&1 &
    wine_display_pid=$!
    for _ in $(seq 100); do
        [ -s "$number" ] && break
        sleep 0.05
    done
    if [ ! -s "$number" ]; then
        rm -f "$number"
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$(head -n 1 "$number")"
    rm -f "$number"
}

wine_session_start() {
    export WINEPREFIX WINEDEBUG=-all
    # Nothing of the session leaves the prefix: no menu entries or file types
    # for this machine's desktop (winemenubuilder); no .NET or HTML engine to
    # offer installing on boot.
    export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
    WINEPREFIX="$(mktemp -d)"
    trap wine_session_end EXIT
    wine_display_start "${1:-1600x1200}" || return 1
    wine_session_pids+=("$wine_display_pid")
    # Booting the prefix takes some seconds, once. Wine's own services inherit
    # the output and would hold a pipe open: it goes to /dev/null.
    "$WINE" wineboot --init >/dev/null 2>&1 </dev/null
    wine_session_registry >"$WINEPREFIX/session.reg"
    "$WINE" reg import "$(winepath_of "$WINEPREFIX/session.reg")" >/dev/null 2>&1 </dev/null
}

# The Windows name of a file of this machine (Wine's Z: drive).
winepath_of() {
    local path
    path="$(realpath -m "$1")"
    echo "Z:${path//\//\\}"
}
