#include "chipdb/socket_picture.h"
#include "chipdb/socket_picture_qt.h"

#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <string>

namespace {

int DistinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

} // namespace

TEST(SocketPictures, EveryPictureIsEmbeddedAt114By266InSixteenColours) {
    for (const char* name : kSocketPictureNames) {
        const QImage image = LoadSocketPicture(name);
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.size(), QSize(114, 266)) << name;
        EXPECT_LE(image.colorCount(), 16) << name;
        const int colours = DistinctColours(image);
        EXPECT_LE(colours, 16) << name;
        EXPECT_GE(colours, 4) << name << " looks empty";
    }
}

TEST(SocketPictures, EveryPictureIsItsOwnDrawing) {
    // An alias pointing at the wrong file shows up as two equal pictures.
    for (size_t i = 0; i < kSocketPictureNames.size(); ++i)
        for (size_t j = i + 1; j < kSocketPictureNames.size(); ++j)
            EXPECT_NE(LoadSocketPicture(kSocketPictureNames[i]),
                      LoadSocketPicture(kSocketPictureNames[j]))
                << kSocketPictureNames[i] << " and " << kSocketPictureNames[j];
}

TEST(SocketPictures, EveryStyleAndSocketFindsItsPicture) {
    for (int style = 0; style <= 4; ++style)
        for (int socket = 1; socket <= 9; ++socket) {
            const std::string name = SocketPictureName(socket, style);
            EXPECT_EQ(LoadSocketPicture(name).isNull(), name.empty())
                << "socket " << socket << " style " << style;
        }
    EXPECT_TRUE(LoadSocketPicture("PIN99").isNull());
}

TEST(SocketPictures, ProgramIconIsEmbedded) {
    EnsureProgramResources();
    const QImage icon(":/Proj");
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.width(), icon.height());
    EXPECT_GE(icon.width(), 32);
}
