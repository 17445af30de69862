// The network serial port: the Telnet codec alone, then a small client written
// here that programs the simulator over loopback TCP and dumps the chip.
#include "sim_fixtures.h"

#include "chip_hex.h"
#include "rfc2217_server.h"
#include "telnet_codec.h"
#include "test_socket.h"

#include <chrono>
#include <thread>

namespace boardsim::test {
namespace {

using namespace telnet;

std::string Sub(std::initializer_list<int> body) {
    return Bytes({IAC, SB, COM_PORT}) + Bytes(body) + Bytes({IAC, SE});
}

TEST(TelnetCodec, DataIsUnescapedEvenAcrossReads) {
    TelnetServerCodec codec;
    std::string reply;
    auto events = codec.Feed(Bytes({'A', 0xFF, 0xFF, 'B', 0xFF}), reply);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].data, Bytes({'A', 0xFF, 'B'}));
    events = codec.Feed(Bytes({0xFF, 'C'}), reply);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].data, Bytes({0xFF, 'C'}));
    EXPECT_TRUE(reply.empty());
    EXPECT_EQ(TelnetServerCodec::Escape(Bytes({1, 0xFF, 2})), Bytes({1, 0xFF, 0xFF, 2}));
}

TEST(TelnetCodec, SetControlDrivesTheLinesInOrderWithData) {
    TelnetServerCodec codec;
    std::string reply;
    const auto events =
        codec.Feed(Sub({SET_CONTROL, CONTROL_DTR_OFF}) + "x" + Sub({SET_CONTROL, CONTROL_DTR_ON}) +
                       Sub({SET_CONTROL, CONTROL_RTS_ON}) + Sub({SET_CONTROL, CONTROL_DTR_REQUEST}),
                   reply);
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].kind, PortEvent::Kind::Dtr);
    EXPECT_EQ(events[0].value, 0);
    EXPECT_EQ(events[1].data, "x");
    EXPECT_EQ(events[2].value, 1);
    EXPECT_EQ(events[3].kind, PortEvent::Kind::Rts);
    EXPECT_EQ(reply, Sub({105, CONTROL_DTR_OFF}) + Sub({105, CONTROL_DTR_ON}) +
                         Sub({105, CONTROL_RTS_ON}) + Sub({105, CONTROL_DTR_ON}));
}

TEST(TelnetCodec, OtherCommandsAreAcknowledgedAndNegotiationDoesNotLoop) {
    TelnetServerCodec codec;
    std::string reply;
    auto events = codec.Feed(Sub({SET_BAUDRATE, 0, 0, 0x4B, 0}), reply);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].value, 19200);
    EXPECT_EQ(reply, Sub({101, 0, 0, 0x4B, 0}));
    reply.clear();
    codec.Feed(Sub({SET_DATASIZE, 8}) + Sub({PURGE_DATA, 3}) + Sub({11, 0xFF, 0xFF}), reply);
    EXPECT_EQ(reply, Sub({102, 8}) + Sub({112, 3}) + Sub({111, 0xFF, 0xFF}));
    reply.clear();
    codec.Feed(Bytes({IAC, WILL, COM_PORT, IAC, WILL, COM_PORT, IAC, DO, BINARY, IAC, DO, 1}),
               reply);
    EXPECT_EQ(reply, Bytes({IAC, DO, COM_PORT, IAC, WILL, BINARY, IAC, WONT, 1}));
}

// A minimal RFC 2217 client: enough Telnet to talk to the board.
class TinyClient {
public:
    explicit TinyClient(int port) : socket_(port) {}
    void Close() { socket_.Close(); }
    bool connected() const { return socket_.Connected(); }

    void Raw(const std::string& bytes) { ASSERT_TRUE(socket_.Send(bytes)); }
    void Data(const std::string& bytes) {
        std::string escaped;
        for (char c : bytes) {
            escaped += c;
            if (static_cast<std::uint8_t>(c) == IAC) {
                escaped += c;
            }
        }
        Raw(escaped);
    }
    void Control(int value) { Raw(Sub({SET_CONTROL, value})); }

    // Reads until `count` data bytes have come (or 20 s pass), keeping Telnet commands apart.
    std::string ReadData(std::size_t count) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (data_.size() < count && std::chrono::steady_clock::now() < deadline) {
            bool closed = false;
            Parse(socket_.Receive(50, closed));
            if (closed) {
                break;
            }
        }
        const std::string out = data_.substr(0, std::min(count, data_.size()));
        data_.erase(0, out.size());
        return out;
    }
    std::string commands;

private:
    void Parse(const std::string& in) {
        for (char c : in) {
            const auto b = static_cast<std::uint8_t>(c);
            if (state_ == 0) {
                b == IAC ? void(state_ = 1) : void(data_ += c);
            } else if (state_ == 1) {
                if (b == IAC) {
                    data_ += c;
                    state_ = 0;
                } else {
                    commands += Bytes({IAC, b});
                    state_ = b == SB ? 2 : (b >= WILL ? 4 : 0);
                }
            } else if (state_ == 4) {
                commands += c;
                state_ = 0;
            } else {
                commands += c;
                state_ = (state_ == 2 && b == IAC) ? 3 : (state_ == 3 && b == SE ? 0 : 2);
            }
        }
    }
    TestSocket socket_;
    int state_ = 0;
    std::string data_;
};

template <class F> bool Eventually(F condition) {
    for (int i = 0; i < 1000; ++i) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

TEST(Rfc2217Server, ClientProgramsTheChipAndTheDumpShowsIt) {
    Board board(Model::Birch_A, Chip(Pic14()));
    Rfc2217Server server(board);
    std::string error;
    ASSERT_TRUE(server.Start("127.0.0.1", 0, error)) << error;
    ASSERT_GT(server.Port(), 0);
    TinyClient client(server.Port());
    ASSERT_TRUE(client.connected());

    client.Raw(Bytes({IAC, WILL, COM_PORT}));
    client.Control(CONTROL_RTS_ON);
    client.Control(CONTROL_DTR_OFF); // Birch boards reset on a low DTR
    client.Control(CONTROL_DTR_ON);
    EXPECT_EQ(client.ReadData(2), Bytes({'B', 1}));
    EXPECT_NE(client.commands.find(Bytes({IAC, DO, COM_PORT})), std::string::npos);
    EXPECT_NE(client.commands.find(Sub({105, CONTROL_DTR_OFF})), std::string::npos);

    client.Data(InitBlock(0x400, 0x40, 5));
    EXPECT_EQ(client.ReadData(2), "PI");
    client.Data(Bytes({0x07, 0x00, 0x03}));
    EXPECT_EQ(client.ReadData(1), "Y");
    const std::uint16_t words[] = {0x00FF, 0x3FFF, 0x2FF0, 0x0000};
    std::string answers;
    for (std::uint16_t w : words) {
        client.Data(Bytes({w >> 8, w & 0xFF})); // 0xFF bytes go out escaped
        answers += client.ReadData(1);
    }
    EXPECT_EQ(answers, "YYYP");

    client.Data(Bytes({0x0B}));
    const std::string rom = client.ReadData(0x800);
    ASSERT_EQ(rom.size(), 0x800u);
    EXPECT_EQ(rom.substr(0, 8), Bytes({0x00, 0xFF, 0x3F, 0xFF, 0x2F, 0xF0, 0x3F, 0xFF}));

    const auto dump = server.WithBoard([](Board& b) { return DumpChipHex(b.chip()); });
    ASSERT_FALSE(dump.empty());
    EXPECT_EQ(dump[0].substr(0, 21), ":10000000FF00FF3FF02F");

    client.Close(); // a closed port lets DTR fall: a Birch board is held in reset
    EXPECT_TRUE(Eventually([&] { return server.WithBoard([](Board& b) { return b.InReset(); }); }));
    server.Stop();
}

TEST(Rfc2217Server, PacedAnswersArriveNoSoonerThanTheWireAllows) {
    Board board(Model::Elm, Chip(Pic14()));
    board.SetPacing({true, 19200, 0});
    Rfc2217Server server(board);
    std::string error;
    ASSERT_TRUE(server.Start("127.0.0.1", 0, error)) << error;
    TinyClient client(server.Port());
    const auto start = std::chrono::steady_clock::now();
    client.Data(Bytes({0x02, 'a', 0x02, 'b', 0x02, 'c', 0x02, 'd'}));
    EXPECT_EQ(client.ReadData(4), "abcd");
    const auto elapsed = std::chrono::steady_clock::now() - start;
    // 8 bytes in before the last answer, then its byte out: at least 4.7 ms.
    EXPECT_GE(elapsed, std::chrono::microseconds(9 * 520));
}

TEST(Rfc2217Server, RefusesAnAddressItCannotUse) {
    Board board(Model::Elm, Chip(Pic14()));
    Rfc2217Server server(board);
    std::string error;
    EXPECT_FALSE(server.Start("localhost-is-not-an-address", 0, error));
    EXPECT_FALSE(error.empty());
}

} // namespace
} // namespace boardsim::test
