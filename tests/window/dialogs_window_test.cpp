#include "platform/scripted_dialogs.h"

#include <QWidget>

#include <gtest/gtest.h>

TEST(WindowHarness, OffscreenWidgetsCanBeCreated) {
    QWidget w;
    w.resize(100, 50);
    w.show();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.size(), QSize(100, 50));
}
