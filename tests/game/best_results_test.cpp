// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/player/BestResults.h"
#include "platform/headless/HeadlessServices.h"

#include <gtest/gtest.h>

using namespace pistework::game;
using pistework::platform::headless::MemoryStore;

TEST(BestResults, NewBestComparesPlayerHitsThenMarginAndTiesGoToTheNewerBout) {
    const BestResult empty{};
    EXPECT_TRUE(IsBetterWin(empty, 0, 5)) << "5 player hits beat the stored 4";
    EXPECT_FALSE(IsBetterWin(empty, 1, 3)) << "a timed 3 to 1 win has fewer player hits";
    EXPECT_TRUE(IsBetterWin(empty, 2, 4)) << "4 = 4 and a margin of 2 beats -1";

    const BestResult stored{10, 15, "Ann"};
    EXPECT_FALSE(IsBetterWin(stored, 12, 15)) << "margin 3 < 5";
    EXPECT_TRUE(IsBetterWin(stored, 10, 15)) << "an equal score replaces the record";
    EXPECT_TRUE(IsBetterWin(stored, 9, 15));
    EXPECT_FALSE(IsBetterWin(stored, 0, 14)) << "fewer player hits never win";
}

TEST(BestResults, StoreReadsDefaultsAndWritesWholeRecordsUnderNumberedNames) {
    MemoryStore store;
    auto results = ReadBestResults(store);
    for (int n = 1; n <= kLevelCount; ++n) {
        EXPECT_EQ(ResultCaption(results[static_cast<std::size_t>(n)]), "5 - 4  Bracken Fencing");
    }

    ASSERT_TRUE(WriteBestResult(store, 6, 12, 15, "Ann"));
    ASSERT_TRUE(WriteBestResult(store, 3, 0, 5, ""));
    const auto& values = store.values;
    EXPECT_EQ(std::get<int>(values.at("HitA6")), 12);
    EXPECT_EQ(std::get<int>(values.at("HitB6")), 15);
    EXPECT_EQ(std::get<std::string>(values.at("Winner6")), "Ann");
    results = ReadBestResults(store);
    EXPECT_EQ(ResultCaption(results[6]), "12 - 15  Ann");
    EXPECT_EQ(ResultCaption(results[3]), "0 - 5  ") << "an empty name stays empty";
    EXPECT_EQ(ResultCaption(results[1]), "5 - 4  Bracken Fencing");

    // A value of the wrong kind counts as absent instead of failing the whole read.
    store.values["HitB2"] = std::string("lots");
    EXPECT_EQ(ReadBestResults(store)[2].hitsB, 4);

    // A store that will not take the record says so and keeps the old one.
    store.readOnly = true;
    EXPECT_FALSE(WriteBestResult(store, 6, 0, 15, "Bob"));
    store.readOnly = false;
    EXPECT_EQ(ResultCaption(ReadBestResults(store)[6]), "12 - 15  Ann");
}
