// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asking the home router to open the host's port to the internet. A helper program does the
// asking, with Debian's UPnP and NAT-PMP clients, and tells the window what happened in lines
// of text. Both share what is here: the judging of the router's answers, which may come from
// anything on the network and are read as hostile, and those lines.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace pistework::game::gateway {

// How the router was asked.
enum class Way : std::uint8_t { Upnp, NatPmp };

// Why there is no mapping.
enum class Failure : std::uint8_t {
    NoGateway,     // nothing answered
    Refused,       // the router said no
    Elsewhere,     // the router's mapping leads to another machine or port
    NotOnInternet, // the router's own outer address is not on the internet
    Garbled,       // an answer that could not be read
    Lost,          // the router stopped keeping the mapping
    NotAsked,      // the helper could not start, or ended without a word
};
inline constexpr Failure kLastFailure = Failure::NotAsked;

using Address = std::array<std::uint8_t, 4>;

struct Mapping {
    Way way = Way::Upnp;
    Address outside{};
    std::uint16_t port = 0;
    // 0 when the router keeps it until it is removed.
    std::uint32_t leaseSeconds = 0;
    bool operator==(const Mapping&) const = default;
};

// What the helper asks for, and how often it asks again: half the lease granted, within
// bounds, so neither a lease of a second nor of a year changes how it behaves much.
inline constexpr std::uint32_t kLeaseSeconds = 120;
std::uint32_t RenewAfterSeconds(std::uint32_t leaseSeconds);

// A dotted IPv4 address, four decimal numbers of at most three digits each, nothing else.
std::optional<Address> ReadAddress(std::string_view text);
// A port, 1 to 65535, in decimal digits only.
std::optional<std::uint16_t> ReadPort(std::string_view text);
std::string ShowAddress(const Address& address);
// Whether friends on the internet could reach this address: not a private, shared (carrier
// NAT), loopback, link-local, documentation, multicast or otherwise reserved one.
bool OnInternet(const Address& address);

// A UPnP router's answers, as its client hands them on: its outer address, and the entry read
// back for the outer port asked for (whom it leads to, at which port, for how long).
struct UpnpAnswer {
    std::string_view outside;
    std::uint16_t outsidePort = 0;
    std::string_view client;
    std::string_view clientPort;
    std::string_view lease;
};
// `self` is this machine's address as the router sees it, `port` the port it listens on.
std::variant<Mapping, Failure> JudgeUpnp(const UpnpAnswer& answer, std::string_view self,
                                         std::uint16_t port);
// A NAT-PMP router's answers, already in numbers.
struct NatPmpAnswer {
    Address outside{};
    std::uint16_t privatePort = 0;
    std::uint16_t mappedPort = 0;
    std::uint32_t lifetime = 0;
};
std::variant<Mapping, Failure> JudgeNatPmp(const NatPmpAnswer& answer, std::uint16_t port);

// One line from the helper to the window.
struct Report {
    enum class Kind : std::uint8_t { Found, Mapped, Renewed, Removed, Failed };
    Kind kind = Kind::Failed;
    Way way = Way::Upnp; // Found, Mapped, Renewed
    Mapping mapping;     // Mapped, Renewed
    Failure failure{};   // Failed
    std::string detail;  // Found: where the router is; Failed: what it said
    bool operator==(const Report&) const = default;
};
// A line holds at most this many bytes before its newline, printable ASCII only; a detail
// longer, or with other bytes, is cut and its bytes replaced.
inline constexpr std::size_t kMostLineBytes = 240;
inline constexpr std::size_t kMostDetailBytes = 160;
std::string WriteReport(const Report& report);
std::optional<Report> ReadReport(std::string_view line);

} // namespace pistework::game::gateway
