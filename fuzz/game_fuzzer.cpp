// SPDX-License-Identifier: GPL-3.0-or-later
// The whole game on the headless platform, driven by a byte stream: a hand-edited settings
// store, then the player's keys, the command buttons, every menu command with its dialog
// answered as the window would, and the passing of time. After every step the bout view must
// be one the window can draw.

#include "common/Menu.h"
#include "common/MenuRules.h"
#include "game/Game.h"
#include "game/GameProbe.h"
#include "game/piste/Geometry.h"
#include "game/player/Settings.h"
#include "game/replay/Replay.h"
#include "game/school/Lessons.h"
#include "game/school/Practice.h"
#include "platform/headless/HeadlessPlatform.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace pistework;
using game::Side;
using layout::MenuCommand;
using platform::headless::HeadlessPlatform;

namespace {

void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken rule: %s\n", what);
    std::abort();
}

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}
    bool Empty() const { return at >= size; }
    // Past the end every byte reads as 0: cancelled dialogs, no time.
    std::uint8_t Next() { return at < size ? data[at++] : 0; }
    std::int32_t Int() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = v << 8 | Next();
        return static_cast<std::int32_t>(v);
    }
    std::string Text() {
        std::string text;
        for (int n = Next() % 16; n > 0; --n)
            text += static_cast<char>(Next());
        return text;
    }

private:
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
};

const std::set<std::string>& KnownPictures() {
    static const std::set<std::string> names = [] {
        const std::vector<std::string> all = game::AllPictureNames();
        return std::set<std::string>(all.begin(), all.end());
    }();
    return names;
}

// The values a hand-edited store can hold, each present or not as the first byte says.
void StoreSettings(Bytes& in, HeadlessPlatform& form) {
    auto& values = form.store.values;
    const std::uint8_t present = in.Next();
    if (present & 0x01) values["Range"] = in.Int();
    if (present & 0x02) values["Speed"] = in.Int();
    if (present & 0x04) values["MaxHits"] = in.Int();
    if (present & 0x08) values["Timed"] = static_cast<int>(in.Next() % 3);
    if (present & 0x10) values["Control"] = static_cast<int>(in.Next() % 3);
    if (present & 0x20) values["KeyboardLeft"] = in.Text();
    if (present & 0x40) values["KeyboardRight"] = in.Text();
    if (present & 0x80) values["Range"] = std::string("twelve"); // of the wrong kind
}

class Run {
public:
    explicit Run(Bytes& in) : in(in), form(1'700'000'000'000 + in.Next() * 997'000LL) {
        StoreSettings(in, form);
        game.emplace(form.Services());
        probe.emplace(*game);
        game->SetOnNewBest([this](const game::Game::NewBest& best,
                                  const game::Game::Record& record) { OnNewBest(best, record); });
        game->Start();
        highestTarget = game->Options().maxHits;
        Check();
    }

    void Play() {
        // Ticks and virtual time are bounded, so a hand-edited opponent of 1 ms per tick
        // cannot outlast -timeout; a whole bout takes a few thousand ticks.
        constexpr std::uint64_t kTickBudget = 50'000;
        constexpr std::int64_t kBudget = 30 * 60'000;
        const std::int64_t start = form.scheduler.Now();
        while (!in.Empty() && !closed && form.scheduler.Now() - start < kBudget &&
               form.scheduler.TicksRun() < kTickBudget) {
            Step(in.Next());
            Check();
        }
        Require(game->SaveOptions(), "the options were not stored");
        // The next start reads what this one stored.
        const game::BoutOptions stored = game::ReadSettings(form.store);
        const game::BoutOptions& o = game->Options();
        Require(stored.maxHits == o.maxHits && stored.keysLeft == o.keysLeft &&
                    stored.keysRight == o.keysRight && stored.chosen == o.chosen &&
                    stored.timed == o.timed && stored.pauseWhenInactive == o.pauseWhenInactive,
                "the stored options read back differently");
        // Every start is silent, with one player against the computer.
        Require(!stored.soundOn && !stored.twoPlayer, "sound or two players were stored");
    }

private:
    void Step(std::uint8_t op) {
        switch (op % 8) {
        case 0:
            Type(in.Next());
            break;
        case 1:
            ClickButton(in.Next());
            break;
        case 2:
        case 3:
            Choose(in.Next());
            break;
        case 4:
            // The window losing the focus pauses a player's bout as F3 does, if the player chose
            // so.
            if (op & 8)
                game->FocusLost();
            else
                game->Choose(game::Verb::PauseOrResume);
            break;
        default:
            RunClock(in.Next());
            break;
        }
    }

    void RunClock(std::uint8_t b) {
        // Short steps land inside a phrase, long ones run whole bouts and demonstrations.
        const int ms = b < 128 ? b * 10 : (b - 127) * 500;
        form.scheduler.RunFor(ms);
    }

    void Type(std::uint8_t b) {
        const game::BoutOptions& o = game->Options();
        const std::u32string keys = o.keysLeft + o.keysRight + U"Qé ж";
        game::TypeKey(*game, keys[b % keys.size()]);
    }

    // A hidden button cannot be clicked.
    void ClickButton(std::uint8_t b) {
        if (game->View().commandButtons)
            game->Command(game::CommandSource::Buttons, Side::Right,
                          static_cast<game::FencerCommand>(b % 6));
    }

    // An item of the window's menus, in their order, as the window takes it: where the menu's
    // rules allow it, the game's verb, or what the window's own item does to the game.
    void Choose(std::uint8_t b) {
        using enum MenuCommand;
        static const std::map<MenuCommand, std::function<void(Run&)>> own{
            // The table shows beside the bout, which goes on.
            {BestResults, [](Run& r) { (void)r.game->BestResults(); }},
            {Exit, [](Run& r) { r.closed = true; }},
            {Custom, [](Run& r) { r.AskCustom(); }},
            {Keys, [](Run& r) { r.game->WhileHeld([&r] { r.AskKeys(); }); }},
            {About, [](Run& r) { r.game->WhileHeld([&r] { r.ReadWhileHeld(); }); }},
            {Help, [](Run& r) { r.game->WhileHeld([&r] { r.ReadWhileHeld(); }); }},
            {Handbook, [](Run& r) { r.game->WhileHeld([&r] { r.ReadWhileHeld(); }); }},
            // A lesson runs on its own timer while the player's game waits held.
            {School, [](Run& r) { r.game->WhileHeld([&r] { r.Practise(); }); }},
            // The window only draws the same board larger; the game sees nothing of it.
            {FullScreen, [](Run&) {}},
            // What the game keeps of the last bout must read back as a replay.
            {SaveReplay, [](Run& r) { r.ReadBackReplay(); }},
            // Watching holds the game and changes nothing; play goes on after it.
            {WatchReplay,
             [](Run& r) {
                 const game::PlayHold hold(*r.game);
                 r.ReadBackReplay();
             }},
            {WatchLastBout,
             [](Run& r) {
                 const game::PlayHold hold(*r.game);
                 r.ReadBackReplay();
             }},
            // The list reads every kept file, the game held.
            {Bouts, [](Run& r) { r.game->WhileHeld([&r] { r.ReadKeptBouts(); }); }},
            // Only drawn over a replay.
            {ShowDistance, [](Run&) {}},
            // Either player's own game, and a watcher's, is held while the shared bout is on
            // show, then says why it ended over the bout's last picture.
            {HostNetworkBout, [](Run& r) { r.NetworkBout(); }},
            {JoinNetworkBout, [](Run& r) { r.NetworkBout(); }},
            {WatchNetworkBout, [](Run& r) { r.NetworkBout(); }},
        };
        static const std::vector<MenuCommand> items = [] {
            std::vector<MenuCommand> all;
            for (const auto& entry : layout::kMenu)
                if (entry.command != None) all.push_back(entry.command);
            return all;
        }();
        const MenuCommand chosen = items[b % items.size()];
        if (const auto& choice = layout::Rule(chosen).choice) return game->Choose(*choice);
        const auto command = own.find(chosen);
        Require(command != own.end(), "a menu item the fuzzer cannot choose");
        command->second(*this);
    }

    void NetworkBout() {
        std::optional<game::PlayHold> hold(*game);
        hold.reset();
        const game::ReplayPicture last = game::ReplayPicture::Of(game->View());
        game->EndNetworkBout(game::NetworkEnding::PeerLeft, last);
    }

    void ReadBackReplay() {
        const auto bytes = game->LastReplay();
        // Reading fences the whole bout again: a file read once need not be read twice.
        if (bytes.empty() || std::ranges::equal(bytes, readBack)) return;
        readBack.assign(bytes.begin(), bytes.end());
        game::Replay replay;
        const game::ReplayError error = game::DecodeReplay(bytes, replay);
        if (error != game::ReplayError::None)
            std::fprintf(stderr, "replay error %d\n", static_cast<int>(error));
        Require(error == game::ReplayError::None, "the last bout's replay does not read back");
    }

    // Every bout a player finished is kept whole, its summary and its replay readable.
    void ReadKeptBouts() {
        std::vector<game::KeptBout> kept;
        for (const std::string& name : form.bouts.Names()) {
            const auto bytes = form.bouts.Read(name);
            Require(bytes.has_value(), "a kept bout cannot be read");
            const auto read = game::ReadKeptBout(*bytes);
            Require(read.has_value(), "a kept bout's summary does not read back");
            game::Replay replay;
            Require(game::DecodeReplay(read->replay, replay) == game::ReplayError::None,
                    "a kept bout's replay does not read back");
            kept.push_back(read->about);
        }
        (void)game::RecordByLevel(kept);
    }

    // The custom dialog is modal but does not hold play: time passes while it is open. Its
    // bars open at the strength in play, which a hand-edited store may have set to anything;
    // the answer is cancel, the bars as opened, or bars moved.
    void AskCustom() {
        const game::CustomPositions opened = game::PositionsFor(game->StrengthInPlay());
        Require(opened.speed >= 0 && opened.speed <= game::kLastCustomPosition &&
                    opened.reaction >= 0 && opened.reaction <= game::kLastCustomPosition,
                "the custom bars open off their ends");
        const std::uint8_t b = in.Next();
        RunClock(in.Next() % 64);
        Check();
        if (b % 3 == 1) game->ChooseCustom(game::StrengthAt(opened));
        if (b % 3 == 2) game->ChooseCustom(game::StrengthAt({b / 3 % 5, b / 15 % 5}));
    }

    void AskKeys() {
        CheckHeld();
        if (in.Next() % 4 != 0) game->SetKeys({Boxes(), Boxes()});
    }

    // The player's keys and time go to the lesson; its piste shows only the game's pictures,
    // and the game it interrupted stays held throughout.
    void Practise() {
        const auto& lessons = game::school::kLessons;
        game::school::Practice practice(form, form.clock, lessons[in.Next() % lessons.size()]);
        practice.Start();
        for (int steps = in.Next() % 32; steps > 0; --steps) {
            const std::uint8_t b = in.Next();
            if (b & 1)
                practice.Command(static_cast<game::FencerCommand>(b / 2 % 6));
            else
                RunClock(b / 2);
            CheckHeld();
            for (Side side : game::kSides)
                Require(KnownPictures().count(practice.View().fencers[side].pose) > 0,
                        "a lesson shows an unknown picture");
        }
    }

    // Help and About: the player reads while time passes, and nothing of the bout moves.
    void ReadWhileHeld() {
        CheckHeld();
        RunClock(in.Next());
        CheckHeld();
    }

    void OnNewBest(const game::Game::NewBest& best, const game::Game::Record& record) {
        Require(best.level >= 1 && best.level <= 6, "a best result for no level");
        Require(game->Options().level && game->Options().level->number == best.level,
                "a best result for another level");
        Require(best.score[Side::Right] > best.score[Side::Left], "a best result for a lost bout");
        Require(best.score[Side::Right] <= highestTarget, "a best result above the target");
        const std::string name = in.Text();
        Require(record(name), "the store did not take the best result");
        Require(game->BestResults()[static_cast<std::size_t>(best.level)].winner == name,
                "the best result reads back under another name");
    }

    // Six one-key boxes, some left empty, as the layout dialog gives them.
    std::u32string Boxes() {
        static constexpr std::u32string_view kPool = U"wsxqazmko,lpasdzxckl;m,.WÉжé1 ";
        std::u32string keys;
        for (std::size_t i = 0; i < 6; ++i) {
            const std::uint8_t b = in.Next();
            if (b % 5 != 0) keys += kPool[b % kPool.size()];
        }
        return keys;
    }

    bool Running(std::string_view timer) { return probe->Timer(timer).Enabled(); }

    // A pause or a dialog holds play: the bout's one timer does not run.
    void CheckHeld() { Require(!form.Timer("TimerBout").Enabled(), "play runs while held"); }

    void Check() {
        const game::BoutView& view = game->View();
        const bool left = Running("TimerLeft");
        const bool right = Running("TimerRight");
        Require(view.menu.paused == probe->Paused(), "the menu shows another pause");
        if (probe->Paused()) CheckHeld();
        // The referee never runs together with the fencers: they move only between its
        // "Fence" and the next "Halt", and no salute or lamp runs then either.
        const game::Phase phase = probe->President().CurrentPhase();
        if (left || right) {
            Require(!Running("TimerPresident"), "a fencer moves while the referee calls");
            Require(phase == game::Phase::Halt, "a fencer moves outside fencing");
            Require(!Running("TimerSalute"), "a fencer moves during the salute");
            Require(!Running("TimerLight"), "a fencer moves while the lamps flash");
        }

        for (Side side : game::kSides) {
            const game::FencerView& shown = view.fencers[side];
            Require(KnownPictures().count(shown.pose) > 0, "an unknown picture");
            Require(shown.x == probe->FencerOn(side).Left(),
                    "a picture not where its fencer stands");
        }
        // A retreat with the arm extended is deliberately not held back at the end of the
        // piste (the opponent tests pin that down), so a player can walk a fencer off it. The
        // referee's "Engarde" brings both back within the limits, and they stand there until
        // it lets them go.
        if (phase == game::Phase::Ready || phase == game::Phase::Fence ||
            phase == game::Phase::LetGo) {
            const int leftAt = probe->FencerOn(Side::Left).Left();
            const int rightAt = probe->FencerOn(Side::Right).Left();
            if (leftAt < game::kLeftLimitA || rightAt > game::kRightLimitB)
                std::fprintf(stderr, "on guard at %d and %d\n", leftAt, rightAt);
            Require(leftAt >= game::kLeftLimitA && rightAt <= game::kRightLimitB,
                    "on guard off the piste");
        }

        const game::BoutOptions& o = game->Options();
        if (o.level) {
            Require(o.level->number >= 1 && o.level->number <= 6, "a level out of range");
            Require(o.level->strength == o.chosen, "a level at another strength");
        }
        Require(o.maxHits > 0, "a target of no hits");

        // A target lowered in a bout can leave a score above it; none passes the highest
        // target the bout has had, since the bout ends at the ruling that reaches it.
        const int a = probe->Scores().Hits(Side::Left);
        const int b = probe->Scores().Hits(Side::Right);
        highestTarget = a == 0 && b == 0 ? o.maxHits : std::max(highestTarget, o.maxHits);
        Require(a <= highestTarget && b <= highestTarget, "a score above the target");
        Require(view.scores[Side::Left] == a && view.scores[Side::Right] == b,
                "the board shows another score");
    }

    Bytes& in;
    HeadlessPlatform form;
    std::optional<game::Game> game;
    std::optional<game::GameProbe> probe;
    int highestTarget = 0;
    bool closed = false;
    std::vector<std::uint8_t> readBack;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    Run run(in);
    run.Play();
    return 0;
}
