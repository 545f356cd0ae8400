#pragma once
// The referee's calls and the pause captions, in the order of the window's hidden list
// ListBoxStrings, which the game fills from this table.

#include <array>
#include <string>
#include <string_view>

namespace pistework::game {

enum class Call {
    Engarde,
    Ready,
    Fence,
    Halt,
    AttackLeft,
    AttackRight,
    CounterLeft,
    CounterRight,
    OffTarget,
    Successful,
    Passed,
    YellowLeft,
    RedLeft,
    YellowRight,
    RedRight,
    ReturnToEngarde,
    AttackSuccessful,
    CounterOutOfTime,
    PauseGame,
    ResumeGame,
    GameOver,
};

inline constexpr std::array<std::string_view, 21> kCallTexts{{
    "Engarde",
    "Are you ready?",
    "Fence",
    "Halt",
    "Attack from the Left",
    "Attack from the Right",
    "Counter Attack from the Left",
    "Counter Attack from the Right",
    "Off Target",
    "Successful",
    "Opponent Passed",
    "Warning - Yellow Card Left",
    "Warning - Red Card Left",
    "Warning - Yellow Card Right",
    "Warning - Red Card Right",
    "Return to Engarde",
    "Attack is Successful",
    "Counter is Out of Time",
    "&Pause Game",
    "&Resume Game",
    "Game Over",
}};

inline std::string CallText(Call call) {
    return std::string(kCallTexts[static_cast<std::size_t>(call)]);
}

// Two-line calls are joined with one carriage return.
inline std::string TwoLines(Call first, Call second) {
    return CallText(first) + '\r' + CallText(second);
}

// Running into the opponent too soon after one's own last pass; not in the list.
inline constexpr std::string_view kCorpsACorps = "Corps \xC3\xA0 Corps";

} // namespace pistework::game
