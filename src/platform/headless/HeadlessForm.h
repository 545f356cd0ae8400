#pragma once
// The main window without a toolkit: every control of the layout in its initial state,
// timers on a virtual clock. Tests, the simulator and the benchmarks drive the game on it.

#include "platform/FormControls.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessControls.h"
#include "platform/headless/Scheduler.h"

#include <memory>

namespace pistework::platform::headless {

class HeadlessForm : public Form {
public:
    // `startMilliseconds` is the virtual wall-clock time at start, e.g. seconds since 1970 x 1000.
    explicit HeadlessForm(std::int64_t startMilliseconds = 1'700'000'000'000);

    FormControls Controls();
    void Close() override { closed = true; }
    bool closed = false;

    Scheduler scheduler;
    VirtualClock clock{scheduler};
    LcgRandom random;
    MemoryRegistry registry;
    RecordingLauncher launcher;

    VirtualTimer TimerLeft, TimerRight, TimerPresident, TimerLight, TimerClock, TimerSalute,
        TimerAutoPlay;

    int zCounter = 0;
    HeadlessImage imgFencerA{106}, imgFencerB{244}, imgFencerATemp{107, false},
        imgFencerBTemp{243, false}, imgLightA{32}, imgLightB{440};

    HeadlessLabel lblEngarde{"Engarde"}, lblScore0{"0"}, lblScore1{"0"}, lblTime{"3:00", false},
        lblRedCount0{"2", false}, lblRedCount1{"2", false}, lblStart{"Press F2 to Start", false};

    HeadlessShape shpYellow0, shpYellow1, shpRed0, shpRed1;
    HeadlessButton cmdAdvance, cmdExtend, cmdLunge, cmdRetreat, cmdParry, cmdFleche;
    HeadlessEditBox txtKeyboard;
    HeadlessStringList ListBoxStrings;
    HeadlessMediaPlayer MediaPlayer;

    // Menu items by name, with the layout's captions, groups and marks.
    HeadlessMenuItem& Menu(std::string_view name);

private:
    std::vector<std::unique_ptr<HeadlessMenuItem>> menuItems;
};

} // namespace pistework::platform::headless
