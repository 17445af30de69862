#include "platform/debug_log.h"

#include <cstdlib>

#include <gtest/gtest.h>

TEST(DebugLog, CategoriesAreWholeNamesInAList) {
    ::setenv("TESSARO_DEBUG", "link, ui", 1);
    EXPECT_TRUE(DebugCategoryOn("link"));
    EXPECT_TRUE(DebugCategoryOn("ui"));
    EXPECT_FALSE(DebugCategoryOn("u"));
    ::setenv("TESSARO_DEBUG", "build,linker", 1);
    EXPECT_FALSE(DebugCategoryOn("ui"));
    EXPECT_FALSE(DebugCategoryOn("link"));
    ::unsetenv("TESSARO_DEBUG");
    EXPECT_FALSE(DebugCategoryOn("link"));
}
