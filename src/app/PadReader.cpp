// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PadReader.h"

#include <SDL.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace pistework::app {
namespace {

using game::PadButton;
using game::PadState;

struct Pad {
    SDL_GameController* controller;
    SDL_JoystickID id;
    PadState state;
};

// SDL's name for each face button, in PadButton's order.
constexpr SDL_GameControllerButton kFaceButtons[] = {
    SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_X,
    SDL_CONTROLLER_BUTTON_Y};

class SdlPadReader final : public PadReader {
public:
    explicit SdlPadReader(OnChange onChange) : onChange(std::move(onChange)) {
        // SDL must leave the program's signals alone and hear the pads while another window,
        // the game's own, has the focus.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        started = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    }
    ~SdlPadReader() override {
        for (const Pad& pad : pads)
            SDL_GameControllerClose(pad.controller);
        if (started) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
    SdlPadReader(const SdlPadReader&) = delete;
    SdlPadReader& operator=(const SdlPadReader&) = delete;

    bool Failed() const override { return !started; }
    std::size_t Attached() const override { return pads.size(); }

    void Poll() override {
        if (!started) return;
        SDL_GameControllerUpdate();
        SDL_Event event;
        while (SDL_PollEvent(&event) == 1)
            Take(event);
    }

private:
    void Take(const SDL_Event& event) {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            // `which` is the device index here; a pad SDL already reported is not opened twice.
            if (SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which)) {
                const SDL_JoystickID id =
                    SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
                if (Find(id) == pads.end())
                    pads.push_back({controller, id, {}});
                else
                    SDL_GameControllerClose(controller);
            }
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            if (auto pad = Find(event.cdevice.which); pad != pads.end()) {
                SDL_GameControllerClose(pad->controller);
                pads.erase(pad);
            }
            break;
        case SDL_CONTROLLERAXISMOTION:
            Change(event.caxis.which, [&](PadState& state) {
                if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) state.stickX = event.caxis.value;
                if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) state.stickY = event.caxis.value;
            });
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            Change(event.cbutton.which, [&](PadState& state) {
                const bool down = event.cbutton.state == SDL_PRESSED;
                const auto button = static_cast<SDL_GameControllerButton>(event.cbutton.button);
                if (button == SDL_CONTROLLER_BUTTON_DPAD_LEFT) state.dpadLeft = down;
                if (button == SDL_CONTROLLER_BUTTON_DPAD_RIGHT) state.dpadRight = down;
                const auto* face =
                    std::find(std::begin(kFaceButtons), std::end(kFaceButtons), button);
                if (face != std::end(kFaceButtons))
                    state.buttons[static_cast<std::size_t>(face - std::begin(kFaceButtons))] = down;
            });
            break;
        default:
            break;
        }
    }

    std::vector<Pad>::iterator Find(SDL_JoystickID id) {
        return std::find_if(pads.begin(), pads.end(),
                            [id](const Pad& pad) { return pad.id == id; });
    }

    template <typename Update> void Change(SDL_JoystickID id, Update update) {
        const auto pad = Find(id);
        if (pad == pads.end()) return;
        const PadState before = pad->state;
        update(pad->state);
        if (pad->state != before && onChange)
            onChange(static_cast<std::size_t>(pad - pads.begin()), before, pad->state);
    }

    OnChange onChange;
    bool started = false;
    // In the order they were plugged in.
    std::vector<Pad> pads;
};

static_assert(std::size(kFaceButtons) == std::tuple_size_v<decltype(PadState::buttons)>);

} // namespace
} // namespace pistework::app

extern "C" pistework::app::PadReader*
pistework_NewPadReader(pistework::app::PadReader::OnChange onChange) {
    return new pistework::app::SdlPadReader(std::move(onChange));
}
