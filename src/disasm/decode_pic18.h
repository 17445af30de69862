#pragma once

#include "disasm/instruction_set.h"

// The PIC18 instruction at `address` (a byte address) whose first word is
// `first` and whose next word is `second` (-1 when there is none).
Instruction DecodePic18(int first, int second, long address);
