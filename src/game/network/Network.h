// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How two games talk in a network bout. Every message is one frame: its length in two bytes,
// then its kind, its number in the sender's count, and its fields. The guest opens with a
// hello that carries the version and the pairing code, and says whether it comes to fence or
// to watch; the host answers with a welcome, which names the bout's options and its start, or
// a refusal. Then both players fence the same bout themselves: each sends its own inputs, each
// stamped with its bout time, and its time when it has nothing else to say, and a digest of
// the bout every second. A watcher is sent both players' inputs and the time up to which it
// has them all. Once the bout is over either player may ask for another, and the other agree;
// the host then says when the next one begins, to the guest and the watchers alike. Either
// side sends a goodbye when its player ends the evening.
//
// Every byte from the peer is hostile: a frame is read only up to the largest one the game
// sends, every value is bounded, and the first frame out of place ends the link.

#include "game/BoutView.h"
#include "game/network/Input.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pistework::game::net {

// Six: a bout over is followed by another, on the same link, when both players ask. Five: the
// digest is of the bout's whole state, not of the piste's picture. Four brought
// six-digit codes and a host that may ask a guesser to wait; three was the first whose games
// both fence the bout from stamped inputs.
inline constexpr std::uint8_t kVersion = 6;
inline constexpr std::string_view kMagic = "PSTN";
inline constexpr std::uint16_t kDefaultPort = 40414;
// More than any frame the game sends.
inline constexpr std::size_t kMaxFrame = 256;
// Codes are 000000 to 999999; a hello carries one in three bytes.
inline constexpr int kMaxCode = 999'999;
// A side that has sent nothing for this long sends a heartbeat; a peer heard from for this
// long is gone.
inline constexpr int kHeartbeatMs = 1000;
inline constexpr int kSilenceMs = 5000;
// No bout time or clock reading on the wire is past this: the year 2109 in milliseconds.
inline constexpr std::int64_t kMaxMs = std::int64_t{1} << 42;

// Each message's kind is its own number on the wire, whatever its place in Message. Kinds 4
// to 7 were the pictures and commands of the second version, and are never used again.
//
// Its magic and version are laid out as every version has laid them out, so that any version
// can refuse any other plainly. The code follows in three bytes where the third version had
// two: those read by a game of that version stay within its codes.
struct Hello {
    static constexpr std::uint8_t kKind = 1;
    std::uint8_t version = kVersion;
    int code = 0;
};
// Right after the hello: to fence or to watch, and the guest's clock, which the welcome echoes
// so that the guest can learn the round trip and the host's clock.
struct Join {
    static constexpr std::uint8_t kKind = 10;
    bool watch = false;
    std::int64_t sentAt = 0;
};
// The host's options that shape the bout, its start and the host's clock as it answers.
struct Welcome {
    static constexpr std::uint8_t kKind = 2;
    std::uint8_t version = kVersion;
    int target = 15;
    bool timed = true;
    std::int64_t start = 0;
    std::int64_t hostNow = 0;
    std::int64_t echo = 0; // the join's sentAt
};
// Why a host turns a guest away, sent as these numbers.
// Wait: too many wrong codes came from the guest's address, or from everyone, of late; the
// code was not checked.
enum class Refusal : std::uint8_t { WrongCode = 0, WrongVersion = 1, Busy = 2, Wait = 3 };
struct Refuse {
    static constexpr std::uint8_t kKind = 3;
    Refusal why;
};
// A player's input at its bout time. Each sender's stamps never go back.
struct Stamped {
    static constexpr std::uint8_t kKind = 11;
    StampedInput input;
};
// The sender has sent every input it will stamp before `ms`: a player its own, the host to a
// watcher both players'.
struct Time {
    static constexpr std::uint8_t kKind = 12;
    std::int64_t ms = 0;
};
struct Ping {
    static constexpr std::uint8_t kKind = 13;
    std::int64_t sentAt = 0; // on the sender's own clock
};
struct Pong {
    static constexpr std::uint8_t kKind = 14;
    std::int64_t echo = 0;
};
// The digest of the bout at a whole second of bout time.
struct Digest {
    static constexpr std::uint8_t kKind = 15;
    std::int64_t second = 0;
    std::uint32_t value = 0;
};
// The sender's digest differed from the receiver's: the bout ends on both sides.
struct Disagree {
    static constexpr std::uint8_t kKind = 16;
};
// A player whose bout is over asks for another, or agrees to the other's asking.
struct Rematch {
    static constexpr std::uint8_t kKind = 17;
};
// The host's answer once both asked: the next bout begins at `start` on the host's clock, at the
// same options. A watcher is told it too, after the time that closes the bout before. The guest
// says it back as it follows: what it sent before then was of the bout before.
struct Again {
    static constexpr std::uint8_t kKind = 18;
    std::int64_t start = 0;
};
struct Heartbeat {
    static constexpr std::uint8_t kKind = 8;
};
struct Bye {
    static constexpr std::uint8_t kKind = 9;
};

using Message = std::variant<Hello, Join, Welcome, Refuse, Stamped, Time, Ping, Pong, Digest,
                             Disagree, Heartbeat, Bye, Rematch, Again>;

using Ending = NetworkEnding;

// A watcher reads what a guest reads, with room for the inputs of a bout already under way.
enum class Role { Host, Guest, Watcher };

class FrameWriter {
public:
    std::vector<std::uint8_t> Frame(const Message& message);

private:
    std::uint8_t count = 0;
};

// A bucket of frames a peer may send: it fills at a steady rate up to a burst, each frame
// takes one, and a peer that empties it floods.
class FloodGate {
public:
    FloodGate(int perSecond, int burst) : perSecond(perSecond), burst(burst), left(burst * 1000) {}
    // False once the peer has sent more than it may by `now`.
    bool Admit(std::int64_t now);
    // Whether one more may pass at `now`, taking none.
    bool Ready(std::int64_t now);

private:
    int perSecond;
    int burst;
    std::int64_t left; // in thousandths of a frame
    std::optional<std::int64_t> last;
};

// What each role may receive: a player's inputs, some thirty a second from a held key, and its
// time twice a second; a watcher, the whole of a bout so far at once.
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
};

// The pairing code as the game shows it, "012 345", and as the player types it: six digits,
// with or without the space.
std::string ShowCode(int code);
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
