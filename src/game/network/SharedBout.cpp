// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/network/SharedBout.h"

#include "game/bout/Fnv1a.h"

#include <algorithm>
#include <chrono>
#include <limits>

namespace pistework::game {

namespace {

// Left before right at one instant, so both games take the same order whichever came first.
bool Before(const StampedInput& a, const StampedInput& b) {
    return a.ms < b.ms || (a.ms == b.ms && a.side == Side::Left && b.side == Side::Right);
}

} // namespace

// Both fencers are people's; the result stays on show until a player leaves.
SharedBout::SharedBout(const SharedSetup& setup)
    : setup(setup), present{.bout = Bout(setup.start),
                            .paused = false,
                            .applied = 0,
                            .events = 0,
                            .overAt = {},
                            .result = {},
                            .pausedBy = Side::Left,
                            .pausedAt = 0,
                            .pausedMs = 0,
                            .fencedAtOver = 0} {
    Bout& bout = present.bout;
    bout.Take(setup.start, BoutSettings{.target = setup.target,
                                        .timed = setup.timed,
                                        .computerLeft = false,
                                        .demonstrationAfter = false});
    bout.Stop();
    bout.AwaitDemonstration();
    bout.StartNew(false);
    (void)bout.TakeNews();
    view.menu.target = setup.target;
    view.menu.timed = setup.timed;
    Show();
    Save(0);
}

void SharedBout::Show() {
    present.bout.Show(view);
    view.menu.paused = present.paused;
}

void SharedBout::Save(std::int64_t second) {
    saved.insert_or_assign(second, present);
    // The start and the last seconds: no late input reaches further back.
    while (saved.size() > kSavedSeconds + 1)
        saved.erase(std::next(saved.begin()));
}

std::optional<std::int64_t> SharedBout::NextDue() const {
    if (present.paused) return std::nullopt;
    const std::optional<std::int64_t> due = present.bout.NextDue();
    if (!due) return std::nullopt;
    return *due - setup.start;
}

std::optional<std::int64_t> SharedBout::NextTickOf(Side side) const {
    const std::optional<std::int64_t> due = present.bout.NextTickOf(side);
    if (!due || present.paused) return std::nullopt;
    return *due - setup.start;
}

std::optional<std::uint32_t> SharedBout::DigestAt(std::int64_t second) const {
    const auto found = digests.find(second);
    if (found == digests.end()) return std::nullopt;
    return found->second;
}

std::int64_t SharedBout::FencedMs() const {
    if (present.overAt) return present.fencedAtOver;
    return now - present.pausedMs - (present.paused ? now - present.pausedAt : 0);
}

std::span<const std::uint8_t> SharedBout::ReplayFile() const {
    // A bout still going has a new file at every moment; one over, the same for good.
    if (file.empty() || !present.overAt) {
        // Fenced once more from the start, as a player's game records its bouts.
        SharedBout again(setup);
        ReplayRecorder recorder;
        recorder.Begin(again.present.bout);
        again.inputs = inputs;
        again.Fence(present.overAt.value_or(now), &recorder);
        if (!present.overAt) {
            // Left part-way: the file ends where the bout stood, its clock read there.
            Bout& stood = again.present.bout;
            recorder.Take(stood, stood.Now(), input::Wait{});
            recorder.End(stood);
        }
        file.assign(recorder.Last().begin(), recorder.Last().end());
    }
    return file;
}

bool SharedBout::Add(const StampedInput& input) {
    const auto at = std::upper_bound(inputs.begin(), inputs.end(), input, Before);
    const auto place = static_cast<std::size_t>(at - inputs.begin());
    inputs.insert(at, input);
    if (place >= present.applied && input.ms >= now) {
        Fence(now);
        return false;
    }
    Rollback(input.ms);
    return true;
}

void SharedBout::AdvanceTo(std::int64_t ms) {
    if (ms > now) Fence(ms);
}

// At each instant: the ticks due, then the digest of a whole second, then the inputs.
void SharedBout::Fence(std::int64_t until, ReplayRecorder* recorder) {
    constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();
    Bout& bout = present.bout;
    for (;;) {
        const std::int64_t inputAt =
            present.applied < inputs.size() ? inputs[present.applied].ms : kNever;
        const std::int64_t step = std::max(now, std::min({until, inputAt, nextDigest}));
        if (present.paused) {
            bout.MoveTo(setup.start + step);
        } else {
            while (const std::optional<std::int64_t> due = bout.NextDue()) {
                if (*due > setup.start + step) break;
                if (recorder)
                    recorder->RunNext(bout);
                else
                    bout.RunNext();
                for (const Happening& happened : bout.TakeNews()) {
                    const auto* event = std::get_if<BoutEvent>(&happened);
                    if (!event) continue;
                    const std::int64_t at = bout.Now() - setup.start;
                    events.emplace_back(at, *event);
                    if (!std::holds_alternative<BoutOver>(*event) || present.overAt) continue;
                    present.overAt = at;
                    present.result = std::get<BoutOver>(*event);
                    present.fencedAtOver = at - present.pausedMs;
                    if (recorder) recorder->End(bout);
                }
            }
            bout.MoveTo(setup.start + step);
        }
        now = step;
        if (step == nextDigest) {
            present.events = events.size();
            Save(step);
            digests[step] = Fnv1a().Add(bout.Digest(), present.paused).Value();
            nextDigest += kDigestMs;
        } else if (step == inputAt) {
            Apply(inputs[present.applied++], recorder);
        } else {
            break;
        }
    }
    Show();
}

void SharedBout::Apply(const StampedInput& input, ReplayRecorder* recorder) {
    Bout& bout = present.bout;
    auto give = [&](const BoutInput& given) {
        if (recorder)
            recorder->Take(bout, setup.start + now, given);
        else
            bout.Take(setup.start + now, given);
    };
    if (input.input == Input::Pause || input.input == Input::Resume) {
        const bool pause = input.input == Input::Pause;
        if (pause == present.paused) return;
        present.paused = pause;
        if (pause) {
            present.pausedBy = input.side;
            present.pausedAt = now;
        } else {
            present.pausedMs += now - present.pausedAt;
        }
        // Every timer of play starts afresh when the pause ends.
        if (!pause) give(input::Resume{});
        return;
    }
    // The left fencer is the guest's and moves only while the bout runs; the right one is the
    // host's player's, as from its buttons.
    if (input.side == Side::Left && !bout.Running()) return;
    give(input::Order{input.side, static_cast<FencerCommand>(input.input)});
}

void SharedBout::Rollback(std::int64_t from) {
    const auto began = std::chrono::steady_clock::now();
    const std::int64_t until = now;
    const BoutView before = view;
    // The latest state saved at or before the late input; the start's is always kept.
    auto back = saved.upper_bound(from);
    if (back != saved.begin()) --back;
    present = back->second;
    now = back->first;
    nextDigest = now + kDigestMs;
    std::vector<std::pair<std::int64_t, BoutEvent>> was = std::move(events);
    events.assign(was.begin(), was.begin() + static_cast<std::ptrdiff_t>(present.events));
    file.clear();
    Fence(until);

    // Up to the late input the two pasts are one; after it, what was told and is fenced again
    // is not told twice, and anything else is news.
    const auto& is = events;
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
    corrections += view != before;
    ++rollbacks;
    longestNs =
        std::max<std::int64_t>(longestNs, std::chrono::duration_cast<std::chrono::nanoseconds>(
                                              std::chrono::steady_clock::now() - began)
                                              .count());
}

std::vector<BoutEvent> SharedBout::TakeNews() {
    std::vector<BoutEvent> out = std::move(news);
    news.clear();
    for (; told < events.size(); ++told)
        out.push_back(events[told].second);
    return out;
}

} // namespace pistework::game
