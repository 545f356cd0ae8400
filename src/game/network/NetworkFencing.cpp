// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/network/NetworkFencing.h"

#include <algorithm>

namespace pistework::game {

using net::Ending;

ShownBout::ShownBout(Game& game, const SharedSetup& setup, platform::MediaPlayer& sound)
    : game(game), sound(sound), bout(setup) {
    hold.emplace(game);
}

void ShownBout::Show(std::int64_t ms) {
    bout.AdvanceTo(ms);
    for (const BoutEvent& event : bout.TakeNews())
        if (const auto* cue = std::get_if<SoundPlayed>(&event))
            PlayCue(sound, game.Options(), cue->cue);
    if (shown == bout.View()) return;
    shown = bout.View();
    if (onShow) onShow(*shown);
}

void ShownBout::Settle(std::int64_t horizon) {
    if (kept || !bout.OverAt() || *bout.OverAt() >= horizon) return;
    kept = true;
    game.KeepReplay(bout.ReplayFile());
}

void ShownBout::End(NetworkEnding why) {
    if (!hold) return;
    hold.reset();
    const ReplayPicture last = ReplayPicture::Of(bout.View());
    game.EndNetworkBout(why, &last);
}

NetworkFencing::NetworkFencing(Game& game, const SharedSetup& setup, Side own, NetworkLink& link,
                               platform::TimerSource& timers, const platform::Clock& clock,
                               platform::MediaPlayer& sound, std::int64_t offset)
    : shown(game, setup, sound), own(own), link(link), clock(clock), offset(offset),
      frame(timers.MakeTimer("TimerNetworkBout", 1)),
      time(timers.MakeTimer("TimerNetworkTime", kTimeMs)) {
    frame->SetOnTimer([this] { Step(); });
    time->SetOnTimer([this] { Tick(); });
    frame->SetEnabled(true);
    time->SetEnabled(true);
}

NetworkFencing::~NetworkFencing() = default;

void NetworkFencing::End(NetworkEnding why) {
    frame->SetEnabled(false);
    time->SetEnabled(false);
    shown.End(why);
}

// The host's clock less the start, as this machine reads it; a clock set back stands still.
std::int64_t NetworkFencing::BoutNow() {
    last = std::max(last, clock.NowMilliseconds() + offset - Bout().Setup().start);
    return last;
}

std::int64_t NetworkFencing::Horizon() const {
    return std::min(Bout().Now(), heard);
}

void NetworkFencing::Give(Input input) {
    if (link.Ended()) return;
    const StampedInput stamped{BoutNow(), own, input};
    shown.Show(stamped.ms);
    Take(stamped);
    link.Send(net::Stamped{stamped});
    spoke = true;
}

void NetworkFencing::PauseOrResume() {
    Give(Bout().View().menu.paused ? Input::Resume : Input::Pause);
}

void NetworkFencing::Take(const StampedInput& input) {
    shown.Bout().Add(input);
    if (onInput) onInput(input);
    Step();
}

// The next tick of play is drawn when it falls due, not up to a frame late.
void NetworkFencing::Step() {
    shown.Show(BoutNow());
    const std::int64_t due = Bout().NextDue().value_or(last + kLongestFrameMs);
    frame->SetInterval(static_cast<int>(std::clamp<std::int64_t>(due - last, 1, kLongestFrameMs)));
    Compare();
}

void NetworkFencing::Tick() {
    Step();
    if (!spoke) link.Send(net::Time{last});
    spoke = false;
    if (++ticks % kPingEvery == 0) link.Send(net::Ping{clock.NowMilliseconds()});
    if (onHorizon) onHorizon(Horizon());
}

void NetworkFencing::Receive(const net::Message& message) {
    if (const auto* stamped = std::get_if<net::Stamped>(&message)) {
        if (stamped->input.side == own) return link.End(Ending::BadCommand);
        if (stamped->input.ms < heard) return link.End(Ending::OutOfOrder);
        heard = stamped->input.ms;
        Take(stamped->input);
    } else if (const auto* time = std::get_if<net::Time>(&message)) {
        if (time->ms < heard) return link.End(Ending::OutOfOrder);
        heard = time->ms;
        Compare();
    } else if (const auto* ping = std::get_if<net::Ping>(&message)) {
        link.Send(net::Pong{ping->sentAt});
    } else if (const auto* pong = std::get_if<net::Pong>(&message)) {
        const std::int64_t took = clock.NowMilliseconds() - pong->echo;
        if (took >= 0 && took <= net::kSilenceMs) roundTrip = static_cast<int>(took);
    } else if (const auto* digest = std::get_if<net::Digest>(&message)) {
        const std::int64_t at = digest->second * SharedBout::kDigestMs;
        if (at <= lastTheirs || at > heard + kDigestAheadMs) return link.End(Ending::OutOfOrder);
        lastTheirs = at;
        theirs[at] = digest->value;
        Compare();
    } else if (std::holds_alternative<net::Disagree>(message)) {
        link.End(Ending::Disagreed);
    } else if (!std::holds_alternative<net::Heartbeat>(message)) {
        link.End(Ending::OutOfOrder);
    }
}

// A digest is final once every input before its second has come from both sides.
void NetworkFencing::Compare() {
    if (link.Ended()) return;
    const std::int64_t horizon = Horizon();
    for (; nextDigest <= horizon; nextDigest += SharedBout::kDigestMs)
        if (const auto value = Bout().DigestAt(nextDigest))
            link.Send(net::Digest{nextDigest / SharedBout::kDigestMs, *value});
    while (!theirs.empty() && theirs.begin()->first <= horizon) {
        const auto [at, value] = *theirs.begin();
        theirs.erase(theirs.begin());
        if (Bout().DigestAt(at) != value) {
            link.Send(net::Disagree{});
            return link.End(Ending::Disagreed);
        }
    }
    shown.Settle(horizon);
}

} // namespace pistework::game
