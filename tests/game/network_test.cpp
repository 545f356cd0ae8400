// SPDX-License-Identifier: GPL-3.0-or-later
// Network bouts: hostile bytes, megabytes of them, a whole bout, and breaks at any moment.

#include "NetworkPair.h"
#include "game/bout/BoutRules.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>

using namespace pistework;
using namespace pistework::game;
using net::Ending;
using Bytes = std::vector<std::uint8_t>;
using W = net::FrameWriter;

namespace {

constexpr net::Role kHost = net::Role::Host, kGuest = net::Role::Guest;
constexpr int kBeatMs = 300, kDelayMs = 75;

// A frame grown or cut by `by` bytes, announcing its new length; a byte of one set.
Bytes Grow(Bytes frame, std::ptrdiff_t by) {
    frame.resize(static_cast<std::size_t>(static_cast<std::ptrdiff_t>(frame.size()) + by));
    frame[0] = static_cast<std::uint8_t>((frame.size() - 2) >> 8);
    frame[1] = static_cast<std::uint8_t>((frame.size() - 2) & 0xFF);
    return frame;
}
Bytes Set(Bytes frame, std::size_t at, std::size_t value) {
    frame[at] = static_cast<std::uint8_t>(value);
    return frame;
}
Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}
Bytes Frames(W& w, std::size_t n, const net::Message& message) {
    Bytes all;
    while (n-- > 0) {
        const Bytes frame = w.Frame(message);
        all.insert(all.end(), frame.begin(), frame.end());
    }
    return all;
}
Bytes Hello(W& w, int code, int version = net::kVersion) {
    return w.Frame(net::Hello{static_cast<std::uint8_t>(version), code});
}
// How many frames a receiver's gate takes at one instant.
std::size_t Burst(net::Role receiver) {
    net::FloodGate gate = net::GateFor(receiver);
    std::size_t taken = 0;
    while (gate.Admit(0))
        ++taken;
    return taken;
}

// The scripted attacker's beat: from "Fence" on it advances while the fencers are over 50
// apart, then extends once and lunges once; any other call stops it until the next "Fence".
std::optional<FencerCommand> Attack(const ReplayPicture& seen, int& done) {
    const Call call = seen.call.call;
    if (call != Call::None) done = call == Call::Fence ? std::max(done, 0) : -1;
    if (done < 0 || done == 2) return std::nullopt;
    if (done == 0 && seen.fencers[Side::Right].x - seen.fencers[Side::Left].x > 50)
        return FencerCommand::Advance;
    return done++ == 0 ? FencerCommand::Extend : FencerCommand::Lunge;
}
// The guest's beat: a command it sends reaches the host's link one delay later, not sooner.
bool GuestBeat(NetworkPair& p, int& done) {
    const auto command = Attack(p.GuestShows().picture, done);
    if (command) p.joining->Command(*command);
    const std::uint64_t sent = p.joining->Link().BytesSent();
    p.form.scheduler.RunFor(kDelayMs - 1);
    EXPECT_TRUE(!command || p.door.Link()->BytesReceived() < sent);
    p.form.scheduler.RunFor(1);
    EXPECT_TRUE(!command || p.door.Link()->BytesReceived() == sent);
    p.form.scheduler.RunFor(kBeatMs - kDelayMs);
    return command.has_value();
}

} // namespace

TEST(NetworkBout, EachHostileGuestEndsTheLinkForItsOneReasonAndTheGameGoesOn) {
    using enum NetworkEnding;
    const int code = NetworkPair().code;
    const auto badCommand = static_cast<FencerCommand>(static_cast<int>(FencerCommand::Fleche) + 1);
    struct Case {
        const char* what;
        bool begun; // the bytes follow a right hello
        std::optional<Ending> ending;
        std::function<Bytes(W&)> bytes;
        std::optional<net::Refusal> told = std::nullopt;
    };
    // A frame's bytes: its length in two, its kind, its count, then a hello's magic.
    const Case cases[] = {
        {"a wrong code", false, WrongCode, [&](W& w) { return Hello(w, code + 1); },
         net::Refusal::WrongCode},
        {"another version", false, WrongVersion,
         [&](W& w) { return Hello(w, code, net::kVersion + 1); }, net::Refusal::WrongVersion},
        {"a bad magic", false, Malformed, [&](W& w) { return Set(Hello(w, code), 4, '?'); }},
        {"a code past the last", false, Malformed,
         [](W& w) { return Hello(w, net::kMaxCode + 1); }},
        {"a hello cut short", false, Malformed, [&](W& w) { return Grow(Hello(w, code), -1); }},
        {"a command first", false, OutOfOrder, [](W& w) { return w.Frame(net::Command{}); }},
        {"a welcome", false, OutOfOrder, [](W& w) { return w.Frame(net::Welcome{}); }},
        {"an oversized frame", true, Oversized,
         [](W& w) { return Grow(w.Frame(net::Bye{}), net::kMaxFrame - 1); }},
        {"an unknown kind", true, Malformed,
         [](W& w) { return Set(w.Frame(net::Bye{}), 2, std::variant_size_v<net::Message> + 1); }},
        {"a trailing byte", true, Malformed, [](W& w) { return Grow(w.Frame(net::Bye{}), 1); }},
        {"a skipped count", true, OutOfOrder,
         [](W& w) { return Set(w.Frame(net::Pause{}), 3, 2); }},
        {"a repeated count", true, OutOfOrder,
         [](W& w) { return Set(w.Frame(net::Pause{}), 3, 0); }},
        {"a second hello", true, OutOfOrder, [&](W& w) { return Hello(w, code); }},
        {"a picture", true, OutOfOrder, [](W& w) { return w.Frame(net::Picture{}); }},
        {"a command past the six", true, BadCommand,
         [&](W& w) { return w.Frame(net::Command{badCommand}); }},
        {"a flood", true, Flood, [](W& w) { return Frames(w, Burst(kHost), net::Heartbeat{}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NetworkPair p;
        const auto stored = p.form.store.values;
        Bytes heard; // a raw end in place of the guest's game
        bool closed = false;
        p.guestEnd.SetOnReceived([&](auto b) { heard.insert(heard.end(), b.begin(), b.end()); });
        p.guestEnd.SetOnLost([&] { closed = true; });
        W w;
        p.Arrive();
        p.guestEnd.Send(Cat({c.begun ? Hello(w, code) : Bytes(), c.bytes(w)}));
        p.form.scheduler.RunFor(NetworkLink::kCheckMs);
        EXPECT_EQ(p.hostEnded, c.ending);
        EXPECT_TRUE(closed);
        EXPECT_EQ(p.door.Begun(), c.begun);
        EXPECT_FALSE(p.host.Options().remoteLeft);
        EXPECT_EQ(p.host.View().networkEnded, c.begun ? c.ending : std::nullopt);
        if (c.told) {
            EXPECT_EQ(heard, W().Frame(net::Refuse{*c.told})); // told why, and nothing more
        }
        const ReplayPicture was = ReplayPicture::Of(p.host.View());
        EXPECT_TRUE(p.form.scheduler.RunUntilTrue(
            [&] { return ReplayPicture::Of(p.host.View()) != was; }, 60'000));
        EXPECT_EQ(p.form.store.values, stored);
        EXPECT_TRUE(p.form.launcher.calls.empty());
    }
}

TEST(NetworkFrames, AReaderHoldsOneFrameHoweverManyBytesCome) {
    const Bytes junk(std::size_t{1} << 20, 0); // a megabyte
    for (net::Role role : {kHost, kGuest}) {
        W w;
        const Bytes greeting = role == kHost ? Hello(w, 0) : w.Frame(net::Welcome{});
        W again = w;
        const Bytes beat = again.Frame(net::Heartbeat{});
        const Bytes longest = Grow(beat, net::kMaxFrame + 2 - beat.size());
        const std::size_t n = junk.size() / beat.size(), burst = Burst(role);
        const Bytes beats = Cat({greeting, Frames(w, n, net::Heartbeat{})});
        const int second = net::kHeartbeatMs / static_cast<int>(beat.size()); // a byte's share
        struct Case {
            const char* what;
            Bytes bytes;               // fed byte by byte, each `msPerByte` after the last
            int msPerByte, stepBackMs; // the clock steps back halfway
            std::optional<Ending> fault;
            std::size_t read, faultAt; // messages read; bytes fed when the fault came
        };
        for (const Case& c : {
                 Case{"a heartbeat a second, the clock stepping back", beats, second, 60'000,
                      std::nullopt, n + 1, 0},
                 Case{"heartbeats all at once", beats, 0, 0, Ending::Flood, burst,
                      greeting.size() + burst * beat.size()},
                 Case{"the longest frame", Cat({greeting, longest, junk}), 0, 0, Ending::Malformed,
                      1, greeting.size() + longest.size()},
                 Case{"a longer one", Cat({Grow(beat, net::kMaxFrame + 3 - beat.size()), junk}), 0,
                      0, Ending::Oversized, 0, 2},
             }) {
            SCOPED_TRACE(c.what);
            net::FrameReader reader(role);
            std::size_t read = 0, faultAt = 0;
            std::optional<Ending> fault;
            for (std::size_t i = 0; i < c.bytes.size(); ++i) {
                const auto now = static_cast<std::int64_t>(i) * c.msPerByte -
                                 (2 * i >= c.bytes.size() ? c.stepBackMs : 0);
                fault = reader.Feed(std::span(c.bytes).subspan(i, 1), now,
                                    [&](const net::Message&) { ++read; });
                if (fault && !faultAt) faultAt = i + 1;
            }
            EXPECT_EQ(fault, c.fault);
            EXPECT_EQ(read, c.read);
            EXPECT_EQ(faultAt, c.faultAt);
        }
    }
}

// A host's picture is bounded as a replay's is: a clock below zero is damaged.
TEST(NetworkFrames, AClockBelowZeroIsDamaged) {
    for (int seconds : {-1, std::numeric_limits<int>::min()}) {
        W w;
        net::Picture bad;
        bad.picture.clock.secondsLeft = seconds;
        const Bytes bytes = Cat({w.Frame(net::Welcome{}), w.Frame(bad)});
        EXPECT_EQ(net::FrameReader(kGuest).Feed(bytes, 0, [](auto&) {}), Ending::Malformed);
        EXPECT_EQ(ClockCaption(seconds), ClockCaption(0));
    }
}

// A picture with every field changed, and each kind of event with each enum at its picture value,
// read back from the bytes an earlier build wrote of them into a replay and frames to a guest.
TEST(NetworkFrames, APictureAndEventsReadAsAnEarlierBuildWroteThem) {
    const ReplayPicture picture{{{"LUNGE4A", -450}, {"FLECHE2XB", 450}},
                                Side::Right,
                                {Call::Attack, Side::Right},
                                {14, 15},
                                {{true, 2}, {}},
                                {1, true},
                                {Lamp::OffTarget, Lamp::On}};
    const BoutEvent events[] = {CallMade{{Call::GameOver, Side::Right}},
                                Ruling{RulingKind::RedCard, Side::Right},
                                SoundPlayed{SoundCue::Parry}, BoutOver{std::nullopt, {3, 3}, true}};
    Replay replay{1, false, true, {{0, picture}}};
    W w;
    Bytes frames = Cat({w.Frame(net::Welcome{}), w.Frame(net::Picture{picture})});
    for (const BoutEvent& event : events) {
        replay.entries.push_back({1, event});
        frames = Cat({frames, w.Frame(net::Event{event})});
    }
    const auto committed = [](const char* name) {
        std::ifstream in(PISTEWORK_TRACE_DIR "/data/" + std::string(name), std::ios::binary);
        return Bytes{std::istreambuf_iterator<char>(in), {}};
    };
    EXPECT_EQ(EncodeReplay(replay), committed("replay_v1.pstw"));
    EXPECT_EQ(frames, committed("frames_v2_to_guest.bin"));
    Replay read;
    EXPECT_EQ(DecodeReplay(committed("replay_v1.pstw"), read), ReplayError::None);
    EXPECT_TRUE(read == replay);
    std::vector<net::Message> sent;
    EXPECT_EQ(net::FrameReader(kGuest).Feed(committed("frames_v2_to_guest.bin"), 0,
                                            [&](const net::Message& m) { sent.push_back(m); }),
              std::nullopt);
    EXPECT_EQ(std::get<net::Picture>(sent.at(1)).picture, picture);
}

TEST(NetworkBout, ABoutReachesTheGuestWholeAndOnTimeAndKeepsNoBestResult) {
    NetworkPair p(kDelayMs);
    auto& time = p.form.scheduler;
    std::vector<net::Picture> shown; // each new picture of the host's while the guest watches
    p.host.SetOnView([&](const BoutView& view) {
        const net::Picture now{ReplayPicture::Of(view), view.menu.paused};
        if (p.door.Begun() && (shown.empty() || shown.back() != now)) shown.push_back(now);
        p.door.SendView(view);
    });
    bool offered = false;
    p.host.SetOnNewBest([&](const Game::NewBest&, const Game::Record&) { offered = true; });
    // A record the host's win would beat, were it not a network bout.
    p.host.Choose({Verb::SetTarget, 2});
    ASSERT_TRUE(WriteBestResult(p.form.store, p.host.Options().level->number, 0, 1, "A"));
    const std::int64_t start = time.Now();
    p.Join();
    int commands = 0;
    // The guest scores first, pauses and resumes; then the host's player fences to a win.
    for (int guest = -1, host = -1; p.host.View().scores[Side::Right] < p.host.Options().maxHits &&
                                    time.Now() < start + 120'000;) {
        if (p.host.View().scores[Side::Left] == 0) {
            commands += GuestBeat(p, guest);
            if (p.host.View().scores[Side::Left] == 0) continue;
            for (bool paused : {true, false}) {
                if (paused)
                    p.host.Choose(Verb::PauseOrResume); // both press F3; the guest alone resumes
                p.joining->PauseOrResume();
                time.RunFor(kDelayMs);
                EXPECT_EQ(p.host.View().menu.paused, paused);
                time.RunFor(kDelayMs);
                EXPECT_EQ(p.GuestShows().paused, paused);
            }
        }
        time.RunFor(kBeatMs);
        if (const auto command = Attack(ReplayPicture::Of(p.host.View()), host))
            p.host.Command(game::CommandSource::Buttons, Side::Right, *command);
    }
    EXPECT_EQ(p.host.View().scores[Side::Left], 1);
    const double seconds = static_cast<double>(time.Now() - start) / 1000;
    const int down = static_cast<int>(static_cast<double>(p.door.Link()->BytesSent()) / seconds);
    const int up = static_cast<int>(static_cast<double>(p.joining->Link().BytesSent()) / seconds);
    RecordProperty("hostToGuestBytesPerSecond", down);
    RecordProperty("guestToHostBytesPerSecond", up);
    std::printf("%.1f s: host to guest %d B/s, guest to host %d B/s; %d commands, each in %d ms\n",
                seconds, down, up, commands, kDelayMs);
    // A minute paused over the result: heartbeats alone keep the link.
    EXPECT_TRUE(time.RunUntilTrue([&] { return p.host.View().call.call == Call::GameOver; },
                                  net::kSilenceMs));
    p.joining->PauseOrResume();
    time.RunFor(60'000);
    EXPECT_FALSE(p.hostEnded || p.guestEnded);
    EXPECT_FALSE(offered);
    EXPECT_TRUE(p.guestSaw == shown); // every picture, in order
    // Both keep the bout as their last one, with the same pictures up to its end.
    Replay kept[2];
    ASSERT_EQ(DecodeReplay(p.host.LastReplay(), kept[0]), ReplayError::None);
    ASSERT_EQ(DecodeReplay(p.guest.LastReplay(), kept[1]), ReplayError::None);
    auto pictures = [](const Replay& replay) {
        std::vector<ReplayPicture> all;
        for (const ReplayEntry& entry : replay.entries) {
            if (const auto* event = std::get_if<BoutEvent>(&entry.what))
                if (std::holds_alternative<BoutOver>(*event)) break;
            if (const auto* picture = std::get_if<ReplayPicture>(&entry.what))
                all.push_back(*picture);
        }
        return all;
    };
    EXPECT_TRUE(pictures(kept[1]) == pictures(kept[0]));
    EXPECT_EQ(kept[1].target, kept[0].target);
}

TEST(NetworkBout, ABreakAtAnyMomentLeavesBothGamesTheirOwn) {
    struct Cut {
        std::function<void(NetworkPair&)> cut;
        Ending host, guest;
    };
    const Cut cuts[] = {
        {[](NetworkPair& p) { p.hostEnd.Break(); }, Ending::Lost, Ending::Lost},
        {[](NetworkPair& p) { p.hostEnd.Mute(); }, Ending::Lost, Ending::Silent},
        {[](NetworkPair& p) { p.guestEnd.Mute(); }, Ending::Silent, Ending::Lost},
        {[](NetworkPair& p) { p.door.Leave(); }, Ending::Left, Ending::PeerLeft},
        {[](NetworkPair& p) { p.joining->Leave(); }, Ending::PeerLeft, Ending::Left}};
    std::mt19937 random(20261207);
    for (std::size_t run = 0; run < 6 * std::size(cuts); ++run) {
        const Cut& c = cuts[run % std::size(cuts)];
        NetworkPair p(kDelayMs);
        auto& time = p.form.scheduler;
        time.RunFor(20'000); // the guest's own game shows a demonstration as it joins
        // Each cut once as the guest knocks, then at random through a bout.
        const std::int64_t at =
            time.Now() +
            (run < std::size(cuts) ? 0 : std::uniform_int_distribution(0, 30'000)(random));
        SCOPED_TRACE(testing::Message() << "run " << run << " cut at " << at);
        std::optional<Call> first[2]; // the first call each game makes, the host's and the guest's
        const auto note = [&](int game, const BoutEvent& e) {
            if (const auto* call = std::get_if<CallMade>(&e); call && !first[game])
                first[game] = call->call.call;
        };
        p.host.SetOnEvent([&](const BoutEvent& e) { note(0, e), p.door.SendEvent(e); });
        p.guest.SetOnEvent([&](const BoutEvent& e) { note(1, e); });
        p.Join();
        for (int done = -1; time.Now() + kBeatMs <= at;)
            GuestBeat(p, done);
        time.RunUntil(at);
        c.cut(p);
        // Silence is heard within its time once the last frame is in; a close a delay later.
        time.RunFor(net::kSilenceMs + NetworkLink::kCheckMs + kDelayMs);
        EXPECT_TRUE(p.hostEnded == c.host || c.host == Ending::Lost);
        EXPECT_TRUE(p.guestEnded == c.guest || c.guest == Ending::Lost);
        time.RunFor(kDelayMs);
        EXPECT_EQ(p.hostEnded, c.host);
        EXPECT_EQ(p.guestEnded, c.guest);
        EXPECT_FALSE(p.host.Options().remoteLeft);
        // The prompt shows only through the demonstration a host that never fenced still runs.
        EXPECT_EQ(p.host.View().startPrompt, !p.door.Begun());
        EXPECT_EQ(p.host.View().networkEnded, p.door.Begun() ? p.hostEnded : std::nullopt);
        EXPECT_EQ(p.guest.View().networkEnded, p.joining->Begun() ? p.guestEnded : std::nullopt);
        // The guest keeps the bout's last score on show, as the host does.
        EXPECT_TRUE(!p.joining->Begun() || p.guest.View().scores == p.GuestShows().picture.scores);
        // The guest's own game goes on to a demonstration 15 s later, as the host's does.
        first[0] = first[1] = std::nullopt;
        time.RunFor(15'000 + 3'000); // the salute, then the first call
        EXPECT_TRUE(!p.joining->Begun() || first[1] == Call::Engarde);
        first[0] = first[1] = std::nullopt;
        p.host.Choose(Verb::NewGame);
        p.guest.Choose(Verb::NewGame);
        time.RunFor(net::kSilenceMs);
        EXPECT_EQ(first[0], Call::Engarde);
        EXPECT_EQ(first[1], Call::Engarde);
    }
}

// Where to join and the code, as a player types them: a port in the text stands over the one
// given, an IPv6 address needs brackets to carry one, and nothing out of range passes.
TEST(NetworkAddress, ReadAsTyped) {
    using A = net::Address;
    const std::uint16_t given = 40500;
    const std::vector<std::pair<std::string, std::optional<A>>> cases{
        {"192.168.1.20", A{"192.168.1.20", given}},
        {" host.example:41000 ", A{"host.example", 41000}},
        {"::1", A{"::1", given}},
        {"[fe80::1]:41001", A{"fe80::1", 41001}},
        {"[::1]", A{"::1", given}},
        {"host:0", std::nullopt},
        {"host:65536", std::nullopt},
        {"host:", std::nullopt},
        {"[::1]41000", std::nullopt},
        {"", std::nullopt},
        {"a b", std::nullopt},
    };
    for (const auto& [text, want] : cases)
        EXPECT_EQ(net::ParseAddress(text, given), want) << text;
    EXPECT_EQ(net::ParseCode("0042"), 42);
    EXPECT_EQ(net::ParseCode(std::to_string(net::kMaxCode)), net::kMaxCode);
    for (const char* bad : {"", "12345", "12a4", "-1"})
        EXPECT_FALSE(net::ParseCode(bad)) << bad;
}

// The host's door: connections that say nothing cannot keep a guest out, a guest on a slow
// link gets in, a mistyped code may be typed again, and the last wrong code shuts the door.
TEST(NetworkDoor, LetsTheRightGuestInAndNoGuesserThrough) {
    using platform::headless::MemoryConnection;
    constexpr int kHello = NetworkDoor::kHelloMs, kWrong = NetworkDoor::kMostWrongCodes;
    constexpr int kFull = static_cast<int>(NetworkDoor::kMostWaiting);
    struct Case {
        const char* what;
        int delayMs;   // each way, on every connection
        int silent;    // connections there from the start that say nothing, back as they go
        int wrong;     // connections there from the start that say a wrong code
        int guestAtMs; // when the guest's connection comes
        std::optional<Ending> turnedAway; // the guest's, or none: it fences within `withinMs`
        int withinMs = 0;
    };
    const Case cases[] = {
        {"a link of 2 s each way", 2000, 0, 0, 0, std::nullopt, 2 * 2000 + 2},
        {"all places but one held", 0, kFull - 1, 0, 0, std::nullopt, 3000},
        {"all places held past their time", 0, kFull, 0, kHello, std::nullopt, 3000},
        {"all places held, none past its time", 0, kFull, 0, kHello - 1, Ending::Busy},
        {"one wrong code short", 0, 0, kWrong - 1, 100, std::nullopt, 3000},
        {"the last wrong code", 0, 1, kWrong, 100, Ending::Busy},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NetworkPair p(c.delayMs);
        auto& time = p.form.scheduler;
        std::vector<std::unique_ptr<MemoryConnection>> others; // their own ends
        std::function<void(int)> knock = [&](int code) {
            others.push_back(std::make_unique<MemoryConnection>(time, c.delayMs));
            auto theirs = std::make_unique<MemoryConnection>(time, c.delayMs);
            MemoryConnection::Join(*others.back(), *theirs);
            if (code >= 0) others.back()->Send(W().Frame(net::Hello{net::kVersion, code}));
            if (code < 0)
                others.back()->SetOnLost(
                    [&] { p.door.Shut() || others.size() > 99 ? void() : knock(-1); });
            p.door.Arrive(std::move(theirs));
        };
        for (int i = 0; i < c.silent; ++i)
            knock(-1);
        for (int i = 0; i < c.wrong; ++i)
            knock(p.code + 1 + i);
        time.RunFor(c.guestAtMs);
        const std::int64_t came = time.Now();
        p.Join();
        EXPECT_TRUE(time.RunUntilTrue([&] { return p.joining->Begun() || p.guestEnded; }, 10'000));
        EXPECT_EQ(p.guestEnded, c.turnedAway);
        EXPECT_EQ(p.door.Shut(), c.wrong == kWrong);
        EXPECT_TRUE(c.turnedAway || time.Now() - came <= c.withinMs);
        time.RunFor(net::kSilenceMs + 2 * c.delayMs);
        // Once a guest is in or the door is shut, everyone else has been turned away.
        EXPECT_EQ(std::all_of(others.begin(), others.end(), [](auto& o) { return o->Closed(); }),
                  p.door.Begun() || p.door.Shut());
        // The door lets go of those it turned away once another comes, however many come.
        EXPECT_TRUE(!p.door.Shut() || std::all_of(others.begin(), others.end(),
                                                  [](auto& o) { return o->PeerGone(); }));
        if (c.turnedAway) continue;
        EXPECT_TRUE(!p.guestEnded && p.host.Options().remoteLeft);
    }
}
