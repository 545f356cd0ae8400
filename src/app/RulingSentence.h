// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rulings of a replay, and why each went as it did, in one plain sentence of the player's
// language built from the reason the referee gave, never from the call's words.

#include "game/replay/Replay.h"

#include <QString>

#include <vector>

namespace pistework::app {

// A ruling of the replay: when its phrase was halted and when it was given.
struct ReplayRuling {
    std::int64_t haltMs = 0;
    std::int64_t ruledMs = 0;
    std::int64_t overMs = 0; // the next "Engarde", or the end
    game::Ruling ruling;
};
std::vector<ReplayRuling> RulingsOf(const game::Replay& replay);

// The referee's reason in one plain sentence; a file of an earlier build says it kept none.
QString ReasonSentence(const game::Ruling& ruling);

} // namespace pistework::app
