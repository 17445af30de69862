// The folder scripts/demo prepares, opened by the main window against the
// simulated board: connected at once, the chip chosen, and its demo program
// ready for Program.
#include "window/main_window_harness.h"

#include "boardsim.h"
#include "demo_folder.h"
#include "image/hex_scan.h"
#include "platform/text_file.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include <chrono>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

namespace {
bool WaitForDemo(const std::function<bool()>& done, int seconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!done() && std::chrono::steady_clock::now() < until) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return done();
}

DemoRequest Request(const std::string& folder, const std::string& chip, const std::string& style) {
    return {TESSARO_PROGRAM_DIR, folder, chip, style, "rfc2217://127.0.0.1:1"};
}
} // namespace

TEST(DemoFolder, OpensConnectedWithTheChipChosenAndProgramsAtOnce) {
    MainWindowHarness h("e2e-demo");
    std::vector<std::string> cid;
    boardsim::ReadTextLines(std::string(TESSARO_PROGRAM_DIR) + "/chipinfo.cid", cid);
    boardsim::Board board(boardsim::Model::Birch_A,
                          boardsim::Chip(boardsim::FindChipInfo(cid, "16F628A").config));
    boardsim::Rfc2217Server server(board);
    std::string error;
    ASSERT_TRUE(server.Start("127.0.0.1", 0, error)) << error;
    DemoRequest request = Request(h.dir.string(), "16f628a", "birch_a");
    request.com1 = "rfc2217://127.0.0.1:" + std::to_string(server.Port());
    ASSERT_EQ(PrepareDemoFolder(request), "");

    TestWindow& w = h.Start();
    ASSERT_TRUE(WaitForDemo([&] { return w.StatusLabel->text() == "Birch_A board connected"; }, 5));
    EXPECT_EQ(w.ChipSelect->currentText(), "16F628A");
    w.ProgButt->click();
    ASSERT_TRUE(WaitForDemo([&] { return !h.dialogs.shown.empty(); }, 30));
    EXPECT_EQ(h.dialogs.Texts(), std::vector<std::string>{"Programming complete."});
    server.WithBoard([](boardsim::Board& b) {
        EXPECT_EQ(b.chip().Rom(15), 15);
        EXPECT_EQ(b.chip().Eeprom(0), 'T');
    });
    server.Stop();
}

TEST(DemoFolder, RefusesWhatTheBoardCannotTake) {
    MainWindowHarness h("e2e-demo-refused");
    EXPECT_EQ(PrepareDemoFolder(Request(h.dir.string(), "12C508A", "Alder")),
              "the chip 12C508A is not offered for the Alder style");
    EXPECT_EQ(PrepareDemoFolder(Request(h.dir.string(), "16F628A", "Oak")),
              "unknown programmer style Oak (Alder, Birch_A, Birch_B, Cedar or Elm)");
    EXPECT_TRUE(std::filesystem::is_empty(h.dir));
}

TEST(DemoFolder, EveryCoreClassGetsAProgramInItsOwnFormat) {
    MainWindowHarness h("e2e-demo-cores");
    for (const auto& [chip, kind] :
         {std::pair{"24C02", kScanINHX8M}, {"12F508", kScanINHX8M}, {"18F452", kScanINHX32}}) {
        const std::filesystem::path folder = h.dir / chip;
        ASSERT_EQ(PrepareDemoFolder(Request(folder.string(), chip, "Elm")), "") << chip;
        const auto bytes = ReadWholeFile((folder / "demo.hex").string());
        ASSERT_TRUE(bytes) << chip;
        EXPECT_EQ(ScanHexFile(SplitLines(*bytes)), kind) << chip;
    }
}
