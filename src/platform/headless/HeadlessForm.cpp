#include "platform/headless/HeadlessForm.h"

#include "platform/Layout.h"

#include <map>
#include <stdexcept>

namespace pistework::platform::headless {

namespace {
const layout::TimerSpec& TimerSpecOf(std::string_view name) {
    for (const auto& t : layout::kTimers)
        if (t.name == name) return t;
    throw std::logic_error("unknown timer");
}

std::vector<std::string> CallTexts() {
    return {layout::kCallTexts.begin(), layout::kCallTexts.end()};
}
} // namespace

#define PISTEWORK_TIMER(n)                                                                         \
    n(scheduler, #n, TimerSpecOf(#n).interval, TimerSpecOf(#n).enabledAtStart)

HeadlessForm::HeadlessForm(std::int64_t startMilliseconds)
    : scheduler(startMilliseconds), PISTEWORK_TIMER(TimerLeft), PISTEWORK_TIMER(TimerRight),
      PISTEWORK_TIMER(TimerPresident), PISTEWORK_TIMER(TimerLight), PISTEWORK_TIMER(TimerClock),
      PISTEWORK_TIMER(TimerSalute), PISTEWORK_TIMER(TimerAutoPlay), ListBoxStrings(CallTexts()) {
    // Initial stacking of the drawn controls, back to front, as in the window.
    for (HeadlessImage* img :
         {&imgLightA, &imgLightB, &imgFencerATemp, &imgFencerBTemp, &imgFencerB, &imgFencerA}) {
        img->SetZCounter(&zCounter);
        img->BringToFront();
    }
    std::map<layout::MenuGroup, std::shared_ptr<MenuItemBase::Group>> groups;
    for (const auto& entry : layout::kMenu) {
        if (entry.kind == layout::MenuKind::Separator || entry.kind == layout::MenuKind::Menu)
            continue;
        auto item =
            std::make_unique<HeadlessMenuItem>(std::string(entry.name), std::string(entry.caption));
        if (entry.group != layout::MenuGroup::None) {
            auto& g = groups[entry.group];
            if (!g) g = std::make_shared<MenuItemBase::Group>();
            item->JoinGroup(g);
        }
        if (entry.checked) item->SetChecked(true);
        menuItems.push_back(std::move(item));
    }
}

#undef PISTEWORK_TIMER

HeadlessMenuItem& HeadlessForm::Menu(std::string_view name) {
    for (auto& item : menuItems)
        if (item->Name() == name) return *item;
    throw std::logic_error("unknown menu item");
}

FormControls HeadlessForm::Controls() {
    return FormControls{
        *this,
        TimerLeft,
        TimerRight,
        TimerPresident,
        TimerLight,
        TimerClock,
        TimerSalute,
        TimerAutoPlay,
        imgFencerA,
        imgFencerB,
        imgFencerATemp,
        imgFencerBTemp,
        imgLightA,
        imgLightB,
        lblEngarde,
        lblScore0,
        lblScore1,
        lblTime,
        lblRedCount0,
        lblRedCount1,
        lblStart,
        shpYellow0,
        shpYellow1,
        shpRed0,
        shpRed1,
        cmdAdvance,
        cmdExtend,
        cmdLunge,
        cmdRetreat,
        cmdParry,
        cmdFleche,
        txtKeyboard,
        ListBoxStrings,
        MediaPlayer,
        Menu("mnuFileNewGame"),
        Menu("mnuFilePauseGame"),
        Menu("BestResults1"),
        Menu("mnuFileExit"),
        Menu("Firstto5"),
        Menu("Firstto10"),
        Menu("Firstto15"),
        Menu("TimedBout"),
        Menu("Novice"),
        Menu("Intermediate"),
        Menu("Advanced"),
        Menu("QuarterFinalist"),
        Menu("SemiFinalist"),
        Menu("Champion"),
        Menu("Custom1"),
        Menu("mnu2Player"),
        Menu("mnuKeyboard"),
        Menu("mnuMouse"),
        Menu("KeyboardLayout1"),
        Menu("SoundOn"),
        Menu("mnuHelpAbout"),
        Menu("Help"),
        registry,
        clock,
        random,
        launcher,
    };
}

} // namespace pistework::platform::headless
