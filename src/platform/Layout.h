#pragma once
// The main window's layout data that both the Qt window and the headless form build from:
// timers, the menu tree and the hidden list of referee texts.

#include <array>
#include <string_view>

namespace pistework::platform::layout {

struct TimerSpec {
    std::string_view name;
    int interval;
    bool enabledAtStart;
};

inline constexpr std::array<TimerSpec, 7> kTimers{{
    {"TimerLeft", 120, false},
    {"TimerRight", 100, false},
    {"TimerPresident", 1000, false},
    {"TimerLight", 100, false},
    {"TimerClock", 1000, false},
    {"TimerSalute", 300, false},
    {"TimerAutoPlay", 15000, true},
}};

enum class MenuKind { Menu, Item, Separator, Check, Radio };

// Radio groups: the items of one submenu that exclude each other.
enum class MenuGroup { None, GameType, Opponent, Control };

struct MenuSpec {
    std::string_view name;
    std::string_view caption;
    std::string_view parent; // empty for the menu bar's own menus
    MenuKind kind;
    MenuGroup group = MenuGroup::None;
    bool checked = false;
    std::string_view shortcut = {};
};

// In menu order; each submenu follows its parent item.
inline constexpr std::array<MenuSpec, 33> kMenu{{
    {"mnuFile", "&File", "", MenuKind::Menu},
    {"mnuFileNewGame", "&New Game", "mnuFile", MenuKind::Item, MenuGroup::None, false, "F2"},
    {"mnuFilePauseGame", "&Pause Game", "mnuFile", MenuKind::Item, MenuGroup::None, false, "F3"},
    {"N5", "-", "mnuFile", MenuKind::Separator},
    {"BestResults1", "&Best Results", "mnuFile", MenuKind::Item},
    {"N1", "-", "mnuFile", MenuKind::Separator},
    {"mnuFileExit", "E&xit", "mnuFile", MenuKind::Item},
    {"Settings2", "&Settings", "", MenuKind::Menu},
    {"mnuGameType", "&Game Type", "Settings2", MenuKind::Menu},
    {"Firstto5", "First to 5", "mnuGameType", MenuKind::Radio, MenuGroup::GameType},
    {"Firstto10", "First to 10", "mnuGameType", MenuKind::Radio, MenuGroup::GameType},
    {"Firstto15", "First to 15", "mnuGameType", MenuKind::Radio, MenuGroup::GameType, true},
    {"N3", "-", "mnuGameType", MenuKind::Separator},
    {"TimedBout", "Timed", "mnuGameType", MenuKind::Check},
    {"mnuOpponent", "&Opponent", "Settings2", MenuKind::Menu},
    {"Novice", "&Novice", "mnuOpponent", MenuKind::Radio, MenuGroup::Opponent, true},
    {"Intermediate", "&Intermediate", "mnuOpponent", MenuKind::Radio, MenuGroup::Opponent},
    {"Advanced", "&Advanced", "mnuOpponent", MenuKind::Radio, MenuGroup::Opponent},
    {"QuarterFinalist", "&Quarter-Finalist", "mnuOpponent", MenuKind::Radio, MenuGroup::Opponent},
    {"SemiFinalist", "&Semi-Finalist", "mnuOpponent", MenuKind::Radio, MenuGroup::Opponent},
    {"Champion", "&Champion", "mnuOpponent", MenuKind::Radio, MenuGroup::Opponent},
    {"N2", "-", "mnuOpponent", MenuKind::Separator},
    {"Custom1", "C&ustom", "mnuOpponent", MenuKind::Radio, MenuGroup::Opponent},
    {"mnu2Player", "&2 Player", "mnuOpponent", MenuKind::Radio, MenuGroup::Opponent},
    {"Control1", "&Control", "Settings2", MenuKind::Menu},
    {"mnuKeyboard", "&Keyboard", "Control1", MenuKind::Radio, MenuGroup::Control},
    {"mnuMouse", "&Mouse", "Control1", MenuKind::Radio, MenuGroup::Control, true},
    {"N4", "-", "Control1", MenuKind::Separator},
    {"KeyboardLayout1", "Keyboard &Layout", "Control1", MenuKind::Item},
    {"SoundOn", "&Sound On", "Control1", MenuKind::Check},
    {"mnuHelp", "&Help", "", MenuKind::Menu},
    {"mnuHelpAbout", "About...", "mnuHelp", MenuKind::Item},
    {"Help", "&Help...", "mnuHelp", MenuKind::Item, MenuGroup::None, false, "F1"},
}};

// The hidden list of the referee's calls and the pause captions, read by row number.
inline constexpr std::array<std::string_view, 21> kCallTexts{{
    "Engarde",
    "Are you ready?",
    "Fence",
    "Halt",
    "Attack from the Left",
    "Attack from the Right",
    "Counter Attack from the Left",
    "Counter Attack from the Right",
    "Off Target",
    "Successful",
    "Opponent Passed",
    "Warning - Yellow Card Left",
    "Warning - Red Card Left",
    "Warning - Yellow Card Right",
    "Warning - Red Card Right",
    "Return to Engarde",
    "Attack is Successful",
    "Counter is Out of Time",
    "&Pause Game",
    "&Resume Game",
    "Game Over",
}};

// Where the fencer images stand when the window opens.
inline constexpr int kFencerALeft = 106;
inline constexpr int kFencerBLeft = 244;

} // namespace pistework::platform::layout
