// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoutTable.h"
#include "game/bout/BoutRules.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace pistework;
using game::Call;
using game::Phase;
using game::RefereeCall;
using game::Side;
using table::BoutTable;

namespace {
std::vector<RefereeCall> LastCalls(const BoutTable& t, std::size_t n) {
    const auto& h = t.calls;
    return {h.end() - static_cast<std::ptrdiff_t>(std::min(n, h.size())), h.end()};
}
} // namespace

TEST(Referee, AHitReadsOutOneCallASecondAndTheFencersMoveAgainAtSeven) {
    BoutTable t;
    t.StartPlayersBout();
    const auto hit = t.Now();
    t.probe.FencerOn(Side::Left).PlaceAt(170);
    t.Hit(Side::Left);
    auto at = [&](int ms) {
        t.form.scheduler.RunUntil(hit + ms);
        return t.View().call;
    };
    EXPECT_EQ(at(999), RefereeCall{});
    EXPECT_EQ(at(1000), RefereeCall{Call::Halt});
    EXPECT_FALSE(t.Timer("TimerClock").Enabled());
    const int clockAtHalt = t.View().clock.secondsLeft;
    EXPECT_EQ(at(2000), (RefereeCall{Call::Attack, Side::Left}));
    EXPECT_EQ(t.Hits(Side::Left), 0);
    EXPECT_EQ(at(3000), RefereeCall{Call::Successful});
    EXPECT_EQ(t.Score(), (std::pair{1, 0}));
    EXPECT_EQ(at(4000), RefereeCall{Call::Engarde});
    EXPECT_EQ(t.Lefts(), (std::pair{106, 244}));
    EXPECT_FALSE(t.Timer("TimerLight").Enabled());
    EXPECT_EQ(at(5000), RefereeCall{Call::Ready});
    EXPECT_EQ(at(6000), RefereeCall{Call::Fence});
    EXPECT_TRUE(t.Timer("TimerClock").Enabled());
    EXPECT_EQ(t.View().clock.secondsLeft, clockAtHalt) << "the clock stands still during the calls";
    t.form.scheduler.RunUntil(hit + 6999);
    EXPECT_FALSE(t.timerLeft.Enabled());
    EXPECT_EQ(at(7000), RefereeCall{});
    EXPECT_TRUE(t.timerLeft.Enabled());
    EXPECT_TRUE(t.Timer("TimerRight").Enabled());
    EXPECT_FALSE(t.Timer("TimerPresident").Enabled());
    EXPECT_EQ(t.View().clock.secondsLeft, clockAtHalt - 1);
}

TEST(Referee, EveryRulingInItsOrder) {
    struct Case {
        const char* name;
        std::function<void(BoutTable&)> phrase;
        std::vector<RefereeCall> calls; // the call and the ruling
        int hitsA, hitsB;
    };
    static constexpr Side L = Side::Left, R = Side::Right;
    const std::vector<Case> cases{
        {"left hit", [](BoutTable& t) { t.Hit(L); }, {{Call::Attack, L}, {Call::Successful}}, 1, 0},
        {"right hit",
         [](BoutTable& t) { t.Hit(R); },
         {{Call::Attack, R}, {Call::Successful}},
         0,
         1},
        {"hit over a counter",
         [](BoutTable& t) { t.Hit(L, false, true); },
         {{Call::AttackAndCounter, L}, {Call::SuccessfulCounterOutOfTime}},
         1,
         0},
        {"counter, right hit",
         [](BoutTable& t) { t.Hit(R, false, true); },
         {{Call::AttackAndCounter, R}, {Call::SuccessfulCounterOutOfTime}},
         0,
         1},
        {"off target",
         [](BoutTable& t) { t.Hit(R, true); },
         {{Call::Attack, R}, {Call::OffTarget}},
         0,
         0},
        {"pass", [](BoutTable& t) { t.Pass(); }, {{Call::Passed}, {Call::ReturnToEngarde}}, 0, 0},
        {"left offence",
         [](BoutTable& t) { t.Pass(L); },
         {{Call::CorpsACorps, L}, {Call::YellowCard, L}},
         0,
         0},
        {"an offence goes before everything",
         [](BoutTable& t) {
             t.Pass(R);
             // A late arrival of the left point, off target and into the other's lunge.
             t.Referee().NoteArrival(L, {true, true, true});
         },
         {{Call::CorpsACorps, R}, {Call::YellowCard, R}},
         0,
         0},
    };
    for (const auto& c : cases) {
        BoutTable t;
        t.StartPlayersBout();
        c.phrase(t);
        t.form.scheduler.RunFor(3000);
        std::vector<RefereeCall> expected{{Call::Halt}};
        expected.insert(expected.end(), c.calls.begin(), c.calls.end());
        EXPECT_EQ(LastCalls(t, 3), expected) << c.name;
        EXPECT_EQ(t.probe.Scores().Hits(L), c.hitsA) << c.name;
        EXPECT_EQ(t.probe.Scores().Hits(R), c.hitsB) << c.name;
        EXPECT_EQ(t.Hits(L), c.hitsA) << c.name;
        EXPECT_EQ(t.Hits(R), c.hitsB) << c.name;
    }
}

TEST(Referee, AYellowCardFirstThenRedCardsThatScoreWithTheCountFromTheSecond) {
    BoutTable t;
    t.StartPlayersBout();
    const game::PerSide<game::CardsView>& cards = t.View().cards;
    auto offence = [&](Side side) {
        t.probe.FencerOn(Side::Left).PlaceAt(150);
        t.probe.FencerOn(Side::Right).PlaceAt(200);
        t.Pass(side);
        t.RunToFencing();
    };
    offence(Side::Left);
    EXPECT_EQ(cards[Side::Left], (game::CardsView{.yellow = true, .reds = 0}));
    EXPECT_EQ(t.Hits(Side::Right), 0);
    // A warning keeps the pass: the fencers step back from where they stood.
    EXPECT_EQ(t.Lefts(), (std::pair{70, 280}));

    offence(Side::Left);
    EXPECT_NE(std::find(t.calls.begin(), t.calls.end(), RefereeCall{Call::RedCard, Side::Left}),
              t.calls.end());
    EXPECT_EQ(cards[Side::Left], (game::CardsView{.yellow = true, .reds = 1}))
        << "one red card is the bare card";
    EXPECT_EQ(t.Hits(Side::Right), 1);
    // A red card ends the pass: back to the centre lines.
    EXPECT_EQ(t.Lefts(), (std::pair{106, 244}));

    offence(Side::Left);
    EXPECT_EQ(cards[Side::Left].reds, 2);
    EXPECT_EQ(t.probe.Scores().RedCards(Side::Left), 2);
    EXPECT_EQ(t.Hits(Side::Right), 2);

    offence(Side::Right);
    offence(Side::Right);
    EXPECT_EQ(cards[Side::Right], (game::CardsView{.yellow = true, .reds = 1}));
    EXPECT_EQ(t.Hits(Side::Left), 1);
    EXPECT_EQ(cards[Side::Left].reds, 2) << "cards last from ruling to ruling";

    // Over a minute after its last pass, a fencer may run past again.
    t.Stand(70'000);
    t.Pass(Side::Right);
    EXPECT_EQ(t.Referee().PendingCall(), RefereeCall{Call::Passed});
    t.RunToFencing();

    // New Game in the middle of a phrase: nothing of the old bout ticks on.
    t.game.Choose(Verb::NewGame);
    for (const char* timer :
         {"TimerLeft", "TimerRight", "TimerPresident", "TimerClock", "TimerLight"})
        EXPECT_FALSE(t.Timer(timer).Enabled()) << timer;
    for (Side side : game::kSides) {
        EXPECT_EQ(cards[side], game::CardsView{});
        EXPECT_EQ(t.Hits(side), 0);
    }
    // Each bout's first offence is a warning again, and the bout starts as if both fencers
    // had just passed, however long the last one was fenced.
    t.RunToFencing();
    offence(Side::Left);
    EXPECT_EQ(cards[Side::Left], (game::CardsView{.yellow = true, .reds = 0}));
    EXPECT_EQ(t.Hits(Side::Right), 0);
    // A minute into this bout, the right fencer's late pass in the last one counts no more.
    t.Stand(65'000);
    t.Pass(Side::Right);
    EXPECT_EQ(t.Referee().PendingCall(), RefereeCall{Call::Passed});
}

TEST(Referee, GameOverFollowsTheRulingThatReachesMaxHitsAlsoThroughARedCard) {
    BoutTable t;
    t.game.Choose({Verb::SetTarget, 5});
    t.StartPlayersBout();
    for (int i = 0; i < 4; ++i) {
        t.Hit(Side::Left);
        t.RunToFencing();
    }
    EXPECT_EQ(t.Hits(Side::Left), 4);
    t.Hit(Side::Left);
    const auto hit = t.Now();
    t.form.scheduler.RunUntil(hit + 3000);
    EXPECT_EQ(t.Hits(Side::Left), 5);
    t.form.scheduler.RunUntil(hit + 4000);
    EXPECT_EQ(t.Call(), Call::GameOver);
    EXPECT_FALSE(t.Timer("TimerPresident").Enabled());
    EXPECT_EQ(t.Referee().CurrentPhase(), Phase::Engarde);
    EXPECT_EQ(t.Poses(), "VICTORYA DEFEATB");
    // The winning hit's lamps flash on; nothing else moves.
    EXPECT_TRUE(t.Timer("TimerLight").Enabled());
    EXPECT_TRUE(t.Timer("TimerAutoPlay").Enabled());
    for (const char* timer : {"TimerLeft", "TimerRight", "TimerClock"})
        EXPECT_FALSE(t.Timer(timer).Enabled()) << timer;
    t.form.scheduler.RunFor(5000);
    EXPECT_EQ(t.Call(), Call::GameOver);

    // Four hits to the left, a warning to the right, then its red card gives the fifth.
    BoutTable red;
    red.game.Choose({Verb::SetTarget, 5});
    red.StartPlayersBout();
    red.Score(Side::Left, 4);
    red.Pass(Side::Right);
    red.RunToFencing();
    red.Pass(Side::Right);
    red.form.scheduler.RunFor(4000);
    EXPECT_EQ(LastCalls(red, 2),
              (std::vector<RefereeCall>{{Call::RedCard, Side::Right}, {Call::GameOver}}));
    EXPECT_EQ(red.Pose(Side::Left), "VICTORYA");
}

TEST(Referee, TimeOutOvertakesAHitInTheLastSecond) {
    BoutTable t;
    t.game.Choose({Verb::SetTarget, 5});
    ASSERT_TRUE(t.View().menu.timed);
    t.StartPlayersBout();
    // The fencers stand while the clock reaches 0:00.
    t.Stand(0);
    ASSERT_TRUE(
        t.form.scheduler.RunUntilTrue([&] { return t.View().clock.secondsLeft == 0; }, 200'000));
    t.form.scheduler.RunFor(500);
    t.Hit(Side::Right);
    t.form.scheduler.RunFor(500);
    EXPECT_EQ(t.Referee().CurrentPhase(), Phase::TimeOutHalt)
        << "the time-out replaces the pending Halt";
    t.form.scheduler.RunFor(2000);
    EXPECT_EQ(LastCalls(t, 3),
              (std::vector<RefereeCall>{{Call::Fence}, {Call::Halt}, {Call::GameOver}}));
    EXPECT_EQ(t.Hits(Side::Right), 0);
    EXPECT_EQ(t.Poses(), "DEFEATA DEFEATB");
    EXPECT_TRUE(t.Timer("TimerLight").Enabled()) << "the unruled hit's lamps flash on";
}

TEST(ReturnToEngarde, RepositionsByTheRulingAndClampsInOrder) {
    using game::EngardePositions;
    using P = game::EngardePair;
    // Valid hits, red cards and bout starts: the centre lines, wherever the fencers are.
    EXPECT_EQ(EngardePositions(10, 400, false, false, true, true), (P{106, 244}));
    EXPECT_EQ(EngardePositions(150, 200, true, false, false, false), (P{130, 220}));
    // Off target near the left end.
    EXPECT_EQ(EngardePositions(30, 110, true, false, false, false), (P{26, 104}));
    // A pass with no flèche is only the step-back.
    EXPECT_EQ(EngardePositions(200, 150, false, true, false, false), (P{120, 230}));
    // B's flèche carried it past A: step, runner shift, right clamp.
    EXPECT_EQ(EngardePositions(250, 170, false, true, false, true), (P{256, 344}));
    EXPECT_EQ(EngardePositions(200, 130, false, true, true, false), (P{26, 104}));
    // Both limits crossed: the left clamp comes first and the right one never undoes it.
    EXPECT_EQ(EngardePositions(20, 330, true, false, false, false), (P{26, 104}));
    // Off target decides before a pass.
    EXPECT_EQ(EngardePositions(150, 200, true, true, true, false), (P{130, 220}));

    // Through the referee: the records are reset and the runner's flag chose the shift.
    BoutTable t;
    t.StartPlayersBout();
    game::Fencer& b = t.probe.FencerOn(Side::Right);
    b.SetPosture({true, false, true, true});
    b.SetAction(game::Action::FlecheRun);
    b.CountFrames();
    b.Lunge();
    t.probe.FencerOn(Side::Left).PlaceAt(250);
    b.PlaceAt(170);
    t.probe.KeepAdvancing(Side::Left);
    t.probe.PrepareAttack(Side::Left, 3);
    t.Pass();
    t.form.scheduler.RunFor(4000);
    EXPECT_EQ(t.Call(), Call::Engarde);
    EXPECT_EQ(t.Lefts(), (std::pair{256, 344}));
    const game::FencerState& s = b.State();
    EXPECT_FALSE(s.inFleche || s.inLunge || s.armExtended || t.Referee().Outcome().passed);
    EXPECT_EQ(s.action, game::Action::Stand);
    EXPECT_EQ(s.requestedAction, game::Action::Stand);
    EXPECT_EQ(s.frameCount, 1);
    EXPECT_FALSE(t.probe.KeepsAdvancing(Side::Left) || t.probe.AttackPrepared(Side::Left));

    // An off-target ruling is still remembered after the "Engarde" it decided.
    t.RunToFencing();
    t.probe.FencerOn(Side::Left).PlaceAt(30);
    t.probe.FencerOn(Side::Right).PlaceAt(110);
    t.Hit(Side::Left, true);
    t.form.scheduler.RunFor(4000);
    EXPECT_EQ(t.Lefts(), (std::pair{26, 104}));
    EXPECT_TRUE(t.Referee().Outcome().offTarget);
}

TEST(ScoringLamps, FlashTheHittersColourWhiteOffTargetBothOnACounterAndGoDarkAtEngarde) {
    using game::Lamp;
    using Lamps = std::pair<Lamp, Lamp>;
    struct Case {
        Side side;
        bool offTarget, counter;
        Lamps lit;
    };
    for (const Case& c : {Case{Side::Left, false, false, {Lamp::On, Lamp::Off}},
                          Case{Side::Right, false, false, {Lamp::Off, Lamp::On}},
                          Case{Side::Left, true, false, {Lamp::OffTarget, Lamp::Off}},
                          Case{Side::Right, true, false, {Lamp::Off, Lamp::OffTarget}},
                          Case{Side::Left, false, true, {Lamp::On, Lamp::On}},
                          Case{Side::Right, true, true, {Lamp::On, Lamp::OffTarget}}}) {
        SCOPED_TRACE(::testing::Message() << "hit by " << static_cast<int>(c.side) << " off target "
                                          << c.offTarget << " counter " << c.counter);
        BoutTable t;
        t.StartPlayersBout();
        t.Hit(c.side, c.offTarget, c.counter);
        auto lamps = [&t] {
            return Lamps{t.View().lamps[Side::Left], t.View().lamps[Side::Right]};
        };
        std::vector<Lamps> seen;
        for (int i = 0; i < 4; ++i) {
            t.form.scheduler.RunFor(100);
            seen.push_back(lamps());
        }
        const Lamps dark{Lamp::Off, Lamp::Off};
        // Lit and dark alternate every 100 ms; which comes first carries over from the last hit.
        const auto expected = seen[0] == dark ? std::vector<Lamps>{dark, c.lit, dark, c.lit}
                                              : std::vector<Lamps>{c.lit, dark, c.lit, dark};
        EXPECT_EQ(seen, expected);
        t.form.scheduler.RunUntilTrue([&] { return t.Call() == Call::Engarde; }, 5000);
        EXPECT_EQ(lamps(), dark);
        EXPECT_FALSE(t.Timer("TimerLight").Enabled());
    }
}
