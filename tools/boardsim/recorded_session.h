#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace boardsim {

// A session recording as the simulator reads it: the program writes one JSON
// object a line, a header and then events whose second key names their kind
// ({"t":5200,"dir":"board","hex":"59"}, {"t":10,"line":"DTR","level":1}). The
// simulator reads only what a board sees and says: the bytes each way and
// the line changes.
struct RecordedStep {
    enum class Kind { Host, Board, Dtr, Rts, Close };
    Kind kind = Kind::Host;
    std::int64_t t = 0;
    int line = 0; // of the file
    std::string bytes;
    bool level = false;
};

struct RecordedSession {
    std::string chip;  // the header's "chip"
    std::string style; // the board model named on the command line; empty: announced
    int baud = 19200;
    std::vector<RecordedStep> steps;
};

// False with the reason when the text is not a session recording.
bool ParseRecordedSession(const std::string& text, RecordedSession& session, std::string& error);
bool ReadRecordedSession(const std::string& path, RecordedSession& session, std::string& error);

std::string HexText(const std::string& bytes);

} // namespace boardsim
