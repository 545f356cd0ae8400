// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/piste/Pad.h"

#include <cstdlib>

namespace pistework::game {

int PadPointing(const PadState& state) {
    const int across = std::abs(state.stickX);
    if (across > kStickDeadZone && across > std::abs(state.stickY))
        return state.stickX > 0 ? 1 : -1;
    if (state.dpadLeft != state.dpadRight) return state.dpadRight ? 1 : -1;
    return 0;
}

std::vector<FencerCommand> PadCommands(const PadState& before, const PadState& now, Side side) {
    std::vector<FencerCommand> commands;
    // A step is taken when the pad comes to point a new way, not while it keeps pointing.
    const int pointing = PadPointing(now);
    if (pointing != 0 && pointing != PadPointing(before))
        commands.push_back(pointing == Forward(side) ? FencerCommand::Advance
                                                     : FencerCommand::Retreat);
    for (const auto& [button, command] : kPadButtons) {
        const auto at = static_cast<std::size_t>(button);
        if (now.buttons[at] && !before.buttons[at]) commands.push_back(command);
    }
    return commands;
}

std::optional<Side> PadDrives(std::size_t order, bool twoPlayers) {
    if (order == 0) return Side::Right;
    if (order == 1 && twoPlayers) return Side::Left;
    return std::nullopt;
}

} // namespace pistework::game
