// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the referee says, in the game's own English, keyed by the call. Plain C++, so headless
// tools and tests read the same texts the window shows; the window shows them translated
// (TranslatedCallText), with these English sentences as the translations' source texts.

#include "app/TextMarks.h"
#include "game/BoutView.h"

#include <array>
#include <string>
#include <string_view>

class QString;

namespace pistework::app {

struct CallWords {
    game::Call call;
    // Said of the left fencer, and of the right; a call that names no side has only `left`.
    // Whole sentences per side, as other languages word the side differently.
    std::string_view left;
    std::string_view right = {};
};

inline constexpr std::array<CallWords, 15> kCallWords{{
    {game::Call::Engarde, QT_TRANSLATE_NOOP("Referee", "Engarde")},
    {game::Call::Ready, QT_TRANSLATE_NOOP("Referee", "Are you ready?")},
    {game::Call::Fence, QT_TRANSLATE_NOOP("Referee", "Fence")},
    {game::Call::Halt, QT_TRANSLATE_NOOP("Referee", "Halt")},
    {game::Call::Attack, QT_TRANSLATE_NOOP("Referee", "Attack from the Left"),
     QT_TRANSLATE_NOOP("Referee", "Attack from the Right")},
    // On two lines.
    {game::Call::AttackAndCounter,
     QT_TRANSLATE_NOOP("Referee", "Attack from the Left\nCounter Attack from the Right"),
     QT_TRANSLATE_NOOP("Referee", "Attack from the Right\nCounter Attack from the Left")},
    {game::Call::OffTarget, QT_TRANSLATE_NOOP("Referee", "Off Target")},
    {game::Call::Successful, QT_TRANSLATE_NOOP("Referee", "Successful")},
    {game::Call::SuccessfulCounterOutOfTime,
     QT_TRANSLATE_NOOP("Referee", "Attack is Successful\nCounter is Out of Time")},
    {game::Call::Passed, QT_TRANSLATE_NOOP("Referee", "Opponent Passed")},
    {game::Call::CorpsACorps, QT_TRANSLATE_NOOP("Referee", "Corps à Corps")},
    {game::Call::YellowCard, QT_TRANSLATE_NOOP("Referee", "Warning - Yellow Card Left"),
     QT_TRANSLATE_NOOP("Referee", "Warning - Yellow Card Right")},
    {game::Call::RedCard, QT_TRANSLATE_NOOP("Referee", "Warning - Red Card Left"),
     QT_TRANSLATE_NOOP("Referee", "Warning - Red Card Right")},
    {game::Call::ReturnToEngarde, QT_TRANSLATE_NOOP("Referee", "Return to Engarde")},
    {game::Call::GameOver, QT_TRANSLATE_NOOP("Referee", "Game Over")},
}};

// The text of a call in English; a call on two lines has them joined by a newline.
inline std::string CallText(game::RefereeCall said) {
    for (const CallWords& words : kCallWords)
        if (words.call == said.call)
            return std::string(said.side == game::Side::Right && !words.right.empty() ? words.right
                                                                                      : words.left);
    return ""; // Call::None clears the caption
}

// The text of a call in the player's language, as the window shows it.
QString TranslatedCallText(game::RefereeCall said);

} // namespace pistework::app
