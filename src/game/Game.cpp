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

void PlayCue(platform::MediaPlayer& sound, const BoutOptions& options, SoundCue cue) {
    sound.SetFileName(cue == SoundCue::Hit ? options.hitSound : options.parrySound);
    if (!options.soundOn) return;
    // A missing file or sound device only means silence.
    if (sound.Open()) (void)sound.Play();
}

Game::Game(const platform::Services& services)
    : store(services.store), sound(services.sound), bouts(services.bouts),
      wallClock(services.clock), frame(services.timers.MakeTimer("TimerBout", 1)),
      playClock(services.clock), bout(playClock.Now()) {
    frame->SetOnTimer([this] { RunFrame(); });
}

// One tick a wake, so input between two ticks of one instant comes between them, as it would
// between two timers.
void Game::RunFrame() {
    const std::optional<std::int64_t> due = bout.NextDue();
    if (due) playClock.SkipStall(*due);
    if (holdCount == 0 && due && *due <= PlayNow()) {
        replays.RunNext(bout);
        Handle(bout.TakeNews());
        Publish();
    }
    ArmFrame();
}

// The frame timer wakes when the bout's next tick falls due, at once for one already due, and
// not while play is held.
void Game::ArmFrame() {
    frame->SetEnabled(false);
    const std::optional<std::int64_t> due = bout.NextDue();
    if (!due || holdCount > 0) return;
    frame->SetInterval(static_cast<int>(std::max<std::int64_t>(0, *due - PlayNow())));
    frame->SetEnabled(true);
}

// Ticks run only from the frame timer, one a wake: a command or a choice comes between the
// ticks due before it and those due after, as it did between the timers of play.
void Game::CatchUp() {
    bout.MoveTo(PlayNow());
}

void Game::Handle(const std::vector<Happening>& news) {
    for (const Happening& happened : news) {
        if (std::holds_alternative<BoutBegan>(happened)) {
            shownOver.reset();
            bout.Show(view);
            replays.Begin(bout);
            boutBegan = bout.Now();
            heldMs = 0;
            continue;
        }
        const BoutEvent& event = std::get<BoutEvent>(happened);
        const auto* over = std::get_if<BoutOver>(&event);
        // The window draws the result before anything asks the winner's name.
        if (over) {
            Publish();
            replays.End(bout);
            // A demonstration is nobody's bout: Watch Last Bout still shows the player's.
            if (!over->demonstration) KeepFinished(*over);
        }
        if (std::holds_alternative<CallMade>(event)) view.networkEnded.reset();
        if (const auto* cue = std::get_if<SoundPlayed>(&event)) PlayCue(sound, options, cue->cue);
        if (onEvent) onEvent(event);
        if (over) OfferBestResult(*over);
    }
}

// The bout fences by the options as the menu shows them.
void Game::Configure() {
    const BoutSettings settings{.target = options.maxHits,
                                .timed = options.timed,
                                .computerLeft = !options.twoPlayer,
                                .demonstrationAfter = true,
                                .strength = options.chosen};
    if (settings != bout.Settings()) replays.Take(bout, bout.Now(), settings);
}

void Game::ShowButtonsAgain() {
    if (bout.ButtonsHidden()) replays.Take(bout, bout.Now(), input::ButtonsShown{});
}

void Game::Publish() {
    Configure();
    bout.Show(view);
    if (shownOver) view = shownOver->Over(view);
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
                 .pauseWhenInactive = options.pauseWhenInactive,
                 .askRouter = options.askRouter};
    ArmFrame();
    if (onView) onView(view);
}

void Game::Start() {
    CatchUp();
    bout.PlaceOnLines();
    const BoutOptions read = ReadSettings(store);
    storedAtStart = SettingsHeld(store, read);
    bout.Computer().SetStrength(read.chosen);
    SetOptions(read);
    StopAndKeepStrength(true);
    bout.AwaitDemonstration();
    Publish();
}

bool Game::SaveOptions() {
    return WriteSettings(store, options, storedAtStart);
}

void Game::SetOptions(const BoutOptions& changed) {
    options = changed;
    ShowButtonsAgain();
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
    }
    CatchUp();
    replays.Take(bout, bout.Now(), input::Order{side, command});
    Publish();
}

void Game::Choose(Choice choice) {
    CatchUp();
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
        replays.Take(bout, bout.Now(), input::ClockLength{BoutLengthSeconds(options.maxHits)});
        break;
    case Verb::ChooseLevel:
        if (choice.value < 1 || choice.value > static_cast<int>(kLevels.size())) return;
        return ChooseStrength(kLevels[static_cast<std::size_t>(choice.value - 1)].strength,
                              kLevels[static_cast<std::size_t>(choice.value - 1)]);
    case Verb::ChooseTwoPlayers:
        return ChooseTwoPlayers();
    case Verb::SetControl:
        options.control = static_cast<ControlMode>(choice.value);
        ShowButtonsAgain();
        break;
    case Verb::ToggleSound:
        options.soundOn = !options.soundOn;
        break;
    case Verb::TogglePauseWhenInactive:
        options.pauseWhenInactive = !options.pauseWhenInactive;
        break;
    case Verb::ToggleAskRouter:
        options.askRouter = !options.askRouter;
        break;
    }
    Publish();
}

void Game::NewGame() {
    // A new bout is play the player asked for: it starts at once, unpaused.
    ClearPause();
    view.networkEnded.reset();
    Configure();
    bout.StartNew(false);
    Handle(bout.TakeNews());
    Publish();
}

void Game::Keep(const KeptBout& about, std::span<const std::uint8_t> file) {
    lastKept.assign(file.begin(), file.end());
    const std::vector<std::uint8_t> kept = KeptBoutFile(about, file);
    if (kept.empty() || !bouts.Add(kept))
        if (onNotKept) onNotKept();
}

void Game::KeepFinished(const BoutOver& over) {
    const std::int64_t length = bout.Now() - boutBegan - heldMs;
    Keep({.endedAt = wallClock.NowMilliseconds(),
          .kind = options.twoPlayer ? BoutKind::TwoPlayers : BoutKind::Computer,
          .level = options.level ? std::optional<int>(options.level->number) : std::nullopt,
          .opponent = {},
          .score = over.score,
          .lengthMs = std::max<std::int64_t>(0, length),
          .end = BoutEnd::Finished},
         replays.Last());
}

void Game::EndNetworkBout(NetworkEnding why, const ReplayPicture& last) {
    CatchUp();
    ClearPause();
    StopAndKeepStrength(false);
    shownOver = last;
    bout.AwaitDemonstration();
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
    if (!options.pauseWhenInactive || gamePaused || !bout.Running() || bout.Demonstrating()) return;
    CatchUp();
    PauseOrResume();
}

void Game::ClearPause() {
    if (!gamePaused) return;
    gamePaused = false;
    Release();
}

// Holds nest: the first stops the bout where it stands, the last starts every timer of play
// it has asked for since afresh.
void Game::Hold() {
    CatchUp();
    if (holdCount++ == 0) heldSince = std::max(PlayNow(), boutBegan);
    frame->SetEnabled(false);
}

void Game::Release() {
    if (holdCount == 0 || --holdCount > 0) return;
    heldMs += std::max<std::int64_t>(0, PlayNow() - std::max(heldSince, boutBegan));
    replays.Take(bout, PlayNow(), input::Resume{});
    ArmFrame();
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
    CatchUp();
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
    if (over.demonstration || !options.level || options.twoPlayer) return;
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
