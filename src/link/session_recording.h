#pragma once

#include "link/json_value.h"

#include <chrono>
#include <cstdint>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

// A board session on record: JSON Lines, a header and then one event a line,
// each line flushed as it is written (the board's bytes with the program's
// next event, or before its next wait on the port), so that a crash keeps
// all before it.
//   {"format":"tessaro-session","version":1,"program":"..",...}
//   {"t":0,"port":"open"}
//   {"t":1200,"line":"DTR","level":1}
//   {"t":4100,"dir":"host","hex":"5003"}
//   {"t":5200,"dir":"board","hex":"59"}
//   {"t":5210,"state":11,"name":"AwaitModel"}
//   {"t":9000000,"result":{...}}
//   {"t":9000100,"port":"close"}
// "t" counts microseconds from the start and never decreases.
inline constexpr const char* kRecordingFormat = "tessaro-session";
inline constexpr int kRecordingVersion = 1;

std::string HexOfBytes(std::string_view bytes);
// False when the text is not an even count of hex digits.
bool BytesOfHex(std::string_view hex, std::string& bytes);

class SessionRecorder {
public:
    // Opens `path` afresh and writes the header: `headerFields` are the
    // header's own fields after format and version, already JSON
    // (`"program":"1.0","os":"linux"`). Null with the system's reason when
    // the file cannot be written.
    static std::unique_ptr<SessionRecorder>
    Create(const std::string& path, const std::string& headerFields, std::string& error);

    ~SessionRecorder() { Flush(); }
    SessionRecorder(const SessionRecorder&) = delete;
    SessionRecorder& operator=(const SessionRecorder&) = delete;

    void Bytes(bool fromHost, std::string_view bytes, int error = 0);
    // The board's bytes as the program takes them: the line is written with
    // the next event or Flush, so that writing it costs the board's answer
    // no time (the program answers first).
    void HoldBoardBytes(std::string_view bytes);
    void Flush();
    void Line(const char* line, bool level, int error = 0);
    void Port(const char* what); // open, close, purge
    void State(int number, const std::string& name);
    void Result(const std::string& json);

private:
    explicit SessionRecorder(std::ofstream file) : file_(std::move(file)) {}
    void Event(const std::string& fields);
    std::string Stamped(const std::string& fields); // the line with its time, under the lock

    std::mutex mutex_; // the window's recorder may hear its states from another thread
    std::ofstream file_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::int64_t last_ = 0;
    std::string held_; // lines waiting for the next write
};

// One event of a recording read back.
struct RecordedEvent {
    enum class Kind { HostBytes, BoardBytes, Line, Open, Close, Purge, State, Result, Other };
    Kind kind = Kind::Other;
    std::int64_t t = 0;
    int lineNo = 0; // its line in the file, the header being line 1
    std::string bytes;
    std::string line; // DTR, RTS, BREAK
    bool level = false;
    int error = 0;
    int state = 0;
    std::string name;
    bool IsHost() const {
        return kind == Kind::HostBytes || kind == Kind::Line || kind == Kind::Open ||
               kind == Kind::Close || kind == Kind::Purge;
    }
};

struct Recording {
    JsonValue header;
    std::vector<RecordedEvent> events;
    // The file ends before its port was closed (a crash, a pulled plug): its
    // last line may be cut in the middle, and is then left out.
    bool cutShort = false;
    int lastLine = 0; // the last whole line read
};

// Reads a recording; false with the reason when the file is not one or its
// header is cut short (bad input).
bool ReadRecording(const std::string& path, Recording& recording, std::string& error);
// The same from the file's text.
bool ParseRecording(std::string_view text, Recording& recording, std::string& error);
