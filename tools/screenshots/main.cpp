// tessaro-screenshots: pictures of every window, taken from the program as it
// is now. The main window opens against a simulated Birch_A board with a
// 16F628A and a small program loaded; then the fuse editor and a programming
// run (the README's three), then the port dialogs, the chip editor, the fly
// window and help, and with a 12F675 chosen the calibration and erase dialogs.
// Each picture is the window as the display server shows it (run it under
// Xvfb: scripts/screenshots).
//   tessaro-screenshots PROGRAM_FOLDER OUTPUT_FOLDER [--dark] [--main-only SUFFIX]
// The windows speak the locale's language, as the program's do. --dark shows every window in the
// colours of a dark desktop theme; --main-only takes only the main window and the fuse editor, as
// main-windowSUFFIX.png and fuse-editorSUFFIX.png (for the pictures at other screen scales and
// themes).
#include "app/assign_ports_fm.h"
#include "app/chip_editor_fm.h"
#include "app/fuse_edit_fm.h"
#include "app/osccal_fm.h"
#include "app/proj_fm.h"
#include "app/small_dialogs_fm.h"
#include "boardsim.h"
#include "demo_folder.h"
#include "platform/scripted_dialogs.h"
#include "platform/translate.h"
#include "platform/translator_qt.h"
#include "platform/utf8_path.h"
#include "ui/dark_palette.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace {
namespace fs = std::filesystem;

constexpr const char* kChip = "16F628A";

// A blink loop on port B and a table, with its configuration word and a
// greeting in the data EEPROM, in INHX8M: byte addresses, low byte first, 16 bytes a line.
std::string Records(int address, const std::vector<int>& bytes) {
    std::string lines;
    char text[16];
    for (std::size_t at = 0; at < bytes.size(); at += 16) {
        const std::size_t count = std::min<std::size_t>(16, bytes.size() - at);
        const int start = address + static_cast<int>(at);
        int sum = static_cast<int>(count) + (start >> 8) + (start & 0xFF);
        std::snprintf(text, sizeof text, ":%02X%04X00", static_cast<int>(count), start);
        lines += text;
        for (std::size_t i = at; i < at + count; ++i) {
            std::snprintf(text, sizeof text, "%02X", bytes[i]);
            lines += text;
            sum += bytes[i];
        }
        std::snprintf(text, sizeof text, "%02X\n", (-sum) & 0xFF);
        lines += text;
    }
    return lines;
}

std::string BlinkHex() {
    std::vector<int> code;
    for (int word : {0x1683, 0x0186, 0x1283, 0x0986, 0x2006, 0x2803, 0x0BA0, 0x2806, 0x0008}) {
        code.push_back(word & 0xFF);
        code.push_back(word >> 8);
    }
    // A table of 1280 RETLW words from 0x100 on: programming it takes long
    // enough to be caught half way, with the bar past the middle.
    std::vector<int> table;
    for (int i = 0; i < 1280; ++i) {
        table.push_back(i & 0xFF);
        table.push_back(0x34);
    }
    std::vector<int> greeting;
    for (char c : std::string("Tessaro!"))
        greeting.push_back(static_cast<unsigned char>(c));
    return Records(0x0000, code) + Records(0x0200, table) + Records(0x400E, {0x70, 0x3F}) +
           Records(0x4200, greeting) + ":00000001FF\n";
}

// Serves the window's events until `done`, at most `ms` milliseconds.
bool WaitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// The main window with the parts the pictures need, found by their names.
class ShotWindow : public TProjFm {
public:
    using TProjFm::TProjFm;
    MemoryImage& Image = Bench().Image();
    const ChipRecord& Chip = Bench().Chip();
    QAction* AssignPorts1 = findChild<QAction*>("AssignPorts1");
    QAction* Disassembly1 = findChild<QAction*>("Disassembly1");
    QAction* Port1 = findChild<QAction*>("Port1");
    QComboBox* ChipSelect = findChild<QComboBox*>("ChipSelect");
    QPushButton* FuseButt = findChild<QPushButton*>("FuseButt");
    QPushButton* ProgButt = findChild<QPushButton*>("ProgButt");
    QProgressBar* ProgressBar1 = findChild<QProgressBar*>("ProgressBar1");
    QLabel* StatusLabel = findChild<QLabel*>("StatusLabel");
    QTimer* Timer1 = findChild<QTimer*>("Timer1");
    TAssignPortsFm* AssignPortsFm = findChild<TAssignPortsFm*>("AssignPortsFm");
    TEditFm* EditFm = findChild<TEditFm*>("EditFm");
    TEraseFm* EraseFm = findChild<TEraseFm*>("EraseFm");
    TFlyForm* FlyForm = FlyWindow();
    TFuseEditFM* FuseEditFM = findChild<TFuseEditFM*>("FuseEditFM");
    TOscCalFm* OscCalFm = findChild<TOscCalFm*>("OscCalFm");
    TPortFm* PortFm = findChild<TPortFm*>("PortFm");
};

void Settle() {
    WaitFor([] { return false; }, 300);
}

bool Save(QWidget* window, const fs::path& file) {
    QPixmap picture = window->screen()->grabWindow(window->winId());
    if (picture.isNull())
        picture = window->grab(); // drawn by the program itself, without the frame
    if (picture.isNull() || !picture.save(QString::fromStdString(Utf8Of(file)), "PNG")) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", Utf8Of(file).c_str());
        return false;
    }
    std::printf("%s\n", Utf8Of(file).c_str());
    return true;
}

// A modal dialog that `open` shows: its picture, then `close` ends it.
bool DialogPicture(QWidget* dialog, const fs::path& file, const std::function<void()>& open,
                   const std::function<void()>& close) {
    bool saved = false;
    QTimer::singleShot(500, dialog, [&] {
        saved = Save(dialog, file);
        close();
    });
    open();
    return saved;
}

// What to take: every window, or the main window and the fuse editor under a suffix.
struct Shots {
    bool mainOnly = false;
    std::string suffix;
    fs::path File(const fs::path& out, const char* name) const {
        return out / (name + suffix + ".png");
    }
};

bool FuseEditorPicture(ShotWindow& w, const fs::path& out, const Shots& shots) {
    return DialogPicture(
        w.FuseEditFM, shots.File(out, "fuse-editor"), [&] { w.FuseButt->click(); },
        [&] { w.FuseEditFM->reject(); });
}

// The windows that are not in the README, with the board idle.
bool OtherWindowPictures(ShotWindow& w, const fs::path& out) {
    bool ok = DialogPicture(
        w.PortFm, out / "port-dialog.png", [&] { w.Port1->trigger(); },
        [&] { w.PortFm->reject(); });
    ok = ok && DialogPicture(
                   w.AssignPortsFm, out / "assign-ports.png", [&] { w.AssignPorts1->trigger(); },
                   [&] { w.AssignPortsFm->reject(); });
    ok = ok && DialogPicture(
                   w.EditFm, out / "chip-editor.png", [&] { w.Edit1Click(); },
                   [&] { w.EditFm->File1->trigger(); });
    w.FlyWindow1Click();
    Settle();
    ok = ok && Save(w.FlyForm, out / "fly-window.png");
    w.FlyForm->close();
    w.Contents1Click();
    Settle();
    QWidget* help = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->objectName() == "HelpFm")
            help = top;
    ok = ok && help != nullptr && Save(help, out / "help.png");
    if (help)
        help->close();
    // A chip with a calibration word and a bandgap, and a flash chip for the erase dialog.
    w.ChipSelect->setCurrentIndex(w.Bench().FindChip("12F675"));
    w.ChipSelectChange();
    w.Bench().ResetImage({false, false, true}); // a blank image with its calibration word
    w.Image.ROMData[static_cast<std::size_t>(w.Chip.ROMSize - 1)] = 0x3480;
    Settle();
    ok = ok && DialogPicture(
                   w.OscCalFm, out / "oscal.png", [&] { w.OscalButtClick(); },
                   [&] { w.OscCalFm->reject(); });
    ok = ok && DialogPicture(
                   w.EraseFm, out / "erase-dialog.png", [&] { w.BlankButtClick(); },
                   [&] { w.EraseFm->reject(); });
    return ok;
}

// View > Disassembly with three lines selected, as for View > Copy.
bool DisassemblyPicture(ShotWindow& w, const fs::path& out) {
    w.Disassembly1->trigger();
    w.SelectListingRow(2, false);
    w.SelectListingRow(4, true);
    Settle();
    const bool saved = Save(&w, out / "disassembly.png");
    w.Disassembly1->trigger();
    return saved;
}

// Taken half way through writing the program memory. A program without the
// operation engine does nothing on Program: then there is no picture to take.
bool ProgrammingPicture(ShotWindow& w, const fs::path& out) {
    w.ProgButt->click();
    if (!WaitFor([&] { return w.Timer1->isActive(); }, 3000)) {
        std::printf("programming run: Program started nothing, no picture\n");
        return true;
    }
    const auto halfWritten = [&] {
        const QProgressBar* bar = w.ProgressBar1;
        return w.StatusLabel->text() == Tr("Programming ROM...") &&
               bar->value() * 2 >= bar->maximum();
    };
    if (!WaitFor(halfWritten, 30000)) {
        std::fprintf(stderr, "screenshots: the programming run did not get under way\n");
        return false;
    }
    const bool saved = Save(&w, out / "programming.png");
    WaitFor([&] { return !w.Timer1->isActive(); }, 60000);
    return saved;
}

int Run(const fs::path& programDir, const fs::path& out, const fs::path& work, const Shots& shots) {
    std::vector<std::string> cid;
    boardsim::ReadTextLines((programDir / "chipinfo.cid").string(), cid);
    const boardsim::ChipInfoResult chip = boardsim::FindChipInfo(cid, kChip);
    if (!chip.ok) {
        std::fprintf(stderr, "screenshots: %s\n", chip.error.c_str());
        return 1;
    }
    boardsim::Board board(boardsim::Model::Birch_A, boardsim::Chip(chip.config));
    board.SetPacing({true, 19200, 200, 2000});
    boardsim::Rfc2217Server server(board);
    std::string error;
    if (!server.Start("127.0.0.1", 0, error)) {
        std::fprintf(stderr, "screenshots: %s\n", error.c_str());
        return 1;
    }
    const fs::path folder = work / "program";
    error = PrepareDemoFolder({programDir.string(), folder.string(), kChip, "Birch_A",
                               "rfc2217://127.0.0.1:" + std::to_string(server.Port())});
    if (!error.empty()) {
        std::fprintf(stderr, "screenshots: %s\n", error.c_str());
        return 1;
    }
    std::ofstream(folder / "blink.hex") << BlinkHex();
    fs::current_path(folder);

    ScriptedDialogs dialogs;
    TProjFmEnv env;
    env.dialogs = &dialogs;
    env.programDir = folder.string() + "/";
    env.args = {(folder / "blink.hex").string()};
    ShotWindow w(std::move(env));
    w.show();
    const QString connected = TrShown(Arg("%1 board connected", "Birch_A"));
    bool ok = WaitFor([&] { return w.StatusLabel->text() == connected; }, 10000);
    Settle();
    ok = ok && Save(&w, shots.File(out, "main-window"));
    if (!shots.mainOnly)
        ok = ok && DisassemblyPicture(w, out);
    ok = ok && FuseEditorPicture(w, out, shots);
    if (!shots.mainOnly) {
        ok = ok && ProgrammingPicture(w, out);
        ok = ok && WaitFor([&] { return !w.Timer1->isActive(); }, 10000);
        ok = ok && OtherWindowPictures(w, out);
    }
    for (const auto& shown : dialogs.shown)
        std::printf("%s: %s\n", shown.kind.c_str(), shown.text.c_str());
    server.Stop();
    return ok ? 0 : 1;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The language of the locale, as the program takes it (LANG=de_DE.UTF-8: German).
    UseLanguage(app, LanguageFromEnvironment(std::getenv));
    Shots shots;
    bool usage = argc < 3;
    for (int i = 3; i < argc && !usage; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dark") {
            QApplication::setStyle(QStyleFactory::create("Fusion"));
            QApplication::setPalette(DarkPalette());
        } else if (arg == "--main-only" && i + 1 < argc) {
            shots.mainOnly = true;
            shots.suffix = argv[++i];
        } else {
            usage = true;
        }
    }
    if (usage) {
        std::fprintf(stderr,
                     "usage: %s PROGRAM_FOLDER OUTPUT_FOLDER [--dark] [--main-only SUFFIX]\n",
                     argv[0]);
        return 2;
    }
    const fs::path out = fs::absolute(argv[2]);
    fs::create_directories(out);
    const fs::path work =
        fs::temp_directory_path() /
        ("tessaro-screenshots-" + std::to_string(QCoreApplication::applicationPid()));
    fs::remove_all(work);
    fs::create_directories(work);
    const int status = Run(fs::absolute(argv[1]), out, work, shots);
    fs::current_path(fs::temp_directory_path()); // out of the folder about to go
    fs::remove_all(work);
    return status;
}
