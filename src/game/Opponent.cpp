#include "game/Game.h"

#include <charconv>

namespace pistework::game {

namespace {

std::uint8_t Code(int action) { return static_cast<std::uint8_t>(action); }

// Red cards of this bout, shown on the card row; none until the fencer holds its yellow.
int RedCardCount(const Game& g, int side) {
    if (!(side == kLeft ? g.yellowA : g.yellowB)) return 0;
    const std::string text = (side == kLeft ? g.c.lblRedCount0 : g.c.lblRedCount1).Caption();
    int count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    return error == std::errc{} ? count : 0;
}

// Extends the arm for an attack: an advance with the blade in line.
void ArmedAdvance(FencerState& f) {
    f.action = AdvanceExtended;
    f.armExtended = true;
}

} // namespace

void Game::ReseedRandom() {
    c.random.Seed(static_cast<std::uint32_t>(c.clock.NowMilliseconds() / 1000));
}

// An edited stored range can make `opponentRange - 5` zero or below: such a draw is 0.
int Game::RandomBelow(int n) { return n <= 0 ? 0 : c.random.Next() % n; }

int Game::roomBehind(int side) const {
    return side == kLeft ? c.imgFencerA.Left() : 350 - c.imgFencerB.Left();
}

void Game::ChoosePlayerAction(int side) {
    FencerState& f = fencer[side];
    f.action = Stand;
    if (f.inFleche && !f.inLunge) {
        f.action = f.armExtended ? FlecheRun : FlecheRunParried;
        return;
    }

    int r = f.requestedAction;
    switch (r) {
    case Lunge:
        if (!f.armExtended || f.inFleche) r = Stand;
        if (f.inLunge) r = Recover;
        break;
    case Recover:
    case RecoverBent:
    case ExtendInLunge:
    case BendInLunge:
    case RecoverForward:
    case RecoverForwardBent:
    case LungeParry:
    case BentLungeParry:
        if (!f.inLunge) r = Stand;
        break;
    case Fleche:
        if (!f.armExtended || f.inLunge) r = Stand;
        break;
    default:
        if (f.inLunge) r = Stand;
        break;
    }

    f.action = Code(r);
    if (r == ExtendInLunge) f.armExtended = true;
    f.requestedAction = f.armExtended ? StandExtended : Stand;
    if (roomBehind(side) < 30 && f.action == Retreat) f.action = Stand;
}

void Game::ChooseOpponentAction(int side) {
    FencerState& f = fencer[side];
    if (keepAdvancing[side] && !f.inLunge && !f.inFleche) {
        f.action = Advance;
        return;
    }
    // A flèche once started runs on until the phrase is halted.
    if (f.inFleche && !f.inLunge) {
        f.action = f.armExtended ? FlecheRun : FlecheRunParried;
        return;
    }
    const int distance = gap();
    if (distance > 110)
        ChooseFarAction(side);
    else if (distance < 60)
        ChooseCloseAction(side);
    else
        ChooseMiddleAction(side);
}

void Game::ChooseFarAction(int side) {
    FencerState& f = fencer[side];
    ReseedRandom();
    const int a = RandomBelow(opponentRange);
    const int b = RandomBelow(6);

    if (attackPrepared[side]) {
        if (++preparedCount[side] <= 2) {
            f.action = Fleche;
            attackPrepared[side] = false;
            preparedCount[side] = 0;
        }
        return;
    }

    if (f.inLunge) {
        f.action = a == 0 ? RecoverForward : a <= 6 ? Recover : Stand;
        return;
    }

    if (a <= 4) {
        f.action = Advance;
        return;
    }
    if (a == 5) {
        f.action = roomBehind(side) < 30 ? Advance : Retreat;
        return;
    }
    if (a == 6) {
        if (RandomBelow(opponentRange) > 5) {
            f.action = Stand;
            return;
        }
    } else if (a >= 8) {
        f.action = Stand;
        return;
    }

    // The attack: each red card makes the fencer likelier to advance armed than to flèche.
    const int d = RandomBelow(opponentRange - 5);
    if (RedCardCount(*this, side) > d || b > 2 || attackPrepared[1 - side]) {
        ArmedAdvance(f);
    } else if (f.armExtended) {
        f.action = Fleche;
    } else {
        f.action = StandExtended;
        f.armExtended = true;
        attackPrepared[side] = true;
    }
}

void Game::ChooseMiddleAction(int side) {
    FencerState& f = fencer[side];
    ReseedRandom();
    const int a = RandomBelow(opponentRange);
    const int b = RandomBelow(opponentRange);

    if (attackPrepared[side]) {
        if (++preparedCount[side] >= 2) {
            f.action = Lunge;
            attackPrepared[side] = false;
            preparedCount[side] = 0;
        }
        return;
    }

    if (f.inLunge) {
        if (!f.armBent) {
            f.action = a <= 2 ? Recover : a <= 6 ? BendInLunge : Stand;
        } else if (a <= 4) {
            f.action = ExtendInLunge;
            f.armExtended = true;
        } else {
            f.action = a <= 6 ? RecoverBent : Stand;
        }
        return;
    }

    // Extending the arm, or parrying with the arm out, prepares the lunge of two decisions on.
    auto prepare = [&] {
        f.action = StandExtended;
        f.armExtended = true;
        attackPrepared[side] = true;
    };
    switch (a) {
    case 0: f.action = Advance; return;
    case 1:
    case 2: f.action = roomBehind(side) < 30 ? Advance : Retreat; return;
    case 3:
        if (f.armExtended) {
            f.action = Parry;
            attackPrepared[side] = true;
        } else {
            prepare();
        }
        return;
    case 4:
    case 5:
        if (RandomBelow(opponentRange) > 5) {
            f.action = Stand;
            return;
        }
        [[fallthrough]];
    case 6:
    case 7:
        if (f.armExtended)
            f.action = Lunge;
        else if (b > 5)
            f.action = BentLunge;
        else
            prepare();
        return;
    default:
        if (f.action == Lunge || f.action == Recover) f.action = Stand;
        return;
    }
}

void Game::ChooseCloseAction(int side) {
    FencerState& f = fencer[side];
    ReseedRandom();
    const int a = RandomBelow(opponentRange);

    if (!f.inLunge) {
        if (a <= 2) {
            f.action = Advance;
        } else if (a <= 5) {
            f.action = Retreat;
        } else if (a == 6) {
            if (f.armExtended) {
                f.action = Lunge;
            } else {
                f.action = StandExtended;
                f.armExtended = true;
            }
        } else if (a <= 8) {
            f.action = Stand;
        } else if (f.action == Lunge || f.action == Recover) {
            f.action = Retreat;
        }
        return;
    }

    // Held in a lunge: recovering forwards commits the fencer to pressing on.
    if (!f.armBent) {
        if (a <= 1) {
            f.action = RecoverForward;
            keepAdvancing[side] = true;
        } else if (a <= 3) {
            f.action = Recover;
        } else if (a == 4) {
            f.action = LungeParry;
        } else {
            f.action = a <= 6 ? BendInLunge : Stand;
        }
    } else {
        if (a <= 1) {
            f.action = RecoverForwardBent;
            keepAdvancing[side] = true;
        } else if (a <= 4) {
            f.action = ExtendInLunge;
            f.armExtended = true;
        } else {
            f.action = a <= 6 ? RecoverBent : Stand;
        }
    }
}

bool Game::ParryReaction(int side) {
    FencerState& f = fencer[side];
    ReseedRandom();
    const int a = RandomBelow(opponentRange + 2);

    const int own = f.action;
    const bool busy = (own >= Lunge && own <= FlecheRun) ||
                      (own >= FlecheParried && own <= ExtendInLunge) ||
                      own == ExtendInLungeParried;
    if (busy || keepAdvancing[side]) return true;

    const int o = fencer[1 - side].action;
    if (o == Fleche || o == FlecheRun) {
        // A flèche from far off is awaited standing.
        if (gap() > 150) {
            f.action = Stand;
            return true;
        }
    } else if (gap() > 100) {
        return false;
    }
    if (a > 5) return false;

    switch (o) {
    case StandExtended:
    case AdvanceExtended:
    case RetreatExtended:
    case Lunge:
    case Fleche:
    case FlecheRun:
    case BentLunge:
    case ExtendInLunge:
    case BendInLunge: {
        const int parry = f.armBent ? BentLungeParry : f.inLunge ? LungeParry : Parry;
        // The replacement keeps the running frame count; a double parry cut down to a single
        // one would run past the single parry's frames, so the double parry plays on.
        if (f.frameCount <= sequenceLength(parry)) f.action = Code(parry);
        return true;
    }
    default: return false;
    }
}

int Game::ArmAndStepVariation(int side) {
    FencerState& f = fencer[side];
    ReseedRandom();
    const int a = RandomBelow(opponentRange);
    const int t = f.action;

    switch (t) {
    case Lunge:
    case Recover:
    case BentLunge:
    case RecoverBent:
    case RecoverForward:
    case RecoverForwardBent:
    case LungeParry:
    case BentLungeParry: return t;
    default: break;
    }

    const int distance = gap();
    if (distance <= 120 && a < 2) f.armExtended = !f.armExtended;
    if (distance > 121) f.armExtended = false;

    if (RandomBelow(10) < 2) return t;
    if (f.frameIndex != 1 && f.frameIndex != 2) return t;
    if (keepAdvancing[side]) return t;
    switch (t) {
    case Advance: return Retreat;
    case Retreat: return Advance;
    case AdvanceExtended: return RetreatExtended;
    case RetreatExtended: return AdvanceExtended;
    default: return t;
    }
}

} // namespace pistework::game
