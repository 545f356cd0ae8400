// The game's controls are bound by name: every name it binds is a control of the layout of
// the kind it asks for, and a window without such a control refuses to open.

#include "app/TFormFencer.h"
#include "platform/Layout.h"
#include "platform/headless/HeadlessForm.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

using namespace pistework;
using platform::headless::HeadlessForm;
namespace layout = platform::layout;

namespace {

std::string LayoutKind(std::string_view name) {
    for (const auto& timer : layout::kTimers)
        if (timer.name == name) return "timer";
    for (const auto& entry : layout::kMenu)
        if (entry.name == name)
            return entry.kind == layout::MenuKind::Menu        ? "menu"
                   : entry.kind == layout::MenuKind::Separator ? "separator"
                                                               : "menu item";
    for (const auto& entry : layout::kControls) {
        if (entry.name != name) continue;
        switch (entry.kind) {
        case layout::ControlKind::Image:
            return "image";
        case layout::ControlKind::Label:
            return "label";
        case layout::ControlKind::Shape:
            return "shape";
        case layout::ControlKind::Button:
            return "button";
        case layout::ControlKind::EditBox:
            return "edit box";
        case layout::ControlKind::StringList:
            return "string list";
        case layout::ControlKind::PlainLabel:
        case layout::ControlKind::Piste:
            return "fixed";
        }
    }
    return "nothing";
}

// Notes every name asked for with its kind; hands out one stand-in control per kind.
class RecordingLookup : public platform::ControlLookup {
public:
    explicit RecordingLookup(platform::headless::Scheduler& scheduler)
        : timer(scheduler, "stand-in", 100, false) {}

    platform::Timer& TimerNamed(std::string_view name) override {
        return Note("timer", name, timer);
    }
    platform::Image& ImageNamed(std::string_view name) override {
        return Note("image", name, image);
    }
    platform::Label& LabelNamed(std::string_view name) override {
        return Note("label", name, label);
    }
    platform::Shape& ShapeNamed(std::string_view name) override {
        return Note("shape", name, shape);
    }
    platform::Button& ButtonNamed(std::string_view name) override {
        return Note("button", name, button);
    }
    platform::EditBox& EditBoxNamed(std::string_view name) override {
        return Note("edit box", name, edit);
    }
    platform::StringList& StringListNamed(std::string_view name) override {
        return Note("string list", name, list);
    }
    platform::MenuItem& MenuItemNamed(std::string_view name) override {
        return Note("menu item", name, item);
    }

    std::vector<std::pair<std::string, std::string>> asked; // kind, name

private:
    template <typename T> T& Note(const char* kind, std::string_view name, T& control) {
        asked.emplace_back(kind, name);
        return control;
    }
    platform::headless::VirtualTimer timer;
    platform::headless::HeadlessImage image{0};
    platform::headless::HeadlessLabel label{""};
    platform::headless::HeadlessShape shape;
    platform::headless::HeadlessButton button;
    platform::headless::HeadlessEditBox edit;
    platform::headless::HeadlessStringList list;
    platform::headless::HeadlessMenuItem item{"stand-in", ""};
};

} // namespace

TEST(LayoutBinding, TheGameBindsEveryLayoutControlItCanChangeOnceByItsKind) {
    HeadlessForm form;
    RecordingLookup lookup(form.scheduler);
    const platform::FormControls controls(lookup, {.form = form,
                                                   .mediaPlayer = form.MediaPlayer,
                                                   .registry = form.registry,
                                                   .clock = form.clock,
                                                   .random = form.random,
                                                   .launcher = form.launcher});
    std::set<std::string> bound;
    for (const auto& [kind, name] : lookup.asked) {
        EXPECT_EQ(LayoutKind(name), kind) << name;
        EXPECT_TRUE(bound.insert(name).second) << name << " is bound twice";
    }

    // The other way round: a control the game could change but never binds is dead weight,
    // and a name listed twice in the layout would make binding by name ambiguous.
    std::set<std::string_view> listed;
    auto list = [&](std::string_view name, bool bindable) {
        EXPECT_TRUE(listed.insert(name).second) << name << " is listed twice";
        if (bindable) {
            EXPECT_EQ(bound.count(std::string(name)), 1u) << name << " is never bound";
        }
    };
    for (const auto& timer : layout::kTimers)
        list(timer.name, true);
    for (const auto& entry : layout::kMenu)
        list(entry.name, LayoutKind(entry.name) == "menu item");
    for (const auto& entry : layout::kControls)
        list(entry.name, LayoutKind(entry.name) != "fixed");
}

TEST(LayoutBinding, BothWindowsRefuseANameTheyLackOrOfAnotherKind) {
    HeadlessForm headless;
    app::TFormFencer window;
    for (platform::ControlLookup* lookup :
         std::initializer_list<platform::ControlLookup*>{&headless, &window}) {
        EXPECT_THROW(lookup->LabelNamed("imgFencerA"), std::out_of_range);
        EXPECT_THROW(lookup->ImageNamed("imgFencerC"), std::out_of_range);
        EXPECT_THROW(lookup->TimerNamed("lblTime"), std::out_of_range);
        EXPECT_THROW(lookup->MenuItemNamed("mnuGameType"), std::out_of_range) << "a submenu";
        EXPECT_THROW(lookup->LabelNamed("LabelYou"), std::out_of_range) << "a fixed caption";
        EXPECT_EQ(lookup->LabelNamed("lblStart").Caption(), "Press F2 to Start");
    }
}
