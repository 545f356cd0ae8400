#include "app/QtControls.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPixmap>
#include <QProcess>
#include <QUrl>

Q_LOGGING_CATEGORY(lcCaption, "pistework.caption", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPicture, "pistework.picture", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTimer, "pistework.timer", QtWarningMsg)

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
    if (action->isCheckable()) action->setChecked(Checked());
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

bool QtMediaPlayer::Open() {
    const QString path = QString::fromStdString(fileName);
    opened = !path.isEmpty() && QFileInfo(path).isReadable();
    if (opened) effect->setSource(QUrl::fromLocalFile(path));
    return opened;
}

bool QtMediaPlayer::Play() {
    if (!opened) return false;
    effect->play();
    return true;
}

QtRegistry::QtRegistry(QString organisation, QString application)
    : organisation(std::move(organisation)), application(std::move(application)) {}

bool QtRegistry::OpenKey(const std::string& path, bool canCreate) {
    CloseKey();
    // Only the game's own key lives in our settings file; the other keys of the desktop
    // registry have no counterpart here and do not exist.
    const std::string ownKey =
        "SOFTWARE\\" + organisation.toStdString() + "\\" + application.toStdString();
    if (root != Root::LocalMachine || path != ownKey) return false;
    settings = std::make_unique<QSettings>(organisation, application);
    (void)canCreate; // QSettings creates its file on the first write.
    return true;
}

bool QtRegistry::CloseKey() {
    if (!settings) return true;
    // QSettings replaces its file whole, so a failed write leaves the old file as it was.
    settings->sync();
    const bool stored = settings->status() == QSettings::NoError;
    settings.reset();
    return stored;
}

bool QtRegistry::ValueExists(const std::string& name) const {
    return settings && settings->contains(QString::fromStdString(name));
}

std::optional<int> QtRegistry::ReadInteger(const std::string& name) const {
    if (!ValueExists(name)) return std::nullopt;
    bool ok = false;
    const int value = settings->value(QString::fromStdString(name)).toString().toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

std::optional<std::string> QtRegistry::ReadString(const std::string& name) const {
    if (!ValueExists(name)) return std::nullopt;
    return settings->value(QString::fromStdString(name)).toString().toStdString();
}

bool QtRegistry::WriteInteger(const std::string& name, int value) {
    if (!settings || !settings->isWritable()) return false;
    settings->setValue(QString::fromStdString(name), value);
    return true;
}

bool QtRegistry::WriteString(const std::string& name, const std::string& value) {
    if (!settings || !settings->isWritable()) return false;
    settings->setValue(QString::fromStdString(name), QString::fromStdString(value));
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
