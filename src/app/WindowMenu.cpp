// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowMenu.h"

#include "app/QtServices.h"
#include "common/Translated.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenuBar>
#include <QToolButton>

namespace pistework::app {

using layout::MenuCommand;

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Whether a menu item's mark is set; none for an item without one, or a game length the menu
// does not offer (stored by hand), which leaves the marks as they were.
std::optional<bool> Mark(layout::MenuCommand command, const game::MenuView& menu) {
    using enum layout::MenuCommand;
    const bool offered = menu.target == 5 || menu.target == 10 || menu.target == 15;
    switch (command) {
    case FirstTo5:
    case FirstTo10:
    case FirstTo15:
        if (!offered) return std::nullopt;
        return menu.target == layout::Rule(command).choice->value;
    case ToggleTimed:
        return menu.timed;
    case Level1:
    case Level2:
    case Level3:
    case Level4:
    case Level5:
    case Level6:
        return menu.level == layout::Rule(command).choice->value;
    case Custom:
        return menu.custom;
    case TwoPlayers:
        return menu.twoPlayers;
    case Keyboard:
        return menu.control == game::ControlMode::Keyboard;
    case Mouse:
        return menu.control == game::ControlMode::Mouse;
    case ToggleSound:
        return menu.sound;
    case TogglePauseWhenInactive:
        return menu.pauseWhenInactive;
    case ToggleAskRouter:
        return menu.askRouter;
    default:
        return std::nullopt;
    }
}

// The menu's own keys, and the desktop's usual keys for the same command.
QList<QKeySequence> Shortcuts(const layout::MenuEntry& entry) {
    QList<QKeySequence> keys;
    if (!entry.shortcut.empty()) keys << QKeySequence(Text(entry.shortcut));
    auto add = [&keys](QKeySequence::StandardKey standard, const char* fallback) {
        const QList<QKeySequence> usual = QKeySequence::keyBindings(standard);
        for (const QKeySequence& key : usual)
            if (!keys.contains(key)) keys << key;
        if (usual.isEmpty() && keys.isEmpty()) keys << QKeySequence(QString::fromLatin1(fallback));
    };
    if (entry.command == layout::MenuCommand::Exit) add(QKeySequence::Quit, "Ctrl+Q");
    if (entry.command == layout::MenuCommand::FullScreen) add(QKeySequence::FullScreen, "F11");
    return keys;
}

} // namespace

WindowMenu::WindowMenu(QMenuBar* bar, QObject* owner,
                       std::function<void(layout::MenuCommand)> choose) {
    using layout::MenuGroup;
    using layout::MenuKind;
    std::map<std::string_view, QMenu*> menus;
    std::map<MenuGroup, QActionGroup*> groups;
    // The button Qt shows for the menus that no longer fit, at a large scale, has only an arrow.
    if (auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button")))
        more->setAccessibleName(
            QCoreApplication::translate("pistework::app::MainWindow", "More menus"));
    for (const auto& entry : layout::kMenu) {
        const QString caption = Translated("Menu", entry.caption);
        QMenu* parent = entry.parent.empty() ? nullptr : menus.at(entry.parent);
        switch (entry.kind) {
        case MenuKind::Menu: {
            QMenu* menu = parent ? parent->addMenu(caption) : bar->addMenu(caption);
            menu->setObjectName(Text(entry.name));
            menus[entry.name] = menu;
            break;
        }
        case MenuKind::Separator:
            parent->addSeparator();
            break;
        case MenuKind::Item:
        case MenuKind::Check:
        case MenuKind::Radio: {
            QAction* action = parent->addAction(caption);
            action->setObjectName(Text(entry.name));
            action->setShortcuts(Shortcuts(entry));
            action->setCheckable(entry.kind != MenuKind::Item);
            action->setChecked(entry.checked);
            if (entry.kind == MenuKind::Radio) {
                // The group only draws radio marks; the game decides every mark.
                auto& group = groups[entry.group];
                if (!group) {
                    group = new QActionGroup(owner);
                    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
                }
                group->addAction(action);
            }
            QObject::connect(action, &QAction::triggered, owner,
                             [choose, command = entry.command] { choose(command); });
            actions[entry.command] = action;
            break;
        }
        }
    }
}

void WindowMenu::Draw(const game::MenuView& menu) {
    if (drawn && menu == *drawn) return;
    Redraw(menu);
}

void WindowMenu::Redraw(const game::MenuView& menu) {
    drawn = menu;
    for (const auto& [command, action] : actions) {
        const std::optional<bool> mark = Mark(command, menu);
        if (!mark) continue;
        action->setChecked(*mark);
        // Logged when the mark changes, however often it is drawn again.
        const auto logged = loggedMarks.find(action);
        if (logged == loggedMarks.end() || logged->second != *mark)
            qCDebug(lcMenu).noquote() << action->objectName() << (*mark ? "checked" : "unchecked");
        loggedMarks[action] = *mark;
    }
    QAction* pause = actions.at(MenuCommand::PauseOrResume);
    pause->setText(menu.paused
                       ? Translated("Menu", layout::kResumeCaption)
                       : Translated("Menu", layout::Menu(MenuCommand::PauseOrResume).caption));
}

void WindowMenu::Allow(layout::Mode mode, bool replayKept) {
    // Asked with every picture drawn; the items change far more rarely.
    if (allowed == std::pair(mode, replayKept)) return;
    allowed = std::pair(mode, replayKept);
    for (const auto& [command, action] : actions)
        action->setEnabled(layout::Allows(command, mode) &&
                           ((command != layout::MenuCommand::SaveReplay &&
                             command != layout::MenuCommand::WatchLastBout) ||
                            replayKept));
}

void WindowMenu::Check(layout::MenuCommand command, bool on) {
    actions.at(command)->setChecked(on);
}

} // namespace pistework::app
