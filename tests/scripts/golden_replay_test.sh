#!/usr/bin/env bash
# Replays one golden recording (tests/golden/CHIP-OPERATION.jsonl, or
# MODEL-upgrade.jsonl) against the program, as fast as it goes: any change in
# what crosses the wire fails here, naming the operation and the recording's
# line. The image is made again first, as scripts/record-golden made it. An
# upgrade's recording is held to the simulator's board of its model too.
#   golden_replay_test.sh SOURCE_DIR PROGRAM_DIR CHIP-OPERATION
set -euo pipefail
source_dir=$1
program_dir=$2
name=$3
chip=${name%-*}
operation=${name##*-}
golden="$source_dir/tests/golden"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LANG=C LC_ALL=C

if [ "$operation" = calibration ]; then
    : # reads the chip alone
elif [ "$operation" = upgrade ]; then
    gpasm -o "$work/upgrade.hex" "$golden/upgrade.asm" >/dev/null
elif [ -f "$golden/$chip.asm" ]; then
    gpasm -o "$work/$chip.hex" "$golden/$chip.asm" >/dev/null
else
    srec_cat -generate 0 0x20 -repeat-string "Tessaro golden recording " -unsplit 2 0 1 \
        -fill 0x00 0 0x40 -offset 0x4200 -o "$work/$chip.hex" -intel -output-block-size=16 \
        >/dev/null
fi
file=()
case $operation in
program | verify | auto) file=(--file "$work/$chip.hex") ;;
upgrade) file=(--file "$work/upgrade.hex") ;;
read) file=(--file "$work/read.hex") ;;
esac
status=0
result=$("$program_dir/tessaro-cli" replay --fast --quiet "${file[@]}" "$golden/$name.jsonl" \
    2>"$work/err") || status=$?
if [ "$status" -ne 0 ] || [ "$result" != same ]; then
    echo "$operation on the $chip: what crosses the wire has changed (exit $status)"
    echo "$result"
    cat "$work/err"
    echo "scripts/record-golden records the golden recordings again when the change is meant"
    exit 1
fi
echo "$operation on the $chip: $result"
if [ "$operation" = upgrade ]; then
    status=0
    checked=$("$program_dir/tessaro-boardsim" --model "$chip" --chip 16F628 \
        --cid "$program_dir/chipinfo.cid" --check "$golden/$name.jsonl" | head -n 5) || status=$?
    if [ "$status" -ne 0 ] || [ "$checked" != same ]; then
        echo "upgrade of the $chip board: the simulator answers otherwise (exit $status)"
        echo "$checked"
        exit 1
    fi
    echo "upgrade of the $chip board, held to the simulator: $checked"
fi

