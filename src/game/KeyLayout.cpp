// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/KeyLayout.h"

#include <algorithm>

namespace pistework::game {

namespace {
// The presets are plain ASCII letters and signs, so folding ASCII letters is enough: a
// non-Latin key can never equal a preset, whatever its case.
char32_t FoldCase(char32_t c) {
    return (c >= U'A' && c <= U'Z') ? c - U'A' + U'a' : c;
}

// For clashes the Latin-1 letters a European keyboard types fold too ("É" is "é"); the
// multiplication sign in their midst is no letter.
char32_t FoldKey(char32_t c) {
    if (c >= U'\u00C0' && c <= U'\u00DE' && c != U'\u00D7') return c + 0x20;
    return FoldCase(c);
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

std::optional<KeyClash> FindClash(const std::array<std::u32string, kKeysPerSide>& left,
                                  const std::array<std::u32string, kKeysPerSide>& right) {
    std::array<KeyBox, 2 * kKeysPerSide> boxes{};
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = {i >= kKeysPerSide, i % kKeysPerSide};
    auto keyIn = [&](const KeyBox& box) -> const std::u32string& {
        return (box.right ? right : left)[box.position];
    };
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const std::u32string& first = keyIn(boxes[i]);
        if (first.empty()) continue;
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            if (std::ranges::equal(first, keyIn(boxes[j]),
                                   [](char32_t x, char32_t y) { return FoldKey(x) == FoldKey(y); }))
                return KeyClash{first.front(), boxes[i], boxes[j]};
    }
    return std::nullopt;
}

std::u32string JoinKeys(const std::array<std::u32string, kKeysPerSide>& boxes) {
    std::u32string keys;
    for (const auto& box : boxes)
        keys += box;
    return keys;
}

} // namespace pistework::game
