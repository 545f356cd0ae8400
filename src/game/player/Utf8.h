// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Key strings are stored as UTF-8 text but played as whole characters: "é" or "ж" is one key.

#include <string>
#include <string_view>

namespace pistework::game {

// A byte that does not start a well-formed sequence reads as U+FFFD, one for each such byte,
// so text from a hand-edited file never stops the reading.
std::u32string FromUtf8(std::string_view text);
std::string ToUtf8(std::u32string_view text);

} // namespace pistework::game
