// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of kept bouts' files and the cap on what is kept, shared by the Qt folder and the
// headless store so both keep and drop the same files.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pistework::platform {

// When it was kept, in sixteen digits of milliseconds, then sixteen hex digits that no other
// window draws alike: sorted by name, the files are oldest first.
std::string KeptBoutName(std::int64_t whenMs, std::uint64_t unique);
// Only a file named so is ours to read, count or remove.
bool IsKeptBoutName(std::string_view name);
// Of the files kept, oldest first with their sizes, those to remove so that the rest fit
// BoutStore's caps: always the oldest.
std::vector<std::string>
OverTheCap(const std::vector<std::pair<std::string, std::uint64_t>>& oldestFirst);

} // namespace pistework::platform
