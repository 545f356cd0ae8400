// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the host remembers of wrong codes, so that nobody finds the code by trying. Each
// address earns a wait that doubles with every wrong code past the first few, and across all
// addresses codes found wrong are checked no faster than a steady rate. A hello that comes
// while its address waits, or while that rate is spent, is not checked at all: the answer is
// what would tell a guesser anything. The ledger outlives one hosting, so hosting again gives
// nobody fresh tries.

#include "game/network/Network.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace pistework::game {

// The address a connection came from, as the network library writes it (IPv4 dotted, or IPv6
// text), as guesses are counted by: an IPv4 address itself, an IPv6 address by its /64 (one
// home's or one server's whole network), an IPv4 address mapped into IPv6 as that IPv4
// address. Text that is no address counts as itself.
std::string GuessKey(std::string_view address);

class GuessLedger {
public:
    // Wrong codes one address may give before it waits; then the first wait, doubling with
    // each wrong code after, to the longest.
    static constexpr int kFreeWrongCodes = 3;
    static constexpr std::int64_t kFirstWaitMs = 1000;
    static constexpr std::int64_t kLongestWaitMs = 3'600'000;
    // Wrong codes from everyone: this many a second, and this many at once after a quiet spell.
    static constexpr int kWrongPerSecond = 1;
    static constexpr int kWrongBurst = 5;
    // Addresses remembered: past this the one seen longest ago is forgotten. A few hundred
    // kilobytes at most.
    static constexpr std::size_t kMostKeys = 4096;

    GuessLedger();

    // A hello with `code` from `key` at `now`, when the host's code is `right`: none lets it
    // in, else the refusal, WrongCode or Wait.
    std::optional<net::Refusal> Judge(const std::string& key, int code, int right,
                                      std::int64_t now);
    // How long `key` must still wait at `now`, 0 if none.
    std::int64_t WaitOf(const std::string& key, std::int64_t now);
    std::size_t Keys() const { return keys.size(); }

private:
    struct Entry {
        int wrong = 0;
        std::int64_t since = 0;  // the last wrong code
        std::int64_t waitMs = 0; // from `since`
        std::uint64_t seen = 0;  // the ledger's count when last seen
    };
    Entry* Find(const std::string& key);

    std::map<std::string, Entry, std::less<>> keys;
    net::FloodGate wrongCodes;
    std::uint64_t seen = 0;
};

} // namespace pistework::game
