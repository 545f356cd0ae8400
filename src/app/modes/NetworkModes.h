// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two sides of a network bout in the window. Hosting keeps the door open while its dialog
// waits, then fences the right fencer as in a bout at home while the guest fences the left one
// from its own machine. Joining knocks with the code, then draws what the host sends while its
// own game is held, and sends its player's commands. Either ends by leaving, or when the
// other side leaves or falls silent; the window then returns to playing.

#include "app/modes/WindowMode.h"
#include "common/NetService.h"
#include "game/network/NetworkBout.h"
#include "game/network/NetworkDoor.h"

#include <QPointer>

#include <memory>

namespace pistework::dialogs {
class HostDialog;
class JoinDialog;
} // namespace pistework::dialogs

namespace pistework::app {

class HostingMode : public PlayingMode {
public:
    HostingMode(MainWindow& window, int code);
    // A bout under way ends, the guest told plainly; guests still at the door are turned away.
    ~HostingMode() override;
    // Shows the host's dialog, listening on `port`, until a guest with the code joins; false
    // when it closed first.
    bool Wait(NetService& network, quint16 port);

    layout::Mode Kind() const override { return layout::Mode::Hosting; }
    Outcome Choose(layout::MenuCommand command) override;
    void GameShown(const game::BoutView& view) override { door.SendView(view); }
    void GameEvent(const game::BoutEvent& event) override { door.SendEvent(event); }
    QString Title() const override;
    bool InNetworkBout() const override { return door.Begun() && !door.Link()->Ended(); }

private:
    void Ended(game::NetworkEnding why, bool begun);

    int code;
    game::NetworkDoor door;
    QPointer<dialogs::HostDialog> dialog;
    QString peer;
};

class JoiningMode : public WindowMode {
public:
    explicit JoiningMode(MainWindow& window);
    // A bout under way ends, the host told plainly.
    ~JoiningMode() override;
    // Shows the join dialog at `address` with `code`, connecting at once with `now`, until the
    // host welcomes this player; false when it closed first.
    bool Wait(NetService& network, const QString& address, int code, bool now);

    layout::Mode Kind() const override { return layout::Mode::Joining; }
    // The player's own fencer is the right one, from the keys, the buttons or the first pad.
    Outcome Key(const QKeyEvent& key) override;
    Outcome Choose(layout::MenuCommand command) override;
    void Fence(game::CommandSource source, game::Side side, game::FencerCommand command) override;
    bool ShowsGame() const override { return !Fencing(); }
    void Redraw() override;
    QString Title() const override;
    bool InNetworkBout() const override { return Fencing(); }

private:
    bool Fencing() const { return guest && guest->Begun() && !guest->Link().Ended(); }
    // The join dialog made a connection for `code`: the guest says hello on it.
    void Connected(std::unique_ptr<NetConnection> made, int code);
    void Send(game::FencerCommand command);

    std::unique_ptr<NetConnection> connection;
    std::unique_ptr<game::NetworkGuest> guest;
    QPointer<dialogs::JoinDialog> dialog;
    game::net::Picture shown;
    QString peer;
};

} // namespace pistework::app
