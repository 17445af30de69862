// tessaro-cli with the line's PostgreSQL store: numbers reserved before the
// chip is touched and closed by its result, shared by stations, voided or
// reused after a failure, interrupted when a station died, and the refusals
// of bad input before any chip is touched.
#include "child_process.h"
#include "platform/sha256.h"
#include "store_support.h"

#include <fstream>
#include <thread>

namespace {
using namespace clitest;
using namespace storetest;
using boardsim::Model;

int EepromSerial(SimBoard& sim, int at) {
    int value = 0;
    sim.server.WithBoard(
        [&](boardsim::Board& b) { value = b.chip().Eeprom(at) << 8 | b.chip().Eeprom(at + 1); });
    return value;
}

TEST(Store, TwoStationsShareASeriesAndEachRowCarriesItsChipsResult) {
    SimBoard a(Model::Elm, "16F628A");
    SimBoard b(Model::Elm, "16F628A");
    ProgramFolder f;
    const std::string store = LineDatabase(f, "shared_series");
    const std::string file = WritePatternHex(f, "16F628A");
    const std::vector<std::string> base = {
        "program", file,          "--chip",      "16F628A",        "--yes", "--serial-store",
        store,     "--serial-at", "eeprom:0x20", "--serial-bytes", "2"};
    CliRun first = RunTool(f, With(base, {"--serial", "5000", "--station", "east", "--port",
                                          a.Url(), "--log", f.Path("east.log")}));
    ASSERT_EQ(first.code, 0) << first.err;
    // The series exists now: the second station needs no --serial.
    CliRun second = RunTool(f, With(base, {"--station", "west", "--port", b.Url(), "--log",
                                           f.Path("west.log"), "--json"}));
    ASSERT_EQ(second.code, 0) << second.err;
    EXPECT_EQ(EepromSerial(a, 0x20), 5000);
    EXPECT_EQ(EepromSerial(b, 0x20), 5001);

    CliRun found = RunTool(f, {"serials", "find", "5001", "--json", "--serial-store", store});
    ASSERT_EQ(found.code, 0) << found.err;
    ASSERT_EQ(found.Results().size(), 1u) << found.out;
    std::map<std::string, std::string> row = found.Results()[0];
    EXPECT_EQ(row["station"], "west");
    EXPECT_EQ(row["board"], b.Url());
    EXPECT_EQ(row["chip"], "16F628A");
    EXPECT_EQ(row["result"], "done");
    EXPECT_EQ(row["series"], "default");
    EXPECT_EQ(row["image_crc32"], second.Results().at(0).at("image_crc32"));
    EXPECT_EQ(row["hex_sha256"], Sha256Hex(ReadFile(file)));
    EXPECT_NE(row["closed_at"], "null");
    EXPECT_EQ(row.count("checksum"), 1u); // filled where the log line has one

    CliRun status = RunTool(f, {"serials", "status", "--json", "--serial-store", store});
    ASSERT_EQ(status.Results().size(), 1u) << status.out << status.err;
    const std::map<std::string, std::string> want = {
        {"series", "default"}, {"next", "5002"}, {"given", "2"},
        {"done", "2"},         {"failed", "0"},  {"voided", "0"},
        {"interrupted", "0"},  {"open", "0"},    {"reusable", "0"}};
    EXPECT_EQ(status.Results()[0], want);
    CliRun report = RunTool(f, {"serials", "report", "--csv", "--serial-store", store});
    EXPECT_EQ(report.out.substr(0, report.out.find('\n')),
              "station,board,chips,passed,failed,yield,first,last");
    EXPECT_NE(report.out.find("\nwest," + b.Url() + ",1,1,0,100.0,"), std::string::npos)
        << report.out;
    // Numbers handed to an SQTP file are taken out of the series.
    const std::string parts = f.Path("parts.num");
    CliRun exported =
        RunTool(f, {"serials", "export-sqtp", parts, "--chip", "16F628A", "--serial-at",
                    "eeprom:0x20", "--serial-bytes", "2", "--count", "3", "--serial-store", store});
    ASSERT_EQ(exported.code, 0) << exported.err;
    const std::string records = ReadFile(parts);
    EXPECT_EQ(records.substr(0, 17), ":0442400013008A00"); // 5002 = 0x138A
    EXPECT_EQ(std::count(records.begin(), records.end(), '\n'), 4);
    CliRun after = RunTool(f, {"serials", "status", "--json", "--serial-store", store});
    ASSERT_EQ(after.Results().size(), 1u) << after.err;
    EXPECT_EQ(after.Results()[0]["next"], "5005");
    CliRun missing = RunTool(f, {"serials", "find", "4999", "--serial-store", store});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("no chip has the serial number 4999"), std::string::npos);
}

TEST(Store, AFailedChipsNumberIsVoidedOrWithReuseGivenToTheNextChip) {
    SimBoard sim(Model::Elm, "16F628A");
    ProgramFolder f;
    const std::string store = LineDatabase(f, "failed_numbers");
    const std::string file = WritePatternHex(f, "16F628A");
    const std::vector<std::string> base = {"program",
                                           file,
                                           "--chip",
                                           "16F628A",
                                           "--yes",
                                           "--serial-store",
                                           store,
                                           "--serial-at",
                                           "eeprom:0x20",
                                           "--serial-bytes",
                                           "2",
                                           "--serial",
                                           "100",
                                           "--station",
                                           "s1",
                                           "--port",
                                           sim.Url(),
                                           "--log",
                                           f.Path("line.log")};
    for (const bool reuse : {false, true}) {
        sim.server.WithBoard([](boardsim::Board& b) { b.faults().romFailAtWord = 3; });
        const std::vector<std::string> args = reuse ? With(base, {"--serial-reuse-failed"}) : base;
        EXPECT_EQ(RunTool(f, args).code, 1);
        CliRun next = RunTool(f, args);
        EXPECT_EQ(next.code, 0) << next.err;
    }
    // Void: 100 failed and stays voided, 101 done. Reuse: 102 failed, then
    // went to the next chip, whose row says so.
    EXPECT_EQ(Rows("failed_numbers"),
              (std::vector<std::string>{"voided|failed|100", "done|done|101", "reused|failed|102",
                                        "done|done|102"}));
    EXPECT_EQ(Server().Sql("failed_numbers",
                           "SELECT count(*) FROM tessaro_chips c JOIN tessaro_chips o "
                           "ON c.reuse_of = o.id WHERE c.serial = 102 AND o.state = 'reused'"),
              std::vector<std::string>{"1"});
    EXPECT_EQ(EepromSerial(sim, 0x20), 102);
    CliRun status = RunTool(f, {"serials", "status", "--json", "--serial-store", store});
    ASSERT_EQ(status.Results().size(), 1u) << status.err;
    EXPECT_EQ(status.Results()[0]["given"], "3");
    EXPECT_EQ(status.Results()[0]["failed"], "2");
    EXPECT_EQ(status.Results()[0]["voided"], "1");
}

TEST(Store, BadInputIsRefusedBeforeAnyChipIsTouched) {
    SimBoard sim(Model::Elm, "16F628A");
    ProgramFolder f;
    const std::string store = LineDatabase(f, "bad_input");
    const std::string bare = Server().NewDatabase("no_schema");
    const std::string file = WritePatternHex(f, "16F628A");
    const std::vector<std::string> base = {
        "program", file,          "--chip",      "16F628A", "--yes",           "--port",
        sim.Url(), "--serial-at", "eeprom:0x20", "--log",   f.Path("line.log")};
    struct Case {
        std::vector<std::string> more;
        int code;
        std::string says;
    };
    const Case cases[] = {
        {{"--serial-store", "mysql://line/db", "--serial", "1"}, 3, "is not a PostgreSQL address"},
        {{"--serial-store", Server().Address("bad_input", "nobody"), "--serial", "1"},
         2,
         "role \"nobody\" does not exist"},
        {{"--serial-store", store, "--serial-series", "nosuch"},
         3,
         "the serial series nosuch does not exist"},
        {{"--serial-store", bare, "--serial", "1"}, 3, "run `tessaro-cli serials init`"},
    };
    for (const Case& c : cases) {
        CliRun run = RunTool(f, With(base, c.more));
        EXPECT_EQ(run.code, c.code) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
    CliRun noStore = RunTool(f, With(base, {"--serial", "1", "--station", "east"}));
    EXPECT_EQ(noStore.code, 3);
    EXPECT_NE(noStore.err.find("--serial-series and --station belong to --serial-store"),
              std::string::npos);
    // The board never heard from the program.
    EXPECT_FALSE(sim.WaitForCommand("", 0));
    // An older schema (a row saying version 0) is told to upgrade too.
    Server().Sql("bad_input", "UPDATE tessaro_schema SET version = 0");
    CliRun old = RunTool(f, {"serials", "status", "--serial-store", store});
    EXPECT_EQ(old.code, 3);
    EXPECT_NE(old.err.find("older than this program's 1: run `tessaro-cli serials init`"),
              std::string::npos)
        << old.err;
}

// A station's role with the privileges README names is enough; a role
// without them is refused with the server's reason (exit code 2).
TEST(Store, AStationRoleNeedsOnlyThePrivilegesTheReadmeNames) {
    SimBoard sim(Model::Elm, "16F628A");
    ProgramFolder f;
    LineDatabase(f, "privileges");
    Server().Sql("privileges",
                 "CREATE ROLE pc1 LOGIN; CREATE ROLE pc2 LOGIN; CREATE ROLE stations; "
                 "GRANT stations TO pc1; "
                 "GRANT SELECT ON tessaro_schema TO stations; "
                 "GRANT SELECT, INSERT, UPDATE ON tessaro_series, tessaro_chips TO stations; "
                 "GRANT SELECT, INSERT ON tessaro_series_list TO stations; "
                 "GRANT USAGE ON SEQUENCE tessaro_chips_id_seq TO stations;");
    const std::string file = WritePatternHex(f, "16F628A");
    const std::vector<std::string> base = {
        "program",      file,      "--chip",          "16F628A",     "--yes",
        "--port",       sim.Url(), "--serial-at",     "eeprom:0x20", "--serial-list",
        f.Path("list"), "--log",   f.Path("line.log")};
    { std::ofstream(f.Path("list")) << "11\n22\n33\n"; }
    CliRun pc1 = RunTool(f, With(base, {"--serial-store", Server().Address("privileges", "pc1")}));
    EXPECT_EQ(pc1.code, 0) << pc1.err;
    EXPECT_EQ(EepromSerial(sim, 0x22), 11);
    CliRun pc2 = RunTool(f, With(base, {"--serial-store", Server().Address("privileges", "pc2")}));
    EXPECT_EQ(pc2.code, 2);
    EXPECT_NE(pc2.err.find("the serial store refused: ERROR:  permission denied"),
              std::string::npos)
        << pc2.err;
    EXPECT_EQ(Rows("privileges"), std::vector<std::string>{"done|done|11"});
}

// Killed in the middle of a chip: the reservation stays open until the
// station starts again, which closes it as interrupted; its number is never
// given again. close-stale does the same for a station that does not return.
TEST(Store, AStationKilledMidChipLeavesItsNumberInterruptedNeverGivenAgain) {
    SimBoard sim(Model::Elm, "16F628A");
    ProgramFolder f;
    const std::string store = LineDatabase(f, "killed_station");
    const std::string file = WritePatternHex(f, "16F628A");
    const std::vector<std::string> args = {"program",
                                           file,
                                           "--chip",
                                           "16F628A",
                                           "--yes",
                                           "--serial-store",
                                           store,
                                           "--serial",
                                           "7",
                                           "--serial-at",
                                           "eeprom:0x20",
                                           "--station",
                                           "north",
                                           "--port",
                                           sim.Url(),
                                           "--log",
                                           f.Path("north.log")};
    for (int kill = 0; kill < 2; ++kill) {
        ChildProcess child(TESSARO_CLI_PATH, args);
        ASSERT_TRUE(sim.WaitForCommand("ProgramROM"));
        child.Kill();
        ASSERT_EQ(child.Wait(), -1);
    }
    // The second start closed the first run's reservation; the second's is open.
    EXPECT_EQ(Rows("killed_station"), (std::vector<std::string>{"interrupted|-|7", "open|-|8"}));
    CliRun stale = RunTool(
        f, {"serials", "close-stale", "--station", "north", "--json", "--serial-store", store});
    EXPECT_EQ(stale.out, "{\"station\":\"north\",\"closed\":1}\n") << stale.err;
    CliRun again = RunTool(f, args);
    EXPECT_EQ(again.code, 0) << again.err;
    EXPECT_EQ(Rows("killed_station"),
              (std::vector<std::string>{"interrupted|-|7", "interrupted|-|8", "done|done|9"}));
}
} // namespace
