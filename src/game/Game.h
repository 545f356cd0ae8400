// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's session behind the main window: the options the player sets, the menu's
// commands, the pause and the holds of modal dialogs, the best results, the recorder of bouts,
// and the bout it drives from one timer. It publishes what the piste shows as a BoutView after
// every step and reports what happens as events; it names no widget, so it runs the same in
// the Qt window and headless in virtual time.

#include "game/BoutView.h"
#include "game/PlayClock.h"
#include "game/bout/Bout.h"
#include "game/player/BestResults.h"
#include "game/player/KeptBouts.h"
#include "game/player/KeyLayout.h"
#include "game/player/MenuChoice.h"
#include "game/player/Options.h"
#include "game/replay/Replay.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pistework::game {

// The commands a typed character gives: the left player's key, then the right player's.
std::vector<std::pair<Side, FencerCommand>> KeyCommands(const BoutOptions& options, char32_t key);

// A cue's sound on `sound`, if the options have the sound on.
void PlayCue(platform::MediaPlayer& sound, const BoutOptions& options, SoundCue cue);

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
    // The file of the last bout a player fenced to its end here, or fenced or watched over the
    // network; empty before the first. A demonstration is never kept.
    std::span<const std::uint8_t> LastReplay() const { return lastKept; }

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

    // The one door for a fencer's command. Keys move nobody in mouse control, keys and pads
    // nobody in a demonstration; the buttons show only when they may be clicked.
    void Command(CommandSource source, Side side, FencerCommand command);

    // What a menu item asks of the game.
    void Choose(Choice choice);
    // A custom strength, even one equal to a graded level's, keeps no best result.
    void ChooseCustom(const Strength& strength);
    Keys CurrentKeys() const { return {options.keysLeft, options.keysRight}; }
    void SetKeys(const Keys& keys);
    // The player has gone to another program. With "Pause When Inactive" chosen, a bout the
    // player fences pauses as F3 pauses it and only F3 resumes it; otherwise it runs on.
    void FocusLost();

    // Back to this player's own game after a network bout, held meanwhile: the bout's `last`
    // picture stays on show until a bout of its own or a demonstration, and the call area says
    // why the network bout ended.
    void EndNetworkBout(NetworkEnding why, const ReplayPicture& last);
    // Each player, and each watcher, keeps a network bout as the last one fenced here, and
    // among the bouts kept.
    void Keep(const KeptBout& about, std::span<const std::uint8_t> file);
    // Called when a finished bout could not be kept among the player's bouts.
    void SetOnBoutNotKept(std::function<void()> listener) { onNotKept = std::move(listener); }

    // Runs a modal dialog with play held: nothing moves while it is open, and afterwards play
    // goes on exactly where it was (or stays paused, if it was).
    void WhileHeld(const std::function<void()>& modal);

    const BoutOptions& Options() const { return options; }
    // The strength the computer fences the player at now.
    const Strength& StrengthInPlay() const { return bout.Computer().InPlay(); }
    static constexpr std::int64_t kStallMs = PlayClock::kStallMs;

private:
    friend class GameProbe;
    friend class PlayHold;

    void Publish();
    void Configure();
    void ShowButtonsAgain();
    // Moves the bout's clock on to the present.
    void CatchUp();
    std::int64_t PlayNow() { return playClock.Now(); }
    void RunFrame();
    void ArmFrame();
    void Handle(const std::vector<Happening>& news);
    void SetOptions(const BoutOptions& changed);
    void NewGame();
    void PauseOrResume();
    void ChooseTwoPlayers();
    void ChooseStrength(const Strength& strength, std::optional<Level> level);
    void StopAndKeepStrength(bool keep);
    void ClearPause();
    void Hold();
    void Release();
    void OfferBestResult(const BoutOver& over);
    void KeepFinished(const BoutOver& over);

    platform::Store& store;
    platform::MediaPlayer& sound;
    platform::BoutStore& bouts;
    const platform::Clock& wallClock;
    // The one timer of play, armed for the bout's next tick.
    std::unique_ptr<platform::Timer> frame;
    PlayClock playClock;
    BoutView view;
    BoutOptions options;
    // What the store held at the start: only what differs from it is stored at the end.
    platform::Store::Values storedAtStart;
    Bout bout;
    // A network bout's last picture, on show until the next bout of this game begins.
    std::optional<ReplayPicture> shownOver;
    std::function<void(const BoutView&)> onView;
    std::function<void(const BoutEvent&)> onEvent;
    ReplayRecorder replays;
    std::vector<std::uint8_t> lastKept;
    std::function<void(const NewBest&, const Record&)> askWinnerName;
    std::function<void()> onNotKept;
    // When the bout in play began, and the time it has been held since, in play's time: the
    // length a kept bout shows leaves out pauses and dialogs.
    std::int64_t boutBegan = 0, heldMs = 0, heldSince = 0;
    bool gamePaused = false;
    // The pause and open dialogs: play is held while any of them is.
    int holdCount = 0;
};

// Holds play for as long as it lives, as a replay or a network bout on show does: nothing
// moves and no option changes; afterwards play goes on where it was and the piste shows it
// again.
class PlayHold {
public:
    explicit PlayHold(Game& game) : game(game) { game.Hold(); }
    ~PlayHold() {
        game.Release();
        game.Publish();
    }
    PlayHold(const PlayHold&) = delete;
    PlayHold& operator=(const PlayHold&) = delete;

private:
    Game& game;
};

// A typed character, through the door: each command it gives a player in their key layout.
void TypeKey(Game& game, char32_t key);

} // namespace pistework::game
