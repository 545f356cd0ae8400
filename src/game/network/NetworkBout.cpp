// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/network/NetworkBout.h"

namespace pistework::game {

using net::Ending;

NetworkLink::NetworkLink(net::Role role, platform::Connection& connection,
                         platform::TimerSource& timers, const platform::Clock& clock)
    : connection(connection), clock(clock), timer(timers.MakeTimer("TimerNetwork", kCheckMs)),
      reader(role) {
    timer->SetOnTimer([this] { Check(); });
    timer->SetEnabled(true);
    connection.SetOnReceived([this](std::span<const std::uint8_t> bytes) { Received(bytes); });
    connection.SetOnLost([this] { End(Ending::Lost); });
}

NetworkLink::~NetworkLink() {
    connection.SetOnReceived(nullptr);
    connection.SetOnLost(nullptr);
}

void NetworkLink::Send(const net::Message& message) {
    if (ended) return;
    const std::vector<std::uint8_t> frame = writer.Frame(message);
    sent += frame.size();
    quiet = 0;
    connection.Send(frame);
}

void NetworkLink::End(Ending why) {
    if (ended) return;
    ended = true;
    timer->SetEnabled(false);
    connection.Close();
    if (onEnd) onEnd(why);
}

void NetworkLink::Received(std::span<const std::uint8_t> bytes) {
    if (ended) return;
    received += bytes.size();
    const std::int64_t now = clock.NowMilliseconds();
    // Only whole frames count as being heard: a trickle of bytes is silence.
    const std::optional<Ending> fault = reader.Feed(bytes, now, [this](const net::Message& m) {
        unheard = 0;
        if (!ended && onMessage) onMessage(m);
    });
    if (fault) End(*fault);
}

// Counted in checks, not read from the clock, which is the wall clock and may jump.
void NetworkLink::Check() {
    if (++unheard > net::kSilenceMs / kCheckMs) return End(Ending::Silent);
    // A host says nothing before its welcome, which must be the first frame the guest reads,
    // however long the hello took to come.
    if (sent > 0 && ++quiet >= net::kHeartbeatMs / kCheckMs) Send(net::Heartbeat{});
}

NetworkHost::NetworkHost(Game& game, platform::Connection& connection,
                         platform::TimerSource& timers, const platform::Clock& clock, int code)
    : game(game), link(net::Role::Host, connection, timers, clock), code(code) {
    link.SetOnMessage([this](const net::Message& message) { Receive(message); });
    link.SetOnEnd([this](Ending why) {
        if (begun) this->game.EndNetworkBout(why);
        if (onEnd) onEnd(why, begun);
    });
}

void NetworkHost::Receive(const net::Message& message) {
    if (const auto* hello = std::get_if<net::Hello>(&message)) {
        // Turned away plainly: the guest is told why, and the host's game never notices.
        if (hello->version != net::kVersion) {
            link.Send(net::Refuse{net::Refusal::WrongVersion});
            return link.End(Ending::WrongVersion);
        }
        if (hello->code != code) {
            link.Send(net::Refuse{net::Refusal::WrongCode});
            return link.End(Ending::WrongCode);
        }
        link.Send(net::Welcome{net::kVersion, game.Options().maxHits, game.Options().timed});
        begun = true;
        if (onBegin) onBegin();
        game.BeginNetworkBout();
    } else if (const auto* command = std::get_if<net::Command>(&message)) {
        if (onCommand) onCommand(command->command);
        game.Command(CommandSource::Peer, Side::Left, command->command);
    } else if (const auto* pause = std::get_if<net::Pause>(&message)) {
        // The guest says which it wants: had the host's player just paused too, the bout
        // stays paused rather than the two presses cancelling out.
        if (pause->paused != game.View().menu.paused) game.Choose(Verb::PauseOrResume);
    } else if (std::holds_alternative<net::Bye>(message)) {
        link.End(Ending::PeerLeft);
    }
}

void NetworkHost::SendView(const BoutView& view) {
    if (!begun || link.Ended()) return;
    const net::Picture picture{ReplayPicture::Of(view), view.menu.paused};
    if (shown == picture) return;
    shown = picture;
    link.Send(picture);
}

void NetworkHost::SendEvent(const BoutEvent& event) {
    if (begun) link.Send(net::Event{event});
}

void NetworkHost::TurnAway() {
    link.Send(net::Refuse{net::Refusal::Busy});
    link.End(Ending::Busy);
}

void NetworkHost::Leave() {
    link.Send(net::Bye{});
    link.End(Ending::Left);
}

NetworkGuest::NetworkGuest(Game& game, platform::Connection& connection,
                           platform::TimerSource& timers, const platform::Clock& clock,
                           platform::MediaPlayer& sound, int code)
    : game(game), clock(clock), sound(sound), link(net::Role::Guest, connection, timers, clock) {
    link.SetOnMessage([this](const net::Message& message) { Receive(message); });
    link.SetOnEnd([this](Ending why) {
        if (begun) {
            hold.reset();
            this->game.EndNetworkBout(why, &shown.picture);
        }
        if (onEnd) onEnd(why, begun);
    });
    link.Send(net::Hello{net::kVersion, code});
}

void NetworkGuest::Receive(const net::Message& message) {
    if (const auto* welcome = std::get_if<net::Welcome>(&message)) {
        if (welcome->version != net::kVersion) {
            link.Send(net::Bye{});
            return link.End(Ending::WrongVersion);
        }
        begun = true;
        // The guest's own game waits, as under a replay, until the network bout ends; the
        // host's bout is kept as the last one fenced here.
        hold.emplace(game);
        keeping = std::pair(welcome->target, welcome->timed);
        if (onBegin) onBegin();
    } else if (const auto* refused = std::get_if<net::Refuse>(&message)) {
        link.End(refused->why == net::Refusal::WrongCode      ? Ending::WrongCode
                 : refused->why == net::Refusal::WrongVersion ? Ending::WrongVersion
                                                              : Ending::Busy);
    } else if (const auto* picture = std::get_if<net::Picture>(&message)) {
        shown = *picture;
        // Kept from the first picture, the bout's start as the host saw it.
        const BoutView view = shown.picture.Over(game.View());
        if (keeping)
            recording.Begin(view, keeping->first, keeping->second, clock.NowMilliseconds());
        else
            recording.See(view, clock.NowMilliseconds());
        keeping.reset();
        // Its last picture ends the recording: the bout becomes the last one fenced here.
        if (!recording.Last().empty() && !kept) {
            kept = true;
            game.KeepReplay(recording.Last());
        }
        if (onPicture) onPicture(shown);
    } else if (const auto* event = std::get_if<net::Event>(&message)) {
        recording.Note(event->event, clock.NowMilliseconds());
        if (const auto* cue = std::get_if<SoundPlayed>(&event->event))
            PlayCue(sound, game.Options(), cue->cue);
    } else if (std::holds_alternative<net::Bye>(message)) {
        link.End(Ending::PeerLeft);
    }
}

void NetworkGuest::Command(FencerCommand command) {
    if (begun) link.Send(net::Command{command});
}

void NetworkGuest::PauseOrResume() {
    // What this player sees decides: had the host's player just paused too, the bout stays
    // paused rather than the two presses cancelling out.
    if (begun) link.Send(net::Pause{!shown.paused});
}

void NetworkGuest::Leave() {
    link.Send(net::Bye{});
    link.End(Ending::Left);
}

} // namespace pistework::game
