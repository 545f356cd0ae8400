// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a replay's watcher works it with, under the board: play and pause, the speeds, a
// timeline of the whole bout with a mark at each ruling, the time, a plain "Replay" sign, the
// gap between the fencers, the referee's reason for the ruling on show and a chart of the gap
// over the bout. It is built only while a replay is watched; the board then also shows the
// distance between the blade tips, when asked.

#include "game/replay/Replay.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace pistework::app {

// A ruling of the replay: when its phrase was halted and when it was given.
struct ReplayRuling {
    std::int64_t haltMs = 0;
    std::int64_t ruledMs = 0;
    std::int64_t overMs = 0; // the next "Engarde", or the end
    game::Ruling ruling;
};
std::vector<ReplayRuling> RulingsOf(const game::Replay& replay);

// The referee's reason in one plain sentence of the player's language.
QString ReasonSentence(const game::Ruling& ruling);

class ReplayStrip : public QWidget {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> togglePause;
        std::function<void(int quarters)> setSpeed;
        std::function<void(std::int64_t ms)> seek;
    };
    ReplayStrip(QWidget* parent, const game::Replay& replay, Actions actions);

    // The moment shown, the picture on show there, and how the player plays.
    void Show(std::int64_t ms, const game::ReplayPicture& picture, bool paused, int speed,
              bool ended);
    void ToggleChart();
    const std::vector<ReplayRuling>& Rulings() const { return rulings; }

    static constexpr int kHeight = 132;

private:
    std::vector<ReplayRuling> rulings;
    std::int64_t length = 0;
    QPushButton* play = nullptr;
    std::vector<QPushButton*> speeds;
    QLabel* time = nullptr;
    QLabel* gap = nullptr;
    QLabel* reason = nullptr;
    QWidget* timeline = nullptr;
    QWidget* chart = nullptr;
    QStackedWidget* lower = nullptr;
    bool chartAsked = false;
    bool chartShown = false;
};

// Over the board: a thin line between the blade tips with the gap in pixels, or, in a lunge or
// flèche, from the point to the other's target with how far it still is.
class DistanceOverlay : public QWidget {
public:
    explicit DistanceOverlay(QWidget* board);
    void Show(const game::ReplayPicture& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<game::ReplayPicture> shown;
};

} // namespace pistework::app
