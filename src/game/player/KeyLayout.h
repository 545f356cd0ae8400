// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard layout's rules: the preset key strings, which preset a stored string is, and
// the six one-key boxes a string is shown in. A key is one character, not one byte.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pistework::game {

inline constexpr std::size_t kKeysPerSide = 6;

// Each side's keys, one per command in the order of the fencer's commands.
struct Keys {
    std::u32string left;
    std::u32string right;
};

struct KeyPreset {
    std::string_view caption; // as the radio button shows it
    std::u32string_view keys;
};

// The two presets of each side; the third radio button of a side is "Custom".
inline constexpr std::array<KeyPreset, 2> kLeftPresets{{
    {"WSXQAZ", U"wsxqaz"},
    {"ASDZXC", U"asdzxc"},
}};
inline constexpr std::array<KeyPreset, 2> kRightPresets{{
    {"MKO<LP", U"mko,lp"},
    {"KL:M<>", U"kl;m,."},
}};

// The index of the preset whose string equals keys ignoring case; none means "Custom".
std::optional<std::size_t> PresetIndex(const std::array<KeyPreset, 2>& presets,
                                       std::u32string_view keys);

// One character per box by position; boxes past the end of a short string stay empty and
// characters past the sixth are not shown.
std::array<std::u32string, kKeysPerSide> SplitKeys(std::u32string_view keys);

// The boxes in position order; an empty box gives nothing, so later keys move up.
std::u32string JoinKeys(const std::array<std::u32string, kKeysPerSide>& boxes);

} // namespace pistework::game
