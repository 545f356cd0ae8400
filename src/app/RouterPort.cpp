// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RouterPort.h"

#include <QCoreApplication>

Q_LOGGING_CATEGORY(lcGateway, "pistework.gateway", QtWarningMsg)

namespace pistework::app {

namespace gateway = game::gateway;
using Kind = gateway::Report::Kind;

namespace {

QString Said(const gateway::Report& report) {
    return QString::fromStdString(gateway::WriteReport(report));
}

QString WayName(gateway::Way way) {
    return way == gateway::Way::Upnp ? QStringLiteral("UPnP") : QStringLiteral("NAT-PMP");
}

} // namespace

QString GatewayProgram() {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') +
           QString::fromUtf8(PISTEWORK_GATEWAY_PROGRAM);
}

RouterPort::RouterPort(const QString& program, quint16 port, OnNews news)
    : onNews(std::move(news)) {
    helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QObject::connect(&helper, &QProcess::readyReadStandardOutput, [this] { Read(true); });
    QObject::connect(&helper, &QProcess::finished, [this](int code, QProcess::ExitStatus status) {
        Read(true);
        if (holding)
            Fail(gateway::Failure::Lost, QStringLiteral("the helper ended"));
        else if (!decided)
            Fail(gateway::Failure::NotAsked,
                 status == QProcess::CrashExit
                     ? QStringLiteral("the helper stopped: %1").arg(helper.errorString())
                     : QStringLiteral("the helper ended with %1 before it decided").arg(code));
    });
    QObject::connect(&helper, &QProcess::errorOccurred, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            Fail(gateway::Failure::NotAsked, helper.errorString());
    });
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [this] {
        if (decided) return;
        // A mapping it makes after all expires with its lease.
        helper.kill();
        Fail(gateway::Failure::NoGateway, QStringLiteral("no answer within %1 ms").arg(kGiveUpMs));
    });
    giveUp.start(kGiveUpMs);
    qCDebug(lcGateway).noquote() << "gateway asking for port" << port;
    helper.start(program, {QString::number(port)});
    qCDebug(lcGateway).noquote() << "gateway helper started, pid" << helper.processId();
}

RouterPort::~RouterPort() {
    giveUp.stop();
    // Whoever hears the news is going: from here on it is only logged.
    QObject::disconnect(&helper, nullptr, nullptr, nullptr);
    if (helper.state() == QProcess::NotRunning) return;
    // Told to end, it stops asking, or gives back what it holds; with its input closed it
    // would do the same, but only once a search under way is over.
    helper.closeWriteChannel();
    helper.terminate();
    if (!helper.waitForFinished(kGiveBackMs)) {
        qCWarning(lcGateway).noquote() << "gateway failed: the helper did not give the port back "
                                          "in time; its lease ends it";
        helper.kill();
        helper.waitForFinished(kGiveBackMs);
    }
    Read(false);
}

void RouterPort::Read(bool telling) {
    pending += helper.readAllStandardOutput();
    for (qsizetype end; (end = pending.indexOf('\n')) >= 0;) {
        const QByteArray line = pending.left(end);
        pending.remove(0, end + 1);
        if (const auto report = gateway::ReadReport(std::string_view(line.data(), line.size())))
            Tell(*report, telling);
        else
            qCWarning(lcGateway) << "gateway said what cannot be read:" << line.left(80);
    }
    if (static_cast<std::size_t>(pending.size()) <= gateway::kMostLineBytes) return;
    pending.clear();
    if (telling && helper.state() != QProcess::NotRunning) {
        helper.kill();
        Fail(gateway::Failure::Garbled, QStringLiteral("a line too long"));
    }
}

void RouterPort::Tell(const gateway::Report& report, bool telling) {
    const QString detail = QString::fromStdString(report.detail);
    switch (report.kind) {
    case Kind::Found:
        qCDebug(lcGateway).noquote() << "gateway found" << WayName(report.way) << "at" << detail;
        break;
    case Kind::Mapped:
    case Kind::Renewed:
        qCDebug(lcGateway).noquote()
            << (report.kind == Kind::Mapped ? "gateway mapped" : "gateway renewed")
            << QStringLiteral("%1:%2 by %3, lease %4 s")
                   .arg(QString::fromStdString(gateway::ShowAddress(report.mapping.outside)))
                   .arg(report.mapping.port)
                   .arg(WayName(report.way))
                   .arg(report.mapping.leaseSeconds);
        break;
    case Kind::Removed:
        qCDebug(lcGateway).noquote() << "gateway removed";
        break;
    case Kind::Failed:
        qCWarning(lcGateway).noquote() << "gateway failed:" << Said(report).section(' ', 1);
        break;
    }
    if (report.kind == Kind::Mapped || report.kind == Kind::Failed) decided = true;
    holding = report.kind == Kind::Mapped || report.kind == Kind::Renewed;
    if (telling && onNews) onNews(report);
}

void RouterPort::Fail(gateway::Failure failure, const QString& why) {
    gateway::Report report;
    report.kind = Kind::Failed;
    report.failure = failure;
    report.detail = why.toStdString();
    Tell(report, true);
}

} // namespace pistework::app
