// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The piste in window pixels: where the fencers start, how far they move, where their reference
// points lie and how near the points must come. A fencer's position is the Left of its 150 px
// picture; the right fencer mirrors the left one's forward direction.

namespace pistework::game {

// The engarde lines: where the fencers stand for a bout's first "Engarde".
inline constexpr int kEngardeLeftA = 106;
inline constexpr int kEngardeLeftB = 244;

inline constexpr int kStep = 10;
inline constexpr int kFlecheJump = 30;
// Reference points move in whole units of 5 px, and points are compared in them too.
inline constexpr int kPointUnit = 5;

// Reference points of the engarde picture, from the picture's left edge.
struct EngardePoints {
    int tip;
    int guard;
    int body;
};
inline constexpr EngardePoints kEngardeA{115, 89, 43};
inline constexpr EngardePoints kEngardeB{35, 61, 107};

// A lunge lands when its point arrives 0 to 2 units past the body point, and off target
// 1 unit short of it.
inline constexpr int kHitUnitsMin = 0;
inline constexpr int kHitUnitsMax = 2;
inline constexpr int kOffTargetUnits = -1;
// A parry catches a blade whose hand is level with its own or up to 6 units before it.
inline constexpr int kParryReachUnits = 6;
// The left fencer's target more than 2 units beyond the right fencer's: they have passed.
inline constexpr int kPassingUnits = 2;

// The right end of the piste for the right fencer's picture, and the room a retreat needs.
inline constexpr int kPisteRightEnd = 350;
inline constexpr int kRetreatRoom = 30;

// The return to engarde: steps back after an off-target hit or a pass, the shift after a
// flèche that ran into the other half, and the ends that hold the pair on the piste.
inline constexpr int kOffTargetStep = 20;
inline constexpr int kPassStep = 80;
inline constexpr int kRunnerShift = 100;
inline constexpr int kLeftLimitA = 26;
inline constexpr int kLeftLimitB = 104;
inline constexpr int kRightLimitA = 256;
inline constexpr int kRightLimitB = 344;

} // namespace pistework::game
