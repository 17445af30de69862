# Sourced by scripts and tests that wait for an event of another process.
# Waits until the command succeeds, at most SECONDS (a machine under load is
# slow to start a program, never stuck): 0 when it did, 1 when time ran out.
#   wait_until SECONDS COMMAND [ARGS...]
wait_until() {
    local seconds="$1"
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
