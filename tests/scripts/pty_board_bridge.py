#!/usr/bin/python3
"""A board on a serial port for Windows programs run by Wine: a pseudo-terminal
whose slave Wine takes as a COM port, and whose master is bridged to a board
simulator's network serial port. What the program writes to the port goes to
the board, the board's bytes come back, and each DTR change the modem-line
helper (tests/support/modem_lines_preload.c) logs goes to the board as a
line change, so that its reset pulse reaches the board.

    pty_board_bridge.py LINK HOST PORT DTRLOG

Links LINK (Wine's dosdevices/comN) to the slave, prints "ready" and runs
until it is killed or the board's connection ends."""

import os
import select
import socket
import sys
import time
import tty

IAC, SB, SE, WILL, COM_PORT = 255, 250, 240, 251, 44
SET_CONTROL, DTR_ON, DTR_OFF = 5, 8, 9


def board_data(state, chunk):
    """The data bytes of what the board's server sent, Telnet commands left out."""
    out = bytearray()
    for byte in chunk:
        if state["mode"] == "data":
            if byte == IAC:
                state["mode"] = "iac"
            else:
                out.append(byte)
        elif state["mode"] == "iac":
            if byte == IAC:
                out.append(byte)
                state["mode"] = "data"
            elif byte == SB:
                state["mode"] = "sub"
            else:
                state["mode"] = "option" if byte >= WILL else "data"
        elif state["mode"] == "option":
            state["mode"] = "data"
        elif state["mode"] == "sub":
            state["mode"] = "sub-iac" if byte == IAC else "sub"
        else:
            state["mode"] = "data" if byte == SE else "sub"
    return bytes(out)


def main():
    link, host, port, dtr_log = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
    master, slave = os.openpty()
    tty.setraw(slave)
    if os.path.lexists(link):
        os.remove(link)
    os.symlink(os.ttyname(slave), link)
    board = socket.create_connection((host, port))
    board.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
    board.sendall(bytes([IAC, WILL, COM_PORT]))
    open(dtr_log, "a").close()
    log = open(dtr_log, "r")
    state = {"mode": "data"}
    print("ready", flush=True)
    while True:
        for line in log.readlines():
            level = DTR_ON if line.strip() == "DTR 1" else DTR_OFF
            board.sendall(bytes([IAC, SB, COM_PORT, SET_CONTROL, level, IAC, SE]))
        ready, _, _ = select.select([master, board], [], [], 0.002)
        if master in ready:
            data = os.read(master, 4096)
            board.sendall(data.replace(b"\xff", b"\xff\xff"))
        if board in ready:
            chunk = board.recv(4096)
            if not chunk:
                return
            os.write(master, board_data(state, chunk))


if __name__ == "__main__":
    main()
