// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a network bout's transport offers: a listener and TCP connections, as the window and
// the host's and guest's dialogs use them. The game's side of a network bout sees a connection
// only as bytes (platform::Connection).

#include "platform/Platform.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace pistework {

// A peer that leaves more than this unread is closed and reported lost, rather than let it
// fill the sender's memory; a bout's frames are small, so a reading peer never comes near it.
inline constexpr qint64 kMostUnsentBytes = 64 * 1024;
// What arrives is handed on in pieces of at most this many bytes.
inline constexpr qint64 kReceivedPieceBytes = 4 * 1024;

// One TCP connection: no delay on small writes, a bounded read buffer, and closed (reported
// as lost) when the peer leaves more than kMostUnsentBytes unread.
class NetConnection : public platform::Connection {
public:
    // The peer's address, as a player would type it.
    virtual QString PeerAddress() const = 0;
};

// Listens on a port, for as long as it lives, and hands over each connection that comes in.
class NetListener {
public:
    virtual ~NetListener() = default;
    // Zero when it could not listen; Error() then says why.
    virtual quint16 Port() const = 0;
    virtual QString Error() const = 0;
};

class NetService {
public:
    using OnConnection = std::function<void(std::unique_ptr<NetConnection>)>;
    virtual ~NetService() = default;
    // Listens on `port` on every address of this machine; 0 picks a free port.
    virtual std::unique_ptr<NetListener> Listen(quint16 port, OnConnection onConnection) = 0;
    // Connects to `host` (a name or an address) at `port`. `onConnected` or `onFailed` (with
    // a plain reason) is called once, unless the connection is destroyed first; the
    // connection is used only after `onConnected`.
    virtual std::unique_ptr<NetConnection> Connect(const QString& host, quint16 port,
                                                   std::function<void()> onConnected,
                                                   std::function<void(QString)> onFailed) = 0;
    // This machine's addresses a guest on the network could reach, the likeliest first;
    // loopback only when there is no other.
    virtual QStringList LocalAddresses() const = 0;
};

} // namespace pistework
