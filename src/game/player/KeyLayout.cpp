// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/player/KeyLayout.h"

#include <algorithm>

namespace pistework::game {

namespace {
// The presets are plain ASCII letters and signs, so folding ASCII letters is enough: a
// non-Latin key can never equal a preset, whatever its case.
char32_t FoldCase(char32_t c) {
    return (c >= U'A' && c <= U'Z') ? c - U'A' + U'a' : c;
}

bool EqualIgnoringCase(std::u32string_view a, std::u32string_view b) {
    return std::ranges::equal(a, b,
                              [](char32_t x, char32_t y) { return FoldCase(x) == FoldCase(y); });
}
} // namespace

std::optional<std::size_t> PresetIndex(const std::array<KeyPreset, 2>& presets,
                                       std::u32string_view keys) {
    for (std::size_t i = 0; i < presets.size(); ++i)
        if (EqualIgnoringCase(presets[i].keys, keys)) return i;
    return std::nullopt;
}

std::array<std::u32string, kKeysPerSide> SplitKeys(std::u32string_view keys) {
    std::array<std::u32string, kKeysPerSide> boxes{};
    for (std::size_t i = 0; i < boxes.size() && i < keys.size(); ++i)
        boxes[i] = std::u32string(1, keys[i]);
    return boxes;
}

std::u32string JoinKeys(const std::array<std::u32string, kKeysPerSide>& boxes) {
    std::u32string keys;
    for (const auto& box : boxes)
        keys += box;
    return keys;
}

} // namespace pistework::game
