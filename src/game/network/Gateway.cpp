// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/network/Gateway.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace pistework::game::gateway {

namespace {

constexpr std::array<std::string_view, 2> kWayNames{"upnp", "natpmp"};
constexpr std::array<std::string_view, static_cast<std::size_t>(kLastFailure) + 1> kFailureNames{
    "no-gateway", "refused", "elsewhere", "not-on-internet", "garbled", "lost", "not-asked"};
constexpr std::array<std::string_view, 5> kKindNames{"found", "mapped", "renewed", "removed",
                                                     "failed"};

// Ranges no friend on the internet reaches, as first address and prefix length.
struct Range {
    Address first;
    int bits;
};
constexpr std::array<Range, 15> kNotOnInternet{{
    {{0, 0, 0, 0}, 8},       // this network
    {{10, 0, 0, 0}, 8},      // private
    {{100, 64, 0, 0}, 10},   // shared by a provider's carrier-grade NAT
    {{127, 0, 0, 0}, 8},     // loopback
    {{169, 254, 0, 0}, 16},  // link-local
    {{172, 16, 0, 0}, 12},   // private
    {{192, 0, 0, 0}, 24},    // protocol assignments
    {{192, 0, 2, 0}, 24},    // documentation
    {{192, 88, 99, 0}, 24},  // old relay anycast
    {{192, 168, 0, 0}, 16},  // private
    {{198, 18, 0, 0}, 15},   // benchmarking
    {{198, 51, 100, 0}, 24}, // documentation
    {{203, 0, 113, 0}, 24},  // documentation
    {{224, 0, 0, 0}, 4},     // multicast
    {{240, 0, 0, 0}, 4},     // reserved, and the broadcast address
}};

std::uint32_t Number(const Address& address) {
    return (std::uint32_t{address[0]} << 24) | (std::uint32_t{address[1]} << 16) |
           (std::uint32_t{address[2]} << 8) | address[3];
}

// Decimal digits only, no sign, no leading zero but for 0 itself, at most `most`.
template <typename Whole> std::optional<Whole> ReadWhole(std::string_view text, Whole most) {
    if (text.empty() || text.size() > 10 || (text.size() > 1 && text[0] == '0')) return {};
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {};
    std::uint64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    if (value > most) return {};
    return static_cast<Whole>(value);
}

std::vector<std::string_view> Words(std::string_view text, char by) {
    std::vector<std::string_view> words;
    for (;;) {
        const std::size_t at = text.find(by);
        words.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return words;
        text.remove_prefix(at + 1);
    }
}

template <typename Value, std::size_t N>
std::optional<Value> Named(const std::array<std::string_view, N>& names, std::string_view name) {
    const auto at = std::find(names.begin(), names.end(), name);
    if (at == names.end()) return {};
    return static_cast<Value>(at - names.begin());
}

bool Printable(char c) {
    return c >= 0x20 && c <= 0x7e;
}

std::string Plain(std::string_view detail) {
    std::string plain(detail.substr(0, kMostDetailBytes));
    std::replace_if(
        plain.begin(), plain.end(), [](char c) { return !Printable(c); }, '?');
    return plain;
}

} // namespace

std::uint32_t RenewAfterSeconds(std::uint32_t leaseSeconds) {
    if (leaseSeconds == 0) return 0;
    return std::clamp<std::uint32_t>(leaseSeconds / 2, 2, 600);
}

std::optional<Address> ReadAddress(std::string_view text) {
    const std::vector<std::string_view> parts = Words(text, '.');
    if (parts.size() != 4) return {};
    Address address{};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto part =
            parts[i].size() <= 3 ? ReadWhole<std::uint8_t>(parts[i], 255) : std::nullopt;
        if (!part) return {};
        address[i] = *part;
    }
    return address;
}

std::optional<std::uint16_t> ReadPort(std::string_view text) {
    const auto port = ReadWhole<std::uint16_t>(text, 65535);
    if (!port || *port == 0) return {};
    return port;
}

std::string ShowAddress(const Address& address) {
    return std::to_string(address[0]) + '.' + std::to_string(address[1]) + '.' +
           std::to_string(address[2]) + '.' + std::to_string(address[3]);
}

bool OnInternet(const Address& address) {
    const std::uint32_t number = Number(address);
    return std::none_of(kNotOnInternet.begin(), kNotOnInternet.end(), [&](const Range& range) {
        const std::uint32_t mask = ~std::uint32_t{0} << (32 - range.bits);
        return (number & mask) == Number(range.first);
    });
}

std::variant<Mapping, Failure> JudgeUpnp(const UpnpAnswer& answer, std::string_view self,
                                         std::uint16_t port) {
    const auto outside = ReadAddress(answer.outside);
    const auto client = ReadAddress(answer.client);
    const auto clientPort = ReadPort(answer.clientPort);
    const auto me = ReadAddress(self);
    // An empty lease is a router that keeps mappings until they are removed.
    const auto lease = answer.lease.empty() ? std::optional<std::uint32_t>(0)
                                            : ReadWhole<std::uint32_t>(answer.lease, 0xffffffff);
    if (!outside || !client || !clientPort || !me || !lease || answer.outsidePort == 0)
        return Failure::Garbled;
    if (*client != *me || *clientPort != port) return Failure::Elsewhere;
    if (!OnInternet(*outside)) return Failure::NotOnInternet;
    return Mapping{Way::Upnp, *outside, answer.outsidePort, *lease};
}

std::variant<Mapping, Failure> JudgeNatPmp(const NatPmpAnswer& answer, std::uint16_t port) {
    if (answer.privatePort != port) return Failure::Elsewhere;
    if (answer.mappedPort == 0) return Failure::Garbled;
    // A lifetime of nothing is a mapping refused.
    if (answer.lifetime == 0) return Failure::Refused;
    if (!OnInternet(answer.outside)) return Failure::NotOnInternet;
    return Mapping{Way::NatPmp, answer.outside, answer.mappedPort, answer.lifetime};
}

std::string WriteReport(const Report& report) {
    std::string line(kKindNames[static_cast<std::size_t>(report.kind)]);
    const auto way = kWayNames[static_cast<std::size_t>(report.way)];
    switch (report.kind) {
    case Report::Kind::Found:
        return line.append(" ").append(way).append(" ").append(Plain(report.detail));
    case Report::Kind::Mapped:
    case Report::Kind::Renewed:
        return line.append(" ")
            .append(way)
            .append(" ")
            .append(ShowAddress(report.mapping.outside))
            .append(" " + std::to_string(report.mapping.port) + " " +
                    std::to_string(report.mapping.leaseSeconds));
    case Report::Kind::Removed:
        return line;
    case Report::Kind::Failed:
        return line.append(" ")
            .append(kFailureNames[static_cast<std::size_t>(report.failure)])
            .append(" ")
            .append(Plain(report.detail));
    }
    return line;
}

std::optional<Report> ReadReport(std::string_view line) {
    if (line.size() > kMostLineBytes || !std::all_of(line.begin(), line.end(), Printable))
        return {};
    const std::size_t space = line.find(' ');
    const auto kind = Named<Report::Kind>(kKindNames, line.substr(0, space));
    if (!kind) return {};
    Report report;
    report.kind = *kind;
    const std::string_view rest =
        space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
    const std::vector<std::string_view> words = Words(rest, ' ');
    switch (*kind) {
    case Report::Kind::Removed:
        if (space != std::string_view::npos) return {};
        return report;
    case Report::Kind::Found: {
        const auto way = Named<Way>(kWayNames, words[0]);
        if (!way || words.size() < 2) return {};
        report.way = *way;
        report.detail = rest.substr(words[0].size() + 1);
        return report;
    }
    case Report::Kind::Failed: {
        const auto failure = Named<Failure>(kFailureNames, words[0]);
        if (!failure || words.size() < 2) return {};
        report.failure = *failure;
        report.detail = rest.substr(words[0].size() + 1);
        return report;
    }
    case Report::Kind::Mapped:
    case Report::Kind::Renewed: {
        if (words.size() != 4) return {};
        const auto way = Named<Way>(kWayNames, words[0]);
        const auto outside = ReadAddress(words[1]);
        const auto port = ReadPort(words[2]);
        const auto lease = ReadWhole<std::uint32_t>(words[3], 0xffffffff);
        if (!way || !outside || !port || !lease) return {};
        report.way = *way;
        report.mapping = {*way, *outside, *port, *lease};
        return report;
    }
    }
    return {};
}

} // namespace pistework::game::gateway
