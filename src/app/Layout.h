#pragma once
// The main window's layout, listed once: its controls, timers, menu tree and the hidden list
// of referee texts. The Qt window and the headless form are both built from these tables
// and bind their controls by name.

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace pistework::platform::layout {

enum class ControlKind {
    Image,
    Label,
    PlainLabel, // a fixed caption the game never touches
    Shape,
    Button,
    EditBox,
    StringList,
    Piste, // the piste picture, drawn once by the window
};

enum class Align { TopLeft, Centre, TopRight };

struct Rgb {
    std::uint8_t r, g, b;
};

inline constexpr Rgb kWindowGreen{64, 128, 64};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlack{0, 0, 0};

struct Rect {
    int x, y;
    int width = 0, height = 0; // a label 0 wide is sized to its caption, whatever it reads
};

struct ControlEntry {
    std::string_view name;
    ControlKind kind;
    Rect geometry;
    std::string_view caption = {};
    bool visible = true;
    Rgb colour = kBlack; // a caption's text, a shape's fill
    bool filled = false; // a caption drawn on `background` rather than see-through
    Rgb background = kBlack;
    int fontPixels = 0; // 0: the window's own font
    bool bold = false;
    Align align = Align::TopLeft;
};

constexpr ControlEntry Picture(std::string_view name, Rect at, bool visible = true) {
    return {name, ControlKind::Image, at, {}, visible};
}

// The yellow captions on the green window.
constexpr ControlEntry Caption(std::string_view name, std::string_view text, Rect at,
                               bool visible = true, Align align = Align::TopLeft,
                               ControlKind kind = ControlKind::Label) {
    return {name, kind, at, text, visible, kYellow, false, kBlack, 19, false, align};
}

// A penalty card, shown only once given.
constexpr ControlEntry Card(std::string_view name, int x, int y, Rgb colour) {
    return {name, ControlKind::Shape, {x, y, 13, 20}, {}, false, colour};
}

// The number of red cards, written on the red card itself.
constexpr ControlEntry RedCount(std::string_view name, int y) {
    return {name, ControlKind::Label, {24, y, 13, 16}, "2", false, kBlack, true, kRed, 13,
            true, Align::Centre};
}

constexpr ControlEntry Command(std::string_view name, std::string_view text, int x, int y) {
    return {name, ControlKind::Button, {x, y, 57, 25}, text};
}

// Back to front: a control is drawn over every control listed before it.
inline constexpr std::array<ControlEntry, 28> kControls{{
    Card("shpRed0", 24, 208, kRed),
    Picture("imgLightA", {32, 104, 40, 60}),
    Picture("imgLightB", {440, 104, 40, 60}),
    Picture("imgFencerATemp", {107, 88, 150, 100}, false),
    Picture("imgFencerBTemp", {243, 88, 150, 100}, false),
    {"imgPiste", ControlKind::Piste, {25, 165, 450, 20}},
    Picture("imgFencerB", {244, 88, 150, 100}),
    Picture("imgFencerA", {106, 88, 150, 100}),
    Caption("lblEngarde", "Engarde", {0, 24, 489, 57}, true, Align::Centre),
    Caption("LabelYou", "Right", {51, 232}, true, Align::TopLeft, ControlKind::PlainLabel),
    Caption("LabelOpponent", "Left", {51, 208}, true, Align::TopLeft, ControlKind::PlainLabel),
    Caption("lblScore0", "0", {107, 208}),
    Caption("lblScore1", "0", {107, 232}),
    // Wide enough for "9:00"; the right edge stays where the clock always stood.
    Caption("lblTime", "3:00", {438, 0, 50, 24}, false, Align::TopRight),
    Card("shpYellow0", 8, 208, kYellow),
    Card("shpYellow1", 8, 232, kYellow),
    Card("shpRed1", 24, 232, kRed),
    RedCount("lblRedCount0", 210),
    RedCount("lblRedCount1", 234),
    Caption("lblStart", "Press F2 to Start", {296, 224, 185, 25}, false, Align::Centre),
    Command("cmdAdvance", "Advance", 296, 208),
    Command("cmdExtend", "Extend", 360, 208),
    Command("cmdLunge", "Lunge", 424, 208),
    Command("cmdRetreat", "Retreat", 296, 240),
    Command("cmdParry", "Parry", 360, 240),
    Command("cmdFleche", "Flèche", 424, 240),
    // Above the client area: never seen, but it can hold the focus and take the keys.
    {"txtKeyboard", ControlKind::EditBox, {8, -30, 33, 21}},
    {"ListBoxStrings", ControlKind::StringList, {0, -100, 105, 33}, {}, false},
}};

constexpr const ControlEntry& Control(std::string_view name) {
    for (const ControlEntry& entry : kControls)
        if (entry.name == name) return entry;
    throw std::out_of_range("no control of that name in the layout");
}

struct TimerEntry {
    std::string_view name;
    int interval;
    bool enabledAtStart;
};

inline constexpr std::array<TimerEntry, 7> kTimers{{
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

struct MenuEntry {
    std::string_view name;
    std::string_view caption;
    std::string_view parent; // empty for the menu bar's own menus
    MenuKind kind;
    MenuGroup group = MenuGroup::None;
    bool checked = false;
    std::string_view shortcut = {};
};

// In menu order; each submenu follows its parent item.
inline constexpr std::array<MenuEntry, 33> kMenu{{
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

// Where the fencer images stand when the window opens.
inline constexpr int kFencerALeft = Control("imgFencerA").geometry.x;
inline constexpr int kFencerBLeft = Control("imgFencerB").geometry.x;

} // namespace pistework::platform::layout
