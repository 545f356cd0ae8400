// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The home router asked to open the host's port to the internet, for as long as hosting lasts.
// The asking is done by a program of its own (pistework-gateway), started here and ended when
// this goes: what a router answers never reaches the game but as a few bounded lines, and a
// router that never answers costs a sentence after a few seconds.

#include "game/network/Gateway.h"

#include <QByteArray>
#include <QProcess>
#include <QTimer>

#include <QLoggingCategory>

#include <functional>

Q_DECLARE_LOGGING_CATEGORY(lcGateway)

namespace pistework::app {

class RouterPort {
public:
    using OnNews = std::function<void(const game::gateway::Report&)>;
    // How long a router has to open the port before the player is told none did; the helper
    // searches for a second and waits a second for a NAT-PMP answer.
    static constexpr int kGiveUpMs = 5000;
    // How long the helper has to give the mapping back when hosting ends.
    static constexpr int kGiveBackMs = 2000;

    // Starts `program` asking for `port` at once; `onNews` hears each line it says, and a failure
    // of its own when it cannot start, ends without a word or does not decide in time.
    RouterPort(const QString& program, quint16 port, OnNews onNews);
    // The mapping given back: the helper's input closes and it removes the mapping and ends.
    ~RouterPort();
    RouterPort(const RouterPort&) = delete;
    RouterPort& operator=(const RouterPort&) = delete;

    // Whether the helper has said the port is open or why not.
    bool Decided() const { return decided; }

private:
    void Read(bool telling);
    void Tell(const game::gateway::Report& report, bool telling);
    void Fail(game::gateway::Failure failure, const QString& why);

    QProcess helper;
    QTimer giveUp;
    QByteArray pending;
    OnNews onNews;
    bool decided = false;
    bool holding = false;
};

// The helper's path, beside the program's private libraries.
QString GatewayProgram();

} // namespace pistework::app
