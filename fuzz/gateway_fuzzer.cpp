// SPDX-License-Identifier: GPL-3.0-or-later
// A router's answers and the helper's lines on any bytes. The input's lines are, in turn, the
// router's outer address, whom its mapping leads to, at which port, for how long, and a line
// of the helper's. A mapping judged good is always one friends on the internet could reach,
// at this machine and port; a line that reads writes back as one line that reads the same.

#include "game/network/Gateway.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <variant>

using namespace pistework::game::gateway;

namespace {

void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken rule: %s\n", what);
    std::abort();
}

std::string_view Next(std::string_view& rest) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return line;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    constexpr std::uint16_t kPort = 40123;
    const std::string_view outside = Next(rest), client = Next(rest), clientPort = Next(rest),
                           lease = Next(rest), line = Next(rest);

    const auto judged =
        JudgeUpnp({outside, kPort, client, clientPort, lease}, "192.168.50.2", kPort);
    if (const auto* mapping = std::get_if<Mapping>(&judged)) {
        Require(OnInternet(mapping->outside), "a mapping to an address off the internet");
        Require(client == "192.168.50.2" && clientPort == "40123", "a mapping leading elsewhere");
        Require(ReadAddress(outside) == mapping->outside, "an outer address read otherwise");
    }
    if (size >= 11) {
        NatPmpAnswer answer{{data[0], data[1], data[2], data[3]},
                            static_cast<std::uint16_t>(data[4] << 8 | data[5]),
                            static_cast<std::uint16_t>(data[6] << 8 | data[7]),
                            static_cast<std::uint32_t>(data[8] << 16 | data[9] << 8 | data[10])};
        const auto pmp = JudgeNatPmp(answer, kPort);
        if (const auto* mapping = std::get_if<Mapping>(&pmp))
            Require(OnInternet(mapping->outside) && answer.privatePort == kPort &&
                        mapping->port != 0 && mapping->leaseSeconds != 0,
                    "a NAT-PMP mapping that is no use");
    }

    if (const auto read = ReadReport(line)) {
        const std::string written = WriteReport(*read);
        Require(written.size() <= kMostLineBytes, "a line written too long");
        const auto again = ReadReport(written);
        Require(again.has_value(), "a line written that does not read");
        if (read->detail.size() <= kMostDetailBytes)
            Require(*again == *read, "a line read otherwise");
    }
    return 0;
}
