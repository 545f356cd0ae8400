// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Over the board while a replay is watched: a thin line between the blade tips with the gap in
// steps, or, in a lunge or flèche, from the point to the other's target with how far it still
// is, as the hit test measures a point.

#include "game/replay/ViewCodec.h"

#include <QWidget>

#include <memory>
#include <optional>

namespace pistework::app {

// What the label says of a point `pointPast` pixels past the front of the target (short below
// 0): short, on target or past, as the hit test measures a point, in steps either way.
QString PointLabel(int pointPast);
// The blade tips have passed each other; level, they have not yet crossed.
bool Crossed(int gap);
// What is said of the gap between the blade tips: how many steps apart, or that the blades
// have crossed, as a length below zero means nothing to a player.
QString TipsLabel(int gap);

class DistanceOverlay : public QWidget {
public:
    explicit DistanceOverlay(QWidget* board);
    void Show(const game::ReplayPicture& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<game::ReplayPicture> shown;
};

class MainWindow;

// Show Distance as a mode offers it: the overlay over the board while chosen, with the menu's
// mark to match, and the mark cleared when the mode goes.
class DistanceChoice {
public:
    explicit DistanceChoice(MainWindow& window) : window(window) {}
    ~DistanceChoice();
    DistanceChoice(const DistanceChoice&) = delete;
    DistanceChoice& operator=(const DistanceChoice&) = delete;

    void Set(bool on);
    void Toggle() { Set(!On()); }
    bool On() const { return overlay != nullptr; }
    // Draws the distance of `picture`, while chosen.
    void Show(const game::ReplayPicture& picture);

private:
    MainWindow& window;
    std::unique_ptr<DistanceOverlay> overlay;
};

} // namespace pistework::app
