#!/usr/bin/python3
"""tessaro-cli replay --export spy against pyserial's own spy:// output.

The same session is played through pyserial's spy://loop:// (what its
formatter writes is the oracle) and written as a session recording; the
export must give the same lines, the times apart.
    spy_export_test.py TESSARO_CLI
"""
import json
import os
import re
import subprocess
import sys
import tempfile
import tty

import serial


def main():
    with tempfile.TemporaryDirectory() as work:
        return compare(sys.argv[1], work)


def compare(cli, work):
    spy_path = os.path.join(work, "spy.txt")
    events = []  # what the recording holds, in order
    # A pseudo-terminal is the port: what the board says is written to its
    # other end. It has no modem lines: the spy logs a change before it fails.
    board, device = os.openpty()
    tty.setraw(board)
    port = serial.serial_for_url("spy://" + os.ttyname(device) + "?file=" + spy_path, timeout=1)

    def line(name, attribute, level):
        try:
            setattr(port, attribute, level)
        except (OSError, serial.SerialException):
            pass
        events.append({"line": name, "level": int(level)})

    line("DTR", "dtr", True)
    line("RTS", "rts", False)
    for data in (b"P\x03", bytes(range(0x1E, 0x46)), b"Y", bytes(range(0x70, 0x80))):
        port.write(data)
        events.append({"dir": "host", "hex": data.hex()})
        os.read(board, 4096)
        answer = bytes(reversed(data))
        os.write(board, answer)
        got = port.read(len(answer))
        events.append({"dir": "board", "hex": got.hex()})
    line("BREAK", "break_condition", True)
    line("BREAK", "break_condition", False)
    port.reset_input_buffer()
    port.reset_output_buffer()
    events.append({"port": "purge"})
    port.close()

    recording = os.path.join(work, "session.jsonl")
    with open(recording, "w") as out:
        out.write(json.dumps({"format": "tessaro-session", "version": 1}) + "\n")
        out.write('{"t":0,"port":"open"}\n')
        for n, event in enumerate(events, start=1):
            out.write(json.dumps(dict({"t": n * 1000}, **event), separators=(",", ":")) + "\n")
        out.write('{"t":99000,"port":"close"}\n')
    exported = subprocess.run([cli, "replay", "--export", "spy", recording], check=True,
                              capture_output=True, text=True).stdout.splitlines()
    with open(spy_path) as spy:
        expected = spy.read().splitlines()

    stamp = re.compile(r"^\d{6}\.\d{3} ")
    for line in exported:
        assert stamp.match(line), "no spy time stamp: %r" % line
    assert exported[0].startswith("000000.001 DTR "), exported[0]
    strip = [line[11:] for line in exported]
    oracle = [line[11:] for line in expected]
    if strip != oracle:
        for ours, theirs in zip(strip, oracle):
            if ours != theirs:
                print("ours:    %r\npyserial: %r" % (ours, theirs))
        print("ours %d lines, pyserial %d" % (len(strip), len(oracle)))
        return 1
    print("spy export: %d lines as pyserial writes them" % len(strip))
    return 0


if __name__ == "__main__":
    sys.exit(main())
