// The memory image's commands on the main window: load, merge, save, the save
// question, and user mode.
#include "app/proj_fm.h"

#include <QAction>

void TProjFm::ResetCodeMemory(bool keepData, bool keepFileName, bool fillBlank) {
    Bench_->ResetImage({keepData, keepFileName, fillBlank});
}

bool TProjFm::FileSaveQuery(bool withCancel) {
    return Bench_->SaveQuery(withCancel);
}

void TProjFm::LoadButtClick() {
    Bench_->Load(false);
}

void TProjFm::Merge1Click() {
    Bench_->Load(true);
}

void TProjFm::SaveButtClick() {
    Bench_->Save();
}

bool TProjFm::DoLoadProcedure(bool showDialog, bool merge, const std::string& fileName) {
    return Bench_->LoadImage(merge,
                             showDialog ? FileChoice::Dialog() : FileChoice::Named(fileName));
}

bool TProjFm::OpenTheHexFile(const std::string& fileName) {
    return Bench_->OpenFile(fileName);
}

void TProjFm::User1Click() {
    Bench_->SetUserMode(!Bench_->UserMode());
}
