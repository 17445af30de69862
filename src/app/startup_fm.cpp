// Start-up, the settings file and closing.
#include "app/proj_fm.h"
#include "chipdb/socket_picture_qt.h"

#include <QTimer>

#include <string>
#include <vector>

namespace {
// --record FILE (or --record=FILE) is the window's: taken out of the
// arguments, which name the file and chip.
std::string TakeRecordOption(std::vector<std::string>& args) {
    for (auto arg = args.begin(); arg != args.end(); ++arg) {
        if (arg->rfind("--record=", 0) == 0) {
            std::string path = arg->substr(9);
            args.erase(arg);
            return path;
        }
        if (*arg == "--record" && arg + 1 != args.end()) {
            std::string path = *(arg + 1);
            args.erase(arg, arg + 2);
            return path;
        }
    }
    return {};
}
} // namespace

void TProjFm::FormCreate() {
    EnsureProgramResources();
    setWindowIcon(QIcon(":/Proj"));
    // An empty socket, not a black square, behind the start-up's first boxes.
    DrawBlankSocket();
    StartupPending_ = true;
    // The start-up runs on the first tick, once the window is on the screen.
    Timer1->start();
}

void TProjFm::Timer1Timer() {
    if (StartupPending_) {
        // The sequence runs once: its board reset starts the timer again, and
        // a tick while one of its message boxes is open must not start it anew.
        StartupPending_ = false;
        Timer1->stop();
        ExecuteStartupProcedures();
        return;
    }
    Bench_->Tick();
}

void TProjFm::ExecuteStartupProcedures() {
    // A recording asked for on the command line begins with the port's opening.
    std::vector<std::string> args = Env.args;
    const std::string record = TakeRecordOption(args);
    Bench_->StartUp(args, [this, record] {
        if (!record.empty())
            StartRecording(record);
    });
    AdviseNewerFileLoad1->setChecked(Bench_->adviseNewerFileLoad);
    SoundAvailable = CheckSoundAvailable();
}

bool TProjFm::FormCloseQuery() {
    return Bench_->SaveQuery(true);
}

void TProjFm::FormClose() {
    Bench_->SaveSession();
    Env.help->Quit();
}
