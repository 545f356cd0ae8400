// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds the real window's widgets by their object names and plays a bout on it through its own
// timers, so every step the game takes is drawn as the player would see it.

#include "app/MainWindow.h"
#include "game/GameProbe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QKeySequence>
#include <QSettings>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string_view>

namespace drive {

using pistework::app::MainWindow;
using pistework::game::Side;

inline QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The file the window keeps its options and best results in.
inline QSettings Settings() {
    return QSettings(QStringLiteral("Brackenmoor Fencing Association"),
                     QStringLiteral("Pistework"));
}

// A child of the window by object name; a missing one fails the test.
template <typename W = QWidget> W* Named(QObject& window, std::string_view name) {
    auto* found = window.findChild<W*>(Text(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// A key typed on `target`, pressed and let go.
inline void Press(QWidget* target, const QString& text, Qt::KeyboardModifiers modifiers = {}) {
    ASSERT_NE(target, nullptr);
    const int key = text == " " ? Qt::Key_Space : QKeySequence(text.toUpper())[0].key();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(target, &release);
}

// Ticks of one of the bout's timers, as it would give them.
inline void Tick(MainWindow& window, const char* timer, int times = 1) {
    for (int i = 0; i < times; ++i)
        pistework::game::GameProbe(window.Game()).RunTimer(timer);
}

// A hit, ruled by the referee's own calls: "Halt", the call, the ruling.
inline void Hit(MainWindow& window, Side hitter, int hits = 1) {
    for (int i = 0; i < hits; ++i) {
        pistework::game::GameProbe(window.Game()).President().CallHit(hitter);
        Tick(window, "TimerPresident", 3);
    }
}

// Runs the window until `done`, or for `ms` at most; whether it is done.
inline bool WaitUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

} // namespace drive
