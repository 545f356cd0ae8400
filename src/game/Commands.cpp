#include "game/Game.h"

namespace pistework::game {

namespace {

// Key string positions: advance, extend, lunge, retreat, parry, flèche.
constexpr std::size_t kCommandKeys = 6;

void RunKeyCommand(Game& g, std::size_t position, int side) {
    switch (position) {
    case 0: g.AdvanceCommand(side); break;
    case 1: g.ExtendCommand(side); break;
    case 2: g.LungeCommand(side); break;
    case 3: g.RetreatCommand(side); break;
    case 4: g.ParryCommand(side); break;
    case 5: g.FlecheCommand(side); break;
    default: break;
    }
}

std::uint8_t Code(int action) { return static_cast<std::uint8_t>(action); }

} // namespace

// Early in a step the fencer turns round at once; later the turn waits for the step's end.
void Game::AdvanceCommand(int side) {
    FencerState& f = fencer[side];
    if ((f.action == Retreat || f.action == RetreatExtended) && f.frameIndex < 3)
        f.action = Code(armVariant(Advance, f.armExtended));
    else
        f.requestedAction = Code(armVariant(Advance, f.armExtended));
}

void Game::RetreatCommand(int side) {
    FencerState& f = fencer[side];
    if ((f.action == Advance || f.action == AdvanceExtended) && f.frameIndex < 3)
        f.action = Code(armVariant(Retreat, f.armExtended));
    else
        f.requestedAction = Code(armVariant(Retreat, f.armExtended));
}

void Game::ExtendCommand(int side) {
    FencerState& f = fencer[side];
    if (f.inLunge)
        f.requestedAction = f.armBent ? ExtendInLunge : BendInLunge;
    else
        f.armExtended = !f.armExtended;
}

void Game::LungeCommand(int side) {
    FencerState& f = fencer[side];
    if (f.inLunge)
        f.requestedAction = f.armBent ? RecoverBent : Recover;
    else
        f.requestedAction = f.armExtended ? Lunge : BentLunge;
}

void Game::ParryCommand(int side) {
    FencerState& f = fencer[side];
    if (f.action == Parry && f.frameIndex < 3) {
        f.action = DoubleParry;
        f.frameCount = sequenceLength(DoubleParry);
    } else if (f.armBent) {
        f.requestedAction = BentLungeParry;
    } else if (f.inLunge) {
        f.requestedAction = LungeParry;
    } else {
        f.requestedAction = Parry;
    }
}

void Game::FlecheCommand(int side) {
    FencerState& f = fencer[side];
    if (f.inLunge)
        f.requestedAction = f.armBent ? RecoverForwardBent : RecoverForward;
    else
        f.requestedAction = Fleche;
}

void Game::txtKeyboardKeyPress(char32_t key) {
    if (!c.mnuKeyboard.Checked() || demoMode) return;
    // Exact, case-sensitive lookup of whole characters, first occurrence only.
    if (c.mnu2Player.Checked()) {
        const std::size_t p = keyboardLeft.find(key);
        if (p < kCommandKeys) RunKeyCommand(*this, p, kLeft);
    }
    const std::size_t p = keyboardRight.find(key);
    if (p < kCommandKeys) RunKeyCommand(*this, p, kRight);
    c.txtKeyboard.SetText(U"");
}

void Game::PlaySoundCue(int cue) {
    c.MediaPlayer.SetFileName(cue == 1 ? beepSoundPath : startSoundPath);
    if (!c.SoundOn.Checked()) return;
    // A missing file or sound device only means silence.
    if (c.MediaPlayer.Open()) (void)c.MediaPlayer.Play();
}

} // namespace pistework::game
