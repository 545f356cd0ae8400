// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's language: the game's own texts and Qt's, loaded once at start for the
// desktop's language. English is the language the sources are written in, and loads nothing.

#include <QString>

class QCoreApplication;

namespace pistework::app {

// Installs the translations of the first language the desktop asks for that the game speaks;
// none when that language is English or the game does not speak it. Returns the language
// loaded ("fr"), or an empty string.
QString LoadTranslations(QCoreApplication& app);

} // namespace pistework::app
