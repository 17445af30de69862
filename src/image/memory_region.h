#pragma once

// The parts of a chip's memory: where a verify or a read-back found a
// difference, or whose records in a HEX file did not load.
enum class MemoryRegion { Rom, Eeprom, Id, Fuse };
