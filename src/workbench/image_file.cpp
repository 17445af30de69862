// The memory image and its file: emptying, loading, merging, reloading and
// saving, the fuse choices and the calibration values written into it.
#include "fuses/calibration.h"
#include "fuses/fuse_explain.h"
#include "fuses/fuse_messages.h"
#include "fuses/fuse_values.h"
#include "fuses/id_text.h"
#include "image/file_date.h"
#include "image/hex_load.h"
#include "image/hex_save.h"
#include "image/reset_code_memory.h"
#include "platform/current_dir.h"
#include "platform/dialogs.h"
#include "platform/utf8_path.h"
#include "protocol/engine.h"
#include "protocol/engine_texts.h"
#include "workbench/load_messages.h"
#include "workbench/workbench.h"

namespace {
std::string LeafOf(const std::string& path) {
    return Utf8Of(PathOf(path).filename());
}
} // namespace

void Workbench::ResetImage(ImageReset how) {
    ::ResetImage(image_, chip_, how.keepData, how.keepFileName, how.fillBlank, places_.ProgramDir);
    for (FuseRow& row : fuseRows_)
        if (!row.items.empty())
            row.selected = 0;
    image_.IDText = BlankIDText(chip_.IdTextLength());
    fileCaption_.clear();
    view_.ImageChanged(kImageCleared | kImageConfig | kImageFile);
}

bool Workbench::SaveQuery(bool withCancel) {
    if (!image_.DataChanged)
        return true;
    dialogs().Beep();
    const Dialogs::Answer a =
        withCancel ? AskWithCancel(MessageWord::DataChanged) : Ask(MessageWord::DataChanged);
    if (a == Dialogs::Answer::Cancel)
        return false;
    if (a == Dialogs::Answer::Yes)
        Save();
    return true;
}

void Workbench::Load(bool merge, const FileChoice& from) {
    if (!ChipSelected()) {
        Tell(MessageWord::SelectChip);
        return;
    }
    if (merge || SaveQuery(true))
        LoadImage(merge, from);
}

// The file dialog starts in the last file's folder, which is current while
// it is open; the program folder is current again afterwards.
bool Workbench::LoadImage(bool merge, const FileChoice& from) {
    if (!ChipSelected())
        return false;
    image_.IDText = PadIDLeft(image_.IDText, chip_.IdTextLength());
    image_.MergeLoad = merge;
    loadNotice_ = {};
    bool result = false;
    if (from.askName) {
        const std::string folder = FolderOf(image_.HexFileName);
        ChangeDirectory(folder);
        const std::string chosen = dialogs().OpenFile(kOpenHexTitle, folder, kOpenHexFilter);
        if (!chosen.empty()) {
            OpenFile(chosen);
            result = true;
        }
    } else {
        result = OpenFile(from.name.empty() ? image_.HexFileName : from.name);
    }
    StatusReported(loadNotice_);
    ChangeDirectory(places_.ProgramDir);
    return result;
}

ImageLoad Workbench::LoadImageFile(const std::string& fileName) {
    ResetImage({.keepData = image_.MergeLoad, .fillBlank = true});
    std::string id = image_.IDText;
    const HexLoadResult loaded = LoadTheHexFile(fileName, chip_, image_, id, [this] {
        return Ask(MessageWord::DifferentCoreType) == Dialogs::Answer::Yes;
    });
    image_.IDText = id;
    lastLoad_ = {loaded.Loaded(), loaded.bytesTaken, loaded.bytesOutside};
    if (!loaded.Loaded()) {
        if (const std::optional<EngineMessage> failed = LoadMessage(loaded))
            Tell(*failed);
        return lastLoad_;
    }
    UpdateFusesForCore(fuseRows_, chip_, image_.FuseValue);
    image_.HexFileName = fileName;
    return lastLoad_;
}

bool Workbench::OpenFile(const std::string& fileName) {
    // A copy: callers pass HexFileName itself, which the load resets.
    const std::string name = fileName;
    const double date = HexFileDateOf(name);
    if (date == kNoFileDate)
        return false;
    if (!LoadImageFile(name).loaded) {
        view_.ImageChanged(kImageConfig);
        return false;
    }
    if (!engine_->UpgradeLoaded()) {
        fileCaption_ = HexFileCaption(name);
        RememberFile(name);
    }
    image_.HexFileDate = date;
    view_.ImageChanged(kImageData | kImageConfig | kImageFile);
    if (lastLoad_.bytesOutside > 0) {
        loadNotice_ = {
            StatusWord::OutsideMemory,
            {.chip = chip_.ChipName, .text = LeafOf(name), .count = lastLoad_.bytesOutside}};
        StatusReported(loadNotice_);
    }
    return true;
}

std::string Workbench::OutsideText(const std::string& shownName) const {
    if (lastLoad_.bytesOutside <= 0)
        return {};
    return OutsideMemoryText(lastLoad_.bytesOutside, shownName, chip_.ChipName);
}

void Workbench::Save() {
    if (!ChipSelected()) {
        Tell(MessageWord::SelectChip);
        return;
    }
    if (image_.ROMData.empty() && image_.EEPROMData.empty()) {
        Tell(MessageWord::NothingToSave);
        return;
    }
    const std::string folder = FolderOf(image_.HexFileName);
    ChangeDirectory(folder);
    StatusReported({StatusWord::Saving});
    const std::string chosen =
        dialogs().SaveFile(kSaveHexTitle, folder, lastSaveName_, kSaveHexFilter);
    if (!chosen.empty()) {
        lastSaveName_ = LeafOf(chosen);
        if (SaveAs(chosen)) {
            image_.HexFileName = chosen;
            fileCaption_ = HexFileCaption(chosen);
            RememberFile(chosen);
            image_.DataChanged = false;
        } else {
            dialogs().Beep();
            Tell(MessageWord::SaveProblem);
        }
        view_.ImageChanged(kImageConfig | kImageFile);
    }
    StatusReported({StatusWord::ProgramReady});
    ChangeDirectory(places_.ProgramDir);
}

bool Workbench::SaveAs(const std::string& fileName) {
    // A 16-bit core's file takes the ID padded: the padding stays in the image.
    std::string id = image_.IDText;
    const bool saved = SaveHexFile(fileName, image_, chip_, id);
    image_.IDText = id;
    return saved;
}

void Workbench::ChooseFuses(const FuseRows& rows, const FuseWords& words, const std::string& id) {
    fuseRows_ = rows;
    image_.FuseValue = words;
    image_.IDText = id;
    view_.ImageChanged(kImageConfig);
}

bool Workbench::WriteCalibration(const std::string& oscal, const std::string& bandGap) {
    if (!WriteCalibrationValues(chip_, image_, oscal, bandGap))
        return false;
    if (chip_.BandGap)
        UpdateFuses1214(fuseRows_, chip_, image_.FuseValue);
    // A write that finds nothing to write leaves the changed mark as it was:
    // clearing it would let changed data go without the save question.
    image_.DataChanged = true;
    view_.ImageChanged(kImageData | kImageConfig);
    return true;
}

std::vector<std::string> Workbench::FuseDifference(const ResultDetails& details) const {
    return ExplainFuseDifference(fuseRows_, chip_, details.address, details.good, details.bad);
}
