#include "test_platform.h"

#include <QApplication>

#include <gtest/gtest.h>

// Window tests run on the toolkit's platform for tests (offscreen on Linux,
// see test_platform.h) with one application object.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", testplatform::kWindowPlatform);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
