#include "test_platform.h"

#include <QApplication>

#include <gtest/gtest.h>

// End-to-end tests run the main window on the toolkit's platform for tests
// (offscreen on Linux, see test_platform.h).
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", testplatform::kWindowPlatform);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
