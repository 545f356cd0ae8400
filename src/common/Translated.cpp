// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Translated.h"

#include "common/CallTexts.h"
#include "game/piste/Geometry.h"

#include <QCoreApplication>
#include <QLocale>

#include <string>

namespace pistework {

QString Translated(const char* context, std::string_view text) {
    if (text.empty()) return {};
    return QCoreApplication::translate(context, std::string(text).c_str());
}

QString Steps(int px) {
    return QLocale().toString(static_cast<double>(px) / game::kStep, 'f', 1);
}

QString TranslatedCallText(game::RefereeCall said) {
    return Translated("Referee", CallText(said));
}

QString TranslatedNetworkEnding(game::NetworkEnding ending) {
    return Translated("Network", NetworkEndingText(ending));
}

} // namespace pistework
