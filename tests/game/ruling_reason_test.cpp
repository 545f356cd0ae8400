// SPDX-License-Identifier: GPL-3.0-or-later
// The referee's reasons, checked against what the replay shows happened: each attack began
// where its first frame shows, each hit landed as the hit test measures, each pass came too
// soon by the seconds the referee counted. Read from the golden trace's demonstrations.

#include "game/Game.h"
#include "game/GameProbe.h"
#include "game/piste/Geometry.h"
#include "game/piste/Reach.h"
#include "game/replay/Replay.h"
#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

using namespace pistework;
using namespace pistework::game;
using platform::headless::HeadlessPlatform;

namespace {

constexpr std::int64_t kStart = 1'700'000'000'000;

Replay Demonstration(std::int64_t start, int target, bool timed) {
    HeadlessPlatform form(start);
    Game game(form.Services());
    game.Start();
    game.Choose({Verb::SetTarget, target});
    if (!timed) game.Choose(Verb::ToggleTimed);
    // An untimed bout to 15 ends within the hour; six bound one that never would.
    EXPECT_TRUE(form.scheduler.RunUntilTrue([&] { return !GameProbe(game).LastFenced().empty(); },
                                            6 * 3'600'000));
    Replay replay;
    EXPECT_EQ(DecodeReplay(GameProbe(game).LastFenced(), replay), ReplayError::None);
    return replay;
}

// The last picture shown at or before `ms`.
const ReplayPicture& At(const Replay& replay, std::int64_t ms) {
    const ReplayPicture* shown = nullptr;
    for (const ReplayEntry& entry : replay.entries) {
        if (entry.ms > ms) break;
        if (const auto* p = std::get_if<ReplayPicture>(&entry.what)) shown = p;
    }
    return *shown;
}

std::string Base(const ReplayPicture& picture, Side side) {
    const std::string& pose = picture.fencers[side].pose;
    return pose.substr(0, pose.size() - 1);
}

// The first frames of the actions that begin an attack, from the actions' own tables.
std::set<std::string> AttackOpenings() {
    std::set<std::string> first;
    for (int code = 0; code < kActionCount; ++code)
        if (StartsAttack(static_cast<Action>(code)))
            first.insert(std::string(SequenceTable(static_cast<Action>(code))[0]));
    return first;
}

struct Phrase {
    const Replay& replay;
    const Ruling& ruling;
    std::int64_t halted;         // the hit sound, or about then for a pass
    const ReplayPicture& before; // at the halt
    const ReplayPicture& after;  // once ruled
};

} // namespace

TEST(RulingReason, EachReasonMatchesWhatTheReplayShows) {
    const std::set<std::string> openings = AttackOpenings();
    auto scored = [](const Phrase& p) {
        const Side s = p.ruling.side;
        return p.after.scores[s] == p.before.scores[s] + 1;
    };
    auto landedLunge = [&](const Phrase& p) {
        const int past = p.ruling.why->pointPast;
        return scored(p) && Base(p.before, p.ruling.side) == kLungeFrames.back() &&
               past >= kHitUnitsMin * kPointUnit && past <= kHitUnitsMax * kPointUnit;
    };
    // One rule per way a phrase is decided.
    const std::map<Decider, std::function<bool(const Phrase&)>> rules{
        {Decider::LungeLanded, landedLunge},
        {Decider::FlecheLanded,
         [&](const Phrase& p) {
             const std::string shown = Base(p.before, p.ruling.side);
             // A flèche that lands ends its run at once, standing where it landed.
             return scored(p) && p.ruling.why->pointPast == 0 && shown == picture::kFlecheLanded;
         }},
        {Decider::CounterIntoAttack,
         [&](const Phrase& p) {
             // The other's point arrived while the ruled side's lunge was still under way.
             const auto ago = p.ruling.why->counterArrivedMsAgo;
             if (!ago) return false;
             const ReplayPicture& then = At(p.replay, p.halted - *ago);
             const Side s = p.ruling.side;
             return landedLunge(p) && Base(then, Opposite(s)) == kLungeFrames.back() &&
                    std::ranges::count(kLungeFrames, Base(then, s)) &&
                    Base(then, s) != kLungeFrames.back();
         }},
        {Decider::PointShort,
         [](const Phrase& p) {
             return p.after.scores == p.before.scores &&
                    p.ruling.why->pointPast == kOffTargetUnits * kPointUnit;
         }},
        {Decider::RanPast,
         [](const Phrase& p) {
             const auto left = PointsOf(p.before.fencers[Side::Left], Side::Left);
             const auto right = PointsOf(p.before.fencers[Side::Right], Side::Right);
             return p.after.scores == p.before.scores && left && right && left->body > right->body;
         }},
        {Decider::PassedTooSoon,
         [](const Phrase& p) {
             const RulingReason& why = *p.ruling.why;
             return why.secondsSincePass < why.secondsAllowed && p.after.cards != p.before.cards;
         }},
    };
    std::map<Decider, int> checked;
    for (const auto& [start, target, timed] : {std::tuple{kStart, 5, false},
                                               {kStart + 3'141'000, 10, true},
                                               {kStart + 86'400'000, 15, false}}) {
        const Replay replay = Demonstration(start, target, timed);
        std::int64_t hit = -1, lastPicture = 0, halted = 0;
        for (std::size_t i = 0; i < replay.entries.size(); ++i) {
            const ReplayEntry& entry = replay.entries[i];
            const auto* event = std::get_if<BoutEvent>(&entry.what);
            if (!event) {
                lastPicture = entry.ms;
                continue;
            }
            if (const auto* sound = std::get_if<SoundPlayed>(event);
                sound && sound->cue == SoundCue::Hit)
                hit = entry.ms;
            if (const auto* call = std::get_if<CallMade>(event);
                call && call->call.call == Call::Halt)
                halted = hit >= 0 ? hit : lastPicture;
            const auto* ruling = std::get_if<Ruling>(event);
            if (!ruling) continue;
            ASSERT_TRUE(ruling->why) << "a ruling at " << entry.ms << " ms without its reason";
            const RulingReason& why = *ruling->why;
            const Phrase phrase{
                replay, *ruling, halted, At(replay, halted),
                At(replay, replay.entries[std::min(i + 1, replay.entries.size() - 1)].ms)};
            EXPECT_TRUE(rules.at(why.decider)(phrase))
                << "rule " << static_cast<int>(why.decider) << " at " << entry.ms << " ms "
                << Base(phrase.before, ruling->side) << " past " << why.pointPast;
            // Each attack began where the replay shows its first frame, at the gap it says. That
            // frame often looks as the one before it did, so no new picture need be taken then:
            // what was on show at that moment counts, with any picture taken at it.
            for (Side side : kSides) {
                // A pass makes no sound, so only a hit's moment is known to the millisecond.
                if (!why.attackBeganMsAgo[side] || hit < 0) continue;
                const std::int64_t began = halted - *why.attackBeganMsAgo[side];
                const ReplayPicture& onShow = At(replay, began - 1);
                bool gapShown = TipGap(onShow.fencers) == why.gapAtAttack;
                for (const ReplayEntry& e : replay.entries)
                    if (const auto* p = std::get_if<ReplayPicture>(&e.what); p && e.ms == began)
                        gapShown = gapShown || TipGap(p->fencers) == why.gapAtAttack;
                EXPECT_TRUE(openings.contains(Base(At(replay, began), side)))
                    << Base(At(replay, began), side) << " at an attack's start, " << began << " ms";
                if (side == ruling->side) {
                    EXPECT_TRUE(gapShown) << "no gap of " << *why.gapAtAttack << " at " << began;
                }
            }
            ++checked[why.decider];
            hit = -1;
        }
    }
    // The demonstrations hold hits, off-target hits and passes at the least.
    for (Decider decider : {Decider::LungeLanded, Decider::PointShort, Decider::RanPast})
        EXPECT_GT(checked[decider], 0) << "no ruling by rule " << static_cast<int>(decider);
    for (const auto& [decider, count] : checked)
        ::testing::Test::RecordProperty("rule_" + std::to_string(static_cast<int>(decider)), count);
}

// A file of an earlier build still plays: its calls and rulings, without reasons.
TEST(RulingReason, AVersionOneFileReadsWithoutReasons) {
    std::ifstream in(PISTEWORK_TRACE_DIR "/data/replay_v1.pstw", std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    ASSERT_EQ(bytes.at(kReplayMagic.size()), 1);
    Replay read;
    ASSERT_EQ(DecodeReplay(bytes, read), ReplayError::None);
    int rulings = 0;
    for (const ReplayEntry& entry : read.entries)
        if (const auto* event = std::get_if<BoutEvent>(&entry.what))
            if (const auto* ruling = std::get_if<Ruling>(event)) {
                EXPECT_FALSE(ruling->why);
                ++rulings;
            }
    EXPECT_EQ(rulings, 1);
}
