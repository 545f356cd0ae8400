// SPDX-License-Identifier: GPL-3.0-or-later
// "Corps à Corps": running past the opponent again within the drawn window of one's own last
// pass. The time between passes is fenced time, whatever the untimed clock shows after it has
// wrapped from 0:00 to 9:00, however long the bout.

#include "BoutTable.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pistework;
using game::Call;
using game::Side;
using table::BoutTable;

namespace {

// Fences (two idle players) until the bout clock has counted `seconds` of fencing.
void FenceFor(BoutTable& t, int seconds) {
    ASSERT_TRUE(t.form.scheduler.RunUntilTrue(
        [&] { return t.probe.Clock().SecondsFenced() >= seconds; }, 2 * 3'600'000));
}

// The right fencer runs past in a flèche; returns the call the referee will make.
Call RunPast(BoutTable& t, int window) {
    game::Fencer& runner = t.probe.FencerOn(Side::Right);
    runner.SetPosture({false, false, true, true});
    t.Referee().CallPass(window);
    runner.SetPosture({});
    const Call call = t.Referee().PendingCall().call;
    // The referee rules and the fencers go again.
    EXPECT_TRUE(t.RunToFencing());
    return call;
}

} // namespace

TEST(Passing, TheTimeSinceTheLastPassIsFencedTimeAtAnyBoutLength) {
    struct Case {
        const char* name;
        std::vector<int> passesAt; // seconds fenced
        std::vector<Call> calls;
    };
    const Call passed = Call::Passed, corps = Call::CorpsACorps;
    const std::vector<Case> cases{
        {"no pass yet, the clock just wrapped to 8:59", {541}, {passed}},
        {"again 3 s after a pass before the wrap", {538, 541}, {passed, corps}},
        {"again 3 s after a pass made after the wrap", {600, 603}, {passed, corps}},
        {"beyond 18 minutes, long after the last pass", {30, 1090}, {passed, passed}},
        {"beyond 18 minutes, right after the last pass", {1085, 1090}, {passed, corps}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BoutTable t(1'700'000'000'000);
        t.game.Choose(Verb::ToggleTimed);
        t.game.Choose(Verb::ChooseTwoPlayers);
        t.game.Choose(Verb::NewGame);
        ASSERT_FALSE(t.game.Options().timed);
        ASSERT_TRUE(t.RunToFencing());
        for (std::size_t i = 0; i < c.passesAt.size(); ++i) {
            FenceFor(t, c.passesAt[i]);
            EXPECT_EQ(RunPast(t, 14), c.calls[i]) << "pass at " << c.passesAt[i] << " s";
        }
    }
}
