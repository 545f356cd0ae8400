// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Practising on the main piste, the player's game held meanwhile: a lesson of the fencing
// school, or a replay's bout taken over where it stood. A strip under the board says what to
// do and what went wrong; Esc leaves, F3 pauses, D shows the distance, and once a lesson is
// passed Enter begins the next.

#include "app/DistanceOverlay.h"
#include "app/modes/WindowMode.h"
#include "game/school/Practice.h"

#include <QString>

#include <memory>
#include <optional>

class QLabel;
class QWidget;

namespace pistework::app {

// A hint of the school in the player's language, with the steps it speaks of.
QString HintText(game::school::Hint hint, int steps);

class PractisingMode : public WindowMode {
public:
    // The lesson at `index` of the school's list.
    PractisingMode(MainWindow& window, int index);
    // A bout handed over where it stands.
    PractisingMode(MainWindow& window, const game::Bout& from);
    ~PractisingMode() override;

    layout::Mode Kind() const override { return layout::Mode::Practising; }
    Outcome Key(const QKeyEvent& key) override;
    Outcome Choose(layout::MenuCommand command) override;
    void Fence(game::CommandSource source, game::Side side, game::FencerCommand command) override;
    void FocusLost() override;
    bool ShowsGame() const override { return false; }
    void Redraw() override;
    QString Title() const override;

private:
    PractisingMode(MainWindow& window, std::optional<int> index,
                   std::unique_ptr<game::school::Practice> practice);
    void BuildStrip();
    void Judged(const game::school::Progress& progress);
    QString KeysText() const;

    game::PlayHold hold;
    std::optional<int> lesson;
    std::unique_ptr<game::school::Practice> practice;
    std::unique_ptr<QWidget> strip;
    QLabel* task = nullptr;
    QLabel* hint = nullptr;
    QLabel* reach = nullptr;
    DistanceChoice distance{window};
    bool passed = false;
    int attemptLogged = 0;
};

} // namespace pistework::app
