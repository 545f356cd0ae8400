// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modes/NetworkModes.h"

#include "app/MainWindow.h"
#include "common/CallTexts.h"
#include "dialogs/NetworkDialogs.h"

#include <QKeyEvent>

#include <chrono>

namespace pistework::app {

namespace {

const char* CommandName(game::FencerCommand command) {
    static constexpr const char* kNames[] = {"Advance", "Extend", "Lunge",
                                             "Retreat", "Parry",  "Fleche"};
    return kNames[static_cast<std::size_t>(command)];
}

// Wall-clock milliseconds to the microsecond, so two programs' logs can be laid side by side.
QString Stamp() {
    using namespace std::chrono;
    const auto now = duration<double, std::milli>(system_clock::now().time_since_epoch());
    return QString::number(now.count(), 'f', 3);
}

void LogEnd(game::NetworkEnding why, const game::NetworkLink* link) {
    qCDebug(lcNetwork).noquote() << "network bout ended:" << static_cast<int>(why)
                                 << QString::fromStdString(NetworkEndingText(why))
                                        .replace(QLatin1Char('\n'), QLatin1Char(' '))
                                 << "bytes sent" << (link ? link->BytesSent() : 0) << "received"
                                 << (link ? link->BytesReceived() : 0);
}

QString Said(game::NetworkEnding why) {
    return TranslatedNetworkEnding(why).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

void LogBegun(const QString& peer, const char* side) {
    qCDebug(lcNetwork).noquote() << "network bout begun with" << peer << side;
}

} // namespace

HostingMode::HostingMode(MainWindow& window, int code)
    : PlayingMode(window), code(code), door(window.Game(), window.Timers(), window.Clock(), code) {
    door.SetOnCommand([](game::FencerCommand command) {
        qCDebug(lcNetwork).noquote() << "network command" << CommandName(command) << Stamp();
    });
    door.SetOnBegin([this] {
        // The door is handed only the network library's connections.
        const auto* joined = dynamic_cast<const NetConnection*>(door.Connection());
        peer = joined ? joined->PeerAddress() : QString();
        LogBegun(peer, "as host");
        this->window.ShowMode();
        if (dialog) dialog->accept();
    });
    door.SetOnEnd([this](game::NetworkEnding why, bool begun) { Ended(why, begun); });
    door.SetOnShut([this] {
        qCDebug(lcNetwork).noquote() << "network hosting stopped: too many wrong codes";
        if (dialog) dialog->Shut();
    });
}

HostingMode::~HostingMode() {
    door.Leave();
}

bool HostingMode::Wait(NetService& network, quint16 port) {
    window.Game().WhileHeld([&] {
        dialogs::HostDialog waiting(
            &window, network, port, code, [this](std::unique_ptr<NetConnection> arrived) {
                qCDebug(lcNetwork).noquote() << "network guest at" << arrived->PeerAddress();
                door.Arrive(std::move(arrived));
            });
        dialog = &waiting;
        if (waiting.Listening())
            qCDebug(lcNetwork).noquote() << "network hosting on port" << port << "code" << code;
        waiting.exec();
    });
    return door.Begun();
}

void HostingMode::Ended(game::NetworkEnding why, bool begun) {
    // At the host, only the bout's own link; a connection turned away at the door has another.
    LogEnd(why, begun ? door.Link() : nullptr);
    // Guests sent away because another got in first, or to make room, are the door's own
    // doing, not news; the door stays open for the next guest until a bout begins.
    if (!begun) {
        if (dialog && why != game::NetworkEnding::Busy && why != game::NetworkEnding::Left)
            dialog->Say(MainWindow::tr("A player could not join: %1").arg(Said(why)));
        return;
    }
    window.ReturnToPlaying(this);
}

WindowMode::Outcome HostingMode::Choose(layout::MenuCommand command) {
    if (command != layout::MenuCommand::NewGame) return Outcome::Passed;
    door.Leave();
    return Outcome::Taken;
}

QString HostingMode::Title() const {
    return door.Begun() ? MainWindow::tr("B.K.S. Pistework: network bout with %1").arg(peer)
                        : WindowMode::Title();
}

JoiningMode::JoiningMode(MainWindow& window) : WindowMode(window) {}

JoiningMode::~JoiningMode() {
    if (guest) guest->Leave();
}

bool JoiningMode::Wait(NetService& network, const QString& address, int code, bool now) {
    window.Game().WhileHeld([&] {
        dialogs::JoinDialog knocking(&window, network, address, code,
                                     [this](std::unique_ptr<NetConnection> made, int given) {
                                         Connected(std::move(made), given);
                                     });
        dialog = &knocking;
        if (now) knocking.Join();
        knocking.exec();
    });
    return guest && guest->Begun();
}

void JoiningMode::Connected(std::unique_ptr<NetConnection> made, int code) {
    // A connection refused before is let go first: its link is the one that points at its
    // connection.
    guest.reset();
    connection = std::move(made);
    guest = std::make_unique<game::NetworkGuest>(window.Game(), *connection, window.Timers(),
                                                 window.Clock(), window.Sound(), code);
    guest->SetOnBegin([this] {
        peer = connection->PeerAddress();
        LogBegun(peer, "as guest");
        window.ShowMode();
        if (dialog) dialog->accept();
    });
    guest->SetOnPicture([this](const game::net::Picture& picture) {
        shown = picture;
        Redraw();
    });
    guest->SetOnEnd([this](game::NetworkEnding why, bool begun) {
        LogEnd(why, &guest->Link());
        // Turned away at the door: the dialog says why and the player may try again.
        if (!begun && dialog) dialog->Say(Said(why));
        if (begun) window.ReturnToPlaying(this);
    });
}

WindowMode::Outcome JoiningMode::Key(const QKeyEvent& key) {
    const std::u32string typed = FencersKeys(key, window.Game());
    for (char32_t ch : typed)
        for (const auto& [side, command] : game::KeyCommands(window.Game().Options(), ch))
            if (side == game::Side::Right) Send(command);
    return typed.empty() ? Outcome::Passed : Outcome::Taken;
}

WindowMode::Outcome JoiningMode::Choose(layout::MenuCommand command) {
    if (!Fencing()) return Outcome::Passed;
    if (command == layout::MenuCommand::NewGame) {
        guest->Leave();
        return Outcome::Taken;
    }
    if (command != layout::MenuCommand::PauseOrResume) return Outcome::Passed;
    guest->PauseOrResume();
    return Outcome::Taken;
}

void JoiningMode::Fence(game::CommandSource source, game::Side side, game::FencerCommand command) {
    // A guest's first pad drives its own fencer, as in a bout at home.
    if (source == game::CommandSource::Buttons || side == game::Side::Right) Send(command);
}

void JoiningMode::Send(game::FencerCommand command) {
    if (!Fencing()) return;
    qCDebug(lcNetwork).noquote() << "network send" << CommandName(command) << Stamp();
    guest->Command(command);
}

void JoiningMode::Redraw() {
    if (!Fencing()) return;
    const game::BoutView& own = window.Game().View();
    game::BoutView view = shown.picture.Over(own);
    view.menu.paused = shown.paused;
    view.networkEnded.reset();
    // The guest fences with its own buttons, if it fences with the mouse at home.
    view.commandButtons = own.menu.control == game::ControlMode::Mouse;
    window.DrawBoard(view);
}

QString JoiningMode::Title() const {
    return guest && guest->Begun()
               ? MainWindow::tr("B.K.S. Pistework: network bout with %1").arg(peer)
               : WindowMode::Title();
}

} // namespace pistework::app
