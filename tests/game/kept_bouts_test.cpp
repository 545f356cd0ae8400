// SPDX-License-Identifier: GPL-3.0-or-later
// The bouts a player finishes are kept with what the list shows of them; a kept file reads back
// whole or not at all; the record against each level counts what the kept bouts say.

#include "BoutTable.h"
#include "game/player/KeptBouts.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace pistework;
using game::BoutKind;
using game::KeptBout;
using game::Side;
using table::BoutTable;

namespace {

// The one kept bout's summary and replay, read back from the store.
std::optional<game::KeptBoutRead> OnlyKept(BoutTable& t, std::vector<std::uint8_t>& file) {
    const std::vector<std::string> names = t.form.bouts.Names();
    if (names.size() != 1) return std::nullopt;
    file = t.form.bouts.Read(names[0]).value_or(std::vector<std::uint8_t>{});
    return game::ReadKeptBout(file);
}

} // namespace

TEST(KeptBouts, EachBoutAPlayerFinishesIsKeptWithWhatTheListShows) {
    constexpr int kCustom = 0, kTwoPlayers = -1;
    struct Case {
        int level;
        int left, right;
        bool demonstration;
    };
    for (const Case c : {Case{3, 2, 5, false}, Case{6, 5, 4, false}, Case{kCustom, 1, 5, false},
                         Case{kTwoPlayers, 5, 0, false}, Case{2, 0, 5, true}}) {
        SCOPED_TRACE(::testing::Message() << c.level << " " << c.left << ":" << c.right);
        BoutTable t(1'700'000'000'000);
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
        if (c.demonstration) {
            EXPECT_TRUE(t.form.bouts.Names().empty());
            EXPECT_TRUE(t.game.LastReplay().empty());
            continue;
        }
        std::vector<std::uint8_t> file;
        const auto read = OnlyKept(t, file);
        ASSERT_TRUE(read);
        const KeptBout& about = read->about;
        EXPECT_EQ(about.kind, c.level == kTwoPlayers ? BoutKind::TwoPlayers : BoutKind::Computer);
        EXPECT_EQ(about.level, c.level > 0 ? std::optional(c.level) : std::nullopt);
        EXPECT_EQ(about.score, (game::PerSide<int>{c.left, c.right}));
        EXPECT_EQ(about.endedAt, t.form.clock.NowMilliseconds());
        EXPECT_EQ(about.lengthMs, t.Now() - began - 60'000);
        EXPECT_EQ(about.end, game::BoutEnd::Finished);
        EXPECT_TRUE(std::ranges::equal(read->replay, t.game.LastReplay()));
    }
}

// The disk full: the player is told once, nothing kept before is lost, and the bout can still
// be watched and saved as the last one.
TEST(KeptBouts, AFullStoreKeepsEveryEarlierBoutAndSaysSo) {
    BoutTable t;
    int told = 0;
    t.game.SetOnBoutNotKept([&] { ++told; });
    t.StartPlayersBout();
    t.Score(Side::Right, 1);
    t.EndBout();
    const auto before = t.form.bouts.files;
    ASSERT_EQ(before.size(), 1u);
    t.form.bouts.full = true;
    t.StartPlayersBout();
    t.Score(Side::Left, 2);
    t.EndBout();
    EXPECT_EQ(told, 1);
    EXPECT_EQ(t.form.bouts.files, before);
    EXPECT_EQ(t.game.View().scores, (game::PerSide<int>{2, 0}));
    EXPECT_FALSE(std::ranges::equal(t.game.LastReplay(),
                                    game::ReadKeptBout(before.begin()->second)->replay));
    // A replay too large for a kept file is the last bout all the same, and said.
    const std::vector<std::uint8_t> huge(platform::BoutStore::kLargestFile, 1);
    t.form.bouts.full = false;
    t.game.Keep({}, huge);
    EXPECT_EQ(told, 2);
    EXPECT_EQ(t.game.LastReplay().size(), huge.size());
    EXPECT_EQ(t.form.bouts.files, before);
}

// Every field reads back as written, within its bounds; a file cut short, lengthened, of
// another version or another kind reads as none, and no damage reads out of bounds.
TEST(KeptBouts, AKeptFileReadsBackWholeOrNotAtAll) {
    const std::vector<std::uint8_t> replay{3, 1, 4, 1, 5};
    const KeptBout network{.endedAt = 1'765'000'000'000,
                           .kind = BoutKind::NetworkGuest,
                           .level = std::nullopt,
                           .opponent = "fe80::1",
                           .score = {4, 5},
                           .lengthMs = 181'000,
                           .end = game::BoutEnd::Left};
    KeptBout odd = network;
    odd.kind = BoutKind::Watched;
    odd.opponent = std::string(300, 'x') + "\xff";
    odd.score = {-3, 100'000};
    odd.lengthMs = -1;
    struct Case {
        KeptBout written, read;
    };
    KeptBout oddRead = odd;
    oddRead.opponent = std::string(255, 'x'); // cut to its bound, before the stray byte
    oddRead.score = {0, 999};
    oddRead.lengthMs = 0;
    KeptBout graded;
    graded.level = 6;
    graded.score = {15, 14};
    for (const Case& c : {Case{network, network}, Case{odd, oddRead}, Case{graded, graded}}) {
        const std::vector<std::uint8_t> file = game::KeptBoutFile(c.written, replay);
        const auto read = game::ReadKeptBout(file);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->about, c.read);
        EXPECT_TRUE(std::ranges::equal(read->replay, replay));
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
            if (at < 5) {
                EXPECT_FALSE(read) << "the name and version, at " << at;
            }
            if (!read) continue;
            EXPECT_LE(read->about.level.value_or(1), 6);
            EXPECT_LE(std::max(read->about.score[Side::Left], read->about.score[Side::Right]), 999);
            EXPECT_GE(std::min(read->about.score[Side::Left], read->about.score[Side::Right]), 0);
            EXPECT_LE(read->about.opponent.size(), 255u * 3);
            EXPECT_GE(read->replay.data(), damaged.data());
            EXPECT_EQ(read->replay.data() + read->replay.size(), damaged.data() + damaged.size());
        }
}

TEST(KeptBouts, TheRecordCountsThePlayersOwnBoutsAgainstEachGradedLevel) {
    const auto bout = [](BoutKind kind, std::optional<int> level, int left, int right,
                         std::int64_t at = 0) {
        KeptBout kept;
        kept.endedAt = at;
        kept.kind = kind;
        kept.level = level;
        kept.score = {left, right};
        return kept;
    };
    using R = game::LevelRecord;
    struct Case {
        const char* what;
        std::vector<KeptBout> bouts;
        std::vector<std::pair<int, R>> records; // the levels with any record
    };
    const Case cases[] = {
        {"none", {}, {}},
        {"a win and a loss at one level, the player on the right",
         {bout(BoutKind::Computer, 2, 3, 5), bout(BoutKind::Computer, 2, 5, 1)},
         {{2, R{1, 1, 6, 8}}}},
        {"a drawn timed bout is neither won nor lost",
         {bout(BoutKind::Computer, 6, 4, 4)},
         {{6, R{0, 0, 4, 4}}}},
        {"each level its own",
         {bout(BoutKind::Computer, 1, 0, 5), bout(BoutKind::Computer, 6, 5, 0)},
         {{1, R{1, 0, 5, 0}}, {6, R{0, 1, 0, 5}}}},
        {"custom, two-player and network bouts count at no level",
         {bout(BoutKind::Computer, std::nullopt, 0, 5),
          bout(BoutKind::TwoPlayers, std::nullopt, 0, 5),
          bout(BoutKind::NetworkHost, std::nullopt, 0, 5), bout(BoutKind::NetworkGuest, 3, 0, 5),
          bout(BoutKind::Watched, 3, 0, 5)},
         {}},
        {"a level out of the table counts nowhere",
         {bout(BoutKind::Computer, 7, 0, 5), bout(BoutKind::Computer, 0, 0, 5)},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        game::LevelRecords expected{};
        for (const auto& [level, record] : c.records)
            expected[static_cast<std::size_t>(level)] = record;
        EXPECT_EQ(game::RecordByLevel(c.bouts), expected);
    }

    // Over time: the share won so far after each bout against the level, in the order the bouts
    // ended, whatever the order kept.
    const std::vector<KeptBout> kept{
        bout(BoutKind::Computer, 4, 5, 3, 300), bout(BoutKind::Computer, 4, 2, 5, 100),
        bout(BoutKind::Computer, 5, 0, 5, 150), bout(BoutKind::Computer, 4, 5, 4, 200),
        bout(BoutKind::TwoPlayers, std::nullopt, 0, 5, 250)};
    using P = game::RecordPoint;
    EXPECT_EQ(game::RecordOverTime(kept, 4), (std::vector<P>{{100, 100}, {200, 50}, {300, 33}}));
    EXPECT_EQ(game::RecordOverTime(kept, 5), (std::vector<P>{{150, 100}}));
    EXPECT_TRUE(game::RecordOverTime(kept, 1).empty());
}
