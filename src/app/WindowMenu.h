// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's menus, built from the menu table: each item's marks drawn from the
// options the game publishes, each change of a mark logged, and each item enabled where the
// menu's rules allow it.

#include "common/MenuRules.h"
#include "game/BoutView.h"

#include <functional>
#include <map>
#include <optional>
#include <utility>

class QAction;
class QMenuBar;
class QObject;

namespace pistework::app {

class WindowMenu {
public:
    // Builds the menus on `bar`; an item chosen calls `choose`.
    WindowMenu(QMenuBar* bar, QObject* owner, std::function<void(layout::MenuCommand)> choose);
    // The marks as `menu` has them, when it differs from the one drawn last.
    void Draw(const game::MenuView& menu);
    // Every mark again, also after Qt has toggled one on its own.
    void Redraw(const game::MenuView& menu);
    // Only the items `mode` allows; "Save Replay" and "Watch Last Bout" only with a bout kept.
    void Allow(layout::Mode mode, bool replayKept);
    void Check(layout::MenuCommand command, bool on);

private:
    std::map<layout::MenuCommand, QAction*> actions;
    std::map<QAction*, bool> loggedMarks;
    std::optional<game::MenuView> drawn;
    std::optional<std::pair<layout::Mode, bool>> allowed;
};

} // namespace pistework::app
