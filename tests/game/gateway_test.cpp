// SPDX-License-Identifier: GPL-3.0-or-later
// A router's answers come from anything on the network: each hostile or broken one costs a
// plain failure, never a mapping the host would hand its friends; and the lines the helper
// writes read back as written, while nothing else reads at all.

#include "game/network/Gateway.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

using namespace pistework::game::gateway;

namespace {

constexpr std::uint16_t kPort = 40123;
constexpr std::string_view kSelf = "192.168.50.2";

Report Said(Report::Kind kind, Way way = Way::Upnp, Mapping mapping = {}, Failure failure = {},
            std::string detail = {}) {
    return {kind, way, mapping, failure, std::move(detail)};
}

std::string Outcome(const std::variant<Mapping, Failure>& judged) {
    if (const auto* mapping = std::get_if<Mapping>(&judged))
        return ShowAddress(mapping->outside) + ":" + std::to_string(mapping->port) + " for " +
               std::to_string(mapping->leaseSeconds);
    return WriteReport(Said(Report::Kind::Failed, Way::Upnp, {}, std::get<Failure>(judged)));
}

std::string Failed(Failure failure) {
    return Outcome(failure);
}

} // namespace

TEST(Gateway, EachRouterAnswerIsJudgedBeforeAnyoneIsToldWhereToJoin) {
    const std::string huge(100'000, '9');
    const std::string honest = "11.0.0.1:40123 for 120";
    const std::string offInternet = Failed(Failure::NotOnInternet);
    const std::string garbled = Failed(Failure::Garbled);
    // The router's outer address, the rest of its answer honest.
    const std::pair<std::string, std::string> outside[] = {
        {"11.0.0.1", honest},
        {"100.128.0.1", "100.128.0.1:40123 for 120"}, // just past a carrier's shared range
        {"172.32.0.1", "172.32.0.1:40123 for 120"},   // just past a private range
        // Friends on the internet could not reach these.
        {"100.64.0.1", offInternet},
        {"100.127.255.255", offInternet},
        {"10.1.2.3", offInternet},
        {"172.31.255.255", offInternet},
        {"192.168.1.1", offInternet},
        {"0.0.0.0", offInternet},
        {"127.0.0.1", offInternet},
        {"255.255.255.255", offInternet},
        {"239.255.255.250", offInternet},
        {"203.0.113.7", offInternet},
        {"192.0.0.9", offInternet},
        {"192.0.0.200", offInternet},
        {"192.0.2.1", offInternet},
        {"192.88.99.1", offInternet},
        {"198.19.255.255", offInternet},
        {"198.51.100.7", offInternet},
        {"169.254.1.1", offInternet},
        {"192.0.1.1", "192.0.1.1:40123 for 120"},
        // What cannot be read is not guessed at.
        {"", garbled},
        {huge, garbled},
        {"11.0.0", garbled},
        {"11.0.0.1.5", garbled},
        {"11.0.0.256", garbled},
        {"11.0.0.01", garbled},
        {"11.0.-0.1", garbled},
        {"11.0.0.1 ", garbled},
        {"11..0.1", garbled},
        {"router.home", garbled},
    };
    for (const auto& [address, expected] : outside)
        EXPECT_EQ(
            Outcome(JudgeUpnp({address, kPort, "192.168.50.2", "40123", "120"}, kSelf, kPort)),
            expected)
            << address.substr(0, 20);
    // The mapping read back: whom it leads to, at which port, for how long.
    struct Row {
        std::string client, clientPort, lease, expected;
    };
    const Row mapped[] = {
        {"192.168.50.2", "40123", "", "11.0.0.1:40123 for 0"}, // kept until removed
        {"192.168.50.2", "40123", "4294967295", "11.0.0.1:40123 for 4294967295"},
        // A mapping that leads elsewhere is another machine's.
        {"192.168.50.3", "40123", "120", Failed(Failure::Elsewhere)},
        {"192.168.50.2", "40124", "120", Failed(Failure::Elsewhere)},
        {"192.168.50.2x", "40123", "120", garbled},
        {"192.168.50.2", "0", "120", garbled},
        {"192.168.50.2", "105659", "120", garbled},
        {"192.168.50.2", "0x9cbb", "120", garbled},
        {"192.168.50.2", huge, "120", garbled},
        {"192.168.50.2", "40123", "-1", garbled},
        {"192.168.50.2", "40123", "4294967296", garbled},
    };
    for (const Row& row : mapped)
        EXPECT_EQ(Outcome(JudgeUpnp({"11.0.0.1", kPort, row.client, row.clientPort, row.lease},
                                    kSelf, kPort)),
                  row.expected)
            << row.client << ":" << row.clientPort.substr(0, 20) << " for " << row.lease;
    // Another outer port than asked for is the router's to give; no outer port is none.
    EXPECT_EQ(Outcome(JudgeUpnp({"11.0.0.1", 40124, "192.168.50.2", "40123", "7"}, kSelf, kPort)),
              "11.0.0.1:40124 for 7");
    EXPECT_EQ(Outcome(JudgeUpnp({"11.0.0.1", 0, "192.168.50.2", "40123", "120"}, kSelf, kPort)),
              garbled);
    // This machine's own address, as the router's client gives it, must read too.
    EXPECT_EQ(Outcome(JudgeUpnp({"11.0.0.1", kPort, "192.168.50.2", "40123", "120"}, "", kPort)),
              garbled);

    struct NatPmpRow {
        const char* what;
        NatPmpAnswer answer;
        std::string expected;
    };
    const NatPmpRow natPmp[] = {
        {"an honest router", {{11, 0, 0, 1}, kPort, kPort, 120}, "11.0.0.1:40123 for 120"},
        {"another outer port", {{11, 0, 0, 1}, kPort, 50000, 60}, "11.0.0.1:50000 for 60"},
        {"another inner port", {{11, 0, 0, 1}, 40124, kPort, 120}, Failed(Failure::Elsewhere)},
        {"no outer port", {{11, 0, 0, 1}, kPort, 0, 120}, Failed(Failure::Garbled)},
        {"no lifetime", {{11, 0, 0, 1}, kPort, kPort, 0}, Failed(Failure::Refused)},
        {"a carrier's address",
         {{100, 64, 3, 4}, kPort, kPort, 120},
         Failed(Failure::NotOnInternet)},
    };
    for (const NatPmpRow& row : natPmp) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(Outcome(JudgeNatPmp(row.answer, kPort)), row.expected);
    }
}

TEST(Gateway, TheHelpersLinesReadBackAsWrittenAndNothingElseReads) {
    const Mapping mapping{Way::NatPmp, {11, 0, 0, 1}, 40123, 4'294'967'295};
    const Report reports[] = {
        Said(Report::Kind::Found, Way::Upnp, {}, {},
             "http://192.168.50.1:5000/rootDesc.xml for 192.168.50.2"),
        Said(Report::Kind::Found, Way::NatPmp, {}, {}, "192.168.50.1"),
        Said(Report::Kind::Mapped, Way::NatPmp, mapping),
        Said(Report::Kind::Renewed, Way::NatPmp, mapping),
        Said(Report::Kind::Removed),
        Said(Report::Kind::Failed, Way::Upnp, {}, Failure::Garbled, ""),
        Said(Report::Kind::Failed, Way::Upnp, {}, kLastFailure,
             "UPnP error 718 (ConflictInMappingEntry)"),
    };
    for (const Report& report : reports) {
        const std::string line = WriteReport(report);
        SCOPED_TRACE(line);
        EXPECT_EQ(ReadReport(line), report);
    }
    // Whatever a router put in a detail, the line stays one printable line that reads back.
    std::string hostile = "a\nmapped upnp 11.0.0.1 1 1\r\x1b[2J\xff";
    hostile += std::string(10'000, 'x');
    for (Report::Kind kind : {Report::Kind::Found, Report::Kind::Failed}) {
        const std::string line = WriteReport(Said(kind, Way::Upnp, {}, {}, hostile));
        EXPECT_LE(line.size(), kMostLineBytes);
        const auto read = ReadReport(line);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->kind, kind);
        EXPECT_EQ(read->detail.size(), kMostDetailBytes);
        EXPECT_EQ(read->detail.substr(0, 6), "a?mapp");
    }
    const std::string unread[] = {
        "",
        "removed ",
        "removed now",
        "gone",
        "mapped",
        "mapped upnp 11.0.0.1 40123",
        "mapped upnp 11.0.0.1 40123 120 9",
        "mapped upnp 11.0.0.1 0 120",
        "mapped upnp 11.0.0 40123 120",
        "mapped upnp 11.0.0.1 40123 -1",
        "mapped pcp 11.0.0.1 40123 120",
        "renewed upnp  11.0.0.1 40123 120",
        "failed",
        "failed no-gateway",
        "failed tired of it",
        "found upnp",
        "found smoke signals",
        "Mapped upnp 11.0.0.1 40123 120",
        "removed\r",
        std::string("found upnp a\0b", 14),
        "failed refused " + std::string(kMostLineBytes, 'x'),
    };
    for (const std::string& line : unread) {
        SCOPED_TRACE(line);
        EXPECT_FALSE(ReadReport(line));
    }
}

// The helper renews at half the lease granted, but never every instant nor once in years.
TEST(Gateway, RenewsAtHalfTheLeaseWithinBounds) {
    const std::pair<std::uint32_t, std::uint32_t> rows[] = {{0, 0},
                                                            {1, 2},
                                                            {4, 2},
                                                            {6, 3},
                                                            {kLeaseSeconds, kLeaseSeconds / 2},
                                                            {1200, 600},
                                                            {4'294'967'295, 600}};
    for (const auto& [lease, after] : rows)
        EXPECT_EQ(RenewAfterSeconds(lease), after) << lease;
}
