#pragma once
// The settings store on QSettings, for organisation "Brackenmoor Fencing Association" and
// application "Pistework": on Linux an INI file under the user's config folder
// (XDG_CONFIG_HOME), read with the system-wide file (/etc/xdg) as a fallback an administrator
// can provide. The game's own key is that file; the player's sound for the hit is its
// "BeepSound" value, read from the player's own file only.

#include "platform/Platform.h"

#include <QSettings>
#include <QString>
#include <QVariantMap>

#include <memory>

namespace pistework::app {

class QtRegistry : public platform::Registry {
public:
    QtRegistry(QString organisation, QString application);
    void SetRootKey(Root root) override { this->root = root; }
    bool OpenKey(const std::string& path, bool canCreate) override;
    bool CloseKey() override;
    bool ValueExists(const std::string& name) const override;
    std::optional<int> ReadInteger(const std::string& name) const override;
    std::optional<std::string> ReadString(const std::string& name) const override;
    bool WriteInteger(const std::string& name, int value) override;
    bool WriteString(const std::string& name, const std::string& value) override;

    // The player's settings file, to name when it cannot be written.
    QString FileName() const;

private:
    QString Key(const std::string& name) const;
    bool FileHoldsWritten() const;

    QString organisation;
    QString application;
    Root root = Root::CurrentUser;
    std::unique_ptr<QSettings> settings;
    // The value that a key's unnamed default value stands for in our file.
    QString unnamedValue;
    // What was written since the key was opened, to check the file for it.
    QVariantMap written;
};

} // namespace pistework::app
