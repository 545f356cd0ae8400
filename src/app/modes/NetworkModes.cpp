// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modes/NetworkModes.h"

#include "app/MainWindow.h"
#include "common/CallTexts.h"
#include "dialogs/NetworkDialogs.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>

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

QString Tr(const char* text) {
    return QCoreApplication::translate("Network", text);
}

// Who did something, as the reader knows them: a player by "you" and "your opponent", a
// watcher by the host, who fences on the right, and the guest.
QString Who(const game::BoutNews& news, game::Side side, const char* you, const char* opponent,
            const char* host, const char* guest) {
    if (news.own) return Tr(side == *news.own ? you : opponent);
    return Tr(side == game::Side::Right ? host : guest);
}

QString Result(const game::BoutNews& news) {
    const game::BoutOver& over = *news.over;
    if (!over.winner)
        return Tr(QT_TRANSLATE_NOOP("Network", "A draw at %1 to %2."))
            .arg(over.score[game::Side::Left])
            .arg(over.score[game::Side::Right]);
    const game::Side won = *over.winner;
    return Who(news, won, QT_TRANSLATE_NOOP("Network", "You won, %1 to %2."),
               QT_TRANSLATE_NOOP("Network", "Your opponent won, %1 to %2."),
               QT_TRANSLATE_NOOP("Network", "The host won, %1 to %2."),
               QT_TRANSLATE_NOOP("Network", "The guest won, %1 to %2."))
        .arg(over.score[won])
        .arg(over.score[game::Opposite(won)]);
}

QString Rematch(const game::BoutNews& news) {
    if (!news.own)
        return Tr(QT_TRANSLATE_NOOP("Network", "If both players ask, the next bout follows here."));
    if (news.asked.ours)
        return Tr(QT_TRANSLATE_NOOP("Network", "You asked for a rematch: waiting for your "
                                               "opponent to accept."));
    if (news.asked.theirs)
        return Tr(QT_TRANSLATE_NOOP("Network", "Your opponent offers a rematch: press F2 to "
                                               "accept."));
    return Tr(QT_TRANSLATE_NOOP("Network", "Press F2 to offer a rematch."));
}

} // namespace

QString NewsText(const game::BoutNews& news) {
    if (news.over) return Result(news) + QLatin1Char(' ') + Rematch(news);
    if (news.pausedBy)
        return Who(news, *news.pausedBy,
                   QT_TRANSLATE_NOOP("Network", "You paused the bout: F3 resumes it."),
                   QT_TRANSLATE_NOOP("Network", "Your opponent paused the bout: F3 resumes it."),
                   QT_TRANSLATE_NOOP("Network", "The host paused the bout."),
                   QT_TRANSLATE_NOOP("Network", "The guest paused the bout."));
    if (!news.own)
        return Tr(QT_TRANSLATE_NOOP("Network", "The host fences on the right, the guest on the "
                                               "left."));
    return Tr(*news.own == game::Side::Right
                  ? QT_TRANSLATE_NOOP("Network", "You fence on the right. F3 pauses the bout for "
                                                 "both of you; F2 leaves it.")
                  : QT_TRANSLATE_NOOP("Network", "You fence on the left. F3 pauses the bout for "
                                                 "both of you; F2 leaves it."));
}

NetworkMode::NetworkMode(MainWindow& window) : WindowMode(window) {}

NetworkMode::~NetworkMode() {
    if (strip) window.DropStrip(strip.get());
}

bool NetworkMode::Live() const {
    const game::ShownBout* bout = Shown();
    return InNetworkBout() && Fencing() && bout && !bout->Over();
}

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
    using enum layout::MenuCommand;
    if (!InNetworkBout()) return Outcome::Passed;
    if (command == NewGame) {
        // The window has asked already whether to leave a bout under way.
        if (Live() || !Fencing())
            LeaveBout();
        else
            Offer();
        return Outcome::Taken;
    }
    if (command == SaveReplay || command == WatchLastBout)
        return Live() ? Outcome::Taken : Outcome::Passed;
    if (command != layout::MenuCommand::PauseOrResume) return Outcome::Passed;
    if (game::NetworkFencing* fencing = Fencing()) fencing->PauseOrResume();
    return Outcome::Taken;
}

void NetworkMode::Follow(game::ShownBout& bout, const QString& with, const char* side) {
    peer = with;
    qCDebug(lcNetwork).noquote() << "network bout begun with" << peer << side;
    if (!strip) {
        strip = std::make_unique<QWidget>(&window);
        strip->setObjectName(QStringLiteral("fraNetwork"));
        news = new QLabel(strip.get());
        news->setObjectName(QStringLiteral("lblNetworkNews"));
        news->setGeometry(6, 4, 486, 40);
        news->setWordWrap(true);
        news->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        strip->setFixedSize(498, 48);
        window.ShowStrip(strip.get());
    }
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
    if (const game::ShownBout* bout = Shown(); bout && news) {
        const QString text = NewsText(game::NewsOf(*bout, Fencing()));
        if (news->text() != text) {
            news->setText(text);
            qCDebug(lcNetwork).noquote() << "lblNetworkNews" << text;
        }
    }
    window.AllowMenu();
    if (const QString title = Title(); window.windowTitle() != title) window.setWindowTitle(title);
}

QString NetworkMode::Title() const {
    if (!InNetworkBout()) return WindowMode::Title();
    const game::NetworkFencing* fencing = Fencing();
    if (!fencing)
        return MainWindow::tr("B.K.S. Pistework: watching a network bout at %1").arg(peer);
    const bool right = fencing->Own() == game::Side::Right;
    if (!fencing->RoundTripMs())
        return (right ? MainWindow::tr("B.K.S. Pistework: you fence on the right against %1")
                      : MainWindow::tr("B.K.S. Pistework: you fence on the left against %1"))
            .arg(peer);
    return (right ? MainWindow::tr(
                        "B.K.S. Pistework: you fence on the right against %1, round trip %2 ms")
                  : MainWindow::tr(
                        "B.K.S. Pistework: you fence on the left against %1, round trip %2 ms"))
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
        if (waiting.Listening()) {
            qCDebug(lcNetwork).noquote() << "network hosting on port" << port << "code"
                                         << QString::fromStdString(game::net::ShowCode(code));
            if (window.Game().Options().askRouter) {
                // Shown whether or not the log is on, which would skip a call made inside it.
                const QString asking = waiting.Asking();
                qCDebug(lcGateway).noquote() << "lblInternet" << asking;
                waiting.AfterFirstPaint([this] {
                    router = std::make_unique<RouterPort>(
                        GatewayProgram(), listener->Port(),
                        [this](const game::gateway::Report& report) { RouterSaid(report); });
                });
            }
        }
        waiting.exec();
    });
    return door.Begun();
}

void HostingMode::RouterSaid(const game::gateway::Report& report) {
    // Once the bout has begun the log alone hears it.
    if (!dialog) return;
    const QString shown = dialog->RouterSaid(report);
    if (!shown.isEmpty()) qCDebug(lcGateway).noquote() << "lblInternet" << shown;
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

game::ShownBout* JoiningMode::Shown() const {
    if (guest) return guest->Fencing() ? &guest->Fencing()->Shown() : nullptr;
    return watcher ? watcher->Shown() : nullptr;
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
    // An address that answered is the one offered next time.
    if (dialog) window.Store().Write({{std::string(kAddressName), dialog->Where().toStdString()}});
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
        watcher = std::make_unique<game::NetworkWatcher>(place, *connection, code,
                                                         connection->PeerAddress().toStdString());
        watcher->SetOnBegin([this, begun] { begun(*watcher->Shown()); });
        watcher->SetOnEnd(
            [this](game::NetworkEnding why, bool was) { Ended(why, was, watcher->Link()); });
        return watcher->Knock();
    }
    guest = std::make_unique<game::NetworkGuest>(place, *connection, code,
                                                 connection->PeerAddress().toStdString());
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
