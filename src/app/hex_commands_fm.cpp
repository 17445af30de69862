// Loading, merging and saving HEX files from the main window.
#include "app/fuse_edit_fm.h"
#include "app/messages.h"
#include "app/proj_fm.h"
#include "fuses/fuse_messages.h"
#include "fuses/fuse_values.h"
#include "fuses/id_text.h"
#include "image/file_date.h"
#include "image/hex_load.h"
#include "image/hex_save.h"
#include "platform/current_dir.h"

#include <QAction>

#include <filesystem>

void TProjFm::LoadButtClick() {
    if (!ChipSelected()) {
        dialogs().Information(SelectChipText);
        return;
    }
    if (FileSaveQuery(true))
        DoLoadProcedure(true, false);
}

void TProjFm::Merge1Click() {
    if (!ChipSelected()) {
        dialogs().Information(SelectChipText);
        return;
    }
    DoLoadProcedure(true, true);
}

void TProjFm::LoadFileCommand(const std::string& fileName, bool merge) {
    if (!ChipSelected()) {
        dialogs().Information(SelectChipText);
        return;
    }
    if (merge || FileSaveQuery(true))
        DoLoadProcedure(false, merge, fileName);
}

bool TProjFm::DoLoadProcedure(bool showDialog, bool merge, const std::string& fileName) {
    if (!ChipSelected())
        return false;
    FuseEditFM->SetIDText(UpdateIDedit(FuseEditFM->IDText(), FuseEditFM->IDMaxLength()));
    Image.MergeLoad = merge;
    LoadNotice.clear();
    bool result = false;
    if (showDialog) {
        const std::string folder = FolderOf(Image.HexFileName);
        ChangeDirectory(folder);
        const std::string chosen = dialogs().OpenFile(kOpenHexTitle, folder, kOpenHexFilter);
        if (!chosen.empty()) {
            OpenTheHexFile(chosen);
            result = true;
        }
    } else {
        result = OpenTheHexFile(fileName.empty() ? Image.HexFileName : fileName);
    }
    SetStatus(LoadNotice.empty() ? kReady : LoadNotice);
    ChangeDirectory(ProgramDir);
    return result;
}

bool TProjFm::OpenTheHexFile(std::string fileName) {
    // Taken by value: callers pass HexFileName itself, which the reset below clears.
    const double date = HexFileDateOf(fileName);
    if (date == kNoFileDate)
        return false;
    ResetCodeMemory(Image.MergeLoad, false, true);
    std::string id = FuseEditFM->IDText();
    const HexLoadResult loaded =
        LoadTheHexFile(fileName, Chip, Image, id, [this](const std::string& question) {
            return dialogs().QuestionYesNo(question) == Dialogs::Answer::Yes;
        });
    FuseEditFM->SetIDText(id);
    if (!loaded.loaded) {
        if (!loaded.message.empty())
            dialogs().Error(loaded.message);
        return false;
    }
    FuseRows rows = FuseEditFM->ReadFuseRows();
    UpdateFusesForCore(rows, Chip, Image.FuseValue);
    FuseEditFM->ApplySelections(rows);
    if (!Engine->UpgradeLoaded()) {
        SetCaption(HexFileCaption(fileName));
        RememberFile(fileName);
    }
    Image.HexFileName = fileName;
    Image.HexFileDate = date;
    CreateCodeData();
    DisplayCodeLines();
    if (loaded.bytesOutside > 0) {
        LoadNotice =
            OutsideMemoryText(loaded.bytesOutside,
                              std::filesystem::path(fileName).filename().string(), Chip.ChipName);
        SetStatus(LoadNotice);
    }
    return true;
}

bool TProjFm::ReloadNewerFile() {
    if (!IsNewerHexFile(AdviseNewerFileLoad1->isChecked(), Image.HexFileDate,
                        HexFileDateOf(Image.HexFileName)))
        return true;
    return DoLoadProcedure(false, false);
}

void TProjFm::SaveButtClick() {
    if (!ChipSelected()) {
        dialogs().Information(SelectChipText);
        return;
    }
    if (Image.ROMData.empty() && Image.EEPROMData.empty()) {
        dialogs().Information(kNothingToSave);
        return;
    }
    const std::string folder = FolderOf(Image.HexFileName);
    ChangeDirectory(folder);
    SetStatus(kSavingStatus);
    const std::string chosen =
        dialogs().SaveFile(kSaveHexTitle, folder, LastSaveName, kSaveHexFilter);
    if (!chosen.empty()) {
        LastSaveName = std::filesystem::path(chosen).filename().string();
        std::string id = FuseEditFM->IDText();
        const bool saved = SaveHexFile(chosen, Image, Chip, id);
        FuseEditFM->SetIDText(id);
        if (saved) {
            Image.HexFileName = chosen;
            SetCaption(HexFileCaption(chosen));
            RememberFile(chosen);
            Image.DataChanged = false;
        } else {
            dialogs().Beep();
            dialogs().Error(kSaveProblem);
        }
    }
    SetStatus(kProgramReadyStatus);
    ChangeDirectory(ProgramDir);
}
