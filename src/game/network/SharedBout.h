// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bout both games of a network bout fence, each in its own time, from the same setup and
// the same list of both players' inputs, each stamped with the bout time it was given at. A
// player's own input takes effect at once; the other's arrives late, and the bout is fenced
// again from the latest state saved at or before it ("rollback"): one is kept at each whole
// second, so a rollback costs the same at minute 10 as at minute 1. What the present no longer
// holds is dropped quietly; what it newly holds is news, told once.

#include "game/BoutView.h"
#include "game/bout/Bout.h"
#include "game/network/Input.h"
#include "game/replay/Replay.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <vector>

namespace pistework::game {

// What both games agree on before the first input.
struct SharedSetup {
    int target = 15;
    bool timed = true;
    // The agreed start on the host's wall clock: the bout's random draws are seeded from it.
    std::int64_t start = 0;
};

class SharedBout {
public:
    static constexpr std::int64_t kDigestMs = 1000;
    // Longer than any bout is fenced, pauses and all: what a host may claim has gone by
    // before a guest or watcher joins.
    static constexpr std::int64_t kLongestMs = std::int64_t{3} * 3600 * 1000;
    // Saved states kept besides the start's: far more than the window of late inputs.
    static constexpr std::size_t kSavedSeconds = 16;

    explicit SharedBout(const SharedSetup& setup);

    // Takes an input in its place: by stamp, then the left side first, then as they came. One
    // that belongs before what has been fenced fences the bout again; true when it did.
    bool Add(const StampedInput& input);
    // Fences on to bout time `ms`; never back.
    void AdvanceTo(std::int64_t ms);
    std::int64_t Now() const { return now; }
    const BoutView& View() const { return view; }
    // The bout time of the next tick of play, and of a side's fencer; none while it does not run.
    std::optional<std::int64_t> NextDue() const;
    std::optional<std::int64_t> NextTickOf(Side side) const;

    // The events of the present the player has not been told of, in order, once each. An event
    // fenced again after a late input is not news if it was told already.
    std::vector<BoutEvent> TakeNews();
    // The digest of the bout's whole state at each whole second fenced, after that instant's
    // ticks and before its inputs: it depends only on inputs stamped before it.
    std::optional<std::uint32_t> DigestAt(std::int64_t second) const;
    // When the bout came to its end, in bout time, and how.
    std::optional<std::int64_t> OverAt() const { return present.overAt; }
    const std::optional<BoutOver>& Result() const { return present.result; }
    // Who paused the bout on show; none while it runs.
    std::optional<Side> PausedBy() const {
        return present.paused ? std::optional(present.pausedBy) : std::nullopt;
    }
    // The bout time fenced to its end, or so far, pauses not counted.
    std::int64_t FencedMs() const;
    // Its file: to its end once it has one, or as far as it has been fenced, which plays as a
    // bout left there.
    std::span<const std::uint8_t> ReplayFile() const;

    const SharedSetup& Setup() const { return setup; }
    const std::vector<StampedInput>& Inputs() const { return inputs; }
    // How often the bout was fenced again; how often that changed the piste on show, and the
    // events it took back; and the longest it took, in nanoseconds.
    int Rollbacks() const { return rollbacks; }
    int Corrections() const { return corrections; }
    int TakenBack() const { return takenBack; }
    std::int64_t LongestRollbackNs() const { return longestNs; }

private:
    // All a rollback goes back to.
    struct State {
        Bout bout;
        bool paused = false;
        std::size_t applied = 0; // the inputs taken so far
        std::size_t events = 0;  // the events fenced so far
        std::optional<std::int64_t> overAt;
        std::optional<BoutOver> result;
        Side pausedBy = Side::Left;
        std::int64_t pausedAt = 0, pausedMs = 0; // the pause on, and all pauses before it
        std::int64_t fencedAtOver = 0;
    };
    // Fences `until`; with a recorder, every tick and input goes through it, as a player's
    // game records a bout.
    void Fence(std::int64_t until, ReplayRecorder* recorder = nullptr);
    void Apply(const StampedInput& input, ReplayRecorder* recorder);
    void Rollback(std::int64_t from);
    void Save(std::int64_t second);
    void Show();

    SharedSetup setup;
    State present;
    std::int64_t now = 0;
    std::int64_t nextDigest = kDigestMs;
    BoutView view;
    std::vector<StampedInput> inputs;
    std::vector<std::pair<std::int64_t, BoutEvent>> events; // with their bout times
    std::map<std::int64_t, State> saved;                    // by whole second
    std::map<std::int64_t, std::uint32_t> digests;          // by whole second
    std::size_t told = 0;                                   // the present's events told so far
    std::vector<BoutEvent> news;                            // told again after a rollback
    mutable std::vector<std::uint8_t> file;
    int rollbacks = 0, corrections = 0, takenBack = 0;
    std::int64_t longestNs = 0;
};

} // namespace pistework::game
