// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fencer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

namespace sprites {
namespace {

// Body measurements in pixels. The arms are long for a figure this size: the game puts the
// sword hand 46 px in front of the target on guard and 51 px with the arm extended, with only
// 26 px of blade beyond it.
constexpr float thigh = 22.5f, shin = 21.5f;
constexpr float upperArm = 22, forearm = 21.5f;
constexpr float freeArmScale = 0.68f; // the free arm is held partly towards the viewer
constexpr float wristToGuard = 7, fistToGuard = 3.2f;

// The torso is seen chest-on, as a fencer standing sideways shows it to the audience.
// Local coordinates: r forward from the pelvis centre, h upwards.
const std::vector<Vec> lameOutline = {
    {5.5f, -2}, {5, 4},         {6, 9},   {7, 14},  {7, 19}, {6.5f, 22.5f}, {4, 25},
    {-4, 25},   {-6.5f, 22.5f}, {-7, 19}, {-7, 14}, {-6, 9}, {-5, 4},       {-5.5f, -2},
};
const std::vector<Vec> breechesOutline = {
    {6, 3}, {6.5f, -4}, {4, -6.5f}, {-4, -6.5f}, {-6.5f, -4}, {-6, 3},
};
constexpr Vec frontHip{3.5f, -2}, rearHip{-3.5f, -2};
constexpr Vec frontShoulder{7.5f, 21}, rearShoulder{-7, 21};
constexpr Vec headCentre{1.5f, 32};

struct Frame {
    Vec pelvis, forward, up;
    Vec At(Vec local) const { return pelvis + forward * local.x + up * local.y; }
    std::vector<Vec> At(const std::vector<Vec>& local) const {
        std::vector<Vec> out;
        for (Vec p : local)
            out.push_back(At(p));
        return out;
    }
};

Frame TorsoFrame(const Pose& pose, float shift) {
    const float a = pose.lean * std::numbers::pi_v<float> / 180;
    Frame f{{0, pose.pelvisY}, {std::cos(a), std::sin(a)}, {std::sin(a), -std::cos(a)}};
    // Slide the torso along so that the foremost point of the lamé is the body point.
    float front = -1e9f;
    for (Vec p : lameOutline)
        front = std::max(front, f.At(p).x);
    f.pelvis.x = pose.body - front + shift;
    return f;
}

struct Limbs {
    std::string_view pose;
    std::vector<std::string>& problems;

    // Knee or elbow between two ends, bent to the side of `towards`. A limb asked to reach
    // too far is drawn straight and reported: the pose table is wrong.
    Vec Joint(Vec a, Vec b, float l1, float l2, Vec towards, std::string_view what) const;
};

Vec Limbs::Joint(Vec a, Vec b, float l1, float l2, Vec towards, std::string_view what) const {
    const Vec ab = b - a;
    const float d = Length(ab);
    if (d >= l1 + l2) {
        if (d > l1 + l2 + 1.5f) {
            char text[32];
            std::snprintf(text, sizeof text, "%.1f", d - l1 - l2);
            problems.push_back(std::string(pose) + ": " + std::string(what) + " short by " + text +
                               " px");
        }
        return a + ab * (l1 / (l1 + l2));
    }
    const Vec dir = ab * (1 / d);
    const float along = (l1 * l1 - l2 * l2 + d * d) / (2 * d);
    const float across = std::sqrt(std::max(0.0f, l1 * l1 - along * along));
    Vec side{-dir.y, dir.x};
    if (side.x * towards.x + side.y * towards.y < 0) side = side * -1;
    return a + dir * along + side * across;
}

Vec Lerp(Vec a, Vec b, float t) {
    return a + (b - a) * t;
}

float AngleOf(Vec d) {
    return std::atan2(-d.y, d.x) * 180 / std::numbers::pi_v<float>;
}

void DrawLeg(Canvas& canvas, const Limbs& limbs, Vec hip, Vec ankle, float pitch, bool turned,
             float reach, Ink cloth) {
    const Vec knee = limbs.Joint(hip, ankle, thigh * reach, shin * reach, {1, 0}, "leg");
    Mask leg(canvas);
    leg.AddCapsule(hip, knee, 3.9f, 2.8f);
    leg.AddCapsule(knee, ankle, 2.9f, 2.0f);
    leg.Paint(canvas, cloth);

    // The coloured band at the top of the sock.
    const Vec along = Normalised(ankle - knee), across{-along.y * 4, along.x * 4};
    const Vec b0 = Lerp(knee, ankle, 0.22f), b1 = b0 + along * 1.6f;
    Mask band(canvas);
    band.AddPolygon({b0 - across, b0 + across, b1 + across, b1 - across});
    band.Intersect(leg);
    band.Paint(canvas, SideRed, Clear);

    Mask shoe(canvas);
    const Vec heel = ankle + Rotated({-2.5f, 2}, pitch);
    const Vec toe = ankle + Rotated({turned ? 3.0f : 6.5f, 2.2f}, pitch);
    shoe.AddCapsule(heel, toe, 1.9f);
    shoe.Paint(canvas, Shoe);
}

void DrawHead(Canvas& canvas, const Pose& pose, Vec centre) {
    const auto at = [&](float x, float y) { return centre + Rotated({x, y}, pose.headTurn); };
    Mask bib(canvas);
    bib.AddPolygon({at(-1.5f, 3), at(5.5f, 3.5f), at(4.5f, 9.5f), at(-2, 9)});
    bib.Paint(canvas, White);

    Mask mask(canvas);
    mask.AddEllipse(centre, 6.2f, 7, pose.headTurn);
    mask.Paint(canvas, White);

    // In profile the mesh is the front half of the mask; the padded back stays white.
    Mask mesh(canvas);
    mesh.AddPolygon({at(-0.5f, -8), at(8, -8), at(8, 5.5f), at(1.5f, 5.5f)});
    mesh.Intersect(mask);
    mesh.Paint(canvas, Mesh, Clear);
}

void PaintFencer(Canvas& canvas, const Pose& pose, float shift,
                 std::vector<std::string>& problems) {
    const Limbs limbs{pose.name, problems};
    const Frame torso = TorsoFrame(pose, shift);

    // Free arm first: it is behind the body.
    {
        const Vec shoulder = torso.At(rearShoulder);
        const Vec elbow = limbs.Joint(shoulder, pose.freeHand, upperArm * freeArmScale,
                                      forearm * freeArmScale, {pose.freeElbow, 0.2f}, "free arm");
        Mask arm(canvas);
        arm.AddCapsule(shoulder, elbow, 2.6f, 2.1f);
        arm.AddCapsule(elbow, pose.freeHand, 2.1f, 1.7f);
        arm.AddDisc(pose.freeHand, 2.4f);
        arm.Paint(canvas, Shade);
    }

    DrawLeg(canvas, limbs, torso.At(rearHip), pose.rearFoot, pose.rearPitch, pose.rearTurned,
            pose.rearLegReach, Shade);
    DrawLeg(canvas, limbs, torso.At(frontHip), pose.frontFoot, pose.frontPitch, false, 1, White);

    Mask breeches(canvas);
    breeches.AddPolygon(torso.At(breechesOutline));
    breeches.Paint(canvas, White);
    Mask lame(canvas);
    lame.AddPolygon(torso.At(lameOutline));
    lame.Paint(canvas, Lame);
    // A sheen down the chest, so the lamé reads as metal cloth rather than a grey box.
    Mask sheen(canvas);
    sheen.AddPolygon(torso.At({{1.5f, 4}, {3, 4}, {3.5f, 20}, {2, 21}}));
    sheen.Intersect(lame);
    sheen.Paint(canvas, Shade, Clear);

    DrawHead(canvas, pose, torso.At(headCentre));

    // Sword arm, hand, blade and bell guard, in front of everything.
    const Vec dir = Normalised(pose.tip - pose.guard);
    // A blade swung back past upright is held with the wrist cocked, the hand under the guard.
    const Vec grip = Normalised({std::max(dir.x, 0.0f), dir.y});
    const Vec shoulder = torso.At(frontShoulder + Vec{pose.shoulderReach, 0});
    const Vec wrist = pose.guard - grip * wristToGuard;
    const Vec elbow = limbs.Joint(shoulder, wrist, upperArm * pose.armReach,
                                  forearm * pose.armReach, {0, 1}, "sword arm");
    Mask arm(canvas);
    arm.AddCapsule(shoulder, elbow, 3.0f, 2.3f);
    arm.AddCapsule(elbow, wrist, 2.3f, 1.8f);
    arm.Paint(canvas, White);

    Mask fist(canvas);
    fist.AddDisc(pose.guard - grip * fistToGuard, 2.6f);
    fist.Paint(canvas, SideRed);

    DrawLine(canvas, pose.guard, pose.tip, Blade);

    Mask guard(canvas);
    guard.AddEllipse(pose.guard, 1.3f, 3.8f, AngleOf(dir));
    guard.Paint(canvas, Guard);
}

// The right edge of the foremost lamé pixel that is not hidden by the sword arm.
int VisibleLameFront(const Canvas& canvas) {
    for (int x = canvas.Width() + canvas.Margin() - 1; x >= -canvas.Margin(); --x)
        for (int y = -canvas.Margin(); y < canvas.Height() + canvas.Margin(); ++y)
            if (canvas.At(x, y) == Lame) return x + 1;
    return 0;
}

} // namespace

void DrawFencer(Canvas& canvas, const Pose& pose, std::vector<std::string>& problems) {
    // The body point is where the lamé shows: a slanting edge or the sword arm in front of
    // the chest can hide its last column, so nudge the torso until the pixels agree.
    const int want = static_cast<int>(std::lround(pose.body));
    float shift = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        Canvas trial(canvas.Width(), canvas.Height(), canvas.Margin());
        std::vector<std::string> ignored;
        PaintFencer(trial, pose, shift, ignored);
        const int front = VisibleLameFront(trial);
        if (front == want) break;
        shift += static_cast<float>(want - front);
    }
    PaintFencer(canvas, pose, shift, problems);
    if (VisibleLameFront(canvas) != want)
        problems.push_back(std::string(pose.name) + ": the lamé does not show at the body point");
}

} // namespace sprites
