#pragma once
// The settings store on QSettings, for organisation "Brackenmoor Fencing Association" and
// application "Pistework": on Linux an INI file under the user's config folder
// (XDG_CONFIG_HOME), read with the system-wide file (/etc/xdg) as a fallback an administrator
// can provide.

#include "platform/Platform.h"

#include <QString>

class QSettings;

namespace pistework::app {

class SettingsStore : public platform::Store {
public:
    SettingsStore(QString organisation, QString application);
    std::optional<int> ReadInteger(const std::string& name) const override;
    std::optional<std::string> ReadString(const std::string& name) const override;
    std::optional<std::string> ReadOwnString(const std::string& name) const override;
    bool Write(const Values& values) override;

    // The player's settings file, to name when it cannot be written.
    QString FileName() const;

private:
    QString organisation;
    QString application;
};

} // namespace pistework::app
