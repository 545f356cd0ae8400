// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/school/Lessons.h"

namespace pistework::game::school {

namespace {
constexpr Passed kAll = (Passed{1} << kLessonCount) - 1;
}

Passed ReadPassed(const platform::Store& store) {
    const std::optional<int> stored = store.ReadInteger(kPassedName);
    if (!stored || *stored < 0 || static_cast<Passed>(*stored) > kAll) return 0;
    return static_cast<Passed>(*stored);
}

bool WritePassed(platform::Store& store, Passed passed) {
    return store.Write({{kPassedName, static_cast<int>(passed & kAll)}});
}

} // namespace pistework::game::school
