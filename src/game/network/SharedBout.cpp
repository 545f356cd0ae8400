// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/network/SharedBout.h"

#include <algorithm>
#include <chrono>
#include <limits>

namespace pistework::game {

namespace {

// FNV-1a: small, fast and the same on every machine.
struct Hash {
    std::uint32_t value = 2166136261u;
    void Byte(std::uint8_t b) { value = (value ^ b) * 16777619u; }
    void Number(std::int64_t n) {
        for (int shift = 0; shift < 64; shift += 8)
            Byte(static_cast<std::uint8_t>(static_cast<std::uint64_t>(n) >> shift));
    }
    void Text(const std::string& text) {
        Number(static_cast<std::int64_t>(text.size()));
        for (char c : text)
            Byte(static_cast<std::uint8_t>(c));
    }
};

// Left before right at one instant, so both games take the same order whichever came first.
bool Before(const StampedInput& a, const StampedInput& b) {
    return a.ms < b.ms || (a.ms == b.ms && a.side == Side::Left && b.side == Side::Right);
}

} // namespace

std::uint32_t DigestOf(const BoutView& view) {
    Hash h;
    for (Side side : kSides) {
        h.Text(view.fencers[side].pose);
        h.Number(view.fencers[side].x);
        h.Number(view.scores[side]);
        h.Number(view.cards[side].yellow);
        h.Number(view.cards[side].reds);
        h.Number(static_cast<int>(view.lamps[side]));
    }
    h.Number(static_cast<int>(view.inFront));
    h.Number(static_cast<int>(view.call.call));
    h.Number(static_cast<int>(view.call.side));
    h.Number(view.clock.secondsLeft);
    h.Number(view.clock.shown);
    h.Number(view.menu.paused);
    return h.value;
}

SharedBout::Run::Run(const SharedSetup& setup) : form(setup.start), game(form.Services()) {
    game.Start();
    game.Choose({Verb::SetTarget, setup.target});
    if (game.Options().timed != setup.timed) game.Choose({Verb::ToggleTimed});
    game.SetOnEvent([this, start = setup.start](const BoutEvent& event) {
        const std::int64_t at = form.scheduler.Now() - start;
        events.emplace_back(at, event);
        if (std::holds_alternative<BoutOver>(event) && !overAt) overAt = at;
    });
    game.BeginNetworkBout();
}

SharedBout::SharedBout(const SharedSetup& setup)
    : setup(setup), run(std::make_unique<Run>(setup)) {}

SharedBout::~SharedBout() = default;

const BoutView& SharedBout::View() const {
    return run->game.View();
}

std::span<const std::uint8_t> SharedBout::ReplayFile() const {
    return run->game.LastReplay();
}

std::optional<std::int64_t> SharedBout::NextDue() const {
    const std::optional<std::int64_t> due = run->form.scheduler.NextDue();
    if (!due) return std::nullopt;
    return *due - setup.start;
}

std::optional<std::int64_t> SharedBout::NextTickOf(Side side) const {
    const auto due = run->form.Timer(side == Side::Left ? "TimerLeft" : "TimerRight").Due();
    if (!due) return std::nullopt;
    return *due - setup.start;
}

std::optional<std::uint32_t> SharedBout::DigestAt(std::int64_t second) const {
    const auto found = digests.find(second);
    if (found == digests.end()) return std::nullopt;
    return found->second;
}

bool SharedBout::Add(const StampedInput& input) {
    const auto at = std::upper_bound(inputs.begin(), inputs.end(), input, Before);
    const auto place = static_cast<std::size_t>(at - inputs.begin());
    inputs.insert(at, input);
    if (place >= applied && input.ms >= now) {
        Fence(now);
        return false;
    }
    Refence(input.ms);
    return true;
}

void SharedBout::AdvanceTo(std::int64_t ms) {
    if (ms > now) Fence(ms);
}

// At each instant: the ticks due, then the digest of a whole second, then the inputs.
void SharedBout::Fence(std::int64_t until) {
    constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();
    for (;;) {
        const std::int64_t inputAt = applied < inputs.size() ? inputs[applied].ms : kNever;
        const std::int64_t step = std::max(now, std::min({until, inputAt, nextDigest}));
        run->form.scheduler.RunUntil(setup.start + step);
        now = step;
        if (step == nextDigest) {
            digests[step] = DigestOf(View());
            nextDigest += kDigestMs;
        } else if (step == inputAt) {
            Apply(inputs[applied++]);
        } else {
            return;
        }
    }
}

void SharedBout::Apply(const StampedInput& input) {
    Game& game = run->game;
    if (input.input == Input::Pause || input.input == Input::Resume) {
        if ((input.input == Input::Pause) != game.View().menu.paused)
            game.Choose({Verb::PauseOrResume});
        return;
    }
    const auto command = static_cast<FencerCommand>(input.input);
    // The left fencer is the guest's, as the host's own game would take it; the right one
    // the host's player's, as from its buttons.
    if (input.side == Side::Left)
        game.Command(CommandSource::Peer, Side::Left, command);
    else
        game.Command(CommandSource::Buttons, Side::Right, command);
}

void SharedBout::Refence(std::int64_t from) {
    const auto began = std::chrono::steady_clock::now();
    const std::int64_t present = now;
    const BoutView before = View();
    const std::unique_ptr<Run> old = std::move(run);
    run = std::make_unique<Run>(setup);
    applied = 0;
    now = 0;
    nextDigest = kDigestMs;
    Fence(present);

    // Up to the late input the two pasts are one; after it, what was told and is fenced again
    // is not told twice, and anything else is news.
    const auto& was = old->events;
    const auto& is = run->events;
    std::size_t same = 0;
    while (same < told && same < is.size() && was[same].first < from && was[same] == is[same])
        ++same;
    std::vector<bool> matched(told - same, false);
    for (std::size_t i = same; i < is.size(); ++i) {
        bool found = false;
        for (std::size_t j = same; j < told && !found; ++j)
            if (!matched[j - same] && was[j].second == is[i].second)
                found = matched[j - same] = true;
        if (!found) news.push_back(is[i].second);
    }
    told = is.size();
    takenBack += static_cast<int>(std::count(matched.begin(), matched.end(), false));
    corrections += View() != before;
    ++rollbacks;
    longestNs =
        std::max<std::int64_t>(longestNs, std::chrono::duration_cast<std::chrono::nanoseconds>(
                                              std::chrono::steady_clock::now() - began)
                                              .count());
}

std::vector<BoutEvent> SharedBout::TakeNews() {
    std::vector<BoutEvent> out = std::move(news);
    news.clear();
    for (; told < run->events.size(); ++told)
        out.push_back(run->events[told].second);
    return out;
}

} // namespace pistework::game
