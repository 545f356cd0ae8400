// The whole game on the headless form, driven by a byte stream: a hand-edited settings store,
// then the player's keys, the command buttons, every menu item, the dialogs' answers and the
// passing of time. After every step the game must still be one the window can show.

#include "game/Game.h"
#include "game/Geometry.h"
#include "game/Settings.h"
#include "platform/Layout.h"
#include "platform/headless/HeadlessForm.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

using namespace pistework;
using game::Side;
using platform::headless::HeadlessForm;

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

// Every item of the menus a player can click.
const std::vector<std::string>& MenuItems() {
    static const std::vector<std::string> items = [] {
        std::vector<std::string> names;
        for (const auto& entry : platform::layout::kMenu)
            if (entry.kind != platform::layout::MenuKind::Menu &&
                entry.kind != platform::layout::MenuKind::Separator)
                names.emplace_back(entry.name);
        return names;
    }();
    return items;
}

// The values a hand-edited store can hold, each present or not as the first byte says.
void StoreSettings(Bytes& in, HeadlessForm& form) {
    auto& values = form.registry.At(platform::Registry::Root::LocalMachine, game::kGameKey).values;
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
        game.emplace(form.Controls());
        InstallDialogs();
        game->FormCreate();
        highestTarget = game->Options().maxHits;
        Check();
    }

    void Play() {
        // Ticks and virtual time are bounded, so a hand-edited opponent of 1 ms per tick
        // cannot outlast -timeout; a whole bout takes a few thousand ticks.
        constexpr std::uint64_t kTickBudget = 50'000;
        constexpr std::int64_t kBudget = 30 * 60'000;
        const std::int64_t start = form.scheduler.Now();
        while (!in.Empty() && !form.closed && form.scheduler.Now() - start < kBudget &&
               form.scheduler.TicksRun() < kTickBudget) {
            Step(in.Next());
            Check();
        }
        Require(game->FormDestroy(), "the options were not stored");
        // The next start reads what this one stored.
        const game::BoutOptions stored = game::ReadSettings(form.registry);
        const game::BoutOptions& o = game->Options();
        Require(stored.maxHits == o.maxHits && stored.keysLeft == o.keysLeft &&
                    stored.keysRight == o.keysRight && stored.chosen == o.chosen &&
                    stored.timed == o.timed,
                "the stored options read back differently");
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
            form.Menu(MenuItems()[in.Next() % MenuItems().size()]).Click();
            break;
        case 4:
            form.Menu("mnuFilePauseGame").Click();
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
        form.txtKeyboard.Type(keys[b % keys.size()]);
    }

    // A hidden button cannot be clicked.
    void ClickButton(std::uint8_t b) {
        platform::headless::HeadlessButton* buttons[] = {&form.cmdAdvance, &form.cmdExtend,
                                                         &form.cmdLunge,   &form.cmdRetreat,
                                                         &form.cmdParry,   &form.cmdFleche};
        auto* button = buttons[b % std::size(buttons)];
        if (button->Visible()) button->Click();
    }

    void InstallDialogs() {
        // The custom dialog is modal but does not hold play: time passes while it is open.
        // Its bars open at the strength in play, which a hand-edited store may have set to
        // anything; the answer is cancel, the bars as opened, or bars moved.
        game->SetOnCustomLevel(
            [this](const game::Strength& inPlay) -> std::optional<game::Strength> {
                const game::CustomPositions opened = game::PositionsFor(inPlay);
                Require(opened.speed >= 0 && opened.speed <= game::kLastCustomPosition &&
                            opened.reaction >= 0 && opened.reaction <= game::kLastCustomPosition,
                        "the custom bars open off their ends");
                const std::uint8_t b = in.Next();
                RunClock(in.Next() % 64);
                Check();
                if (b % 3 == 0) return std::nullopt;
                if (b % 3 == 1) return game::StrengthAt(opened);
                return game::StrengthAt({b / 3 % 5, b / 15 % 5});
            });
        game->SetOnKeyboardLayout(
            [this](const game::Game::Keys&) -> std::optional<game::Game::Keys> {
                CheckHeld();
                if (in.Next() % 4 == 0) return std::nullopt;
                return game::Game::Keys{Boxes(), Boxes()};
            });
        for (auto which : {game::Game::Dialog::Help, game::Game::Dialog::About})
            game->SetOnDialog(which, [this] {
                CheckHeld();
                RunClock(in.Next());
                CheckHeld();
            });
        game->SetOnDialog(game::Game::Dialog::BestResults, [this] { Check(); });
        game->SetOnBestResult([this](int level, int hitsA, int hitsB) {
            Require(level >= 1 && level <= 6, "a best result for no level");
            Require(game->Options().level && game->Options().level->number == level,
                    "a best result for another level");
            Require(hitsB > hitsA, "a best result for a lost bout");
            Require(hitsB <= highestTarget, "a best result above the target");
        });
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

    std::array<platform::headless::VirtualTimer*, 7> PlayTimers() {
        return {&form.TimerLeft,  &form.TimerRight,  &form.TimerPresident, &form.TimerClock,
                &form.TimerLight, &form.TimerSalute, &form.TimerAutoPlay};
    }

    // A pause or a dialog holds every timer of play.
    void CheckHeld() {
        for (auto* t : PlayTimers())
            Require(!t->Enabled(), "a timer runs while play is held");
    }

    void Check() {
        const bool left = form.TimerLeft.Enabled();
        const bool right = form.TimerRight.Enabled();
        if (game->Paused()) CheckHeld();
        // The referee never runs together with the fencers: they move only between its
        // "Fence" and the next "Halt", and no salute or lamp runs then either.
        if (left || right) {
            Require(!form.TimerPresident.Enabled(), "a fencer moves while the referee calls");
            Require(game->President().CurrentPhase() == game::Phase::Halt,
                    "a fencer moves outside fencing");
            Require(!form.TimerSalute.Enabled(), "a fencer moves during the salute");
            Require(!form.TimerLight.Enabled(), "a fencer moves while the lamps flash");
        }

        for (auto* image : {&form.imgFencerA, &form.imgFencerB, &form.imgLightA, &form.imgLightB})
            Require(image->PictureName().empty() || KnownPictures().count(image->PictureName()),
                    "an unknown picture");
        // A retreat with the arm extended is deliberately not held back at the end of the
        // piste (the opponent tests pin that down), so a player can walk a fencer off it. The
        // referee's "Engarde" brings both back within the limits, and they stand there until
        // it lets them go.
        const game::Phase phase = game->President().CurrentPhase();
        if (phase == game::Phase::Ready || phase == game::Phase::Fence ||
            phase == game::Phase::LetGo) {
            const int leftAt = game->FencerOn(Side::Left).Left();
            const int rightAt = game->FencerOn(Side::Right).Left();
            if (leftAt < game::kLeftLimitA || rightAt > game::kRightLimitB)
                std::fprintf(stderr, "on guard at %d and %d\n", leftAt, rightAt);
            Require(leftAt >= game::kLeftLimitA && rightAt <= game::kRightLimitB,
                    "on guard off the piste");
        }
        Require(form.imgFencerA.Left() == game->FencerOn(Side::Left).Left() &&
                    form.imgFencerB.Left() == game->FencerOn(Side::Right).Left(),
                "a picture not where its fencer stands");

        const game::BoutOptions& o = game->Options();
        if (o.level) {
            Require(o.level->number >= 1 && o.level->number <= 6, "a level out of range");
            Require(o.level->strength == o.chosen, "a level at another strength");
        }
        Require(o.maxHits > 0, "a target of no hits");

        // A target lowered in a bout can leave a score above it; none passes the highest
        // target the bout has had, since the bout ends at the ruling that reaches it.
        const int a = game->Scores().Hits(Side::Left);
        const int b = game->Scores().Hits(Side::Right);
        highestTarget = a == 0 && b == 0 ? o.maxHits : std::max(highestTarget, o.maxHits);
        Require(a <= highestTarget && b <= highestTarget, "a score above the target");
        Require(form.lblScore0.Caption() == std::to_string(a) &&
                    form.lblScore1.Caption() == std::to_string(b),
                "the board shows another score");
        for (auto* label : {&form.lblEngarde, &form.lblTime, &form.lblScore0, &form.lblScore1})
            label->ClearHistory();
    }

    Bytes& in;
    HeadlessForm form;
    std::optional<game::Game> game;
    int highestTarget = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    Run run(in);
    run.Play();
    return 0;
}
