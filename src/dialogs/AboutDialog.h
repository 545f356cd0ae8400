// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "About B.K.S.": who the association is, with links to its site and the federation's.

#include "dialogs/TextLabels.h"
#include "game/player/Browser.h"
#include "platform/Platform.h"

#include <QDialog>

#include <array>
#include <string_view>

namespace pistework::dialogs {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // The browser is found from the environment given, the process's own unless a test
    // chooses; the launcher starts it.
    AboutDialog(QWidget* owner, platform::Launcher& launcher,
                game::Environment environment = game::ProcessEnvironment);

    // Its texts and links, top to bottom, as it is built from them.
    static const std::array<PlacedText, 7> kTexts;

private:
    void Open(std::string_view address);

    platform::Launcher& launcher;
    game::Environment environment;
};

} // namespace pistework::dialogs
