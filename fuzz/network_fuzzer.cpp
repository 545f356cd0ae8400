// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes from a peer, read as the host (first byte even) or a guest or watcher (odd) reads them, the
// rest arriving in pieces over time, the clock now and then stepping back. Whatever they hold:
// reading does not depend on how the bytes are cut, at most one fault is reported and nothing
// is read after it, and every message read, written again by the game's own writer, reads back
// the same through a fresh reader at the same times.

#include "game/network/Network.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <utility>
#include <vector>

using namespace pistework::game;

namespace {

void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken rule: %s\n", what);
    std::abort();
}

// Two messages are the same when a fresh writer frames them alike: every field is written.
bool Same(const net::Message& a, const net::Message& b) {
    return a.index() == b.index() && net::FrameWriter().Frame(a) == net::FrameWriter().Frame(b);
}

struct Reading {
    std::vector<std::pair<net::Message, std::int64_t>> read; // each message, and when
    std::optional<net::Ending> fault;
};

// Where each piece ends and when it arrives.
struct Piece {
    std::size_t end;
    std::int64_t at;
};

// Feeds the bytes piece by piece, or each piece a byte at a time at the piece's time.
Reading Feed(net::Role role, std::span<const std::uint8_t> bytes, const std::vector<Piece>& pieces,
             bool byteByByte) {
    net::FrameReader reader(role);
    Reading r;
    std::size_t from = 0;
    for (const Piece& piece : pieces) {
        for (std::size_t at = from; at < piece.end;) {
            const std::size_t to = byteByByte ? at + 1 : piece.end;
            const std::optional<net::Ending> fault =
                reader.Feed(bytes.subspan(at, to - at), piece.at, [&](const net::Message& m) {
                    Require(!r.fault, "a message read after the fault");
                    r.read.emplace_back(m, piece.at);
                });
            Require(!r.fault || fault == r.fault, "a second fault, or the first forgotten");
            r.fault = fault;
            at = to;
        }
        from = piece.end;
    }
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const net::Role role =
        data[0] & 1 ? (data[0] & 2 ? net::Role::Watcher : net::Role::Guest) : net::Role::Host;
    const std::span<const std::uint8_t> bytes(data + 1, size - 1);
    // Pieces of 1 to 64 bytes, each 0 to 2 s after the last or, one time in ten, 0.2 s before.
    std::vector<Piece> pieces;
    std::uint32_t state = data[0] * 2654435761u + static_cast<std::uint32_t>(size);
    std::int64_t now = 0;
    for (std::size_t end = 0; end < bytes.size();) {
        state = state * 1664525u + 1013904223u;
        end = std::min(bytes.size(), end + 1 + (state >> 26));
        now += (state >> 8) % 10 == 0 ? -200 : static_cast<std::int64_t>((state >> 12) % 2001);
        pieces.push_back({end, now});
    }

    const Reading whole = Feed(role, bytes, pieces, false);
    const Reading single = Feed(role, bytes, pieces, true);
    Require(whole.fault == single.fault, "the fault depends on how the bytes are cut");
    Require(whole.read.size() == single.read.size(), "what is read depends on how it is cut");
    for (std::size_t i = 0; i < whole.read.size(); ++i)
        Require(Same(whole.read[i].first, single.read[i].first) &&
                    whole.read[i].second == single.read[i].second,
                "a message differs with how the bytes are cut");

    // Written again in order, as one writer would, read by a fresh reader at the same times.
    net::FrameWriter writer;
    net::FrameReader again(role);
    for (const auto& [original, at] : whole.read) {
        const net::Message& message = original;
        const std::vector<std::uint8_t> frame = writer.Frame(message);
        Require(frame.size() <= net::kMaxFrame + 2, "a message read writes past the largest frame");
        std::size_t count = 0;
        const std::optional<net::Ending> fault = again.Feed(frame, at, [&](const net::Message& m) {
            Require(Same(m, message), "a message changed through its frame");
            ++count;
        });
        Require(!fault && count == 1, "a message read does not read back");
    }
    return 0;
}
