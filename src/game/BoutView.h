// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the piste shows, as one value the game publishes after every step, and what happens,
// as typed events. The window draws the view; a screen reader, a replay or a test can follow
// the events. Nothing here names a widget or holds a text a player reads.

#include "game/ControlMode.h"
#include "game/piste/FencerView.h"
#include "game/piste/Side.h"

#include <functional>
#include <optional>
#include <string>
#include <variant>

namespace pistework::game {

// The referee's calls. A call that names a side carries it: the attacker, the offender.
// Replays and network frames hold a call as its number here: a number never changes, and a new
// call takes the next one.
enum class Call {
    None = 0, // nothing called: the caption is clear
    Engarde = 1,
    Ready = 2,
    Fence = 3,
    Halt = 4,
    Attack = 5,           // the side's attack
    AttackAndCounter = 6, // the side's attack and the other's counter-attack, on two lines
    OffTarget = 7,
    Successful = 8,
    SuccessfulCounterOutOfTime = 9, // the attack stands; the counter came too late
    Passed = 10,
    CorpsACorps = 11, // a fencer ran into the other too soon after its own last pass
    YellowCard = 12,  // a warning for the side
    RedCard = 13,     // a hit for the other side
    ReturnToEngarde = 14,
    GameOver = 15,
};
// The last call: the replay file and the network read no call past it, and every call up to it
// has its words.
inline constexpr Call kLastCall = Call::GameOver;

struct RefereeCall {
    Call call = Call::None;
    Side side = Side::Left;
    bool operator==(const RefereeCall&) const = default;
};

// Held in replays and frames as these numbers.
enum class Lamp { Off = 0, On = 1, OffTarget = 2 };

struct CardsView {
    bool yellow = false;
    // The red cards of this bout: the card shows from the first, its count from the second.
    int reds = 0;
    bool operator==(const CardsView&) const = default;
};

struct ClockView {
    int secondsLeft = 180;
    bool shown = false; // only a timed bout shows its clock
    bool operator==(const ClockView&) const = default;
};

// Why a network bout ended, which the call area says until the next call.
enum class NetworkEnding {
    Left,         // this player ended it
    PeerLeft,     // the other player ended it
    Lost,         // the connection broke
    Silent,       // nothing heard from the other side for five seconds
    WrongCode,    // the guest's code was not the host's
    WrongVersion, // the other side is another version of the game
    Busy,         // the host has a guest already
    Oversized,    // a frame longer than any the game sends
    Malformed,    // a frame that does not read as its kind
    OutOfOrder,   // a frame out of its turn or its count
    BadCommand,   // a command that is none of the fencer's six
    Flood,        // more frames than a player can make
    Disagreed,    // the two games' digests of the bout differed, or one sent none
    TooManyTries, // wrong codes from the guest's address: it must wait before trying again
    FellBehind,   // the other game stayed further behind than the window for five seconds
    // The other player left once the bout was over: a bout ended as bouts end.
    PeerLeftAfterBout,
    // What a watcher, who has no opponent, is told: the host ended it or went, before the
    // bout's end or after it.
    HostLeft,
    BoutOver,
    HostLost, // the connection to the host broke or fell silent
};
inline constexpr NetworkEnding kLastNetworkEnding = NetworkEnding::HostLost;

// The options as the menu marks them, and the pause.
struct MenuView {
    int target = 15;
    bool timed = true;
    ControlMode control = ControlMode::Mouse;
    std::optional<int> level = 1; // the graded level marked, none for custom or two players
    bool custom = false;
    bool twoPlayers = false;
    bool sound = false;
    bool paused = false;
    bool pauseWhenInactive = false;
    bool askRouter = true;
    bool operator==(const MenuView&) const = default;
};

struct BoutView {
    PerSide<FencerView> fencers;
    Side inFront = Side::Left; // the fencer drawn over the other
    RefereeCall call;
    PerSide<int> scores{0, 0};
    PerSide<CardsView> cards;
    ClockView clock;
    PerSide<Lamp> lamps{Lamp::Off, Lamp::Off};
    bool startPrompt = false; // "Press F2 to Start", shown through demonstrations
    bool commandButtons = true;
    std::optional<NetworkEnding> networkEnded; // said in the call area in place of the call
    bool waitingForPeer = false; // a network bout stands until the other game catches up
    MenuView menu;
    bool operator==(const BoutView&) const = default;
};

// --- Events, as they happen.
struct CallMade {
    RefereeCall call;
    bool operator==(const CallMade&) const = default;
};

// Held in replays and frames as these numbers.
enum class RulingKind {
    Hit = 0,                   // the side scores
    HitThroughLateCounter = 1, // the side scores; the other's counter came out of time
    OffTarget = 2,             // the side hit off target: no score
    Passed = 3,                // the fencers ran past each other: back to engarde
    YellowCard = 4,            // the side is warned
    RedCard = 5,               // the side is penalised: the other scores
};

// The rule that decided a ruling, as the referee weighed it. Held in replays as these numbers.
enum class Decider {
    LungeLanded = 0,       // a lunge's point arrived on the target, not into the other's lunge
    FlecheLanded = 1,      // a flèche ran onto the target, the other's arm not bent against it
    CounterIntoAttack = 2, // the other's point arrived into this side's lunge, which then landed
    PointShort = 3,        // the point arrived a unit short of the target
    RanPast = 4,           // the fencers ran past each other before any point landed
    PassedTooSoon = 5,     // a flèche ran past the other again within the time allowed
};

// What the referee weighed, timed back from the moment the phrase was halted (the hit or the
// pass), so it reads the same in any replay of the bout.
struct RulingReason {
    Decider decider = Decider::RanPast;
    // When each fencer's last attack of the phrase (a lunge or a flèche) began; none without.
    PerSide<std::optional<int>> attackBeganMsAgo{};
    // When the other's point arrived into the attack, for a counter-attack out of time.
    std::optional<int> counterArrivedMsAgo{};
    // The gap between the blade tips when the ruled side's attack began.
    std::optional<int> gapAtAttack{};
    // How far the point arrived past the front of the target, in pixels; short is below 0.
    int pointPast = 0;
    // The ruled side's parry caught the other's blade during the phrase, before its hit.
    bool afterParry = false;
    // A pass too soon: the seconds since that side's flèche last ran past, and those allowed.
    int secondsSincePass = 0;
    int secondsAllowed = 0;
    bool operator==(const RulingReason&) const = default;
};

struct Ruling {
    RulingKind kind;
    Side side;
    // None where it was never written: a replay of an earlier build.
    std::optional<RulingReason> why = {};
    bool operator==(const Ruling&) const = default;
};

// Held in replays and frames as these numbers.
enum class SoundCue { Hit = 0, Parry = 1 };

struct SoundPlayed {
    SoundCue cue;
    bool operator==(const SoundPlayed&) const = default;
};

struct BoutOver {
    std::optional<Side> winner; // none for a drawn timed bout
    PerSide<int> score;
    bool demonstration = false;
    bool operator==(const BoutOver&) const = default;
};

using BoutEvent = std::variant<CallMade, Ruling, SoundPlayed, BoutOver>;

// Where the game's parts report what happens; one listener, the shell's or a test's.
class EventStream {
public:
    void Listen(std::function<void(const BoutEvent&)> listener) {
        this->listener = std::move(listener);
    }
    void Emit(const BoutEvent& event) const {
        if (listener) listener(event);
    }

private:
    std::function<void(const BoutEvent&)> listener;
};

} // namespace pistework::game
