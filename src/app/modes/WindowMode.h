// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window is doing: playing its own game, watching a replay, hosting or joining a
// network bout. A mode owns everything it makes (objects, timers, connections) and routes the
// player's input; the menu's rules say which items it allows. The window keeps exactly one,
// and leaving a mode destroys it, so nothing it made outlives it.

#include "app/DistanceOverlay.h"
#include "common/MenuRules.h"
#include "game/Game.h"

#include <QString>

class QKeyEvent;

namespace pistework::app {

class MainWindow;

class WindowMode {
public:
    // What became of a key or a menu item handed to the mode.
    enum class Outcome {
        Passed, // not the mode's: the game's or the window's
        Taken,
        Leave, // back to playing, once the mode has returned
    };

    explicit WindowMode(MainWindow& window) : window(window) {}
    virtual ~WindowMode() = default;
    WindowMode(const WindowMode&) = delete;
    WindowMode& operator=(const WindowMode&) = delete;

    virtual layout::Mode Kind() const = 0;
    // A key pressed anywhere in the window, before the window's own keys.
    virtual Outcome Key(const QKeyEvent& key) = 0;
    // An item the menu's rules allow in this mode.
    virtual Outcome Choose(layout::MenuCommand) { return Outcome::Passed; }
    // A fencer's command from a command button or a game pad.
    virtual void Fence(game::CommandSource source, game::Side side,
                       game::FencerCommand command) = 0;
    // The player has gone to another program.
    virtual void FocusLost() {}
    // Whether the piste shows the game's own views; otherwise it shows what Redraw draws.
    virtual bool ShowsGame() const { return true; }
    // The game's view was just drawn on the piste.
    virtual void Drew(const game::BoutView&) {}
    virtual void Redraw() {}
    virtual QString Title() const;
    // From the welcome to the end of a network bout, on either side.
    virtual bool InNetworkBout() const { return false; }
    // A bout with another player that leaving now would cut short: the player is asked first.
    virtual bool Live() const { return false; }
    // Whether the last bout kept may be saved or watched from here.
    virtual bool OffersLastBout() const { return true; }
    // The window is closing while the mode waits in its dialog: the dialog closes, and the
    // mode ends once it has returned.
    virtual void StopWaiting() {}

protected:
    MainWindow& window;
};

// The player's own game: bouts against the computer or a friend, and demonstrations.
class PlayingMode : public WindowMode {
public:
    using WindowMode::WindowMode;
    layout::Mode Kind() const override { return layout::Mode::Playing; }
    // In keyboard control every plain typed character goes to the game, whichever widget has
    // the focus; in mouse control the keys are the focused widget's: Space presses a button.
    Outcome Key(const QKeyEvent& key) override;
    // Show Distance, off unless chosen, draws the gap over the player's own bouts too.
    Outcome Choose(layout::MenuCommand command) override;
    void Fence(game::CommandSource source, game::Side side, game::FencerCommand command) override;
    void FocusLost() override;
    void Drew(const game::BoutView& view) override;

private:
    DistanceChoice distance{window};
};

// The characters of a key press the players type commands with: none with Ctrl or Alt held,
// or in mouse control.
std::u32string FencersKeys(const QKeyEvent& key, const game::Game& game);

} // namespace pistework::app
