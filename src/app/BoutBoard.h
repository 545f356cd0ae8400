// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widgets of the main window that show the bout, found from the layout's Shows column,
// and how a new bout view is drawn on them: only what changed since the last view, each
// change logged under pistework.* for bug reports.

#include "app/Layout.h"
#include "game/BoutView.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace pistework::app {

class BoutBoard {
public:
    // Makes every control of the layout on `client`, back to front; a command button clicked
    // calls `onClick`.
    void Build(QWidget* client, std::function<void(game::FencerCommand)> onClick);
    // Each command button's tooltip names the right player's key for it.
    void ShowKeys(const std::u32string& rightKeys);
    // Everything on the first call; after that, what differs from the view drawn last.
    void Draw(const game::BoutView& view);

private:
    QWidget* NewControl(const layout::ControlEntry& entry);
    // Keeps the widget of a layout control if it shows a part of the bout.
    void Register(const layout::ControlEntry& entry, QWidget* widget);
    // A side's name by its score may be longer in the player's language than "Right": the
    // scores then move right together, a space after the longest name, rather than under it.
    void PlaceScores();

    QWidget* client = nullptr;
    std::function<void(game::FencerCommand)> clicked;
    game::PerSide<QLabel*> fencers{}, lamps{}, scores{}, redCounts{};
    game::PerSide<QWidget*> yellowCards{}, redCards{};
    QLabel* call = nullptr;
    QLabel* clock = nullptr;
    QLabel* startPrompt = nullptr;
    QLabel* paused = nullptr;
    std::vector<QPushButton*> commands;
    QLineEdit* keys = nullptr; // holds the focus in keyboard control
    std::optional<game::BoutView> drawn;
};

} // namespace pistework::app
