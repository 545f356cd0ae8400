#include "app/SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariantMap>

namespace pistework::app {

namespace {

QString Key(const std::string& name) {
    return QString::fromStdString(name);
}

// An INI file holds text; an unquoted comma in a hand-edited file ("mko,lp") makes QSettings
// read a list. Anything else (a @Variant or @ByteArray written by hand) is not text.
std::optional<std::string> Text(const QVariant& value) {
    if (value.typeId() == QMetaType::QString) return value.toString().toStdString();
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    return std::nullopt;
}

// Reads a copy of the player's file, so no cached reading of the file itself answers.
bool FileHolds(const QString& fileName, const QVariantMap& written) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return written.isEmpty();
    QTemporaryFile copy;
    if (!copy.open() || copy.write(file.readAll()) != file.size() || !copy.flush()) return false;
    const QSettings reread(copy.fileName(), QSettings::IniFormat);
    if (reread.status() != QSettings::NoError) return false;
    for (auto it = written.cbegin(); it != written.cend(); ++it)
        if (reread.value(it.key()).toString() != it.value().toString()) return false;
    return true;
}

} // namespace

SettingsStore::SettingsStore(QString organisation, QString application)
    : organisation(std::move(organisation)), application(std::move(application)) {}

// A number is text that reads as one; anything else is of the wrong kind and reads as absent.
std::optional<int> SettingsStore::ReadInteger(const std::string& name) const {
    const QSettings settings(organisation, application);
    if (!settings.contains(Key(name))) return std::nullopt;
    const QVariant value = settings.value(Key(name));
    if (value.typeId() == QMetaType::Int) return value.toInt();
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    bool ok = false;
    const int number = value.toString().toInt(&ok);
    if (!ok) return std::nullopt;
    return number;
}

std::optional<std::string> SettingsStore::ReadString(const std::string& name) const {
    const QSettings settings(organisation, application);
    if (!settings.contains(Key(name))) return std::nullopt;
    return Text(settings.value(Key(name)));
}

std::optional<std::string> SettingsStore::ReadOwnString(const std::string& name) const {
    QSettings settings(QSettings::UserScope, organisation, application);
    settings.setFallbacksEnabled(false);
    if (!settings.contains(Key(name))) return std::nullopt;
    return Text(settings.value(Key(name))).value_or("");
}

bool SettingsStore::Write(const Values& values) {
    QSettings settings(organisation, application);
    QVariantMap written;
    for (const auto& [name, value] : values) {
        const QVariant v = std::holds_alternative<int>(value)
                               ? QVariant(std::get<int>(value))
                               : QVariant(QString::fromStdString(std::get<std::string>(value)));
        settings.setValue(Key(name), v);
        written.insert(Key(name), v);
    }
    // QSettings replaces its file whole, so a failed write leaves the old file as it was. Its
    // status means something only after sync().
    settings.sync();
    // A malformed line read from the player's file or the administrator's leaves FormatError
    // standing, and it hides whether the write worked: QSettings writes a clean file all the
    // same. Then the player's file itself must hold what was written.
    if (settings.status() == QSettings::FormatError) return FileHolds(settings.fileName(), written);
    return settings.status() == QSettings::NoError;
}

QString SettingsStore::FileName() const {
    return QSettings(organisation, application).fileName();
}

} // namespace pistework::app
