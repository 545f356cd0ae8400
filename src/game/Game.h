#pragma once
// The whole game behind the main window: its state and every handler of its controls and
// timers. It talks to the screen, the clock and the store only through FormControls, so it
// runs the same on the Qt window and on the headless form in virtual time.

#include "game/Actions.h"
#include "game/FencerState.h"
#include "platform/FormControls.h"

#include <array>
#include <functional>
#include <string>

namespace pistework::game {

inline constexpr int kLeft = 0;  // suffix "A", imgFencerA, TimerLeft, score row 0
inline constexpr int kRight = 1; // suffix "B", imgFencerB, TimerRight, score row 1

// Rows of ListBoxStrings.
enum CallRow : int {
    RowEngarde = 0,
    RowReady = 1,
    RowFence = 2,
    RowHalt = 3,
    RowAttackLeft = 4,
    RowAttackRight = 5,
    RowCounterLeft = 6,
    RowCounterRight = 7,
    RowOffTarget = 8,
    RowSuccessful = 9,
    RowPassed = 10,
    RowYellowLeft = 11,
    RowRedLeft = 12,
    RowYellowRight = 13,
    RowRedRight = 14,
    RowReturnToEngarde = 15,
    RowAttackSuccessful = 16,
    RowCounterOutOfTime = 17,
    RowPauseGame = 18,
    RowResumeGame = 19,
    RowGameOver = 20,
};

inline constexpr char kCarriageReturn = '\r';
inline constexpr const char* kCorpsACorps = "Corps \xC3\xA0 Corps";

class Game {
public:
    // Binds every handler to its control and timer.
    explicit Game(platform::FormControls controls);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // --- Start-up and shutdown
    void FormCreate();
    void FormDestroy();
    void LoadSettings();
    void SaveSettings();

    // --- Menu commands and bout options
    void mnuFileNewGameClick();
    void mnuFilePauseGameClick();
    void mnuFileExitClick();
    void BestResults1Click();
    void Firstto5Click();
    void Firstto10Click();
    void Firstto15Click();
    void TimedBoutClick();
    void mnuMouseClick();
    void mnuKeyboardClick();
    void mnu2PlayerClick();
    void KeyboardLayout1Click();
    void SoundOnClick();
    void mnuHelpAboutClick();
    void HelpClick();
    void ShowCommandButtons(bool visible);
    void HoldTimers(bool hold);

    // --- Opponent levels
    void NoviceClick();
    void IntermediateClick();
    void AdvancedClick();
    void QuarterFinalistClick();
    void SemiFinalistClick();
    void ChampionClick();
    void Custom1Click();
    void SetUpLevel(bool copy);

    // --- Bout start
    void StartNewBout();
    void TimerSaluteTimer();
    void TimerAutoPlayTimer();

    // --- Frame stepping and movement
    void ShowFrame(int side);
    bool EndSequence(int side);
    void UpdatePoints(int side);
    int gap() const { return fencer[kRight].bodyX - fencer[kLeft].bodyX; }

    // --- Fencer ticks and hit detection
    void TimerLeftTimer();
    void TimerRightTimer();
    bool ParryCatches(int p);
    bool HitTest(int a);
    void PassingRuling();

    // --- Player commands
    void AdvanceCommand(int side);
    void RetreatCommand(int side);
    void ExtendCommand(int side);
    void LungeCommand(int side);
    void ParryCommand(int side);
    void FlecheCommand(int side);
    void cmdAdvanceClick() { AdvanceCommand(kRight); }
    void cmdRetreatClick() { RetreatCommand(kRight); }
    void cmdExtendClick() { ExtendCommand(kRight); }
    void cmdLungeClick() { LungeCommand(kRight); }
    void cmdParryClick() { ParryCommand(kRight); }
    void cmdFlecheClick() { FlecheCommand(kRight); }
    void txtKeyboardKeyPress(char32_t key);
    // Whether typed characters are the players' commands now; otherwise they belong to the
    // focused control (Space presses a button in mouse control).
    bool TakesKeys() const { return c.mnuKeyboard.Checked(); }

    // --- Sound cues
    void PlaySoundCue(int cue);

    // --- Opponent decisions
    void ChoosePlayerAction(int side);
    void ChooseOpponentAction(int side);
    void ChooseFarAction(int side);
    void ChooseMiddleAction(int side);
    void ChooseCloseAction(int side);
    bool ParryReaction(int side);
    int ArmAndStepVariation(int side);
    int RandomBelow(int n);
    int roomBehind(int side) const;
    // Every decision draws from the clock's whole seconds, so one second draws alike.
    void ReseedRandom();

    // --- Referee, return to engarde, lamps, clock, bout end
    void TimerPresidentTimer();
    void ReturnToEngarde();
    void TimerLightTimer();
    void TimerClockTimer();
    void EndBout();

    platform::FormControls c;

    // --- State. All of it lives as long as the window; nothing is allocated per bout.
    int presidentPhase = 0;
    std::string callText;
    std::array<FencerState, 2> fencer{};
    int hitsA = 0;
    int hitsB = 0;
    std::array<bool, 2> keepAdvancing{};
    std::array<bool, 2> attackPrepared{};
    std::array<int, 2> preparedCount{};
    bool hitByA = false;
    bool hitByB = false;
    bool offTarget = false;
    bool passed = false;
    bool counterA = false;
    bool counterB = false;
    int opponentRange = 0;
    int maxHits = 0;
    // Time left on the bout clock, and its readings at each fencer's last pass, in seconds.
    int boutClock = 0;
    int lastPassA = 0;
    int lastPassB = 0;
    bool offenceA = false;
    bool offenceB = false;
    bool yellowA = false;
    bool yellowB = false;
    std::u32string keyboardLeft;
    std::u32string keyboardRight;
    int opponentSpeed = 0;
    int chosenRange = 0;
    int chosenSpeed = 0;
    int saluteStep = 0;
    std::string beepSoundPath;
    std::string startSoundPath;
    bool demoMode = false;

    // Pause memory: TimerLeft, TimerRight, TimerPresident, TimerClock, TimerLight.
    bool gamePaused = false;
    std::array<bool, 5> savedTimerStates{};
    // Alternates the scoring lamps; carries over from hit to hit.
    bool lampPhase = false;

    // Called at the end of a won bout against a graded level with the level number and the
    // score; the window fills it with the victory dialog, which decides whether it is a record.
    std::function<void(int level, int hitsA, int hitsB)> offerBestResult;

    // Per-side helpers for the names that come in A/B or 0/1 pairs.
    platform::Image& FencerImage(int side) { return side == kLeft ? c.imgFencerA : c.imgFencerB; }
    platform::Timer& FencerTimer(int side) { return side == kLeft ? c.TimerLeft : c.TimerRight; }
    std::string CallRowText(int row) const { return c.ListBoxStrings.Item(row); }
};

} // namespace pistework::game
