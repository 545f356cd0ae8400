// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "game/bout/BoutRules.h"
#include "game/player/Settings.h"

namespace pistework::game {

std::vector<std::pair<Side, FencerCommand>> KeyCommands(const BoutOptions& options, char32_t key) {
    std::vector<std::pair<Side, FencerCommand>> given;
    for (const auto& [side, keys] :
         {std::pair(Side::Left, &options.keysLeft), std::pair(Side::Right, &options.keysRight)}) {
        // Exact, case-sensitive lookup of whole characters, first occurrence only.
        const std::size_t at = keys->find(key);
        if (at <= static_cast<std::size_t>(FencerCommand::Fleche))
            given.emplace_back(side, static_cast<FencerCommand>(at));
    }
    return given;
}

void TypeKey(Game& game, char32_t key) {
    for (const auto& [side, command] : KeyCommands(game.Options(), key))
        game.Command(CommandSource::Keys, side, command);
}

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
    // Shown in mouse control, but not through a demonstration unless the player chose a
    // control since it began.
    view.commandButtons = options.control == ControlMode::Mouse && !bout.ButtonsHidden();
    view.startPrompt = bout.DemonstrationOnShow();
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
    bout.ShowButtonsAgain();
}

void Game::Command(CommandSource source, Side side, FencerCommand command) {
    switch (source) {
    case CommandSource::Keys:
        if (!options.TakesKeys() || (side == Side::Left && !options.twoPlayer)) return;
        [[fallthrough]];
    case CommandSource::Pad:
        if (bout.Demonstrating()) return;
        break;
    case CommandSource::Buttons:
        break;
    case CommandSource::Peer:
        if (!options.remoteLeft || !bout.Running() || side != Side::Left) return;
        break;
    }
    bout.Command(side, command);
    Publish();
}

void Game::Choose(Choice choice) {
    switch (choice.verb) {
    case Verb::NewGame:
        return NewGame();
    case Verb::PauseOrResume:
        return PauseOrResume();
    case Verb::SetTarget:
        options.maxHits = choice.value;
        break;
    case Verb::ToggleTimed:
        options.timed = !options.timed;
        bout.SetClock(BoutLengthSeconds(options.maxHits));
        break;
    case Verb::ChooseLevel:
        if (choice.value < 1 || choice.value > static_cast<int>(kLevels.size())) return;
        return ChooseStrength(kLevels[static_cast<std::size_t>(choice.value - 1)].strength,
                              kLevels[static_cast<std::size_t>(choice.value - 1)]);
    case Verb::ChooseTwoPlayers:
        return ChooseTwoPlayers();
    case Verb::SetControl:
        options.control = static_cast<ControlMode>(choice.value);
        bout.ShowButtonsAgain();
        break;
    case Verb::ToggleSound:
        options.soundOn = !options.soundOn;
        break;
    case Verb::TogglePauseWhenInactive:
        options.pauseWhenInactive = !options.pauseWhenInactive;
        break;
    }
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

void Game::EndNetworkBout(NetworkEnding why, const ReplayPicture* last) {
    if (!options.remoteLeft && !last) return;
    options.remoteLeft = false;
    ClearPause();
    StopAndKeepStrength(false);
    if (last) view = last->Over(view);
    timers.autoPlay.SetEnabled(true);
    view.networkEnded = why;
    Publish();
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

// Two players fence from one keyboard; play stands until the next "New Game".
void Game::ChooseTwoPlayers() {
    options.twoPlayer = true;
    options.level.reset();
    options.control = ControlMode::Keyboard;
    StopAndKeepStrength(false);
    Publish();
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
