// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a fencer can do: the actions, the picture sequences each plays, and the small functions
// over actions that the fencer, the opponent and the hit test share.

#include "game/piste/Side.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pistework::game {

enum class Action : std::uint8_t {
    Stand = 0,
    Advance = 1,
    Retreat = 2,
    StandExtended = 3,
    AdvanceExtended = 4,
    RetreatExtended = 5,
    Lunge = 6,
    StandParried = 7,
    AdvanceParried = 8,
    RetreatParried = 9,
    LungeParried = 10,
    Recover = 11,
    Fleche = 12,
    FlecheRun = 13,
    Parry = 14,
    DoubleParry = 15,
    FlecheParried = 16,
    FlecheRunParried = 17,
    BentLunge = 18,
    RecoverBent = 19,
    ExtendInLunge = 20,
    BendInLunge = 21,
    RecoverForward = 22,
    RecoverForwardBent = 23,
    LungeParry = 24,
    BentLungeParry = 25,
    ExtendInLungeParried = 26,
    BendInLungeParried = 27,
};

inline constexpr int kActionCount = 28;

// The nineteen sequence tables: bitmap base names of each action's frames. Some tables are
// longer than the sequences that play them; the extra entries are never shown.
inline constexpr std::array<std::string_view, 5> kAdvanceFrames{"ENGARDE", "STEP1", "STEP2",
                                                                "STEP3", "STEP4"};
inline constexpr std::array<std::string_view, 5> kRetreatFrames{"STEP4", "STEP3", "STEP2", "STEP1",
                                                                "ENGARDE"};
inline constexpr std::array<std::string_view, 5> kAdvanceExtendedFrames{
    "ENGARDEX", "STEP1X", "STEP2X", "STEP3X", "STEP4X"};
inline constexpr std::array<std::string_view, 5> kRetreatExtendedFrames{
    "STEP4X", "STEP3X", "STEP2X", "STEP1X", "ENGARDEX"};
inline constexpr std::array<std::string_view, 6> kAdvanceParriedFrames{
    "ENGARDEP", "STEP1P", "STEP2P", "STEP3P", "STEP4P", "STEP4P"};
inline constexpr std::array<std::string_view, 6> kRetreatParriedFrames{
    "STEP4P", "STEP3P", "STEP2P", "STEP1P", "ENGARDEP", "ENGARDEP"};
inline constexpr std::array<std::string_view, 3> kStandParriedFrames{"ENGARDEP", "ENGARDEP",
                                                                     "ENGARDEP"};
inline constexpr std::array<std::string_view, 5> kLungeFrames{"ENGARDEX", "LUNGE1", "LUNGE2",
                                                              "LUNGE3", "LUNGE4"};
inline constexpr std::array<std::string_view, 5> kLungeParryFrames{"CRAMP4X", "CRAMP4", "LPARRY1",
                                                                   "LPARRY2", "LPARRY1"};
inline constexpr std::array<std::string_view, 5> kRecoverFrames{"LUNGE4", "LUNGE3", "LUNGE2",
                                                                "LUNGE1", "ENGARDE"};
inline constexpr std::array<std::string_view, 6> kParryFrames{"PARRY1", "ENGARDEX", "PARRY2",
                                                              "PARRY3", "PARRY2",   "ENGARDEX"};
inline constexpr std::array<std::string_view, 10> kDoubleParryFrames{
    "PARRY1",   "ENGARDEX", "PARRY2", "PARRY3", "PARRY2",
    "ENGARDEX", "PARRY2",   "PARRY3", "PARRY2", "ENGARDEX"};
inline constexpr std::array<std::string_view, 5> kFlecheFrames{"ENGARDEX", "LUNGE1", "LUNGE2",
                                                               "LUNGE3", "FLECHE4"};
inline constexpr std::array<std::string_view, 4> kFlecheRunFrames{"FLECHE2", "FLECHE3", "FLECHE4",
                                                                  ""};
inline constexpr std::array<std::string_view, 6> kBentLungeFrames{"ENGARDE", "STEP1",  "CRAMP2",
                                                                  "CRAMP3",  "CRAMP4", "CRAMP4"};
inline constexpr std::array<std::string_view, 5> kBentLungeParryFrames{
    "CRAMP4", "LPARRY1", "LPARRY2", "LPARRY1", "CRAMP4"};
inline constexpr std::array<std::string_view, 5> kRecoverBentFrames{"CRAMP4", "CRAMP3", "CRAMP2",
                                                                    "STEP1", "ENGARDE"};
inline constexpr std::array<std::string_view, 4> kBendInLungeFrames{"LUNGE4", "CRAMP4X", "CRAMP4",
                                                                    ""};
inline constexpr std::array<std::string_view, 4> kExtendInLungeFrames{"CRAMP4", "CRAMP4X", "LUNGE4",
                                                                      ""};

// Pictures shown outside the sequence tables.
namespace picture {
inline constexpr std::string_view kEngarde = "ENGARDE";
inline constexpr std::string_view kEngardeExtended = "ENGARDEX";
inline constexpr std::string_view kFlecheLanded = "FLECHE1";
inline constexpr std::array<std::string_view, 3> kSalute{"SALUTE1", "SALUTE2", "SALUTE3"};
inline constexpr std::string_view kVictory = "VICTORY";
inline constexpr std::string_view kDefeat = "DEFEAT";
inline constexpr std::string_view kLampOff = "LIGHTOFF";
inline constexpr std::string_view kLampOn = "LIGHTON";
inline constexpr std::string_view kLampOffTarget = "WHITEON";
} // namespace picture

// Frames played by each action, one per tick.
int SequenceLength(Action action);
// Keeps stand, advance and retreat in step with the sword arm.
Action ArmVariant(Action action, bool armExtended);
// The form an action takes when the other fencer's parry catches the blade.
Action ParriedVariant(Action action);
// The frames of a parry in which it catches the other blade.
bool ParryWindow(Action action, int frameIndex);
// Actions a computer fencer carries through without reacting to the other's blade.
bool IsCommitted(Action action);
// The lunges that end with the point on target, and the flèches that run onto it.
bool IsLungeArrival(Action action);
bool IsFlecheArrival(Action action);
// The actions that begin an attack: the lunges, the flèche, and the arm extended again in a lunge.
bool StartsAttack(Action action);
// Attacks: the fencer is drawn over the other fencer while it plays.
bool IsDrawnInFront(Action action, int frameIndex);

// The sequence table an action plays; empty for the one-frame stands, whose picture depends
// on the posture instead.
std::span<const std::string_view> SequenceTable(Action action);

// Base name of the picture an action shows at a frame, given the lunge posture.
std::string_view FrameBaseName(Action action, int frameIndex, bool inLunge, bool armBent);

// "ENGARDE" for the left fencer becomes "ENGARDEA", for the right one "ENGARDEB".
std::string ResourceName(std::string_view baseName, Side side);

// Every picture the game can ask for, with its side suffix.
std::vector<std::string> AllPictureNames();

} // namespace pistework::game
