// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two fencers' sides. The left fencer is the computer (or the second player), drawn from
// the "A" pictures; the right fencer is the player, drawn from the "B" pictures.

#include <array>
#include <cstddef>
#include <string_view>

namespace pistework::game {

// Replays and frames hold a side as its number.
enum class Side : unsigned char { Left = 0, Right = 1 };

inline constexpr std::array<Side, 2> kSides{Side::Left, Side::Right};

constexpr Side Opposite(Side side) {
    return side == Side::Left ? Side::Right : Side::Left;
}

// The picture suffix: "ENGARDE" + "A" for the left fencer.
constexpr std::string_view Suffix(Side side) {
    return side == Side::Left ? "A" : "B";
}

// +1 when the side's forward is to the right of the window, -1 when to the left.
constexpr int Forward(Side side) {
    return side == Side::Left ? 1 : -1;
}

// One value for each side, indexed by side.
template <typename T> class PerSide {
public:
    constexpr PerSide() = default;
    constexpr PerSide(T left, T right) : values{std::move(left), std::move(right)} {}
    constexpr T& operator[](Side side) { return values[Index(side)]; }
    constexpr const T& operator[](Side side) const { return values[Index(side)]; }
    friend bool operator==(const PerSide&, const PerSide&) = default;

private:
    static constexpr std::size_t Index(Side side) { return side == Side::Left ? 0 : 1; }
    std::array<T, 2> values{};
};

} // namespace pistework::game
