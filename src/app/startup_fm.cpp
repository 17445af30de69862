// Start-up, the settings file and closing.
#include "app/port_return_fm.h"
#include "app/proj_fm.h"
#include "link/serial.h"
#include "platform/settings.h"
#include "platform/text_file.h"
#include "platform/translate.h"

#include <QAction>
#include <QComboBox>
#include <QTimer>

#include <filesystem>
#include <system_error>

namespace {
constexpr const char* kSettingsNotSaved = N_("The settings could not be saved to %1:\r%2");

bool IsExistingFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::string UpperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

bool EndsWithLowerHex(const std::string& s) {
    return s.size() >= 4 && s.compare(s.size() - 4, 4, ".hex") == 0;
}
} // namespace

void TProjFm::Timer1Timer() {
    if (StartupPending) {
        // The sequence runs once: its board reset starts the timer again, and
        // a tick while one of its message boxes is open must not start it anew.
        StartupPending = false;
        Timer1->stop();
        ExecuteStartupProcedures();
        return;
    }
    if (PortReturn->HoldsTick())
        return;
    Engine->OnTick();
}

void TProjFm::ExecuteStartupProcedures() {
    // 1-2: the settings of the last session, or the defaults.
    Settings saved;
    saved.hexFileName = Image.HexFileName;
    if (std::optional<std::string> contents = ReadWholeFile(SettingsReadPath(Places)))
        saved = ParseSettings(SplitLines(*contents), ProgramDir);
    Engine->SetStyle(saved.programmerStyle);
    Image.HexFileName = saved.hexFileName;
    if (saved.fromFile)
        AdviseNewerFileLoad1->setChecked(saved.adviseNewerFileLoad);
    // The recent files are kept beside pro.dat, in a file of their own.
    ReadRecentFiles();

    // 3-5: the port, the programmer style and a board reset.
    ActivateSerialPort(saved.port);
    SetProgramVersion(Engine->Style(), false);
    Engine->ResetProgrammer(true);

    // 6-7: the (still empty) socket, and a last file that is gone.
    DrawTheSocket();
    if (!IsExistingFile(Image.HexFileName))
        Image.HexFileName = ProgramDir;

    // 8: the chip list; without one no chip is restored and no file opened.
    if (CheckAndLoadChipData()) {
        // 9: a HEX file and a chip name on the command line.
        const auto& args = Env.args;
        if (!args.empty() && EndsWithLowerHex(args[0]))
            Image.HexFileName = args[0];
        if (args.size() == 2) {
            std::string name = UpperAscii(args[1]);
            int found = FindChipCBText(name);
            if (found >= 0) {
                saved.chipIndex = found;
                saved.chipName = name;
            }
        }
        // 10: the last chip, only when the chip list has not changed since.
        const int count = ChipSelect->count();
        ChipSelect->setCurrentIndex(-1);
        if (saved.chipCount != -1 && saved.chipCount == count && saved.chipIndex < count &&
            saved.chipIndex >= 0 &&
            ChipSelect->itemText(saved.chipIndex).toStdString() == saved.chipName) {
            ChipSelect->setCurrentIndex(saved.chipIndex);
            SelectTheChip();
        }
        // 11-12: user mode and the last file.
        if (saved.restoreUserMode) {
            User1Click();
            OpenTheHexFile(Image.HexFileName);
        } else if (ChipSelected()) {
            OpenTheHexFile(Image.HexFileName);
        }
    }
    // 13
    SoundAvailable = CheckSoundAvailable();
}

bool TProjFm::FormCloseQuery() {
    return FileSaveQuery(true);
}

void TProjFm::FormClose() {
    std::error_code ec;
    std::filesystem::current_path(ProgramDir, ec);
    Settings s;
    s.port = Serial1->Port();
    s.hexFileName = Engine->UpgradeLoaded() ? ProgramDir : Image.HexFileName;
    s.chipCount = ChipSelect->count();
    s.chipIndex = ChipSelect->currentIndex();
    s.chipName = s.chipIndex >= 0 ? ChipSelect->currentText().toStdString() : std::string();
    s.adviseNewerFileLoad = AdviseNewerFileLoad1->isChecked();
    s.restoreUserMode = User1->isChecked();
    s.programmerStyle = Engine->Style();
    std::string path = SettingsWritePath(Places);
    std::string reason = WriteUserFile(path, JoinLinesCRLF(FormatSettings(s)));
    if (reason.empty()) {
        path = RecentFilesPath(Places);
        reason = WriteRecentFiles();
    }
    if (!reason.empty())
        dialogs().Error(Arg(kSettingsNotSaved, path, reason));
    Env.help->Quit();
}
