// The memory image's commands on the main window: load, merge, save, and user
// mode.
#include "app/proj_fm.h"

#include <QAction>

void TProjFm::LoadButtClick() {
    Bench_->Load(false);
}

void TProjFm::Merge1Click() {
    Bench_->Load(true);
}

void TProjFm::SaveButtClick() {
    Bench_->Save();
}

void TProjFm::User1Click() {
    Bench_->SetUserMode(!Bench_->UserMode());
}
