#pragma once

#include "chipdb/chip_record.h"
#include "image/image_patch.h"
#include "image/sqtp_file.h"

#include <cstdint>
#include <string>
#include <vector>

// Serial numbers for a production run: where they come from (a counter or a
// list file), where they go in the image, and the state file that hands each
// number out once, across processes, crashes and power cuts.
struct SerialOptions {
    bool counter = false;    // --serial START[:STEP]
    std::uint64_t start = 0; // where a new state file begins
    std::uint64_t step = 1;
    std::string list;        // --serial-list FILE: one value a line
    bool sqtp = false;       // the list is an SQTP file (.num): its records say where they go
    bool placeGiven = false; // --serial-at
    bool inRom = false;      // rom:ADDR (a program word address), else eeprom:ADDR
    long address = 0;
    int bytes = 4;         // --serial-bytes N
    bool bigEndian = true; // --serial-order big|little
    std::string state;     // --serial-state FILE; empty: beside the log
    std::string store;     // --serial-store URI (or TESSARO_SERIAL_STORE): the line's database
    std::string series;    // --serial-series NAME; empty: default
    std::string station;   // --station NAME; empty: the host name
    bool reuseFailed = false; // --serial-reuse-failed
    bool On() const { return counter || !list.empty() || !store.empty(); }
};

// Takes one of the --serial options. False when `name` is none of them;
// true with `error` set when the value is wrong.
bool TakeSerialOption(SerialOptions& o, const std::string& name, const std::string& value,
                      std::string& error);
// The options together: empty when they make sense as a whole.
std::string CheckSerialOptions(const SerialOptions& o);

// A value as typed: decimal, or hex after "0x". False for anything else.
bool ParseSerialValue(const std::string& text, std::uint64_t& value);

// The value's N bytes in the order asked; false when it does not fit in them.
bool SerialBytes(std::uint64_t value, int count, bool bigEndian, std::vector<int>& bytes);

// Whether the serial's place lies inside the chip and only over words the
// image leaves blank (the program's own words and a calibration word are
// never written over). Empty when it does; otherwise why not.
std::string CheckSerialPlace(const SerialOptions& o, const ChipRecord& chip,
                             const std::vector<int>& rom, const std::vector<int>& eeprom);

// The writes that put the value into an image: in EEPROM the bytes as they
// are; in the program memory of 12- and 14-bit cores one RETLW per byte (the
// table a program reads with a computed jump), of 16-bit cores the bytes as
// they are, low byte of a word first. Empty on success; otherwise why not.
std::string SerialPatch(const ChipRecord& chip, const SerialOptions& o, std::uint64_t value,
                        ImagePatch& patch);

// Why a serial does not fit in `bytes` bytes.
std::string SerialTooBig(std::uint64_t value, int bytes);

// The numbers of a list file, one a line (blank lines left out). An SQTP file's
// numbers are its parts' places in it, from 1 (`sqtp`, when given, gets its records).
bool ReadSerialList(const std::string& path, bool isSqtp, std::vector<std::uint64_t>& values,
                    std::string& error, SqtpFile* sqtp = nullptr);

// The state file: for a counter "next VALUE", for a list "taken COUNT". It is
// rewritten through a temporary file, fsync and rename, under an exclusive
// lock on FILE.lock, before the number is given out; a number once given is
// never given again, whatever becomes of its chip.
class SerialSource {
public:
    explicit SerialSource(SerialOptions options) : o_(std::move(options)) {}
    // The number the next Take would give, without giving it: the run's
    // input is checked with it before any chip is touched.
    bool Peek(std::uint64_t& value, std::string& error);
    // Gives out the next number: the state on disk has moved past it first.
    bool Take(std::uint64_t& value, std::string& error);
    // Values of the list not given out yet (a counter: as many as wanted).
    bool Left(std::size_t& count, std::string& error);

private:
    bool LoadList(std::string& error);
    bool ReadState(std::uint64_t& position, std::string& error);
    bool NextAt(std::uint64_t position, std::uint64_t& value, std::string& error) const;

    SerialOptions o_;
    bool listLoaded_ = false;
    std::vector<std::uint64_t> values_;
};
