// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's language for the texts the shared tables hold: each is marked with
// QT_TRANSLATE_NOOP(context, ...) where it is written and translated where it is shown.

#include <QString>

#include <string_view>

namespace pistework {

// A marked text in the player's language; an empty text stays empty.
QString Translated(const char* context, std::string_view text);

// A length on the piste as a player pictures it: in steps, each what one advance covers, to a
// tenth and in the locale's own numbers, where pixels would mean nothing.
QString Steps(int px);

} // namespace pistework
