// The main window's start-up: from construction to a painted window with the
// last chip chosen and its 2048-word HEX file listed, as a user who restarts the
// program sees it. Runs on the offscreen platform (QT_SCALE_FACTOR=2 measures a
// high-density screen).
#include "app/proj_fm.h"
#include "platform/help_viewer_scripted.h"
#include "platform/scripted_dialogs.h"
#include "platform/sound_scripted.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

QApplication& App() {
    static int argc = 1;
    static char name[] = "window_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// 2048 program words counting up, in INHX8M records of 16 bytes.
std::string CountingHex() {
    std::string text;
    char line[64];
    for (int address = 0; address < 4096; address += 16) {
        int sum = 16 + (address >> 8) + (address & 0xFF);
        std::snprintf(line, sizeof line, ":10%04X00", address);
        text += line;
        for (int i = 0; i < 16; ++i) {
            const int word = (address + i) / 2;
            const int byte = (i % 2 == 0 ? word & 0xFF : (word >> 8) & 0x3F);
            std::snprintf(line, sizeof line, "%02X", byte);
            text += line;
            sum += byte;
        }
        std::snprintf(line, sizeof line, "%02X\n", (-sum) & 0xFF);
        text += line;
    }
    return text + ":00000001FF\n";
}

std::unique_ptr<TProjFm> StartWindow(const fs::path& folder, ScriptedDialogs& dialogs) {
    TProjFmEnv env;
    env.dialogs = &dialogs;
    env.sleep = [](int) {};
    env.programDir = folder.string() + "/";
    env.sound = std::make_unique<ScriptedSound>();
    env.help = std::make_unique<ScriptedHelpViewer>();
    auto w = std::make_unique<TProjFm>(std::move(env));
    w->show();
    w->Timer1Timer();
    QCoreApplication::processEvents();
    return w;
}

// A program folder whose pro.dat names the 16F628A and the HEX file, written by
// the window itself as the user's last session.
fs::path PreparedFolder() {
    const fs::path folder =
        fs::temp_directory_path() / ("tessaro-window-bench-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(fs::path(TESSARO_SOURCE_DIR) / "data/chipinfo.cid", folder / "chipinfo.cid");
    std::ofstream(folder / "count.hex") << CountingHex();
    fs::current_path(folder);
    ScriptedDialogs dialogs;
    std::unique_ptr<TProjFm> w = StartWindow(folder, dialogs);
    w->Bench().ChooseChip(w->Bench().FindChip("16F628A"), {.emptyImage = false});
    w->Bench().OpenFile((folder / "count.hex").string());
    w->FormClose();
    return folder;
}

void BM_WindowStartUp(benchmark::State& state) {
    App();
    const fs::path folder = PreparedFolder();
    std::size_t lines = 0;
    for (auto _ : state) {
        ScriptedDialogs dialogs;
        std::unique_ptr<TProjFm> w = StartWindow(folder, dialogs);
        lines = w->Listing().size();
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
    if (lines == 0)
        state.SkipWithError("the last HEX file was not listed");
    state.counters["listing_lines"] = static_cast<double>(lines);
    fs::current_path("/");
    fs::remove_all(folder);
}
BENCHMARK(BM_WindowStartUp)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace
