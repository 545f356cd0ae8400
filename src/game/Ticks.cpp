#include "game/Game.h"
#include "game/Hits.h"

namespace pistework::game {

platform::Timer& Game::FencerTimer(Side side) {
    return side == Side::Left ? timers.left : timers.right;
}

// The left fencer is the computer's unless two people play; in a demonstration the computer
// fences both sides whatever the options say.
bool Game::ComputerFences(Side side) const {
    return demoMode || (side == Side::Left && !options.twoPlayer);
}

// One tick of a fencer: a parry of the other may catch its blade, its point may arrive, its
// sequence may end and the next action begin, then it shows its next frame.
void Game::FencerTick(Side side) {
    Fencer& self = fencers[side];
    Fencer& other = fencers[Opposite(side)];

    FencerTimer(side).SetEnabled(false);
    if (options.TakesKeys()) c.txtKeyboard.SetFocus();

    if (ParryCatches(other.State(), other.OwnSide(), self.State())) {
        const Action before = self.CurrentAction();
        self.SetAction(ParriedVariant(before));
        if (self.CurrentAction() != before) PlaySoundCue(SoundCue::Parry);
        self.CountFrames();
    }

    const Arrival arrival = HitTest(self.State(), side, other.State());
    referee.NoteArrival(side, arrival);
    if (arrival.hit) {
        self.EndSequence();
        self.BringToFront();
        referee.CallHit(side);
        PlaySoundCue(SoundCue::Hit);
        return;
    }

    const bool computer = ComputerFences(side);
    if (self.EndSequence()) {
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

    // Only the left fencer's tick looks for a pass.
    if (side == Side::Left && HavePassed(self.State(), other.State())) {
        referee.CallPass(opponent.FreshDraw(10) + 5);
        return;
    }
    FencerTimer(side).SetEnabled(true);
}

void Game::KeyPressed(char32_t key) {
    if (!options.TakesKeys() || demoMode) return;
    // Exact, case-sensitive lookup of whole characters, first occurrence only.
    auto command = [](Fencer& f, const std::u32string& keys, char32_t k) {
        switch (keys.find(k)) {
        case 0:
            f.Advance();
            break;
        case 1:
            f.Extend();
            break;
        case 2:
            f.Lunge();
            break;
        case 3:
            f.Retreat();
            break;
        case 4:
            f.Parry();
            break;
        case 5:
            f.Fleche();
            break;
        default:
            break;
        }
    };
    if (options.twoPlayer) command(fencers[Side::Left], options.keysLeft, key);
    command(fencers[Side::Right], options.keysRight, key);
    c.txtKeyboard.SetText(U"");
}

void Game::PlaySoundCue(SoundCue cue) {
    c.MediaPlayer.SetFileName(cue == SoundCue::Hit ? options.hitSound : options.parrySound);
    if (!options.soundOn) return;
    // A missing file or sound device only means silence.
    if (c.MediaPlayer.Open()) (void)c.MediaPlayer.Play();
}

} // namespace pistework::game
