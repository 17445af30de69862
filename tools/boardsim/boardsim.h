#pragma once

// Everything a test or tool needs to put a simulated programmer board on the
// other end of a serial link: the board and its chip, the in-process attachment,
// the RFC 2217 server, HEX files and chip descriptions.
#include "board.h"
#include "chip.h"
#include "chip_hex.h"
#include "chip_info.h"
#include "fault_commands.h"
#include "faults.h"
#include "in_process_link.h"
#include "rfc2217_server.h"
#include "wire_codes.h"
