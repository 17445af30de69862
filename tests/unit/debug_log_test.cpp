#include "platform/debug_log.h"
#include "test_platform.h"

#include <gtest/gtest.h>

TEST(DebugLog, CategoriesAreWholeNamesInAList) {
    testplatform::SetEnv("TESSARO_DEBUG", "link, ui");
    EXPECT_TRUE(DebugCategoryOn("link"));
    EXPECT_TRUE(DebugCategoryOn("ui"));
    EXPECT_FALSE(DebugCategoryOn("u"));
    testplatform::SetEnv("TESSARO_DEBUG", "build,linker");
    EXPECT_FALSE(DebugCategoryOn("ui"));
    EXPECT_FALSE(DebugCategoryOn("link"));
    testplatform::UnsetEnv("TESSARO_DEBUG");
    EXPECT_FALSE(DebugCategoryOn("link"));
}
