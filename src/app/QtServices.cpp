#include "app/QtServices.h"

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

Q_LOGGING_CATEGORY(lcCaption, "pistework.caption", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPicture, "pistework.picture", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTimer, "pistework.timer", QtWarningMsg)
Q_LOGGING_CATEGORY(lcMenu, "pistework.menu", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSound, "pistework.sound", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTick, "pistework.tick", QtWarningMsg)

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
// Only the RIFF/WAVE header is checked: QSoundEffect decodes the rest, and a file it cannot
// decode simply stays silent.
bool LooksLikeWav(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray header = file.read(12);
    return header.size() == 12 && header.startsWith("RIFF") && header.endsWith("WAVE");
}

// The sound library, loaded once beside the program; none when it cannot be loaded.
using NewSoundEffect = SoundEffect* (*)(const QUrl&, QObject*);
NewSoundEffect SoundLibrary() {
    static const NewSoundEffect entry = [] {
        QLibrary library(QCoreApplication::applicationDirPath() +
                         QStringLiteral("/" PISTEWORK_SOUND_LIBRARY));
        library.setLoadHints(QLibrary::PreventUnloadHint);
        auto found = reinterpret_cast<NewSoundEffect>(library.resolve("pistework_NewSoundEffect"));
        if (!found) qCWarning(lcSound).noquote() << "no sound:" << library.errorString();
        return found;
    }();
    return entry;
}
} // namespace

bool QtMediaPlayer::Open() {
    opened = nullptr;
    if (fileName.empty()) return false;
    if (auto known = effects.find(fileName); known != effects.end()) {
        opened = known->second.get();
    } else {
        const QString path = QString::fromStdString(fileName);
        // A missing file is looked for again next time: the player may yet put it there.
        if (!QFileInfo(path).isFile() || !LooksLikeWav(path)) return false;
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
