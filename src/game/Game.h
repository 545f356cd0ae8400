// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game behind the main window: the options the player sets, the menu's commands, the
// pause and the holds of modal dialogs, the best results, and the bout. It publishes what the
// piste shows as a BoutView after every step and reports what happens as events; it names no
// widget, so it runs the same in the Qt window and headless in virtual time.

#include "game/BestResults.h"
#include "game/Bout.h"
#include "game/BoutView.h"
#include "game/Options.h"
#include "game/Replay.h"

#include <functional>
#include <optional>
#include <string>

namespace pistework::game {

class Game {
public:
    explicit Game(const platform::Services& services);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Reads the options and shows the fencers beaten on their lines; the demonstration
    // starts 15 s later unless the player starts a bout first.
    void Start();
    // Saves the options; false when the store did not take them (the old ones then stand).
    bool SaveOptions();

    const BoutView& View() const { return view; }
    // Called with the new view after every step of the game.
    void SetOnView(std::function<void(const BoutView&)> listener) { onView = std::move(listener); }
    void SetOnEvent(std::function<void(const BoutEvent&)> listener) {
        onEvent = std::move(listener);
    }
    // The file of the last bout fenced to its end, a player's or a demonstration; empty before
    // the first.
    std::span<const std::uint8_t> LastReplay() const { return replays.Last(); }
    // Holds play while the player watches a replay: nothing moves and no option changes;
    // afterwards play goes on where it was and the piste shows it again.
    void HoldForReplay() { Hold(); }
    void ReleaseAfterReplay() {
        Release();
        Publish();
    }

    // A win that beats the stored record at a graded level: the window asks the winner's
    // name and hands it to `record`, which stores it and says whether the store took it.
    struct NewBest {
        int level;
        PerSide<int> score;
        std::string holder; // the name on the record so far
    };
    using Record = std::function<bool(const std::string& name)>;
    void SetOnNewBest(std::function<void(const NewBest&, const Record&)> ask) {
        askWinnerName = std::move(ask);
    }
    BestResultTable BestResults() const;

    // --- Input, as typed commands.
    void Command(Side side, FencerCommand command);
    // A typed character: a player's key in keyboard control, nothing otherwise.
    void KeyTyped(char32_t key);
    // Whether typed characters are the players' commands now; otherwise they belong to the
    // focused control (Space presses a button in mouse control).
    bool TakesKeys() const { return options.TakesKeys(); }
    // The command a typed character gives this player's own fencer in keyboard control: what
    // a network guest sends for it.
    std::optional<FencerCommand> OwnCommand(char32_t key) const;
    // A game pad's command for the fencer it drives, in any control: like a key, it moves
    // nobody in a demonstration.
    void PadCommand(Side side, FencerCommand command);

    // --- A network bout, on the host: the guest fences the left fencer from its own machine
    // with its own commands, the host's player the right one as in a bout against the
    // computer. It starts at once, at the host's options, and keeps no best result.
    void BeginNetworkBout();
    void RemoteCommand(FencerCommand command);
    // Back to this player's own game, the call area saying why the network bout ended.
    void EndNetworkBout(NetworkEnding why);
    bool InNetworkBout() const { return options.remoteLeft; }
    // On the guest, whose own game is held meanwhile: the host's sound cues, and why the
    // network bout ended.
    void PlayCue(SoundCue cue);
    void ShowNetworkEnding(NetworkEnding why);
    // The guest's own game, held while it watched, keeps the host's last picture on show with
    // why the bout ended, as the host does, until a bout of its own or a demonstration.
    void EndWatchingNetworkBout(const ReplayPicture& last, NetworkEnding why);
    // The host's bout, kept as the last one fenced here from the first picture the host sends.
    void KeepNetworkBout(int target, bool timed) { keeping = std::pair(target, timed); }
    void KeepNetworkPicture(const ReplayPicture& picture);
    void KeepNetworkEvent(const BoutEvent& event) { replays.Note(event, clock.NowMilliseconds()); }

    // --- The menu.
    void NewGame();
    void PauseOrResume();
    // A network guest's pause says which it wants.
    void SetPaused(bool paused);
    // The player has gone to another program. With "Pause When Inactive" chosen, a bout the
    // player fences pauses as F3 pauses it and only F3 resumes it; otherwise it runs on.
    void FocusLost();
    void SetTarget(int hits);
    void ToggleTimed();
    void SetControl(ControlMode mode);
    void ChooseTwoPlayers();
    void ChooseLevel(const Level& level);
    // A custom strength, even one equal to a graded level's, keeps no best result.
    void ChooseCustom(const Strength& strength);
    void ToggleSound();
    void TogglePauseWhenInactive();
    struct Keys {
        std::u32string left;
        std::u32string right;
    };
    Keys CurrentKeys() const { return {options.keysLeft, options.keysRight}; }
    void SetKeys(const Keys& keys);

    // Runs a modal dialog with play held: nothing moves while it is open, and afterwards play
    // goes on exactly where it was (or stays paused, if it was).
    void WhileHeld(const std::function<void()>& modal);

    const BoutOptions& Options() const { return options; }
    // The strength the computer fences the player at now.
    const Strength& StrengthInPlay() const { return bout.Computer().InPlay(); }

private:
    friend class GameProbe;

    void Publish();
    void SetOptions(const BoutOptions& changed);
    void ChooseStrength(const Strength& strength, std::optional<Level> level);
    void StopAndKeepStrength(bool keep);
    void ClearPause();
    void Hold();
    void Release();
    void OfferBestResult(const BoutOver& over);

    platform::Store& store;
    const platform::Clock& clock;
    BoutView view;
    EventStream events;
    BoutOptions options;
    // What the store held at the start: only what differs from it is stored at the end.
    platform::Store::Values held;
    BoutTimers timers;
    Bout bout;
    std::function<void(const BoutView&)> onView;
    std::function<void(const BoutEvent&)> onEvent;
    ReplayRecorder replays;
    // A host's bout to keep, from its first picture: its target and timing.
    std::optional<std::pair<int, bool>> keeping;
    std::function<void(const NewBest&, const Record&)> askWinnerName;
    bool gamePaused = false;
    // The pause and open dialogs: play is held while any of them is.
    int holds = 0;
};

} // namespace pistework::game
