// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bout/Bout.h"

#include "game/bout/BoutRules.h"
#include "game/bout/Fnv1a.h"
#include "game/piste/Geometry.h"
#include "game/piste/Hits.h"
#include "game/piste/Reach.h"

namespace pistework::game {

Bout::Bout(std::int64_t now) {
    piste.timers.MoveTo(now);
    PlaceOnLines();
}

std::optional<std::int64_t> Bout::NextDue() const {
    const std::optional<Tick> next = piste.timers.Next();
    if (!next) return std::nullopt;
    return piste.timers.Due(*next);
}

std::optional<std::int64_t> Bout::NextTickOf(Side side) const {
    return piste.timers.Due(side == Side::Left ? Tick::Left : Tick::Right);
}

bool Bout::RunNext() {
    if (!piste.timers.Next()) return false;
    RunTick(piste.timers.Fire());
    return true;
}

std::vector<Happening> Bout::TakeNews() {
    std::vector<Happening> news = std::move(piste.news);
    piste.news.clear();
    return news;
}

void Bout::RunTick(Tick tick) {
    // The computer's draws reseed from the whole seconds of the tick's own time.
    piste.opponent.SetTime(Now());
    switch (tick) {
    case Tick::Left:
        return FencerTick(Side::Left);
    case Tick::Right:
        return FencerTick(Side::Right);
    case Tick::President:
        if (referee.Tick(piste)) End();
        return;
    case Tick::Clock:
        if (piste.clock.Tick(piste.settings.timed)) referee.TimeOut(piste);
        return;
    case Tick::Light:
        return referee.FlashLamps(piste);
    case Tick::Salute:
        return SaluteStep();
    case Tick::AutoPlay:
        return StartNew(true);
    }
}

void Bout::Take(std::int64_t at, const BoutInput& input) {
    MoveTo(at);
    std::visit(
        [this, at](const auto& given) {
            using T = std::decay_t<decltype(given)>;
            if constexpr (std::is_same_v<T, input::Order>)
                Command(given.side, given.command);
            else if constexpr (std::is_same_v<T, input::Resume>)
                Restart(at);
            else if constexpr (std::is_same_v<T, BoutSettings>)
                Configure(given);
            else if constexpr (std::is_same_v<T, input::ClockLength>)
                SetClock(given.seconds);
            else if constexpr (std::is_same_v<T, input::ButtonsShown>)
                ShowButtonsAgain();
        },
        input);
}

void Bout::PlaceOnLines() {
    piste.fencers[Side::Left].PlaceAt(kEngardeLeftA);
    piste.fencers[Side::Right].PlaceAt(kEngardeLeftB);
}

void Bout::StepIn(const PerSide<int>& steps) {
    for (Side side : kSides) {
        Fencer& fencer = piste.fencers[side];
        fencer.PlaceAt(fencer.Left() + steps[side] * kStep * Forward(side));
        fencer.UpdatePoints();
    }
}

void Bout::HandRightToPlayer() {
    const Strength left = piste.opponent.InPlay(Side::Left);
    demoMode = demoOnShow = buttonsHidden = false;
    piste.settings.computerLeft = true;
    piste.settings.demonstrationAfter = false;
    piste.settings.strength = left;
    piste.opponent.SetStrength(left);
    piste.timers.SetInterval(Tick::Right, kPlayerSpeed);
    // The end's pause before the next demonstration would start one.
    if (!running) piste.timers.Stop(Tick::Salute);
}

void Bout::Stop() {
    for (Tick t :
         {Tick::Clock, Tick::Right, Tick::Left, Tick::President, Tick::Light, Tick::Salute})
        piste.timers.Stop(t);
    piste.lamps.Off();
    for (Side side : kSides)
        piste.fencers[side].ShowPicture(picture::kDefeat);
    demoOnShow = false;
    running = false;
}

// Resets the scoreboard, cards and clock, picks the opponent's strength for this bout and
// starts the salute. The fencers' records, the lamps and the referee's flags wait for the
// first "Engarde".
void Bout::StartNew(bool demonstration) {
    const BoutSettings& settings = piste.settings;
    Schedule& timers = piste.timers;
    demoMode = demonstration;
    running = true;
    piste.clock.Start(BoutLengthSeconds(settings.target), settings.timed);
    referee.StartBout();
    if (demoMode) {
        // Each side at the demonstration's strength (the Champion unless set otherwise); the
        // player's choice waits in the settings.
        for (Side side : kSides)
            piste.opponent.SetStrength(side, demoStrengths[side]);
    } else {
        piste.opponent.SetStrength(settings.strength);
    }
    demoOnShow = buttonsHidden = demoMode;
    timers.Stop(Tick::AutoPlay);
    for (Side side : kSides)
        timers.SetInterval(side == Side::Left ? Tick::Left : Tick::Right,
                           ComputerFences(side) ? piste.opponent.InPlay(side).tickMs
                                                : kPlayerSpeed);
    piste.scores.Reset();
    saluteStep = 0;
    // No tick of the bout before may arrive after the reset.
    for (Tick t : {Tick::Left, Tick::Right, Tick::President, Tick::Clock, Tick::Light})
        timers.Stop(t);
    timers.Start(Tick::Salute);
    piste.news.emplace_back(BoutBegan{});
}

// Six steps of 300 ms, then the referee takes over. Negative steps are the pause between
// demonstration bouts, with the last result still on show.
void Bout::SaluteStep() {
    ++saluteStep;
    if (saluteStep >= 0) PlaceOnLines();
    auto show = [this](std::string_view baseName) {
        for (Side side : kSides)
            piste.fencers[side].ShowPicture(baseName);
    };
    switch (saluteStep) {
    case 0:
        show(picture::kDefeat);
        StartNew(demoMode);
        break;
    case 1:
    case 5:
        piste.call = {};
        show(picture::kSalute[0]);
        break;
    case 2:
    case 4:
        show(picture::kSalute[1]);
        break;
    case 3:
        show(picture::kSalute[2]);
        break;
    case 6:
        show(picture::kEngarde);
        piste.timers.Start(Tick::President);
        piste.timers.Stop(Tick::Salute);
        break;
    default:
        break;
    }
}

void Bout::End() {
    running = false;
    const PerSide<int> score{piste.scores.Hits(Side::Left), piste.scores.Hits(Side::Right)};
    for (Side side : kSides)
        piste.fencers[side].ShowPicture(score[side] > score[Opposite(side)] ? picture::kVictory
                                                                            : picture::kDefeat);
    if (demoMode) {
        // Ten silent salute ticks keep the result on show for three seconds.
        saluteStep = -10;
        piste.timers.Start(Tick::Salute);
    } else if (piste.settings.demonstrationAfter) {
        piste.timers.Start(Tick::AutoPlay);
    }
    std::optional<Side> winner;
    if (score[Side::Left] != score[Side::Right])
        winner = score[Side::Left] > score[Side::Right] ? Side::Left : Side::Right;
    piste.Emit(BoutOver{winner, score, demoMode});
}

// The left fencer is the computer's unless the settings give it to a person; in a
// demonstration the computer fences both sides whatever they say.
bool Bout::ComputerFences(Side side) const {
    return demoMode || (side == Side::Left && piste.settings.computerLeft);
}

// One tick of a fencer: a parry of the other may catch its blade, its point may arrive, its
// sequence may end and the next action begin, then it shows its next frame.
void Bout::FencerTick(Side side) {
    Fencer& self = piste.fencers[side];
    Fencer& other = piste.fencers[Opposite(side)];
    Opponent& opponent = piste.opponent;
    const Tick timer = side == Side::Left ? Tick::Left : Tick::Right;

    piste.timers.Stop(timer);

    if (ParryCatches(other.State(), other.OwnSide(), self.State())) {
        referee.NoteParry(other.OwnSide());
        const Action before = self.CurrentAction();
        self.SetAction(ParriedVariant(before));
        if (self.CurrentAction() != before) piste.Emit(SoundPlayed{SoundCue::Parry});
        self.CountFrames();
    }

    const Arrival arrival = HitTest(self.State(), side, other.State());
    referee.NoteArrival(side, arrival, Now());
    if (arrival.hit) {
        self.EndSequence();
        piste.inFront = side;
        referee.CallHit(piste, side);
        piste.Emit(SoundPlayed{SoundCue::Hit});
        return;
    }

    const bool computer = ComputerFences(side);
    const bool began = self.EndSequence();
    if (began) {
        if (computer)
            opponent.ChooseAction(self, other, piste.scores.RedCards(side));
        else
            self.TakeUpRequest();
        self.CountFrames();
    }

    if (computer) {
        if (!opponent.ParryReaction(self, other)) {
            self.SetAction(opponent.ArmAndStepVariation(self, other));
            self.SetAction(ArmVariant(self.CurrentAction(), self.State().armExtended));
        }
    } else if (side == Side::Right) {
        self.SetAction(ArmVariant(self.CurrentAction(), self.State().armExtended));
    }

    self.UpdatePoints();
    if (self.ShowFrame()) piste.inFront = side;
    // The gap as the pictures show it, as a replay's watcher measures it too.
    if (began && StartsAttack(self.CurrentAction()))
        referee.NoteAttack(
            side,
            TipGap({piste.fencers[Side::Left].Picture(), piste.fencers[Side::Right].Picture()}),
            Now());

    // Only the left fencer's tick looks for a pass.
    if (side == Side::Left && HavePassed(self.State(), other.State())) {
        referee.CallPass(piste, opponent.FreshDraw(10) + 5);
        return;
    }
    piste.timers.Start(timer);
}

void Bout::Show(BoutView& view) const {
    for (Side side : kSides) {
        view.fencers[side] = piste.fencers[side].Picture();
        view.scores[side] = piste.scores.Hits(side);
        view.cards[side] = piste.scores.Cards(side);
    }
    view.inFront = piste.inFront;
    view.call = piste.call;
    view.clock = piste.clock.Shown();
    view.lamps = piste.lamps.Shown();
}

std::uint32_t Bout::Digest() const {
    Fnv1a d;
    Fields(*this, d);
    return d.Value();
}

} // namespace pistework::game
