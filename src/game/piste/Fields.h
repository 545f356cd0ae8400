// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Each part of a bout lists its fields once, in a `Fields(self, visit)` of its own; the
// digest, the replay's writer and its reader all walk that one list, so a field cannot be
// hashed and forgotten by the file, or the other way round. A field a bout keeps in narrower
// bounds than its type says so here, for the reader of a hostile file.

#include <cstdint>
#include <limits>

namespace pistework::game {

template <typename T> struct Bounded {
    T& value;
    std::int64_t low, high;
};
template <typename T> Bounded<T> In(T& value, std::int64_t low, std::int64_t high) {
    return {value, low, high};
}

// Far past any x on the piste, as a replay's pictures bound them.
inline constexpr std::int64_t kFarX = 4096;
// More frames than any sequence plays.
inline constexpr std::int64_t kMostFrames = 64;
// Numbers a bout counts (hits, seconds, starts of a timer) stay within this, so no step of a
// bout read from a file overflows; times in milliseconds within kFarMs.
inline constexpr std::int64_t kFarCount = std::int64_t{1} << 30;
// A target or a speed stored by hand, and the clock that follows from a target, may be as large
// as an int holds.
inline constexpr std::int64_t kByHand = std::numeric_limits<int>::max();
// A range stored by hand may be any int at all, below zero too.
inline constexpr std::int64_t kByHandLow = std::numeric_limits<int>::min();
inline constexpr std::int64_t kFarMs = std::int64_t{1} << 53;

} // namespace pistework::game
