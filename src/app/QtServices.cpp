// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QtServices.h"

#include "app/NetTransport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QUrl>

#include <QtEndian>
#include <map>
#include <string>
#include <utility>

#include <algorithm>

Q_LOGGING_CATEGORY(lcCaption, "pistework.caption", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPicture, "pistework.picture", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTimer, "pistework.timer", QtWarningMsg)
Q_LOGGING_CATEGORY(lcMenu, "pistework.menu", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSound, "pistework.sound", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTick, "pistework.tick", QtWarningMsg)
Q_LOGGING_CATEGORY(lcNetwork, "pistework.network", QtWarningMsg)

namespace pistework::app {

namespace {
// Each tick, start and restart with its time in microseconds, for bench/live.sh to measure
// how regularly the timers tick.
void LogTick(const QTimer* timer, const char* what) {
    if (!lcTick().isDebugEnabled()) return;
    static const QElapsedTimer sinceStart = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    qCDebug(lcTick).noquote() << timer->objectName() << what << sinceStart.nsecsElapsed() / 1000;
}
} // namespace

QtTimer::QtTimer(QObject* parent, const QString& name, int interval, bool enabled)
    : timer(new QTimer(parent)) {
    timer->setObjectName(name);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(interval);
    QObject::connect(timer, &QTimer::timeout, timer, [this] {
        LogTick(timer, "tick");
        if (onTimer) onTimer();
    });
    if (enabled) SetEnabled(true);
}

// Later rather than now: the owner may be going from inside this timer's own tick.
QtTimer::~QtTimer() {
    if (!timer) return;
    timer->stop();
    timer->disconnect();
    timer->deleteLater();
}

void QtTimer::SetEnabled(bool enabled) {
    if (enabled == timer->isActive()) return;
    if (enabled) {
        timer->start();
        LogTick(timer, "started");
        qCDebug(lcTimer).noquote() << timer->objectName() << "start" << timer->interval();
    } else {
        timer->stop();
        qCDebug(lcTimer).noquote() << timer->objectName() << "stop";
    }
}

void QtTimer::SetInterval(int milliseconds) {
    if (milliseconds == timer->interval()) return;
    // QTimer::setInterval restarts a running timer, as the game expects.
    timer->setInterval(milliseconds);
    if (timer->isActive()) LogTick(timer, "started");
    qCDebug(lcTimer).noquote() << timer->objectName() << "interval" << milliseconds;
}

void PixelArtLabel::paintEvent(QPaintEvent*) {
    const QPixmap picture = pixmap();
    if (picture.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(0, 0, picture);
}

std::unique_ptr<platform::Timer> QtTimerSource::MakeTimer(std::string_view name, int milliseconds) {
    return std::make_unique<QtTimer>(
        parent, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), milliseconds,
        false);
}

namespace {
QString RefusalText(CueRefusal refusal) {
    switch (refusal) {
    case CueRefusal::NotAWav:
        return QStringLiteral("not a RIFF/WAVE file with a format and a data chunk");
    case CueRefusal::TooLarge:
        return QStringLiteral("larger than %1 MB").arg(kLargestCueBytes / (1024 * 1024));
    case CueRefusal::TooLong:
        return QStringLiteral("longer than %1 s").arg(kLongestCueSeconds);
    }
    return {};
}

// The sound library beside the program; none when it cannot be loaded.
using NewSoundEffect = SoundEffect* (*)(const QUrl&, QObject*);
NewSoundEffect SoundLibrary() {
    return reinterpret_cast<NewSoundEffect>(PrivateLibraryEntry(
        PISTEWORK_SOUND_LIBRARY, "pistework_NewSoundEffect", lcSound(), "no sound"));
}
} // namespace

QFunctionPointer PrivateLibraryEntry(const char* path, const char* symbol,
                                     const QLoggingCategory& log, const char* without,
                                     QString* error) {
    struct Loaded {
        QFunctionPointer entry = nullptr;
        QString error;
    };
    static std::map<std::pair<std::string, std::string>, Loaded> loaded;
    const auto [at, first] = loaded.try_emplace({path, symbol});
    Loaded& library = at->second;
    if (first) {
        QLibrary file(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                      QString::fromUtf8(path));
        file.setLoadHints(QLibrary::PreventUnloadHint);
        library.entry = file.resolve(symbol);
        if (!library.entry) {
            library.error = file.errorString();
            qCWarning(log).noquote()
                << QStringLiteral("%1: %2").arg(QLatin1String(without), library.error);
        }
    }
    if (error) *error = library.error;
    return library.entry;
}

// Here rather than beside the window's use of it, so that the program always holds the
// library's path, which the install check looks for.
NetService* Network(QString& error) {
    using Entry = NetService* (*)();
    const auto entry = reinterpret_cast<Entry>(PrivateLibraryEntry(
        PISTEWORK_NET_LIBRARY, "pistework_NetService", lcNetwork(), "no network bouts", &error));
    return entry ? entry() : nullptr;
}

// Beside Network() for the same reason: the install check finds the path in the program.
MakeRecordChart RecordChartLibrary() {
    return reinterpret_cast<MakeRecordChart>(PrivateLibraryEntry(
        PISTEWORK_CHART_LIBRARY, "pistework_RecordChart", lcMenu(), "no record chart"));
}

std::optional<CueRefusal> RefuseCue(QIODevice& file) {
    const qint64 size = file.size();
    if (size > kLargestCueBytes) return CueRefusal::TooLarge;
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || !riff.endsWith("WAVE"))
        return CueRefusal::NotAWav;
    std::optional<qint64> byteRate, dataBytes;
    // A cue has two or three chunks; a file of nothing but tiny ones is no cue.
    for (int chunk = 0; chunk < 64 && !(byteRate && dataBytes); ++chunk) {
        const QByteArray head = file.read(8);
        if (head.size() != 8) break;
        const quint32 length = qFromLittleEndian<quint32>(head.constData() + 4);
        const qint64 body = file.pos();
        if (head.startsWith("fmt ")) {
            const QByteArray format = file.read(16);
            if (length < 16 || format.size() != 16) break;
            byteRate = qFromLittleEndian<quint32>(format.constData() + 8);
        } else if (head.startsWith("data")) {
            // A length beyond the end of the file plays only what is there.
            dataBytes = std::min<qint64>(length, size - body);
        }
        // Chunks are word-aligned: an odd length is followed by a pad byte.
        if (!file.seek(body + length + (length & 1))) break;
    }
    if (!byteRate || !dataBytes || *byteRate == 0) return CueRefusal::NotAWav;
    if (*dataBytes > kLongestCueSeconds * *byteRate) return CueRefusal::TooLong;
    return std::nullopt;
}

bool QtMediaPlayer::Open() {
    opened = nullptr;
    if (fileName.empty()) return false;
    if (auto known = effects.find(fileName); known != effects.end()) {
        opened = known->second.get();
    } else {
        const QString path = QString::fromStdString(fileName);
        // A missing or refused file is looked at again next time: the player may yet put a
        // cue there.
        if (!QFileInfo(path).isFile()) return false;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return false;
        if (const auto refusal = RefuseCue(file)) {
            if (refused.insert(fileName).second)
                qCWarning(lcSound).noquote()
                    << "sound file" << path << "not loaded:" << RefusalText(*refusal);
            return false;
        }
        const NewSoundEffect newEffect = SoundLibrary();
        if (!newEffect) return false;
        const bool resource = path.startsWith(QLatin1String(":/"));
        std::unique_ptr<SoundEffect> effect(
            newEffect(resource ? QUrl(QLatin1String("qrc") + path)
                               : QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()),
                      parent));
        opened = effects.emplace(fileName, std::move(effect)).first->second.get();
    }
    return !opened->Failed();
}

bool QtMediaPlayer::Play() {
    if (!opened || opened->Failed()) return false;
    opened->Play();
    return true;
}

std::int64_t QtClock::NowMilliseconds() const {
    return QDateTime::currentMSecsSinceEpoch();
}

bool QtLauncher::Start(const std::string& program, const std::vector<std::string>& arguments) {
    QStringList args;
    for (const auto& a : arguments)
        args << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(program), args);
}

} // namespace pistework::app
