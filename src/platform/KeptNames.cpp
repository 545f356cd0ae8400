// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeptNames.h"

#include "platform/Platform.h"

#include <algorithm>
#include <cstdio>

namespace pistework::platform {

namespace {
constexpr std::string_view kSuffix = ".bout";
constexpr std::size_t kDigits = 16;
} // namespace

std::string KeptBoutName(std::int64_t whenMs, std::uint64_t unique) {
    const auto when =
        static_cast<unsigned long long>(std::clamp<std::int64_t>(whenMs, 0, 9'999'999'999'999'999));
    char name[64];
    std::snprintf(name, sizeof name, "%016llu-%016llx", when,
                  static_cast<unsigned long long>(unique));
    return std::string(name) + std::string(kSuffix);
}

bool IsKeptBoutName(std::string_view name) {
    if (name.size() != 2 * kDigits + 1 + kSuffix.size() || !name.ends_with(kSuffix) ||
        name[kDigits] != '-')
        return false;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const auto hex = [&](char c) { return digit(c) || (c >= 'a' && c <= 'f'); };
    return std::all_of(name.begin(), name.begin() + kDigits, digit) &&
           std::all_of(name.begin() + kDigits + 1, name.begin() + 2 * kDigits + 1, hex);
}

std::vector<std::string>
OverTheCap(const std::vector<std::pair<std::string, std::uint64_t>>& oldestFirst) {
    std::uint64_t total = 0;
    for (const auto& kept : oldestFirst)
        total += kept.second;
    std::vector<std::string> removed;
    for (std::size_t i = 0;
         i < oldestFirst.size() &&
         (oldestFirst.size() - i > BoutStore::kMostFiles || total > BoutStore::kMostBytes);
         ++i) {
        removed.push_back(oldestFirst[i].first);
        total -= oldestFirst[i].second;
    }
    return removed;
}

} // namespace pistework::platform
