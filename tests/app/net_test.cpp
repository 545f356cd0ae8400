// SPDX-License-Identifier: GPL-3.0-or-later
// TCP through the program's network library, between two ends on this machine, and the
// window's network dialogs.

#include "Dialogs.h"
#include "app/MainWindow.h"
#include "app/NetTransport.h"
#include "common/CallTexts.h"
#include "game/network/Network.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace pistework;
using pistework::app::Network;

namespace {

bool WaitFor(const std::function<bool()>& done, int milliseconds = 5000) {
    for (QDeadlineTimer deadline(milliseconds); !done() && !deadline.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

struct End {
    std::unique_ptr<NetConnection> connection;
    std::vector<std::uint8_t> got;
    int lost = 0;
    void Take(std::unique_ptr<NetConnection> c) {
        connection = std::move(c);
        connection->SetOnReceived([this](std::span<const std::uint8_t> piece) {
            got.insert(got.end(), piece.begin(), piece.end());
        });
        connection->SetOnLost([this] { ++lost; });
    }
};

} // namespace

TEST(Net, BytesCrossWholeEachWayAPeerThatNeverReadsIsLostANobodyPortFails) {
    QString error;
    NetService* net = Network(error);
    ASSERT_TRUE(net) << error.toStdString();
    End host, writer, guest;
    int taken = 0, connected = 0, failed = 0;
    auto listener =
        net->Listen(0, [&](auto c) { (taken++ == 0 ? host : writer).Take(std::move(c)); });
    guest.Take(net->Connect(
        QStringLiteral("127.0.0.1"), listener->Port(), [&] { ++connected; },
        [](const QString&) {}));
    ASSERT_TRUE(WaitFor([&] { return connected == 1 && host.connection; }))
        << listener->Error().toStdString();
    EXPECT_EQ(host.connection->PeerAddress().toStdString(), "127.0.0.1");

    std::vector<std::uint8_t> sent;
    for (const qint64 size :
         {qint64{1}, kReceivedPieceBytes + 1, qint64{7}, 3 * kReceivedPieceBytes}) {
        for (qint64 i = 0; i < size; ++i)
            sent.push_back(static_cast<std::uint8_t>(i * 7 + size));
        const std::span<const std::uint8_t> piece(sent.end() - size, sent.end());
        host.connection->Send(piece);
        guest.connection->Send(piece);
    }
    ASSERT_TRUE(WaitFor([&] { return host.got.size() >= sent.size(); }));
    // Closed, the peer learns it at once, not only once the end is gone.
    host.connection->Close();
    ASSERT_TRUE(WaitFor([&] { return guest.lost > 0; }, 1000));
    host.connection.reset();
    EXPECT_EQ(guest.got, sent);
    EXPECT_EQ(host.got, sent);

    // A peer that never reads.
    const int reader = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in to{AF_INET, htons(listener->Port()), {htonl(INADDR_LOOPBACK)}, {}};
    ASSERT_EQ(connect(reader, reinterpret_cast<sockaddr*>(&to), sizeof to), 0);
    ASSERT_TRUE(WaitFor([&] { return writer.connection != nullptr; }));
    const std::vector<std::uint8_t> block(16 * 1024, 0x5a);
    std::size_t written = 0;
    for (; writer.lost == 0 && written < 64u * 1024 * 1024; written += block.size()) {
        writer.connection->Send(block);
        QCoreApplication::processEvents();
    }
    EXPECT_GT(written, std::size_t{kMostUnsentBytes}) << "lost before the peer fell behind";

    // Nobody listens once the listener is gone.
    const quint16 port = listener->Port();
    listener.reset();
    auto nobody = net->Connect(
        QStringLiteral("127.0.0.1"), port, [&] { ++connected; },
        [&](const QString& why) { failed += why.isEmpty() ? 100 : 1; });
    EXPECT_TRUE(WaitFor([&] { return failed > 0; }));
    WaitFor([] { return false; }, 200); // anything reported twice would be by now
    close(reader);
    // Lost: the guest and the writer; connected: the guest; failed: the connection to nobody.
    EXPECT_EQ(std::tuple(guest.lost, writer.lost, connected, failed), std::tuple(1, 1, 1, 1));
}

// Closing the window while the host's, join or watch dialog waits in its own loop ends the
// mode after that loop returns, never under it: the address sanitizer sees any use after free.
TEST(Net, ClosingTheWindowWhileANetworkDialogWaitsEndsCleanly) {
    drive::ExpectDialogs answered; // the test answers its dialogs itself
    enum class Wait { Host, Join, Watch };
    for (const Wait wait : {Wait::Host, Wait::Join, Wait::Watch}) {
        SCOPED_TRACE(static_cast<int>(wait));
        app::MainWindow window;
        window.show();
        bool stuck = false;
        QTimer::singleShot(300, &window, [&] { window.close(); });
        // Fails rather than hangs should the close not end the dialog.
        QTimer::singleShot(5000, &window, [&] {
            stuck = QApplication::activeModalWidget() != nullptr;
            if (stuck) QApplication::activeModalWidget()->close();
        });
        if (wait == Wait::Host)
            window.HostNetworkBout(0, 1234);
        else
            window.JoinNetworkBout(QStringLiteral("127.0.0.1:1"), 1234, false, wait == Wait::Watch);
        EXPECT_FALSE(stuck);
        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(window.InNetworkBout());
    }
}

// A guest the host turns away at once reads why in its dialog, whichever comes first of the
// refusal and its own hello going out.
TEST(Net, AGuestTurnedAwayAtTheDoorSeesWhyAtOnce) {
    drive::ExpectDialogs answered; // the test answers its dialogs itself
    QString error;
    NetService* net = Network(error);
    ASSERT_TRUE(net) << error.toStdString();
    std::unique_ptr<NetConnection> turned;
    auto listener = net->Listen(0, [&](std::unique_ptr<NetConnection> c) {
        turned = std::move(c);
        turned->Send(game::net::FrameWriter().Frame(game::net::Refuse{game::net::Refusal::Busy}));
        turned->Close();
    });
    app::MainWindow window;
    window.show();
    QString said, last;
    QTimer poll;
    poll.callOnTimeout([&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* status = dialog ? dialog->findChild<QLabel*>(QStringLiteral("lblStatus")) : nullptr;
        if (status && status->text() == TranslatedNetworkEnding(game::NetworkEnding::Busy))
            said = status->text();
        if (status) last = status->text();
        if (dialog && (!said.isEmpty() || poll.property("ticks").toInt() > 300)) dialog->reject();
        poll.setProperty("ticks", poll.property("ticks").toInt() + 1);
    });
    poll.start(10);
    window.JoinNetworkBout(QStringLiteral("127.0.0.1:%1").arg(listener->Port()), 1234, true);
    EXPECT_FALSE(said.isEmpty()) << last.toStdString();
    // Both ends close; the sockets they leave behind go once each has the other's close.
    turned.reset();
    WaitFor([] { return false; }, 1000);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
