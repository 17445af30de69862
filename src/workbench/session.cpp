// The session: what the settings file brings back at start-up, with the
// command line's file and chip, and what is written back at the end.
#include "chipdb/chip_text.h"
#include "link/serial.h"
#include "platform/dialogs.h"
#include "platform/settings.h"
#include "platform/text_file.h"
#include "platform/utf8_path.h"
#include "protocol/engine.h"
#include "workbench/workbench.h"

#include <filesystem>
#include <system_error>

namespace {

bool EndsWithLowerHex(const std::string& s) {
    return s.size() >= 4 && s.compare(s.size() - 4, 4, ".hex") == 0;
}
} // namespace

void Workbench::StartUp(const std::vector<std::string>& args,
                        const std::function<void()>& beforePort) {
    const Settings saved = ReadSettings();
    if (beforePort)
        beforePort();
    OpenPort(saved.port);
    StartInStyle(engine_->Style());
    ResetBoard();
    RestoreChipAndFile(saved, args);
}

Settings Workbench::ReadSettings() {
    Settings saved;
    saved.hexFileName = image_.HexFileName;
    if (std::optional<std::string> contents = ReadWholeFile(SettingsReadPath(places_)))
        saved = ParseSettings(SplitLines(*contents), places_.ProgramDir);
    engine_->SetStyle(saved.programmerStyle);
    image_.HexFileName = saved.hexFileName;
    if (saved.fromFile)
        adviseNewerFileLoad = saved.adviseNewerFileLoad;
    // The recent files are kept beside pro.dat, in a file of their own.
    ReadRecentFiles();
    return saved;
}

void Workbench::RestoreChipAndFile(Settings saved, const std::vector<std::string>& args) {
    // A last file that is gone.
    if (!IsExistingFile(image_.HexFileName))
        image_.HexFileName = places_.ProgramDir;
    // Without a chip list no chip is restored and no file opened.
    if (!LoadChipFile())
        return;
    // A HEX file and a chip name on the command line.
    if (!args.empty() && EndsWithLowerHex(args[0]))
        image_.HexFileName = args[0];
    if (args.size() == 2) {
        const std::string name = UpperCaseAscii(args[1]);
        if (const int found = FindChip(name); found >= 0) {
            saved.chipIndex = found;
            saved.chipName = name;
        }
    }
    // The last chip, only when the chip list has not changed since.
    const int count = static_cast<int>(chipNames_.size());
    if (saved.chipCount != -1 && saved.chipCount == count && saved.chipIndex < count &&
        saved.chipIndex >= 0 &&
        chipNames_[static_cast<std::size_t>(saved.chipIndex)] == saved.chipName)
        ChooseChip(saved.chipIndex, {.emptyImage = false});
    // User mode, and the last file.
    if (saved.restoreUserMode) {
        SetUserMode(true);
        OpenFile(image_.HexFileName);
    } else if (ChipSelected()) {
        OpenFile(image_.HexFileName);
    }
}

void Workbench::SaveSession() {
    std::error_code ec;
    std::filesystem::current_path(PathOf(places_.ProgramDir), ec);
    Settings s;
    s.port = serial_->Port();
    s.hexFileName = engine_->UpgradeLoaded() ? places_.ProgramDir : image_.HexFileName;
    s.chipCount = static_cast<int>(chipNames_.size());
    s.chipIndex = position_;
    s.chipName = ChipSelected() ? chipNames_[static_cast<std::size_t>(position_)] : std::string();
    s.adviseNewerFileLoad = adviseNewerFileLoad;
    s.restoreUserMode = userMode_;
    s.programmerStyle = engine_->Style();
    std::string path = SettingsWritePath(places_);
    std::string reason = WriteUserFile(path, JoinLinesCRLF(FormatSettings(s)));
    if (reason.empty()) {
        path = RecentFilesPath(places_);
        reason = WriteUserFile(path, JoinLinesCRLF(FormatRecentFiles(recentFiles_)));
    }
    if (!reason.empty())
        Tell({MessageWord::SettingsNotSaved, {.text = reason, .path = path}});
}
