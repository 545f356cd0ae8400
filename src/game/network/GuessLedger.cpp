// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/network/GuessLedger.h"

#include <algorithm>
#include <array>
#include <vector>

namespace pistework::game {

namespace {

// "a.b.c.d", each 0 to 255.
std::optional<std::array<int, 4>> Ipv4(std::string_view text) {
    std::array<int, 4> parts{};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t dot = i < 3 ? text.find('.') : text.size();
        if (dot == std::string_view::npos) return std::nullopt;
        const std::string_view part = text.substr(0, dot);
        if (part.empty() || part.size() > 3) return std::nullopt;
        int value = 0;
        for (char c : part) {
            if (c < '0' || c > '9') return std::nullopt;
            value = value * 10 + (c - '0');
        }
        if (value > 255) return std::nullopt;
        parts[i] = value;
        text = text.substr(std::min(dot + 1, text.size()));
    }
    return parts;
}

std::string Dotted(const std::array<int, 4>& parts) {
    return std::to_string(parts[0]) + '.' + std::to_string(parts[1]) + '.' +
           std::to_string(parts[2]) + '.' + std::to_string(parts[3]);
}

// The groups of "x:x::x", the last two of which may be written as an IPv4 address.
bool Groups(std::string_view text, std::vector<int>& groups, bool last) {
    while (!text.empty()) {
        const std::size_t colon = text.find(':');
        const std::string_view group = text.substr(0, colon);
        if (last && colon == std::string_view::npos && group.find('.') != std::string_view::npos) {
            const auto v4 = Ipv4(group);
            if (!v4) return false;
            groups.push_back((*v4)[0] << 8 | (*v4)[1]);
            groups.push_back((*v4)[2] << 8 | (*v4)[3]);
            return true;
        }
        if (group.empty() || group.size() > 4) return false;
        int value = 0;
        for (char c : group) {
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0) return false;
            value = value << 4 | digit;
        }
        groups.push_back(value);
        if (colon == std::string_view::npos) break;
        text = text.substr(colon + 1);
        if (text.empty()) return false; // a trailing single colon
    }
    return true;
}

std::optional<std::array<int, 8>> Ipv6(std::string_view text) {
    text = text.substr(0, text.find('%')); // the zone names only this machine's interface
    std::vector<int> head, tail;
    const std::size_t gap = text.find("::");
    if (gap == std::string_view::npos) {
        if (!Groups(text, head, true) || head.size() != 8) return std::nullopt;
    } else {
        const std::string_view after = text.substr(gap + 2);
        if (after.find("::") != std::string_view::npos ||
            !Groups(text.substr(0, gap), head, false) || !Groups(after, tail, true) ||
            head.size() + tail.size() > 7)
            return std::nullopt;
    }
    std::array<int, 8> groups{};
    std::copy(head.begin(), head.end(), groups.begin());
    std::copy(tail.begin(), tail.end(), groups.end() - static_cast<long>(tail.size()));
    return groups;
}

char Hex(int digit) {
    return static_cast<char>(digit < 10 ? '0' + digit : 'a' + digit - 10);
}

} // namespace

std::string GuessKey(std::string_view address) {
    if (const auto v4 = Ipv4(address)) return Dotted(*v4);
    const auto v6 = Ipv6(address);
    if (!v6) return std::string(address);
    const std::array<int, 8>& g = *v6;
    if (std::all_of(g.begin(), g.begin() + 5, [](int x) { return x == 0; }) && g[5] == 0xFFFF)
        return Dotted({g[6] >> 8, g[6] & 0xFF, g[7] >> 8, g[7] & 0xFF});
    std::string key;
    for (int i = 0; i < 4; ++i) {
        bool started = false;
        for (int shift = 12; shift >= 0; shift -= 4) {
            const int digit = g[static_cast<std::size_t>(i)] >> shift & 0xF;
            if (digit == 0 && !started && shift > 0) continue;
            started = true;
            key += Hex(digit);
        }
        key += ':';
    }
    return key + ":/64";
}

GuessLedger::GuessLedger() : wrongCodes(kWrongPerSecond, kWrongBurst) {}

GuessLedger::Entry* GuessLedger::Find(const std::string& key) {
    const auto found = keys.find(key);
    if (found == keys.end()) return nullptr;
    found->second.seen = ++seen;
    return &found->second;
}

std::int64_t GuessLedger::WaitOf(const std::string& key, std::int64_t now) {
    Entry* entry = Find(key);
    if (!entry) return 0;
    // The clock is the wall clock: stepped back, the wait starts again from now.
    entry->since = std::min(entry->since, now);
    return std::max<std::int64_t>(0, entry->since + entry->waitMs - now);
}

std::optional<net::Refusal> GuessLedger::Judge(const std::string& key, int code, int right,
                                               std::int64_t now) {
    if (WaitOf(key, now) > 0 || !wrongCodes.Ready(now)) return net::Refusal::Wait;
    if (code == right) return std::nullopt;
    wrongCodes.Admit(now);
    Entry* entry = Find(key);
    if (!entry) {
        if (keys.size() >= kMostKeys)
            keys.erase(std::min_element(keys.begin(), keys.end(), [](auto& a, auto& b) {
                return a.second.seen < b.second.seen;
            }));
        entry = &keys[key];
        entry->seen = ++seen;
    }
    ++entry->wrong;
    entry->since = now;
    const int past = entry->wrong - kFreeWrongCodes;
    entry->waitMs = past < 0 ? 0 : std::min(kLongestWaitMs, kFirstWaitMs << std::min(past, 32));
    return net::Refusal::WrongCode;
}

} // namespace pistework::game
