#include "store/store_journal.h"

#include "platform/text_file.h"
#include "platform/translate.h"
#include "platform/utf8_path.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {
constexpr char kTab = '\t';
constexpr const char* kCannotWriteJournal = N_("cannot write the store's journal %1 %2");

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\' || c == kTab || c == '\n' || c == '\r')
            out += '\\';
        out += c == kTab ? 't' : c == '\n' ? 'n' : c == '\r' ? 'r' : c;
    }
    return out;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == kTab) {
            fields.emplace_back();
        } else if (c == '\\' && i + 1 < line.size()) {
            const char e = line[++i];
            fields.back() += e == 't' ? kTab : e == 'n' ? '\n' : e == 'r' ? '\r' : e;
        } else {
            fields.back() += c;
        }
    }
    return fields;
}
} // namespace

std::string JournalLine(const JournalEntry& e) {
    const ChipResult& r = e.result;
    std::string line = std::to_string(e.row);
    for (const std::string& field :
         {r.result, r.deviceId, std::to_string(r.revision), r.checksum, r.imageCrc32,
          r.calibrationRead, r.calibrationWritten, std::to_string(r.elapsedSeconds)})
        line += kTab + Escaped(field);
    return line;
}

bool ParseJournalLine(const std::string& line, JournalEntry& e) {
    const std::vector<std::string> f = Fields(line);
    if (f.size() != 9)
        return false;
    char* end = nullptr;
    e.row = std::strtoll(f[0].c_str(), &end, 10);
    if (end == f[0].c_str() || *end != 0 || e.row <= 0 || f[1].empty())
        return false;
    ChipResult& r = e.result;
    r.result = f[1];
    r.deviceId = f[2];
    r.revision = std::atoi(f[3].c_str());
    r.checksum = f[4];
    r.imageCrc32 = f[5];
    r.calibrationRead = f[6];
    r.calibrationWritten = f[7];
    r.elapsedSeconds = std::strtod(f[8].c_str(), nullptr);
    return true;
}

std::string StoreJournal::Append(const JournalEntry& entry) const {
    std::ofstream file(PathOf(path_), std::ios::app | std::ios::binary);
    file << JournalLine(entry) << '\n';
    file.flush();
    return file ? std::string() : Arg(kCannotWriteJournal, path_, "");
}

bool StoreJournal::Read(std::vector<JournalEntry>& entries, std::string& error) const {
    entries.clear();
    std::error_code ec;
    if (!std::filesystem::exists(PathOf(path_), ec))
        return true;
    const std::optional<std::string> text = ReadWholeFile(path_);
    if (!text) {
        error = Arg(N_("cannot read the store's journal %1"), path_);
        return false;
    }
    // A line cut short by a power cut is the last one: it is left out.
    for (const std::string& line : SplitLines(*text))
        if (JournalEntry e; ParseJournalLine(line, e))
            entries.push_back(e);
    return true;
}

std::string StoreJournal::Rewrite(const std::vector<JournalEntry>& left) const {
    std::string text;
    for (const JournalEntry& e : left)
        text += JournalLine(e) + "\n";
    if (std::string reason = WriteFileReplacing(path_, text); !reason.empty())
        return Arg(kCannotWriteJournal, path_, reason);
    return {};
}
