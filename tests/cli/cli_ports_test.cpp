// tessaro-cli ports and --port auto against a fake machine's sys/ and dev/
// and simulated boards behind network serial names.
#include "cli/cli_test_support.h"
#include "fake_machine.h"

#include <fstream>

#include <gtest/gtest.h>

namespace {
using namespace clitest;
using boardsim::Model;

const FakeUsbAdapter kCliFtdi{
    "ttyUSB0",  "ftdi_sio", "0403",
    "6001",     "FTDI",     "FT232R USB UART",
    "A10K1ABC", 16,         "usb-FTDI_FT232R_USB_UART_A10K1ABC-if00-port0"};
const FakeUsbAdapter kCliAcm{"ttyACM0", "cdc_acm", "04d8", "000a", "Maker", "Board", "", -1, ""};

void MapPort(const ProgramFolder& f, int com, const std::string& text) {
    std::ofstream(f.Path("ports/com" + std::to_string(com))) << text << "\n";
}

TEST(CliPorts, ListsTheDevicesAndWhereEachComLeads) {
    FakeMachine machine;
    machine.AddUsb(kCliFtdi);
    machine.AddUsb(kCliAcm);
    machine.AddBuiltIn("ttyS0", 4);
    machine.AddBuiltIn("ttyS1", 0);
    ProgramFolder f("rfc2217://127.0.0.1:7000");
    std::filesystem::create_symlink(machine.root + "/dev/serial/by-id/" + kCliFtdi.byId,
                                    f.Path("ports/com2"));

    CliRun text = RunTool(f, {"ports"}, machine.root);
    ASSERT_EQ(text.code, 0) << text.err;
    EXPECT_EQ(text.out.find("/dev/ttyUSB0  FTDI FT232R USB UART (0403:6001, serial A10K1ABC)\n"
                            "    /dev/serial/by-id/" +
                            kCliFtdi.byId + "\n"),
              0u)
        << text.out;
    EXPECT_NE(text.out.find("/dev/ttyACM0  Maker Board (04d8:000a)\n"), std::string::npos);
    EXPECT_NE(text.out.find("/dev/ttyS0  built-in port (serial8250)\n"), std::string::npos);
    EXPECT_EQ(text.out.find("ttyS1"), std::string::npos);
    EXPECT_NE(text.out.find("COM1 -> rfc2217://127.0.0.1:7000\n"), std::string::npos);
    EXPECT_NE(text.out.find("COM2 -> " + machine.root + "/dev/serial/by-id/" + kCliFtdi.byId +
                            "  (" + machine.root + "/dev/ttyUSB0)\n"),
              std::string::npos)
        << text.out;

    CliRun json = RunTool(f, {"ports", "--json"}, machine.root);
    auto results = json.Results();
    ASSERT_EQ(results.size(), 5u) << json.out;
    auto ftdi = results[0];
    EXPECT_EQ(ftdi["device"], "/dev/ttyUSB0");
    EXPECT_EQ(ftdi["vendor_id"], "0403");
    EXPECT_EQ(ftdi["serial"], "A10K1ABC");
    EXPECT_EQ(ftdi["driver"], "ftdi_sio");
    EXPECT_EQ(results[1]["by_id"], "null");
    auto com1 = results[3];
    EXPECT_EQ(com1["com"], "COM1");
    EXPECT_EQ(com1["device"], "null");
}

TEST(CliPorts, AutoTakesTheOneCandidateOrTheOneWhoseBoardGreets) {
    FakeMachine machine;
    SimBoard sim(Model::Elm, "16F628A");
    ProgramFolder f;
    CliRun none = RunTool(f, {"info", "--port", "auto"}, machine.root);
    EXPECT_EQ(none.code, 2);
    EXPECT_NE(none.err.find("--port auto: no USB serial device and no network server in ports/"),
              std::string::npos)
        << none.err;

    MapPort(f, 3, sim.Url());
    CliRun one = RunTool(f, {"info", "--port", "auto"}, machine.root);
    EXPECT_EQ(one.code, 0) << one.err;
    EXPECT_NE(one.err.find("--port auto: COM3 (" + sim.Url() + ")"), std::string::npos) << one.err;

    // A server that is not there and an adapter that is no tty: no greeting.
    MapPort(f, 1, "rfc2217://127.0.0.1:1");
    machine.AddUsb(kCliFtdi);
    CliRun two = RunTool(f, {"info", "--port", "auto", "--json"}, machine.root);
    EXPECT_EQ(two.code, 0) << two.err;
    ASSERT_EQ(two.Results().size(), 1u) << two.out;
    EXPECT_EQ(two.Results()[0]["board"], "Elm");

    SimBoard other(Model::Cedar, "16F628A");
    MapPort(f, 1, other.Url());
    CliRun both = RunTool(f, {"info", "--port", "auto"}, machine.root);
    EXPECT_EQ(both.code, 2);
    EXPECT_NE(both.err.find("--port auto: boards greet on more than one of /dev/ttyUSB0, COM1 (" +
                            other.Url() + "), COM3 (" + sim.Url() + "); choose one with --port"),
              std::string::npos)
        << both.err;
}

} // namespace
