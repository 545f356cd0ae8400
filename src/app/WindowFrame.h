// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the main window holds the board: in the window at its own fixed size, under the menu
// and over a replay's strip, or alone in full screen on a stage.

#include <QPointer>

class QMainWindow;
class QWidget;

namespace pistework::app {

class Stage;

inline constexpr int kClientWidth = 498;
inline constexpr int kClientHeight = 270;

class WindowFrame {
public:
    explicit WindowFrame(QMainWindow& window) : window(window) {}

    bool FullScreen() const { return stage != nullptr; }
    // The whole board scaled by the largest whole factor the screen holds, or back in the
    // window at its own size.
    void SetFullScreen(bool on);
    // Only in the window: full screen shows the board alone, and the replay's keys still work it.
    void ShowStrip(QWidget* shown);
    void DropStrip(const QWidget* gone);
    // The window's fixed size: the board, the menu and a replay's strip.
    void Fit();
    // In the middle of its screen, the first time the window shows.
    void CentreOnce();

private:
    void Centre();

    QMainWindow& window;
    Stage* stage = nullptr;  // shows the board in full screen; none in the window
    QPointer<QWidget> strip; // under the board while a replay is watched
    bool centred = false;
};

} // namespace pistework::app
