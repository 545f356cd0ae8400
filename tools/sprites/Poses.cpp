// SPDX-License-Identifier: GPL-3.0-or-later
#include "Poses.h"

namespace sprites {

// The left fencer's poses. The body point, sword hand and point of each fencer frame are
// where the game's point update puts them for the frame that shows the picture: on guard
// 43 / 89 / 115, moved by 5 px per unit of the action's offsets. Retreats show the advance's
// pictures from an image already moved back, and the flèche run shows its pictures from the
// image after its 30 px jump, so both use the same picture-relative points as the advance
// and the flèche start.
//
// Widths are those the game lists, except where the point would not fit: an "A" picture holds
// x < widthA, a "B" picture, the mirror image, x >= 150 - widthB.
const std::vector<Pose>& FencerPoses() {
    // clang-format off
    static const std::vector<Pose> poses = {
        // On guard: arm bent, point forward; extended; blade beaten aside.
        {.name = "ENGARDE", .guard = {89, 35}, .tip = {115, 26}},
        {.name = "ENGARDEX", .guard = {94, 32}, .tip = {120, 30}},
        {.name = "ENGARDEP", .body = 44, .guard = {95, 37}, .tip = {120, 50}},

        // The advance: the front foot reaches and lands, then the rear foot follows.
        {.name = "STEP1", .body = 48, .pelvisY = 52, .frontFoot = {68, 82}, .frontPitch = 20,
         .guard = {94, 35}, .tip = {120, 26}, .freeHand = {24, 14}},
        {.name = "STEP2", .body = 48, .pelvisY = 54, .frontFoot = {70, 85},
         .guard = {94, 36}, .tip = {120, 27}, .freeHand = {24, 15}},
        {.name = "STEP3", .widthA = 125, .widthB = 135, .body = 53, .pelvisY = 53,
         .frontFoot = {70, 85}, .rearFoot = {30, 82}, .rearPitch = -15,
         .guard = {99, 35}, .tip = {125, 26}, .freeHand = {29, 14}},
        {.name = "STEP4", .widthA = 125, .widthB = 130, .body = 53, .frontFoot = {70, 85},
         .rearFoot = {34, 85}, .guard = {99, 35}, .tip = {125, 26}, .freeHand = {29, 14}},

        {.name = "STEP1X", .widthA = 125, .body = 48, .pelvisY = 52, .frontFoot = {68, 82},
         .frontPitch = 20, .guard = {99, 32}, .tip = {125, 30}, .freeHand = {24, 14}},
        {.name = "STEP2X", .widthA = 125, .body = 48, .pelvisY = 54, .frontFoot = {70, 85},
         .guard = {99, 33}, .tip = {125, 31}, .freeHand = {24, 15}},
        {.name = "STEP3X", .widthA = 130, .widthB = 135, .body = 53, .pelvisY = 53,
         .frontFoot = {70, 85}, .rearFoot = {30, 82}, .rearPitch = -15,
         .guard = {104, 32}, .tip = {130, 30}, .freeHand = {29, 14}},
        {.name = "STEP4X", .widthA = 130, .widthB = 130, .body = 53, .frontFoot = {70, 85},
         .rearFoot = {34, 85}, .guard = {104, 32}, .tip = {130, 30}, .freeHand = {29, 14}},

        {.name = "STEP1P", .body = 48, .pelvisY = 52, .frontFoot = {68, 82}, .frontPitch = 20,
         .guard = {97, 37}, .tip = {120, 51}, .freeHand = {24, 14}},
        {.name = "STEP2P", .body = 48, .pelvisY = 54, .frontFoot = {70, 85},
         .guard = {97, 38}, .tip = {120, 52}, .freeHand = {24, 15}},
        {.name = "STEP3P", .widthA = 125, .widthB = 135, .body = 53, .pelvisY = 53,
         .frontFoot = {70, 85}, .rearFoot = {30, 82}, .rearPitch = -15,
         .guard = {102, 37}, .tip = {125, 51}, .freeHand = {29, 14}},
        {.name = "STEP4P", .widthA = 130, .widthB = 130, .body = 53, .frontFoot = {70, 85},
         .rearFoot = {34, 85}, .guard = {102, 37}, .tip = {125, 51}, .freeHand = {29, 14}},

        // The lunge: the front foot kicks out, the rear leg drives straight and the free arm
        // is flung back along it.
        {.name = "LUNGE1", .frontFoot = {64, 83}, .frontPitch = 15, .guard = {94, 32},
         .tip = {120, 30}, .freeHand = {18, 18}},
        {.name = "LUNGE2", .widthA = 130, .widthB = 145, .body = 48, .pelvisY = 54, .lean = 4,
         .frontFoot = {74, 79}, .frontPitch = 25, .rearLegReach = 0.95f, .guard = {99, 32},
         .tip = {125, 30}, .freeHand = {16, 32}},
        {.name = "LUNGE3", .widthA = 150, .widthB = 150, .body = 58, .pelvisY = 56, .lean = 8,
         .frontFoot = {84, 81}, .frontPitch = 20, .rearTurned = false, .rearLegReach = 1,
         .guard = {109, 33}, .tip = {135, 31}, .freeHand = {22, 46}},
        {.name = "LUNGE4", .widthA = 150, .widthB = 130, .body = 68, .pelvisY = 58, .lean = 12,
         .frontFoot = {84, 85}, .rearFoot = {27, 85}, .rearTurned = false, .rearLegReach = 1, .guard = {119, 35},
         .tip = {145, 33}, .freeHand = {33, 55}},

        // The lunge with the arm kept bent.
        {.name = "CRAMP2", .widthA = 130, .widthB = 150, .body = 48, .pelvisY = 54, .lean = 4,
         .frontFoot = {74, 79}, .frontPitch = 25, .rearLegReach = 0.95f, .guard = {94, 37},
         .tip = {120, 28}, .freeHand = {16, 32}},
        {.name = "CRAMP3", .widthA = 150, .widthB = 150, .body = 58, .pelvisY = 56, .lean = 8,
         .frontFoot = {84, 81}, .frontPitch = 20, .rearTurned = false, .rearLegReach = 1,
         .guard = {104, 39}, .tip = {130, 30}, .freeHand = {22, 46}},
        {.name = "CRAMP4", .widthA = 150, .widthB = 150, .body = 68, .pelvisY = 58, .lean = 12,
         .frontFoot = {84, 85}, .rearFoot = {27, 85}, .rearTurned = false, .rearLegReach = 1, .guard = {114, 40},
         .tip = {140, 32}, .freeHand = {33, 55}},
        {.name = "CRAMP4X", .widthA = 150, .widthB = 150, .body = 70, .pelvisY = 58, .lean = 13,
         .frontFoot = {85, 85}, .rearFoot = {27, 85}, .rearTurned = false, .rearLegReach = 1, .guard = {117, 38},
         .tip = {142, 33}, .freeHand = {33, 55}},

        // Parries on guard: the blade swings up and across.
        {.name = "PARRY1", .guard = {92, 32}, .tip = {111, 13}},
        {.name = "PARRY2", .lean = 6, .guard = {90, 31}, .tip = {92, 5},
         .shoulderReach = 2},
        {.name = "PARRY3", .lean = 6, .guard = {90, 28}, .tip = {76, 6},
         .shoulderReach = 2},

        // Parries from the bent-arm lunge.
        {.name = "LPARRY1", .widthA = 150, .widthB = 150, .body = 70, .pelvisY = 58, .lean = 12,
         .frontFoot = {85, 85}, .rearFoot = {27, 85}, .rearTurned = false, .rearLegReach = 1, .guard = {105, 36},
         .tip = {110, 10}, .freeHand = {33, 55}},
        {.name = "LPARRY2", .widthA = 150, .widthB = 150, .body = 70, .pelvisY = 58, .lean = 12,
         .frontFoot = {85, 85}, .rearFoot = {27, 85}, .rearTurned = false, .rearLegReach = 1, .guard = {104, 37},
         .tip = {89, 16}, .freeHand = {33, 55}},

        // The flèche: a run, the legs scissoring from frame to frame (landing, knee driven
        // through, landing on the other foot, ...), the body pitched over the point.
        {.name = "FLECHE1", .widthA = 130, .widthB = 150, .body = 48, .pelvisY = 45, .lean = 25,
         .frontFoot = {50, 85}, .rearFoot = {14, 74}, .rearPitch = -50, .rearTurned = false,
         .rearLegReach = 1, .guard = {99, 37}, .tip = {125, 42}, .freeHand = {16, 42}},
        {.name = "FLECHE2", .widthA = 140, .widthB = 135, .body = 55, .pelvisY = 43, .lean = 27,
         .frontFoot = {21, 81}, .rearFoot = {56, 70}, .frontPitch = -45, .rearPitch = -20,
         .rearTurned = false, .rearLegReach = 1, .guard = {106, 38}, .tip = {132, 43},
         .freeHand = {24, 42}},
        {.name = "FLECHE3", .widthA = 150, .widthB = 130, .body = 65, .pelvisY = 44, .lean = 28,
         .frontFoot = {32, 74}, .rearFoot = {66, 85}, .frontPitch = -50, .rearTurned = false,
         .rearLegReach = 1, .guard = {116, 39}, .tip = {142, 44}, .freeHand = {33, 44}},
        {.name = "FLECHE4", .widthA = 150, .widthB = 125, .body = 75, .pelvisY = 45, .lean = 30,
         .frontFoot = {76, 72}, .rearFoot = {38, 81}, .frontPitch = -20, .rearPitch = -45,
         .rearTurned = false, .rearLegReach = 1, .guard = {126, 40}, .tip = {150, 47},
         .freeHand = {42, 44}},

        // The salute, standing: blade forward, raised half way, raised in front of the mask.
        {.name = "SALUTE1", .pelvisY = 41, .frontFoot = {52, 85}, .rearFoot = {36, 85},
         .rearLegReach = 1, .guard = {80, 42}, .tip = {106, 48}, .freeHand = {27, 50},
         .armReach = 0.9f},
        {.name = "SALUTE2", .pelvisY = 41, .frontFoot = {52, 85}, .rearFoot = {36, 85},
         .rearLegReach = 1, .guard = {66, 28}, .tip = {80, 5}, .freeHand = {27, 50},
         .armReach = 0.7f},
        {.name = "SALUTE3", .pelvisY = 41, .frontFoot = {52, 85}, .rearFoot = {36, 85},
         .rearLegReach = 1, .guard = {56, 30}, .tip = {56, 3}, .freeHand = {27, 50},
         .armReach = 0.55f},

        // End of the bout: the winner raises the free arm, the loser lets both hang.
        {.name = "VICTORY", .widthA = 60, .widthB = 140, .pelvisY = 41, .frontFoot = {50, 85},
         .rearFoot = {32, 85}, .rearLegReach = 1, .guard = {50, 60}, .tip = {59, 85},
         .freeHand = {20, 3}, .armReach = 0.75f},
        {.name = "DEFEAT", .widthA = 60, .widthB = 130, .pelvisY = 41, .frontFoot = {50, 85},
         .rearFoot = {36, 85}, .rearLegReach = 1, .guard = {50, 59}, .tip = {58, 84},
         .freeHand = {31, 50}, .armReach = 0.75f, .headTurn = -25},
    };
    // clang-format on
    return poses;
}

} // namespace sprites
