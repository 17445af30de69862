#pragma once

#include "disasm/instruction_set.h"

// One word of the baseline (12-bit) or mid-range (14-bit) set. Bits above the
// core's width are ignored.
Instruction DecodeBaseline(int word);
Instruction DecodeMidrange(int word);
