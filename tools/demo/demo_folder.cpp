#include "demo_folder.h"

#include "app/settings.h"
#include "chipdb/chip_list.h"
#include "link/programmer_style.h"
#include "platform/text_file.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
    return text;
}

// The pro.dat of a first start with this chip and style on COM1.
std::optional<Settings> DemoSettings(const DemoRequest& r, int style, std::string& error) {
    const std::string dir = fs::path(r.programDir).string() + "/";
    std::vector<std::string> lines;
    if (std::optional<std::string> bytes = ReadWholeFile(dir + "chipinfo.cid"))
        lines = SplitLines(*bytes);
    ChipFileLoadResult loaded = LoadChipFile(std::move(lines), style);
    if (!loaded.Loaded()) {
        error = "the chip file in " + dir + " cannot be used: " + loaded.message;
        return std::nullopt;
    }
    const auto& names = loaded.ChipNames;
    const auto found = std::find(names.begin(), names.end(), Upper(r.chip));
    if (found == names.end()) {
        error = "the chip " + r.chip + " is not offered for the " + StyleInfo(style).messageName +
                " style";
        return std::nullopt;
    }
    Settings s;
    s.port = 1;
    s.hexFileName = fs::path(r.folder).string() + "/";
    s.chipCount = static_cast<int>(names.size());
    s.chipIndex = static_cast<int>(found - names.begin());
    s.chipName = *found;
    s.programmerStyle = style;
    return s;
}

// Everything of the program folder but the settings of its own sessions.
std::string CopyProgramFolder(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::create_directories(to, ec);
    if (ec)
        return "cannot make " + to.string() + ": " + ec.message();
    if (!fs::is_empty(to, ec))
        return to.string() + " is not empty";
    for (const fs::directory_entry& entry : fs::directory_iterator(from, ec)) {
        const std::string name = entry.path().filename().string();
        if (name == SettingsFileName || name == "ports" || name.find(".tmp-") != std::string::npos)
            continue;
        fs::copy(entry.path(), to / name, fs::copy_options::recursive, ec);
        if (ec)
            return "cannot copy " + entry.path().string() + ": " + ec.message();
    }
    return ec ? "cannot read " + from.string() + ": " + ec.message() : std::string();
}

} // namespace

int DemoStyleNumber(const std::string& name) {
    for (int style = 0; style < StyleCount; ++style)
        if (Upper(name) == Upper(StyleInfo(style).messageName))
            return style;
    return -1;
}

std::string PrepareDemoFolder(const DemoRequest& r) {
    const int style = DemoStyleNumber(r.style);
    if (style < 0)
        return "unknown programmer style " + r.style + " (Alder, Birch_A, Birch_B, Cedar or Elm)";
    std::string error;
    const std::optional<Settings> settings = DemoSettings(r, style, error);
    if (!settings)
        return error;
    if (error = CopyProgramFolder(r.programDir, r.folder); !error.empty())
        return error;
    const fs::path folder(r.folder);
    std::error_code ec;
    fs::create_directory(folder / "ports", ec);
    for (const auto& [path, text] :
         {std::pair{folder / "ports" / "com1", r.com1 + "\n"},
          std::pair{folder / SettingsFileName, JoinLinesCRLF(FormatSettings(*settings))}})
        if (std::string reason = WriteFileReplacing(path.string(), text); !reason.empty())
            return "cannot write " + path.string() + ": " + reason;
    return {};
}
