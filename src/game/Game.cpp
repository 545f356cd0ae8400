#include "game/Game.h"

#include "game/BoutRules.h"
#include "game/Calls.h"
#include "game/Geometry.h"

#include <vector>

namespace pistework::game {

Game::Game(platform::FormControls controls)
    : c(controls), fencers(Fencer(Side::Left, kEngardeLeftA, c.imgFencerA, c.imgFencerATemp),
                           Fencer(Side::Right, kEngardeLeftB, c.imgFencerB, c.imgFencerBTemp)),
      opponent(c.random, c.clock), scores({c.lblScore0, c.shpYellow0, c.shpRed0, c.lblRedCount0},
                                          {c.lblScore1, c.shpYellow1, c.shpRed1, c.lblRedCount1}),
      lamps(c.imgLightA, c.imgLightB), clock(c.lblTime),
      referee(c.lblEngarde,
              {c.TimerPresident, c.TimerClock, c.TimerLight, {&c.TimerLeft, &c.TimerRight}},
              fencers, opponent, scores, lamps, clock, options) {
    c.ListBoxStrings.SetItems({kCallTexts.begin(), kCallTexts.end()});
    referee.SetOnGameOver([this] { EndBout(); });
    Bind();
}

void Game::Bind() {
    c.TimerLeft.SetOnTimer([this] { FencerTick(Side::Left); });
    c.TimerRight.SetOnTimer([this] { FencerTick(Side::Right); });
    c.TimerPresident.SetOnTimer([this] { referee.Tick(); });
    c.TimerLight.SetOnTimer([this] { referee.FlashLamps(); });
    c.TimerClock.SetOnTimer([this] { ClockTick(); });
    c.TimerSalute.SetOnTimer([this] { SaluteStep(); });
    c.TimerAutoPlay.SetOnTimer([this] { StartDemonstration(); });

    Fencer& player = fencers[Side::Right];
    c.cmdAdvance.SetOnClick([&player] { player.Advance(); });
    c.cmdExtend.SetOnClick([&player] { player.Extend(); });
    c.cmdLunge.SetOnClick([&player] { player.Lunge(); });
    c.cmdRetreat.SetOnClick([&player] { player.Retreat(); });
    c.cmdParry.SetOnClick([&player] { player.Parry(); });
    c.cmdFleche.SetOnClick([&player] { player.Fleche(); });
    c.txtKeyboard.SetOnKeyPress([this](char32_t key) { KeyPressed(key); });

    c.mnuFileNewGame.SetOnClick([this] { NewGame(); });
    c.mnuFilePauseGame.SetOnClick([this] { PauseOrResume(); });
    c.mnuFileExit.SetOnClick([this] { c.form.Close(); });
    c.Firstto5.SetOnClick([this] { SetTarget(5); });
    c.Firstto10.SetOnClick([this] { SetTarget(10); });
    c.Firstto15.SetOnClick([this] { SetTarget(15); });
    c.TimedBout.SetOnClick([this] { ToggleTimed(); });
    const std::array<platform::MenuItem*, kLevels.size()> levelItems{
        &c.Novice, &c.Intermediate, &c.Advanced, &c.QuarterFinalist, &c.SemiFinalist, &c.Champion};
    for (std::size_t i = 0; i < kLevels.size(); ++i)
        levelItems[i]->SetOnClick([this, i] { ChooseLevel(kLevels[i]); });
    c.mnu2Player.SetOnClick([this] { ChooseTwoPlayers(); });
    c.mnuKeyboard.SetOnClick([this] { SetControl(ControlMode::Keyboard); });
    c.mnuMouse.SetOnClick([this] { SetControl(ControlMode::Mouse); });
    c.SoundOn.SetOnClick([this] { ToggleSound(); });
}

void Game::FormCreate() {
    // The layout's "Engarde" is never seen.
    c.lblEngarde.SetCaption("");
    fencers[Side::Left].PlaceAt(kEngardeLeftA);
    fencers[Side::Right].PlaceAt(kEngardeLeftB);
    LoadSettings();
    SetUpLevel(true);
}

void Game::FormDestroy() {
    SaveSettings();
}

void Game::LoadSettings() {
    opponent.SetStrength(kNovice.strength);
    BoutOptions loaded;
    loaded.level = LevelWithStrength(opponent.InPlay());
    SetOptions(loaded);
}

void Game::SaveSettings() {}

void Game::SetOptions(const BoutOptions& changed) {
    options = changed;
    ShowOptions();
    ShowCommandButtons(options.control == ControlMode::Mouse);
}

// The marks show the options; the radio groups clear the other marks.
void Game::ShowOptions() {
    c.Firstto5.SetChecked(options.maxHits == 5);
    c.Firstto10.SetChecked(options.maxHits == 10);
    c.Firstto15.SetChecked(options.maxHits == 15);
    c.TimedBout.SetChecked(options.timed);
    c.mnuKeyboard.SetChecked(options.control == ControlMode::Keyboard);
    c.mnuMouse.SetChecked(options.control == ControlMode::Mouse);
    const std::array<platform::MenuItem*, kLevels.size()> levelItems{
        &c.Novice, &c.Intermediate, &c.Advanced, &c.QuarterFinalist, &c.SemiFinalist, &c.Champion};
    for (std::size_t i = 0; i < kLevels.size(); ++i)
        levelItems[i]->SetChecked(options.level && options.level->number == kLevels[i].number);
    c.Custom1.SetChecked(options.Custom());
    c.mnu2Player.SetChecked(options.twoPlayer);
    c.SoundOn.SetChecked(options.soundOn);
}

void Game::ShowCommandButtons(bool visible) {
    for (platform::Button* b :
         {&c.cmdAdvance, &c.cmdRetreat, &c.cmdParry, &c.cmdExtend, &c.cmdLunge, &c.cmdFleche})
        b->SetVisible(visible);
}

void Game::NewGame() {
    demoMode = false;
    StartNewBout();
}

void Game::PauseOrResume() {
    gamePaused = !gamePaused;
    c.mnuFilePauseGame.SetCaption(CallText(gamePaused ? Call::ResumeGame : Call::PauseGame));
    HoldTimers(gamePaused);
}

void Game::SetTarget(int hits) {
    options.maxHits = hits;
    ShowOptions();
}

// The clock is set for the new length at once, but shows it only from the next bout.
void Game::ToggleTimed() {
    options.timed = !options.timed;
    ShowOptions();
    clock.SetTimeLeft(BoutLengthSeconds(options.maxHits));
}

void Game::SetControl(ControlMode mode) {
    options.control = mode;
    ShowOptions();
    ShowCommandButtons(mode == ControlMode::Mouse);
}

// Two players fence from one keyboard; play stands until the next "New Game".
void Game::ChooseTwoPlayers() {
    options.twoPlayer = true;
    options.level.reset();
    options.control = ControlMode::Keyboard;
    ShowOptions();
    ShowCommandButtons(false);
    SetUpLevel(false);
}

void Game::ChooseLevel(const Level& level) {
    opponent.SetStrength(level.strength);
    options.level = level;
    options.twoPlayer = false;
    ShowOptions();
    SetUpLevel(true);
}

void Game::ToggleSound() {
    options.soundOn = !options.soundOn;
    ShowOptions();
}

void Game::HoldTimers(bool hold) {
    const std::array<platform::Timer*, 5> timers{&c.TimerLeft, &c.TimerRight, &c.TimerPresident,
                                                 &c.TimerClock, &c.TimerLight};
    if (hold) {
        for (std::size_t i = 0; i < timers.size(); ++i)
            savedTimerStates[i] = timers[i]->Enabled();
        for (platform::Timer* t : timers)
            if (t->Enabled()) t->SetEnabled(false);
    } else {
        for (std::size_t i = 0; i < timers.size(); ++i)
            timers[i]->SetEnabled(savedTimerStates[i]);
    }
}

// Stops play and shows the fencers beaten until the next bout; `copy` keeps the strength in
// play as the player's choice.
void Game::SetUpLevel(bool copy) {
    for (platform::Timer* t : {&c.TimerClock, &c.TimerRight, &c.TimerLeft, &c.TimerPresident,
                               &c.TimerLight, &c.TimerSalute})
        t->SetEnabled(false);
    lamps.Off();
    for (Side side : kSides)
        fencers[side].ShowPicture(picture::kDefeat);
    c.lblStart.SetVisible(false);
    if (copy) options.chosen = opponent.InPlay();
}

} // namespace pistework::game
