#pragma once

#include <ctime>
#include <string>

// File dates as the image keeps them (HexFileDate): the last-write time in local
// time packed as a DOS date-time, held as a floating value.

inline constexpr double kNoFileDate = -1; // a missing file or a folder

// The packed local date-time: bits 25..31 years since 1980, 21..24 month,
// 16..20 day, 11..15 hour, 5..10 minute, 0..4 seconds DIV 2. Years before 1980
// give 1980-01-01 00:00:00 and years after 2107 give the last DOS date, so a
// packed date is never 0 (no date known) and never negative.
double PackDosDateTime(const std::tm& local);

// The packed date of a file; kNoFileDate for a missing file or a folder.
double HexFileDateOf(const std::string& fileName);

// The Program command's reload rule: with Options > Advise Newer File Load
// checked and a known load date, the file counts as newer when its current date
// is later. A file that has since disappeared (kNoFileDate) is not newer.
bool IsNewerHexFile(bool adviseNewerFileLoad, double loadedDate, double currentDate);
