// What the engine tells its host of an operation: whether it started (and
// why not), one report at its end after every box it showed, and each change
// of state it went through.
#include "engine/engine_rig.h"
#include "protocol/command_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {
using Texts = std::vector<std::string>;

void SmallImage(EngineRig& rig) {
    rig.BlankImage();
    for (std::size_t i = 0; i < 8; ++i)
        rig.image.ROMData[i] = static_cast<int>(0x2800 + i) & rig.chip.WordMask;
}

// Each report's operation and outcome, in the order they were told.
using Ends = std::vector<std::pair<Operation, Outcome>>;
Ends EndsTold(const EngineRig& rig) {
    Ends ends;
    for (const OperationReport& report : rig.reports)
        ends.emplace_back(report.operation, report.outcome);
    return ends;
}

TEST(OperationReports, ARefusalSaysWhyAndStartsNothing) {
    struct Case {
        const char* what;
        const char* chip;
        std::function<void(EngineRig&)> prepare;
        std::function<StartResult(ProgrammerEngine&)> start;
        StartResult expected;
    };
    const auto program = [](ProgrammerEngine& e) { return e.Program(); };
    const Case cases[] = {
        {"no chip", "16F84A", [](EngineRig& r) { r.chipSelected = false; }, program,
         StartResult::NoChip},
        {"empty image", "16F84A", [](EngineRig&) {}, program, StartResult::NothingToDo},
        {"short image", "16F84A", [](EngineRig& r) { SmallImage(r), r.image.ROMData.resize(8); },
         [](ProgrammerEngine& e) { return e.Verify(); }, StartResult::ImageIncomplete},
        {"no chip ID", "12F509", SmallImage, [](ProgrammerEngine& e) { return e.ReadChipInfo(); },
         StartResult::NotSupported},
        {"erase answered No", "16F84A",
         [](EngineRig& r) { r.dialogs.answers = {Dialogs::Answer::No}; },
         [](ProgrammerEngine& e) { return e.BlankCheck(EraseChoice::Erase); },
         StartResult::Declined},
        {"file not reloaded", "16F84A", [](EngineRig& r) { SmallImage(r), r.reloadOk = false; },
         program, StartResult::FileNotReloaded},
        {"another under way", "16F84A",
         [](EngineRig& r) { SmallImage(r), r.engine.Verify(), r.sent.clear(); }, program,
         StartResult::Busy},
    };
    for (const Case& c : cases) {
        EngineRig rig(c.chip);
        rig.portOpen = false; // nothing is answered: the test looks at the start alone
        c.prepare(rig);
        const std::size_t started = rig.started.size();
        EXPECT_EQ(c.start(rig.engine), c.expected) << c.what;
        EXPECT_EQ(rig.started.size(), started) << c.what;
        EXPECT_TRUE(rig.sent.empty()) << c.what;
        EXPECT_TRUE(rig.reports.empty()) << c.what;
    }
}

// Boxes that note how many reports the host had been given when each was shown.
struct CountingBoxes : ScriptedDialogs {
    const EngineRig* rig = nullptr;
    std::vector<std::size_t> reportsAtBox;
    void Error(const std::string& text) override {
        reportsAtBox.push_back(rig->reports.size());
        ScriptedDialogs::Error(text);
    }
};

TEST(OperationReports, OneReportAfterTheBoxesOfTheEnd) {
    EngineRig rig("16F84A");
    CountingBoxes boxes;
    boxes.rig = &rig;
    rig.boxesOverride = &boxes;
    rig.Connect();
    SmallImage(rig);
    ASSERT_EQ(rig.engine.Verify(), StartResult::Started);
    rig.Run();
    // The chip is blank: the first word differs.
    ASSERT_EQ(EndsTold(rig), (Ends{{Operation::Verify, Outcome::Difference}}));
    EXPECT_EQ(rig.reports[0].details.region, "ROM");
    EXPECT_EQ(rig.reports[0].configBytes.size(), 26u);
    EXPECT_EQ(boxes.reportsAtBox, std::vector<std::size_t>{0});

    // Silence: the box and the reset pulse come first, then the report.
    rig.board.faults().silentAtCommand = cmd::ReadROM;
    ASSERT_EQ(rig.engine.Verify(), StartResult::Started);
    rig.Run();
    ASSERT_EQ(rig.reports.size(), 2u);
    EXPECT_EQ(rig.reports[1].outcome, Outcome::NoAnswer);
    EXPECT_EQ(boxes.reportsAtBox, (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(rig.started, (std::vector<Operation>{Operation::Verify, Operation::Verify}));
}

TEST(OperationReports, ACountedLoopReportsEachChipThenItself) {
    EngineRig rig("16F628A");
    rig.Connect();
    SmallImage(rig);
    ASSERT_EQ(rig.engine.StartAutoProgram({}, 2), StartResult::Started);
    rig.Run();
    rig.board.RemoveChip();
    rig.Run();
    rig.board.chip().Blank();
    rig.board.InsertChip();
    rig.Run();
    EXPECT_EQ(EndsTold(rig), (Ends{{Operation::Program, Outcome::Done},
                                   {Operation::Program, Outcome::Done},
                                   {Operation::AutoProgram, Outcome::Done}}));
    // The last chip ends as a single Program does: its message, then idle.
    EXPECT_EQ(rig.TakeTexts(), Texts{"Programming complete."});
    EXPECT_TRUE(rig.Idle() && !rig.AutoProgram() && rig.controlsEnabled);
}

// A Program the loop presses and that does not start (its file did not load)
// ends the loop: nothing else would ever come from the board.
TEST(OperationReports, TheLoopEndsWhenItsProgramIsRefused) {
    EngineRig rig("16F628A");
    rig.Connect();
    SmallImage(rig);
    rig.board.RemoveChip();
    ASSERT_EQ(rig.engine.StartAutoProgram({}), StartResult::Started);
    rig.Run();
    rig.reloadOk = false;
    rig.board.InsertChip();
    rig.Run();
    ASSERT_EQ(EndsTold(rig), (Ends{{Operation::AutoProgram, Outcome::Declined}}));
    EXPECT_EQ(rig.reports.back().refused, StartResult::FileNotReloaded);
    EXPECT_TRUE(rig.Idle() && !rig.AutoProgram() && rig.controlsEnabled);
}

TEST(OperationReports, EveryChangeOfStateIsTracedThroughKnownStates) {
    EngineRig rig("16F84A");
    std::vector<std::pair<EngineState, EngineState>> changes;
    rig.engine.SetTrace([&](EngineState from, EngineState to) { changes.emplace_back(from, to); });
    rig.Connect();
    SmallImage(rig);
    rig.dialogs.answers = {Dialogs::Answer::Yes};
    rig.engine.Program();
    rig.Run();
    ASSERT_EQ(rig.TakeTexts(), Texts{"Programming complete."});
    ASSERT_GT(changes.size(), 10u);
    EXPECT_EQ(changes.front(), std::make_pair(EngineState::Idle, EngineState::AwaitStart));
    EXPECT_EQ(changes.back().second, EngineState::Idle);
    const std::vector<EngineState>& all = ProgrammerEngine::AllStates();
    for (std::size_t i = 0; i < changes.size(); ++i) {
        EXPECT_NE(changes[i].first, changes[i].second);
        if (i > 0) {
            EXPECT_EQ(changes[i].first, changes[i - 1].second) << i;
        }
        EXPECT_NE(std::find(all.begin(), all.end(), changes[i].second), all.end())
            << ProgrammerEngine::StateName(changes[i].second);
    }
}
} // namespace
