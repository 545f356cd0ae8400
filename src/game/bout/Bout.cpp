// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bout/Bout.h"

#include "game/bout/BoutRules.h"
#include "game/piste/Geometry.h"
#include "game/piste/Hits.h"
#include "game/piste/Reach.h"

namespace pistework::game {

// Made in this order, which the virtual clock keeps for timers due at the same instant.
BoutTimers::BoutTimers(platform::TimerSource& source)
    : left(source.MakeTimer("TimerLeft", 120)), right(source.MakeTimer("TimerRight", 100)),
      president(source.MakeTimer("TimerPresident", 1000)),
      clock(source.MakeTimer("TimerClock", 1000)), light(source.MakeTimer("TimerLight", 100)),
      salute(source.MakeTimer("TimerSalute", 300)),
      autoPlay(source.MakeTimer("TimerAutoPlay", 15000)) {}

Bout::Bout(BoutTimers& timers, BoutView& view, const EventStream& events,
           const BoutOptions& options, const platform::Services& services)
    : timers(timers), view(view), events(events), options(options), sound(services.sound),
      fencers(Fencer(Side::Left, kEngardeLeftA, view), Fencer(Side::Right, kEngardeLeftB, view)),
      opponent(services.random, services.clock), scores(view), lamps(view), clock(view.clock),
      referee(view, events,
              {timers.president, timers.clock, timers.light, {&timers.left, &timers.right}},
              fencers, opponent, scores, lamps, clock, options, services.clock) {
    referee.SetOnGameOver([this] { End(); });
    auto on = [this](HeldTimer& timer, std::function<void()> tick) {
        timer.SetOnTimer([this, tick = std::move(tick)] {
            tick();
            if (onStep) onStep();
        });
    };
    on(timers.left, [this] { FencerTick(Side::Left); });
    on(timers.right, [this] { FencerTick(Side::Right); });
    on(timers.president, [this] { referee.Tick(); });
    on(timers.light, [this] { referee.FlashLamps(); });
    on(timers.clock, [this] { ClockTick(); });
    on(timers.salute, [this] { SaluteStep(); });
    on(timers.autoPlay, [this] { StartNew(true); });
}

void Bout::PlaceOnLines() {
    fencers[Side::Left].PlaceAt(kEngardeLeftA);
    fencers[Side::Right].PlaceAt(kEngardeLeftB);
}

void Bout::Stop() {
    for (platform::Timer* t : {&timers.clock, &timers.right, &timers.left, &timers.president,
                               &timers.light, &timers.salute})
        t->SetEnabled(false);
    lamps.Off();
    for (Side side : kSides)
        fencers[side].ShowPicture(picture::kDefeat);
    demoOnShow = false;
    running = false;
}

// Resets the scoreboard, cards and clock, picks the opponent's strength for this bout and
// starts the salute. The fencers' records, the lamps and the referee's flags wait for the
// first "Engarde".
void Bout::StartNew(bool demonstration) {
    demoMode = demonstration;
    running = true;
    clock.Start(BoutLengthSeconds(options.maxHits), options.timed);
    referee.StartBout();
    if (demoMode) {
        // Each side at the demonstration's strength (the Champion unless set otherwise); the
        // player's choice waits in the options.
        for (Side side : kSides)
            opponent.SetStrength(side, demoStrengths[side]);
    } else {
        opponent.SetStrength(options.chosen);
    }
    demoOnShow = buttonsHidden = demoMode;
    timers.autoPlay.SetEnabled(false);
    for (Side side : kSides)
        FencerTimer(side).SetInterval(ComputerFences(side) ? opponent.InPlay(side).tickMs
                                                           : kPlayerSpeed);
    scores.Reset();
    saluteStep = 0;
    // No tick of the bout before may arrive after the reset.
    for (platform::Timer* t :
         {&timers.left, &timers.right, &timers.president, &timers.clock, &timers.light})
        t->SetEnabled(false);
    timers.salute.SetEnabled(true);
    if (onStart) onStart();
}

// Six steps of 300 ms, then the referee takes over. Negative steps are the pause between
// demonstration bouts, with the last result still on show.
void Bout::SaluteStep() {
    ++saluteStep;
    if (saluteStep >= 0) PlaceOnLines();
    auto show = [this](std::string_view baseName) {
        for (Side side : kSides)
            fencers[side].ShowPicture(baseName);
    };
    switch (saluteStep) {
    case 0:
        show(picture::kDefeat);
        StartNew(demoMode);
        break;
    case 1:
    case 5:
        view.call = {};
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
        timers.president.SetEnabled(true);
        timers.salute.SetEnabled(false);
        break;
    default:
        break;
    }
}

void Bout::ClockTick() {
    if (clock.Tick(options.timed)) referee.TimeOut();
}

void Bout::End() {
    running = false;
    const PerSide<int> score{scores.Hits(Side::Left), scores.Hits(Side::Right)};
    for (Side side : kSides)
        fencers[side].ShowPicture(score[side] > score[Opposite(side)] ? picture::kVictory
                                                                      : picture::kDefeat);
    if (demoMode) {
        // Ten silent salute ticks keep the result on show for three seconds.
        saluteStep = -10;
        timers.salute.SetEnabled(true);
    } else if (!options.remoteLeft) {
        // A network bout's result stays on show until a player ends it.
        timers.autoPlay.SetEnabled(true);
    }
    std::optional<Side> winner;
    if (score[Side::Left] != score[Side::Right])
        winner = score[Side::Left] > score[Side::Right] ? Side::Left : Side::Right;
    // The window draws the result before anything asks the winner's name.
    if (onStep) onStep();
    if (onOver) onOver(BoutOver{winner, score, demoMode});
}

void Bout::Command(Side side, FencerCommand command) {
    fencers[side].Obey(command);
}

platform::Timer& Bout::FencerTimer(Side side) {
    return side == Side::Left ? timers.left : timers.right;
}

// The left fencer is the computer's unless two people play; in a demonstration the computer
// fences both sides whatever the options say.
bool Bout::ComputerFences(Side side) const {
    return demoMode || (side == Side::Left && !options.twoPlayer && !options.remoteLeft);
}

// One tick of a fencer: a parry of the other may catch its blade, its point may arrive, its
// sequence may end and the next action begin, then it shows its next frame.
void Bout::FencerTick(Side side) {
    Fencer& self = fencers[side];
    Fencer& other = fencers[Opposite(side)];

    FencerTimer(side).SetEnabled(false);

    if (ParryCatches(other.State(), other.OwnSide(), self.State())) {
        referee.NoteParry(other.OwnSide());
        const Action before = self.CurrentAction();
        self.SetAction(ParriedVariant(before));
        if (self.CurrentAction() != before) PlaySound(SoundCue::Parry);
        self.CountFrames();
    }

    const Arrival arrival = HitTest(self.State(), side, other.State());
    referee.NoteArrival(side, arrival);
    if (arrival.hit) {
        self.EndSequence();
        self.BringToFront();
        referee.CallHit(side);
        PlaySound(SoundCue::Hit);
        return;
    }

    const bool computer = ComputerFences(side);
    const bool began = self.EndSequence();
    if (began) {
        if (computer)
            opponent.ChooseAction(self, other, scores.RedCards(side));
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
    self.ShowFrame();
    // The gap as the pictures show it, as a replay's watcher measures it too.
    if (began && StartsAttack(self.CurrentAction())) referee.NoteAttack(side, TipGap(view.fencers));

    // Only the left fencer's tick looks for a pass.
    if (side == Side::Left && HavePassed(self.State(), other.State())) {
        referee.CallPass(opponent.FreshDraw(10) + 5);
        return;
    }
    FencerTimer(side).SetEnabled(true);
}

void Bout::PlaySound(SoundCue cue) {
    events.Emit(SoundPlayed{cue});
    PlayCue(sound, options, cue);
}

void PlayCue(platform::MediaPlayer& sound, const BoutOptions& options, SoundCue cue) {
    sound.SetFileName(cue == SoundCue::Hit ? options.hitSound : options.parrySound);
    if (!options.soundOn) return;
    // A missing file or sound device only means silence.
    if (sound.Open()) (void)sound.Play();
}

} // namespace pistework::game
