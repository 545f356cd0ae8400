// SPDX-License-Identifier: GPL-3.0-or-later
// Replays: a recorded bout survives its file, every kind of bad file gets its one error and
// nothing else, and playing a replay shows the views the bout showed, at their times.

#include "game/Game.h"
#include "game/GameProbe.h"
#include "game/bout/BoutRules.h"
#include "game/replay/Replay.h"
#include "game/replay/ReplayFile.h"
#include "game/school/Practice.h"
#include "platform/headless/HeadlessPlatform.h"

#include "ShiftedClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>

using pistework::game::Verb;

using namespace pistework;
using platform::headless::HeadlessPlatform;

namespace {

struct Recorded {
    std::vector<std::uint8_t> file; // as the game keeps it
    game::Replay replay;
    std::vector<game::ReplayPicture> shown; // each new picture the window was given
};

// The golden trace's first demonstration, first to 5, from the window's start to its end.
Recorded RecordDemonstration() {
    HeadlessPlatform form(1'700'000'000'000);
    game::Game game(form.Services());
    Recorded r;
    game.SetOnView([&](const game::BoutView& view) {
        const auto picture = game::ReplayPicture::Of(view);
        if (r.shown.empty() || r.shown.back() != picture) r.shown.push_back(picture);
    });
    game.Start();
    game.Choose({Verb::SetTarget, 5});
    // A control chosen through the demonstration shows the buttons again: the file keeps that.
    form.scheduler.RunFor(20'000);
    game.Choose({Verb::SetControl, static_cast<int>(game::ControlMode::Keyboard)});
    EXPECT_TRUE(form.scheduler.RunUntilTrue(
        [&] { return !game::GameProbe(game).LastFenced().empty(); }, 3'600'000));
    r.file.assign(game::GameProbe(game).LastFenced().begin(),
                  game::GameProbe(game).LastFenced().end());
    EXPECT_EQ(game::DecodeReplay(r.file, r.replay), game::ReplayError::None);
    return r;
}

std::vector<game::ReplayPicture> Pictures(const game::Replay& replay) {
    std::vector<game::ReplayPicture> pictures;
    for (const auto& entry : replay.entries)
        if (const auto* p = std::get_if<game::ReplayPicture>(&entry.what)) pictures.push_back(*p);
    return pictures;
}

// The stream of a bout begun with every timer stopped, that claims a tick all the same.
std::vector<std::uint8_t> Stalled(int target) {
    HeadlessPlatform form;
    game::Game g(form.Services());
    g.Start();
    g.Choose({Verb::SetTarget, target});
    g.Choose({Verb::NewGame, 0});
    game::GameProbe probe(g);
    for (const char* timer : {"TimerLeft", "TimerRight", "TimerPresident", "TimerClock",
                              "TimerLight", "TimerSalute", "TimerAutoPlay"})
        probe.Timer(timer).SetEnabled(false);
    game::ReplayRecorder recorder;
    recorder.Begin(probe.Engine());
    recorder.End(probe.Engine());
    std::vector<std::uint8_t> file(recorder.Last().begin(), recorder.Last().end());
    game::ByteReader header(
        std::span<const std::uint8_t>(file).subspan(game::kReplayMagic.size() + 2));
    (void)header.Varint();
    const auto length = static_cast<std::size_t>(header.Varint());
    std::vector<std::uint8_t> stream(file.end() - 4 - static_cast<std::ptrdiff_t>(length),
                                     file.end() - 4);
    // No tick, then the end and its digest: one tick instead.
    EXPECT_EQ(stream[stream.size() - 6], 0);
    stream[stream.size() - 6] = 1;
    return stream;
}

} // namespace

TEST(Replay, EachBadFileGetsItsOneErrorAndAGoodOneComesBackWhole) {
    const Recorded recorded = RecordDemonstration();
    const std::vector<std::uint8_t>& good = recorded.file;
    using Bytes = std::vector<std::uint8_t>;
    struct Case {
        const char* what;
        std::function<void(Bytes&)> damage;
        game::ReplayError error;
    };
    const std::vector<Case> cases{
        {"as written", [](Bytes&) {}, game::ReplayError::None},
        {"cut in half", [](Bytes& b) { b.resize(b.size() / 2); }, game::ReplayError::Truncated},
        {"cut inside its header", [](Bytes& b) { b.resize(game::kReplayMagic.size() + 1); },
         game::ReplayError::Truncated},
        {"its CRC cut off", [](Bytes& b) { b.resize(b.size() - 1); }, game::ReplayError::Truncated},
        {"a byte changed", [](Bytes& b) { b[b.size() / 2] ^= 0x10; }, game::ReplayError::Damaged},
        {"a byte added", [](Bytes& b) { b.push_back(0); }, game::ReplayError::Damaged},
        {"another file", [](Bytes& b) { b[0] = 0x89; }, game::ReplayError::NotAReplay},
        {"empty", [](Bytes& b) { b.clear(); }, game::ReplayError::Truncated},
        {"a later version",
         [](Bytes& b) { b[game::kReplayMagic.size()] = game::kReplayVersion + 1; },
         game::ReplayError::NewerVersion},
        {"too large", [](Bytes& b) { b.resize(game::kMaxReplayFileBytes + 1); },
         game::ReplayError::TooLarge},
    };
    ASSERT_GT(recorded.replay.entries.size(), 100u);
    for (const Case& c : cases) {
        Bytes bytes = good;
        c.damage(bytes);
        game::Replay read;
        read.target = -1;
        EXPECT_EQ(game::DecodeReplay(bytes, read), c.error) << c.what;
        if (c.error == game::ReplayError::None) {
            // Its pictures keep in the earlier form, as a file of them is written.
            game::Replay again;
            EXPECT_EQ(game::DecodeReplay(game::EncodeReplay(read), again), c.error);
            EXPECT_TRUE(again == read) << c.what;
        } else {
            EXPECT_TRUE(read.target == -1 && read.entries.empty())
                << c.what << ": a partial replay";
        }
    }
}

// Played in virtual time, at one and at four times the speed, from the file's bytes.
TEST(Replay, PlaysTheDemonstrationAsTheWindowShowedIt) {
    const Recorded recorded = RecordDemonstration();
    ASSERT_FALSE(recorded.replay.entries.empty());
    EXPECT_TRUE(std::ranges::any_of(recorded.replay.entries, [](const game::ReplayEntry& e) {
        const auto* event = std::get_if<game::BoutEvent>(&e.what);
        return event && std::holds_alternative<game::BoutOver>(*event);
    }));
    // From the bout's start, the window was given just what the replay keeps.
    const auto kept = Pictures(recorded.replay);
    ASSERT_LE(kept.size(), recorded.shown.size());
    EXPECT_TRUE(std::equal(kept.begin(), kept.end(),
                           recorded.shown.end() - static_cast<std::ptrdiff_t>(kept.size())));
    const auto& bytes = recorded.file;
    const game::Replay& read = recorded.replay;
    const std::uint32_t length = read.entries.back().ms;
    ::testing::Test::RecordProperty("bytes_per_minute",
                                    static_cast<int>(bytes.size() * 60'000 / length));
    for (int speed : {1, 4}) {
        HeadlessPlatform form;
        game::ReplayPlayer player(read, form, form.clock);
        const std::int64_t start = form.scheduler.Now();
        std::vector<game::ReplayPicture> drawn;
        std::vector<std::int64_t> late;
        player.SetOnPicture([&](const game::ReplayPicture& p) {
            drawn.push_back(p);
            late.push_back(form.scheduler.Now() - start);
        });
        player.SetSpeed(speed * game::kNormalSpeed);
        player.Start();
        EXPECT_TRUE(form.scheduler.RunUntilTrue([&] { return player.Ended(); }, 3'600'000));
        EXPECT_TRUE(drawn == kept) << "at x" << speed;
        // Each picture at its time, divided by the speed, within one look at the clock.
        std::size_t i = 0;
        for (const auto& entry : read.entries) {
            if (!std::holds_alternative<game::ReplayPicture>(entry.what) || i >= late.size())
                continue;
            EXPECT_NEAR(static_cast<double>(late[i] * speed), entry.ms,
                        game::ReplayPlayer::kStep * speed)
                << "picture " << i << " at x" << speed;
            ++i;
        }
        EXPECT_NEAR(static_cast<double>(form.scheduler.Now() - start), length / speed,
                    game::ReplayPlayer::kStep);
    }
}

// A seek anywhere, then playing on, draws what playing from the start draws from that moment:
// the picture on show there first, then each one after it. A step lands on the next picture
// or the one before, and back again.
TEST(Replay, SeekingAndSteppingShowWhatPlayingFromTheStartShows) {
    const Recorded recorded = RecordDemonstration();
    const game::Replay& read = recorded.replay;
    std::vector<std::pair<std::int64_t, game::ReplayPicture>> played;
    for (const auto& entry : read.entries)
        if (const auto* p = std::get_if<game::ReplayPicture>(&entry.what))
            played.emplace_back(entry.ms, *p);
    const std::int64_t length = read.entries.back().ms;
    for (std::int64_t moment :
         {std::int64_t{0}, played[played.size() / 3].first, played[played.size() / 3].first + 1,
          length / 2, length - 1, length}) {
        HeadlessPlatform form;
        game::ReplayPlayer player(read, form, form.clock);
        std::vector<game::ReplayPicture> drawn;
        player.SetOnPicture([&](const game::ReplayPicture& p) { drawn.push_back(p); });
        player.Start();
        player.TogglePause();
        drawn.clear();
        player.Seek(moment);
        EXPECT_EQ(player.Position(), moment);
        player.TogglePause();
        EXPECT_TRUE(form.scheduler.RunUntilTrue([&] { return player.Ended(); }, 3'600'000));
        auto from = std::find_if(played.begin(), played.end(),
                                 [&](const auto& p) { return p.first > moment; });
        std::vector<game::ReplayPicture> expected{std::prev(from)->second};
        for (; from != played.end(); ++from)
            expected.push_back(from->second);
        EXPECT_TRUE(drawn == expected) << "seek to " << moment << " ms";

        player.Seek(moment);
        player.TogglePause();
        const game::ReplayPicture shown = drawn.back();
        player.Step(1);
        const game::ReplayPicture stepped = drawn.back();
        player.Step(-1);
        if (moment < played.back().first) {
            EXPECT_NE(stepped, shown) << "step from " << moment << " ms";
            EXPECT_EQ(drawn.back(), shown) << "step back to " << moment << " ms";
        }
        EXPECT_TRUE(player.Paused());
    }
}

// The speeds offered run from a quarter of the bout's own pace, each twice the one before.
TEST(Replay, EachSpeedOfferedPlaysTwiceAsFastAsTheOneBefore) {
    const Recorded recorded = RecordDemonstration();
    HeadlessPlatform form;
    game::ReplayPlayer player(recorded.replay, form, form.clock);
    player.Start();
    std::vector<std::int64_t> moved;
    for (int quarters : game::kReplaySpeeds) {
        player.SetSpeed(quarters);
        const std::int64_t from = player.Position();
        form.scheduler.RunFor(1000);
        moved.push_back(player.Position() - from);
    }
    EXPECT_EQ(moved.front(), 250);
    for (std::size_t i = 1; i < moved.size(); ++i)
        EXPECT_EQ(moved[i], 2 * moved[i - 1]) << "speed " << i;
}

// A ruling kept without its reason, as a file of an earlier build has it, is written beside ones
// with a reason, one with every detail at its largest, and each reads back as it was.
TEST(Replay, RulingsWithAndWithoutReasonsReadBackAsWritten) {
    game::RulingReason why{game::Decider::CounterIntoAttack};
    why.attackBeganMsAgo[game::Side::Right] = 400;
    why.counterArrivedMsAgo = 120;
    why.gapAtAttack = -12;
    // Every detail set, each at the largest a reader takes.
    namespace codec = game::codec;
    game::RulingReason most{game::Decider::PassedTooSoon};
    const int longest = static_cast<int>(codec::kMaxMs);
    most.attackBeganMsAgo = {longest, longest};
    most.counterArrivedMsAgo = longest;
    most.gapAtAttack = static_cast<int>(2 * codec::kMaxX);
    most.pointPast = static_cast<int>(-2 * codec::kMaxX);
    most.afterParry = true;
    most.secondsSincePass = static_cast<int>(-codec::kMaxSeconds);
    most.secondsAllowed = static_cast<int>(codec::kMaxSeconds);
    const game::Replay replay{
        5,
        true,
        false,
        {{0, game::ReplayPicture{}},
         {10, game::BoutEvent{game::Ruling{game::RulingKind::OffTarget, game::Side::Left}}},
         {20, game::BoutEvent{game::Ruling{game::RulingKind::Hit, game::Side::Right, why}}},
         {25, game::BoutEvent{game::Ruling{game::RulingKind::YellowCard, game::Side::Left, most}}},
         {30, game::BoutEvent{game::Ruling{game::RulingKind::YellowCard, game::Side::Left}}}},
        {}};
    game::Replay read;
    ASSERT_EQ(game::DecodeReplay(game::EncodeReplay(replay), read), game::ReplayError::None);
    EXPECT_TRUE(read == replay);
}

// Random player bouts, with keys, pauses, dialogs held open, options changed mid-bout and a wall
// clock that jumps ahead of the timers, so ticks run late: each bout's file fences again into
// just the pictures the window was given, at their times.
TEST(Replay, APlayersBoutFencedAgainShowsWhatTheWindowShowed) {
    using pistework::test::ShiftedClock;
    for (unsigned seed = 1; seed <= 8; ++seed) {
        HeadlessPlatform form;
        ShiftedClock clock(form.scheduler);
        game::Game game({form, form.sound, form.store, clock, form.bouts});
        const game::GameProbe probe(game);
        std::vector<std::pair<std::int64_t, game::ReplayPicture>> shown;
        game.SetOnView([&](const game::BoutView& view) {
            const auto picture = game::ReplayPicture::Of(view);
            if (shown.empty() || shown.back().second != picture)
                shown.emplace_back(probe.Engine().Now(), picture);
        });
        std::mt19937 random(seed);
        auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        game.Start();
        game.Choose({Verb::SetTarget, 2});
        if (seed % 3 == 0)
            game.Choose({Verb::ChooseTwoPlayers, 0});
        else if (seed == 8) // a speed stored by hand, as slow as an int holds
            game.ChooseCustom({12, std::numeric_limits<int>::max()});
        else if (seed == 7) // a range stored by hand, as low as an int holds
            game.ChooseCustom({std::numeric_limits<int>::min(), 120});
        else
            game.Choose({Verb::ChooseLevel, 1 + below(6)});
        game.Choose({Verb::NewGame, 0});
        for (int step = 0; step < 5000 && game.LastReplay().empty(); ++step) {
            const int roll = below(100);
            const std::u32string& keys =
                below(2) ? game.Options().keysRight : game.Options().keysLeft;
            if (roll < 60)
                game::TypeKey(game, keys[static_cast<std::size_t>(below(6))]);
            else if (roll < 66 || game.View().menu.paused)
                game.Choose({Verb::PauseOrResume, 0});
            else if (roll < 72)
                game.WhileHeld([&] { form.scheduler.RunFor(below(2000)); });
            else if (roll < 76)
                game.Choose({Verb::ToggleTimed, 0});
            else if (roll < 80)
                game.Choose({Verb::SetTarget, 1 + below(3)});
            else if (roll < 84)
                game.Choose({Verb::SetControl, below(3)});
            else
                clock.shift += below(120);
            // Stopped where the file is made, so the window's last picture is the bout's.
            form.scheduler.RunUntilTrue([&] { return !game.LastReplay().empty(); }, below(500));
        }
        game::Replay replay;
        ASSERT_EQ(game::DecodeReplay(game.LastReplay(), replay), game::ReplayError::None) << seed;
        std::vector<std::pair<std::int64_t, game::ReplayPicture>> kept;
        for (const auto& entry : replay.entries)
            if (const auto* p = std::get_if<game::ReplayPicture>(&entry.what))
                kept.emplace_back(entry.ms, *p);
        ASSERT_GT(kept.size(), 20u) << seed;
        ASSERT_LE(kept.size(), shown.size()) << seed;
        const auto from = shown.end() - static_cast<std::ptrdiff_t>(kept.size());
        for (std::size_t i = 0; i < kept.size(); ++i) {
            const auto& [at, picture] = from[static_cast<std::ptrdiff_t>(i)];
            ASSERT_TRUE(picture == kept[i].second) << "seed " << seed << ", picture " << i;
            ASSERT_EQ(at - from->first, kept[i].first) << "seed " << seed << ", picture " << i;
        }
    }
}

// A file of a bout's inputs, sealed anew after each change as a hostile writer would: what the
// reader must refuse, and a bout that ends otherwise when fenced again.
TEST(Replay, AResealedFileOfInputsIsReadOnlyWithinItsBounds) {
    using Bytes = std::vector<std::uint8_t>;
    namespace entry = game::entry;
    const Recorded recorded = RecordDemonstration();
    game::ByteReader header(std::span(recorded.file).subspan(game::kReplayMagic.size() + 2));
    const auto target = static_cast<int>(header.Varint());
    const auto length = static_cast<std::size_t>(header.Varint());
    const Bytes stream(recorded.file.end() - 4 - static_cast<std::ptrdiff_t>(length),
                       recorded.file.end() - 4);
    // Up to the end's entry: its digest, its tag, and before them its count of ticks.
    ASSERT_EQ(stream[stream.size() - 5], entry::kEnd);
    std::size_t cut = stream.size() - 6;
    while (stream[cut - 1] & 0x80)
        --cut;
    const Bytes entries(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(cut));
    auto with = [&](Bytes tail) {
        Bytes s = entries;
        s.insert(s.end(), tail.begin(), tail.end());
        return s;
    };
    const Bytes end(stream.begin() + static_cast<std::ptrdiff_t>(cut), stream.end());
    Bytes pose = stream;
    const std::string_view defeat = "DEFEATA";
    std::search(pose.begin(), pose.end(), defeat.begin(), defeat.end())[6] = 'X';
    Bytes digest = stream;
    digest.back() ^= 1;
    Bytes after = stream;
    after.push_back(0);
    auto varint = [](std::uint64_t v) {
        Bytes b;
        game::ByteWriter(b).Varint(v);
        return b;
    };
    auto zigzag = [](std::int64_t v) {
        Bytes b;
        game::ByteWriter(b).Signed(v);
        return b;
    };
    // The clock as the bout begins (time left shown, shown, time left, fenced), its time fenced
    // made larger or smaller than any a bout counts, though an int holds it.
    const Bytes seconds = zigzag(game::BoutLengthSeconds(target));
    Bytes shownClock = seconds;
    shownClock.push_back(1);
    shownClock.insert(shownClock.end(), seconds.begin(), seconds.end());
    shownClock.push_back(0);
    const auto found =
        std::search(stream.begin(), stream.end(), shownClock.begin(), shownClock.end());
    ASSERT_NE(found, stream.end());
    const auto fenced = found - stream.begin() + static_cast<std::ptrdiff_t>(shownClock.size()) - 1;
    auto clockFenced = [&](std::int64_t value) {
        Bytes s = stream;
        s.erase(s.begin() + fenced);
        const Bytes far = zigzag(value);
        s.insert(s.begin() + fenced, far.begin(), far.end());
        return s;
    };
    Bytes manyTicks = varint(game::kMaxReplayTicks + 1);
    manyTicks.push_back(entry::kEnd);
    // Two inputs, each half a day on: the second comes after any bout has ended.
    Bytes late;
    for (int i = 0; i < 2; ++i) {
        late.insert(late.end(), {0, entry::kResume});
        for (std::uint8_t b : varint(game::codec::kMaxMs / 2 + 1))
            late.push_back(b);
    }
    const struct {
        const char* what;
        Bytes stream;
        int target;
        game::ReplayError error;
    } cases[] = {
        {"as written", stream, target, game::ReplayError::None},
        {"another target", stream, target + 1, game::ReplayError::Damaged},
        {"a pose that is no picture", pose, target, game::ReplayError::Damaged},
        {"a count above any a bout keeps", clockFenced(std::numeric_limits<int>::max()), target,
         game::ReplayError::Damaged},
        {"a count below any a bout keeps", clockFenced(std::numeric_limits<int>::min()), target,
         game::ReplayError::Damaged},
        {"bytes after its end", after, target, game::ReplayError::Damaged},
        {"more ticks than a file fences", with(manyTicks), target, game::ReplayError::Damaged},
        {"a tag past the end's", with({0, entry::kEnd + 1}), target, game::ReplayError::Damaged},
        {"inputs more than a day on", with(late), target, game::ReplayError::Damaged},
        {"no end", entries, target, game::ReplayError::Truncated},
        {"another end", digest, target, game::ReplayError::OtherRules},
        {"a tick where no timer runs", Stalled(target), target, game::ReplayError::Damaged},
    };
    for (const auto& c : cases) {
        Bytes file;
        game::Seal(file, game::kReplayVersion, c.stream, c.target, recorded.replay.timed, false);
        game::Replay read;
        EXPECT_EQ(game::DecodeReplay(file, read), c.error) << c.what;
    }
}

// Taken over at any moment, the bout stands as the replay shows it there, and fences on with
// the player on the right and the computer on the left; a replay of pictures only cannot be.
TEST(Replay, ABoutTakenOverAnywhereStandsAsTheReplayShowsIt) {
    const Recorded r = RecordDemonstration();
    std::vector<std::pair<std::int64_t, game::ReplayPicture>> shown;
    for (const auto& entry : r.replay.entries)
        if (const auto* picture = std::get_if<game::ReplayPicture>(&entry.what))
            shown.emplace_back(entry.ms, *picture);
    const std::int64_t start = game::BoutAt(r.replay, 0)->Now();
    int checked = 0;
    for (const auto& [ms, ignored] : shown) {
        // Just before a picture, and at it: what was shown last by then.
        for (const std::int64_t at : {ms - 1, ms}) {
            const auto after =
                std::upper_bound(shown.begin(), shown.end(), at,
                                 [](std::int64_t t, const auto& p) { return t < p.first; });
            if (after == shown.begin()) continue;
            const std::optional<game::Bout> bout = game::BoutAt(r.replay, at);
            ASSERT_TRUE(bout) << at;
            game::BoutView view;
            bout->Show(view);
            ASSERT_EQ(view.fencers, std::prev(after)->second.fencers) << at;
            ASSERT_EQ(view.scores, std::prev(after)->second.scores) << at;
            // Nothing given later than the moment is in it.
            ASSERT_LE(bout->Now(), start + at) << at;
            ++checked;
        }
    }
    EXPECT_GT(checked, 200);

    // Handed over mid-bout, it is no demonstration: the computer fences the left side on.
    const std::int64_t middle = r.replay.entries.back().ms / 2;
    HeadlessPlatform form;
    game::school::Practice practice(form, form.clock, *game::BoutAt(r.replay, middle));
    practice.Start();
    EXPECT_FALSE(practice.Fenced().Demonstrating());
    int rulings = 0;
    practice.SetOnEvent(
        [&](const game::BoutEvent& e) { rulings += std::holds_alternative<game::Ruling>(e); });
    // Bounded in ticks too: a practice that ticks without time passing fails here.
    const std::uint64_t cap = form.scheduler.TicksRun() + 100'000;
    form.scheduler.RunUntilTrue([&] { return rulings > 0 || form.scheduler.TicksRun() > cap; },
                                120'000);
    EXPECT_GT(rulings, 0);

    game::Replay pictures;
    ASSERT_EQ(game::DecodeReplay(game::EncodeReplay(r.replay), pictures), game::ReplayError::None);
    EXPECT_FALSE(game::BoutAt(pictures, middle));
}
