// The HEX files last loaded or saved, with their chips.
#include "fuses/fuse_messages.h"
#include "platform/dialogs.h"
#include "platform/text_file.h"
#include "platform/utf8_path.h"
#include "workbench/workbench.h"

#include <filesystem>
#include <system_error>

void Workbench::ReadRecentFiles() {
    recentFiles_.clear();
    if (std::optional<std::string> contents = ReadWholeFile(RecentFilesPath(places_)))
        recentFiles_ = ParseRecentFiles(SplitLines(*contents));
    view_.ImageChanged(kImageFile);
}

void Workbench::RememberFile(const std::string& fileName) {
    std::error_code ec;
    const std::filesystem::path path = std::filesystem::absolute(PathOf(fileName), ec);
    const std::string chip =
        ChipSelected() ? chipNames_[static_cast<std::size_t>(position_)] : std::string();
    RememberRecentFile(recentFiles_, {ec ? fileName : Utf8Of(path.lexically_normal()), chip});
}

// The file's chip is chosen when the list has it (not in user mode, whose image
// is no chip's), then the file loads as Load does after its dialog.
void Workbench::OpenRecentFile(std::size_t index) {
    if (index >= recentFiles_.size())
        return;
    const RecentFile file = recentFiles_[index];
    if (!IsExistingFile(file.path)) {
        ForgetRecentFile(recentFiles_, file.path);
        view_.ImageChanged(kImageFile);
        Tell({MessageWord::RecentFileGone, {.path = file.path}});
        return;
    }
    const int chip = userMode_ ? -1 : FindChip(file.chip);
    if (chip < 0 && !ChipSelected()) {
        Tell(MessageWord::SelectChip);
        return;
    }
    if (!SaveQuery(true))
        return;
    if (chip >= 0 && chip != position_)
        ChooseChip(chip);
    LoadImage(false, FileChoice::Named(file.path));
}
