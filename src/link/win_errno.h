#pragma once

// Windows's error codes as the errno-style codes of the port boundary
// (serial_port.h); for the Windows files of this folder alone.

// A code of GetLastError.
int ErrnoOfSystem(unsigned long error);
// A code of WSAGetLastError.
int ErrnoOfSocket(int error);
