#pragma once
// The geometry of a fencer on the piste: where body, sword hand and point lie in each frame,
// how far steps and flèches carry, and the posture an action leaves when it has played out.

#include <optional>

namespace pistework::game {

// Window pixels, in the left fencer's forward direction; the right fencer mirrors them.
inline constexpr int kStep = 10;
inline constexpr int kFlecheJump = 30;
inline constexpr int kPointUnit = 5;

// Reference points of the engarde picture, from the image's left edge.
struct EngardePoints {
    int tip;
    int guard;
    int body;
};
inline constexpr EngardePoints kEngardeA{115, 89, 43};
inline constexpr EngardePoints kEngardeB{35, 61, 107};

// How far point, hand and body stand forward of the engarde picture, in point units.
struct PointOffset {
    int tip = 0;
    int guard = 0;
    int body = 0;
    friend bool operator==(const PointOffset&, const PointOffset&) = default;
};

PointOffset PointOffsets(int action, int frameIndex, bool inLunge);

struct Posture {
    bool inLunge = false;
    bool armBent = false;
    bool inFleche = false;
    bool armExtended = false;
};

// The posture a finished action leaves; none for the actions that leave it as it was.
std::optional<Posture> EndPosture(int action);

} // namespace pistework::game
