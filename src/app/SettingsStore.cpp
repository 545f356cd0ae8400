// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryFile>
#include <QVariantMap>

#include <cstdio>

namespace pistework::app {

namespace {

// The lock of a save is waited for this long at most; a close must never hang on it.
constexpr int kLockWaitMs = 2000;

// Where QSettings keeps an organisation's file in a scope, read from a settings object for a
// name that does not exist, so that nothing at the real path is opened before it is checked.
QString QtPath(QSettings::Scope scope, const QString& organisation, const QString& application) {
    const QSettings probe(QSettings::NativeFormat, scope, QStringLiteral(".pistework-probe"),
                          QStringLiteral("none"));
    const QString base = QFileInfo(QFileInfo(probe.fileName()).path()).path();
    return base + QLatin1Char('/') + organisation + QLatin1Char('/') + application +
           QStringLiteral(".conf");
}

bool Absent(const QFileInfo& info) {
    return !info.exists() && !info.isSymLink();
}

// A regular file, or a link to one, is read; a FIFO would hang the reading and a device or a
// folder holds no settings.
bool Readable(const QString& path) {
    const QFileInfo info(path);
    return !path.isEmpty() && !Absent(info) && info.isFile();
}

bool Odd(const QString& path) {
    const QFileInfo info(path);
    return !Absent(info) && !info.isFile();
}

// The environment variable whose bytes name the player's config folder, when Qt could not
// decode them as a file name: it would read and write another folder.
QString UndecodableFolder() {
    for (const char* name : {"XDG_CONFIG_HOME", "HOME"}) {
        const QByteArray bytes = qgetenv(name);
        if (bytes.isEmpty()) continue;
        if (QFile::encodeName(QFile::decodeName(bytes)) == bytes) return {};
        return QString::fromLatin1(name);
    }
    return {};
}

// An INI file holds text; an unquoted comma in a hand-edited file ("mko,lp") makes QSettings
// read a list. Anything else (a @Variant or @ByteArray written by hand) is not text.
std::optional<std::string> Text(const QVariant& value) {
    if (value.typeId() == QMetaType::QString) return value.toString().toStdString();
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    return std::nullopt;
}

// Reads a copy of the written file, so no cached reading of the file itself answers.
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

// Lays the values over a copy of what is on disk, beside it, and moves the copy into place:
// the old file stays whole until the new one is complete.
bool ReplaceWith(const QString& target, const platform::Store::Values& values) {
    QTemporaryFile copy(target + QStringLiteral(".XXXXXX"));
    copy.setAutoRemove(false);
    if (!copy.open()) return false;
    const QString copyName = copy.fileName();
    bool ok = true;
    QFile old(target);
    if (old.exists()) {
        ok = old.open(QIODevice::ReadOnly);
        const QByteArray bytes = ok ? old.readAll() : QByteArray();
        ok = ok && old.error() == QFile::NoError && copy.write(bytes) == bytes.size() &&
             copy.flush() && copy.setPermissions(old.permissions());
    } else {
        ok = copy.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                 QFile::ReadOther);
    }
    copy.close();
    QVariantMap written;
    if (ok) {
        QSettings settings(copyName, QSettings::IniFormat);
        for (const auto& [name, value] : values) {
            const QVariant v = std::holds_alternative<int>(value)
                                   ? QVariant(std::get<int>(value))
                                   : QVariant(QString::fromStdString(std::get<std::string>(value)));
            settings.setValue(QString::fromStdString(name), v);
            written.insert(QString::fromStdString(name), v);
        }
        settings.sync();
        // A malformed line in the file leaves FormatError standing although QSettings writes a
        // clean file all the same: then the file itself must hold what was written.
        ok = settings.status() == QSettings::NoError ||
             (settings.status() == QSettings::FormatError && FileHolds(copyName, written));
    }
    ok = ok && std::rename(QFile::encodeName(copyName).constData(),
                           QFile::encodeName(target).constData()) == 0;
    if (!ok) QFile::remove(copyName);
    return ok;
}

} // namespace

SettingsStore::SettingsStore(const QString& organisation, const QString& application) {
    const QString undecodable = UndecodableFolder();
    if (undecodable.isEmpty()) {
        userFile = QtPath(QSettings::UserScope, organisation, application);
    } else {
        userFolderProblem =
            QCoreApplication::translate("SettingsStore",
                                        "the folder named by %1, whose name is not valid UTF-8")
                .arg(undecodable);
        problems << QCoreApplication::translate(
                        "SettingsStore",
                        "Your settings folder is named by %1 in bytes that are not "
                        "UTF-8, so the game cannot name it: it starts with the "
                        "defaults, and the options chosen this time will not be saved.")
                        .arg(undecodable);
    }
    systemFile = QtPath(QSettings::SystemScope, organisation, application);
    for (const QString& path : {userFile, systemFile})
        if (!path.isEmpty() && Odd(path))
            problems << QCoreApplication::translate(
                            "SettingsStore",
                            "%1 is not a regular file, so the game does not read it "
                            "and will not replace it.")
                            .arg(path);
}

std::optional<QVariant> SettingsStore::Value(const std::string& name, bool ownOnly) const {
    const QString key = QString::fromStdString(name);
    for (const QString& path : {userFile, ownOnly ? QString() : systemFile}) {
        if (!Readable(path)) continue;
        const QSettings settings(path, QSettings::IniFormat);
        if (settings.contains(key)) return settings.value(key);
    }
    return std::nullopt;
}

// A number is text that reads as one; anything else is of the wrong kind and reads as absent.
std::optional<int> SettingsStore::ReadInteger(const std::string& name) const {
    const std::optional<QVariant> value = Value(name, false);
    if (!value) return std::nullopt;
    if (value->typeId() == QMetaType::Int) return value->toInt();
    if (value->typeId() != QMetaType::QString) return std::nullopt;
    bool ok = false;
    const int number = value->toString().toInt(&ok);
    if (!ok) return std::nullopt;
    return number;
}

std::optional<std::string> SettingsStore::ReadString(const std::string& name) const {
    const std::optional<QVariant> value = Value(name, false);
    if (!value) return std::nullopt;
    return Text(*value);
}

std::optional<std::string> SettingsStore::ReadOwnString(const std::string& name) const {
    const std::optional<QVariant> value = Value(name, true);
    if (!value) return std::nullopt;
    return Text(*value).value_or("");
}

bool SettingsStore::Write(const Values& values) {
    if (values.empty()) return true;
    if (userFile.isEmpty() || Odd(userFile)) return false;
    // A link is followed, so a player's linked settings file stays a link.
    const QFileInfo info(userFile);
    const QString target = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    if (!QDir().mkpath(QFileInfo(target).path())) return false;
    // The lock QSettings itself takes, so other programs writing the file wait for us too.
    QLockFile lock(userFile + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) return false;
    return ReplaceWith(target, values);
}

} // namespace pistework::app
