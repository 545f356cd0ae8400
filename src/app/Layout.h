// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's layout, listed once: each control with its object name (the game's
// control name, which logs and end-to-end tests use), what it shows of the bout view, where
// it stands, how it looks and what a screen reader calls it. The window is built from this
// table, its menu tree (common/Menu.h) and its colours (common/Colours.h), and nothing else
// names a control. Texts are marked for translation; the window shows them translated.

#include "common/Colours.h"
#include "common/Menu.h"
#include "game/TextMarks.h"
#include "game/piste/Fencer.h"
#include "game/piste/Side.h"

#include <array>
#include <stdexcept>
#include <string_view>

namespace pistework::layout {

using game::FencerCommand;
using game::Side;

enum class ControlKind {
    Picture,
    Label,
    Shape,
    Button,
    EditBox, // the hidden box that holds the focus in keyboard control
    Piste,   // the piste picture, drawn once by the window
};

// What a control shows of the bout view; Fixed for one the game never changes.
enum class Shows {
    Fixed,
    Fencer,
    Lamp,
    Call,
    Score,
    Clock,
    YellowCard,
    RedCard,
    RedCount,
    StartPrompt,
    Paused,  // shown while play is paused
    Command, // a command button, shown in mouse control
};

// How a screen reader reads a caption.
enum class Readout {
    None,   // read by its own caption, or a picture
    Number, // a count, like a score: also a numeric value, which AT-SPI passes on
    Text,   // a value only shown as text, like the clock's "2:59"
};

enum class Align { TopLeft, Centre, TopRight };

struct Rect {
    int x, y;
    int width = 0, height = 0; // a label 0 wide is sized to its caption, whatever it reads
};

struct ControlEntry {
    std::string_view name;
    ControlKind kind;
    Rect geometry;
    Shows shows = Shows::Fixed;
    Side side = Side::Left; // whose fencer, lamp, score or card
    std::string_view caption = {};
    bool visible = true;
    Rgb colour = kBlack; // a caption's text, a shape's fill
    bool filled = false; // a caption drawn on `background` rather than see-through
    Rgb background = kBlack;
    int fontPixels = 0; // 0: the window's own font
    bool bold = false;
    Align align = Align::TopLeft;
    // For a screen reader: the name, where the caption does not say it, and what it is for.
    std::string_view spoken = {};
    std::string_view description = {};
    Readout readout = Readout::None;
    FencerCommand command = FencerCommand::Advance; // a button's
};

constexpr ControlEntry Picture(std::string_view name, Rect at, Shows shows, Side side,
                               std::string_view spoken, std::string_view description = {}) {
    ControlEntry e{name, ControlKind::Picture, at, shows, side};
    e.spoken = spoken;
    e.description = description;
    return e;
}

// The yellow captions on the green window.
constexpr ControlEntry Caption(std::string_view name, std::string_view text, Rect at,
                               Shows shows = Shows::Fixed, Side side = Side::Left,
                               bool visible = true, Align align = Align::TopLeft) {
    return {
        name, ControlKind::Label, at, shows, side, text, visible, kYellow, false, kBlack, 19, false,
        align};
}

// A caption read as the value of something named, like a score.
constexpr ControlEntry ReadAs(ControlEntry e, std::string_view spoken, Readout readout) {
    e.spoken = spoken;
    e.readout = readout;
    return e;
}

// A penalty card, shown only once given.
constexpr ControlEntry Card(std::string_view name, int x, int y, Shows shows, Side side,
                            std::string_view spoken) {
    ControlEntry e{name,           ControlKind::Shape,
                   {x, y, 13, 20}, shows,
                   side,           {},
                   false,          shows == Shows::YellowCard ? kYellow : kRed};
    e.spoken = spoken;
    return e;
}

// The number of red cards, written on the red card itself.
constexpr ControlEntry RedCount(std::string_view name, int y, Side side, std::string_view spoken) {
    return ReadAs({name,
                   ControlKind::Label,
                   {24, y, 13, 16},
                   Shows::RedCount,
                   side,
                   "2",
                   false,
                   kBlack,
                   true,
                   kRed,
                   13,
                   true,
                   Align::Centre},
                  spoken, Readout::Number);
}

constexpr ControlEntry Command(std::string_view name, std::string_view text, int x, int y,
                               FencerCommand command) {
    ControlEntry e{name, ControlKind::Button, {x, y, 57, 25}, Shows::Command, Side::Right, text};
    e.command = command;
    return e;
}

// Back to front: a control is drawn over every control listed before it. Left is the computer
// (or the second player), right the player, as the captions by the scores say.
inline constexpr std::array<ControlEntry, 26> kControls{{
    Card("shpRed0", 24, 208, Shows::RedCard, Side::Left,
         QT_TRANSLATE_NOOP("Layout", "Left fencer's red card")),
    Picture("imgLightA", {32, 104, 40, 60}, Shows::Lamp, Side::Left,
            QT_TRANSLATE_NOOP("Layout", "Left fencer's lamp"),
            QT_TRANSLATE_NOOP("Layout", "Lights when the left fencer hits")),
    Picture("imgLightB", {440, 104, 40, 60}, Shows::Lamp, Side::Right,
            QT_TRANSLATE_NOOP("Layout", "Right fencer's lamp"),
            QT_TRANSLATE_NOOP("Layout", "Lights when the right fencer hits")),
    [] {
        ControlEntry e{"imgPiste", ControlKind::Piste, {25, 165, 450, 20}};
        e.spoken = QT_TRANSLATE_NOOP("Layout", "Piste");
        return e;
    }(),
    Picture("imgFencerB", {244, 88, 150, 100}, Shows::Fencer, Side::Right,
            QT_TRANSLATE_NOOP("Layout", "Right fencer")),
    Picture("imgFencerA", {106, 88, 150, 100}, Shows::Fencer, Side::Left,
            QT_TRANSLATE_NOOP("Layout", "Left fencer")),
    // Nameless on purpose: a QLabel without an accessible name is read by its text and
    // announces every new text as a name change, so each call is spoken.
    [] {
        ControlEntry e = Caption("lblEngarde", QT_TRANSLATE_NOOP("Layout", "Engarde"),
                                 {0, 24, 489, 57}, Shows::Call, Side::Left, true, Align::Centre);
        e.description = QT_TRANSLATE_NOOP("Layout", "Referee's call");
        return e;
    }(),
    Caption("LabelYou", QT_TRANSLATE_NOOP("Layout", "Right"), {51, 232}),
    Caption("LabelOpponent", QT_TRANSLATE_NOOP("Layout", "Left"), {51, 208}),
    ReadAs(Caption("lblScore0", "0", {107, 208}, Shows::Score, Side::Left),
           QT_TRANSLATE_NOOP("Layout", "Left fencer's score"), Readout::Number),
    ReadAs(Caption("lblScore1", "0", {107, 232}, Shows::Score, Side::Right),
           QT_TRANSLATE_NOOP("Layout", "Right fencer's score"), Readout::Number),
    // Wide enough for "9:00"; the right edge stays where the clock always stood.
    ReadAs(Caption("lblTime", "3:00", {438, 0, 50, 24}, Shows::Clock, Side::Left, false,
                   Align::TopRight),
           QT_TRANSLATE_NOOP("Layout", "Time left"), Readout::Text),
    Card("shpYellow0", 8, 208, Shows::YellowCard, Side::Left,
         QT_TRANSLATE_NOOP("Layout", "Left fencer's yellow card")),
    Card("shpYellow1", 8, 232, Shows::YellowCard, Side::Right,
         QT_TRANSLATE_NOOP("Layout", "Right fencer's yellow card")),
    Card("shpRed1", 24, 232, Shows::RedCard, Side::Right,
         QT_TRANSLATE_NOOP("Layout", "Right fencer's red card")),
    RedCount("lblRedCount0", 210, Side::Left,
             QT_TRANSLATE_NOOP("Layout", "Left fencer's red cards")),
    RedCount("lblRedCount1", 234, Side::Right,
             QT_TRANSLATE_NOOP("Layout", "Right fencer's red cards")),
    // Over the buttons, which a demonstration hides.
    Caption("lblStart", QT_TRANSLATE_NOOP("Layout", "Press F2 to Start"), {296, 224, 185, 25},
            Shows::StartPrompt, Side::Left, false, Align::Centre),
    // Between the scores and the buttons; nameless, like the call, so a reader says it.
    Caption("lblPaused", QT_TRANSLATE_NOOP("Layout", "Paused"), {140, 212, 150, 25}, Shows::Paused,
            Side::Left, false, Align::Centre),
    Command("cmdAdvance", QT_TRANSLATE_NOOP("Layout", "Advance"), 296, 208, FencerCommand::Advance),
    Command("cmdExtend", QT_TRANSLATE_NOOP("Layout", "Extend"), 360, 208, FencerCommand::Extend),
    Command("cmdLunge", QT_TRANSLATE_NOOP("Layout", "Lunge"), 424, 208, FencerCommand::Lunge),
    Command("cmdRetreat", QT_TRANSLATE_NOOP("Layout", "Retreat"), 296, 240, FencerCommand::Retreat),
    Command("cmdParry", QT_TRANSLATE_NOOP("Layout", "Parry"), 360, 240, FencerCommand::Parry),
    Command("cmdFleche", QT_TRANSLATE_NOOP("Layout", "Flèche"), 424, 240, FencerCommand::Fleche),
    // Above the client area: never seen, but it can hold the focus in keyboard control.
    [] {
        ControlEntry e{"txtKeyboard", ControlKind::EditBox, {8, -30, 33, 21}};
        e.spoken = QT_TRANSLATE_NOOP("Layout", "Fencing keys");
        e.description =
            QT_TRANSLATE_NOOP("Layout", "Type the fencers' keys here in keyboard control");
        return e;
    }(),
}};

constexpr const ControlEntry& Control(std::string_view name) {
    for (const ControlEntry& entry : kControls)
        if (entry.name == name) return entry;
    throw std::out_of_range("no control of that name in the layout");
}

} // namespace pistework::layout
