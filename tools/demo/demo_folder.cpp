#include "demo_folder.h"

#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"
#include "image/hex_save.h"
#include "link/com_names.h"
#include "link/programmer_style.h"
#include "platform/settings.h"
#include "platform/text_file.h"
#include "protocol/engine_texts.h"
#include "workbench/load_messages.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* kDemoProgram = "demo.hex";

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
    return text;
}

struct DemoChip {
    Settings settings; // the pro.dat of a first start with the chip on COM1
    ChipRecord record;
};

std::optional<DemoChip> FindDemoChip(const DemoRequest& r, int style, std::string& error) {
    const std::string dir = fs::path(r.programDir).string() + "/";
    std::vector<std::string> lines;
    if (std::optional<std::string> bytes = ReadWholeFile(dir + "chipinfo.cid"))
        lines = SplitLines(*bytes);
    ChipFileLoadResult loaded = LoadChipFile(std::move(lines), style);
    if (!loaded.Loaded()) {
        error = "the chip file in " + dir + " cannot be used: " + Worded(LoadMessage(loaded));
        return std::nullopt;
    }
    const auto& names = loaded.ChipNames;
    const auto found = std::find(names.begin(), names.end(), Upper(r.chip));
    const int position = static_cast<int>(found - names.begin());
    const ChipInfoResult info = ExtractChipInfo(loaded.ChipData, position);
    if (found == names.end() || !info.ok) {
        error = "the chip " + r.chip + " is not offered for the " + StyleInfo(style).messageName +
                " style";
        return std::nullopt;
    }
    DemoChip chip{{}, info.record};
    DeriveSelectionFields(chip.record);
    Settings& s = chip.settings;
    s.port = 1;
    s.hexFileName = (fs::path(r.folder) / kDemoProgram).string();
    s.chipCount = static_cast<int>(names.size());
    s.chipIndex = position;
    s.chipName = *found;
    s.programmerStyle = style;
    return chip;
}

// Sixteen counting words at the start of the program memory and a greeting in
// the data EEPROM, so the listing shows something and a read-back can be
// checked; the configuration words as erased.
bool WriteDemoProgram(const std::string& path, const ChipRecord& chip) {
    MemoryImage image;
    image.ROMData.assign(static_cast<std::size_t>(chip.ROMSize), chip.WordMask);
    for (int i = 0; i < 16 && i < chip.ROMSize; ++i)
        image.ROMData[static_cast<std::size_t>(i)] = i & chip.WordMask;
    image.EEPROMData.assign(static_cast<std::size_t>(chip.EEPROMSize), 0xFF);
    const std::string greeting = "Tessaro demo";
    for (std::size_t i = 0; i < greeting.size() && i < image.EEPROMData.size(); ++i)
        image.EEPROMData[i] = static_cast<unsigned char>(greeting[i]);
    image.FuseValue = chip.FuseBlank;
    std::string id;
    return SaveHexFile(path, image, chip, id);
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
    const std::optional<DemoChip> chip = FindDemoChip(r, style, error);
    if (!chip)
        return error;
    if (error = CopyProgramFolder(r.programDir, r.folder); !error.empty())
        return error;
    const fs::path folder(r.folder);
    if (!WriteDemoProgram(chip->settings.hexFileName, chip->record))
        return "cannot write " + chip->settings.hexFileName;
    std::error_code ec;
    fs::create_directory(folder / "ports", ec);
    for (const auto& [path, text] :
         {std::pair{fs::path(PortEntryPath(folder.string(), 1)), r.com1 + "\n"},
          std::pair{folder / SettingsFileName, JoinLinesCRLF(FormatSettings(chip->settings))}})
        if (std::string reason = WriteFileReplacing(path.string(), text); !reason.empty())
            return "cannot write " + path.string() + ": " + reason;
    return {};
}
