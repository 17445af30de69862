#pragma once

#include "boardsim.h"
#include "platform/scripted_dialogs.h"
#include "protocol/engine.h"
#include "protocol/engine_texts.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The engine on a host of its own, wired to a simulated board in the same
// process on a virtual clock: no window, no thread, no real time.
class EngineRig : public ProgrammerHost {
public:
    // The chip comes from the shipped chip file, for the program and the socket alike.
    // `adjust` may change the socket's chip first (another revision, say).
    explicit EngineRig(const std::string& chipName,
                       boardsim::Model model = boardsim::Model::Birch_A,
                       const std::function<void(boardsim::ChipConfig&)>& adjust = {});

    // Serves the board's answers and the 100 ms ticks until nothing more can
    // happen (timer off, nothing on the line) or `limitMs` of virtual time passed.
    void Run(int limitMs = 120000);
    // Resets the board and serves its greeting, as at start-up.
    void Connect();
    // The image as a HEX load leaves it: every entry blank, configuration words erased.
    void BlankImage();
    // Texts of every box shown since the last call, in order.
    std::vector<std::string> TakeTexts();
    bool Idle() const { return engine.Idle() && !timer; }
    bool AutoProgram() const { return engine.AutoProgramOn(); }
    std::int64_t NowMs() const { return link.Now() / 1000; }

    // ---- ProgrammerHost ----
    void Send(const std::string& bytes) override;
    void SetProgrammerReset(bool level) override;
    void PurgeRx() override {}
    std::string PortName() const override { return portOpen ? "COM 1" : ""; }
    void SetTimer(bool on) override;
    void Pause(int milliseconds) override;
    void StatusReported(const EngineStatus& status) override { statuses.push_back(Worded(status)); }
    void SetProgress(int value, int maximum) override;
    void Tell(const EngineMessage& message) override { SayIn(Boxes(), message); }
    Dialogs::Answer Ask(const EngineMessage& question) override { return SayIn(Boxes(), question); }
    Dialogs& Boxes() { return boxesOverride ? *boxesOverride : dialogs; }
    void OperationStarted(Operation operation) override;
    void OperationEnded(const OperationReport& report) override { reports.push_back(report); }
    void BackToIdle() override { controlsEnabled = true; }
    void OtherBoardGreeted(int style) override;
    bool ChipSelected() const override { return chipSelected; }
    std::string ChipWithDeviceId(int deviceId) const override;
    void ClearImage() override;
    void ImageRead() override { ++imageReads; }
    bool ReloadNewerFile() override { return reloadOk; }

    ChipRecord chip;
    MemoryImage image;
    std::string& id = image.IDText;
    boardsim::Board board;
    boardsim::InProcessLink link;
    ProgrammerEngine engine;
    ScriptedDialogs dialogs;
    Dialogs* boxesOverride = nullptr; // boxes that do something while they are open

    bool portOpen = true;
    bool chipSelected = true;
    bool timer = false;
    bool controlsEnabled = true;
    bool reloadOk = true; // a newer file on disk loads (or the host lets the Program go on)
    std::vector<Operation> started;       // every operation that began, in order
    std::vector<OperationReport> reports; // every end told, in order
    std::vector<std::string> statuses;
    std::string sent; // every byte sent to the board
    int progress = 0;
    int progressMax = 0;
    int progressPeak = 0;
    int imageReads = 0;
    int stylesSelected = 0;

private:
    std::int64_t nextTickUs_ = 0;
    std::size_t textsTaken_ = 0;
};

// The chip record of a chip in the shipped chip file, as the selection makes it.
ChipRecord ShippedChip(const std::string& name, int style = 1);
