// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A network bout in the window. Both players fence the same bout in their own games, each with
// the right player's keys, its buttons or its first pad, while their own games wait: the host
// the right fencer, the guest the left one. Hosting keeps the door open while its dialog
// waits; joining knocks with the code; watching knocks the same way and commands nothing.
// Either ends by leaving, or when the other side leaves or falls silent; the window then
// returns to playing.

#include "app/RouterPort.h"
#include "app/modes/WindowMode.h"
#include "common/NetService.h"
#include "game/network/NetworkBout.h"
#include "game/network/NetworkDoor.h"

#include <QPointer>

#include <memory>
#include <optional>

class QLabel;
class QWidget;

namespace pistework::dialogs {
class HostDialog;
class JoinDialog;
} // namespace pistework::dialogs

namespace pistework::app {

// What the strip under a network bout says, in the player's language.
QString NewsText(const game::BoutNews& news);

// What the two players' windows and a watcher's share: the shared bout drawn over the
// player's own menu and buttons, a strip under it saying whose fencer is the player's, who
// paused and who won, and the round trip in the title.
class NetworkMode : public WindowMode {
public:
    explicit NetworkMode(MainWindow& window);
    ~NetworkMode() override;
    Outcome Key(const QKeyEvent& key) override;
    void Fence(game::CommandSource source, game::Side side, game::FencerCommand command) override;
    bool ShowsGame() const override { return !InNetworkBout(); }
    void Redraw() override;
    QString Title() const override;
    bool Live() const override;
    bool OffersLastBout() const override { return !Live(); }

protected:
    // This player's end of the bout: none before it begins, or for a watcher.
    virtual game::NetworkFencing* Fencing() const = 0;
    // The bout on show, a player's or a watcher's.
    virtual game::ShownBout* Shown() const = 0;
    // The bout on show from now on.
    void Follow(game::ShownBout& bout, const QString& with, const char* side);
    // New Game leaves a bout under way and asks for another once it is over; F3 pauses or
    // resumes the bout for both players; the last bout may be saved or watched once over.
    Outcome ChooseInBout(layout::MenuCommand command);
    virtual void LeaveBout() = 0;
    virtual void Offer() = 0;
    void LogEnd(game::NetworkEnding why, const game::NetworkLink* link);

    QString peer;

private:
    void Give(game::FencerCommand command);

    std::optional<game::BoutView> shown;
    std::unique_ptr<QWidget> strip;
    QLabel* news = nullptr;
};

class HostingMode : public NetworkMode {
public:
    // `guesses` counts wrong codes across hostings and outlives this one.
    HostingMode(MainWindow& window, int code, game::GuessLedger& guesses);
    // A bout under way ends, the guest told plainly; guests still at the door are turned away.
    ~HostingMode() override;
    // Shows the host's dialog, listening on `port`, until a guest with the code joins; false
    // when it closed first.
    bool Wait(NetService& network, quint16 port);

    layout::Mode Kind() const override { return layout::Mode::Hosting; }
    Outcome Choose(layout::MenuCommand command) override { return ChooseInBout(command); }
    bool InNetworkBout() const override { return door.Begun() && !door.Link()->Ended(); }
    void StopWaiting() override;

private:
    game::NetworkFencing* Fencing() const override { return door.Fencing(); }
    game::ShownBout* Shown() const override {
        return door.Fencing() ? &door.Fencing()->Shown() : nullptr;
    }
    void LeaveBout() override { door.Leave(); }
    void Offer() override { door.Offer(); }
    void Ended(game::NetworkEnding why, bool begun);
    void RouterSaid(const game::gateway::Report& report);

    int code;
    game::NetworkDoor door;
    // Open through the bout, for watchers; gone before the door, so nobody arrives as it goes.
    std::unique_ptr<NetListener> listener;
    // The router asked to open the listener's port to the internet, while hosting lasts.
    std::unique_ptr<RouterPort> router;
    QPointer<dialogs::HostDialog> dialog;
};

// Where the player last joined or watched a bout from, in the window's settings.
inline constexpr std::string_view kAddressName = "NetworkAddress";

// A guest's window, or a watcher's.
class JoiningMode : public NetworkMode {
public:
    JoiningMode(MainWindow& window, bool watch);
    // A bout under way ends, the host told plainly.
    ~JoiningMode() override;
    // Shows the join dialog at `address` with `code`, connecting at once with `now`, until the
    // host welcomes this player; false when it closed first.
    bool Wait(NetService& network, const QString& address, int code, bool now);

    layout::Mode Kind() const override { return layout::Mode::Joining; }
    Outcome Choose(layout::MenuCommand command) override { return ChooseInBout(command); }
    bool InNetworkBout() const override;
    void StopWaiting() override;

private:
    game::NetworkFencing* Fencing() const override { return guest ? guest->Fencing() : nullptr; }
    game::ShownBout* Shown() const override;
    void LeaveBout() override;
    void Offer() override {
        if (guest) guest->Offer();
    }
    // The join dialog made a connection for `code`: the guest or watcher says hello on it.
    void Connected(std::unique_ptr<NetConnection> made, int code);
    void Ended(game::NetworkEnding why, bool begun, const game::NetworkLink& link);

    bool watch;
    std::unique_ptr<NetConnection> connection;
    std::unique_ptr<game::NetworkGuest> guest;
    std::unique_ptr<game::NetworkWatcher> watcher;
    QPointer<dialogs::JoinDialog> dialog;
};

} // namespace pistework::app
