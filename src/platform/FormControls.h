#pragma once
// Every control, timer and service of the main window that the game touches, by the
// names the game uses. The Qt window and the headless form each fill one of these.

#include "platform/Platform.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace pistework::platform {

// The window's controls by name, one lookup per kind. A name the window has no control of
// that kind for throws std::out_of_range, so a wrong binding stops the window from opening.
class ControlLookup {
public:
    virtual ~ControlLookup() = default;
    virtual Timer& TimerNamed(std::string_view name) = 0;
    virtual Image& ImageNamed(std::string_view name) = 0;
    virtual Label& LabelNamed(std::string_view name) = 0;
    virtual Shape& ShapeNamed(std::string_view name) = 0;
    virtual Button& ButtonNamed(std::string_view name) = 0;
    virtual EditBox& EditBoxNamed(std::string_view name) = 0;
    virtual StringList& StringListNamed(std::string_view name) = 0;
    virtual MenuItem& MenuItemNamed(std::string_view name) = 0;
};

// The window's one-of-a-kind helpers, which have no place in the layout.
struct FormServices {
    Form& form;
    MediaPlayer& mediaPlayer;
    Registry& registry;
    Clock& clock;
    Random& random;
    Launcher& launcher;
};

// The control `name` in a map keyed by name, for the lookups of both windows.
template <typename Map>
auto& NamedControl(Map& controls, std::string_view name, std::string_view kind) {
    const auto found = controls.find(name);
    if (found == controls.end())
        throw std::out_of_range("the window has no " + std::string(kind) + " named " +
                                std::string(name));
    return found->second;
}

// Each control binds itself by its own member name, so the name is written once and no
// member can be wired to another control's widget.
#define PISTEWORK_BIND(Kind, name) Kind& name = lookup.Kind##Named(#name)

struct FormControls {
private:
    ControlLookup& lookup; // first: every control below binds itself through it

public:
    FormControls(ControlLookup& lookup, const FormServices& services)
        : lookup(lookup), form(services.form), MediaPlayer(services.mediaPlayer),
          registry(services.registry), clock(services.clock), random(services.random),
          launcher(services.launcher) {}

    Form& form;

    PISTEWORK_BIND(Timer, TimerLeft);
    PISTEWORK_BIND(Timer, TimerRight);
    PISTEWORK_BIND(Timer, TimerPresident);
    PISTEWORK_BIND(Timer, TimerLight);
    PISTEWORK_BIND(Timer, TimerClock);
    PISTEWORK_BIND(Timer, TimerSalute);
    PISTEWORK_BIND(Timer, TimerAutoPlay);

    PISTEWORK_BIND(Image, imgFencerA);
    PISTEWORK_BIND(Image, imgFencerB);
    PISTEWORK_BIND(Image, imgFencerATemp);
    PISTEWORK_BIND(Image, imgFencerBTemp);
    PISTEWORK_BIND(Image, imgLightA);
    PISTEWORK_BIND(Image, imgLightB);

    PISTEWORK_BIND(Label, lblEngarde);
    PISTEWORK_BIND(Label, lblScore0);
    PISTEWORK_BIND(Label, lblScore1);
    PISTEWORK_BIND(Label, lblTime);
    PISTEWORK_BIND(Label, lblRedCount0);
    PISTEWORK_BIND(Label, lblRedCount1);
    PISTEWORK_BIND(Label, lblStart);

    PISTEWORK_BIND(Shape, shpYellow0);
    PISTEWORK_BIND(Shape, shpYellow1);
    PISTEWORK_BIND(Shape, shpRed0);
    PISTEWORK_BIND(Shape, shpRed1);

    PISTEWORK_BIND(Button, cmdAdvance);
    PISTEWORK_BIND(Button, cmdExtend);
    PISTEWORK_BIND(Button, cmdLunge);
    PISTEWORK_BIND(Button, cmdRetreat);
    PISTEWORK_BIND(Button, cmdParry);
    PISTEWORK_BIND(Button, cmdFleche);

    PISTEWORK_BIND(EditBox, txtKeyboard);
    PISTEWORK_BIND(StringList, ListBoxStrings);
    platform::MediaPlayer& MediaPlayer;

    PISTEWORK_BIND(MenuItem, mnuFileNewGame);
    PISTEWORK_BIND(MenuItem, mnuFilePauseGame);
    PISTEWORK_BIND(MenuItem, BestResults1);
    PISTEWORK_BIND(MenuItem, mnuFileExit);
    PISTEWORK_BIND(MenuItem, Firstto5);
    PISTEWORK_BIND(MenuItem, Firstto10);
    PISTEWORK_BIND(MenuItem, Firstto15);
    PISTEWORK_BIND(MenuItem, TimedBout);
    PISTEWORK_BIND(MenuItem, Novice);
    PISTEWORK_BIND(MenuItem, Intermediate);
    PISTEWORK_BIND(MenuItem, Advanced);
    PISTEWORK_BIND(MenuItem, QuarterFinalist);
    PISTEWORK_BIND(MenuItem, SemiFinalist);
    PISTEWORK_BIND(MenuItem, Champion);
    PISTEWORK_BIND(MenuItem, Custom1);
    PISTEWORK_BIND(MenuItem, mnu2Player);
    PISTEWORK_BIND(MenuItem, mnuKeyboard);
    PISTEWORK_BIND(MenuItem, mnuMouse);
    PISTEWORK_BIND(MenuItem, KeyboardLayout1);
    PISTEWORK_BIND(MenuItem, SoundOn);
    PISTEWORK_BIND(MenuItem, mnuHelpAbout);
    PISTEWORK_BIND(MenuItem, Help);

    Registry& registry;
    Clock& clock;
    Random& random;
    Launcher& launcher;
};

#undef PISTEWORK_BIND

} // namespace pistework::platform
