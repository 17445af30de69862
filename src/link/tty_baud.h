#pragma once

struct termios;

// Puts a rate that termios names (B9600, ...) into t; false when it has no name.
bool SetStandardBaud(termios& t, int baudrate);
// Sets any other rate on an open tty through the kernel's free-rate call.
int SetCustomBaud(int fd, int baudrate);
