#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Where a production line's serial numbers come from and where each chip's
// result goes: the state file of one station, or a database every station of
// a line shares. Nothing above this interface knows which one it has.
//
// A number is reserved for a chip before the chip is touched and the result
// closes that reservation; a number once reserved is never reserved again,
// except the number of a failed chip when the run asks to reuse it.

// How a series starts when it is used for the first time: a counter
// (--serial START[:STEP]) or a list of numbers (--serial-list FILE).
struct SeriesPlan {
    bool counter = false;
    std::uint64_t start = 0;
    std::uint64_t step = 1;
    std::vector<std::uint64_t> list;
    bool Given() const { return counter || !list.empty(); }
};

// The chip a number is reserved for, as the row records it.
struct ChipClaim {
    std::string station;
    std::string board; // the port as given
    std::string chip;
    std::string hexFile;
    std::string hexSha256;
};

struct Reservation {
    long long row = 0; // the store's own key for it; 0 in the state file
    std::uint64_t serial = 0;
    long long reuseOf = 0; // the failed chip's row whose number this is, or 0
};

// A chip's result in the words of the production log.
struct ChipResult {
    std::string result; // done, difference, failed, ...
    std::string deviceId;
    int revision = -1; // -1: not read
    std::string checksum;
    std::string imageCrc32;
    std::string calibrationRead;
    std::string calibrationWritten;
    double elapsedSeconds = 0;
    bool Passed() const { return result == "done"; }
};

// What a store call came to. Unreachable is the only answer worth trying
// again: the server is away and may come back.
struct StoreAnswer {
    enum class Kind { Ok, Input, Unreachable, Refused };
    Kind kind = Kind::Ok;
    std::string text; // why not, with the server's own reason where it gave one
    explicit operator bool() const { return kind == Kind::Ok; }
    static StoreAnswer Bad(Kind kind, std::string text) { return {kind, std::move(text)}; }
};

class SerialStore {
public:
    virtual ~SerialStore() = default;
    // The number the next Reserve would give, without giving it; `wanted`
    // numbers must be left (a list's end is found before any chip is touched).
    virtual StoreAnswer Peek(std::size_t wanted, std::uint64_t& next) = 0;
    // Gives the chip its number: the store has recorded it before this returns.
    virtual StoreAnswer Reserve(const ChipClaim& claim, Reservation& reservation) = 0;
    // Closes the reservation with the chip's result. A failed chip's number is
    // voided, or kept for the next chip when the run reuses failed numbers.
    // A store that cannot be reached keeps the result to write it later.
    virtual StoreAnswer Close(const Reservation& reservation, const ChipResult& result) = 0;
    // True once when the store has gone away, with the reason (and once when
    // it is back), so that a station with several boards says so once.
    virtual bool NoticeOutage(std::string& /*reason*/) { return false; }
    virtual bool NoticeReturn() { return false; }
};

// Whether a number goes to the next chip after its own chip failed.
enum class FailedNumbers { Void, Reuse };
