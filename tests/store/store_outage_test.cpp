// The line's store going away in the middle of a run, and a station started
// while results wait in its journal.
#include "child_process.h"
#include "store/store_journal.h"
#include "store_support.h"

#include <chrono>
#include <filesystem>
#include <thread>

namespace {
using namespace clitest;
using namespace storetest;
using boardsim::Model;

// Whether the file has come to hold something within the time.
bool WaitForContent(const std::string& path, int timeoutMs = 20000) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::error_code ec;
    while (std::chrono::steady_clock::now() < until) {
        if (std::filesystem::file_size(path, ec) > 0 && !ec)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// The server stops while the second chip is being written: that chip is
// finished and its result kept in the journal; the station says once that it
// waits, starts no chip, and goes on by itself when the server is back.
TEST(StoreOutage, TheStationFinishesTheChipInHandWaitsOnceAndGoesOnWhenTheServerIsBack) {
    SimBoard sim(Model::Elm, "16F628A");
    ProgramFolder f;
    const std::string store = LineDatabase(f, "outage");
    const std::string file = WritePatternHex(f, "16F628A");
    const std::string log = f.Path("line.log");
    sim.server.WithBoard([](boardsim::Board& b) { b.RemoveChip(); });
    bool journalSeen = false;
    bool secondReservedBeforeStop = false;
    std::thread operatorThread([&] {
        for (int chip = 1; chip <= 3; ++chip) {
            if (!sim.WaitForCommand("WaitChipInsertion", 20000))
                return;
            sim.server.WithBoard([chip](boardsim::Board& b) {
                b.chip().Blank();
                // The second chip's words are written slowly: it is still
                // in hand when the server has stopped.
                boardsim::Pacing slow;
                slow.wordWriteUs = chip == 2 ? 20000 : 0;
                b.SetPacing(slow);
                b.InsertChip();
            });
            if (chip == 2) {
                if (!sim.WaitForCommand("ProgramROM"))
                    return;
                secondReservedBeforeStop = Server().Sql("outage", "SELECT count(*) FROM "
                                                                  "tessaro_chips")[0] == "2";
                sim.server.WithBoard([](boardsim::Board& b) {
                    Server().Stop(); // the board stands still meanwhile
                    b.SetPacing({});
                });
            }
            if (chip == 3 || !sim.WaitForCommand("WaitChipRemoval", 20000))
                return;
            sim.server.WithBoard([](boardsim::Board& b) { b.RemoveChip(); });
            // The chip's result comes with its removal, and finds no server.
            if (chip == 2) {
                journalSeen = WaitForContent(log + ".journal");
                Server().Start();
            }
        }
    });
    CliRun run = RunTool(f, {"auto", file, "--chip", "16F628A", "--count", "3", "--port", sim.Url(),
                             "--serial-store", store, "--serial", "1", "--serial-at", "eeprom:0x20",
                             "--station", "south", "--log", log});
    operatorThread.join();
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(secondReservedBeforeStop);
    EXPECT_TRUE(journalSeen) << run.err;
    EXPECT_EQ(Count(run.err, "no new chip until the serial store is back"), 1u) << run.err;
    EXPECT_EQ(Count(run.err, "tessaro-cli: the serial store is back\n"), 1u) << run.err;
    EXPECT_EQ(ReadFile(log + ".journal"), "");
    EXPECT_EQ(Rows("outage"),
              (std::vector<std::string>{"done|done|1", "done|done|2", "done|done|3"}));
    // The journal's row has the log's fields like the others.
    EXPECT_EQ(Server().Sql("outage", "SELECT count(*) FROM tessaro_chips WHERE image_crc32 "
                                     "LIKE '0x%' AND elapsed_s > 0"),
              std::vector<std::string>{"3"});
}

// A station killed with a result in its journal writes it when it starts
// again, before it closes what it left open: the row is the chip's result,
// not interrupted.
TEST(StoreOutage, AStationStartedWithAJournalWritesItFirst) {
    SimBoard sim(Model::Elm, "16F628A");
    ProgramFolder f;
    const std::string store = LineDatabase(f, "journal_first");
    const std::string file = WritePatternHex(f, "16F628A");
    const std::string log = f.Path("line.log");
    const std::vector<std::string> args = {
        "program",        file,        "--chip",   "16F628A", "--yes",
        "--serial-store", store,       "--serial", "40",      "--serial-at",
        "eeprom:0x20",    "--station", "west",     "--port",  sim.Url(),
        "--log",          log};
    {
        ChildProcess child(TESSARO_CLI_PATH, args);
        ASSERT_TRUE(sim.WaitForCommand("ProgramROM"));
        child.Kill();
        ASSERT_EQ(child.Wait(), -1);
    }
    const std::vector<std::string> id =
        Server().Sql("journal_first", "SELECT id FROM tessaro_chips");
    ASSERT_EQ(id.size(), 1u);
    JournalEntry kept;
    kept.row = std::stoll(id[0]);
    kept.result.result = "done";
    kept.result.imageCrc32 = "0x0BADF00D";
    ASSERT_EQ(StoreJournal(log + ".journal").Append(kept), "");
    CliRun again = RunTool(f, args);
    EXPECT_EQ(again.code, 0) << again.err;
    EXPECT_EQ(Rows("journal_first"), (std::vector<std::string>{"done|done|40", "done|done|41"}));
    EXPECT_EQ(Server().Sql("journal_first", "SELECT image_crc32 FROM tessaro_chips WHERE serial "
                                            "= 40"),
              std::vector<std::string>{"0x0BADF00D"});
    EXPECT_EQ(ReadFile(log + ".journal"), "");
}
} // namespace
