// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "game/BoutRules.h"
#include "game/Settings.h"

namespace pistework::game {

namespace {

// Exact, case-sensitive lookup of whole characters, first occurrence only.
std::optional<FencerCommand> CommandOf(const std::u32string& keys, char32_t key) {
    const std::size_t at = keys.find(key);
    if (at > static_cast<std::size_t>(FencerCommand::Fleche)) return std::nullopt;
    return static_cast<FencerCommand>(at);
}

} // namespace

Game::Game(const platform::Services& services)
    : store(services.store), clock(services.clock), timers(services.timers),
      bout(timers, view, events, options, services) {
    bout.SetOnStep([this] { Publish(); });
    bout.SetOnStart(
        [this] { replays.Begin(view, options.maxHits, options.timed, clock.NowMilliseconds()); });
    events.Listen([this](const BoutEvent& event) {
        replays.Note(event, clock.NowMilliseconds());
        if (std::holds_alternative<CallMade>(event)) view.networkEnded.reset();
        if (onEvent) onEvent(event);
    });
    bout.SetOnOver([this](const BoutOver& over) {
        events.Emit(over);
        OfferBestResult(over);
    });
}

void Game::Publish() {
    view.menu = {.target = options.maxHits,
                 .timed = options.timed,
                 .control = options.control,
                 .level = options.level ? std::optional<int>(options.level->number) : std::nullopt,
                 .custom = options.Custom(),
                 .twoPlayers = options.twoPlayer,
                 .sound = options.soundOn,
                 .paused = gamePaused,
                 .pauseWhenInactive = options.pauseWhenInactive};
    replays.See(view, clock.NowMilliseconds());
    if (onView) onView(view);
}

void Game::Start() {
    bout.PlaceOnLines();
    const BoutOptions read = ReadSettings(store);
    held = SettingsHeld(store, read);
    bout.Computer().SetStrength(read.chosen);
    SetOptions(read);
    StopAndKeepStrength(true);
    timers.autoPlay.SetEnabled(true);
    Publish();
}

bool Game::SaveOptions() {
    return WriteSettings(store, options, held);
}

void Game::SetOptions(const BoutOptions& changed) {
    options = changed;
    view.commandButtons = options.control == ControlMode::Mouse;
}

void Game::Command(Side side, FencerCommand command) {
    bout.Command(side, command);
    Publish();
}

void Game::KeyTyped(char32_t key) {
    if (!options.TakesKeys() || bout.Demonstrating()) return;
    auto command = [this, key](Side side, const std::u32string& keys) {
        if (const auto given = CommandOf(keys, key)) bout.Command(side, *given);
    };
    if (options.twoPlayer) command(Side::Left, options.keysLeft);
    command(Side::Right, options.keysRight);
    Publish();
}

std::optional<FencerCommand> Game::OwnCommand(char32_t key) const {
    if (!options.TakesKeys()) return std::nullopt;
    return CommandOf(options.keysRight, key);
}

void Game::PadCommand(Side side, FencerCommand command) {
    if (bout.Demonstrating()) return;
    bout.Command(side, command);
    Publish();
}

void Game::NewGame() {
    // A new bout is play the player asked for: it starts at once, unpaused.
    ClearPause();
    view.networkEnded.reset();
    bout.StartNew(false);
    Publish();
}

void Game::BeginNetworkBout() {
    options.remoteLeft = true;
    NewGame();
}

void Game::RemoteCommand(FencerCommand command) {
    if (!options.remoteLeft || !bout.Running()) return;
    bout.Command(Side::Left, command);
    Publish();
}

void Game::EndNetworkBout(NetworkEnding why) {
    if (!options.remoteLeft) return;
    options.remoteLeft = false;
    ClearPause();
    StopAndKeepStrength(false);
    timers.autoPlay.SetEnabled(true);
    ShowNetworkEnding(why);
}

void Game::KeepNetworkPicture(const ReplayPicture& picture) {
    const BoutView shown = picture.Over(view);
    if (keeping)
        replays.Begin(shown, keeping->first, keeping->second, clock.NowMilliseconds());
    else
        replays.See(shown, clock.NowMilliseconds());
    keeping.reset();
}

void Game::ShowNetworkEnding(NetworkEnding why) {
    // A host's bout that did not come to its end is not kept.
    keeping.reset();
    replays.Drop();
    view.networkEnded = why;
    Publish();
}

void Game::EndWatchingNetworkBout(const ReplayPicture& last, NetworkEnding why) {
    Release();
    ClearPause();
    StopAndKeepStrength(false);
    view = last.Over(view);
    timers.autoPlay.SetEnabled(true);
    ShowNetworkEnding(why);
}

void Game::PlayCue(SoundCue cue) {
    bout.PlayCue(cue);
}

void Game::PauseOrResume() {
    if (gamePaused) {
        ClearPause();
    } else {
        gamePaused = true;
        Hold();
    }
    Publish();
}

void Game::SetPaused(bool paused) {
    if (paused != gamePaused) PauseOrResume();
}

void Game::FocusLost() {
    // Network players each have a window of their own, and either may pause.
    if (!options.pauseWhenInactive || gamePaused || !bout.Running() || bout.Demonstrating() ||
        options.remoteLeft)
        return;
    PauseOrResume();
}

void Game::ClearPause() {
    if (!gamePaused) return;
    gamePaused = false;
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
    Publish();
}

void Game::SetTarget(int hits) {
    options.maxHits = hits;
    Publish();
}

void Game::ToggleTimed() {
    options.timed = !options.timed;
    bout.SetClock(BoutLengthSeconds(options.maxHits));
    Publish();
}

void Game::SetControl(ControlMode mode) {
    options.control = mode;
    view.commandButtons = mode == ControlMode::Mouse;
    Publish();
}

// Two players fence from one keyboard; play stands until the next "New Game".
void Game::ChooseTwoPlayers() {
    options.twoPlayer = true;
    options.level.reset();
    options.control = ControlMode::Keyboard;
    view.commandButtons = false;
    StopAndKeepStrength(false);
    Publish();
}

void Game::ChooseLevel(const Level& level) {
    ChooseStrength(level.strength, level);
}

void Game::ChooseCustom(const Strength& strength) {
    ChooseStrength(strength, std::nullopt);
}

void Game::ChooseStrength(const Strength& strength, std::optional<Level> level) {
    bout.Computer().SetStrength(strength);
    options.level = level;
    options.twoPlayer = false;
    StopAndKeepStrength(true);
    Publish();
}

// New keys take effect at once.
void Game::SetKeys(const Keys& keys) {
    options.keysLeft = keys.left;
    options.keysRight = keys.right;
}

void Game::ToggleSound() {
    options.soundOn = !options.soundOn;
    Publish();
}

void Game::TogglePauseWhenInactive() {
    options.pauseWhenInactive = !options.pauseWhenInactive;
    Publish();
}

// Stops play until the next bout; `keep` keeps the strength in play as the player's choice.
void Game::StopAndKeepStrength(bool keep) {
    bout.Stop();
    replays.Drop();
    if (keep) options.chosen = bout.Computer().InPlay();
}

BestResultTable Game::BestResults() const {
    return ReadBestResults(store);
}

// Custom opponents and two-player bouts keep no best results; a demonstration is nobody's.
void Game::OfferBestResult(const BoutOver& over) {
    if (over.demonstration || !options.level || options.twoPlayer || options.remoteLeft) return;
    if (over.winner != Side::Right || !askWinnerName) return;
    const int level = options.level->number;
    const BestResult stored = BestResults()[static_cast<std::size_t>(level)];
    if (!IsBetterWin(stored, over.score[Side::Left], over.score[Side::Right])) return;
    const PerSide<int> score = over.score;
    // The demonstration's 15 s keep counting while the winner types: it may begin behind the
    // dialog.
    askWinnerName({level, score, stored.winner}, [this, level, score](const std::string& name) {
        // Another window may have stored a better win while the name was typed; it stands.
        if (!IsBetterWin(BestResults()[static_cast<std::size_t>(level)], score[Side::Left],
                         score[Side::Right]))
            return true;
        return WriteBestResult(store, level, score[Side::Left], score[Side::Right], name);
    });
}

} // namespace pistework::game
