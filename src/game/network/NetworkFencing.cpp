// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/network/NetworkFencing.h"

#include <algorithm>

namespace pistework::game {

using net::Ending;

ShownBout::ShownBout(Game& game, const SharedSetup& setup, platform::MediaPlayer& sound,
                     const platform::Clock& clock, const KeptBout& about)
    : game(game), sound(sound), clock(clock), about(about), bout(setup) {
    hold.emplace(game);
}

ShownBout::~ShownBout() = default;

void ShownBout::Show(std::int64_t ms, bool waiting) {
    bout.AdvanceTo(ms);
    for (const BoutEvent& event : bout.TakeNews())
        if (const auto* cue = std::get_if<SoundPlayed>(&event))
            PlayCue(sound, game.Options(), cue->cue);
    BoutView view = bout.View();
    view.waitingForPeer = waiting;
    if (shown == view) return;
    const bool was = shown && shown->menu.paused;
    if (was != view.menu.paused) {
        pausedBefore = was;
        pauseShownAt = ms;
    }
    shown = std::move(view);
    if (onShow) onShow(*shown);
}

bool ShownBout::PausedAsShownAt(std::int64_t ms) const {
    return ms < pauseShownAt ? pausedBefore : shown && shown->menu.paused;
}

void ShownBout::Settle(std::int64_t horizon) {
    if (kept || !bout.OverAt() || *bout.OverAt() >= horizon) return;
    Keep(BoutEnd::Finished);
}

void ShownBout::Close() {
    if (!kept) Keep(Over() ? BoutEnd::Finished : BoutEnd::Left);
}

void ShownBout::Keep(BoutEnd end) {
    kept = true;
    KeptBout record = about;
    record.score = bout.View().scores;
    record.lengthMs = bout.FencedMs();
    record.end = end;
    record.endedAt = clock.NowMilliseconds();
    keptAs = record;
    game.Keep(record, bout.ReplayFile());
    // The player may save it or watch it now.
    Reshow();
}

KeptBout Whose(BoutKind kind, const std::string& opponent) {
    KeptBout about;
    about.kind = kind;
    about.opponent = opponent;
    return about;
}

BoutNews NewsOf(const ShownBout& shown, const NetworkFencing* fencing) {
    const SharedBout& bout = shown.Bout();
    return {.own = fencing ? std::optional(fencing->Own()) : std::nullopt,
            .pausedBy = bout.PausedBy(),
            .over = bout.Result(),
            .asked = fencing ? fencing->Rematch() : Asked{}};
}

void ShownBout::End(NetworkEnding why) {
    if (!hold) return;
    Close();
    hold.reset();
    const ReplayPicture last = ReplayPicture::Of(bout.View());
    game.EndNetworkBout(why, last);
}

NetworkFencing::NetworkFencing(Game& game, const SharedSetup& setup, Side own, NetworkLink& link,
                               platform::TimerSource& timers, const platform::Clock& clock,
                               platform::MediaPlayer& sound, std::int64_t offset,
                               const std::string& opponent)
    : shown(game, setup, sound, clock,
            Whose(own == Side::Right ? BoutKind::NetworkHost : BoutKind::NetworkGuest, opponent)),
      own(own), link(link), clock(clock), offset(offset),
      frame(timers.MakeTimer("TimerNetworkBout", 1)),
      time(timers.MakeTimer("TimerNetworkTime", kTimeMs)) {
    frame->SetOnTimer([this] { Step(); });
    time->SetOnTimer([this] { Tick(); });
    frame->SetEnabled(true);
    time->SetEnabled(true);
}

NetworkFencing::~NetworkFencing() = default;

void NetworkFencing::End(NetworkEnding why) {
    Close();
    shown.End(why);
}

void NetworkFencing::Close() {
    frame->SetEnabled(false);
    time->SetEnabled(false);
    shown.Close();
}

// The host's clock less the start, as this machine reads it; a clock set back stands still.
std::int64_t NetworkFencing::BoutNow() {
    last = std::max(last, clock.NowMilliseconds() + offset - Bout().Setup().start);
    return last;
}

// The clock, held to the window past what the other player has confirmed: every input the
// other may still send is then stamped no more than the window back, so none is taken later.
std::int64_t NetworkFencing::Present() {
    return std::min(BoutNow(), heard + kWindowMs);
}

std::int64_t NetworkFencing::Horizon() const {
    return std::min(Bout().Now(), heard);
}

void NetworkFencing::Give(Input input) {
    if (link.Ended()) return;
    const StampedInput stamped{Present(), own, input};
    shown.Show(stamped.ms, waiting);
    Take(stamped);
    link.Send(net::Stamped{stamped});
    spoke = true;
}

void NetworkFencing::Offer() {
    if (link.Ended() || !shown.Over() || asked.ours) return;
    asked.ours = true;
    link.Send(net::Rematch{});
}

void NetworkFencing::PauseOrResume() {
    Give(shown.PausedAsShownAt(Present() - kSameMomentMs) ? Input::Resume : Input::Pause);
}

void NetworkFencing::Take(const StampedInput& input) {
    shown.Bout().Add(input);
    if (onInput) onInput(input);
    Step();
}

// The next tick of play is drawn when it falls due, not up to a frame late.
void NetworkFencing::Step() {
    const std::int64_t present = Present(), behind = last - present;
    if (behind > kMostBehindMs && link.HeardLately()) {
        link.Send(net::Bye{});
        return link.End(Ending::FellBehind);
    }
    waiting = behind >= kSayWaitingMs;
    shown.Show(present, waiting);
    const std::int64_t due = Bout().NextDue().value_or(present + kLongestFrameMs);
    frame->SetInterval(
        static_cast<int>(std::clamp<std::int64_t>(due - present, 1, kLongestFrameMs)));
    Compare();
}

void NetworkFencing::Tick() {
    Step();
    if (link.Ended()) return;
    if (!spoke) link.Send(net::Time{Bout().Now()});
    spoke = false;
    if (++ticks % kPingEvery == 0) link.Send(net::Ping{clock.NowMilliseconds()});
    if (onHorizon) onHorizon(Horizon());
}

void NetworkFencing::Receive(const net::Message& message) {
    if (const auto* stamped = std::get_if<net::Stamped>(&message)) {
        if (stamped->input.side == own) return link.End(Ending::BadCommand);
        if (!Hear(stamped->input.ms)) return;
        Take(stamped->input);
    } else if (const auto* time = std::get_if<net::Time>(&message)) {
        if (Hear(time->ms)) Step();
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
    } else if (std::holds_alternative<net::Rematch>(message)) {
        // Asked before this side's bout is over, it waits for the end; asked twice, it is one.
        asked.theirs = true;
        shown.Reshow();
    } else if (std::holds_alternative<net::Disagree>(message)) {
        link.End(Ending::Disagreed);
    } else if (!std::holds_alternative<net::Heartbeat>(message)) {
        link.End(Ending::OutOfOrder);
    }
}

// The other's time, from an input or said alone. It never goes back, and never runs more than
// the window past this side's present, which the other has been told and may not outrun. No
// stamp can then be more than the window late: this side waits for the other first.
bool NetworkFencing::Hear(std::int64_t ms) {
    if (ms < heard || ms > Present() + kWindowMs) {
        link.End(Ending::OutOfOrder);
        return false;
    }
    heard = ms;
    if (heard - lastTheirs > kMostUndigestedMs) {
        link.Send(net::Disagree{});
        link.End(Ending::Disagreed);
        return false;
    }
    return true;
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
