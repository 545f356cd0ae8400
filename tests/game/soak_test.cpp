// Random commands for both sides, in every control mode, against the computer: the phrase
// must keep a sane state on every tick and end only as a hit or a pass.

#include "PisteFixture.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

using namespace pistework;
using namespace pistework::testing;

namespace {

std::set<std::string> FencerPictures() {
    std::set<std::string> bases{"ENGARDE", "ENGARDEX", "FLECHE1"};
    for (int action = 0; action < game::kActionCount; ++action)
        for (std::string_view name : game::sequenceTable(action))
            if (!name.empty()) bases.emplace(name);
    std::set<std::string> names;
    for (const auto& base : bases) {
        names.insert(base + "A");
        names.insert(base + "B");
    }
    return names;
}

const std::set<std::string> kCalls{
    "Attack from the Left", "Attack from the Right",
    "Attack from the Left\rCounter Attack from the Right",
    "Attack from the Right\rCounter Attack from the Left", "Opponent Passed", game::kCorpsACorps};

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
        if (mode == Mode::Computer && below(2)) p.form.Menu("mnuKeyboard").Click();
        p.game.demoMode = mode == Mode::Demonstration;
        p.game.opponentRange = 8 + below(5);
        p.form.TimerLeft.SetInterval(mode == Mode::TwoPlayer ? 100 : 80 + 10 * below(5));
        if (below(2)) p.form.Menu("SoundOn").Click();
        // Offences depend on how long ago the last pass was; let some phrases start soon after.
        p.game.boutClock = 540 - below(20);
        p.game.lastPassA = p.game.lastPassB = 540;

        for (int phrase = 0; phrase < 3; ++phrase) {
            p.form.TimerPresident.SetEnabled(false);
            p.form.TimerLight.SetEnabled(false);
            p.OnGuard(26 + below(120), 200 + below(145));
            p.Fence();
            ++phrases;

            bool sane = true;
            auto check = [&] {
                for (int side : {kLeft, kRight}) {
                    const FencerState& f = p.game.fencer[side];
                    const auto& img = side == kLeft ? p.form.imgFencerA : p.form.imgFencerB;
                    const auto& copy = side == kLeft ? p.form.imgFencerATemp : p.form.imgFencerBTemp;
                    const auto table = game::sequenceTable(f.action);
                    sane = sane && f.action < game::kActionCount && f.frameIndex >= 0 &&
                           f.frameIndex <= f.frameCount && f.frameCount <= 10 &&
                           (table.empty() || f.frameIndex <= static_cast<int>(table.size())) &&
                           pictures.count(img.PictureName()) > 0 &&
                           img.PictureName().back() == (side == kLeft ? 'A' : 'B') &&
                           img.Visible() && !copy.Visible();
                }
                return !sane || p.Halted();
            };

            // Up to a minute of fencing, with a command every 0 to 250 ms.
            const std::int64_t end = p.form.scheduler.Now() + 60'000;
            while (sane && !p.Halted() && p.form.scheduler.Now() < end) {
                const int side = below(2);
                switch (below(4)) {
                case 0: p.form.txtKeyboard.Type(keys[static_cast<std::size_t>(below(16))]); break;
                case 1:
                    switch (below(6)) {
                    case 0: p.game.AdvanceCommand(side); break;
                    case 1: p.game.RetreatCommand(side); break;
                    case 2: p.game.ExtendCommand(side); break;
                    case 3: p.game.LungeCommand(side); break;
                    case 4: p.game.ParryCommand(side); break;
                    default: p.game.FlecheCommand(side); break;
                    }
                    break;
                default: break;
                }
                p.form.scheduler.RunUntilTrue(check, below(250));
            }
            ASSERT_TRUE(sane) << "run " << run << " phrase " << phrase << " at "
                              << p.form.scheduler.Now() << ": A action "
                              << int(p.A().action) << " frame " << p.A().frameIndex << "/"
                              << p.A().frameCount << " " << p.form.imgFencerA.PictureName()
                              << ", B action " << int(p.B().action) << " frame "
                              << p.B().frameIndex << "/" << p.B().frameCount << " "
                              << p.form.imgFencerB.PictureName();
            if (!p.Halted()) {
                ++unfinished;
                continue;
            }
            ASSERT_EQ(kCalls.count(p.game.callText), 1u) << p.game.callText;
            EXPECT_EQ(p.game.presidentPhase, 4);
            EXPECT_TRUE(p.form.TimerPresident.Enabled());
            EXPECT_EQ(int(p.game.hitByA) + int(p.game.hitByB) + int(p.game.passed), 1);
            EXPECT_EQ(p.form.TimerLight.Enabled(), !p.game.passed) << "lamps for hits only";
            p.game.passed ? ++passes : ++hits;
            p.game.passed = p.game.hitByA = p.game.hitByB = false;
            p.game.offenceA = p.game.offenceB = false;
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
