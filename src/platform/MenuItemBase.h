#pragma once
// The check-mark model shared by the Qt and headless menus, so both follow the same
// radio-group rules.

#include "platform/Platform.h"

#include <memory>
#include <vector>

namespace pistework::platform {

class MenuItemBase : public MenuItem {
public:
    using Group = std::vector<MenuItemBase*>;

    MenuItemBase(std::string name, std::string caption);
    const std::string& Name() const { return name; }
    ~MenuItemBase() override;

    // Makes this item a radio item of the group; items sharing a group are exclusive.
    void JoinGroup(std::shared_ptr<Group> group);

    bool Checked() const override { return checked; }
    void SetChecked(bool value) override;
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& value) override;
    void SetOnClick(std::function<void()> handler) override { onClick = std::move(handler); }

    // What the user's click does: run the handler, nothing else.
    void Click();
    // Mirrors the marks of this item and its radio group again, after a toolkit changed them.
    void Refresh();

protected:
    // Lets a toolkit mirror the model; called after every change of mark or caption.
    virtual void Changed() {}

private:
    std::string name;
    bool checked = false;
    std::string caption;
    std::shared_ptr<Group> group;
    std::function<void()> onClick;
};

} // namespace pistework::platform
