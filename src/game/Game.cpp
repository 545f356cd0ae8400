#include "game/Game.h"

namespace pistework::game {

Game::Game(platform::FormControls controls) : c(controls) {
    c.TimerLeft.SetOnTimer([this] { TimerLeftTimer(); });
    c.TimerRight.SetOnTimer([this] { TimerRightTimer(); });
    c.TimerPresident.SetOnTimer([this] { TimerPresidentTimer(); });
    c.TimerLight.SetOnTimer([this] { TimerLightTimer(); });
    c.TimerClock.SetOnTimer([this] { TimerClockTimer(); });
    c.TimerSalute.SetOnTimer([this] { TimerSaluteTimer(); });
    c.TimerAutoPlay.SetOnTimer([this] { TimerAutoPlayTimer(); });

    c.cmdAdvance.SetOnClick([this] { cmdAdvanceClick(); });
    c.cmdExtend.SetOnClick([this] { cmdExtendClick(); });
    c.cmdLunge.SetOnClick([this] { cmdLungeClick(); });
    c.cmdRetreat.SetOnClick([this] { cmdRetreatClick(); });
    c.cmdParry.SetOnClick([this] { cmdParryClick(); });
    c.cmdFleche.SetOnClick([this] { cmdFlecheClick(); });
    c.txtKeyboard.SetOnKeyPress([this](char32_t key) { txtKeyboardKeyPress(key); });

    c.mnuFileNewGame.SetOnClick([this] { mnuFileNewGameClick(); });
    c.mnuFilePauseGame.SetOnClick([this] { mnuFilePauseGameClick(); });
    c.BestResults1.SetOnClick([this] { BestResults1Click(); });
    c.mnuFileExit.SetOnClick([this] { mnuFileExitClick(); });
    c.Firstto5.SetOnClick([this] { Firstto5Click(); });
    c.Firstto10.SetOnClick([this] { Firstto10Click(); });
    c.Firstto15.SetOnClick([this] { Firstto15Click(); });
    c.TimedBout.SetOnClick([this] { TimedBoutClick(); });
    c.Novice.SetOnClick([this] { NoviceClick(); });
    c.Intermediate.SetOnClick([this] { IntermediateClick(); });
    c.Advanced.SetOnClick([this] { AdvancedClick(); });
    c.QuarterFinalist.SetOnClick([this] { QuarterFinalistClick(); });
    c.SemiFinalist.SetOnClick([this] { SemiFinalistClick(); });
    c.Champion.SetOnClick([this] { ChampionClick(); });
    c.Custom1.SetOnClick([this] { Custom1Click(); });
    c.mnu2Player.SetOnClick([this] { mnu2PlayerClick(); });
    c.mnuKeyboard.SetOnClick([this] { mnuKeyboardClick(); });
    c.mnuMouse.SetOnClick([this] { mnuMouseClick(); });
    c.KeyboardLayout1.SetOnClick([this] { KeyboardLayout1Click(); });
    c.SoundOn.SetOnClick([this] { SoundOnClick(); });
    c.mnuHelpAbout.SetOnClick([this] { mnuHelpAboutClick(); });
    c.Help.SetOnClick([this] { HelpClick(); });
}

void Game::FormCreate() {
    // The layout's "Engarde" is never seen.
    c.lblEngarde.SetCaption("");
    for (auto& f : fencer) {
        f.requestedAction = 0;
        f.frameIndex = 0;
    }
    // The sequence tables are constants of the program, so there is nothing to fill here.
    LoadSettings();
    SetUpLevel(true);
}

void Game::FormDestroy() { SaveSettings(); }

void Game::LoadSettings() {
    opponentRange = 12;
    maxHits = 15;
    keyboardLeft = U"wsxqaz";
    keyboardRight = U"mko,lp";
    const int timed = 1;
    const int control = 1;
    opponentSpeed = 120;
    beepSoundPath.clear();
    startSoundPath.clear();

    if (maxHits == 5) c.Firstto5.SetChecked(true);
    if (maxHits == 10) c.Firstto10.SetChecked(true);
    if (maxHits == 15) c.Firstto15.SetChecked(true);
    c.TimedBout.SetChecked(timed == 1);
    c.mnuKeyboard.SetChecked(control == 0);
    c.mnuMouse.SetChecked(control == 1);
    for (platform::Button* b :
         {&c.cmdAdvance, &c.cmdRetreat, &c.cmdParry, &c.cmdExtend, &c.cmdLunge, &c.cmdFleche})
        b->SetVisible(control == 1);

    c.Custom1.SetChecked(true);
    switch (opponentRange) {
    case 12: c.Novice.SetChecked(opponentSpeed == 120); break;
    case 11: c.Intermediate.SetChecked(opponentSpeed == 100); break;
    case 10: c.Advanced.SetChecked(opponentSpeed == 100); break;
    case 9:
        c.QuarterFinalist.SetChecked(opponentSpeed == 90);
        c.SemiFinalist.SetChecked(opponentSpeed == 80);
        break;
    case 8: c.Champion.SetChecked(opponentSpeed == 80); break;
    default: break;
    }
}

void Game::SaveSettings() {}

// --- Menu commands and bout options

void Game::mnuFileNewGameClick() {
    demoMode = false;
    StartNewBout();
}

void Game::mnuFilePauseGameClick() {
    gamePaused = !gamePaused;
    c.mnuFilePauseGame.SetCaption(CallRowText(gamePaused ? RowResumeGame : RowPauseGame));
    HoldTimers(gamePaused);
}

void Game::mnuFileExitClick() { c.form.Close(); }

void Game::BestResults1Click() {}

void Game::Firstto5Click() {
    c.Firstto5.SetChecked(true);
    maxHits = 5;
}

void Game::Firstto10Click() {
    c.Firstto10.SetChecked(true);
    maxHits = 10;
}

void Game::Firstto15Click() {
    c.Firstto15.SetChecked(true);
    maxHits = 15;
}

void Game::TimedBoutClick() {
    c.TimedBout.SetChecked(!c.TimedBout.Checked());
    boutClock = maxHits * 3 / 5 * 60;
}

void Game::mnuMouseClick() {
    c.mnuMouse.SetChecked(true);
    ShowCommandButtons(c.mnuMouse.Checked());
}

void Game::mnuKeyboardClick() {
    c.mnuKeyboard.SetChecked(true);
    ShowCommandButtons(c.mnuMouse.Checked());
}

void Game::mnu2PlayerClick() {
    c.mnu2Player.SetChecked(true);
    c.mnuKeyboard.SetChecked(true);
    ShowCommandButtons(c.mnuMouse.Checked());
    SetUpLevel(false);
}

void Game::KeyboardLayout1Click() {}

void Game::SoundOnClick() { c.SoundOn.SetChecked(!c.SoundOn.Checked()); }

void Game::mnuHelpAboutClick() {}

void Game::HelpClick() {}

void Game::ShowCommandButtons(bool visible) {
    for (platform::Button* b :
         {&c.cmdAdvance, &c.cmdRetreat, &c.cmdParry, &c.cmdExtend, &c.cmdLunge, &c.cmdFleche})
        b->SetVisible(visible);
}

void Game::HoldTimers(bool hold) {
    std::array<platform::Timer*, 5> timers{&c.TimerLeft, &c.TimerRight, &c.TimerPresident,
                                           &c.TimerClock, &c.TimerLight};
    if (hold) {
        for (std::size_t i = 0; i < timers.size(); ++i) savedTimerStates[i] = timers[i]->Enabled();
        for (platform::Timer* t : timers)
            if (t->Enabled()) t->SetEnabled(false);
    } else {
        for (std::size_t i = 0; i < timers.size(); ++i) timers[i]->SetEnabled(savedTimerStates[i]);
    }
}

// --- Opponent levels

namespace {
struct Level {
    int speed;
    int range;
};
constexpr Level kNovice{120, 12}, kIntermediate{100, 11}, kAdvanced{100, 10},
    kQuarterFinalist{90, 9}, kSemiFinalist{80, 9}, kChampion{80, 8};
} // namespace

#define PISTEWORK_LEVEL_HANDLER(item, level)                                                       \
    void Game::item##Click() {                                                                     \
        opponentSpeed = level.speed;                                                               \
        opponentRange = level.range;                                                               \
        c.item.SetChecked(true);                                                                   \
        SetUpLevel(true);                                                                          \
    }
PISTEWORK_LEVEL_HANDLER(Novice, kNovice)
PISTEWORK_LEVEL_HANDLER(Intermediate, kIntermediate)
PISTEWORK_LEVEL_HANDLER(Advanced, kAdvanced)
PISTEWORK_LEVEL_HANDLER(QuarterFinalist, kQuarterFinalist)
PISTEWORK_LEVEL_HANDLER(SemiFinalist, kSemiFinalist)
PISTEWORK_LEVEL_HANDLER(Champion, kChampion)
#undef PISTEWORK_LEVEL_HANDLER

void Game::Custom1Click() {}

void Game::SetUpLevel(bool copy) {
    for (platform::Timer* t : {&c.TimerClock, &c.TimerRight, &c.TimerLeft, &c.TimerPresident,
                               &c.TimerLight, &c.TimerSalute})
        t->SetEnabled(false);
    c.imgLightA.LoadFromResourceName("LIGHTOFFA");
    c.imgLightB.LoadFromResourceName("LIGHTOFFB");
    c.imgFencerA.LoadFromResourceName("DEFEATA");
    c.imgFencerB.LoadFromResourceName("DEFEATB");
    c.lblStart.SetVisible(false);
    if (copy) {
        chosenRange = opponentRange;
        chosenSpeed = opponentSpeed;
    }
}

} // namespace pistework::game
