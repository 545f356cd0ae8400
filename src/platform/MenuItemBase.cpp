#include "platform/MenuItemBase.h"

#include <algorithm>

namespace pistework::platform {

MenuItemBase::MenuItemBase(std::string name, std::string caption)
    : name(std::move(name)), caption(std::move(caption)) {}

MenuItemBase::~MenuItemBase() {
    if (group) std::erase(*group, this);
}

void MenuItemBase::JoinGroup(std::shared_ptr<Group> newGroup) {
    group = std::move(newGroup);
    group->push_back(this);
}

void MenuItemBase::SetChecked(bool value) {
    if (value && group) {
        for (MenuItemBase* other : *group) {
            if (other != this && other->checked) {
                other->checked = false;
                other->Changed();
            }
        }
    }
    checked = value;
    Changed();
}

void MenuItemBase::SetCaption(const std::string& value) {
    caption = value;
    Changed();
}

void MenuItemBase::Refresh() {
    if (!group) {
        Changed();
        return;
    }
    for (MenuItemBase* item : *group)
        item->Changed();
}

void MenuItemBase::Click() {
    if (onClick) onClick();
}

} // namespace pistework::platform
