// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game pads, for the window: watches /dev/input for a pad to appear, loads the pad
// library then (and only then), polls it at the fencers' tick rate while a pad is attached,
// and hands each command to the fencer the pad drives. With no pad it costs nothing.

#include "app/PadReader.h"
#include "game/piste/Fencer.h"
#include "game/piste/Side.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

namespace pistework::app {

class PadInput : public QObject {
public:
    using Drive = std::function<void(game::Side, game::FencerCommand)>;
    // `twoPlayers` says whether a second pad drives the left fencer now.
    PadInput(QObject* parent, std::function<bool()> twoPlayers, Drive drive);
    ~PadInput() override;

    // Loads the pad library if it is not yet, and looks for pads a little while.
    void Wake();
    // One look at the pads; the timer calls it while any is attached.
    void Poll();
    bool Loaded() const { return reader != nullptr; }
    bool Polling() const { return timer.isActive(); }
    std::size_t Attached() const;

private:
    void Watch();

    std::function<bool()> twoPlayers;
    Drive drive;
    QFileSystemWatcher watcher;
    QTimer timer;
    std::unique_ptr<PadReader> reader;
    // Ticks left to wait for a pad that has just appeared in /dev/input to reach SDL.
    int settling = 0;
};

// Whether /dev/input (or the folder given) holds a joystick already.
bool HasJoystick(const QString& input = QStringLiteral("/dev/input"));

} // namespace pistework::app
