// SPDX-License-Identifier: GPL-3.0-or-later
// Virtual pads plugged into SDL drive the fencers through the program's pad library: the
// first pad the right player, a second the left one in a two-player bout, until unplugged.

#include "app/PadInput.h"

#include <QLoggingCategory>
#include <QStringList>

#include <SDL.h>

#include <gtest/gtest.h>

using namespace pistework::game;
using Heard = std::vector<std::pair<Side, FencerCommand>>;

namespace {
QStringList padLog;
void KeepPadLines(QtMsgType, const QMessageLogContext& context, const QString& text) {
    if (QLatin1String(context.category) == QLatin1String("pistework.pad")) padLog << text;
}
} // namespace

TEST(Pads, VirtualPadsDriveTheirFencersUntilUnplugged) {
    // The log says which fencer each pad drives, as it comes and goes.
    QLoggingCategory::setFilterRules(QStringLiteral("pistework.pad.debug=true"));
    const QtMessageHandler before = qInstallMessageHandler(KeepPadLines);
    bool two = false;
    Heard heard;
    pistework::app::PadInput pads(
        nullptr, [&] { return two; },
        [&](Side side, FencerCommand command) { heard.emplace_back(side, command); });
    pads.Wake();
    ASSERT_TRUE(pads.Loaded()) << "the pad library did not load";
    auto plug = [&] {
        SDL_Joystick* pad = SDL_JoystickOpen(
            SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                      SDL_CONTROLLER_BUTTON_MAX, 0));
        pads.Poll();
        return pad;
    };
    auto unplug = [&](SDL_Joystick* pad) {
        const SDL_JoystickID id = SDL_JoystickInstanceID(pad);
        SDL_JoystickClose(pad);
        for (int index = 0; index < SDL_NumJoysticks(); ++index) {
            if (SDL_JoystickGetDeviceInstanceID(index) == id) SDL_JoystickDetachVirtual(index);
        }
        pads.Poll();
    };
    // What the game hears from a button pressed and let go.
    auto press = [&](SDL_Joystick* pad, SDL_GameControllerButton button) {
        heard.clear();
        SDL_JoystickSetVirtualButton(pad, button, SDL_PRESSED);
        pads.Poll();
        SDL_JoystickSetVirtualButton(pad, button, SDL_RELEASED);
        pads.Poll();
        return heard;
    };
    // What the pad attached `order`th should give, moved from rest to `now`.
    auto expected = [&](std::size_t order, const PadState& now) {
        Heard commands;
        const auto side = PadDrives(order, two);
        for (const FencerCommand command :
             side ? PadCommands({}, now, *side) : std::vector<FencerCommand>{})
            commands.emplace_back(*side, command);
        return commands;
    };
    PadState left, lunge, right;
    left.stickX = -32767;
    lunge.buttons[static_cast<std::size_t>(PadButton::South)] = true; // SDL's A
    right.dpadRight = true;

    SDL_Joystick* first = plug();
    ASSERT_EQ(pads.Attached(), 1U) << SDL_GetError();
    SDL_JoystickSetVirtualAxis(first, SDL_CONTROLLER_AXIS_LEFTX, -32767);
    pads.Poll();
    EXPECT_EQ(heard, expected(0, left));
    EXPECT_EQ(press(first, SDL_CONTROLLER_BUTTON_A), expected(0, lunge));

    SDL_Joystick* second = plug();
    ASSERT_EQ(pads.Attached(), 2U);
    EXPECT_EQ(press(second, SDL_CONTROLLER_BUTTON_DPAD_RIGHT), expected(1, right)); // nobody
    two = true;
    EXPECT_EQ(press(second, SDL_CONTROLLER_BUTTON_DPAD_RIGHT), expected(1, right)); // the left
    // The first pad unplugged, the second one is the first.
    unplug(first);
    EXPECT_EQ(press(second, SDL_CONTROLLER_BUTTON_DPAD_RIGHT), expected(0, right));
    // With the last pad gone, the polling stops once no new pad is on its way.
    unplug(second);
    for (int tick = 0; tick < 100 && pads.Polling(); ++tick)
        pads.Poll();
    EXPECT_EQ(pads.Attached(), 0U);
    EXPECT_FALSE(pads.Polling());

    qInstallMessageHandler(before);
    // Which fencer each pad drives, as it comes and after the first is lost.
    const QStringList drives = padLog.filter(QStringLiteral(" drives "));
    ASSERT_EQ(drives.size(), 3) << padLog.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(drives[0].endsWith("right fencer") && drives[2].endsWith("right fencer"));
    EXPECT_TRUE(drives[1].contains("left fencer in a 2 Player bout"));
}
