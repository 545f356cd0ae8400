// SPDX-License-Identifier: GPL-3.0-or-later
// pistework-gateway PORT: asks the home router to open TCP port PORT to this machine, by UPnP
// or else NAT-PMP, and keeps it open, renewing its lease, until its standard input closes or
// it is told to end; then gives it back. Each thing that happens is one line on standard
// output (game/network/Gateway.h).
//
// A program of its own, so that a router's answers, which anything on the network may send,
// are read outside the game: however they are made, they cost this process its memory or its
// life and the game nothing. The game ends it when it stops waiting; if the game dies, its
// standard input closes and the mapping is given back all the same.

#include "game/network/Gateway.h"

#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>
#include <miniupnpc/upnperrors.h>
#include <natpmp.h>

#include <arpa/inet.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/select.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace {

using namespace pistework::game::gateway;
using Clock = std::chrono::steady_clock;

// How long the routers on the network have to answer the search, and a NAT-PMP router each
// request; the game gives up on the whole a little after both.
constexpr int kSearchMs = 1000;
constexpr int kNatPmpMs = 1000;
// Outer ports tried when the one asked for is another machine's.
constexpr int kPortsTried = 4;

volatile std::sig_atomic_t ending = 0;

void OnEnd(int) {
    ending = 1;
}

Report Line(Report::Kind kind, Way way = Way::Upnp, std::string detail = {}) {
    Report report;
    report.kind = kind;
    report.way = way;
    report.detail = std::move(detail);
    return report;
}

void Say(const Report& report) {
    const std::string line = WriteReport(report) + '\n';
    (void)!::write(STDOUT_FILENO, line.data(), line.size());
}

void Fail(Failure failure, const std::string& detail) {
    Report report = Line(Report::Kind::Failed, Way::Upnp, detail);
    report.failure = failure;
    Say(report);
}

// The mapping this process made, and how to give it back.
class Router {
public:
    virtual ~Router() = default;
    // The mapping made, or why none was.
    virtual std::variant<Mapping, Failure> Map() = 0;
    virtual void Remove() = 0;
    std::string said;
};

class UpnpRouter final : public Router {
public:
    UpnpRouter(const UPNPUrls& urls, const IGDdatas& data, std::string self, std::uint16_t port)
        : urls(urls), data(data), self(std::move(self)), port(port) {}
    ~UpnpRouter() override { FreeUPNPUrls(&urls); }
    UpnpRouter(const UpnpRouter&) = delete;
    UpnpRouter& operator=(const UpnpRouter&) = delete;

    std::variant<Mapping, Failure> Map() override {
        char outside[64] = {};
        if (UPNP_GetExternalIPAddress(urls.controlURL, data.first.servicetype, outside) != 0)
            outside[0] = 0;
        // Renewing asks for the same outer port again; the first time, the next few after a
        // port another machine holds, or another program here: a router takes a mapping from
        // this machine as an update of the one it has.
        int result = -1;
        for (int tried = 0; tried < (outer ? 1 : kPortsTried); ++tried) {
            const std::uint16_t asked = outer ? outer : static_cast<std::uint16_t>(port + tried);
            if (asked == 0) break;
            const std::string ask = std::to_string(asked);
            if (!outer && HeldByAnother(ask)) {
                result = 718;
                continue;
            }
            result = Add(ask, lease);
            // Some routers keep mappings only until they are removed.
            if (result == 725) result = Add(ask, lease = "0");
            if (result == 0) {
                outer = asked;
                break;
            }
            if (result != 718) break;
        }
        if (result != 0) {
            // The library names only the errors it knows.
            const char* name = strupnperror(result);
            said = "UPnP error " + std::to_string(result) + " (" + (name ? name : "unknown") + ")";
            return Failure::Refused;
        }
        const auto entry = Entry(std::to_string(outer));
        if (!entry) return Failure::Garbled;
        const auto judged = JudgeUpnp(
            {outside, outer, entry->client, entry->clientPort, entry->granted}, self, port);
        if (const auto* failure = std::get_if<Failure>(&judged)) {
            said = std::string("outer address ") + outside + ", mapped to " + entry->client + ":" +
                   entry->clientPort;
            // Another machine's mapping is not this one's to remove.
            if (*failure == Failure::Elsewhere) outer = 0;
        }
        return judged;
    }

    void Remove() override {
        if (outer == 0) return;
        const std::string ask = std::to_string(outer);
        UPNP_DeletePortMapping(urls.controlURL, data.first.servicetype, ask.c_str(), "TCP",
                               nullptr);
        outer = 0;
    }

private:
    // The router's mapping of outer port `ask`, none when it holds none or will not say.
    struct Held {
        char client[64] = {}, clientPort[64] = {}, description[128] = {}, enabled[64] = {},
             granted[64] = {};
    };
    std::optional<Held> Entry(const std::string& ask) {
        Held held;
        if (UPNP_GetSpecificPortMappingEntry(urls.controlURL, data.first.servicetype, ask.c_str(),
                                             "TCP", nullptr, held.client, held.clientPort,
                                             held.description, held.enabled, held.granted) != 0)
            return std::nullopt;
        return held;
    }

    bool HeldByAnother(const std::string& ask) {
        const auto entry = Entry(ask);
        return entry && (self != entry->client || ReadPort(entry->clientPort) != port);
    }

    int Add(const std::string& ask, const std::string& seconds) {
        const std::string inner = std::to_string(port);
        return UPNP_AddPortMapping(urls.controlURL, data.first.servicetype, ask.c_str(),
                                   inner.c_str(), self.c_str(), "Pistework", "TCP", nullptr,
                                   seconds.c_str());
    }

    UPNPUrls urls;
    IGDdatas data;
    std::string self;
    std::uint16_t port;
    std::uint16_t outer = 0;
    std::string lease = std::to_string(kLeaseSeconds);
};

class NatPmpRouter final : public Router {
public:
    NatPmpRouter(natpmp_t& natpmp, std::uint16_t port) : natpmp(natpmp), port(port) {}
    ~NatPmpRouter() override { closenatpmp(&natpmp); }
    NatPmpRouter(const NatPmpRouter&) = delete;
    NatPmpRouter& operator=(const NatPmpRouter&) = delete;

    std::variant<Mapping, Failure> Map() override {
        natpmpresp_t answer{};
        if (sendpublicaddressrequest(&natpmp) < 0 || !Answered(natpmp, answer)) {
            said = "no UPnP router and no NAT-PMP answer from the default gateway";
            return Failure::NoGateway;
        }
        if (!outer) {
            in_addr gateway{};
            gateway.s_addr = natpmp.gateway;
            Say(Line(Report::Kind::Found, Way::NatPmp, inet_ntoa(gateway)));
        }
        NatPmpAnswer judged{};
        std::memcpy(judged.outside.data(), &answer.pnu.publicaddress.addr, 4);
        if (sendnewportmappingrequest(&natpmp, NATPMP_PROTOCOL_TCP, port, outer ? outer : port,
                                      kLeaseSeconds) < 0 ||
            !Answered(natpmp, answer)) {
            said = "no answer to the mapping";
            return Failure::Refused;
        }
        judged.privatePort = answer.pnu.newportmapping.privateport;
        judged.mappedPort = answer.pnu.newportmapping.mappedpublicport;
        judged.lifetime = answer.pnu.newportmapping.lifetime;
        const auto mapping = JudgeNatPmp(judged, port);
        if (const auto* made = std::get_if<Mapping>(&mapping))
            outer = made->port;
        else
            said = "outer address " + ShowAddress(judged.outside) + ", port " +
                   std::to_string(judged.mappedPort) + " to " + std::to_string(judged.privatePort);
        return mapping;
    }

    void Remove() override {
        natpmpresp_t answer{};
        if (outer == 0) return;
        if (sendnewportmappingrequest(&natpmp, NATPMP_PROTOCOL_TCP, port, outer, 0) >= 0)
            Answered(natpmp, answer);
        outer = 0;
    }

    // Waits for the answer to the request sent, retrying as the library says, within bounds.
    static bool Answered(natpmp_t& natpmp, natpmpresp_t& answer) {
        const auto until = Clock::now() + std::chrono::milliseconds(kNatPmpMs);
        for (;;) {
            const auto left =
                std::chrono::duration_cast<std::chrono::microseconds>(until - Clock::now());
            if (left.count() <= 0 || ending) return false;
            timeval wait{};
            if (getnatpmprequesttimeout(&natpmp, &wait) < 0) return false;
            if (wait.tv_sec * 1'000'000 + wait.tv_usec > left.count()) {
                wait.tv_sec = static_cast<time_t>(left.count() / 1'000'000);
                wait.tv_usec = static_cast<suseconds_t>(left.count() % 1'000'000);
            }
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(natpmp.s, &readable);
            select(natpmp.s + 1, &readable, nullptr, nullptr, &wait);
            const int read = readnatpmpresponseorretry(&natpmp, &answer);
            if (read >= 0) return true;
            if (read != NATPMP_TRYAGAIN) return false;
        }
    }

private:
    natpmp_t natpmp;
    std::uint16_t port;
    std::uint16_t outer = 0;
};

// The router that answers, UPnP first; null, having said why, when none does.
std::unique_ptr<Router> FindRouter(std::uint16_t port) {
    int error = 0;
    // One search, for the gateway's own type, which newer gateways answer too: the library's
    // own list waits the whole time once for each of four types.
    UPNPDev* devices =
        upnpDiscoverDevice("urn:schemas-upnp-org:device:InternetGatewayDevice:1", kSearchMs,
                           nullptr, nullptr, UPNP_LOCAL_PORT_ANY, 0, 2, &error);
    UPNPUrls urls{};
    IGDdatas data{};
    char self[64] = {};
    const int found = devices ? UPNP_GetValidIGD(devices, &urls, &data, self, sizeof self) : 0;
    freeUPNPDevlist(devices);
    if (found == 1) {
        Say(Line(Report::Kind::Found, Way::Upnp,
                 std::string(urls.rootdescURL ? urls.rootdescURL : "") + " for " + self));
        return std::make_unique<UpnpRouter>(urls, data, self, port);
    }
    if (found != 0) FreeUPNPUrls(&urls);
    natpmp_t natpmp{};
    // NAT-PMP asks the default gateway, which says whether it speaks it by answering.
    if (!ending && initnatpmp(&natpmp, 0, 0) >= 0)
        return std::make_unique<NatPmpRouter>(natpmp, port);
    Fail(Failure::NoGateway, found == 0 ? "no UPnP router answered and no default route"
                                        : "the UPnP device is no connected router");
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    const auto port = argc == 2 ? ReadPort(argv[1]) : std::nullopt;
    if (!port) {
        std::fprintf(stderr, "usage: pistework-gateway PORT\n");
        return 2;
    }
#if !defined(__SANITIZE_ADDRESS__)
    // However large a router's answer, it costs this process no more than this.
    constexpr rlim_t kMostBytes = rlim_t{256} << 20;
    const rlimit memory{kMostBytes, kMostBytes};
    setrlimit(RLIMIT_AS, &memory);
#endif
    struct sigaction action = {};
    action.sa_handler = OnEnd;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    std::unique_ptr<Router> router = FindRouter(*port);
    if (!router) return 0;
    bool mapped = false;
    for (Report::Kind kind = Report::Kind::Mapped; !ending;) {
        const auto answer = router->Map();
        if (const auto* failure = std::get_if<Failure>(&answer)) {
            Fail(mapped ? Failure::Lost : *failure, router->said);
            router->Remove();
            return 0;
        }
        const Mapping mapping = std::get<Mapping>(answer);
        Report made = Line(kind, mapping.way);
        made.mapping = mapping;
        Say(made);
        mapped = true;
        kind = Report::Kind::Renewed;
        // Until the game closes this end of the pipe, or it is time to renew.
        const std::uint32_t renew = RenewAfterSeconds(mapping.leaseSeconds);
        const auto until = Clock::now() + std::chrono::seconds(renew);
        bool renewing = false;
        while (!ending && !renewing) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
            if (renew != 0 && left <= 0) {
                renewing = true;
                break;
            }
            pollfd in{STDIN_FILENO, POLLIN, 0};
            const int ready = ::poll(&in, 1, renew == 0 ? -1 : static_cast<int>(left));
            if (ready > 0) {
                char drained[256];
                if (::read(STDIN_FILENO, drained, sizeof drained) <= 0) ending = 1;
            }
        }
    }
    router->Remove();
    Say(Line(Report::Kind::Removed));
    return 0;
}
