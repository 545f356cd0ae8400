// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's kept bouts, one file each in a folder of the user's data (on Linux
// $XDG_DATA_HOME/Brackenmoor Fencing Association/Pistework/bouts). Each file is written to a
// new name through a temporary file and renamed whole, so a full disk leaves no half file and
// two windows never write over each other; the cap then removes only the oldest of ours.

#include "platform/Platform.h"

#include <QString>

namespace pistework::app {

class KeptBoutFolder : public platform::BoutStore {
public:
    // The folder under the user's data folder where the bouts are kept.
    static QString DefaultFolder();
    explicit KeptBoutFolder(QString folder) : folder(std::move(folder)) {}
    bool Add(std::span<const std::uint8_t> bytes) override;
    std::vector<std::string> Names() const override;
    std::optional<std::vector<std::uint8_t>> Read(const std::string& name) const override;
    bool Remove(const std::string& name) override;

    const QString& Folder() const { return folder; }

private:
    QString folder;
};

} // namespace pistework::app
