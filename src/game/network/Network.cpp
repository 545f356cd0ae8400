// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/network/Network.h"

#include "game/replay/Bytes.h"

#include <algorithm>

namespace pistework::game::net {

namespace {

// The kind a message's own type declares: a new message has none until it is given one.
constexpr std::uint8_t KindOf(const Message& message) {
    return std::visit([](const auto& m) { return m.kKind; }, message);
}

// Who may receive each kind, and whether only as the first frame; none for a kind there is not.
struct Route {
    bool toHost, toGuest, greeting;
};
std::optional<Route> RouteOf(std::uint8_t kind) {
    static_assert(std::variant_size_v<Message> == 14, "a new message needs its route and reading");
    switch (kind) {
    case Hello::kKind:
        return Route{true, false, true};
    case Join::kKind:
        return Route{true, false, false};
    case Welcome::kKind:
    case Refuse::kKind:
        return Route{false, true, true};
    case Again::kKind:
    case Rematch::kKind:
    case Stamped::kKind:
    case Time::kKind:
    case Ping::kKind:
    case Pong::kKind:
    case Digest::kKind:
    case Disagree::kKind:
    case Heartbeat::kKind:
    case Bye::kKind:
        return Route{true, true, false};
    }
    return std::nullopt;
}

void WriteFields(ByteWriter& w, const Message& message) {
    if (const auto* m = std::get_if<Hello>(&message)) {
        w.Raw(kMagic);
        w.Byte(m->version);
        w.Fixed(static_cast<std::uint64_t>(m->code), 3);
    } else if (const auto* m = std::get_if<Join>(&message)) {
        w.Byte(m->watch);
        w.Varint(static_cast<std::uint64_t>(m->sentAt));
    } else if (const auto* m = std::get_if<Welcome>(&message)) {
        w.Byte(m->version);
        w.Varint(static_cast<std::uint64_t>(m->target));
        w.Byte(m->timed);
        for (std::int64_t ms : {m->start, m->hostNow, m->echo})
            w.Varint(static_cast<std::uint64_t>(ms));
    } else if (const auto* m = std::get_if<Refuse>(&message)) {
        w.Enum(m->why);
    } else if (const auto* m = std::get_if<Stamped>(&message)) {
        w.Varint(static_cast<std::uint64_t>(m->input.ms));
        w.Enum(m->input.side);
        w.Enum(m->input.input);
    } else if (const auto* m = std::get_if<Time>(&message)) {
        w.Varint(static_cast<std::uint64_t>(m->ms));
    } else if (const auto* m = std::get_if<Ping>(&message)) {
        w.Varint(static_cast<std::uint64_t>(m->sentAt));
    } else if (const auto* m = std::get_if<Pong>(&message)) {
        w.Varint(static_cast<std::uint64_t>(m->echo));
    } else if (const auto* m = std::get_if<Digest>(&message)) {
        w.Varint(static_cast<std::uint64_t>(m->second));
        w.Fixed(m->value, 4);
    } else if (const auto* m = std::get_if<Again>(&message)) {
        w.Varint(static_cast<std::uint64_t>(m->start));
    }
}

// A time or a clock reading: never below zero, never past what the game could mean.
std::int64_t Ms(ByteReader& r) {
    return r.UpTo(kMaxMs);
}

} // namespace

std::vector<std::uint8_t> FrameWriter::Frame(const Message& message) {
    std::vector<std::uint8_t> frame;
    frame.reserve(kMaxFrame + 2);
    frame.insert(frame.end(), {0, 0, KindOf(message), count++});
    ByteWriter w(frame);
    WriteFields(w, message);
    const std::size_t length = frame.size() - 2;
    frame[0] = static_cast<std::uint8_t>(length >> 8);
    frame[1] = static_cast<std::uint8_t>(length & 0xFF);
    return frame;
}

bool FloodGate::Ready(std::int64_t now) {
    // The clock is the wall clock: time it steps back refills nothing and takes nothing.
    if (last)
        left = std::min<std::int64_t>(burst * 1000,
                                      left + std::max<std::int64_t>(0, now - *last) * perSecond);
    last = now;
    return left >= 1000;
}

bool FloodGate::Admit(std::int64_t now) {
    if (!Ready(now)) return false;
    left -= 1000;
    return true;
}

// A player presses a few keys a second, a held key repeats some thirty times, and each side
// sends its time twice a second, a digest every second and a ping every two. A host sends a watcher
// the inputs of a bout under way at once: fewer than its player may send in an hour.
FloodGate GateFor(Role receiver) {
    switch (receiver) {
    case Role::Host:
    case Role::Guest:
        return FloodGate(80, 160);
    case Role::Watcher:
        break;
    }
    return FloodGate(160, 80 * 3600);
}

FrameReader::FrameReader(Role role) : role(role), gate(GateFor(role)) {
    partial.reserve(kMaxFrame + 2);
}

std::optional<Ending> FrameReader::Feed(std::span<const std::uint8_t> bytes, std::int64_t now,
                                        const std::function<void(const Message&)>& each) {
    while (!fault && !bytes.empty()) {
        // The length first, then the frame it announces, never more than one frame held.
        const std::size_t want =
            partial.size() < 2 ? 2 : 2 + (std::size_t{partial[0]} << 8 | partial[1]);
        const std::size_t take = std::min(want - partial.size(), bytes.size());
        partial.insert(partial.end(), bytes.begin(), bytes.begin() + static_cast<long>(take));
        bytes = bytes.subspan(take);
        if (partial.size() == 2) {
            const std::size_t length = std::size_t{partial[0]} << 8 | partial[1];
            if (length > kMaxFrame) fault = Ending::Oversized;
            if (length < 2) fault = Ending::Malformed;
            continue;
        }
        if (partial.size() < want) continue;
        Ending why = Ending::Malformed;
        const std::optional<Message> message = Decode(std::span(partial).subspan(2), why);
        partial.clear();
        if (!message)
            fault = why;
        else if (!gate.Admit(now))
            fault = Ending::Flood;
        else
            each(*message);
    }
    return fault;
}

std::optional<Message> FrameReader::Decode(std::span<const std::uint8_t> frame, Ending& fault) {
    const std::uint8_t kind = frame[0];
    fault = Ending::OutOfOrder;
    if (frame[1] != count++) return std::nullopt;
    const std::optional<Route> route = RouteOf(kind);
    if (!route) {
        fault = Ending::Malformed;
        return std::nullopt;
    }
    // A greeting comes first and only first; a goodbye may come before it, from a host whose
    // player left before the hello arrived, and heartbeats, to a watcher waiting for the bout.
    const bool early = kind == Bye::kKind || kind == Heartbeat::kKind;
    if (!(role == Role::Host ? route->toHost : route->toGuest) ||
        (route->greeting == greeted && !early))
        return std::nullopt;
    greeted = greeted || route->greeting;
    fault = Ending::Malformed;
    ByteReader r(frame.subspan(2));
    Message message;
    switch (kind) {
    case Hello::kKind: {
        Hello hello;
        if (r.Raw(kMagic.size()) != kMagic) r.ok = false;
        hello.version = r.Byte();
        // A hello of another version is refused plainly, whatever follows its version.
        if (r.ok && hello.version != kVersion) return hello;
        hello.code = static_cast<int>(r.In(static_cast<std::int64_t>(r.Fixed(3)), 0, kMaxCode));
        message = hello;
        break;
    }
    case Join::kKind: {
        const bool watch = r.Flag();
        message = Join{watch, Ms(r)};
        break;
    }
    case Welcome::kKind: {
        Welcome welcome;
        welcome.version = r.Byte();
        welcome.target = static_cast<int>(r.In(r.Count(), 1, ByteReader::kMaxCount));
        welcome.timed = r.Flag();
        welcome.start = Ms(r);
        welcome.hostNow = Ms(r);
        welcome.echo = Ms(r);
        message = welcome;
        break;
    }
    case Refuse::kKind:
        message = Refuse{r.Enum<Refusal::Wait>()};
        break;
    case Stamped::kKind: {
        StampedInput input;
        input.ms = Ms(r);
        input.side = r.ReadSide();
        static_assert(ByteReader::Numbered<kLastInput>(), "a new input would be refused as bad");
        const std::uint8_t given = r.Byte();
        if (r.ok && given > static_cast<std::uint8_t>(kLastInput)) {
            fault = Ending::BadCommand;
            return std::nullopt;
        }
        input.input = static_cast<Input>(given);
        message = Stamped{input};
        break;
    }
    case Time::kKind:
        message = Time{Ms(r)};
        break;
    case Ping::kKind:
        message = Ping{Ms(r)};
        break;
    case Pong::kKind:
        message = Pong{Ms(r)};
        break;
    case Digest::kKind: {
        const std::int64_t second = Ms(r);
        message = Digest{second, static_cast<std::uint32_t>(r.Fixed(4))};
        break;
    }
    case Disagree::kKind:
        message = Disagree{};
        break;
    case Heartbeat::kKind:
        message = Heartbeat{};
        break;
    case Rematch::kKind:
        message = Rematch{};
        break;
    case Again::kKind:
        message = Again{Ms(r)};
        break;
    default:
        message = Bye{};
        break;
    }
    if (!r.ok || !r.AtEnd()) return std::nullopt;
    return message;
}

namespace {

// A number of one to `digits` decimal digits and nothing else.
std::optional<int> Digits(std::string_view text, std::size_t digits) {
    if (text.empty() || text.size() > digits) return std::nullopt;
    int number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

} // namespace

std::string ShowCode(int code) {
    std::string shown = std::to_string(1'000'000 + std::clamp(code, 0, kMaxCode)).substr(1);
    return shown.insert(3, " ");
}

std::optional<int> ParseCode(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    // Six digits, or three, a space and three.
    std::string digits(text);
    if (digits.size() == 7 && digits[3] == ' ') digits.erase(3, 1);
    if (digits.size() != 6) return std::nullopt;
    return Digits(digits, 6);
}

std::optional<std::uint16_t> ParsePort(std::string_view text) {
    const std::optional<int> port = Digits(text, 5);
    if (!port || *port < 1 || *port > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(*port);
}

std::optional<Address> ParseAddress(std::string_view text, std::uint16_t port) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::string_view host = text;
    std::string_view portText;
    if (text.starts_with('[')) {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        host = text.substr(1, close - 1);
        const std::string_view after = text.substr(close + 1);
        if (!after.empty()) {
            if (after.front() != ':') return std::nullopt;
            portText = after.substr(1);
            if (portText.empty()) return std::nullopt;
        }
    } else if (const std::size_t colon = text.find(':');
               colon != std::string_view::npos &&
               text.find(':', colon + 1) == std::string_view::npos) {
        // One colon separates the port; more make an IPv6 address without one.
        host = text.substr(0, colon);
        portText = text.substr(colon + 1);
        if (portText.empty()) return std::nullopt;
    }
    if (host.empty() || host.find_first_of(" /\\[]") != std::string_view::npos) return std::nullopt;
    if (!portText.empty()) {
        const auto given = ParsePort(portText);
        if (!given) return std::nullopt;
        port = *given;
    }
    return Address{std::string(host), port};
}

} // namespace pistework::game::net
