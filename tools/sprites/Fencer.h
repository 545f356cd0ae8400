// SPDX-License-Identifier: GPL-3.0-or-later
// A fencer drawn from a handful of joint positions. Every pose is given for the left fencer,
// facing right, in the coordinates of a 150 x 90 picture; the right fencer is its mirror.
//
// Reference points, the contract with hit detection:
//  - body point: the front edge of the lamé (the valid target) at chest height;
//  - sword hand: the centre of the bell guard;
//  - point: the far end of the blade.
#pragma once

#include "Raster.h"

#include <string>
#include <string_view>
#include <vector>

namespace sprites {

struct Pose {
    std::string_view name;
    int widthA = 120;
    int widthB = 140;

    float body = 43;    // x of the body point; the torso is placed to put the lamé there
    float pelvisY = 53; // height of the hips
    float lean = 0;     // torso leaning forward, degrees

    Vec frontFoot{58, 85}; // ankles
    Vec rearFoot{25, 85};
    float frontPitch = 0; // degrees the toe is raised; negative lifts the heel
    float rearPitch = 0;
    bool rearTurned = true;     // on guard the rear foot points sideways and looks short
    float rearLegReach = 0.85f; // the rear knee turned out towards the viewer looks shorter

    Vec guard{89, 35}; // sword hand
    Vec tip{115, 26};  // point
    Vec freeHand{20, 15};
    float freeElbow = -1;    // -1: the free elbow points back, +1: forward
    float armReach = 1;      // below 1 when the sword arm points partly at the viewer
    float shoulderReach = 0; // the sword shoulder pushed forward, px

    float headTurn = 0; // nod of the mask, degrees (positive looks up)
};

// Draws the pose into `canvas` (150 x 90 plus a margin) as the left fencer, with the red
// glove and sock bands. The right fencer's picture is this one mirrored, red turned green.
// A limb that cannot reach the joint positions asked of it is reported in `problems`.
void DrawFencer(Canvas& canvas, const Pose& pose, std::vector<std::string>& problems);

} // namespace sprites
