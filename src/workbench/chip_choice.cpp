// The chip file and the chip chosen from it, and user mode.
#include "chipdb/chip_extract.h"
#include "chipdb/chip_identify.h"
#include "chipdb/chip_list.h"
#include "platform/dialogs.h"
#include "platform/file_places.h"
#include "platform/text_file.h"
#include "protocol/engine.h"
#include "workbench/load_messages.h"
#include "workbench/workbench.h"

#include <algorithm>

namespace {
// User mode's image: a 14-bit core's first 1024 words.
constexpr int kUserModeWords = 1024;
constexpr int kUserModeWordMask = 0x3FFF;
} // namespace

std::string Workbench::ChipFilePath() const {
    return chipFilePath_.empty() ? ChipFileFullPath(places_) : chipFilePath_;
}

std::optional<TextLines> Workbench::ChipFileText() {
    std::optional<std::string> bytes = ReadWholeFile(ChipFilePath());
    if (!bytes) {
        Tell(MessageWord::ChipFileMissing);
        return std::nullopt;
    }
    return SplitLinesKeepingEnds(*bytes);
}

bool Workbench::SaveChipFile(const TextLines& text) {
    // Through a temporary file and a rename: a failed write leaves the old
    // file whole, and the chip list stays as it is.
    const std::string path = EditedChipFilePath(places_);
    if (const std::string reason = WriteUserFile(path, JoinLinesKeepingEnds(text));
        !reason.empty()) {
        Tell({MessageWord::ChipListNotSaved, {.text = reason, .path = path}});
        return false;
    }
    ChipFileEdited();
    return true;
}

bool Workbench::LoadChipList(int style, std::vector<std::string>& data,
                             std::vector<std::string>& names) {
    std::vector<std::string> lines;
    if (std::optional<std::string> bytes = ReadWholeFile(ChipFilePath()))
        lines = SplitLines(*bytes);
    ChipFileLoadResult loaded = ::LoadChipFile(std::move(lines), style);
    const std::optional<EngineMessage> failed = LoadMessage(loaded);
    data = std::move(loaded.ChipData);
    if (failed) {
        Tell(*failed);
        return false;
    }
    names = std::move(loaded.ChipNames);
    return true;
}

bool Workbench::LoadChipFile() {
    std::vector<std::string> names;
    const bool loaded = LoadChipList(engine_->Style(), chipData_, names);
    // A list that did not load leaves the names offered as they were.
    if (loaded) {
        chipNames_ = std::move(names);
        position_ = -1;
    }
    image_.ROMData.clear();
    view_.ChipChanged();
    return loaded;
}

int Workbench::FindChip(const std::string& name) const {
    const auto at = std::find(chipNames_.begin(), chipNames_.end(), name);
    return at == chipNames_.end() ? -1 : static_cast<int>(at - chipNames_.begin());
}

std::optional<ChipRecord> Workbench::ListedChip(int position) const {
    ChipInfoResult info = ExtractChipInfo(chipData_, position);
    if (!info.ok)
        return std::nullopt;
    DeriveSelectionFields(info.record);
    return info.record;
}

bool Workbench::TakeChip(int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= chipNames_.size())
        return false;
    chip_.FuseListWord.fill(-1);
    chip_.CalFlags = 0;
    fuseRows_ = {};
    ChipInfoResult info = ExtractChipInfo(chipData_, position);
    if (!info.ok) {
        // A value the record cannot hold (a socket or fuse number that is no
        // integer) is reported, and no chip is left half applied.
        Tell(ChipFileSyntaxAt(chipData_, info.badLine));
        position_ = -1;
        return false;
    }
    chip_ = info.record;
    chip_.ChipName = chipNames_[static_cast<std::size_t>(position)];
    DeriveSelectionFields(chip_);
    fuseRows_ = info.rows;
    position_ = position;
    return true;
}

bool Workbench::ChooseChip(int position, ChipChange how) {
    // No chip to keep an image for: nothing changes.
    if (position < 0 && !how.emptyImage)
        return false;
    if (how.askToSave)
        SaveQuery(false);
    const bool taken = TakeChip(position);
    view_.ChipChanged();
    if (how.emptyImage)
        ResetImage();
    return taken;
}

void Workbench::ChipFileEdited() {
    // The chosen chip goes away with the old list, and so does its image: it
    // is offered for saving first, as choosing another chip does.
    SaveQuery(false);
    chipNames_.clear();
    position_ = -1;
    LoadChipFile();
    ResetImage();
}

bool Workbench::ChipOfferedFor(int style) {
    std::vector<std::string> data, names;
    return LoadChipList(style, data, names) &&
           std::count(names.begin(), names.end(), chip_.ChipName) > 0;
}

std::string Workbench::ChipWithDeviceId(int deviceId) const {
    return ::ChipWithDeviceId(chipData_, chip_, deviceId);
}

void Workbench::SetUserMode(bool on) {
    userMode_ = on;
    ResetImage({.keepFileName = true});
    if (on) {
        chip_.EEPROMSize = 0;
        chip_.ROMSize = kUserModeWords;
        chip_.WordMask = kUserModeWordMask;
    } else if (ChipSelected()) {
        TakeChip(position_);
    }
    view_.ChipChanged();
}
