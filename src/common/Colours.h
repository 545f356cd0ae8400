// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's colours; the handbook draws the game's pictures on the same green.

#include <cstdint>

namespace pistework::layout {

struct Rgb {
    std::uint8_t r, g, b;
};

inline constexpr Rgb kWindowGreen{64, 128, 64};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlack{0, 0, 0};

} // namespace pistework::layout
