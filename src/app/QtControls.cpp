#include "app/QtControls.h"

#include "app/Accessibility.h"

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
QString Display(const std::string& text) {
    // Two-line calls are joined with a carriage return; a label breaks lines on newlines.
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .replace(QChar('\r'), QChar('\n'));
}
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

QtImage::QtImage(QLabel* label) : label(label) {
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
}

namespace {
// Each picture is decoded once and kept: a fencer changes picture nearly every tick, and
// QPixmap's own cache, keyed on the resource's file details, missed and decoded the PNG again.
const QPixmap& Picture(const std::string& name) {
    static std::map<std::string, QPixmap, std::less<>> pictures;
    auto known = pictures.find(name);
    if (known == pictures.end()) {
        // Named as PNG, so no image plugin is loaded and asked to guess the format.
        known =
            pictures
                .emplace(name, QPixmap(QStringLiteral(":/sprites/") + QString::fromStdString(name),
                                       "PNG"))
                .first;
    }
    return known->second;
}
} // namespace

void QtImage::LoadFromResourceName(const std::string& name) {
    // A quarter of the game's picture changes show the picture already there: no repaint.
    if (name != picture || label->pixmap().isNull()) {
        picture = name;
        const QPixmap& pixmap = Picture(name);
        if (pixmap.isNull())
            qCWarning(lcPicture).noquote()
                << label->objectName() << "has no picture" << name.c_str();
        label->setPixmap(pixmap);
    }
    qCDebug(lcPicture).noquote() << label->objectName() << "picture" << name.c_str();
}

void QtImage::SetLeft(int left) {
    if (left == label->x()) return;
    label->move(left, label->y());
    qCDebug(lcPicture).noquote() << label->objectName() << "Left" << left;
}

QtLabel::QtLabel(QLabel* label, bool sizedToText)
    : label(label), caption(label->text().toStdString()), sizedToText(sizedToText) {}

void QtLabel::SetCaption(const std::string& value) {
    caption = value;
    if (auto* readout = qobject_cast<ReadoutLabel*>(label))
        readout->SetValue(Display(value));
    else
        label->setText(Display(value));
    if (sizedToText) label->adjustSize();
    qCDebug(lcCaption).noquote() << label->objectName() << "caption"
                                 << QString::fromStdString(value).replace('\r', '|');
}

void QtLabel::SetVisible(bool visible) {
    if (visible == !label->isHidden()) return;
    label->setVisible(visible);
    qCDebug(lcCaption).noquote() << label->objectName() << (visible ? "shown" : "hidden");
}

QtButton::QtButton(QPushButton* button) : button(button) {
    QObject::connect(button, &QPushButton::clicked, button, [this] {
        if (onClick) onClick();
    });
}

QtMenuItem::QtMenuItem(QAction* action, std::string name)
    : MenuItemBase(std::move(name), action->text().toStdString()), action(action) {
    QObject::connect(action, &QAction::triggered, action, [this] {
        // Qt has already toggled a checkable action; put the game's marks back first.
        Refresh();
        Click();
    });
}

void QtMenuItem::Changed() {
    if (action->isCheckable()) {
        action->setChecked(Checked());
        if (logged != Checked())
            qCDebug(lcMenu).noquote()
                << action->objectName() << (Checked() ? "checked" : "unchecked");
        logged = Checked();
    }
    action->setText(QString::fromStdString(Caption()));
}

void QtEditBox::KeyPress(const QString& text) {
    for (char32_t ch : text.toStdU32String())
        if (onKeyPress) onKeyPress(ch);
}

std::string QtStringList::Item(int row) const {
    if (row < 0 || row >= list->count()) return {};
    return list->item(row)->text().toStdString();
}

void QtStringList::SetItems(const std::vector<std::string>& rows) {
    list->clear();
    for (const auto& row : rows)
        list->addItem(QString::fromStdString(row));
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
