// SPDX-License-Identifier: GPL-3.0-or-later
// Virtual pads plugged into SDL drive the fencers through the program's pad library: the
// first pad the right player, a second the left one in a two-player bout, until unplugged.

#include "app/PadInput.h"
#include "game/Pad.h"

#include <SDL.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace pistework;
using game::FencerCommand;
using game::PadState;
using game::Side;

namespace {

using Heard = std::vector<std::pair<Side, FencerCommand>>;

SDL_Joystick* Plug() {
    return SDL_JoystickOpen(SDL_JoystickAttachVirtual(
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0));
}

void Unplug(SDL_Joystick* pad) {
    const SDL_JoystickID id = SDL_JoystickInstanceID(pad);
    SDL_JoystickClose(pad);
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        if (SDL_JoystickGetDeviceInstanceID(index) == id) SDL_JoystickDetachVirtual(index);
    }
}

// What the game hears from the pad `order` when its state goes from rest to `now`.
Heard Expected(std::size_t order, bool twoPlayers, const PadState& now) {
    Heard heard;
    if (const auto side = game::PadDrives(order, twoPlayers)) {
        for (const FencerCommand command : game::PadCommands({}, now, *side))
            heard.emplace_back(*side, command);
    }
    return heard;
}

} // namespace

TEST(Pads, VirtualPadsDriveTheirFencersUntilUnplugged) {
    bool twoPlayers = false;
    Heard heard;
    app::PadInput pads(
        nullptr, [&] { return twoPlayers; },
        [&](Side side, FencerCommand command) { heard.emplace_back(side, command); });
    pads.Wake();
    ASSERT_TRUE(pads.Loaded()) << "the pad library did not load";

    SDL_Joystick* first = Plug();
    ASSERT_NE(first, nullptr) << SDL_GetError();
    pads.Poll();
    ASSERT_EQ(pads.Attached(), 1U);
    EXPECT_TRUE(pads.Polling());

    // The stick pushed to the left, then A: SDL's A is the south face button.
    PadState pushed;
    pushed.stickX = -32767;
    SDL_JoystickSetVirtualAxis(first, SDL_CONTROLLER_AXIS_LEFTX, -32767);
    pads.Poll();
    EXPECT_EQ(heard, Expected(0, twoPlayers, pushed));
    heard.clear();
    PadState pressed;
    pressed.buttons[static_cast<std::size_t>(game::PadButton::South)] = true;
    SDL_JoystickSetVirtualButton(first, SDL_CONTROLLER_BUTTON_A, SDL_PRESSED);
    pads.Poll();
    pads.Poll(); // held: nothing more
    EXPECT_EQ(heard, Expected(0, twoPlayers, pressed));
    SDL_JoystickSetVirtualButton(first, SDL_CONTROLLER_BUTTON_A, SDL_RELEASED);

    // A second pad drives nobody in a player's bout, the left fencer in a two-player one.
    SDL_Joystick* second = Plug();
    ASSERT_NE(second, nullptr) << SDL_GetError();
    pads.Poll();
    ASSERT_EQ(pads.Attached(), 2U);
    PadState dpad;
    dpad.dpadRight = true;
    for (const bool two : {false, true}) {
        twoPlayers = two;
        heard.clear();
        SDL_JoystickSetVirtualButton(second, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_PRESSED);
        pads.Poll();
        SDL_JoystickSetVirtualButton(second, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_RELEASED);
        pads.Poll();
        EXPECT_EQ(heard, Expected(1, two, dpad)) << "two players: " << two;
    }
    EXPECT_FALSE(heard.empty());

    // Unplugged, the first pad is gone and the second becomes the first.
    Unplug(first);
    pads.Poll();
    EXPECT_EQ(pads.Attached(), 1U);
    heard.clear();
    SDL_JoystickSetVirtualButton(second, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_PRESSED);
    pads.Poll();
    EXPECT_EQ(heard, Expected(0, twoPlayers, dpad));

    // With the last pad gone, the polling stops once no new pad is on its way.
    Unplug(second);
    heard.clear();
    for (int tick = 0; tick < 100 && pads.Polling(); ++tick)
        pads.Poll();
    EXPECT_EQ(pads.Attached(), 0U);
    EXPECT_FALSE(pads.Polling());
    EXPECT_TRUE(heard.empty());
}
