#pragma once
// The game behind the main window. It owns the parts of the game (the options, the two
// fencers, the computer opponent, the scoreboard, the lamps, the clock and the referee),
// binds the window's timers and controls to them, and runs the hand-overs between them. It
// talks to the screen, the clock and the store only through FormControls, so it runs the
// same on the Qt window and on the headless form in virtual time.

#include "game/BoutClock.h"
#include "game/Fencer.h"
#include "game/HeldTimer.h"
#include "game/Opponent.h"
#include "game/Options.h"
#include "game/Referee.h"
#include "game/Scoreboard.h"
#include "platform/FormControls.h"

#include <functional>
#include <map>
#include <optional>
#include <string>

namespace pistework::game {

enum class SoundCue { Hit, Parry };

class Game {
public:
    explicit Game(platform::FormControls controls);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    void FormCreate();
    // Saves the options; false when the store did not take them (the old ones then stand).
    bool FormDestroy();

    // Whether typed characters are the players' commands now; otherwise they belong to the
    // focused control (Space presses a button in mouse control).
    bool TakesKeys() const { return options.TakesKeys(); }

    // Called at the end of a won bout against a graded level with the level number and the
    // score; the window fills it with the victory dialog, which decides whether it is a record.
    using BestResultOffer = std::function<void(int level, int hitsA, int hitsB)>;
    void SetOnBestResult(BestResultOffer offer) { offerBestResult = std::move(offer); }

    // "Custom": the window asks the player for a strength, starting from the one in play;
    // none when the dialog was cancelled.
    using CustomStrengthDialog = std::function<std::optional<Strength>(const Strength& inPlay)>;
    void SetOnCustomLevel(CustomStrengthDialog dialog) { askCustomStrength = std::move(dialog); }

    // The window's other dialogs. Help and About hold play while they are open; the best
    // results do not.
    enum class Dialog { BestResults, Help, About };
    void SetOnDialog(Dialog which, std::function<void()> show) { dialogs[which] = std::move(show); }
    // "Keyboard &Layout" with play held: given both players' keys, the new ones, or none when
    // the dialog was cancelled.
    struct Keys {
        std::u32string left;
        std::u32string right;
    };
    using KeyboardLayoutDialog = std::function<std::optional<Keys>(const Keys& current)>;
    void SetOnKeyboardLayout(KeyboardLayoutDialog dialog) { askKeys = std::move(dialog); }

    // Runs a modal dialog with play held: nothing moves while it is open, and afterwards play
    // goes on exactly where it was (or stays paused, if it was).
    void WhileHeld(const std::function<void()>& modal);

    // --- What the game is: read by the shell, the dialogs and the tests.
    const BoutOptions& Options() const { return options; }
    bool Demonstrating() const { return demoMode; }
    const Fencer& FencerOn(Side side) const { return fencers[side]; }
    const Referee& President() const { return referee; }
    const Scoreboard& Scores() const { return scores; }
    const BoutClock& Clock() const { return clock; }
    const Opponent& Computer() const { return opponent; }
    bool Paused() const { return gamePaused; }

    // --- Set-up for tests that fence a phrase without the referee or a bout.
    Fencer& FencerOn(Side side) { return fencers[side]; }
    Opponent& Computer() { return opponent; }
    Referee& President() { return referee; }
    void SetOptions(const BoutOptions& changed);
    void SetDemonstrating(bool on) { demoMode = on; }
    // One tick of a fencer, as its timer gives it.
    void FencerTick(Side side);

    // What the computer fences each side of a demonstration at: the Champion, the right
    // side at the pace of a player's fencer. A balance run pairs other strengths this way.
    void SetDemonstrationStrengths(const PerSide<Strength>& strengths) {
        demoStrengths = strengths;
    }
    // A player's fencer ticks every 100 ms.
    static constexpr int kPlayerSpeed = 100;

private:
    void Bind();
    std::array<platform::MenuItem*, kLevels.size()> LevelItems();
    void LoadSettings();
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
    void ChooseCustom();
    void ShowDialog(Dialog which, bool held);
    void ChooseKeys();
    void ChooseStrength(const Strength& strength, std::optional<Level> level);
    void ToggleSound();
    void Hold();
    void Release();
    void ClearPause();
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
    // Every timer of play, each of which a pause or a dialog can hold.
    struct Timers {
        HeldTimer left, right, president, clock, light, salute, autoPlay;
        std::array<HeldTimer*, 7> All() {
            return {&left, &right, &president, &clock, &light, &salute, &autoPlay};
        }
    } timers;
    BoutOptions options;
    PerSide<Fencer> fencers;
    Opponent opponent;
    Scoreboard scores;
    Lamps lamps;
    BoutClock clock;
    Referee referee;
    BestResultOffer offerBestResult;
    CustomStrengthDialog askCustomStrength;
    std::map<Dialog, std::function<void()>> dialogs;
    KeyboardLayoutDialog askKeys;

    bool demoMode = false;
    PerSide<Strength> demoStrengths{kChampion.strength, {kChampion.strength.range, kPlayerSpeed}};
    // From -10 (the pause between demonstrations) to 6, one step every 300 ms.
    int saluteStep = 0;
    bool gamePaused = false;
    // The pause and open dialogs: play is held while any of them is.
    int holds = 0;
};

} // namespace pistework::game
