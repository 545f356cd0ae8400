// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a replay's watcher works it with, under the board: play and pause, the speeds, a
// timeline of the whole bout with a mark at each ruling, the time, a plain "Replay" sign, the
// gap between the fencers, the referee's reason for the ruling on show and a chart of the gap
// over the bout. It is built only while a replay is watched.

#include "app/RulingSentence.h"
#include "game/replay/Replay.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;

namespace pistework::app {

class ReplayStrip : public QWidget {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> togglePause;
        std::function<void(int quarters)> setSpeed;
        std::function<void(std::int64_t ms)> seek;
        // The bout handed to the player from the moment shown, as T does.
        std::function<void()> takeOver;
    };
    ReplayStrip(QWidget* parent, const game::Replay& replay, Actions actions);

    // The moment shown, the picture on show there, and how the player plays.
    void Show(std::int64_t ms, const game::ReplayPicture& picture, bool paused, int speed,
              bool ended);
    void ToggleChart();
    const std::vector<ReplayRuling>& Rulings() const { return rulings; }

    static constexpr int kHeight = 160;

private:
    void Arrange();

    std::vector<ReplayRuling> rulings;
    std::int64_t length = 0;
    QPushButton* play = nullptr;
    std::vector<QPushButton*> speeds;
    QLabel* time = nullptr;
    QLabel* gap = nullptr;
    QLabel* reason = nullptr;
    QWidget* timeline = nullptr;
    QWidget* chart = nullptr;
    bool chartAsked = false;
    bool rulingSaid = false;
    bool chartShown = false;
};

} // namespace pistework::app
