#include "link/rfc2217_codec.h"

#include <gtest/gtest.h>

namespace {

using namespace telnet;

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out.push_back(static_cast<char>(v));
    return out;
}

Input FeedInPieces(const std::string& wire, size_t piece) {
    Reader reader;
    Input in;
    for (size_t i = 0; i < wire.size(); i += piece) {
        std::string part = wire.substr(i, piece);
        reader.Feed(reinterpret_cast<const uint8_t*>(part.data()), part.size(), in);
    }
    return in;
}

TEST(SerialCodec, CommandsAreFramedAndTheirValuesEscaped) {
    EXPECT_EQ(ComPortCommand(SetBaudrate, BigEndian32(19200)),
              Bytes({IAC, SB, 44, 1, 0, 0, 0x4B, 0x00, IAC, SE}));
    // 0x00FF00FF holds IAC twice: each is doubled inside the sub-negotiation.
    EXPECT_EQ(ComPortCommand(SetBaudrate, BigEndian32(0x00FF00FF)),
              Bytes({IAC, SB, 44, 1, 0, IAC, IAC, 0, IAC, IAC, IAC, SE}));
    EXPECT_EQ(EscapeIac(Bytes({1, IAC, IAC, 2})), Bytes({1, IAC, IAC, IAC, IAC, 2}));
}

TEST(SerialCodec, ReaderSplitsDataNegotiationsAndAnswersAcrossAnySplit) {
    std::string wire = Bytes({'A', IAC, IAC, IAC,  DO,  44, 0,   IAC,           SB,  44,  101,  0,
                              0,   IAC, IAC, 0x80, IAC, SE, IAC, 241 /* NOP */, 'B', IAC, WILL, 3});
    for (size_t piece : {1u, 2u, 5u, 100u}) {
        Input in = FeedInPieces(wire, piece);
        EXPECT_EQ(in.data, Bytes({'A', IAC, 0, 'B'})) << piece;
        EXPECT_EQ(in.negotiations, (std::vector<std::pair<uint8_t, uint8_t>>{{DO, 44}, {WILL, 3}}));
        EXPECT_EQ(in.subnegotiations, std::vector<std::string>{Bytes({44, 101, 0, 0, IAC, 0x80})});
    }
}

TEST(SerialCodec, OverlongSubnegotiationIsCutNotGrown) {
    std::string wire = Bytes({IAC, SB, 44, 107}) + std::string(10000, 'x') + Bytes({IAC, SE, 'C'});
    Input in = FeedInPieces(wire, 4096);
    ASSERT_EQ(in.subnegotiations.size(), 1u);
    EXPECT_EQ(in.subnegotiations[0].size(), Reader::MaxSubnegotiation);
    EXPECT_EQ(in.data, "C");
}

} // namespace
