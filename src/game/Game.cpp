#include "game/Game.h"

#include "game/BoutRules.h"
#include "game/Calls.h"
#include "game/Geometry.h"
#include "game/Settings.h"

#include <vector>

namespace pistework::game {

Game::Game(platform::FormControls controls)
    : c(controls), timers{HeldTimer(c.TimerLeft),      HeldTimer(c.TimerRight),
                          HeldTimer(c.TimerPresident), HeldTimer(c.TimerClock),
                          HeldTimer(c.TimerLight),     HeldTimer(c.TimerSalute),
                          HeldTimer(c.TimerAutoPlay)},
      fencers(Fencer(Side::Left, kEngardeLeftA, c.imgFencerA, c.imgFencerATemp),
              Fencer(Side::Right, kEngardeLeftB, c.imgFencerB, c.imgFencerBTemp)),
      opponent(c.random, c.clock), scores({c.lblScore0, c.shpYellow0, c.shpRed0, c.lblRedCount0},
                                          {c.lblScore1, c.shpYellow1, c.shpRed1, c.lblRedCount1}),
      lamps(c.imgLightA, c.imgLightB), clock(c.lblTime),
      referee(c.lblEngarde,
              {timers.president, timers.clock, timers.light, {&timers.left, &timers.right}},
              fencers, opponent, scores, lamps, clock, options) {
    c.ListBoxStrings.SetItems({kCallTexts.begin(), kCallTexts.end()});
    referee.SetOnGameOver([this] { EndBout(); });
    Bind();
}

// The graded levels' menu items, in the order of the level table.
std::array<platform::MenuItem*, kLevels.size()> Game::LevelItems() {
    return {&c.Novice,          &c.Intermediate, &c.Advanced,
            &c.QuarterFinalist, &c.SemiFinalist, &c.Champion};
}

void Game::Bind() {
    timers.left.SetOnTimer([this] { FencerTick(Side::Left); });
    timers.right.SetOnTimer([this] { FencerTick(Side::Right); });
    timers.president.SetOnTimer([this] { referee.Tick(); });
    timers.light.SetOnTimer([this] { referee.FlashLamps(); });
    timers.clock.SetOnTimer([this] { ClockTick(); });
    timers.salute.SetOnTimer([this] { SaluteStep(); });
    timers.autoPlay.SetOnTimer([this] { StartDemonstration(); });

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
    const auto levelItems = LevelItems();
    for (std::size_t i = 0; i < kLevels.size(); ++i)
        levelItems[i]->SetOnClick([this, i] { ChooseLevel(kLevels[i]); });
    c.Custom1.SetOnClick([this] { ChooseCustom(); });
    c.mnu2Player.SetOnClick([this] { ChooseTwoPlayers(); });
    c.mnuKeyboard.SetOnClick([this] { SetControl(ControlMode::Keyboard); });
    c.mnuMouse.SetOnClick([this] { SetControl(ControlMode::Mouse); });
    c.SoundOn.SetOnClick([this] { ToggleSound(); });
    c.BestResults1.SetOnClick([this] { ShowDialog(Dialog::BestResults, false); });
    c.Help.SetOnClick([this] { ShowDialog(Dialog::Help, true); });
    c.mnuHelpAbout.SetOnClick([this] { ShowDialog(Dialog::About, true); });
    c.KeyboardLayout1.SetOnClick([this] { ChooseKeys(); });
}

void Game::FormCreate() {
    // The layout's "Engarde" is never seen.
    c.lblEngarde.SetCaption("");
    fencers[Side::Left].PlaceAt(kEngardeLeftA);
    fencers[Side::Right].PlaceAt(kEngardeLeftB);
    LoadSettings();
    SetUpLevel(true);
}

bool Game::FormDestroy() {
    return WriteSettings(c.registry, options);
}

void Game::LoadSettings() {
    const BoutOptions loaded = ReadSettings(c.registry);
    opponent.SetStrength(loaded.chosen);
    SetOptions(loaded);
}

void Game::SetOptions(const BoutOptions& changed) {
    options = changed;
    ShowOptions();
    ShowCommandButtons(options.control == ControlMode::Mouse);
}

// The marks show the options; the radio groups clear the other marks. A target the menu
// does not offer (stored by hand) leaves the game-type marks as they were.
void Game::ShowOptions() {
    if (options.maxHits == 5 || options.maxHits == 10 || options.maxHits == 15) {
        c.Firstto5.SetChecked(options.maxHits == 5);
        c.Firstto10.SetChecked(options.maxHits == 10);
        c.Firstto15.SetChecked(options.maxHits == 15);
    }
    c.TimedBout.SetChecked(options.timed);
    c.mnuKeyboard.SetChecked(options.control == ControlMode::Keyboard);
    c.mnuMouse.SetChecked(options.control == ControlMode::Mouse);
    const auto levelItems = LevelItems();
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
    // A new bout is play the player asked for: it starts at once, unpaused.
    ClearPause();
    demoMode = false;
    StartNewBout();
}

void Game::PauseOrResume() {
    if (gamePaused) {
        ClearPause();
    } else {
        gamePaused = true;
        c.mnuFilePauseGame.SetCaption(CallText(Call::ResumeGame));
        Hold();
    }
}

void Game::ClearPause() {
    if (!gamePaused) return;
    gamePaused = false;
    c.mnuFilePauseGame.SetCaption(CallText(Call::PauseGame));
    Release();
}

// Holds nest: the first remembers and stops every timer of play, the last gives each back
// the state play has asked for since.
void Game::Hold() {
    if (holds++ == 0)
        for (HeldTimer* t : timers.All())
            t->Hold();
}

void Game::Release() {
    if (holds == 0 || --holds > 0) return;
    for (HeldTimer* t : timers.All())
        t->Release();
}

void Game::WhileHeld(const std::function<void()>& modal) {
    Hold();
    modal();
    Release();
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
    ChooseStrength(level.strength, level);
}

// "Custom" asks for the strength; a cancelled dialog leaves everything as it was. A custom
// strength equal to a graded level's is still custom: it keeps no best result.
void Game::ChooseCustom() {
    if (!askCustomStrength) return;
    if (const std::optional<Strength> chosen = askCustomStrength(opponent.InPlay()))
        ChooseStrength(*chosen, std::nullopt);
}

void Game::ChooseStrength(const Strength& strength, std::optional<Level> level) {
    opponent.SetStrength(strength);
    options.level = level;
    options.twoPlayer = false;
    ShowOptions();
    SetUpLevel(true);
}

void Game::ShowDialog(Dialog which, bool held) {
    const auto found = dialogs.find(which);
    if (found == dialogs.end() || !found->second) return;
    if (held)
        WhileHeld(found->second);
    else
        found->second();
}

// New keys take effect at once; a cancelled dialog changes nothing.
void Game::ChooseKeys() {
    if (!askKeys) return;
    WhileHeld([this] {
        if (const std::optional<Keys> keys = askKeys({options.keysLeft, options.keysRight})) {
            options.keysLeft = keys->left;
            options.keysRight = keys->right;
        }
    });
}

void Game::ToggleSound() {
    options.soundOn = !options.soundOn;
    ShowOptions();
}

// Stops play and shows the fencers beaten until the next bout; `copy` keeps the strength in
// play as the player's choice.
void Game::SetUpLevel(bool copy) {
    for (platform::Timer* t : {&timers.clock, &timers.right, &timers.left, &timers.president,
                               &timers.light, &timers.salute})
        t->SetEnabled(false);
    lamps.Off();
    for (Side side : kSides)
        fencers[side].ShowPicture(picture::kDefeat);
    c.lblStart.SetVisible(false);
    if (copy) options.chosen = opponent.InPlay();
}

} // namespace pistework::game
