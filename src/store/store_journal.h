#pragma once

#include "store/serial_store.h"

#include <string>
#include <vector>

// Results a station could not write to the line's store while it was away,
// kept in a file beside the station's log until the store takes them. One
// line per chip, appended and flushed before the station goes on.
struct JournalEntry {
    long long row = 0;
    ChipResult result;
};

class StoreJournal {
public:
    explicit StoreJournal(std::string path) : path_(std::move(path)) {}
    const std::string& Path() const { return path_; }
    // Empty on success; otherwise why not.
    std::string Append(const JournalEntry& entry) const;
    // The entries waiting, oldest first; false when the file cannot be read
    // (a missing file is an empty journal).
    bool Read(std::vector<JournalEntry>& entries, std::string& error) const;
    // Keeps only `left` (the entries the store has not taken).
    std::string Rewrite(const std::vector<JournalEntry>& left) const;

private:
    std::string path_;
};

// One entry as its line, and back; false for a line that is not one.
std::string JournalLine(const JournalEntry& entry);
bool ParseJournalLine(const std::string& line, JournalEntry& entry);
