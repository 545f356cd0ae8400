// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A network bout on one machine, once it has begun: the shared bout on show while this
// player's own game waits, its sounds played as the player's options have them, and the bout
// kept as the last one fenced here once nothing can change it. A player's end adds the clock
// both games agree on, its own inputs stamped and sent, the other's taken as they come, the
// round trip, and the digests both compare every second.

#include "game/Game.h"
#include "game/network/NetworkLink.h"
#include "game/network/SharedBout.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace pistework::game {

// A bout kept of `kind` against `opponent`, all else to be filled as it ends.
KeptBout Whose(BoutKind kind, const std::string& opponent);

class ShownBout {
public:
    // `about` says whose bout it is and against whom: kept with the bout when it ends.
    ShownBout(Game& game, const SharedSetup& setup, platform::MediaPlayer& sound,
              const platform::Clock& clock, const KeptBout& about);
    ~ShownBout();
    ShownBout(const ShownBout&) = delete;
    ShownBout& operator=(const ShownBout&) = delete;
    SharedBout& Bout() { return bout; }
    const SharedBout& Bout() const { return bout; }
    void SetOnShow(std::function<void(const BoutView&)> handler) { onShow = std::move(handler); }
    // Fences on to `ms`, plays what is news and shows the present, saying whether it waits
    // for the other player.
    void Show(std::int64_t ms, bool waiting = false);
    // Whether the piste showed the bout paused at bout time `ms`: a change shown after it was
    // not yet seen.
    bool PausedAsShownAt(std::int64_t ms) const;
    // Every input before `horizon` has come: a bout over before it is over for good.
    void Settle(std::int64_t horizon);
    // Nothing more will come: the bout is kept as it stands, over or left part-way.
    void Close();
    // Back to the player's own game, the last picture on show and the call area saying why.
    void End(NetworkEnding why);
    // Kept as the last bout: over for good, or left; and what was said of it.
    bool Kept() const { return kept; }
    const std::optional<KeptBout>& KeptAs() const { return keptAs; }
    // Shows the present again, for what changed beside the piste.
    void Reshow() {
        if (onShow && shown) onShow(*shown);
    }
    bool Over() const { return bout.OverAt().has_value(); }

private:
    void Keep(BoutEnd end);

    Game& game;
    platform::MediaPlayer& sound;
    const platform::Clock& clock;
    KeptBout about;
    SharedBout bout;
    std::optional<PlayHold> hold;
    std::optional<BoutView> shown;
    // When the pause on show last changed, and what it was before.
    std::int64_t pauseShownAt = 0;
    bool pausedBefore = false;
    bool kept = false;
    std::optional<KeptBout> keptAs;
    std::function<void(const BoutView&)> onShow;
};

// Who has asked for another bout once this one is over: this player, the other, or both.
struct Asked {
    bool ours = false, theirs = false;
    bool operator==(const Asked&) const = default;
};

class NetworkFencing {
public:
    // `offset` turns this machine's clock into the host's; `opponent` is the other machine.
    NetworkFencing(Game& game, const SharedSetup& setup, Side own, NetworkLink& link,
                   platform::TimerSource& timers, const platform::Clock& clock,
                   platform::MediaPlayer& sound, std::int64_t offset,
                   const std::string& opponent = {});
    ~NetworkFencing();
    NetworkFencing(const NetworkFencing&) = delete;
    NetworkFencing& operator=(const NetworkFencing&) = delete;

    // This player's input: fenced at once, and sent stamped.
    void Give(Input input);
    // This player asks for another bout, or agrees to the other's asking: only once the bout
    // is over on show here.
    void Offer();
    const Asked& Rematch() const { return asked; }
    // The other of what this player saw as the key went down: both pausing, or both resuming,
    // within one moment leaves the bout as both meant.
    void PauseOrResume();
    // A message of the other player's; one that breaks the rules ends the link.
    void Receive(const net::Message& message);
    // The bout stops where it is, on show in the player's own game.
    void End(NetworkEnding why);
    // The next bout takes this one's place: this one is kept and stops, with nothing to say.
    void Close();
    std::int64_t Offset() const { return offset; }

    ShownBout& Shown() { return shown; }
    Side Own() const { return own; }
    const SharedBout& Bout() const { return shown.Bout(); }
    // Every input stamped before this has come, from both players.
    std::int64_t Horizon() const;
    std::optional<int> RoundTripMs() const { return roundTrip; }
    // The bout stands, waiting for the other player's time to come within the window.
    bool Waiting() const { return waiting; }

    // Each input as the bout takes it, this player's or the other's; and the horizon, twice a
    // second: what a watcher is sent.
    void SetOnInput(std::function<void(const StampedInput&)> handler) {
        onInput = std::move(handler);
    }
    void SetOnHorizon(std::function<void(std::int64_t)> handler) { onHorizon = std::move(handler); }

    // How far back the other player's input may rewrite the bout, and how far ahead of this
    // side's present it may be stamped. A side fences no further than this past the time the
    // other has confirmed, and waits rather than take anything later, so no stamp from before
    // it can be honest. A quarter second covers a link of some 150 ms each way with the time
    // said every 100 ms, and lets a cheat back-date a reaction by no more than a fencer's
    // two and a half steps.
    static constexpr std::int64_t kWindowMs = 250;
    // A side held back this long by the other ends the bout.
    static constexpr std::int64_t kMostBehindMs = 5000;
    // Held back less than this, the bout is only a little slow: nothing is said.
    static constexpr std::int64_t kSayWaitingMs = 100;
    // A peer whose time runs this far past its last digest ends the bout, as a differing one
    // does: a game that never compares could drift unseen.
    static constexpr std::int64_t kMostUndigestedMs = 3000;
    // A change of the pause shown this recently was not yet seen by the player pressing F3.
    static constexpr std::int64_t kSameMomentMs = 150;
    // How often each side says its time, unless an input said it since, and how many times
    // between pings: the other side's horizon, and a watcher's, trails by at most this.
    static constexpr int kTimeMs = 100;
    static constexpr int kPingEvery = 20;
    // The longest the piste goes undrawn while nothing of the bout falls due.
    static constexpr int kLongestFrameMs = 100;
    // How far past its own time a peer may claim a digest.
    static constexpr std::int64_t kDigestAheadMs = 2000;

private:
    std::int64_t BoutNow();
    std::int64_t Present();
    void Step();
    void Tick();
    void Compare();
    void Take(const StampedInput& input);
    bool Hear(std::int64_t ms);

    ShownBout shown;
    Side own;
    NetworkLink& link;
    const platform::Clock& clock;
    std::int64_t offset;
    std::int64_t last = 0;  // the latest bout time read: it never goes back
    std::int64_t heard = 0; // the other's time: every input of theirs before it has come
    std::int64_t nextDigest = SharedBout::kDigestMs;
    std::int64_t lastTheirs = 0;
    std::map<std::int64_t, std::uint32_t> theirs; // digests not yet compared, by second
    std::optional<int> roundTrip;
    int ticks = 0;
    bool spoke = false; // an input went since the last tick of the time
    bool waiting = false;
    Asked asked;
    std::unique_ptr<platform::Timer> frame, time;
    std::function<void(const StampedInput&)> onInput;
    std::function<void(std::int64_t)> onHorizon;
};

// What is said beside a network bout on show: whose fencer is this player's (none for a
// watcher), who paused it, its result once over, and who asked for another.
struct BoutNews {
    std::optional<Side> own;
    std::optional<Side> pausedBy;
    std::optional<BoutOver> over;
    Asked asked;
    bool operator==(const BoutNews&) const = default;
};
// `fencing` is none for a watcher.
BoutNews NewsOf(const ShownBout& shown, const NetworkFencing* fencing);

} // namespace pistework::game
