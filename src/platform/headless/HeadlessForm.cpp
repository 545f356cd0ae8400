#include "platform/headless/HeadlessForm.h"

#include "platform/Layout.h"

namespace pistework::platform::headless {

HeadlessForm::Owned::Owned(Scheduler& scheduler, int& zCounter) {
    using layout::ControlKind;
    for (const auto& t : layout::kTimers) {
        const std::string name(t.name);
        timers.try_emplace(name, scheduler, name, t.interval, t.enabledAtStart);
    }
    for (const auto& entry : layout::kControls) {
        const std::string name(entry.name);
        switch (entry.kind) {
        case ControlKind::Image: {
            HeadlessImage& image =
                images.try_emplace(name, entry.geometry.x, entry.visible).first->second;
            // Table order is back to front, as the window stacks them.
            image.SetZCounter(&zCounter);
            image.BringToFront();
            break;
        }
        case ControlKind::Label:
            labels.try_emplace(name, std::string(entry.caption), entry.visible);
            break;
        case ControlKind::Shape:
            shapes.try_emplace(name, entry.visible);
            break;
        case ControlKind::Button:
            buttons.try_emplace(name, entry.visible);
            break;
        case ControlKind::EditBox:
            editBoxes.try_emplace(name);
            break;
        case ControlKind::StringList:
            lists.try_emplace(name);
            break;
        case ControlKind::PlainLabel:
        case ControlKind::Piste:
            break; // nothing the game can change
        }
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
        menuItems.emplace(std::string(entry.name), std::move(item));
    }
}

HeadlessForm::HeadlessForm(std::int64_t startMilliseconds)
    : scheduler(startMilliseconds), owned(scheduler, zCounter) {}

FormControls HeadlessForm::Controls() {
    return FormControls(*this, {.form = *this,
                                .mediaPlayer = MediaPlayer,
                                .registry = registry,
                                .clock = clock,
                                .random = random,
                                .launcher = launcher});
}

VirtualTimer& HeadlessForm::TimerNamed(std::string_view name) {
    return NamedControl(owned.timers, name, "timer");
}
HeadlessImage& HeadlessForm::ImageNamed(std::string_view name) {
    return NamedControl(owned.images, name, "image");
}
HeadlessLabel& HeadlessForm::LabelNamed(std::string_view name) {
    return NamedControl(owned.labels, name, "label");
}
HeadlessShape& HeadlessForm::ShapeNamed(std::string_view name) {
    return NamedControl(owned.shapes, name, "shape");
}
HeadlessButton& HeadlessForm::ButtonNamed(std::string_view name) {
    return NamedControl(owned.buttons, name, "button");
}
HeadlessEditBox& HeadlessForm::EditBoxNamed(std::string_view name) {
    return NamedControl(owned.editBoxes, name, "edit box");
}
HeadlessStringList& HeadlessForm::StringListNamed(std::string_view name) {
    return NamedControl(owned.lists, name, "string list");
}
HeadlessMenuItem& HeadlessForm::MenuItemNamed(std::string_view name) {
    return *NamedControl(owned.menuItems, name, "menu item");
}

} // namespace pistework::platform::headless
