#include "app/QtControls.h"

#include "app/Accessibility.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QProcess>
#include <QUrl>

Q_LOGGING_CATEGORY(lcCaption, "pistework.caption", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPicture, "pistework.picture", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTimer, "pistework.timer", QtWarningMsg)
Q_LOGGING_CATEGORY(lcMenu, "pistework.menu", QtWarningMsg)

namespace pistework::app {

namespace {
QString Display(const std::string& text) {
    // Two-line calls are joined with a carriage return; a label breaks lines on newlines.
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .replace(QChar('\r'), QChar('\n'));
}
} // namespace

QtTimer::QtTimer(QObject* parent, const QString& name, int interval, bool enabled)
    : timer(new QTimer(parent)) {
    timer->setObjectName(name);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(interval);
    QObject::connect(timer, &QTimer::timeout, timer, [this] {
        if (onTimer) onTimer();
    });
    if (enabled) SetEnabled(true);
}

void QtTimer::SetEnabled(bool enabled) {
    if (enabled == timer->isActive()) return;
    if (enabled) {
        timer->start();
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
    qCDebug(lcTimer).noquote() << timer->objectName() << "interval" << milliseconds;
}

QtImage::QtImage(QLabel* label) : label(label) {
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void QtImage::LoadFromResourceName(const std::string& name) {
    picture = name;
    QPixmap pixmap(QStringLiteral(":/sprites/") + QString::fromStdString(name));
    if (pixmap.isNull())
        qCWarning(lcPicture).noquote() << label->objectName() << "has no picture" << name.c_str();
    label->setPixmap(pixmap);
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
} // namespace

bool QtMediaPlayer::Open() {
    opened = nullptr;
    if (fileName.empty()) return false;
    if (auto known = effects.find(fileName); known != effects.end()) {
        opened = known->second;
    } else {
        const QString path = QString::fromStdString(fileName);
        // A missing file is looked for again next time: the player may yet put it there.
        if (!QFileInfo(path).isFile() || !LooksLikeWav(path)) return false;
        const bool resource = path.startsWith(QLatin1String(":/"));
        opened = new QSoundEffect(parent);
        opened->setSource(resource ? QUrl(QLatin1String("qrc") + path)
                                   : QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
        effects.emplace(fileName, opened);
    }
    return opened->status() != QSoundEffect::Error;
}

bool QtMediaPlayer::Play() {
    if (!opened || opened->status() == QSoundEffect::Error) return false;
    opened->play();
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
