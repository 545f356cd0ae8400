// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's menu tree, listed once, with the command of each item. The window builds
// its menus from it; the handbook names the items as the menus show them. Captions are marked
// for translation and shown translated.

#include "game/TextMarks.h"

#include <array>
#include <stdexcept>
#include <string_view>

namespace pistework::layout {

enum class MenuKind { Menu, Item, Separator, Check, Radio };

// Radio groups: the items of one submenu that exclude each other.
enum class MenuGroup { None, GameType, Opponent, Control };

// What a menu item does, and so which option its mark shows.
enum class MenuCommand {
    None, // a submenu or a separator
    NewGame,
    PauseOrResume,
    BestResults,
    Exit,
    FirstTo5,
    FirstTo10,
    FirstTo15,
    ToggleTimed,
    Level1, // the graded levels in the order of the level table
    Level2,
    Level3,
    Level4,
    Level5,
    Level6,
    Custom,
    TwoPlayers,
    Keyboard,
    Mouse,
    Keys,
    ToggleSound,
    TogglePauseWhenInactive,
    FullScreen,
    About,
    Help,
    Handbook,
    School,
    SaveReplay,
    WatchReplay,
    WatchLastBout,
    Bouts,
    ShowDistance,
    HostNetworkBout,
    JoinNetworkBout,
    WatchNetworkBout,
    ToggleAskRouter,
};

struct MenuEntry {
    std::string_view name;
    std::string_view caption;
    std::string_view parent; // empty for the menu bar's own menus
    MenuKind kind;
    MenuCommand command = MenuCommand::None;
    MenuGroup group = MenuGroup::None;
    bool checked = false;
    std::string_view shortcut = {};
};

// The pause item's caption while play is paused.
inline constexpr std::string_view kResumeCaption = QT_TRANSLATE_NOOP("Menu", "&Resume Game");

// In menu order; each submenu follows its parent item.
inline constexpr std::array<MenuEntry, 49> kMenu{{
    {"mnuFile", QT_TRANSLATE_NOOP("Menu", "&File"), "", MenuKind::Menu},
    {"mnuFileNewGame", QT_TRANSLATE_NOOP("Menu", "&New Game"), "mnuFile", MenuKind::Item,
     MenuCommand::NewGame, MenuGroup::None, false, "F2"},
    {"mnuFilePauseGame", QT_TRANSLATE_NOOP("Menu", "&Pause Game"), "mnuFile", MenuKind::Item,
     MenuCommand::PauseOrResume, MenuGroup::None, false, "F3"},
    {"N5", "-", "mnuFile", MenuKind::Separator},
    {"BestResults1", QT_TRANSLATE_NOOP("Menu", "&Best Results"), "mnuFile", MenuKind::Item,
     MenuCommand::BestResults},
    {"N6", "-", "mnuFile", MenuKind::Separator},
    {"mnuFileSaveReplay", QT_TRANSLATE_NOOP("Menu", "&Save Replay…"), "mnuFile", MenuKind::Item,
     MenuCommand::SaveReplay},
    {"mnuFileWatchReplay", QT_TRANSLATE_NOOP("Menu", "&Watch Replay…"), "mnuFile", MenuKind::Item,
     MenuCommand::WatchReplay},
    {"mnuFileWatchLastBout", QT_TRANSLATE_NOOP("Menu", "Watch &Last Bout"), "mnuFile",
     MenuKind::Item, MenuCommand::WatchLastBout, MenuGroup::None, false, "Ctrl+R"},
    {"mnuFileBouts", QT_TRANSLATE_NOOP("Menu", "B&outs…"), "mnuFile", MenuKind::Item,
     MenuCommand::Bouts},
    {"N7", "-", "mnuFile", MenuKind::Separator},
    {"mnuFileHostNetworkBout", QT_TRANSLATE_NOOP("Menu", "&Host Network Bout…"), "mnuFile",
     MenuKind::Item, MenuCommand::HostNetworkBout},
    {"mnuFileJoinNetworkBout", QT_TRANSLATE_NOOP("Menu", "&Join Network Bout…"), "mnuFile",
     MenuKind::Item, MenuCommand::JoinNetworkBout},
    {"mnuFileWatchNetworkBout", QT_TRANSLATE_NOOP("Menu", "Wa&tch Network Bout…"), "mnuFile",
     MenuKind::Item, MenuCommand::WatchNetworkBout},
    {"N1", "-", "mnuFile", MenuKind::Separator},
    {"mnuFileExit", QT_TRANSLATE_NOOP("Menu", "E&xit"), "mnuFile", MenuKind::Item,
     MenuCommand::Exit},
    {"Settings2", QT_TRANSLATE_NOOP("Menu", "&Settings"), "", MenuKind::Menu},
    {"mnuGameType", QT_TRANSLATE_NOOP("Menu", "&Game Type"), "Settings2", MenuKind::Menu},
    {"Firstto5", QT_TRANSLATE_NOOP("Menu", "First to 5"), "mnuGameType", MenuKind::Radio,
     MenuCommand::FirstTo5, MenuGroup::GameType},
    {"Firstto10", QT_TRANSLATE_NOOP("Menu", "First to 10"), "mnuGameType", MenuKind::Radio,
     MenuCommand::FirstTo10, MenuGroup::GameType},
    {"Firstto15", QT_TRANSLATE_NOOP("Menu", "First to 15"), "mnuGameType", MenuKind::Radio,
     MenuCommand::FirstTo15, MenuGroup::GameType, true},
    {"N3", "-", "mnuGameType", MenuKind::Separator},
    {"TimedBout", QT_TRANSLATE_NOOP("Menu", "Timed"), "mnuGameType", MenuKind::Check,
     MenuCommand::ToggleTimed},
    {"mnuOpponent", QT_TRANSLATE_NOOP("Menu", "&Opponent"), "Settings2", MenuKind::Menu},
    {"Novice", QT_TRANSLATE_NOOP("Menu", "&Novice"), "mnuOpponent", MenuKind::Radio,
     MenuCommand::Level1, MenuGroup::Opponent, true},
    {"Intermediate", QT_TRANSLATE_NOOP("Menu", "&Intermediate"), "mnuOpponent", MenuKind::Radio,
     MenuCommand::Level2, MenuGroup::Opponent},
    {"Advanced", QT_TRANSLATE_NOOP("Menu", "&Advanced"), "mnuOpponent", MenuKind::Radio,
     MenuCommand::Level3, MenuGroup::Opponent},
    {"QuarterFinalist", QT_TRANSLATE_NOOP("Menu", "&Quarter-Finalist"), "mnuOpponent",
     MenuKind::Radio, MenuCommand::Level4, MenuGroup::Opponent},
    {"SemiFinalist", QT_TRANSLATE_NOOP("Menu", "&Semi-Finalist"), "mnuOpponent", MenuKind::Radio,
     MenuCommand::Level5, MenuGroup::Opponent},
    {"Champion", QT_TRANSLATE_NOOP("Menu", "&Champion"), "mnuOpponent", MenuKind::Radio,
     MenuCommand::Level6, MenuGroup::Opponent},
    {"N2", "-", "mnuOpponent", MenuKind::Separator},
    {"Custom1", QT_TRANSLATE_NOOP("Menu", "C&ustom"), "mnuOpponent", MenuKind::Radio,
     MenuCommand::Custom, MenuGroup::Opponent},
    {"mnu2Player", QT_TRANSLATE_NOOP("Menu", "&2 Player"), "mnuOpponent", MenuKind::Radio,
     MenuCommand::TwoPlayers, MenuGroup::Opponent},
    {"Control1", QT_TRANSLATE_NOOP("Menu", "&Control"), "Settings2", MenuKind::Menu},
    {"mnuKeyboard", QT_TRANSLATE_NOOP("Menu", "&Keyboard"), "Control1", MenuKind::Radio,
     MenuCommand::Keyboard, MenuGroup::Control},
    {"mnuMouse", QT_TRANSLATE_NOOP("Menu", "&Mouse"), "Control1", MenuKind::Radio,
     MenuCommand::Mouse, MenuGroup::Control, true},
    {"N4", "-", "Control1", MenuKind::Separator},
    {"KeyboardLayout1", QT_TRANSLATE_NOOP("Menu", "Keyboard &Layout"), "Control1", MenuKind::Item,
     MenuCommand::Keys},
    {"SoundOn", QT_TRANSLATE_NOOP("Menu", "&Sound On"), "Control1", MenuKind::Check,
     MenuCommand::ToggleSound},
    {"mnuPauseWhenInactive", QT_TRANSLATE_NOOP("Menu", "Pause When &Inactive"), "Settings2",
     MenuKind::Check, MenuCommand::TogglePauseWhenInactive},
    {"mnuAskRouter", QT_TRANSLATE_NOOP("Menu", "Ask the &Router to Open the Port"), "Settings2",
     MenuKind::Check, MenuCommand::ToggleAskRouter, MenuGroup::None, true},
    {"mnuView", QT_TRANSLATE_NOOP("Menu", "&View"), "", MenuKind::Menu},
    {"mnuViewFullScreen", QT_TRANSLATE_NOOP("Menu", "&Full Screen"), "mnuView", MenuKind::Check,
     MenuCommand::FullScreen, MenuGroup::None, false, "F11"},
    {"mnuViewShowDistance", QT_TRANSLATE_NOOP("Menu", "Show &Distance"), "mnuView", MenuKind::Check,
     MenuCommand::ShowDistance, MenuGroup::None, false, "D"},
    {"mnuHelp", QT_TRANSLATE_NOOP("Menu", "&Help"), "", MenuKind::Menu},
    {"mnuHelpHandbook", QT_TRANSLATE_NOOP("Menu", "Hand&book"), "mnuHelp", MenuKind::Item,
     MenuCommand::Handbook},
    {"mnuHelpSchool", QT_TRANSLATE_NOOP("Menu", "Fencing &School…"), "mnuHelp", MenuKind::Item,
     MenuCommand::School},
    {"mnuHelpAbout", QT_TRANSLATE_NOOP("Menu", "About..."), "mnuHelp", MenuKind::Item,
     MenuCommand::About},
    {"Help", QT_TRANSLATE_NOOP("Menu", "&Help..."), "mnuHelp", MenuKind::Item, MenuCommand::Help,
     MenuGroup::None, false, "F1"},
}};

constexpr const MenuEntry& Menu(MenuCommand command) {
    for (const MenuEntry& entry : kMenu)
        if (entry.command == command) return entry;
    throw std::out_of_range("no menu item for that command");
}

} // namespace pistework::layout
