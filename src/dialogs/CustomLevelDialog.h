// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The custom level: two bars, Speed and Reaction Time, that set the computer's strength.

#include "game/bout/Levels.h"

#include <QDialog>

#include <optional>

class QScrollBar;

namespace pistework::dialogs {

class CustomLevelDialog : public QDialog {
    Q_OBJECT
public:
    explicit CustomLevelDialog(QWidget* owner);

    // A position outside the bar's ends is held at the nearer one.
    void SetPositions(game::CustomPositions positions);
    game::CustomPositions Positions() const;

private:
    QScrollBar* scrSpeed;
    QScrollBar* scrReaction;
};

// Opens a fresh dialog at the strength in play; the strength chosen on OK, none otherwise.
std::optional<game::Strength> AskCustomStrength(QWidget* owner, const game::Strength& inPlay);

} // namespace pistework::dialogs
