// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menu's rules beside its table: for each item, what it asks of the game, if anything
// (the others are the window's own: its dialogs, full screen, leaving), and in which of the
// window's modes it may be chosen. The window and the game's fuzzer both read them.

#include "common/Menu.h"
#include "game/player/MenuChoice.h"

#include <optional>

namespace pistework::layout {

// What the window is doing: exactly one at a time.
enum class Mode : unsigned {
    Playing = 1,     // its own game: bouts and demonstrations
    Watching = 2,    // a replay, the game held
    Hosting = 4,     // a network bout from the host's side, and its door
    Joining = 8,     // a network bout from the guest's side
    Practising = 16, // a lesson, or a replay taken over, the game held
};

struct MenuRule {
    MenuCommand command;
    std::optional<game::Choice> choice;
    unsigned modes; // the Mode values it may be chosen in
};

namespace rule {
using enum Mode;
using game::Verb;
inline constexpr unsigned kEvery = 31;
inline constexpr unsigned kPlaying = static_cast<unsigned>(Playing);
inline constexpr unsigned kPractising = static_cast<unsigned>(Practising);
// Watching changes no option: only the window's own items, and the replay's stop and pause.
inline constexpr unsigned kReading = kPlaying | static_cast<unsigned>(Watching);
// The window's own help, and the school, from wherever the player is on their own.
inline constexpr unsigned kOwnHelp = kReading | kPractising;
// A network bout leaves each player leaving it, pausing, the sound, the control of its own
// fencer and the window.
inline constexpr unsigned kNetwork =
    static_cast<unsigned>(Hosting) | static_cast<unsigned>(Joining);
inline constexpr unsigned kFencing = kPlaying | kNetwork;
inline constexpr game::ControlMode kKeyboard = game::ControlMode::Keyboard;
inline constexpr game::ControlMode kMouse = game::ControlMode::Mouse;
} // namespace rule

inline constexpr std::array<MenuRule, 35> kMenuRules{{
    {MenuCommand::NewGame, game::Verb::NewGame, rule::kEvery},
    {MenuCommand::PauseOrResume, game::Verb::PauseOrResume, rule::kEvery},
    {MenuCommand::BestResults, {}, rule::kPlaying},
    {MenuCommand::Exit, {}, rule::kEvery},
    {MenuCommand::FirstTo5, game::Choice{game::Verb::SetTarget, 5}, rule::kPlaying},
    {MenuCommand::FirstTo10, game::Choice{game::Verb::SetTarget, 10}, rule::kPlaying},
    {MenuCommand::FirstTo15, game::Choice{game::Verb::SetTarget, 15}, rule::kPlaying},
    {MenuCommand::ToggleTimed, game::Verb::ToggleTimed, rule::kPlaying},
    {MenuCommand::Level1, game::Choice{game::Verb::ChooseLevel, 1}, rule::kPlaying},
    {MenuCommand::Level2, game::Choice{game::Verb::ChooseLevel, 2}, rule::kPlaying},
    {MenuCommand::Level3, game::Choice{game::Verb::ChooseLevel, 3}, rule::kPlaying},
    {MenuCommand::Level4, game::Choice{game::Verb::ChooseLevel, 4}, rule::kPlaying},
    {MenuCommand::Level5, game::Choice{game::Verb::ChooseLevel, 5}, rule::kPlaying},
    {MenuCommand::Level6, game::Choice{game::Verb::ChooseLevel, 6}, rule::kPlaying},
    {MenuCommand::Custom, {}, rule::kPlaying},
    {MenuCommand::TwoPlayers, game::Verb::ChooseTwoPlayers, rule::kPlaying},
    {MenuCommand::Keyboard, game::Choice{game::Verb::SetControl, rule::kKeyboard},
     rule::kFencing | rule::kPractising},
    {MenuCommand::Mouse, game::Choice{game::Verb::SetControl, rule::kMouse},
     rule::kFencing | rule::kPractising},
    {MenuCommand::Keys, {}, rule::kPlaying},
    {MenuCommand::ToggleSound, game::Verb::ToggleSound, rule::kFencing | rule::kPractising},
    {MenuCommand::TogglePauseWhenInactive, game::Verb::TogglePauseWhenInactive, rule::kPlaying},
    {MenuCommand::ToggleAskRouter, game::Verb::ToggleAskRouter, rule::kPlaying},
    {MenuCommand::FullScreen, {}, rule::kEvery},
    {MenuCommand::About, {}, rule::kOwnHelp},
    {MenuCommand::Help, {}, rule::kOwnHelp},
    {MenuCommand::Handbook, {}, rule::kOwnHelp},
    {MenuCommand::School, {}, rule::kOwnHelp},
    // A network bout's too, once it is over.
    {MenuCommand::SaveReplay, {}, rule::kReading | rule::kNetwork},
    {MenuCommand::WatchReplay, {}, rule::kReading},
    {MenuCommand::WatchLastBout, {}, rule::kReading | rule::kNetwork},
    {MenuCommand::Bouts, {}, rule::kReading},
    // Drawn over a replay, a lesson, and by choice over the player's own bouts.
    {MenuCommand::ShowDistance, {}, rule::kReading | rule::kPractising},
    {MenuCommand::HostNetworkBout, {}, rule::kPlaying},
    {MenuCommand::JoinNetworkBout, {}, rule::kPlaying},
    {MenuCommand::WatchNetworkBout, {}, rule::kPlaying},
}};

constexpr const MenuRule& Rule(MenuCommand command) {
    for (const MenuRule& rule : kMenuRules)
        if (rule.command == command) return rule;
    throw std::out_of_range("no rule for that menu item");
}

constexpr bool Allows(MenuCommand command, Mode mode) {
    return (Rule(command).modes & static_cast<unsigned>(mode)) != 0;
}

// Every item of the menu has its rule, and no rule is left without an item.
static_assert([] {
    std::size_t items = 0;
    for (const MenuEntry& entry : kMenu) {
        if (entry.command == MenuCommand::None) continue;
        ++items;
        (void)Rule(entry.command);
    }
    return items == kMenuRules.size();
}());

} // namespace pistework::layout
