// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The read-only table of the six stored best results, one row per graded level.

#include "game/player/BestResults.h"

#include <QDialog>

namespace pistework::dialogs {

class BestResultsDialog : public QDialog {
    Q_OBJECT
public:
    BestResultsDialog(QWidget* owner, const game::BestResultTable& results);
};

// The graded level numbered 1 to 6, by its name in the player's language.
QString LevelName(int number);

// Opens a fresh table modally; play goes on behind it.
void ShowBestResults(QWidget* owner, const game::BestResultTable& results);

} // namespace pistework::dialogs
