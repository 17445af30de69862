// The workbench on its own, as a face sees it: its commands against a board
// simulated on a loopback port, its view told what changed.
#include "boardsim.h"
#include "fuses/fuse_values.h"
#include "link/com_names.h"
#include "link/serial.h"
#include "platform/file_places.h"
#include "platform/scripted_dialogs.h"
#include "platform/utf8_path.h"
#include "protocol/engine_texts.h"
#include "workbench/port_return.h"
#include "workbench/workbench.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {
namespace fs = std::filesystem;

// A face that records what it is told, with a program folder whose COM1 leads
// to a simulated Birch_A board (or `model`) with a 16F628A in its socket.
struct BenchFace : BenchView {
    explicit BenchFace(boardsim::Model model = boardsim::Model::Birch_A)
        : board(model, SocketChip()), server(board) {
        std::string error;
        EXPECT_TRUE(server.Start("127.0.0.1", 0, error)) << error;
        fs::remove_all(dir);
        fs::create_directories(dir / "ports");
        std::ofstream(PortEntryPath(dir.string(), 1))
            << "rfc2217://127.0.0.1:" << server.Port() << "\n";
        bench.SetChipFilePath(TESSARO_SOURCE_DIR "/data/chipinfo.cid");
    }
    ~BenchFace() override {
        bench.ClosePort();
        server.Stop();
        fs::remove_all(dir);
    }
    static boardsim::Chip SocketChip() {
        std::vector<std::string> lines;
        boardsim::ReadTextLines(TESSARO_SOURCE_DIR "/data/chipinfo.cid", lines);
        return boardsim::Chip(boardsim::FindChipInfo(lines, "16F628A").config);
    }
    // Serves the port, as a face's loop does, until `done`; the ticks are the test's.
    bool ServeUntil(const std::function<bool()>& done) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!done() && std::chrono::steady_clock::now() < until)
            bench.Port().ServeEvents(5);
        return done();
    }
    // The serve a face hands to the workbench's commands that wait.
    ::ServeUntil Serving() {
        return [this](const std::function<bool()>& done) { return ServeUntil(done); };
    }
    bool ChooseShippedChip(const char* name) {
        bench.LoadChipFile();
        bench.ChooseChip(bench.FindChip(name));
        return bench.ChipSelected();
    }

    Dialogs& dialogs() override { return boxes; }
    void StatusChanged(const EngineStatus& status) override { statuses.push_back(Worded(status)); }
    void ProgressChanged(int, int) override {}
    void ChipChanged() override { ++chipChanges; }
    void ImageChanged(unsigned parts) override { imageChanges.push_back(parts); }
    void OperationEnded(const OperationReport& report) override { reports.push_back(report); }

    fs::path dir = fs::temp_directory_path() / ("tessaro-bench-" + std::to_string(getpid()));
    boardsim::Board board;
    boardsim::Rfc2217Server server;
    ScriptedDialogs boxes;
    std::vector<std::string> statuses;
    int chipChanges = 0;
    std::vector<unsigned> imageChanges;
    std::vector<OperationReport> reports;
    // The engine's tick on or off, as the workbench asks; the test ticks.
    struct : Ticker {
        void Start(int) override { on = true; }
        void Stop() override { on = false; }
        bool on = false;
    } ticker;
    int sleptMs = 0;
    // Pauses are counted and cut to a few milliseconds: the simulated board
    // needs no second-long reset pulse, but a pulse that takes no time at all
    // may fall within one tick of a coarse clock (Windows's) and go unseen.
    Workbench bench{*this, ticker,
                    [this](int ms) {
                        sleptMs += ms;
                        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(ms, 10)));
                    },
                    ChooseFilePlaces(dir.string() + "/", "", true, false)};
};

TEST(Workbench, SerialOnResetsTheBoardThroughTheEngineWhoseClockRunsUntilTheGreeting) {
    BenchFace face;
    ASSERT_TRUE(face.bench.OpenPort(1));
    face.bench.SerialOff();
    EXPECT_FALSE(face.bench.PortOpen());
    ASSERT_TRUE(face.bench.SerialOn());
    EXPECT_EQ(face.sleptMs, 400);      // the pulse after the port opened, and its settling
    EXPECT_FALSE(face.bench.AtRest()); // the watchdog waits for the board's greeting
    EXPECT_TRUE(face.ServeUntil([&] { return face.bench.AtRest(); }));
    EXPECT_EQ(face.statuses.back(), "Birch_A board connected");
    EXPECT_TRUE(face.boxes.shown.empty());
}

TEST(Workbench, ABoardOfAnotherModelIsAdoptedRefusedOrChosenAsTheUserWould) {
    for (const OtherBoard policy :
         {OtherBoard::Adopt, OtherBoard::Refuse, OtherBoard::SwitchStyle}) {
        BenchFace face(boardsim::Model::Cedar);
        face.bench.otherBoard = policy;
        face.bench.StartInStyle(1);
        ASSERT_TRUE(face.ChooseShippedChip("16F628A"));
        ASSERT_TRUE(face.bench.OpenPort(1));
        face.bench.ResetBoard();
        face.ServeUntil([&] { return face.bench.AtRest(); });
        const bool adopted = policy != OtherBoard::Refuse;
        EXPECT_EQ(face.bench.Style(), adopted ? 3 : 1) << static_cast<int>(policy);
        EXPECT_EQ(face.bench.OtherBoardSeen(), adopted ? -1 : 3);
        // Only the user's way of changing the style lets the chip go.
        EXPECT_EQ(face.bench.ChipSelected(), policy != OtherBoard::SwitchStyle);
    }
}

TEST(Workbench, ConnectSaysWhatCameOfTheHandshake) {
    BenchFace face(boardsim::Model::Cedar);
    ASSERT_TRUE(face.bench.ChoosePort("COM1"));
    ConnectResult c = face.bench.Connect(1, OtherBoard::Refuse, face.Serving());
    EXPECT_EQ(c.outcome, Connection::OtherBoard);
    EXPECT_EQ(c.otherStyle, 3);
    EXPECT_EQ(face.bench.Style(), 1);
    // The same board again, adopted this time: what the last one saw is forgotten.
    c = face.bench.Connect(1, OtherBoard::Adopt, face.Serving());
    EXPECT_EQ(c.outcome, Connection::Greeted);
    EXPECT_EQ(c.otherStyle, -1);
    EXPECT_EQ(face.bench.Style(), 3);
    EXPECT_EQ(face.bench.OtherBoardSeen(), -1);
    // A wait the user breaks off leaves the engine idle.
    c = face.bench.Connect(3, OtherBoard::Refuse,
                           [](const std::function<bool()>&) { return false; });
    EXPECT_EQ(c.outcome, Connection::Interrupted);
    EXPECT_TRUE(face.bench.Idle());
    // A port that does not open says why, and nothing is reset.
    face.bench.ClosePort();
    ASSERT_TRUE(face.bench.ChoosePort((face.dir / "no-such-device").string()));
    c = face.bench.Connect(3, OtherBoard::Refuse, face.Serving());
    EXPECT_EQ(c.outcome, Connection::CannotOpen);
    EXPECT_FALSE(c.reason.empty());
    EXPECT_TRUE(face.bench.AtRest());
}

TEST(Workbench, TheChipFileIsFoundWhateverFolderIsCurrentAndTheEditorsCopyReplacesIt) {
    BenchFace face;
    face.bench.SetChipFilePath({});
    EXPECT_FALSE(face.bench.ChipFileText());
    EXPECT_EQ(face.boxes.Texts(), std::vector<std::string>{"chipinfo.cid file is missing"});
    fs::copy_file(TESSARO_SOURCE_DIR "/data/chipinfo.cid", face.dir / "chipinfo.cid");
    const fs::path before = fs::current_path();
    fs::current_path(fs::temp_directory_path());
    EXPECT_TRUE(fs::path(face.bench.ChipFilePath()).is_absolute());
    const bool loaded = face.bench.LoadChipFile();
    std::optional<TextLines> text = face.bench.ChipFileText();
    fs::current_path(before);
    ASSERT_TRUE(loaded);
    ASSERT_TRUE(text);
    ASSERT_GE(face.bench.FindChip("16F628A"), 0);
    // The editor's copy, with the 16F628A's name changed, is the list from now on.
    for (std::string& line : text->lines)
        if (line == "CHIPNAME=16F628A")
            line.replace(line.find("16F628A"), 7, "16F628Z");
    ASSERT_TRUE(face.bench.SaveChipFile(*text));
    EXPECT_LT(face.bench.FindChip("16F628A"), 0);
    EXPECT_GE(face.bench.FindChip("16F628Z"), 0);
}

// A load makes the file's folder current; Windows removes no current folder,
// so a test that loads goes back to where it was.
struct KeptFolder {
    fs::path was = fs::current_path();
    ~KeptFolder() { fs::current_path(was); }
};

// A file of the face's folder with `contents`; its path (UTF-8).
std::string WriteIn(const BenchFace& face, const std::string& leaf, const std::string& contents) {
    const std::string path = Utf8Of(face.dir) + "/" + leaf;
    std::ofstream(PathOf(path)) << contents;
    return path;
}

// File names are UTF-8 on every system (Windows's narrow code page is not):
// a file whose name it cannot spell loads, names the caption, and comes back
// from the recent files.
TEST(Workbench, AFileNameOutsideTheSystemsCodePageLoadsAndComesBackFromTheRecentFiles) {
    BenchFace face;
    KeptFolder kept;
    ASSERT_TRUE(face.ChooseShippedChip("16F628A"));
    const std::string name =
        WriteIn(face, "\xCE\xA9mega \xC3\xA9t\xC3\xA9.hex", ":020000005A3074\n:00000001FF\n");
    ASSERT_TRUE(face.bench.LoadImage(false, FileChoice::Named(name)));
    EXPECT_NE(face.bench.Caption().find("\xCE\xA9mega \xC3\xA9t\xC3\xA9.hex"), std::string::npos);
    ASSERT_FALSE(face.bench.RecentFiles().empty());
    EXPECT_EQ(PathOf(face.bench.RecentFiles().front().path),
              fs::absolute(PathOf(name)).lexically_normal());
    face.bench.ResetImage();
    face.bench.OpenRecentFile(0);
    EXPECT_TRUE(face.boxes.Texts().empty());
    EXPECT_EQ(face.bench.ProgramWords().front(), 0x305A);
}

TEST(Workbench, FuseOptionsAndIdDigitsByNameChangeTheImageOnlyWhenEveryNameIsFound) {
    BenchFace face;
    ASSERT_TRUE(face.ChooseShippedChip("16F628A"));
    const FuseRows before = face.bench.Fuses();
    const auto row = std::find_if(before.begin(), before.end(),
                                  [](const FuseRow& r) { return r.InUse() && r.items.size() > 1; });
    ASSERT_NE(row, before.end());
    const std::string second = FuseItemName(row->items[1]);
    const FuseWords words = face.bench.Image().FuseValue;
    // A good pick and then a bad one: nothing is chosen, and the bad one is named.
    FuseOptionChoice c = face.bench.ChooseFuseOptions({{row->label, second}, {row->label, "?"}});
    EXPECT_EQ(c.result, FuseOptionChoice::Result::NoOption);
    EXPECT_EQ(c.row, row->label);
    EXPECT_EQ(c.choices.size(), row->items.size());
    EXPECT_EQ(face.bench.Image().FuseValue, words);
    c = face.bench.ChooseFuseOptions({{"NO-SUCH-FUSE", second}});
    EXPECT_EQ(c.result, FuseOptionChoice::Result::NoFuse);
    EXPECT_FALSE(c.choices.empty());
    face.imageChanges.clear();
    // Letter case aside, as the user types them.
    std::string lower = row->label;
    for (char& ch : lower)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    EXPECT_EQ(face.bench.ChooseFuseOptions({{lower, second}}).result,
              FuseOptionChoice::Result::Chosen);
    const auto chosen = std::find_if(face.bench.Fuses().begin(), face.bench.Fuses().end(),
                                     [&](const FuseRow& r) { return r.label == row->label; });
    EXPECT_EQ(chosen->selected, 1);
    EXPECT_NE(face.bench.Image().FuseValue, words);
    EXPECT_EQ(face.bench.ChooseIdDigits("12345"), IdChoice::TooLong);
    EXPECT_EQ(face.bench.ChooseIdDigits("12"), IdChoice::Chosen);
    EXPECT_EQ(face.bench.Image().IDText.size(), 4u);
    ASSERT_EQ(face.imageChanges.size(), 2u); // the fuses, the ID
    EXPECT_EQ(face.imageChanges.back(), static_cast<unsigned>(kImageConfig));
    ASSERT_TRUE(face.ChooseShippedChip("12F508"));
    EXPECT_EQ(face.bench.ChooseIdDigits("1"), IdChoice::NoId);
}

TEST(Workbench, ChoosingAChipTellsTheViewOnceAndGivesItAnEmptyImage) {
    BenchFace face;
    ASSERT_TRUE(face.ChooseShippedChip("18F452"));
    face.chipChanges = 0;
    face.imageChanges.clear();
    face.bench.ChooseChip(face.bench.FindChip("16F628A"), {.askToSave = true});
    EXPECT_EQ(face.chipChanges, 1); // one picture of the socket, one click
    ASSERT_FALSE(face.imageChanges.empty());
    EXPECT_NE(face.imageChanges.back() & kImageCleared, 0u);
    EXPECT_EQ(face.bench.Image().IDText, "FFFF"); // the ID goes with the image
    // Every fuse with choices back at its first.
    int choices = 0;
    for (const FuseRow& row : face.bench.Fuses()) {
        if (row.items.empty())
            continue;
        ++choices;
        EXPECT_EQ(row.selected, 0);
    }
    EXPECT_GT(choices, 0);
}

TEST(Workbench, ReadOffersToSaveChangedDataFirstAndCancelLeavesTheImage) {
    BenchFace face;
    ASSERT_TRUE(face.ChooseShippedChip("16F628A"));
    face.bench.Image().ROMData.assign(10, 0x1234);
    face.bench.Image().DataChanged = true;
    face.boxes.answers = {Dialogs::Answer::Cancel};
    EXPECT_EQ(face.bench.Read({}), StartResult::Declined);
    EXPECT_EQ(face.boxes.Texts(),
              std::vector<std::string>{"Data file has changed.\r\rDo you wish to save it?"});
    // The refusal's message is the question as a value, not its words.
    ASSERT_TRUE(face.bench.LastMessage());
    EXPECT_EQ(face.bench.LastMessage()->what, MessageWord::ReadOverChanges);
    EXPECT_EQ(face.bench.Image().ROMData.size(), 10u);
    EXPECT_FALSE(face.bench.Busy());
}

TEST(Workbench, AnUpgradeWithoutItsChipSaysSoInValues) {
    BenchFace face;
    EXPECT_EQ(face.bench.UpgradeFrom("none.hex", {}), StartResult::NoChip);
    ASSERT_TRUE(face.bench.LastMessage());
    EXPECT_EQ(face.bench.LastMessage()->what, MessageWord::UpgradeChipMissing);
    EXPECT_EQ(face.bench.LastMessage()->kind, MessageKind::Error);
    ASSERT_GE(face.statuses.size(), 2u);
    EXPECT_EQ(face.statuses[face.statuses.size() - 2], "Chip error...");
    EXPECT_EQ(face.statuses.back(), "Ready");
}

TEST(Workbench, AnUnpluggedPortHoldsTheTicksUntilItIsBack) {
    BenchFace face;
    ASSERT_TRUE(face.bench.OpenPort(1));
    face.bench.ResetBoard();
    face.bench.PortLost();
    EXPECT_FALSE(face.bench.PortOpen());
    EXPECT_EQ(face.statuses.back(), "Board unplugged");
    EXPECT_FALSE(face.ticker.on);
    // Not even a tick that comes late reaches the engine: no reset failure is
    // reported while the board is gone.
    for (int tick = 0; tick < 20; ++tick)
        face.bench.Tick();
    EXPECT_TRUE(face.boxes.shown.empty());
    ASSERT_TRUE(face.bench.PortBack());
    EXPECT_TRUE(face.ServeUntil([&] { return face.bench.AtRest(); }));
    EXPECT_EQ(face.statuses.back(), "Birch_A board connected");
}

TEST(Workbench, AnUnplugIsSeenInAnErrorThatMeansTheLinkIsGoneAndTheReturnReopensThePort) {
    BenchFace face;
    ASSERT_TRUE(face.bench.OpenPort(1));
    PortReturn rules(face.bench);
    EXPECT_FALSE(rules.Opened()); // a network server has no name to watch: it is tried again
    EXPECT_EQ(rules.PortFailed(EINVAL), PortReturn::Seen::Nothing); // a call that was wrong
    EXPECT_TRUE(face.bench.PortOpen());
    EXPECT_EQ(rules.PortFailed(ECONNRESET), PortReturn::Seen::Unplugged);
    EXPECT_TRUE(face.bench.PortLostNow());
    EXPECT_EQ(rules.PortFailed(ECONNRESET), PortReturn::Seen::Nothing); // once
    EXPECT_EQ(rules.TryAgain(), PortReturn::Seen::Back);
    EXPECT_TRUE(face.bench.PortOpen());
    EXPECT_TRUE(face.ServeUntil([&] { return face.bench.AtRest(); }));
    EXPECT_EQ(face.statuses.back(), "Birch_A board connected");
}

TEST(Workbench, AssigningThePortInUseOpensItAnewWhereItNowLeads) {
    BenchFace face;
    boardsim::Board other(boardsim::Model::Cedar, BenchFace::SocketChip());
    boardsim::Rfc2217Server otherServer(other);
    std::string error;
    ASSERT_TRUE(otherServer.Start("127.0.0.1", 0, error)) << error;
    ASSERT_TRUE(face.bench.OpenPort(1));
    face.bench.otherBoard = OtherBoard::Refuse;
    const std::string target = "rfc2217://127.0.0.1:" + std::to_string(otherServer.Port());
    ASSERT_TRUE(face.bench.AssignPort(1, target));
    const std::vector<PortMapping> mapped = face.bench.PortMappings();
    ASSERT_EQ(mapped.size(), 1u);
    EXPECT_EQ(mapped[0].names, target);
    EXPECT_EQ(face.bench.SurveyPorts(face.dir.string()).comTargets.at(0), target);
    // The board reset there is the other one.
    EXPECT_TRUE(face.ServeUntil([&] { return face.bench.AtRest(); }));
    EXPECT_EQ(face.bench.OtherBoardSeen(), 3);
    face.bench.ClosePort();
    otherServer.Stop();
}

TEST(Workbench, AnOperationsLastMessageComesWithItsReportAndARefusalsWithTheWorkbench) {
    BenchFace face;
    face.bench.LoadChipFile();
    EXPECT_NE(face.bench.Program({}), StartResult::Started);
    ASSERT_FALSE(face.boxes.shown.empty());
    EXPECT_EQ(Worded(face.bench.LastMessage()), face.boxes.Texts().back());
    ASSERT_TRUE(face.ChooseShippedChip("16F628A"));
    ASSERT_TRUE(face.bench.OpenPort(1));
    face.bench.ResetBoard();
    ASSERT_TRUE(face.ServeUntil([&] { return face.bench.AtRest(); }));
    ASSERT_EQ(face.bench.BlankCheck(EraseChoice::Check, {}), StartResult::Started);
    // A new operation: the refusal's message is not its own.
    EXPECT_FALSE(face.bench.LastMessage());
    ASSERT_TRUE(face.ServeUntil([&] { return !face.reports.empty(); }));
    const std::vector<std::string> texts = face.boxes.Texts();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(Worded(face.reports.back().message), texts.back());
}

} // namespace

// A load that fails leaves its outcome as a value, and the wide-word question
// is a Yes/No question whose No loads nothing and tells nothing more.
TEST(Workbench, FailedLoadsLeaveTheirOutcomeAsValues) {
    BenchFace face;
    KeptFolder kept;
    ASSERT_TRUE(face.ChooseShippedChip("16F628A"));
    const std::string wide = WriteIn(face, "wide.hex", ":02000000FFFF00\n:00000001FF\n");
    face.boxes.answers.push_back(Dialogs::Answer::No);
    EXPECT_FALSE(face.bench.LoadImage(false, FileChoice::Named(wide)));
    ASSERT_EQ(face.boxes.shown.size(), 1u);
    EXPECT_EQ(face.boxes.shown[0].kind, "question");
    ASSERT_TRUE(face.bench.LastMessage());
    EXPECT_EQ(face.bench.LastMessage()->what, MessageWord::DifferentCoreType);

    const std::string bad = WriteIn(face, "bad.hex", ":020000005A3074\n:0200\n");
    EXPECT_FALSE(face.bench.LoadImage(false, FileChoice::Named(bad)));
    ASSERT_TRUE(face.bench.LastMessage());
    EXPECT_EQ(face.bench.LastMessage()->what, MessageWord::HexFileBadLine);
    EXPECT_EQ(face.bench.LastMessage()->of.count, 1);
    EXPECT_EQ(face.boxes.shown.back().kind, "error");

    const std::string empty = WriteIn(face, "empty.cid", "");
    face.bench.SetChipFilePath(empty);
    EXPECT_FALSE(face.bench.LoadChipFile());
    ASSERT_TRUE(face.bench.LastMessage());
    EXPECT_EQ(face.bench.LastMessage()->what, MessageWord::ChipFileMissingOrEmpty);
    EXPECT_EQ(face.boxes.shown.back().kind, "error");
}
