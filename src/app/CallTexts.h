#pragma once
// What the referee says, in the game's own English, keyed by the call. The window shows these
// texts; this table is where translations plug in. Plain C++, so headless tools and tests
// read the same texts the window shows.

#include "game/BoutView.h"

#include <string>
#include <string_view>

namespace pistework::app {

// "Attack from the Left", "Warning - Red Card Right": the side a call names.
constexpr std::string_view SideName(game::Side side) {
    return side == game::Side::Left ? "Left" : "Right";
}

// The text of a call; a call on two lines has them joined by a newline.
inline std::string CallText(game::RefereeCall said) {
    using game::Call;
    const std::string side(SideName(said.side));
    const std::string other(SideName(game::Opposite(said.side)));
    switch (said.call) {
    case Call::None:
        return "";
    case Call::Engarde:
        return "Engarde";
    case Call::Ready:
        return "Are you ready?";
    case Call::Fence:
        return "Fence";
    case Call::Halt:
        return "Halt";
    case Call::Attack:
        return "Attack from the " + side;
    case Call::AttackAndCounter:
        return "Attack from the " + side + "\nCounter Attack from the " + other;
    case Call::OffTarget:
        return "Off Target";
    case Call::Successful:
        return "Successful";
    case Call::SuccessfulCounterOutOfTime:
        return "Attack is Successful\nCounter is Out of Time";
    case Call::Passed:
        return "Opponent Passed";
    case Call::CorpsACorps:
        return "Corps \xC3\xA0 Corps";
    case Call::YellowCard:
        return "Warning - Yellow Card " + side;
    case Call::RedCard:
        return "Warning - Red Card " + side;
    case Call::ReturnToEngarde:
        return "Return to Engarde";
    case Call::GameOver:
        return "Game Over";
    }
    return "";
}

} // namespace pistework::app
