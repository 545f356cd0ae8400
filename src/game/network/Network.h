// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How two games talk in a network bout. Every message is one frame: its length in two bytes,
// then its kind, its number in the sender's count, and its fields. The guest opens with a
// hello that carries the version and the pairing code; the host answers with a welcome or a
// refusal. Then the guest sends only its fencer's commands and pauses, the host the pictures
// of the piste (as changes) and the events. Either sends a heartbeat when it has said nothing
// for a second, and a goodbye when its player ends the bout.
//
// Every byte from the peer is hostile: a frame is read only up to the largest one the game
// sends, every value is bounded, and the first frame out of place ends the link.

#include "game/BoutView.h"
#include "game/piste/Fencer.h"
#include "game/replay/ViewCodec.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pistework::game::net {

// Two: a pause says whether it pauses or resumes.
inline constexpr std::uint8_t kVersion = 2;
inline constexpr std::string_view kMagic = "PSTN";
inline constexpr std::uint16_t kDefaultPort = 40414;
// More than any frame the game sends: a picture naming two new poses is under 100 bytes.
inline constexpr std::size_t kMaxFrame = 256;
inline constexpr int kMaxCode = 9999;
// A side that has sent nothing for this long sends a heartbeat; a peer heard from for this
// long is gone.
inline constexpr int kHeartbeatMs = 1000;
inline constexpr int kSilenceMs = 5000;

// Each message's kind is its own number on the wire, whatever its place in Message.
struct Hello {
    static constexpr std::uint8_t kKind = 1;
    std::uint8_t version = kVersion;
    int code = 0;
};
// The host's options that shape the bout, which the guest's replay of it keeps.
struct Welcome {
    static constexpr std::uint8_t kKind = 2;
    std::uint8_t version = kVersion;
    int target = 15;
    bool timed = true;
};
// Why a host turns a guest away, sent as these numbers.
enum class Refusal : std::uint8_t { WrongCode = 0, WrongVersion = 1, Busy = 2 };
struct Refuse {
    static constexpr std::uint8_t kKind = 3;
    Refusal why;
};
struct Command {
    static constexpr std::uint8_t kKind = 4;
    FencerCommand command;
};
// What the guest wants, not a toggle: both players pausing at once leave the bout paused.
struct Pause {
    static constexpr std::uint8_t kKind = 5;
    bool paused = true;
};
struct Picture {
    static constexpr std::uint8_t kKind = 6;
    ReplayPicture picture;
    bool paused = false;
    bool operator==(const Picture&) const = default;
};
struct Event {
    static constexpr std::uint8_t kKind = 7;
    BoutEvent event;
};
struct Heartbeat {
    static constexpr std::uint8_t kKind = 8;
};
struct Bye {
    static constexpr std::uint8_t kKind = 9;
};

using Message =
    std::variant<Hello, Welcome, Refuse, Command, Pause, Picture, Event, Heartbeat, Bye>;

using Ending = NetworkEnding;

enum class Role { Host, Guest };

// Turns messages into frames. Pictures go as their changes from the last one sent.
class FrameWriter {
public:
    std::vector<std::uint8_t> Frame(const Message& message);

private:
    std::uint8_t count = 0;
    Picture sent;
    std::vector<std::string> poses;
};

// A bucket of frames a peer may send: it fills at a steady rate up to a burst, each frame
// takes one, and a peer that empties it floods.
class FloodGate {
public:
    FloodGate(int perSecond, int burst) : perSecond(perSecond), burst(burst), left(burst * 1000) {}
    // False once the peer has sent more than it may by `now`.
    bool Admit(std::int64_t now);

private:
    int perSecond;
    int burst;
    std::int64_t left; // in thousandths of a frame
    std::optional<std::int64_t> last;
};

// What each role may receive: a guest sends a few commands a second, a host a picture per tick.
FloodGate GateFor(Role receiver);

// Reads frames from the bytes as they arrive, holding at most one unfinished frame. A role
// reads only the messages sent to it; the first fault ends all reading.
class FrameReader {
public:
    explicit FrameReader(Role role);
    // Calls `each` for every whole frame in `bytes`, which arrived at `now`, in order; the
    // fault that stopped the reading, if any.
    std::optional<Ending> Feed(std::span<const std::uint8_t> bytes, std::int64_t now,
                               const std::function<void(const Message&)>& each);

private:
    std::optional<Message> Decode(std::span<const std::uint8_t> frame, Ending& fault);

    Role role;
    FloodGate gate;
    std::vector<std::uint8_t> partial;
    std::optional<Ending> fault;
    std::uint8_t count = 0;
    bool greeted = false; // the first frame, hello or welcome, has come
    Picture received;
    std::vector<std::string> poses;
};

// The pairing code as the player types it: one to four digits.
std::optional<int> ParseCode(std::string_view text);

// A port as typed: 1 to 65535.
std::optional<std::uint16_t> ParsePort(std::string_view text);

// "HOST", "HOST:PORT", "[V6ADDRESS]:PORT" or a bare IPv6 address, as a player types where to
// join; `port` when the text names none. None for an empty host or a port out of range.
struct Address {
    std::string host;
    std::uint16_t port = kDefaultPort;
    bool operator==(const Address&) const = default;
};
std::optional<Address> ParseAddress(std::string_view text, std::uint16_t port = kDefaultPort);

} // namespace pistework::game::net
