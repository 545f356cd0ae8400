// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Random.h"

namespace pistework::platform {

int LcgRandom::Next() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7fffu);
}

} // namespace pistework::platform
