// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the referee says, in the game's own English, keyed by the call. Plain C++, so headless
// tools and tests read the same texts the window shows; the window and the handbook show them
// translated (TranslatedCallText), with these English sentences as the translations' source
// texts.

#include "game/BoutView.h"
#include "game/TextMarks.h"

#include <array>
#include <string>
#include <string_view>

class QString;

namespace pistework {

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

// Each call but None has its words, in the order of the calls.
static_assert([] {
    for (std::size_t at = 0; at < kCallWords.size(); ++at)
        if (kCallWords[at].call != static_cast<game::Call>(at + 1)) return false;
    return kCallWords.back().call == game::kLastCall;
}());

// The text of a call in English; a call on two lines has them joined by a newline.
inline std::string CallText(game::RefereeCall said) {
    for (const CallWords& words : kCallWords)
        if (words.call == said.call)
            return std::string(said.side == game::Side::Right && !words.right.empty() ? words.right
                                                                                      : words.left);
    return ""; // Call::None clears the caption
}

// The text of a call in the player's language, as the window and the handbook show it.
QString TranslatedCallText(game::RefereeCall said);

// Why a network bout ended, said in the call area in place of a call, and in the dialogs of a
// host or guest turned away. The breaches of the link's rules share one plain sentence.
struct EndingWords {
    game::NetworkEnding ending;
    std::string_view text;
};

inline constexpr std::string_view kBrokenLinkWords = QT_TRANSLATE_NOOP(
    "Network", "The other game sent what no game sends:\nthe network bout is over");

inline constexpr std::array<EndingWords, 14> kEndingWords{{
    {game::NetworkEnding::Left, QT_TRANSLATE_NOOP("Network", "Network bout ended")},
    {game::NetworkEnding::PeerLeft,
     QT_TRANSLATE_NOOP("Network", "Your opponent left the network bout")},
    {game::NetworkEnding::Lost,
     QT_TRANSLATE_NOOP("Network", "The connection to your opponent was lost")},
    {game::NetworkEnding::Silent,
     QT_TRANSLATE_NOOP("Network", "Your opponent has not answered\nfor five seconds")},
    {game::NetworkEnding::WrongCode, QT_TRANSLATE_NOOP("Network", "The pairing code is wrong")},
    {game::NetworkEnding::WrongVersion,
     QT_TRANSLATE_NOOP("Network", "The other game is another version of Pistework")},
    {game::NetworkEnding::Busy, QT_TRANSLATE_NOOP("Network", "The host has a guest already")},
    {game::NetworkEnding::Disagreed,
     QT_TRANSLATE_NOOP("Network",
                       "The two games saw the bout differently:\nthe network bout is over")},
    {game::NetworkEnding::TooManyTries,
     QT_TRANSLATE_NOOP("Network",
                       "Too many wrong codes from your address:\nwait a moment, then try again")},
    {game::NetworkEnding::FellBehind,
     QT_TRANSLATE_NOOP("Network", "Your opponent's game fell behind:\nthe network bout is over")},
    {game::NetworkEnding::PeerLeftAfterBout,
     QT_TRANSLATE_NOOP("Network", "The bout is over and your opponent has gone")},
    {game::NetworkEnding::HostLeft, QT_TRANSLATE_NOOP("Network", "The host left the network bout")},
    {game::NetworkEnding::BoutOver, QT_TRANSLATE_NOOP("Network", "The network bout is over")},
    {game::NetworkEnding::HostLost,
     QT_TRANSLATE_NOOP("Network", "The connection to the host was lost")},
}};

// Said in the call area while a network bout stands, waiting for the other game.
inline constexpr std::string_view kWaitingWords =
    QT_TRANSLATE_NOOP("Network", "Waiting for the other player…");

inline std::string NetworkEndingText(game::NetworkEnding ending) {
    for (const EndingWords& words : kEndingWords)
        if (words.ending == ending) return std::string(words.text);
    return std::string(kBrokenLinkWords);
}

QString TranslatedNetworkEnding(game::NetworkEnding ending);

} // namespace pistework
