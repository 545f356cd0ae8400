// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bouts the player has kept, newest first: when each ended, against whom, the player's
// side, the score, its length and how it ended. Beside them the record against each level and,
// when its library loads, a chart of that record over time. A bout chosen is watched in the
// window, saved as a replay, or deleted after the player says so.

#include "common/RecordChart.h"
#include "game/player/KeptBouts.h"
#include "platform/Platform.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QTreeWidget;
class QTableWidget;
class QPushButton;

namespace pistework::dialogs {

class BoutsDialog : public QDialog {
    Q_OBJECT
public:
    struct Actions {
        // Asks where, and saves the replay there.
        std::function<void(std::span<const std::uint8_t> replay)> save;
        // Tells the player something plainly.
        std::function<void(const QString& text)> warn;
    };
    // `chart` is null when its library could not be loaded; the dialog then says so.
    BoutsDialog(QWidget* owner, platform::BoutStore& store, Actions actions, MakeRecordChart chart);
    // The replay the player chose to watch, once the dialog has closed.
    const std::optional<std::vector<std::uint8_t>>& ToWatch() const { return toWatch; }

private:
    struct Row {
        std::string name;
        std::optional<game::KeptBout> about; // none for a damaged file
    };
    void Fill();
    void ShowRecord();
    void ShowChosen();
    // The chosen bout's replay, read afresh; none, said plainly, when it has gone.
    std::optional<std::vector<std::uint8_t>> ChosenReplay();
    void Delete();

    platform::BoutStore& store;
    Actions actions;
    MakeRecordChart makeChart;
    std::vector<Row> rows; // newest first, as listed
    QTreeWidget* list = nullptr;
    QTableWidget* record = nullptr;
    QWidget* chart = nullptr;
    QPushButton *watch = nullptr, *save = nullptr, *remove = nullptr;
    std::optional<std::vector<std::uint8_t>> toWatch;
};

} // namespace pistework::dialogs
