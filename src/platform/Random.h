// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Platform.h"

namespace pistework::platform {

// The classic linear congruential generator of C run-time libraries: small, fast, and the
// same sequence for the same seed on every machine, which the replay of a bout relies on.
class LcgRandom : public Random {
public:
    void Seed(std::uint32_t seed) override { state = seed; }
    int Next() override;
    // The generator's whole state, to compare and hash a bout by.
    std::uint32_t State() const { return state; }
    bool operator==(const LcgRandom& other) const { return state == other.state; }

private:
    std::uint32_t state = 1;
};

} // namespace pistework::platform
