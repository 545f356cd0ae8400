// SPDX-License-Identifier: GPL-3.0-or-later
// The custom level's dialog as the player meets it: its controls, where the bars open and what
// each way of closing it gives back.

#include "Dialogs.h"
#include "dialogs/CustomLevelDialog.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace pistework;
using dialogs::CustomLevelDialog;
using game::CustomPositions;
using game::Strength;

namespace {

QScrollBar* Bar(QWidget& dialog, const char* name) {
    return dialog.findChild<QScrollBar*>(name);
}
QPushButton* Button(QWidget& dialog, const char* name) {
    return dialog.findChild<QPushButton*>(name);
}

void Key(QWidget& target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&target, &press);
}

// Runs the dialog as the main window does and acts on it once it is up. An action that leaves
// it open fails the test rather than hanging it.
std::optional<Strength> Ask(const Strength& inPlay,
                            const std::function<void(CustomLevelDialog&)>& act,
                            QWidget* owner = nullptr) {
    bool acted = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CustomLevelDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        acted = true;
        act(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog stayed open";
            dialog->reject();
        }
    });
    auto strength = dialogs::AskCustomStrength(owner, inPlay);
    EXPECT_TRUE(acted) << "the dialog was not shown modally";
    return strength;
}

} // namespace

TEST(SettingsDialog, ControlsCarryTheirNamesTextsRangesAndTabOrder) {
    CustomLevelDialog dialog(nullptr);
    EXPECT_EQ(dialog.objectName(), "FormSettings");
    EXPECT_EQ(dialog.windowTitle(), "Settings");
    EXPECT_EQ(dialog.size(), QSize(234, 158));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "the player cannot resize it";
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    auto* frame = dialog.findChild<QFrame*>("fraMain");
    ASSERT_NE(frame, nullptr);
    EXPECT_NE(frame->frameShape(), QFrame::NoFrame) << "the bars sit in a bevelled panel";

    for (auto [name, text] : {std::pair{"lblSpeed", "Speed"},
                              {"lblReactionTime", "Reaction Time"},
                              {"cmdOK", "&OK"},
                              {"cmdCancel", "&Cancel"}}) {
        auto* label = dialog.findChild<QLabel*>(name);
        auto* button = Button(dialog, name);
        ASSERT_TRUE(label || button) << name;
        EXPECT_EQ(label ? label->text() : button->text(), text);
    }
    EXPECT_TRUE(Button(dialog, "cmdOK")->isDefault());
    for (const char* name : {"scrSpeed", "scrReaction"}) {
        auto* bar = Bar(dialog, name);
        ASSERT_NE(bar, nullptr) << name;
        EXPECT_EQ(bar->orientation(), Qt::Horizontal) << name;
        EXPECT_EQ(std::pair(bar->minimum(), bar->maximum()), std::pair(0, 4)) << name;
        EXPECT_EQ(bar->pageStep(), 1) << name;
        EXPECT_EQ(bar->parentWidget(), frame) << name;
    }

    // Tab walks the bars first, Speed before Reaction Time, then the buttons, and comes round.
    std::vector<QString> tabbed;
    for (QWidget* widget = Bar(dialog, "scrSpeed"); tabbed.size() < 5;) {
        tabbed.push_back(widget->objectName());
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
    }
    EXPECT_EQ(tabbed,
              (std::vector<QString>{"scrSpeed", "scrReaction", "cmdOK", "cmdCancel", "scrSpeed"}));
}

TEST(SettingsDialog, TextsFitAndEveryControlLiesInsideTheClientArea) {
    CustomLevelDialog dialog(nullptr);
    dialog.show();
    for (auto* label : dialog.findChildren<QLabel*>())
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << label->objectName().toStdString();
    // A button's hint is its text, mnemonic removed, within the style's margins.
    for (auto* button : dialog.findChildren<QPushButton*>())
        EXPECT_TRUE(button->rect().contains(QRect(QPoint(0, 0), button->sizeHint())))
            << button->objectName().toStdString();
    for (auto* child : dialog.findChildren<QWidget*>()) {
        EXPECT_TRUE(dialog.rect().contains(QRect(child->mapTo(&dialog, QPoint()), child->size())))
            << child->objectName().toStdString();
        EXPECT_TRUE(child->parentWidget()->rect().contains(child->geometry()))
            << child->objectName().toStdString() << " spills out of its panel";
    }
}

TEST(SettingsDialog, BarsOpenAtTheStrengthInPlayAndHoldAtTheirEnds) {
    drive::ExpectDialogs answered; // the test answers its dialogs itself
    const struct {
        Strength inPlay; // {range, tickMs}
        CustomPositions opened;
    } cases[] = {
        {{12, 120}, {0, 0}}, {{11, 100}, {2, 1}}, {{10, 100}, {2, 2}}, // Novice to Advanced
        {{9, 90}, {3, 3}},   {{9, 80}, {4, 3}},   {{8, 80}, {4, 4}},   // to Champion
        {{3, 200}, {0, 4}},  {{20, 30}, {4, 0}},  {{12, 115}, {0, 0}}, // hand-edited stores
    };
    for (const auto& c : cases) {
        CustomPositions opened{-1, -1};
        Ask(c.inPlay, [&](CustomLevelDialog& dialog) {
            opened = {Bar(dialog, "scrSpeed")->value(), Bar(dialog, "scrReaction")->value()};
            dialog.reject();
        });
        EXPECT_EQ(opened, c.opened) << "speed " << c.inPlay.tickMs << ", range " << c.inPlay.range
                                    << " opened at " << opened.speed << "/" << opened.reaction;
    }
    CustomLevelDialog dialog(nullptr);
    dialog.SetPositions({-3, 9});
    EXPECT_EQ(dialog.Positions(), (CustomPositions{0, 4}));
}

TEST(SettingsDialog, KeysMoveEachBarTheWayItsArrowsPoint) {
    // A scroll bar's own default turns Left and Right round.
    const struct {
        int key, from, to;
    } cases[] = {{Qt::Key_Left, 2, 1},  {Qt::Key_Right, 2, 3}, {Qt::Key_Left, 0, 0},
                 {Qt::Key_Right, 4, 4}, {Qt::Key_Home, 3, 0},  {Qt::Key_End, 1, 4}};
    CustomLevelDialog dialog(nullptr);
    dialog.show();
    for (const char* name : {"scrSpeed", "scrReaction"}) {
        for (const auto& c : cases) {
            Bar(dialog, name)->setValue(c.from);
            Key(*Bar(dialog, name), c.key);
            EXPECT_EQ(Bar(dialog, name)->value(), c.to)
                << name << ": key " << std::hex << c.key << std::dec << " from " << c.from;
        }
    }
}

TEST(SettingsDialog, ConfirmingGivesTheStrengthOfTheBarsAndAnythingElseChangesNothing) {
    drive::ExpectDialogs answered; // the test answers its dialogs itself
    const auto bars = [](int speed, int reaction) {
        return [=](CustomLevelDialog& d) {
            Bar(d, "scrSpeed")->setValue(speed);
            Bar(d, "scrReaction")->setValue(reaction);
        };
    };
    const struct {
        const char* how;
        Strength inPlay;
        std::function<void(CustomLevelDialog&)> move, close;
        std::optional<Strength> chosen;
    } cases[] = {
        {"OK on unchanged bars",
         {11, 100},
         {},
         [](auto& d) { Button(d, "cmdOK")->click(); },
         Strength{11, 100}},
        {"OK on a hand-edited 115 ms",
         {12, 115},
         {},
         [](auto& d) { Button(d, "cmdOK")->click(); },
         Strength{12, 120}},
        {"both bars at the right end, OK",
         {12, 120},
         bars(4, 4),
         [](auto& d) { Button(d, "cmdOK")->click(); },
         Strength{8, 80}},
        {"Reaction Time at 2, accepted",
         {12, 120},
         bars(0, 2),
         [](auto& d) { d.accept(); },
         Strength{10, 120}},
        // Enter on a bar goes up to the dialog, which presses its default button.
        {"Left on Speed, Enter",
         {8, 80},
         [](auto& d) { Key(*Bar(d, "scrSpeed"), Qt::Key_Left); },
         [](auto& d) { Key(*Bar(d, "scrSpeed"), Qt::Key_Return); },
         Strength{8, 90}},
        {"Cancel", {9, 90}, bars(1, 1), [](auto& d) { Button(d, "cmdCancel")->click(); }, {}},
        {"Escape", {9, 90}, bars(1, 1), [](auto& d) { Key(d, Qt::Key_Escape); }, {}},
        {"the close box", {9, 90}, bars(1, 1), [](auto& d) { d.close(); }, {}},
    };
    for (const auto& c : cases) {
        const auto chosen = Ask(c.inPlay, [&](CustomLevelDialog& d) {
            if (c.move) c.move(d);
            c.close(d);
        });
        EXPECT_EQ(chosen, c.chosen) << c.how << ": speed " << chosen.value_or(Strength{}).tickMs
                                    << ", range " << chosen.value_or(Strength{}).range;
    }
}

TEST(SettingsDialog, OpensOverTheMiddleOfItsOwner) {
    drive::ExpectDialogs answered; // the test answers its dialogs itself
    QWidget owner;
    owner.setGeometry(140, 90, 498, 270);
    owner.show();
    QPoint offset(1000, 1000);
    const auto measure = [&](CustomLevelDialog& d) {
        offset = d.frameGeometry().center() - owner.frameGeometry().center();
        d.reject();
    };
    Ask({12, 120}, measure, &owner);
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << ", " << offset.y();
}
