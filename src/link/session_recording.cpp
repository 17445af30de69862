#include "link/session_recording.h"

#include "platform/translate.h"
#include "platform/utf8_path.h"

#include <cerrno>
#include <cstring>
#include <sstream>

std::string HexOfBytes(std::string_view bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        hex += digits[b >> 4];
        hex += digits[b & 0x0F];
    }
    return hex;
}

bool BytesOfHex(std::string_view hex, std::string& bytes) {
    const auto value = [](char c) {
        return c >= '0' && c <= '9'   ? c - '0'
               : c >= 'a' && c <= 'f' ? c - 'a' + 10
               : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                      : -1;
    };
    if (hex.size() % 2 != 0)
        return false;
    bytes.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int hi = value(hex[i]);
        const int lo = value(hex[i + 1]);
        if (hi < 0 || lo < 0)
            return false;
        bytes += static_cast<char>(hi << 4 | lo);
    }
    return true;
}

std::unique_ptr<SessionRecorder> SessionRecorder::Create(const std::string& path,
                                                         const std::string& headerFields,
                                                         std::string& error) {
    std::ofstream file(PathOf(path), std::ios::binary | std::ios::trunc);
    if (!file) {
        error = std::strerror(errno);
        return nullptr;
    }
    file << "{\"format\":\"" << kRecordingFormat << "\",\"version\":" << kRecordingVersion
         << (headerFields.empty() ? "" : ",") << headerFields << "}\n"
         << std::flush;
    return std::unique_ptr<SessionRecorder>(new SessionRecorder(std::move(file)));
}

std::string SessionRecorder::Stamped(const std::string& fields) {
    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::steady_clock::now() - start_)
                         .count();
    last_ = std::max<std::int64_t>(last_, now);
    return "{\"t\":" + std::to_string(last_) + "," + fields + "}\n";
}

void SessionRecorder::Event(const std::string& fields) {
    const std::lock_guard lock(mutex_);
    held_ += Stamped(fields);
    file_ << held_ << std::flush;
    held_.clear();
}

void SessionRecorder::HoldBoardBytes(std::string_view bytes) {
    if (bytes.empty())
        return;
    const std::lock_guard lock(mutex_);
    held_ += Stamped("\"dir\":\"board\",\"hex\":\"" + HexOfBytes(bytes) + "\"");
}

void SessionRecorder::Flush() {
    const std::lock_guard lock(mutex_);
    if (held_.empty())
        return;
    file_ << held_ << std::flush;
    held_.clear();
}

void SessionRecorder::Bytes(bool fromHost, std::string_view bytes, int error) {
    if (bytes.empty())
        return;
    std::string fields = fromHost ? "\"dir\":\"host\",\"hex\":\"" : "\"dir\":\"board\",\"hex\":\"";
    fields += HexOfBytes(bytes);
    fields += '"';
    if (error != 0)
        fields += ",\"error\":" + std::to_string(error);
    Event(fields);
}

void SessionRecorder::Line(const char* line, bool level, int error) {
    std::string fields = std::string("\"line\":\"") + line + "\",\"level\":" + (level ? "1" : "0");
    if (error != 0)
        fields += ",\"error\":" + std::to_string(error);
    Event(fields);
}

void SessionRecorder::Port(const char* what) {
    Event(std::string("\"port\":\"") + what + '"');
}

void SessionRecorder::State(int number, const std::string& name) {
    Event("\"state\":" + std::to_string(number) + ",\"name\":" + JsonQuoted(name));
}

void SessionRecorder::Result(const std::string& json) {
    Event("\"result\":" + json);
}

namespace {
constexpr const char* kNotARecording = N_("not a session recording (its first line is no header)");

bool ReadEvent(const JsonValue& v, RecordedEvent& e) {
    using K = RecordedEvent::Kind;
    if (v.type != JsonValue::Type::Object || !v.Has("t"))
        return false;
    e.t = v.Int("t");
    e.error = static_cast<int>(v.Int("error"));
    if (v.IsString("dir")) {
        e.kind = v.Str("dir") == "host" ? K::HostBytes : K::BoardBytes;
        return BytesOfHex(v.Str("hex"), e.bytes);
    }
    if (v.IsString("line")) {
        e.kind = K::Line;
        e.line = v.Str("line");
        e.level = v.Int("level") != 0;
        return true;
    }
    const std::string port = v.Str("port");
    if (!port.empty()) {
        e.kind = port == "open" ? K::Open : port == "close" ? K::Close : K::Purge;
        return port == "open" || port == "close" || port == "purge";
    }
    if (v.Has("state")) {
        e.kind = K::State;
        e.state = static_cast<int>(v.Int("state"));
        e.name = v.Str("name");
    } else if (v.Has("result")) {
        e.kind = K::Result;
    }
    return true; // a kind of event this version does not know is passed over
}
} // namespace

bool ParseRecording(std::string_view text, Recording& r, std::string& error) {
    r = Recording();
    std::size_t at = 0;
    int lineNo = 0;
    while (at < text.size()) {
        const std::size_t end = text.find('\n', at);
        const bool whole = end != std::string_view::npos;
        const std::string_view line = text.substr(at, whole ? end - at : std::string_view::npos);
        at = whole ? end + 1 : text.size();
        ++lineNo;
        JsonValue v;
        const bool parsed = ParseJson(line, v);
        if (lineNo == 1) {
            if (!whole || !parsed || v.Str("format") != kRecordingFormat) {
                error = kNotARecording;
                return false;
            }
            r.header = std::move(v);
            r.lastLine = 1;
            continue;
        }
        RecordedEvent e;
        e.lineNo = lineNo;
        if (!whole || !parsed || !ReadEvent(v, e)) {
            // What a crash leaves: a line cut in the middle, and nothing after it.
            r.cutShort = true;
            return true;
        }
        r.events.push_back(std::move(e));
        r.lastLine = lineNo;
    }
    if (lineNo == 0) {
        error = kNotARecording;
        return false;
    }
    r.cutShort = r.events.empty() || r.events.back().kind != RecordedEvent::Kind::Close;
    return true;
}

bool ReadRecording(const std::string& path, Recording& recording, std::string& error) {
    std::ifstream in(PathOf(path), std::ios::binary);
    if (!in) {
        error = std::strerror(errno);
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParseRecording(text.str(), recording, error);
}
