#pragma once
// Asks the winner's name when a win beats the stored best result at a graded level, and
// stores the new record when OK is pressed.

#include "game/BestResults.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pistework::dialogs {

class TFormVictory : public QDialog {
    Q_OBJECT
public:
    TFormVictory(QWidget* owner, platform::Registry& registry);

    // True when the player's win (hitsB against the opponent's hitsA) at this level is at
    // least as good as the stored one; it is then remembered for OK.
    bool IsNewBest(int level, int hitsA, int hitsB);
    // Prepares the captions and offers the previous holder's name for editing.
    void ShowLevel(int level);
    void cmdOKClick();

    std::array<int, game::kLevelCount + 1> bestHitsA{};
    std::array<int, game::kLevelCount + 1> bestHitsB{};
    int recordLevel = 0;
    int newHitsA = 0;
    int newHitsB = 0;

private:
    void LoadBestResults();

    platform::Registry& registry;
    QLabel* LabelLevel;
    QLineEdit* txtName;
    QPushButton* cmdOK;
};

} // namespace pistework::dialogs
