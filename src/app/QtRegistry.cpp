#include "app/QtRegistry.h"

#include "game/Settings.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryFile>

namespace pistework::app {

QtRegistry::QtRegistry(QString organisation, QString application)
    : organisation(std::move(organisation)), application(std::move(application)) {}

bool QtRegistry::OpenKey(const std::string& path, bool canCreate) {
    CloseKey();
    // QSettings creates its file on the first write, so every key we know can be created.
    (void)canCreate;
    if (root == Root::LocalMachine && path == game::kGameKey) {
        settings = std::make_unique<QSettings>(organisation, application);
        return true;
    }
    // The player's own sound, never the administrator's: the key exists only when the
    // player's file sets it.
    if (root == Root::CurrentUser && path == game::kSoundSchemeKey) {
        settings = std::make_unique<QSettings>(QSettings::UserScope, organisation, application);
        settings->setFallbacksEnabled(false);
        unnamedValue = QStringLiteral("BeepSound");
        if (settings->contains(unnamedValue)) return true;
        settings.reset();
    }
    // The other keys of the desktop registry have no counterpart here.
    return false;
}

bool QtRegistry::CloseKey() {
    unnamedValue.clear();
    if (!settings) return true;
    // QSettings replaces its file whole, so a failed write leaves the old file as it was.
    // Its status means something only after sync().
    settings->sync();
    bool stored = settings->status() == QSettings::NoError;
    // A malformed line read from the player's file or the administrator's leaves FormatError
    // standing, and it hides whether the write worked: QSettings writes a clean file all the
    // same. Then the player's file itself must hold what was written.
    if (settings->status() == QSettings::FormatError) stored = FileHoldsWritten();
    settings.reset();
    written.clear();
    return stored;
}

// Reads a copy of the player's file, so no cached reading of the file itself answers.
bool QtRegistry::FileHoldsWritten() const {
    QFile file(settings->fileName());
    if (!file.open(QIODevice::ReadOnly)) return written.isEmpty();
    QTemporaryFile copy;
    if (!copy.open() || copy.write(file.readAll()) != file.size() || !copy.flush()) return false;
    const QSettings reread(copy.fileName(), QSettings::IniFormat);
    if (reread.status() != QSettings::NoError) return false;
    for (auto it = written.cbegin(); it != written.cend(); ++it)
        if (reread.value(it.key()).toString() != it.value().toString()) return false;
    return true;
}

QString QtRegistry::Key(const std::string& name) const {
    return name.empty() ? unnamedValue : QString::fromStdString(name);
}

bool QtRegistry::ValueExists(const std::string& name) const {
    const QString key = Key(name);
    return settings && !key.isEmpty() && settings->contains(key);
}

// An INI file holds text; a number is text that reads as one. Anything else (a list, a
// @Variant or @ByteArray written by hand) is of the wrong kind and reads as absent.
std::optional<int> QtRegistry::ReadInteger(const std::string& name) const {
    if (!ValueExists(name)) return std::nullopt;
    const QVariant value = settings->value(Key(name));
    if (value.typeId() == QMetaType::Int) return value.toInt();
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    bool ok = false;
    const int number = value.toString().toInt(&ok);
    if (!ok) return std::nullopt;
    return number;
}

std::optional<std::string> QtRegistry::ReadString(const std::string& name) const {
    if (!ValueExists(name)) return std::nullopt;
    const QVariant value = settings->value(Key(name));
    if (value.typeId() == QMetaType::QString) return value.toString().toStdString();
    // An unquoted comma in a hand-edited file ("mko,lp") makes QSettings read a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    return std::nullopt;
}

bool QtRegistry::WriteInteger(const std::string& name, int value) {
    if (!settings) return false;
    settings->setValue(Key(name), value);
    written.insert(Key(name), value);
    return true;
}

bool QtRegistry::WriteString(const std::string& name, const std::string& value) {
    if (!settings) return false;
    settings->setValue(Key(name), QString::fromStdString(value));
    written.insert(Key(name), QString::fromStdString(value));
    return true;
}

QString QtRegistry::FileName() const {
    return QSettings(organisation, application).fileName();
}

} // namespace pistework::app
