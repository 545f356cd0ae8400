// SPDX-License-Identifier: GPL-3.0-or-later
// The bouts a player finishes are kept with what the list shows; a kept file reads back whole or
// not at all; the record per level counts the player's own bouts.

#include "BoutTable.h"

#include <gtest/gtest.h>

using namespace pistework;
using game::BoutKind;
using game::KeptBout;
using game::Side;

TEST(KeptBouts, EachBoutAPlayerFinishesIsKeptAndAFullStoreLosesNoneAndSaysSo) {
    constexpr int kCustom = 0, kTwoPlayers = -1;
    struct Case {
        int level, left, right;
        bool demonstration;
    };
    for (const Case c : {Case{3, 2, 5, false}, Case{kCustom, 1, 5, false},
                         Case{kTwoPlayers, 5, 0, false}, Case{2, 0, 5, true}}) {
        SCOPED_TRACE(c.level);
        table::BoutTable t(1'700'000'000'000);
        int told = 0;
        t.game.SetOnBoutNotKept([&] { ++told; });
        if (c.level > 0) t.game.Choose({Verb::ChooseLevel, c.level});
        if (c.level == kCustom) t.game.ChooseCustom({10, 100});
        if (c.level == kTwoPlayers) t.game.Choose(Verb::ChooseTwoPlayers);
        const std::int64_t began = t.Now();
        t.StartPlayersBout();
        t.probe.SetDemonstrating(c.demonstration);
        t.Score(Side::Left, c.left);
        // A minute held by a dialog is no part of the bout's length.
        t.game.WhileHeld([&] { t.form.scheduler.RunFor(60'000); });
        t.Score(Side::Right, c.right);
        t.EndBout();
        const auto kept = t.form.bouts.files;
        ASSERT_EQ(kept.size(), c.demonstration ? 0u : 1u);
        EXPECT_EQ(t.game.LastReplay().empty(), c.demonstration);
        if (c.demonstration) continue;
        const auto read = game::ReadKeptBout(kept.begin()->second);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->about.kind,
                  c.level == kTwoPlayers ? BoutKind::TwoPlayers : BoutKind::Computer);
        EXPECT_EQ(read->about.level, c.level > 0 ? std::optional(c.level) : std::nullopt);
        EXPECT_EQ(read->about.score, (game::PerSide<int>{c.left, c.right}));
        EXPECT_EQ(read->about.endedAt, t.form.clock.NowMilliseconds());
        EXPECT_EQ(read->about.lengthMs, t.Now() - began - 60'000);
        EXPECT_TRUE(std::ranges::equal(read->replay, t.game.LastReplay()));

        // The disk full, or a replay too large to keep: said each time, nothing kept is lost,
        // and the new bout is still the last one.
        t.form.bouts.full = true;
        t.StartPlayersBout();
        t.Score(Side::Left, 1);
        t.EndBout();
        EXPECT_FALSE(std::ranges::equal(t.game.LastReplay(), read->replay));
        t.form.bouts.full = false;
        t.game.Keep({}, std::vector<std::uint8_t>(platform::BoutStore::kLargestFile, 1));
        EXPECT_EQ(told, 2);
        EXPECT_EQ(t.form.bouts.files, kept);
    }
}

// Every field reads back as written, within its bounds; a file cut short, lengthened, or with
// another name or version reads as none, and no damage reads out of bounds.
TEST(KeptBouts, AKeptFileReadsBackWholeOrNotAtAll) {
    const std::vector<std::uint8_t> replay{3, 1, 4, 1, 5};
    KeptBout network{1'765'000'000'000, BoutKind::NetworkGuest, std::nullopt, "fe80::1", {4, 5},
                     181'000,           game::BoutEnd::Left};
    KeptBout odd{-1, BoutKind::Watched, 6, std::string(300, 'x') + "\xff", {-3, 100'000}, -1};
    KeptBout oddRead{-1, BoutKind::Watched, 6, std::string(255, 'x'), {0, 999}, 0};
    for (const auto& [written, read] : {std::pair{network, network}, std::pair{odd, oddRead}}) {
        const auto file = game::KeptBoutFile(written, replay);
        const auto back = game::ReadKeptBout(file);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->about, read);
        EXPECT_TRUE(std::ranges::equal(back->replay, replay));
    }
    const std::vector<std::uint8_t> file = game::KeptBoutFile(network, replay);
    for (std::size_t size = 0; size < file.size(); ++size)
        EXPECT_FALSE(game::ReadKeptBout(std::span(file).first(size))) << size;
    std::vector<std::uint8_t> longer = file;
    longer.push_back(0);
    EXPECT_FALSE(game::ReadKeptBout(longer));
    EXPECT_FALSE(game::ReadKeptBout(game::KeptBoutFile(network, {})));
    for (std::size_t at = 0; at < file.size() - replay.size(); ++at)
        for (const std::uint8_t flip : {0x01, 0x80, 0xFF}) {
            std::vector<std::uint8_t> damaged = file;
            damaged[at] ^= flip;
            const auto read = game::ReadKeptBout(damaged);
            EXPECT_TRUE(at >= 5 || !read) << "the name and version, at " << at;
            if (!read) continue;
            EXPECT_LE(read->about.level.value_or(1), 6);
            for (const Side side : game::kSides)
                EXPECT_TRUE(read->about.score[side] >= 0 && read->about.score[side] <= 999);
            EXPECT_EQ(read->replay.data() + read->replay.size(), damaged.data() + damaged.size());
        }
}

TEST(KeptBouts, TheRecordCountsThePlayersOwnBoutsAgainstEachGradedLevel) {
    const auto bout = [](BoutKind kind, std::optional<int> level, int left, int right,
                         std::int64_t at = 0) {
        return KeptBout{at, kind, level, {}, {left, right}, 0, game::BoutEnd::Finished};
    };
    using R = game::LevelRecord;
    const BoutKind computer = BoutKind::Computer;
    struct Case {
        std::vector<KeptBout> bouts;
        std::vector<std::pair<int, R>> records; // the levels with any record
    };
    const Case cases[] = {
        {{}, {}},
        // The player on the right: a win and a loss at one level, a drawn bout neither.
        {{bout(computer, 2, 3, 5), bout(computer, 2, 5, 1), bout(computer, 2, 4, 4)},
         {{2, R{1, 1, 10, 12}}}},
        {{bout(computer, 1, 0, 5), bout(computer, 6, 5, 0)},
         {{1, R{1, 0, 5, 0}}, {6, R{0, 1, 0, 5}}}},
        // Custom, two-player and network bouts, and levels off the table, count nowhere.
        {{bout(computer, std::nullopt, 0, 5), bout(BoutKind::TwoPlayers, std::nullopt, 0, 5),
          bout(BoutKind::NetworkGuest, 3, 0, 5), bout(BoutKind::Watched, 3, 0, 5),
          bout(computer, 7, 0, 5), bout(computer, 0, 0, 5)},
         {}},
    };
    for (const Case& c : cases) {
        game::LevelRecords expected{};
        for (const auto& [level, record] : c.records)
            expected[static_cast<std::size_t>(level)] = record;
        EXPECT_EQ(game::RecordByLevel(c.bouts), expected) << c.bouts.size();
    }
    // Over time: the share won so far after each bout against the level, in the order the
    // bouts ended, whatever the order kept.
    const std::vector<KeptBout> kept{bout(computer, 4, 5, 3, 300), bout(computer, 4, 2, 5, 100),
                                     bout(computer, 5, 0, 5, 150), bout(computer, 4, 5, 4, 200),
                                     bout(BoutKind::TwoPlayers, std::nullopt, 0, 5, 250)};
    using P = game::RecordPoint;
    EXPECT_EQ(game::RecordOverTime(kept, 4), (std::vector<P>{{100, 100}, {200, 50}, {300, 33}}));
    EXPECT_EQ(game::RecordOverTime(kept, 5), (std::vector<P>{{150, 100}}));
}
