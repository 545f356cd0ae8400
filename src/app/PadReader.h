// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game pads as SDL sees them, from a library of its own (libpistework-pad.so). The
// program loads that library only once a pad shows up, so SDL costs nothing to a player
// without one.

#include "game/piste/Pad.h"

#include <cstddef>
#include <functional>

namespace pistework::app {

class PadReader {
public:
    // A pad changed: its place among the attached pads (0 for the first one attached), its
    // state before and now.
    using OnChange = std::function<void(std::size_t order, const game::PadState& before,
                                        const game::PadState& now)>;
    virtual ~PadReader() = default;
    // Whether SDL's game controllers could be started at all.
    virtual bool Failed() const = 0;
    // Takes what SDL saw since the last call: pads plugged in or out, each change of a pad,
    // reported in the order it happened.
    virtual void Poll() = 0;
    virtual std::size_t Attached() const = 0;
};

} // namespace pistework::app

// The library's one entry point; the reader reports each change to `onChange`.
extern "C" pistework::app::PadReader*
pistework_NewPadReader(pistework::app::PadReader::OnChange onChange);
