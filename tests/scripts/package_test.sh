#!/usr/bin/env bash
# The Debian package as a user gets it: its file list, its desktop entry and
# metainfo, and the installed program run from a read-only program folder with
# a home of its own. It starts against the installed simulator, closes without
# a settings error, restores the chip of the last session, prefers an edited
# chip list in the configuration folder, and writes nothing beside itself.
#   package_test.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d)"
sim=""
# Only the test's own shell cleans up: a subshell that ends by a signal before
# its exec (a session stopped under load) runs the EXIT trap too, and would
# stop the simulator and remove the work folder under the running test.
cleanup() {
    [ "$BASHPID" = "$$" ] || return 0
    if [ -n "$sim" ]; then
        kill "$sim" 2>/dev/null || true
        wait "$sim" 2>/dev/null || true
    fi
    chmod -R u+w "$work"
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "package_test: $*" >&2
    exit 1
}
source "$(dirname "$0")/../../scripts/lib/wait-until.sh"

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb="$(ls "$work"/out/tessaro_*.deb)"
files="$(dpkg-deb -c "$deb")"
for f in usr/bin/tessaro usr/bin/tessaro-cli usr/bin/tessaro-boardsim usr/lib/tessaro/chipinfo.cid \
    usr/lib/tessaro/tessaro.html \
    usr/share/applications/org.tessaro.Tessaro.desktop \
    usr/share/metainfo/org.tessaro.Tessaro.metainfo.xml \
    usr/share/icons/hicolor/64x64/apps/tessaro.png usr/share/doc/tessaro/copyright; do
    grep -q " ./$f" <<<"$files" || fail "$f is not in the package"
done
root="$work/root"
dpkg-deb -x "$deb" "$root"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root"/usr/share/applications/*.desktop
fi
zcat "$root/usr/share/doc/tessaro/changelog.gz" | dpkg-parsechangelog -l- >/dev/null ||
    fail "the changelog does not parse"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml >/dev/null ||
        fail "the metainfo does not validate"
fi

programdir="$root/usr/lib/tessaro"
chmod -R a-w "$programdir"
before="$(ls -lR "$programdir")"
export HOME="$work/home"
unset XDG_CONFIG_HOME
config="$HOME/.config/tessaro"
mkdir -p "$config/ports"

# A Cedar board rests with DTR low, so the port closed between two sessions
# leaves it running, and each start's reset gives one greeting.
"$root/usr/bin/tessaro-boardsim" --model Cedar --chip 16F628A </dev/null >"$work/sim.log" 2>&1 &
sim=$!
wait_until 60 grep -q "listening on" "$work/sim.log" || true
sed -n 's/.*listening on \(rfc2217:[^ ]*\).*/\1/p' "$work/sim.log" >"$config/ports/com1"
[ -s "$config/ports/com1" ] || fail "the installed simulator did not start"
printf '1\r\n\r\n-1\r\n-1\r\n\r\nT\r\nF\r\n3\r\n' >"$config/pro.dat"

# One session: started from another folder, closed once the board is connected.
session() {
    local log="$work/session.log"
    # Emptied here, before the program starts: the shell that starts it opens
    # the log only once it runs, and until then the last session's "connected"
    # would be read as this one's (and the program stopped before it started).
    : >"$log"
    (
        trap - EXIT
        cd / && TESSARO_DEBUG=ui QT_QPA_PLATFORM=offscreen exec "$root/usr/bin/tessaro" "$@"
    ) >"$log" 2>&1 &
    local program=$!
    connected_or_gone() {
        grep -qx "ui: status: Cedar board connected" "$log" || ! kill -0 "$program" 2>/dev/null
    }
    wait_until 120 connected_or_gone || true
    kill -TERM "$program" 2>/dev/null || true
    local status=0
    wait "$program" || status=$?
    grep -qx "ui: status: Cedar board connected" "$log" || fail "no board: $(cat "$log")"
    ! grep -E "^ui: (error|information|question):" "$log" || fail "a message box was shown"
    [ "$status" = 0 ] || fail "the program ended with $status"
}
line() { sed -n "$1p" "$config/pro.dat" | tr -d '\r'; }

session
count="$(line 3)"
# The command line from anywhere: COM1 from the configuration folder, the chip
# file from the read-only program folder.
(cd / && "$root/usr/bin/tessaro-cli" --style Cedar --chip 16F628A info) >"$work/cli.log" 2>&1 ||
    fail "tessaro-cli: $(cat "$work/cli.log")"
grep -qx "chip: 16F628A matches" "$work/cli.log" || fail "tessaro-cli: $(cat "$work/cli.log")"
session x.hex 16f628a
[ "$(line 5)" = 16F628A ] || fail "the chip named on the command line was not selected"
session
[ "$(line 5)" = 16F628A ] || fail "the chip of the last session was not restored"

sed '0,/INCLUDE=Y/s//INCLUDE=N/' "$programdir/chipinfo.cid" >"$config/chipinfo.cid"
session
[ "$(line 3)" = "$((count - 1))" ] || fail "the edited chip list was not used"
[ "$(ls -lR "$programdir")" = "$before" ] || fail "the program folder was written"
echo "package_test: package checked, installed program keeps its settings in $config"
