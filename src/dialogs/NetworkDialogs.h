// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two doors of a network bout. The host's dialog listens while it is open, shows where a
// guest can find this machine and the pairing code, and hands each connection that comes in
// to the window, which greets it; the join dialog asks where the host is and the code, and
// connects. Each stays open, saying why, until a bout begins or the player cancels.

#include "common/NetService.h"
#include "game/network/Gateway.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace pistework::dialogs {

class HostDialog : public QDialog {
    Q_OBJECT
public:
    // Shows where `listener`, which hosting keeps open through the bout for watchers, listens
    // (on `port`), or why it could not.
    HostDialog(QWidget* owner, const NetService& network, const NetListener* listener, quint16 port,
               int code);
    // Why the last guest was turned away, or any other news; the dialog goes on listening.
    void Say(const QString& text);
    bool Listening() const { return listening; }
    // The router is being asked to open the port to the internet.
    QString Asking();
    // What the router did: the address friends join at, with a Copy button, or why there is
    // none. The text shown, or nothing when the news changes nothing a player needs to know.
    QString RouterSaid(const game::gateway::Report& report);
    // Calls `then` once the dialog has been painted the first time, so what it starts then
    // never delays the picture.
    void AfterFirstPaint(std::function<void()> then) { afterPaint = std::move(then); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> afterPaint;
    const bool listening;
    const int code;
    QLabel* internet;
    QPushButton* copy;
    QLabel* status;
};

class JoinDialog : public QDialog {
    Q_OBJECT
public:
    using OnJoin = std::function<void(std::unique_ptr<NetConnection>, int code)>;
    // `address` may carry a port ("host:40414"), which then stands over the port box; a
    // negative `code` is none (000 000 is a code). A watcher knocks the same way.
    JoinDialog(QWidget* owner, NetService& network, const QString& address, int code, bool watch,
               OnJoin join);
    // Why the host turned the guest away, or the connection failed: the player may try again.
    void Say(const QString& text);
    // Connects as if Join were pressed.
    void Join();
    // Where the player asked to join, as it may be given back to the dialog next time.
    QString Where() const;

private:
    NetService& network;
    OnJoin join;
    std::unique_ptr<NetConnection> connecting;
    QLineEdit* address;
    QSpinBox* port;
    QLineEdit* code;
    QPushButton* joinButton;
    QLabel* status;
};

// A fresh pairing code, any of 000 000 to 999 999.
int NewPairingCode();

} // namespace pistework::dialogs
