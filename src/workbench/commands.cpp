// The user's operations on the chip: each is the engine's, started with the
// options the face read; and the two that are more than one operation, the
// firmware upgrade and another try with the chip found in the socket.
#include "link/programmer_style.h"
#include "platform/dialogs.h"
#include "platform/utf8_path.h"
#include "protocol/engine.h"
#include "protocol/engine_texts.h"
#include "protocol/upgrade.h"
#include "workbench/bench_messages.h"
#include "workbench/workbench.h"


StartResult Workbench::Program(const OperationOptions& options) {
    return EngineFor(options).Program(options);
}

StartResult Workbench::Verify(const OperationOptions& options) {
    return EngineFor(options).Verify(options);
}

ProgrammerEngine& Workbench::EngineFor(const OperationOptions& options) {
    lastOptions_ = options;
    return *engine_;
}

StartResult Workbench::Read(const OperationOptions& options) {
    // The image is read over: what was changed in it is offered for saving first.
    if (!engine_->Busy() && ChipSelected() && image_.DataChanged) {
        const Dialogs::Answer a = AskWithCancel(MessageWord::ReadOverChanges);
        if (a == Dialogs::Answer::Cancel)
            return StartResult::Declined;
        if (a == Dialogs::Answer::Yes)
            Save();
    }
    return EngineFor(options).Read(options);
}

StartResult Workbench::BlankCheck(EraseChoice choice, const OperationOptions& options) {
    return EngineFor(options).BlankCheck(choice, options);
}

StartResult Workbench::Erase(const OperationOptions& options) {
    return EngineFor(options).Erase(options);
}

StartResult Workbench::ReadChipInfo(const OperationOptions& options) {
    return EngineFor(options).ReadChipInfo(options);
}

StartResult Workbench::ReadCalibration(const OperationOptions& options) {
    return EngineFor(options).ReadCalibration(options);
}

StartResult Workbench::StartAutoProgram(const OperationOptions& options, int chips) {
    return EngineFor(options).StartAutoProgram(options, chips);
}

void Workbench::EndAutoProgram() {
    engine_->EndAutoProgram();
}

void Workbench::Cancel() {
    engine_->Cancel();
}

// The board's own firmware goes into a 16F628 in the socket, programmed like
// any chip from the style's upgrade image.
void Workbench::Upgrade(const OperationOptions& options) {
    // The image stands in the program folder; it is opened there by its full
    // path, whatever folder is current.
    UpgradeFrom(places_.ProgramDir + StyleInfo(engine_->Style()).upgradeFile, options);
}

StartResult Workbench::UpgradeFrom(const std::string& file, const OperationOptions& options) {
    const int position = FindChip(kUpgradeChip);
    if (position < 0) {
        StatusReported({StatusWord::ChipError});
        Tell(MessageWord::UpgradeChipMissing);
        StatusReported({StatusWord::Ready});
        return StartResult::NoChip;
    }
    ChooseChip(position, {.askToSave = true});
    image_.MergeLoad = false;
    if (!IsExistingFile(file) || !OpenFile(file)) {
        StatusReported({StatusWord::FileError});
        Tell(MessageWord::UpgradeFileError);
        StatusReported({StatusWord::Ready});
        return StartResult::NothingToDo;
    }
    engine_->Upgrade();
    fileCaption_.clear();
    UnscrambleUpgradeImage(image_, StyleInfo(engine_->Style()).style == kElmStyle, chip_.ROMSize);
    // The upgrade image is not for the user to see.
    view_.ImageChanged(kImageCleared | kImageConfig | kImageFile);
    StartResult started = StartResult::Declined;
    if (Ask(MessageWord::InsertUpgradeChip) == Dialogs::Answer::Yes)
        started = Program(options);
    else
        ResetImage();
    StatusReported({StatusWord::Ready});
    return started;
}

// The operation to run again with the chip in the socket chosen; none for the
// calibration dialog's read and the automatic loop.
std::function<StartResult()> Workbench::Again(const OperationReport& report) {
    const OperationOptions options = lastOptions_;
    switch (report.operation) {
    case Operation::Program:
        return [this, options] { return Program(options); };
    case Operation::Verify:
        return [this, options] { return Verify(options); };
    case Operation::Read:
        return [this, options] { return Read(options); };
    case Operation::BlankCheck:
        return [this, options] { return BlankCheck(EraseChoice::Check, options); };
    case Operation::Erase:
        return [this, options] { return BlankCheck(EraseChoice::Erase, options); };
    case Operation::ReadChipInfo:
        return [this, options] { return ReadChipInfo(options); };
    default:
        return {};
    }
}

// The chip in the socket is another chip of the list than the one chosen:
// after the user declined to go on with the wrong one, it is offered, and the
// operation runs again with it.
void Workbench::OfferSocketChip(const OperationReport& report) {
    const std::string& name = report.details.socketChip;
    if (report.outcome != Outcome::Declined || name.empty())
        return;
    const int position = FindChip(name);
    // User mode keeps its chip: its image is no chip's.
    const std::function<StartResult()> again = Again(report);
    if (position < 0 || userMode_ || !again)
        return;
    if (Ask({MessageWord::TrySocketChip, {.socketChip = name}}) != Dialogs::Answer::Yes)
        return;
    // The image is made anew for the other chip: what the user changed is
    // offered for saving first, and the file is loaded again for it.
    if (!SaveQuery(true))
        return;
    const std::string file = image_.HexFileName;
    const bool fromFile = image_.HexFileDate > 0;
    ChooseChip(position);
    if (fromFile && !LoadImage(false, FileChoice::Named(file)))
        return;
    again();
}
