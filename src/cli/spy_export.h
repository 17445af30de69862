#pragma once

#include "link/session_recording.h"

#include <ostream>

// A recording in pyserial's spy:// text format, for people who read those:
// one line per event, the seconds since the start, a label (TX, RX, DTR, RTS,
// BRK, Q-RX, Q-TX) and, for bytes, a hex dump of 16 a row with their ASCII:
//   000000.004 TX   0000  50 03                                              P.
//   000001.200 DTR  active
void ExportSpy(const Recording& recording, std::ostream& out);
