#!/usr/bin/env bash
# scripts/demo as a user runs it: the window opens with the simulated board
# connected and no message box; when the program closes, the simulator and the
# temporary program folder are gone.
#   demo_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
root="$1"
out="$(mktemp)"
trap 'rm -f "$out"' EXIT
fail() {
    cat "$out" >&2
    echo "demo_test: $*" >&2
    exit 1
}

TESSARO_BUILD_DIR="$2" TESSARO_DEBUG=ui QT_QPA_PLATFORM=offscreen \
    "$root/scripts/demo" --no-build >"$out" 2>&1 &
demo=$!
# A deadline, not a count of polls: on a loaded machine the build's programs
# start slowly, and the board's greeting is the event waited for.
deadline=$((SECONDS + 120))
while [ "$SECONDS" -lt "$deadline" ]; do
    if grep -qx "ui: status: Birch_A board connected" "$out" || ! kill -0 "$demo" 2>/dev/null; then
        break
    fi
    sleep 0.1
done
grep -qx "ui: status: Birch_A board connected" "$out" || fail "the board was not reported connected"
program="$(pgrep -P "$demo" -x tessaro)" || fail "no program running"
simulator="$(pgrep -P "$demo" -f tessaro-boardsim)" || fail "no simulator running"
folder="$(sed -n 's/.*program folder \(.*\)$/\1/p' "$out")"

kill -TERM "$program"
status=0
wait "$demo" || status=$?
[ "$status" = 0 ] || fail "scripts/demo ended with $status"
if grep -E "^ui: (error|information|question):" "$out" >&2; then
    fail "a message box was shown"
fi
! kill -0 "$simulator" 2>/dev/null || fail "the simulator is still running"
[ -n "$folder" ] && [ ! -e "$folder" ] || fail "the program folder '$folder' is left behind"
echo "demo_test: board connected, no message box, simulator stopped"
