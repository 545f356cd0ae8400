// SPDX-License-Identifier: GPL-3.0-or-later
// Network bouts: hostile bytes, megabytes of them, a whole bout, and breaks at any moment.

#include "NetworkPair.h"
#include "game/bout/BoutRules.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <list>
#include <random>
#include <tuple>

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
std::optional<FencerCommand> Attack(const BoutView& seen, int& done) {
    const Call call = seen.call.call;
    if (call != Call::None) done = call == Call::Fence ? std::max(done, 0) : -1;
    if (done < 0 || done == 2) return std::nullopt;
    if (done == 0 && seen.fencers[Side::Right].x - seen.fencers[Side::Left].x > 50)
        return FencerCommand::Advance;
    return done++ == 0 ? FencerCommand::Extend : FencerCommand::Lunge;
}
// The guest's beat, on what it shows.
void GuestBeat(NetworkPair& p, int& done) {
    if (p.joining->Begun())
        if (const auto command = Attack(p.GuestSide().Bout().View(), done))
            p.GuestSide().Give(InputOf(*command));
    p.form.scheduler.RunFor(kBeatMs);
}
// Both players attack on what each shows, until `done` or a thousand beats.
void FenceUntil(NetworkPair& p, const std::function<bool()>& done) {
    for (int host = -1, guest = -1, beats = 0; !done() && beats < 1000; ++beats) {
        GuestBeat(p, guest);
        if (const auto command = Attack(p.HostSide().Bout().View(), host))
            p.HostSide().Give(InputOf(*command));
    }
}
Bytes Greeting(W& w, int code, bool watch = false) {
    return Cat({Hello(w, code), w.Frame(net::Join{watch, 0})});
}
// Bytes an earlier build wrote, kept with the tests.
Bytes Committed(const char* name) {
    std::ifstream in(PISTEWORK_TRACE_DIR "/data/" + std::string(name), std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(in), {}};
}

// A watcher's machine: its own game, settings and sound, the pair's clock.
struct Watcher {
    Watcher(NetworkPair& p, int delayMs, const std::string& address)
        : mine(p.form.scheduler, delayMs),
          theirs(std::make_unique<platform::headless::MemoryConnection>(p.form.scheduler, delayMs)),
          game(platform::Services{.timers = p.form,
                                  .sound = sound,
                                  .store = store,
                                  .clock = p.form.clock,
                                  .bouts = bouts}) {
        platform::headless::MemoryConnection::Join(mine, *theirs);
        game.Start();
        p.door.Arrive(std::move(theirs), address);
        end.emplace(NetworkPlace{game, p.form, p.form.clock, sound}, mine, p.code,
                    std::string(NetworkPair::kHostAddress));
        end->SetOnEnd([this](Ending why, bool) { ended = why; });
        end->Knock();
    }
    platform::headless::MemoryStore store;
    platform::headless::MemoryBoutStore bouts;
    platform::headless::HeadlessMediaPlayer sound;
    platform::headless::MemoryConnection mine;
    std::unique_ptr<platform::headless::MemoryConnection> theirs;
    Game game;
    std::optional<NetworkWatcher> end;
    std::optional<Ending> ended;
};

} // namespace

TEST(NetworkBout, EachHostileGuestEndsTheLinkForItsOneReasonAndTheGameGoesOn) {
    using enum NetworkEnding;
    const int code = NetworkPair().code;
    const auto badInput = static_cast<Input>(static_cast<int>(kLastInput) + 1);
    struct Case {
        const char* what;
        bool begun; // the bytes follow a right hello
        std::optional<Ending> ending;
        std::function<Bytes(W&)> bytes;
        std::optional<net::Refusal> told = std::nullopt;
        int runMs = NetworkLink::kCheckMs; // until the host has looked at it
    };
    // A frame's bytes: its length in two, its kind, its count, then a hello's magic.
    const Case cases[] = {
        {"a wrong code", false, WrongCode, [&](W& w) { return Hello(w, code + 1); },
         net::Refusal::WrongCode},
        {"another version", false, WrongVersion,
         [&](W& w) { return Hello(w, code, net::kVersion + 1); }, net::Refusal::WrongVersion},
        {"a hello of the third version", false, WrongVersion,
         [](W&) {
             const Bytes v3 = Committed("frames_v3_to_host.bin"); // a hello first
             return Bytes(v3.begin(), v3.begin() + 2 + v3[1]);
         },
         net::Refusal::WrongVersion},
        {"a bad magic", false, Malformed, [&](W& w) { return Set(Hello(w, code), 4, '?'); }},
        {"a code past the last", false, Malformed,
         [](W& w) { return Hello(w, net::kMaxCode + 1); }},
        {"a hello cut short", false, Malformed, [&](W& w) { return Grow(Hello(w, code), -1); }},
        {"an input first", false, OutOfOrder, [](W& w) { return w.Frame(net::Stamped{}); }},
        {"a join first", false, OutOfOrder, [](W& w) { return w.Frame(net::Join{}); }},
        {"a welcome", false, OutOfOrder, [](W& w) { return w.Frame(net::Welcome{}); }},
        {"a rematch first", false, OutOfOrder, [](W& w) { return w.Frame(net::Rematch{}); }},
        {"a next bout's start the host never gave", true, OutOfOrder,
         [](W& w) { return w.Frame(net::Again{0}); }},
        {"an oversized frame", true, Oversized,
         [](W& w) { return Grow(w.Frame(net::Bye{}), net::kMaxFrame - 1); }},
        {"an unknown kind", true, Malformed,
         [](W& w) { return Set(w.Frame(net::Bye{}), 2, std::variant_size_v<net::Message> + 1); }},
        {"a trailing byte", true, Malformed, [](W& w) { return Grow(w.Frame(net::Bye{}), 1); }},
        {"a skipped count", true, OutOfOrder,
         [](W& w) { return Set(w.Frame(net::Heartbeat{}), 3, 3); }},
        {"a repeated count", true, OutOfOrder,
         [](W& w) { return Set(w.Frame(net::Heartbeat{}), 3, 0); }},
        {"a second hello", true, OutOfOrder, [&](W& w) { return Hello(w, code); }},
        {"a second join", true, OutOfOrder, [](W& w) { return w.Frame(net::Join{}); }},
        {"a retired kind", true, Malformed, [](W& w) { return Set(w.Frame(net::Bye{}), 2, 6); }},
        {"an input past the last", true, BadCommand,
         [&](W& w) {
             return w.Frame(net::Stamped{{0, Side::Left, badInput}});
         }},
        {"an input for the host's fencer", true, BadCommand,
         [](W& w) {
             return w.Frame(net::Stamped{{0, Side::Right, Input::Lunge}});
         }},
        {"a stamp going back", true, OutOfOrder,
         [](W& w) {
             return Cat({w.Frame(net::Time{500}), w.Frame(net::Stamped{{499}})});
         }},
        {"a time past any bout", true, Malformed,
         [](W& w) { return w.Frame(net::Time{net::kMaxMs + 1}); }},
        {"a digest from the future", true, OutOfOrder,
         [](W& w) {
             return w.Frame(net::Digest{60, 0});
         }},
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
        p.guestEnd.Send(Cat({c.begun ? Greeting(w, code) : Bytes(), c.bytes(w)}));
        p.form.scheduler.RunFor(c.runMs);
        EXPECT_EQ(p.hostEnded, c.ending);
        EXPECT_TRUE(closed);
        EXPECT_EQ(p.door.Begun(), c.begun);
        EXPECT_EQ(p.host.View().networkEnded, c.begun ? c.ending : std::nullopt);
        if (c.told) {
            EXPECT_EQ(heard, W().Frame(net::Refuse{*c.told})); // told why, and nothing more
        }
        if (c.ending == Disagreed) { // the guest's game is told, and ends the bout too
            std::vector<net::Message> said;
            net::FrameReader(kGuest).Feed(heard, 0,
                                          [&](const net::Message& m) { said.push_back(m); });
            EXPECT_TRUE(!said.empty() && std::holds_alternative<net::Disagree>(said.back()));
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

// A picture with every field changed, and each kind of event with each enum at its picture
// value, read back from the bytes an earlier build wrote of them into a replay; and every
// message with every field set, as the frames of this network version are laid out.
TEST(NetworkFrames, AReplayAndFramesReadAsAnEarlierBuildWroteThem) {
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
    Replay replay{1, false, true, {{0, picture}}, {}};
    for (const BoutEvent& event : events)
        replay.entries.push_back({1, event});
    const auto committed = Committed;
    EXPECT_EQ(EncodeReplay(replay), committed("replay_v1.pstw"));
    Replay read;
    EXPECT_EQ(DecodeReplay(committed("replay_v1.pstw"), read), ReplayError::None);
    EXPECT_TRUE(read == replay);

    const std::int64_t clock = 1'765'432'109'876;
    const std::tuple<const char*, net::Role, std::vector<net::Message>> frames[] = {
        {"frames_v6_to_host.bin",
         kHost,
         {net::Hello{net::kVersion, 654'321}, net::Join{true, clock},
          net::Stamped{{183'456, Side::Left, Input::Resume}}, net::Time{183'500}, net::Ping{clock},
          net::Pong{clock + 1}, net::Digest{183, 0xDEADBEEF}, net::Heartbeat{}, net::Rematch{},
          net::Again{clock + 5}, net::Disagree{}, net::Bye{}}},
        {"frames_v6_to_guest.bin",
         kGuest,
         {net::Welcome{net::kVersion, 10, false, clock, clock + 2, clock - 3},
          net::Stamped{{7, Side::Right, Input::Fleche}}, net::Rematch{}, net::Again{clock + 4}}},
        // A refusal is a greeting too, so it opens a stream of its own.
        {"frames_v6_refused.bin", kGuest, {net::Refuse{net::Refusal::Wait}}},
    };
    for (const auto& [file, role, messages] : frames) {
        W w;
        Bytes bytes;
        for (const net::Message& m : messages)
            bytes = Cat({bytes, w.Frame(m)});
        const Bytes kept = committed(file);
        EXPECT_EQ(bytes, kept) << file;
        // Read and written again, every field comes back.
        W again;
        Bytes written;
        EXPECT_EQ(net::FrameReader(role).Feed(kept, 0,
                                              [&](const net::Message& m) {
                                                  written = Cat({written, again.Frame(m)});
                                              }),
                  std::nullopt);
        EXPECT_EQ(written, kept);
    }
    // A game of the third version reads a hello's code in the two bytes after its version, up
    // to 9999, and refuses another version plainly only if that reads: the largest code does.
    const Bytes hello = W().Frame(net::Hello{net::kVersion, net::kMaxCode});
    EXPECT_LE(hello[9] << 8 | hello[10], 9999);
}

// Two hundred bouts, both players pressing random keys and now and then pausing, over links of
// up to 150 ms each way that jitter, which the window lets play without falling behind: both games
// fence one bout, alike at every second, and each keeps the replay one game fences from both
// players' inputs in order. None keeps a best result.
TEST(NetworkBout, TwoHundredBoutsOverJitteryLinksEndAlikeOnBothSides) {
    std::mt19937 random(20261208);
    auto draw = [&](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
    int rollbacks = 0, corrections = 0, inputs = 0;
    std::int64_t longestNs = 0, ms = 0;
    std::uint64_t down = 0, up = 0;
    for (int bout = 0; bout < 200; ++bout) {
        SCOPED_TRACE(testing::Message() << "bout " << bout);
        const int most = static_cast<int>(NetworkFencing::kWindowMs) * 3 / 5;
        const int there = draw(0, most), back = draw(0, most);
        NetworkPair p(there);
        auto& time = p.form.scheduler;
        bool offered = false;
        p.host.SetOnNewBest([&](const Game::NewBest&, const Game::Record&) { offered = true; });
        p.host.Choose({Verb::SetTarget, 1});
        p.guestEnd.SetDelay(back);
        p.Join();
        ASSERT_TRUE(time.RunUntilTrue([&] { return p.joining->Begun(); }, 1'000));
        const std::int64_t start = time.Now();
        while (time.Now() < start + 300'000 &&
               (p.host.LastReplay().empty() || p.guest.LastReplay().empty())) {
            time.RunFor(draw(20, 400));
            p.hostEnd.SetDelay(there + draw(0, 30));
            p.guestEnd.SetDelay(back + draw(0, 30));
            NetworkFencing& side = draw(0, 1) ? p.HostSide() : p.GuestSide();
            if (draw(0, 60) == 0)
                side.PauseOrResume();
            else
                side.Give(static_cast<Input>(draw(0, 5)));
        }
        ASSERT_FALSE(p.hostEnded || p.guestEnded)
            << static_cast<int>(p.hostEnded.value_or(Ending::Left)) << " "
            << static_cast<int>(p.guestEnded.value_or(Ending::Left));
        ASSERT_FALSE(p.host.LastReplay().empty() || p.guest.LastReplay().empty());
        const SharedBout &h = p.HostSide().Bout(), &g = p.GuestSide().Bout();
        // Up to the bout's end; what either pressed after it may not have crossed yet.
        const auto until = [over = *h.OverAt()](const SharedBout& b) {
            std::vector<StampedInput> all;
            std::ranges::copy_if(b.Inputs(), std::back_inserter(all),
                                 [&](const StampedInput& i) { return i.ms <= over; });
            return all;
        };
        EXPECT_TRUE(until(h) == until(g));
        for (std::int64_t at = SharedBout::kDigestMs; at <= *h.OverAt();
             at += SharedBout::kDigestMs)
            ASSERT_TRUE(h.DigestAt(at) && h.DigestAt(at) == g.DigestAt(at)) << at;
        SharedBout one(h.Setup());
        for (const StampedInput& input : until(h)) {
            one.AdvanceTo(input.ms);
            one.Add(input);
        }
        one.AdvanceTo(h.Now());
        const Bytes file(one.ReplayFile().begin(), one.ReplayFile().end());
        EXPECT_EQ(Bytes(p.host.LastReplay().begin(), p.host.LastReplay().end()), file);
        EXPECT_EQ(Bytes(p.guest.LastReplay().begin(), p.guest.LastReplay().end()), file);
        // Played, it fences the bout again to the result both players saw.
        Replay replay;
        ASSERT_EQ(DecodeReplay(file, replay), ReplayError::None);
        const auto last =
            std::ranges::find_if(replay.entries.rbegin(), replay.entries.rend(),
                                 [](const ReplayEntry& e) { return e.what.index() == 0; });
        ASSERT_NE(last, replay.entries.rend());
        EXPECT_TRUE(std::get<ReplayPicture>(last->what) == ReplayPicture::Of(h.View()));
        EXPECT_FALSE(offered);
        rollbacks += h.Rollbacks() + g.Rollbacks();
        corrections += h.Corrections() + g.Corrections();
        inputs += static_cast<int>(h.Inputs().size());
        longestNs = std::max({longestNs, h.LongestRollbackNs(), g.LongestRollbackNs()});
        ms += time.Now() - start;
        down += p.door.Link()->BytesSent();
        up += p.joining->Link().BytesSent();
    }
    const double seconds = static_cast<double>(ms) / 1000;
    // Only commands, times ten times a second, digests and pings cross.
    EXPECT_LT(static_cast<double>(std::max(down, up)) / seconds, 100);
    std::printf("%.0f s of bouts, %d inputs: %d rollbacks, %d changed the piste on show, longest "
                "%.2f ms; host to guest %.0f B/s, guest to host %.0f B/s\n",
                seconds, inputs, rollbacks, corrections, static_cast<double>(longestNs) / 1e6,
                static_cast<double>(down) / seconds, static_cast<double>(up) / seconds);
}

// Each player's screen shows every step of the bout as it falls due, not only when the other
// side's time comes: the salute's six steps, 300 ms apart, each on time.
TEST(NetworkBout, EachSideShowsTheBoutAtThePaceOfItsTicks) {
    NetworkPair p(kDelayMs);
    auto& time = p.form.scheduler;
    p.Join();
    ASSERT_TRUE(time.RunUntilTrue([&] { return p.joining->Begun(); }, 1'000));
    std::vector<std::int64_t> shown;
    p.GuestSide().Shown().SetOnShow([&](const BoutView&) { shown.push_back(time.Now()); });
    time.RunFor(1'800);
    ASSERT_GE(shown.size(), 5u);
    for (std::size_t i = 1; i < shown.size(); ++i)
        EXPECT_LE(shown[i] - shown[i - 1], 300) << i;
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
        p.host.SetOnEvent([&](const BoutEvent& e) { note(0, e); });
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
        // The prompt shows only through the demonstration a host that never fenced still runs.
        EXPECT_EQ(p.host.View().startPrompt, !p.door.Begun());
        EXPECT_EQ(p.host.View().networkEnded, p.door.Begun() ? p.hostEnded : std::nullopt);
        EXPECT_EQ(p.guest.View().networkEnded, p.joining->Begun() ? p.guestEnded : std::nullopt);
        EXPECT_EQ(p.guestHadBegun, p.joining->Begun());
        // The guest keeps the bout's last score on show, as the host does.
        EXPECT_TRUE(!p.joining->Begun() ||
                    p.guest.View().scores == p.GuestSide().Bout().View().scores);
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
    // A code as the host shows it reads back, and so it does without its space, or pasted with
    // a space around it.
    for (int code : {0, 42, net::kMaxCode}) {
        const std::string shown = net::ShowCode(code), typed = shown.substr(0, 3) + shown.substr(4);
        EXPECT_TRUE(net::ParseCode(shown) == code && net::ParseCode(typed) == code &&
                    net::ParseCode(" " + typed + " ") == code)
            << shown;
    }
    for (const char* bad :
         {"", "12345", "1234567", "12 3456", "123  456", "12a456", "-12345", "0042"})
        EXPECT_FALSE(net::ParseCode(bad)) << bad;
}

// The host's door: connections that say nothing cannot keep a guest out, a guest on a slow
// link gets in, a mistyped code may be typed again, guessers wait, and one address flooding
// the door with all it has neither keeps a guest out nor touches the bout.
TEST(NetworkDoor, LetsTheRightGuestInAndNoGuesserThrough) {
    using platform::headless::MemoryConnection;
    constexpr int kHello = NetworkDoor::kHelloMs, kStepMs = 10;
    constexpr int kFull = static_cast<int>(NetworkDoor::kMostKnocking);
    constexpr int kFree = GuessLedger::kFreeWrongCodes, kBurst = GuessLedger::kWrongBurst;
    constexpr int kWait = GuessLedger::kFirstWaitMs, kRefill = 1000 / GuessLedger::kWrongPerSecond;
    constexpr const char *kFlooder = "203.0.113.9", *kGuests = NetworkPair::kGuestAddress.data();
    enum Flood { None = 0, Silent = 1, Guesses = 2, Watchers = 4, All = 7 };
    struct Case {
        const char* what;
        int delayMs;      // each way, on every connection
        int silent;       // connections there from the start that say nothing
        int wrong;        // connections that say a wrong code, one after another, first of all
        const char* from; // where those come from; each from its own address if none
        int guestAtMs;    // when the guest's connection comes, after the last wrong code
        std::optional<Ending> turnedAway; // the guest's, or none: it fences within `withinMs`
        int withinMs = 3000;
        // One address floods the door all along, every step trying all the places there are:
        // silent connections it closes before their time, wrong codes, watchers with the code.
        int flood = None;
    };
    const Case cases[] = {
        {"a link of 2 s each way", 2000, 0, 0, nullptr, 0, std::nullopt, 2 * 2000 + 2},
        {"all places but one held", 0, kFull - 1, 0, nullptr, 0, std::nullopt},
        {"all places held past their time", 0, kFull, 0, nullptr, kHello, std::nullopt},
        {"all places held, none past its time", 0, kFull, 0, nullptr, kHello - 1, Ending::Busy},
        {"one address's places held, none past its time", 0, kFull, 0, kFlooder, kHello - 1, {}},
        {"mistyped codes that earn a wait", 0, 0, kFree, kGuests, kWait / 2, Ending::TooManyTries},
        {"mistyped codes, the wait over", 0, 0, kFree, kGuests, kWait, std::nullopt},
        {"wrong codes from everywhere, as fast as they are checked", 0, 0, kBurst, nullptr,
         kRefill / 2, Ending::TooManyTries},
        {"one address's silent connections", 0, 0, 0, nullptr, 3 * kHello, {}, 3000, Silent},
        {"one address's watchers", 0, 0, 0, nullptr, 3 * kHello, {}, 3000, Watchers},
        {"one address's flood of all three", 0, 0, 0, nullptr, 3 * kHello, {}, 3000, All},
        {"one address's flood over a slow link", 100, 0, 0, nullptr, kHello + 500, {}, 3000, All},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NetworkPair p(c.delayMs);
        auto& time = p.form.scheduler;
        using Other = std::pair<std::unique_ptr<MemoryConnection>, std::int64_t>; // -1: not silent
        std::list<Other> others;
        int made = 0, guess = 0;
        const auto from = [&] {
            return c.from ? std::string(c.from) : "198.51.100." + std::to_string(made % 250);
        };
        std::function<void(std::string, std::optional<Bytes>)> knock = [&](auto at, auto says) {
            ++made;
            auto& [mine, came] = others.emplace_back(
                std::make_unique<MemoryConnection>(time, c.delayMs), says ? -1 : time.Now());
            auto theirs = std::make_unique<MemoryConnection>(time, c.delayMs);
            MemoryConnection::Join(*mine, *theirs);
            if (says) mine->Send(*says);
            p.door.Arrive(std::move(theirs), at);
        };
        const auto flood = [&] {
            std::erase_if(others, [](const Other& o) { return o.first->Closed(); });
            for (const auto& [mine, came] : others)
                if (came >= 0 && time.Now() - came >= kHello - kStepMs) mine->Close();
            for (int i = 0; i < kFull; ++i) {
                W w, again;
                if (c.flood & Guesses) knock(kFlooder, Greeting(w, p.code + 1 + guess++));
                if (c.flood & Watchers) knock(kFlooder, Greeting(again, p.code, true));
                if (c.flood & Silent) knock(kFlooder, std::nullopt);
            }
        };
        const auto flooding = p.form.MakeTimer("TimerFlood", kStepMs);
        flooding->SetOnTimer(flood);
        flooding->SetEnabled(c.flood != None);
        for (int i = 0; i < c.silent; ++i)
            knock(from(), std::nullopt);
        for (int i = 0; i < c.wrong; ++i) {
            W w;
            knock(from(), Greeting(w, p.code + 1 + i));
            EXPECT_TRUE(time.RunUntilTrue([&] { return others.back().first->Closed(); }, 10'000));
        }
        time.RunFor(c.guestAtMs); // the guest comes just after the flood's latest
        // The flood has what it can take: the places one address may hold, those of watchers,
        // and a wait before its next guess is checked, in which it cannot watch either.
        EXPECT_TRUE(c.flood != Silent ||
                    p.door.Knocking() == NetworkDoor::kMostKnockingFromOneAddress);
        EXPECT_TRUE(c.flood != Watchers || p.door.Watchers() == NetworkDoor::kMostWatchers);
        EXPECT_EQ(p.ledger.WaitOf(kFlooder, time.Now()) > 0, (c.flood & Guesses) != 0);
        const std::int64_t came = time.Now();
        p.Join();
        EXPECT_TRUE(time.RunUntilTrue([&] { return p.joining->Begun() || p.guestEnded; }, 10'000));
        EXPECT_EQ(p.guestEnded, c.turnedAway);
        EXPECT_TRUE(c.turnedAway || time.Now() - came <= c.withinMs);
        if (c.flood)
            std::printf("%s: the guest fenced %lld ms after it knocked, among %d connections\n",
                        c.what, static_cast<long long>(time.Now() - came), made);
        time.RunFor(net::kSilenceMs + 2 * c.delayMs);
        // Once a guest is in, the bout goes on whoever else comes and goes, unless its link is
        // too slow for the window to play.
        EXPECT_EQ(p.door.Begun() && !p.door.Link()->Ended() && !p.guestEnded,
                  !c.turnedAway && c.delayMs < NetworkFencing::kWindowMs);
    }
}

// Guesses are counted by where they come from: an IPv4 address, the /64 of an IPv6 one, and an
// IPv4 address mapped into IPv6 as itself, however each is written.
TEST(NetworkDoor, CountsGuessesByAddress) {
    const std::tuple<const char*, const char*, bool> pairs[] = {
        {"192.0.2.7", "::ffff:192.0.2.7", true},
        {"192.0.2.7", "::FFFF:c000:207", true},
        {"192.0.2.7", "192.0.2.8", false},
        {"192.0.2.7", "::192.0.2.7", false},
        {"2001:db8:1:2::1", "2001:0db8:0001:0002:ffff:ffff:ffff:ffff", true},
        {"2001:db8:1:2::1", "2001:db8:1:3::1", false},
        {"fe80::1%eth0", "fe80::2%wlan0", true},
        {"::1", "1::", false},
        {"1:2:3:4:5:6:7:8", "1:2:3:4::", true},
        {"1:2:3:4:5:6:7:8:9", "1:2:3:4::", false},
        {"1::2::3", "1::", false},
        {"1:2:3:4::1", "1:2:3:4:g::", false},
        {"fe80:a::1", "FE80:A:0:0:1::", true},
        {"256.1.1.1", "0.1.1.1", false},
    };
    for (const auto& [a, b, same] : pairs)
        EXPECT_EQ(GuessKey(a) == GuessKey(b), same) << a << " and " << b;
}

// One address's wrong codes earn waits that double to the longest, in which its hellos are
// not checked, right code or not, while other addresses go on; past the most addresses it
// keeps, the one seen longest ago is forgotten. A thousand addresses, each guessing again as
// soon as its wait is over for an hour, are checked only at the steady rate of wrong codes.
TEST(GuessLedger, WaitsDoubleForOneAddressAndAllKeepOneRate) {
    using L = GuessLedger;
    GuessLedger ledger, full, many;
    const int right = NetworkPair::kCode, wrong = right + 1;
    std::int64_t now = 0, wait = 0;
    for (int n = 1; n <= 30; now += wait, ++n) {
        SCOPED_TRACE(n);
        const std::int64_t gap = wait;
        ASSERT_EQ(ledger.Judge("a", wrong, right, now), net::Refusal::WrongCode);
        wait = ledger.WaitOf("a", now);
        EXPECT_EQ(wait, n < L::kFreeWrongCodes    ? 0
                        : n == L::kFreeWrongCodes ? L::kFirstWaitMs
                                                  : std::min(2 * gap, L::kLongestWaitMs));
        EXPECT_EQ(ledger.Judge("a", right, right, now + wait - 1),
                  wait ? std::optional(net::Refusal::Wait) : std::nullopt);
        EXPECT_EQ(ledger.Judge("b", right, right, now + wait - 1), std::nullopt);
    }
    const auto key = [](std::size_t i) { return "10.0." + std::to_string(i); };
    for (std::size_t i = 0; i <= L::kMostKeys; ++i, now += 1000 * L::kFreeWrongCodes) {
        if (i == L::kMostKeys) full.WaitOf(key(0), now); // seen again: the second goes first
        for (int n = 0; n < L::kFreeWrongCodes; ++n)
            full.Judge(key(i), wrong, right, now);
    }
    EXPECT_EQ(full.Keys(), L::kMostKeys);
    full.Judge(key(0), wrong, right, now);
    full.Judge(key(1), wrong, right, now);
    EXPECT_TRUE(full.WaitOf(key(0), now) > 0 && full.WaitOf(key(1), now) == 0);

    constexpr std::int64_t kHourMs = 3'600'000;
    std::vector<std::int64_t> back(1000, 0);
    int checked = 0;
    for (now = 0; now < kHourMs; now += 100)
        for (std::size_t a = 0; a < back.size(); ++a) {
            // Asked to wait for no wrong code of its own, everyone waits a moment.
            if (back[a] > now) continue;
            if (many.Judge(key(a), wrong, right, now) == net::Refusal::Wait) break;
            ++checked;
            back[a] = now + many.WaitOf(key(a), now);
        }
    const int most = L::kWrongBurst + static_cast<int>(kHourMs / 1000) * L::kWrongPerSecond;
    EXPECT_TRUE(checked == most || checked == most - 1) << checked;
    std::printf("%zu addresses, an hour: %d codes checked, a chance of %.2f%% to find one code\n",
                back.size(), checked, 100.0 * checked / (net::kMaxCode + 1));
}

// Watchers come before and during the bout and have places of their own: one past them is
// turned away, one that falls silent is dropped and the bout goes on, and the others see the
// bout to its end and keep the players' replay.
TEST(NetworkDoor, WatchersSeeTheWholeBoutFromPlacesOfTheirOwn) {
    NetworkPair p(kDelayMs);
    auto& time = p.form.scheduler;
    p.host.Choose({Verb::SetTarget, 1});
    std::vector<std::unique_ptr<Watcher>> watchers;
    const auto address = [&] { return "198.51.100." + std::to_string(watchers.size()); };
    watchers.push_back(std::make_unique<Watcher>(p, kDelayMs, address())); // before the guest
    time.RunFor(10'000); // longer than a link's silence
    p.Join();
    time.RunFor(3'000);
    while (watchers.size() <= NetworkDoor::kMostWatchers)
        watchers.push_back(std::make_unique<Watcher>(p, kDelayMs + 40, address()));
    time.RunFor(1'000);
    EXPECT_EQ(watchers.back()->ended, Ending::Busy);
    EXPECT_EQ(p.door.Watchers(), NetworkDoor::kMostWatchers);
    watchers[1]->mine.Mute();
    FenceUntil(p, [&] { return !p.host.LastReplay().empty(); });
    time.RunFor(2'000);
    EXPECT_FALSE(p.door.Link()->Ended() || p.guestEnded);
    // The host hears nothing from it and lets it go; the bout goes on.
    EXPECT_EQ(watchers[1]->ended, Ending::HostLost);
    EXPECT_EQ(p.door.Watchers(), NetworkDoor::kMostWatchers - 1);
    for (std::size_t i = 0; i + 1 < watchers.size(); ++i) {
        if (i == 1) continue;
        SCOPED_TRACE(i);
        EXPECT_FALSE(watchers[i]->ended);
        EXPECT_EQ(watchers[i]->end->Shown()->Bout().Inputs(), p.HostSide().Bout().Inputs());
        EXPECT_TRUE(std::ranges::equal(watchers[i]->game.LastReplay(), p.host.LastReplay()));
    }
    p.door.Leave();
    time.RunFor(1'000);
    EXPECT_EQ(watchers[0]->ended, Ending::BoutOver);
    EXPECT_TRUE(watchers[0]->game.View().networkEnded);
}

// A host tells a watcher every input before a time ahead of that time: one from before it is
// out of order, and ends the watching plainly.
TEST(NetworkWatcher, TakesNoInputFromBeforeTheTimeItWasGiven) {
    for (const bool late : {false, true}) {
        NetworkPair p;
        W host;
        const std::int64_t ms = late ? 499 : 500;
        std::optional<Ending> ended;
        NetworkWatcher watcher(p.guestPlace, p.guestEnd, p.code);
        watcher.SetOnEnd([&](Ending why, bool) { ended = why; });
        watcher.Knock();
        p.hostEnd.Send(Cat({host.Frame(net::Welcome{net::kVersion, 5, true, 0, 0, 0}),
                            host.Frame(net::Time{500}),
                            host.Frame(net::Stamped{{ms, Side::Left, Input::Lunge}})}));
        p.form.scheduler.RunFor(NetworkLink::kCheckMs);
        EXPECT_TRUE(watcher.Begun());
        EXPECT_EQ(ended, late ? std::optional(Ending::OutOfOrder) : std::nullopt) << late;
    }
}

// However a network bout ends, each role is told in words that fit it and keeps the bout as
// far as it went, as its own and against the other machine. A bout over is followed by another
// when both players ask, which the watcher sees too; asked for before the end, none follows.
TEST(NetworkBout, EachRoleIsToldHowItsBoutEndedAndKeepsIt) {
    using enum NetworkEnding;
    enum class Moment { MidWay, Over, Rematch }; // a rematch: its bout over
    const std::tuple<Moment, bool, std::array<std::optional<Ending>, 3>> cases[] = {
        // When, whether the host leaves (or the guest), what the host, guest and watcher hear.
        {Moment::MidWay, true, {Left, PeerLeft, HostLeft}},
        {Moment::MidWay, false, {PeerLeft, Left, HostLeft}},
        {Moment::Over, true, {Left, PeerLeftAfterBout, BoutOver}},
        {Moment::Over, false, {PeerLeftAfterBout, Left, BoutOver}},
        {Moment::Rematch, true, {Left, PeerLeftAfterBout, BoutOver}},
        {Moment::Rematch, false, {PeerLeftAfterBout, Left, BoutOver}},
    };
    for (const auto& [when, hostLeaves, told] : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(when) << hostLeaves);
        NetworkPair p(kDelayMs);
        auto& time = p.form.scheduler;
        p.host.Choose({Verb::SetTarget, 1});
        Watcher watcher(p, kDelayMs, "198.51.100.7");
        p.Join();
        ASSERT_TRUE(time.RunUntilTrue([&] { return p.joining->Begun(); }, 1'000));
        const auto shown = [&] {
            return std::array{&p.HostSide().Shown(), &p.GuestSide().Shown(), watcher.end->Shown()};
        };
        const auto allKept = [&] { return std::ranges::all_of(shown(), &ShownBout::Kept); };
        if (when == Moment::MidWay) { // the leaver pauses a while, and all are told who did
            NetworkFencing& leaver = hostLeaves ? p.HostSide() : p.GuestSide();
            time.RunFor(3'000);
            leaver.PauseOrResume();
            time.RunFor(2'000);
            for (ShownBout* s : shown())
                EXPECT_EQ(NewsOf(*s, nullptr).pausedBy, leaver.Own());
            leaver.PauseOrResume();
            p.door.Offer();
            p.joining->Offer();
            time.RunFor(1'000);
            EXPECT_EQ(p.HostSide().Rematch(), Asked{});
        } else {
            FenceUntil(p, allKept);
        }
        if (when == Moment::Rematch) {
            const ShownBout* before = shown()[2];
            // The offers cross, or the guest asks first and the host answers later.
            p.joining->Offer();
            if (!hostLeaves) time.RunFor(500);
            p.door.Offer();
            ASSERT_TRUE(time.RunUntilTrue([&] { return shown()[2] != before; }, 2'000));
            FenceUntil(p, allKept);
        }
        const std::array<ShownBout*, 3> last = shown(); // length less the pause, its two inputs
        if (hostLeaves)
            p.door.Leave();
        else
            p.joining->Leave();
        time.RunFor(1'000);
        p.door.Leave(); // the host's window goes back to its own game, and lets the watcher go
        time.RunFor(1'000);
        EXPECT_EQ((std::array{p.hostEnded, p.guestEnded, watcher.ended}), told);
        const Game* games[] = {&p.host, &p.guest, &watcher.game};
        EXPECT_EQ((std::array{games[0]->View().networkEnded, games[1]->View().networkEnded,
                              games[2]->View().networkEnded}),
                  told);
        const BoutKind kinds[] = {BoutKind::NetworkHost, BoutKind::NetworkGuest, BoutKind::Watched};
        const std::string_view opponents[] = {NetworkPair::kGuestAddress, NetworkPair::kHostAddress,
                                              NetworkPair::kHostAddress};
        for (std::size_t i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            const SharedBout& bout = last[i]->Bout();
            ASSERT_TRUE(last[i]->KeptAs());
            const KeptBout& kept = *last[i]->KeptAs();
            EXPECT_EQ(std::tuple(kept.kind, kept.opponent, kept.score, kept.end),
                      std::tuple(kinds[i], std::string(opponents[i]), bout.View().scores,
                                 when == Moment::MidWay ? BoutEnd::Left : BoutEnd::Finished));
            const std::int64_t now = p.form.clock.NowMilliseconds();
            EXPECT_TRUE(kept.endedAt <= now && kept.endedAt > now - 3'000) << kept.endedAt;
            EXPECT_EQ(kept.lengthMs,
                      bout.OverAt() ? *bout.OverAt()
                                    : bout.Now() - (bout.Inputs()[1].ms - bout.Inputs()[0].ms));
            Replay replay;
            EXPECT_EQ(DecodeReplay(games[i]->LastReplay(), replay), ReplayError::None);
            EXPECT_TRUE(when == Moment::MidWay ||
                        std::ranges::equal(games[i]->LastReplay(), p.host.LastReplay()));
        }
    }
}
