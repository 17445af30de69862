#pragma once

// The main window against the board simulator served as a network serial port
// on loopback (COM1 names it through the program folder's ports/com1, or
// ports\port1.txt on Windows).
#include "window/main_window_harness.h"

#include "boardsim.h"
#include "link/com_names.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include <gtest/gtest.h>

namespace e2e {

// Serves the window's events until `done` or `seconds` pass. The default is a
// deadline for an event that comes, generous for a machine under load.
inline bool WaitFor(const std::function<bool()>& done, int seconds = 20) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < until) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (done())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return done();
}

inline bool WaitForStatus(TestWindow& w, const std::string& status, int seconds = 20) {
    const bool seen =
        WaitFor([&] { return w.StatusLabel->text().toStdString() == status; }, seconds);
    if (!seen)
        ADD_FAILURE() << "status line: " << w.StatusLabel->text().toStdString();
    return seen;
}

// COMn's entry in a program folder's ports/ (ports/comN; ports/portN.txt on Windows).
inline std::string PortsEntry(int com) {
    return "ports/" + ComEntryName(com);
}

// The chip of the shipped chip file in the socket, or the simulator's default chip.
inline boardsim::Chip SocketChip(const std::string& name) {
    if (name.empty())
        return boardsim::Chip();
    std::vector<std::string> lines;
    boardsim::ReadTextLines(TESSARO_SOURCE_DIR "/data/chipinfo.cid", lines);
    const boardsim::ChipInfoResult info = boardsim::FindChipInfo(lines, name);
    EXPECT_TRUE(info.ok) << info.error;
    return boardsim::Chip(info.config);
}

// A board of `model` with `chip` in its socket, on COM1 of the harness's folder.
class BoardOnCom1 {
public:
    BoardOnCom1(MainWindowHarness& h, boardsim::Model model, const std::string& chip = {})
        : board(model, SocketChip(chip)), server(board) {
        std::string error;
        EXPECT_TRUE(server.Start("127.0.0.1", 0, error)) << error;
        std::filesystem::create_directories(h.dir / "ports");
        h.WriteFile(PortsEntry(1), "rfc2217://127.0.0.1:" + std::to_string(server.Port()) + "\n");
    }
    ~BoardOnCom1() { server.Stop(); }
    boardsim::Board board;
    boardsim::Rfc2217Server server;
};

// Serves the window, running its 100 ms timer as fast as it is asked for.
inline bool RunTimerUntil(TestWindow& w, const std::function<bool()>& done) {
    return WaitFor([&] {
        if (w.Timer1->isActive())
            w.Timer1Timer();
        return done();
    });
}

inline std::string ReadInfoBox(MainWindowHarness& h, TestWindow& w) {
    const std::size_t before = h.dialogs.shown.size();
    w.ReadChipID1->trigger();
    WaitFor([&] { return h.dialogs.shown.size() > before && !w.Timer1->isActive(); }, 10);
    return h.dialogs.shown.size() > before ? h.dialogs.shown.back().text : std::string();
}

// pro.dat for port 1 and a style, no chip.
inline std::string SettingsFile(int style) {
    return "1\r\n\r\n0\r\n-1\r\n\r\nT\r\nF\r\n" + std::to_string(style) + "\r\n";
}

// The window connected to a Birch_A board with `chip` in its socket, that chip chosen.
struct Connected {
    Connected(const char* name, const std::string& chip)
        : h(name), sim((h.CopyShippedChipFile(), h), boardsim::Model::Birch_A, chip) {
        h.WriteFile("pro.dat", SettingsFile(1));
        w = &h.Start();
        EXPECT_TRUE(WaitForStatus(*w, "Birch_A board connected"));
        w->ChipSelect->setCurrentIndex(w->Bench().FindChip(chip));
        w->ChipSelectChange();
    }
    MainWindowHarness h;
    BoardOnCom1 sim;
    TestWindow* w = nullptr;
};

} // namespace e2e
