#include "chipdb/socket_picture.h"
#include "platform/style_numbers.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// Expected picture per socket number 0..10, for one style.
std::vector<std::string> PicturesFor(int style) {
    std::vector<std::string> out;
    for (int socket = 0; socket <= 10; ++socket)
        out.push_back(SocketPictureName(socket, style));
    return out;
}

} // namespace

TEST(SocketPicture, FirstOfEachPairForAlderBirchBAndCedar) {
    const std::vector<std::string> expected = {"", "PIN813", "PIN18",   "PIN28N", "PIN28W", "PIN40",
                                               "", "",       "PIN1413", "PIN837", ""};
    for (int style : {kAlderStyle, kBirchBStyle, kCedarStyle})
        EXPECT_EQ(PicturesFor(style), expected) << "style " << style;
}

TEST(SocketPicture, SecondOfEachPairForBirchAElmAndUnknownStyles) {
    const std::vector<std::string> expected = {"", "PIN811", "PIN18",   "PIN28N", "PIN28W", "PIN40",
                                               "", "",       "PIN1411", "PIN840", ""};
    for (int style : {kBirchAStyle, kElmStyle, 5, -1, 99})
        EXPECT_EQ(PicturesFor(style), expected) << "style " << style;
}

TEST(SocketPicture, EveryChosenPictureIsOneThatIsEmbedded) {
    const std::set<std::string> embedded(kSocketPictureNames.begin(), kSocketPictureNames.end());
    EXPECT_EQ(embedded.size(), 12u);
    for (int style = 0; style <= 4; ++style) {
        for (int socket = 1; socket <= 9; ++socket) {
            const std::string name = SocketPictureName(socket, style);
            if (!name.empty()) {
                EXPECT_TRUE(embedded.count(name)) << name;
            }
        }
    }
    EXPECT_TRUE(embedded.count(kBlankSocketPicture));
    EXPECT_TRUE(embedded.count(kICSPPicture));
}

TEST(SocketPicture, SelectedChipClearsClicksAndNamesTheBoardVariant) {
    const SocketView cedar = ChooseSocketView(true, 1, kCedarStyle, false);
    EXPECT_TRUE(cedar.FillBlack);
    EXPECT_TRUE(cedar.PlayClick);
    EXPECT_EQ(cedar.Picture, "PIN813");
    EXPECT_FALSE(cedar.PCBlabelVisible);

    const SocketView birchA = ChooseSocketView(true, 9, kBirchAStyle, false);
    EXPECT_EQ(birchA.Picture, "PIN840");
    EXPECT_TRUE(birchA.PCBlabelVisible);
    EXPECT_EQ(birchA.PCBlabelText, "A");

    const SocketView birchB = ChooseSocketView(true, 8, kBirchBStyle, false);
    EXPECT_EQ(birchB.Picture, "PIN1413");
    EXPECT_TRUE(birchB.PCBlabelVisible);
    EXPECT_EQ(birchB.PCBlabelText, "B");
}

TEST(SocketPicture, SocketsWithoutPictureLeaveOnlyTheBlackBackground) {
    for (int socket : {6, 7}) {
        const SocketView v = ChooseSocketView(true, socket, kAlderStyle, false);
        EXPECT_TRUE(v.FillBlack);
        EXPECT_EQ(v.Picture, "");
    }
}

TEST(SocketPicture, ICSPOverridesEveryChipAndHidesTheVariantLetter) {
    for (int style = 0; style <= 4; ++style)
        for (int socket = 1; socket <= 9; ++socket) {
            const SocketView v = ChooseSocketView(true, socket, style, true);
            EXPECT_EQ(v.Picture, "ICSP");
            EXPECT_TRUE(v.FillBlack);
            EXPECT_TRUE(v.PlayClick);
            EXPECT_FALSE(v.PCBlabelVisible) << "style " << style;
        }
}

TEST(SocketPicture, NoChipShowsTheBlankSocketSilentlyWhateverTheICSPMark) {
    for (bool icsp : {false, true}) {
        const SocketView v = ChooseSocketView(false, 5, kBirchBStyle, icsp);
        EXPECT_EQ(v.Picture, "SOCKETS");
        EXPECT_FALSE(v.FillBlack);
        EXPECT_FALSE(v.PlayClick);
        // The variant letter still names the board over the blank socket.
        EXPECT_TRUE(v.PCBlabelVisible);
        EXPECT_EQ(v.PCBlabelText, "B");
    }
    EXPECT_FALSE(ChooseSocketView(false, 0, kElmStyle, false).PCBlabelVisible);
}
