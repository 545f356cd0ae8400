// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game timer that a pause or a dialog can hold. While it is held the game still starts and
// stops it as play demands, but underneath it stays stopped; the release gives it the last
// state the game asked for. So nothing started during a hold runs behind it, and nothing
// stopped during a hold (a bout ended by a level choice) comes back when it ends.

#include "platform/Platform.h"

#include <memory>

namespace pistework::game {

class HeldTimer final : public platform::Timer {
public:
    explicit HeldTimer(std::unique_ptr<platform::Timer> timer) : timer(std::move(timer)) {}

    bool Enabled() const override { return held ? wanted : timer->Enabled(); }
    void SetEnabled(bool enabled) override {
        wanted = enabled;
        if (!held) timer->SetEnabled(enabled);
    }
    int Interval() const override { return timer->Interval(); }
    void SetInterval(int milliseconds) override { timer->SetInterval(milliseconds); }
    void SetOnTimer(std::function<void()> handler) override {
        timer->SetOnTimer(std::move(handler));
    }

    void Hold() {
        if (held) return;
        wanted = timer->Enabled();
        held = true;
        timer->SetEnabled(false);
    }
    void Release() {
        if (!held) return;
        held = false;
        timer->SetEnabled(wanted);
    }

private:
    std::unique_ptr<platform::Timer> timer;
    bool wanted = false;
    bool held = false;
};

} // namespace pistework::game
