// SPDX-License-Identifier: GPL-3.0-or-later
// The sixteen inks every sprite is drawn with. The pictures are stored as 16-colour
// indexed PNGs; ink 0 is the transparent background. Tests find the blade, the bell
// guard and the lamé by these colours, so each ink has a colour of its own.
#pragma once

#include <array>
#include <cstdint>

namespace sprites {

enum Ink : std::uint8_t {
    Clear = 0,
    Outline,
    White, // jacket, breeches, socks, mask back
    Shade, // cloth in shadow
    Lame,  // the lamé vest: the valid target
    Mesh,  // mask front
    Blade,
    Guard, // bell guard
    Shoe,
    SideRed,   // the left fencer's mark, and the bright red lamp
    SideGreen, // the right fencer's mark, and the bright green lamp
    Yellow,    // lamp stand
    Ground,    // lamp ground
    DarkRed,
    DarkTeal,
    LampGrey,
    InkCount
};

// 0xAARRGGBB
inline constexpr std::array<std::uint32_t, InkCount> inkColours = {
    0x00000000u, // Clear
    0xff1c1c26u, // Outline
    0xffffffffu, // White
    0xffc4c8d4u, // Shade
    0xff9aa4b6u, // Lame
    0xff3c3c4cu, // Mesh
    0xff2a3048u, // Blade
    0xffe0d07cu, // Guard
    0xff3a2e2au, // Shoe
    0xffe01818u, // SideRed
    0xff20d040u, // SideGreen
    0xfff0d000u, // Yellow
    0xff008000u, // Ground
    0xff700000u, // DarkRed
    0xff005a5au, // DarkTeal
    0xff808080u, // LampGrey
};

// Window background behind every picture (used by the contact sheet).
inline constexpr std::uint32_t windowGreen = 0xff408040u;

} // namespace sprites
