// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A host's game and a guest's game on one virtual clock, joined by a connection in memory
// with a set delay each way, as two machines on a network would be.

#include "game/network/NetworkDoor.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/headless/MemoryConnection.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

using pistework::game::Verb;

namespace pistework::game {

// Frames one after another, as they go down one connection.
inline std::vector<std::uint8_t> Cat(std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct NetworkPair {
    static constexpr int kCode = 123'456;
    // Where the guest's connections come from; every other test connection has its own.
    static constexpr std::string_view kGuestAddress = "192.0.2.1";
    // Where the guests and watchers find the host.
    static constexpr std::string_view kHostAddress = "192.0.2.2";

    explicit NetworkPair(int delayMs = 0, int hostCode = kCode)
        : owned(std::make_unique<platform::headless::MemoryConnection>(form.scheduler, delayMs)),
          hostEnd(*owned), guestEnd(form.scheduler, delayMs), code(hostCode) {
        platform::headless::MemoryConnection::Join(hostEnd, guestEnd);
        host.Start();
        guest.Start();
        door.SetOnEnd([this](net::Ending why, bool) { hostEnded = why; });
    }
    void Arrive() { door.Arrive(std::move(owned), kGuestAddress); }
    // The guest knocks with `guestCode`.
    void Join(int guestCode = kCode) {
        Arrive();
        joining = std::make_unique<NetworkGuest>(guestPlace, guestEnd, guestCode,
                                                 std::string(kHostAddress));
        joining->SetOnEnd([this](net::Ending why, bool begun) {
            guestEnded = why;
            guestHadBegun = begun;
        });
        joining->Knock();
    }
    NetworkFencing& HostSide() { return *door.Fencing(); }
    NetworkFencing& GuestSide() { return *joining->Fencing(); }

    platform::headless::HeadlessPlatform form;
    // The guest's machine: its own settings and sound, the same clock.
    platform::headless::MemoryStore guestStore;
    platform::headless::MemoryBoutStore guestBouts;
    platform::headless::HeadlessMediaPlayer guestSound;
    Game host{form.Services()};
    Game guest{platform::Services{.timers = form,
                                  .sound = guestSound,
                                  .store = guestStore,
                                  .clock = form.clock,
                                  .bouts = guestBouts}};
    NetworkPlace guestPlace{guest, form, form.clock, guestSound};
    std::unique_ptr<platform::headless::MemoryConnection> owned; // until the door has it
    platform::headless::MemoryConnection &hostEnd, guestEnd;
    int code;
    GuessLedger ledger;
    NetworkDoor door{{host, form, form.clock, form.sound}, code, ledger};
    std::unique_ptr<NetworkGuest> joining;
    std::optional<net::Ending> hostEnded, guestEnded;
    bool guestHadBegun = false; // as the guest's end said: the window returns to playing then
};

} // namespace pistework::game
