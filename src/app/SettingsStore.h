// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings store, in the INI files QSettings uses for organisation "Brackenmoor Fencing
// Association" and application "Pistework": on Linux the player's file under the user's config
// folder (XDG_CONFIG_HOME), read over the system-wide file (/etc/xdg) an administrator can
// provide. Only regular files are read or written: a FIFO would hang the game and a device
// must not be replaced. A save waits for the file's lock at most two seconds, and replaces the
// file whole with the values given laid over what is on disk at that moment.

#include "platform/Platform.h"

#include <QString>
#include <QStringList>
#include <QVariant>

namespace pistework::app {

class SettingsStore : public platform::Store {
public:
    SettingsStore(const QString& organisation, const QString& application);
    std::optional<int> ReadInteger(const std::string& name) const override;
    std::optional<std::string> ReadString(const std::string& name) const override;
    std::optional<std::string> ReadOwnString(const std::string& name) const override;
    bool Write(const Values& values) override;

    // The player's settings file, to name when it cannot be written.
    QString FileName() const { return userFile.isEmpty() ? userFolderProblem : userFile; }
    // What the store found wrong with its files, each said once, for the player to be told.
    const QStringList& Problems() const { return problems; }

private:
    std::optional<QVariant> Value(const std::string& name, bool ownOnly) const;

    QString userFile;   // empty when the folder cannot be named faithfully
    QString systemFile; // empty when it is not a regular file
    bool userFileUsable = true;
    QString userFolderProblem;
    QStringList problems;
};

} // namespace pistework::app
