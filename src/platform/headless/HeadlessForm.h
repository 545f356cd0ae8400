#pragma once
// The main window without a toolkit: every control of the layout in its initial state,
// timers on a virtual clock. Tests, the simulator and the benchmarks drive the game on it.

#include "platform/FormControls.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessControls.h"
#include "platform/headless/Scheduler.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace pistework::platform::headless {

class HeadlessForm : public Form, public ControlLookup {
public:
    // `startMilliseconds` is the virtual wall-clock time at start, e.g. seconds since 1970 x 1000.
    explicit HeadlessForm(std::int64_t startMilliseconds = 1'700'000'000'000);
    HeadlessForm(const HeadlessForm&) = delete;
    HeadlessForm& operator=(const HeadlessForm&) = delete;

    FormControls Controls();
    void Close() override { closed = true; }
    bool closed = false;

    VirtualTimer& TimerNamed(std::string_view name) override;
    HeadlessImage& ImageNamed(std::string_view name) override;
    HeadlessLabel& LabelNamed(std::string_view name) override;
    HeadlessShape& ShapeNamed(std::string_view name) override;
    HeadlessButton& ButtonNamed(std::string_view name) override;
    HeadlessEditBox& EditBoxNamed(std::string_view name) override;
    HeadlessStringList& StringListNamed(std::string_view name) override;
    HeadlessMenuItem& MenuItemNamed(std::string_view name) override;
    // Menu items by name, with the layout's captions, groups and marks.
    HeadlessMenuItem& Menu(std::string_view name) { return MenuItemNamed(name); }

    Scheduler scheduler;
    VirtualClock clock{scheduler};
    LcgRandom random;
    MemoryRegistry registry;
    RecordingLauncher launcher;
    HeadlessMediaPlayer MediaPlayer;
    int zCounter = 0;

private:
    template <typename T> using ByName = std::map<std::string, T, std::less<>>;
    // Every control of the layout the game can change, built from the layout in place.
    struct Owned {
        Owned(Scheduler& scheduler, int& zCounter);
        Owned(const Owned&) = delete;
        ByName<VirtualTimer> timers;
        ByName<HeadlessImage> images;
        ByName<HeadlessLabel> labels;
        ByName<HeadlessShape> shapes;
        ByName<HeadlessButton> buttons;
        ByName<HeadlessEditBox> editBoxes;
        ByName<HeadlessStringList> lists;
        ByName<std::unique_ptr<HeadlessMenuItem>> menuItems;
    };
    Owned owned;

// The controls tests reach directly, bound by name like the game's.
#define PISTEWORK_NAMED(Type, Kind, name) Type& name = Kind##Named(#name)
public:
    PISTEWORK_NAMED(VirtualTimer, Timer, TimerLeft);
    PISTEWORK_NAMED(VirtualTimer, Timer, TimerRight);
    PISTEWORK_NAMED(VirtualTimer, Timer, TimerPresident);
    PISTEWORK_NAMED(VirtualTimer, Timer, TimerLight);
    PISTEWORK_NAMED(VirtualTimer, Timer, TimerClock);
    PISTEWORK_NAMED(VirtualTimer, Timer, TimerSalute);
    PISTEWORK_NAMED(VirtualTimer, Timer, TimerAutoPlay);

    PISTEWORK_NAMED(HeadlessImage, Image, imgFencerA);
    PISTEWORK_NAMED(HeadlessImage, Image, imgFencerB);
    PISTEWORK_NAMED(HeadlessImage, Image, imgFencerATemp);
    PISTEWORK_NAMED(HeadlessImage, Image, imgFencerBTemp);
    PISTEWORK_NAMED(HeadlessImage, Image, imgLightA);
    PISTEWORK_NAMED(HeadlessImage, Image, imgLightB);

    PISTEWORK_NAMED(HeadlessLabel, Label, lblEngarde);
    PISTEWORK_NAMED(HeadlessLabel, Label, lblScore0);
    PISTEWORK_NAMED(HeadlessLabel, Label, lblScore1);
    PISTEWORK_NAMED(HeadlessLabel, Label, lblTime);
    PISTEWORK_NAMED(HeadlessLabel, Label, lblRedCount0);
    PISTEWORK_NAMED(HeadlessLabel, Label, lblRedCount1);
    PISTEWORK_NAMED(HeadlessLabel, Label, lblStart);

    PISTEWORK_NAMED(HeadlessShape, Shape, shpYellow0);
    PISTEWORK_NAMED(HeadlessShape, Shape, shpYellow1);
    PISTEWORK_NAMED(HeadlessShape, Shape, shpRed0);
    PISTEWORK_NAMED(HeadlessShape, Shape, shpRed1);

    PISTEWORK_NAMED(HeadlessButton, Button, cmdAdvance);
    PISTEWORK_NAMED(HeadlessButton, Button, cmdExtend);
    PISTEWORK_NAMED(HeadlessButton, Button, cmdLunge);
    PISTEWORK_NAMED(HeadlessButton, Button, cmdRetreat);
    PISTEWORK_NAMED(HeadlessButton, Button, cmdParry);
    PISTEWORK_NAMED(HeadlessButton, Button, cmdFleche);

    PISTEWORK_NAMED(HeadlessEditBox, EditBox, txtKeyboard);
    PISTEWORK_NAMED(HeadlessStringList, StringList, ListBoxStrings);
#undef PISTEWORK_NAMED
};

} // namespace pistework::platform::headless
