// SPDX-License-Identifier: GPL-3.0-or-later
// Random commands for both sides, in every control mode, against the computer: the phrase
// must keep a sane state on every tick and end only as a hit or a pass.

#include "PisteFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>
#include <string>
#include <string_view>

using namespace pistework;
using namespace pistework::testing;

namespace {

std::set<std::string> FencerPictures() {
    std::set<std::string> bases{"ENGARDE", "ENGARDEX", "FLECHE1"};
    for (int code = 0; code < game::kActionCount; ++code)
        for (std::string_view name : game::SequenceTable(static_cast<Action>(code)))
            if (!name.empty()) bases.emplace(name);
    std::set<std::string> names;
    for (const auto& base : bases) {
        names.insert(base + "A");
        names.insert(base + "B");
    }
    return names;
}

const std::set<game::Call> kCalls{game::Call::Attack, game::Call::AttackAndCounter,
                                  game::Call::Passed, game::Call::CorpsACorps};

constexpr std::array<void (game::Fencer::*)(), 6> kCommands{
    &game::Fencer::Advance, &game::Fencer::Retreat, &game::Fencer::Extend,
    &game::Fencer::Lunge,   &game::Fencer::Parry,   &game::Fencer::Fleche};

enum class Mode { Computer, TwoPlayer, Demonstration };

} // namespace

TEST(Soak, RandomCommandsAgainstTheComputerKeepEveryPhraseSane) {
    const auto pictures = FencerPictures();
    const std::u32string keys = U"wsxqazmko,lpMé7 ";
    std::mt19937 rng(4711);
    auto below = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };

    int phrases = 0, hits = 0, passes = 0, unfinished = 0;
    for (int run = 0; run < 1000; ++run) {
        Piste p((1'700'000'000 + std::int64_t{run} * 13) * 1000 + below(1000));
        const Mode mode = static_cast<Mode>(run % 3);
        if (mode == Mode::TwoPlayer) p.TwoPlayers();
        if (mode == Mode::Computer && below(2))
            p.game.Choose({Verb::SetControl, game::ControlMode::Keyboard});
        p.probe.SetDemonstrating(mode == Mode::Demonstration);
        p.SetStrength(8 + below(5));
        p.timerLeft.SetInterval(mode == Mode::TwoPlayer ? 100 : 80 + 10 * below(5));
        if (below(2)) p.game.Choose(Verb::ToggleSound);
        // Offences depend on how long ago the last pass was; let some phrases start soon after.
        p.FenceSeconds(below(20));

        for (int phrase = 0; phrase < 3; ++phrase) {
            p.probe.Timer("TimerPresident").SetEnabled(false);
            p.probe.Timer("TimerLight").SetEnabled(false);
            p.OnGuard(26 + below(120), 200 + below(145));
            p.Fence();
            ++phrases;

            bool sane = true;
            auto check = [&] {
                for (Side side : game::kSides) {
                    const FencerState& f = p.F(side).State();
                    const game::FencerView& shown = p.game.View().fencers[side];
                    const auto table = game::SequenceTable(f.action);
                    sane = sane && static_cast<int>(f.action) < game::kActionCount &&
                           f.frameIndex >= 0 && f.frameIndex <= f.frameCount &&
                           f.frameCount <= 10 &&
                           (table.empty() || f.frameIndex <= static_cast<int>(table.size())) &&
                           pictures.count(shown.pose) > 0 &&
                           shown.pose.back() == game::Suffix(side).back() &&
                           shown.x == p.F(side).Left();
                }
                return !sane || p.Halted();
            };

            // Up to a minute of fencing, with a command every 0 to 250 ms.
            const std::int64_t end = p.form.scheduler.Now() + 60'000;
            while (sane && !p.Halted() && p.form.scheduler.Now() < end) {
                game::Fencer& f = p.F(below(2) ? Side::Right : Side::Left);
                const int how = below(4); // a key, a command or nothing
                if (how == 0) TypeKey(p.game, keys[static_cast<std::size_t>(below(16))]);
                if (how == 1) (f.*kCommands[static_cast<std::size_t>(below(6))])();
                p.form.scheduler.RunUntilTrue(check, below(250));
            }
            auto describe = [&p](Side side) {
                const FencerState& s = p.F(side).State();
                return " action " + std::to_string(static_cast<int>(s.action)) + " frame " +
                       std::to_string(s.frameIndex) + "/" + std::to_string(s.frameCount) + " at " +
                       std::to_string(p.F(side).Left()) + " " + p.Pose(side);
            };
            ASSERT_TRUE(sane) << "run " << run << " phrase " << phrase << " at "
                              << p.form.scheduler.Now() << ": A" << describe(Side::Left) << ", B"
                              << describe(Side::Right);
            if (!p.Halted()) {
                ++unfinished;
                continue;
            }
            const game::PhraseOutcome& o = p.Outcome();
            ASSERT_EQ(kCalls.count(p.PendingCall().call), 1u)
                << static_cast<int>(p.PendingCall().call);
            EXPECT_EQ(p.probe.President().CurrentPhase(), game::Phase::Halt);
            EXPECT_TRUE(p.probe.Timer("TimerPresident").Enabled());
            EXPECT_NE(o.hitBy.has_value(), o.passed);
            EXPECT_EQ(p.probe.Timer("TimerLight").Enabled(), !o.passed) << "lamps for hits only";
            o.passed ? ++passes : ++hits;
            // The referee's return to engarde clears the outcome for the next phrase.
            p.probe.President().ReturnToEngarde();
        }
    }
    // The soak means something only if phrases really end both ways.
    EXPECT_GT(hits, phrases / 100);
    EXPECT_GT(passes, phrases / 100);
    EXPECT_LT(unfinished, phrases / 2);
    RecordProperty("phrases", phrases);
    RecordProperty("hits", hits);
    RecordProperty("passes", passes);
}
