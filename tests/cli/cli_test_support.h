#pragma once

// tessaro-cli run in process against the board simulator served as a network
// serial port on loopback, in a program folder of its own.
#include "boardsim.h"
#include "chipdb/chip_record.h"
#include "cli/cli.h"
#include "image/memory_image.h"

#include <condition_variable>
#include <deque>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace clitest {

// A simulated board with a chip of the shipped chip file, on a loopback port.
// Commands the board receives can be watched as they come.
class SimBoard {
public:
    SimBoard(boardsim::Model model, const std::string& chip);
    ~SimBoard();
    std::string Url() const;
    // The next command the board executes whose name begins with `name`;
    // false when none comes within the time.
    bool WaitForCommand(const std::string& name, int timeoutMs = 10000);

    boardsim::Board board;
    boardsim::Rfc2217Server server;

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::string> commands_;
};

// A program folder with the shipped chip file and ports/com1 leading to `url`.
class ProgramFolder {
public:
    explicit ProgramFolder(const std::string& url = {});
    ~ProgramFolder();
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::string Dir() const { return dir_.string() + "/"; }

private:
    std::filesystem::path dir_;
};

struct CliRun {
    int code = -1;
    std::string out;
    std::string err;
    // The JSON objects of standard output, one per line.
    std::vector<std::map<std::string, std::string>> Results() const;
};

// Runs tessaro-cli with the folder as its program folder; pauses are cut to a
// few milliseconds (the simulator needs no 1 s reset pulse).
// systemRoot: the sys/ and dev/ that serial devices are looked for in.
CliRun RunTool(const ProgramFolder& folder, const std::vector<std::string>& args,
               const std::string& systemRoot = {});

// One JSON object of flat values: strings unquoted and unescaped, other
// values (arrays and objects of flat values too) as written. Empty when the
// text is not such an object.
std::map<std::string, std::string> ParseFlatJson(const std::string& text);

std::string ReadFile(const std::string& path);

// The shipped chip file's record of a chip.
ChipRecord Record(const std::string& name);
// A chip's worth of image: words 0..63 and EEPROM bytes 0..7 used, the rest blank.
MemoryImage Pattern(const ChipRecord& chip);
std::string WriteHex(const ProgramFolder& f, const std::string& name, const MemoryImage& image,
                     const ChipRecord& chip, std::string id);
// The chip's Pattern as in.hex in the folder; its path.
std::string WritePatternHex(const ProgramFolder& f, const std::string& chip);
std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more);
// The production log's lines.
std::vector<std::map<std::string, std::string>> LogLines(const std::string& path);

} // namespace clitest
