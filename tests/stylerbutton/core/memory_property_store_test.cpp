#include "stylerbutton/core/memory_property_store.h"

#include <gtest/gtest.h>

namespace tolvane::styler {
namespace {

TEST(MemoryPropertyStoreTest, KeysMatchWithoutRegardToCase) {
    MemoryPropertyStore store;
    store.Set("captiondisablecolor", std::int32_t{0xBAB6B7});
    EXPECT_EQ(store.Read("CaptionDisableColor", std::int32_t{0}),
              PropertyValue{std::int32_t{0xBAB6B7}});
    EXPECT_EQ(store.Read("Theme", std::int32_t{1}), PropertyValue{std::int32_t{1}});

    store.Set("CAPTIONDISABLECOLOR", std::int32_t{7});
    ASSERT_EQ(store.Entries().size(), 1u);
    EXPECT_EQ(store.Entries()[0].second, PropertyValue{std::int32_t{7}});
}

TEST(MemoryPropertyStoreTest, WriteLeavesOutDefaultsAndDropsStaleEntries) {
    MemoryPropertyStore store;
    store.Write("Theme", std::int32_t{3}, std::int32_t{1});
    store.Write("Caption", std::string("关闭"), std::string());
    EXPECT_TRUE(store.Contains("theme"));
    store.Write("THEME", std::int32_t{1}, std::int32_t{1});
    EXPECT_FALSE(store.Contains("Theme"));
    EXPECT_EQ(store.Read("Theme", std::int32_t{1}), PropertyValue{std::int32_t{1}});
    ASSERT_EQ(store.Entries().size(), 1u);
    EXPECT_EQ(store.Entries()[0].first, "Caption");
}

}  // namespace
}  // namespace tolvane::styler
