#pragma once
// The game behind the main window. It owns the parts of the game (the options, the two
// fencers, the computer opponent, the scoreboard, the lamps, the clock and the referee),
// binds the window's timers and controls to them, and runs the hand-overs between them. It
// talks to the screen, the clock and the store only through FormControls, so it runs the
// same on the Qt window and on the headless form in virtual time.

#include "game/BoutClock.h"
#include "game/Fencer.h"
#include "game/Opponent.h"
#include "game/Options.h"
#include "game/Referee.h"
#include "game/Scoreboard.h"
#include "platform/FormControls.h"

#include <functional>

namespace pistework::game {

enum class SoundCue { Hit, Parry };

class Game {
public:
    explicit Game(platform::FormControls controls);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    void FormCreate();
    void FormDestroy();

    // Whether typed characters are the players' commands now; otherwise they belong to the
    // focused control (Space presses a button in mouse control).
    bool TakesKeys() const { return options.TakesKeys(); }

    // Called at the end of a won bout against a graded level with the level number and the
    // score; the window fills it with the victory dialog, which decides whether it is a record.
    using BestResultOffer = std::function<void(int level, int hitsA, int hitsB)>;
    void SetOnBestResult(BestResultOffer offer) { offerBestResult = std::move(offer); }

    // --- What the game is: read by the shell, the dialogs and the tests.
    const BoutOptions& Options() const { return options; }
    bool Demonstrating() const { return demoMode; }
    const Fencer& FencerOn(Side side) const { return fencers[side]; }
    const Referee& President() const { return referee; }
    const Scoreboard& Scores() const { return scores; }
    const BoutClock& Clock() const { return clock; }
    const Opponent& Computer() const { return opponent; }

    // --- Set-up for tests that fence a phrase without the referee or a bout.
    Fencer& FencerOn(Side side) { return fencers[side]; }
    Opponent& Computer() { return opponent; }
    Referee& President() { return referee; }
    void SetOptions(const BoutOptions& changed);
    void SetDemonstrating(bool on) { demoMode = on; }
    // One tick of a fencer, as its timer gives it.
    void FencerTick(Side side);

private:
    void Bind();
    void LoadSettings();
    void SaveSettings();
    void ShowOptions();
    void ShowCommandButtons(bool visible);

    // Menu commands.
    void NewGame();
    void PauseOrResume();
    void SetTarget(int hits);
    void ToggleTimed();
    void SetControl(ControlMode mode);
    void ChooseTwoPlayers();
    void ChooseLevel(const Level& level);
    void ToggleSound();
    void HoldTimers(bool hold);
    void SetUpLevel(bool copy);

    // The bout.
    void StartNewBout();
    void SaluteStep();
    void StartDemonstration();
    void ClockTick();
    void EndBout();
    void PlaySoundCue(SoundCue cue);
    void KeyPressed(char32_t key);
    platform::Timer& FencerTimer(Side side);
    bool ComputerFences(Side side) const;

    platform::FormControls c;
    BoutOptions options;
    PerSide<Fencer> fencers;
    Opponent opponent;
    Scoreboard scores;
    Lamps lamps;
    BoutClock clock;
    Referee referee;
    BestResultOffer offerBestResult;

    bool demoMode = false;
    // From -10 (the pause between demonstrations) to 6, one step every 300 ms.
    int saluteStep = 0;
    // Pause memory: TimerLeft, TimerRight, TimerPresident, TimerClock, TimerLight.
    bool gamePaused = false;
    std::array<bool, 5> savedTimerStates{};
};

} // namespace pistework::game
