// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modes/NetworkModes.h"

#include "app/MainWindow.h"
#include "common/CallTexts.h"
#include "dialogs/NetworkDialogs.h"

#include <QKeyEvent>

#include <chrono>

namespace pistework::app {

namespace {

constexpr const char* kInputNames[] = {"Advance", "Extend", "Lunge", "Retreat",
                                       "Parry",   "Fleche", "Pause", "Resume"};

const char* InputName(game::Input input) {
    return kInputNames[static_cast<std::size_t>(input)];
}

// Wall-clock milliseconds to the microsecond, so two programs' logs can be laid side by side.
QString Stamp() {
    using namespace std::chrono;
    const auto now = duration<double, std::milli>(system_clock::now().time_since_epoch());
    return QString::number(now.count(), 'f', 3);
}

QString Said(game::NetworkEnding why) {
    return TranslatedNetworkEnding(why).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace

WindowMode::Outcome NetworkMode::Key(const QKeyEvent& key) {
    const std::u32string typed = FencersKeys(key, window.Game());
    for (char32_t ch : typed)
        for (const auto& [side, command] : game::KeyCommands(window.Game().Options(), ch))
            if (side == game::Side::Right) Give(command);
    return typed.empty() ? Outcome::Passed : Outcome::Taken;
}

void NetworkMode::Fence(game::CommandSource source, game::Side side, game::FencerCommand command) {
    // A player's first pad drives its own fencer, as in a bout at home.
    if (source == game::CommandSource::Buttons || side == game::Side::Right) Give(command);
}

void NetworkMode::Give(game::FencerCommand command) {
    game::NetworkFencing* fencing = Fencing();
    if (!fencing || !InNetworkBout()) return;
    fencing->Give(game::InputOf(command));
    // How long the player's own fencer has to its next tick, which takes the command up: what
    // the delay until it moves owes to the phase of its steps, not to the network.
    const game::SharedBout& bout = fencing->Bout();
    const auto tick = bout.NextTickOf(fencing->Own());
    qCDebug(lcNetwork).noquote() << "network send" << InputName(game::InputOf(command)) << Stamp()
                                 << "next tick in" << (tick ? *tick - bout.Now() : -1);
}

WindowMode::Outcome NetworkMode::ChooseInBout(layout::MenuCommand command) {
    if (!InNetworkBout()) return Outcome::Passed;
    if (command == layout::MenuCommand::NewGame) {
        LeaveBout();
        return Outcome::Taken;
    }
    if (command != layout::MenuCommand::PauseOrResume) return Outcome::Passed;
    if (game::NetworkFencing* fencing = Fencing()) fencing->PauseOrResume();
    return Outcome::Taken;
}

void NetworkMode::Follow(game::ShownBout& bout, const QString& with, const char* side) {
    peer = with;
    qCDebug(lcNetwork).noquote() << "network bout begun with" << peer << side;
    bout.SetOnShow([this](const game::BoutView& view) {
        shown = view;
        Redraw();
    });
    window.ShowMode();
}

void NetworkMode::Redraw() {
    if (!InNetworkBout() || !shown) return;
    const game::BoutView& own = window.Game().View();
    game::BoutView view = *shown;
    view.menu = own.menu;
    view.menu.paused = shown->menu.paused;
    view.startPrompt = false;
    view.networkEnded.reset();
    // A player fences with its own buttons, if it fences with the mouse at home.
    view.commandButtons = Fencing() && own.menu.control == game::ControlMode::Mouse;
    window.DrawBoard(view);
    if (const QString title = Title(); window.windowTitle() != title) window.setWindowTitle(title);
}

QString NetworkMode::Title() const {
    if (!InNetworkBout()) return WindowMode::Title();
    const game::NetworkFencing* fencing = Fencing();
    if (!fencing)
        return MainWindow::tr("B.K.S. Pistework: watching a network bout at %1").arg(peer);
    if (!fencing->RoundTripMs())
        return MainWindow::tr("B.K.S. Pistework: network bout with %1").arg(peer);
    return MainWindow::tr("B.K.S. Pistework: network bout with %1, round trip %2 ms")
        .arg(peer)
        .arg(*fencing->RoundTripMs());
}

void NetworkMode::LogEnd(game::NetworkEnding why, const game::NetworkLink* link) {
    qCDebug(lcNetwork).noquote() << "network bout ended:" << static_cast<int>(why)
                                 << QString::fromStdString(NetworkEndingText(why))
                                        .replace(QLatin1Char('\n'), QLatin1Char(' '))
                                 << "bytes sent" << (link ? link->BytesSent() : 0) << "received"
                                 << (link ? link->BytesReceived() : 0);
    const game::NetworkFencing* fencing = Fencing();
    if (!fencing) return;
    const game::SharedBout& bout = fencing->Bout();
    qCDebug(lcNetwork).noquote() << "network rollbacks" << bout.Rollbacks() << "corrections"
                                 << bout.Corrections() << "taken back" << bout.TakenBack()
                                 << "longest" << bout.LongestRollbackNs() / 1e6 << "ms";
    // Both players' inputs as this game had them, for a report of the two games disagreeing.
    if (why != game::NetworkEnding::Disagreed) return;
    QStringList inputs;
    for (const game::StampedInput& input : bout.Inputs())
        inputs << QStringLiteral("%1:%2:%3")
                      .arg(input.ms)
                      .arg(input.side == game::Side::Left ? 'L' : 'R')
                      .arg(QLatin1String(InputName(input.input)));
    qCDebug(lcNetwork).noquote() << "network inputs" << inputs.join(QLatin1Char(' '));
}

HostingMode::HostingMode(MainWindow& window, int code, game::GuessLedger& guesses)
    : NetworkMode(window), code(code),
      door({window.Game(), window.Timers(), window.Clock(), window.Sound()}, code, guesses) {
    door.SetOnBegin([this] {
        // The door is handed only the network library's connections.
        const auto* joined = dynamic_cast<const NetConnection*>(door.Connection());
        Follow(door.Fencing()->Shown(), joined ? joined->PeerAddress() : QString(), "as host");
        if (dialog) dialog->accept();
    });
    door.SetOnEnd([this](game::NetworkEnding why, bool begun) { Ended(why, begun); });
    door.SetOnWatcher([this](bool came, game::NetworkEnding why) {
        if (came)
            qCDebug(lcNetwork).noquote() << "network watcher came; watching" << door.Watchers();
        else
            qCDebug(lcNetwork).noquote() << "network watcher left:" << Said(why);
    });
}

HostingMode::~HostingMode() {
    door.Leave();
}

bool HostingMode::Wait(NetService& network, quint16 port) {
    listener = network.Listen(port, [this](std::unique_ptr<NetConnection> arrived) {
        const QString address = arrived->PeerAddress();
        qCDebug(lcNetwork).noquote() << "network guest at" << address;
        door.Arrive(std::move(arrived), address.toStdString());
    });
    window.Game().WhileHeld([&] {
        dialogs::HostDialog waiting(&window, network, listener.get(), port, code);
        dialog = &waiting;
        if (waiting.Listening())
            qCDebug(lcNetwork).noquote() << "network hosting on port" << port << "code"
                                         << QString::fromStdString(game::net::ShowCode(code));
        waiting.exec();
    });
    return door.Begun();
}

void HostingMode::StopWaiting() {
    if (dialog) dialog->reject();
}

void HostingMode::Ended(game::NetworkEnding why, bool begun) {
    // At the host, only the bout's own link; a connection turned away at the door has another.
    LogEnd(why, begun ? door.Link() : nullptr);
    // Guests sent away because another got in first, or to make room, are the door's own
    // doing, not news; the door stays open for the next guest until a bout begins.
    if (!begun) {
        if (!dialog || why == game::NetworkEnding::Busy || why == game::NetworkEnding::Left) return;
        // The guest's own sentence speaks to the guest; the host learns that guessing goes on.
        if (why == game::NetworkEnding::TooManyTries)
            dialog->Say(MainWindow::tr("A player could not join: too many wrong codes were tried "
                                       "of late, so its code was not looked at."));
        else // the ending is a caption, said here as a sentence of its own
            dialog->Say(MainWindow::tr("A player could not join. %1.").arg(Said(why)));
        return;
    }
    window.ReturnToPlaying(this);
}

JoiningMode::JoiningMode(MainWindow& window, bool watch) : NetworkMode(window), watch(watch) {}

JoiningMode::~JoiningMode() {
    LeaveBout();
}

void JoiningMode::LeaveBout() {
    if (guest) guest->Leave();
    if (watcher) watcher->Leave();
}

bool JoiningMode::InNetworkBout() const {
    if (guest) return guest->Begun() && !guest->Link().Ended();
    return watcher && watcher->Begun() && !watcher->Link().Ended();
}

bool JoiningMode::Wait(NetService& network, const QString& address, int code, bool now) {
    window.Game().WhileHeld([&] {
        dialogs::JoinDialog knocking(&window, network, address, code, watch,
                                     [this](std::unique_ptr<NetConnection> made, int given) {
                                         Connected(std::move(made), given);
                                     });
        dialog = &knocking;
        if (now) knocking.Join();
        knocking.exec();
    });
    return (guest && guest->Begun()) || (watcher && watcher->Begun());
}

void JoiningMode::StopWaiting() {
    if (dialog) dialog->reject();
}

void JoiningMode::Connected(std::unique_ptr<NetConnection> made, int code) {
    // A connection refused before is let go first: its link is the one that points at its
    // connection.
    guest.reset();
    watcher.reset();
    connection = std::move(made);
    const game::NetworkPlace place{window.Game(), window.Timers(), window.Clock(), window.Sound()};
    auto begun = [this](game::ShownBout& bout) {
        Follow(bout, connection->PeerAddress(), watch ? "as watcher" : "as guest");
        if (dialog) dialog->accept();
    };
    if (watch) {
        watcher = std::make_unique<game::NetworkWatcher>(place, *connection, code);
        watcher->SetOnBegin([this, begun] { begun(*watcher->Shown()); });
        watcher->SetOnEnd(
            [this](game::NetworkEnding why, bool was) { Ended(why, was, watcher->Link()); });
        return watcher->Knock();
    }
    guest = std::make_unique<game::NetworkGuest>(place, *connection, code);
    guest->SetOnBegin([this, begun] { begun(guest->Fencing()->Shown()); });
    guest->SetOnEnd([this](game::NetworkEnding why, bool was) { Ended(why, was, guest->Link()); });
    guest->Knock();
}

void JoiningMode::Ended(game::NetworkEnding why, bool begun, const game::NetworkLink& link) {
    LogEnd(why, &link);
    // Turned away at the door: the dialog says why and the player may try again.
    if (!begun && dialog) dialog->Say(Said(why));
    if (begun) window.ReturnToPlaying(this);
}

} // namespace pistework::app
