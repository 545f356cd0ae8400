// SPDX-License-Identifier: GPL-3.0-or-later
// TCP for network bouts on Qt Network, in a library of its own (libpistework-net.so).

#include "app/NetTransport.h"

#include <QCoreApplication>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <array>
#include <utility>

#include <sys/socket.h>

namespace pistework::app {
namespace {

// What Qt may hold of a peer's bytes before the game takes them: a bout's frames are small.
constexpr qint64 kReadBufferBytes = 16 * 1024;
constexpr int kConnectSeconds = 10;
// A connection closed with bytes still unsent is given this long to get them out.
constexpr int kLingerMs = 5000;

// An IPv4 peer reaches a listener on every address as an IPv4-mapped IPv6 one.
QString PlainAddress(const QHostAddress& address) {
    bool v4 = false;
    const quint32 ip = address.toIPv4Address(&v4);
    return v4 ? QHostAddress(ip).toString() : address.toString();
}

class TcpConnection final : public NetConnection {
public:
    // Takes over `socket`, connected already or not yet.
    TcpConnection(QTcpSocket* socket, bool connected) : socket(socket) {
        socket->setParent(nullptr); // a listener's socket would otherwise die with it
        socket->setReadBufferSize(kReadBufferBytes);
        QObject* context = guard.get();
        QObject::connect(socket, &QTcpSocket::readyRead, context, [this] { Receive(); });
        QObject::connect(socket, &QTcpSocket::disconnected, context, [this] { Lose(); });
        QObject::connect(socket, &QTcpSocket::errorOccurred, context, [this] {
            if (state == State::Connecting) return Fail(this->socket->errorString());
            Lose();
        });
        if (connected) Up();
    }

    ~TcpConnection() override {
        guard.reset(); // no handler of this connection runs from here on
        if (state == State::Up || state == State::Closing) {
            // What was written still goes out; a peer that never takes it keeps the socket
            // only so long.
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QTimer::singleShot(kLingerMs, socket, [s = socket] {
                s->abort();
                s->deleteLater();
            });
            // Half closed already: what the peer still sends is read and dropped until it
            // closes too, so that no reset takes our last words from it unread.
            if (halfClosed && socket->state() != QAbstractSocket::UnconnectedState) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket,
                                 [s = socket] { s->readAll(); });
                socket->readAll();
                return;
            }
            socket->disconnectFromHost();
            if (socket->state() == QAbstractSocket::UnconnectedState) socket->deleteLater();
        } else {
            socket->abort();
            socket->deleteLater();
        }
    }
    TcpConnection(const TcpConnection&) = delete;
    TcpConnection& operator=(const TcpConnection&) = delete;

    void Connect(const QString& name, quint16 port, std::function<void()> connected,
                 std::function<void(QString)> failed) {
        host = name;
        onConnected = std::move(connected);
        onFailed = std::move(failed);
        state = State::Connecting;
        QObject::connect(socket, &QTcpSocket::connected, guard.get(), [this] {
            if (state != State::Connecting) return;
            Up();
            if (onConnected) onConnected();
        });
        QTimer::singleShot(kConnectSeconds * 1000, guard.get(), [this] {
            Fail(QCoreApplication::translate("NetService", "%1 did not answer within %2 seconds.")
                     .arg(host)
                     .arg(kConnectSeconds));
        });
        // Started from the event loop, so that even a failure Qt finds at once is reported
        // after Connect has returned.
        QTimer::singleShot(0, guard.get(), [this, port] {
            if (state == State::Connecting) socket->connectToHost(host, port);
        });
    }

    void Send(std::span<const std::uint8_t> bytes) override {
        if (state != State::Up || bytes.empty()) return;
        socket->write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qint64>(bytes.size()));
        // Straight to the system, so that only what the peer has not taken stays queued.
        socket->flush();
        if (socket->bytesToWrite() <= kMostUnsentBytes) return;
        // Reported from the event loop: the sender may be in the middle of a handler.
        state = State::Down;
        QTimer::singleShot(0, guard.get(), [this] {
            socket->abort();
            if (!closed && onLost) onLost();
        });
    }

    void Close() override {
        if (closed) return;
        closed = true;
        if (state == State::Up) {
            state = State::Closing;
            socket->flush();
            // A refusal is often the last thing sent, before the peer's hello has come: closed
            // whole, the socket would answer that hello with a reset, which makes the peer's
            // system drop the refusal unread. Only this side's writing ends here.
            halfClosed = socket->bytesToWrite() == 0 &&
                         ::shutdown(static_cast<int>(socket->socketDescriptor()), SHUT_WR) == 0;
            if (!halfClosed) socket->disconnectFromHost();
        } else if (state == State::Connecting) {
            state = State::Down;
            socket->abort();
        }
    }

    void SetOnReceived(std::function<void(std::span<const std::uint8_t>)> handler) override {
        onReceived = std::move(handler);
    }
    void SetOnLost(std::function<void()> handler) override { onLost = std::move(handler); }
    QString PeerAddress() const override { return peer.isEmpty() ? host : peer; }

private:
    enum class State { Connecting, Up, Closing, Down };

    void Up() {
        state = State::Up;
        // A fencer's command is a few bytes that must leave at once.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        peer = PlainAddress(socket->peerAddress());
    }

    void Receive() {
        if (halfClosed) {
            socket->readAll();
            return;
        }
        std::array<std::uint8_t, kReceivedPieceBytes> piece{};
        // A handler may close the connection, after which nothing more is handed on.
        while (state == State::Up && socket->bytesAvailable() > 0) {
            const qint64 read =
                socket->read(reinterpret_cast<char*>(piece.data()), kReceivedPieceBytes);
            if (read <= 0) break;
            if (onReceived) onReceived(std::span(piece.data(), static_cast<std::size_t>(read)));
        }
    }

    // The peer left or the network broke: what came before it is handed on first.
    void Lose() {
        Receive();
        if (state != State::Up) return;
        state = State::Down;
        if (onLost) onLost();
    }

    void Fail(const QString& why) {
        if (state != State::Connecting) return;
        state = State::Down;
        socket->abort();
        if (onFailed) onFailed(why);
    }

    QTcpSocket* socket;
    // The context of every handler, gone with the connection.
    std::unique_ptr<QObject> guard = std::make_unique<QObject>();
    State state = State::Down;
    bool closed = false, halfClosed = false;
    QString host, peer;
    std::function<void(std::span<const std::uint8_t>)> onReceived;
    std::function<void()> onLost;
    std::function<void()> onConnected;
    std::function<void(QString)> onFailed;
};

class TcpListener final : public NetListener {
public:
    TcpListener(quint16 port, NetService::OnConnection handler) : onConnection(std::move(handler)) {
        QObject::connect(server, &QTcpServer::newConnection, guard.get(), [this] {
            while (server->hasPendingConnections())
                onConnection(
                    std::make_unique<TcpConnection>(server->nextPendingConnection(), true));
        });
        if (!server->listen(QHostAddress::Any, port)) error = server->errorString();
    }
    ~TcpListener() override {
        guard.reset();
        server->close();
        server->deleteLater();
    }
    TcpListener(const TcpListener&) = delete;
    TcpListener& operator=(const TcpListener&) = delete;

    quint16 Port() const override { return server->isListening() ? server->serverPort() : 0; }
    QString Error() const override { return error; }

private:
    QTcpServer* server = new QTcpServer;
    std::unique_ptr<QObject> guard = std::make_unique<QObject>();
    NetService::OnConnection onConnection;
    QString error;
};

class TcpService final : public NetService {
public:
    std::unique_ptr<NetListener> Listen(quint16 port, OnConnection onConnection) override {
        return std::make_unique<TcpListener>(port, std::move(onConnection));
    }

    std::unique_ptr<NetConnection> Connect(const QString& host, quint16 port,
                                           std::function<void()> onConnected,
                                           std::function<void(QString)> onFailed) override {
        auto connection = std::make_unique<TcpConnection>(new QTcpSocket, false);
        connection->Connect(host, port, std::move(onConnected), std::move(onFailed));
        return connection;
    }

    // A guest on the same network most likely reaches the host by IPv4.
    QStringList LocalAddresses() const override {
        QStringList v4, v6;
        for (const QNetworkInterface& face : QNetworkInterface::allInterfaces()) {
            const auto flags = face.flags();
            if (!flags.testFlag(QNetworkInterface::IsUp) ||
                !flags.testFlag(QNetworkInterface::IsRunning) ||
                flags.testFlag(QNetworkInterface::IsLoopBack))
                continue;
            for (const QNetworkAddressEntry& entry : face.addressEntries()) {
                const QHostAddress ip = entry.ip();
                if (ip.protocol() == QAbstractSocket::IPv4Protocol)
                    v4 << ip.toString();
                else if (ip.protocol() == QAbstractSocket::IPv6Protocol && ip.isGlobal())
                    v6 << ip.toString();
            }
        }
        QStringList all = v4 + v6;
        all.removeDuplicates();
        if (all.isEmpty()) all << QStringLiteral("127.0.0.1");
        return all;
    }
};

} // namespace
} // namespace pistework::app

extern "C" Q_DECL_EXPORT pistework::NetService* pistework_NetService() {
    static pistework::app::TcpService service;
    return &service;
}
