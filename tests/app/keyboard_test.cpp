// SPDX-License-Identifier: GPL-3.0-or-later
// The players' keys through the real window: in keyboard control a typed character reaches
// the game whichever widget has the focus; in mouse control the keys are the focused widget's.

#include "WindowDriver.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace pistework::game;
using drive::Named;
using drive::Press;
using pistework::app::MainWindow;

namespace {

// The window shown and active, as the player meets it.
struct Window {
    Window() {
        window.show();
        QApplication::setActiveWindow(&window);
    }
    void Choose(const char* item) { Named<QAction>(window, item)->trigger(); }
    bool Checked(const char* item) { return Named<QAction>(window, item)->isChecked(); }
    MainWindow window;
    GameProbe probe{window.Game()};
    Fencer& left = probe.FencerOn(Side::Left);
    Fencer& right = probe.FencerOn(Side::Right);
    QLineEdit* edit = Named<QLineEdit>(window, "txtKeyboard");
    QPushButton* lunge = Named<QPushButton>(window, "cmdLunge");
    QWidget* caption = Named(window, "lblEngarde");
};

} // namespace

TEST(KeyboardControl, KeysReachTheGameFromAnyWidgetOnlyInKeyboardControl) {
    Window w;
    // Mouse control: the buttons show and typed keys do nothing.
    w.Choose("mnuMouse");
    ASSERT_FALSE(w.lunge->isHidden());
    Press(w.lunge, "m");
    Press(w.window.Client(), "o");
    EXPECT_EQ(w.right.State().requestedAction, Action::Stand);

    // Keyboard control takes the focus to the hidden box.
    w.window.Client()->setFocus();
    ASSERT_FALSE(w.edit->hasFocus());
    w.Choose("mnuKeyboard");
    EXPECT_TRUE(w.Checked("mnuKeyboard"));
    EXPECT_TRUE(w.lunge->isHidden());
    EXPECT_TRUE(w.edit->hasFocus());
    Press(w.window.Client(), "m");
    EXPECT_EQ(w.right.State().requestedAction, Action::Advance);
    w.right.StandOnGuard();
    Press(w.caption, "M", Qt::ShiftModifier);
    EXPECT_EQ(w.right.State().requestedAction, Action::Stand) << "\"M\" is not the advance key";
    Press(w.edit, "w");
    EXPECT_EQ(w.left.State().requestedAction, Action::Stand)
        << "no left player without \"2 Player\"";
    EXPECT_TRUE(w.edit->text().isEmpty());

    w.Choose("mnu2Player");
    EXPECT_TRUE(w.Checked("mnu2Player"));
    EXPECT_TRUE(w.Checked("mnuKeyboard"));
    Press(w.caption, "w");
    Press(w.edit, "s");
    Press(w.window.Client(), "x");
    EXPECT_EQ(w.left.State().requestedAction, Action::Lunge)
        << "advance, extend, then lunge with the arm out";
    EXPECT_TRUE(w.left.State().armExtended);
    Press(&w.window, "o");
    Press(w.edit, ",");
    EXPECT_EQ(w.right.State().requestedAction, Action::Retreat);
    Press(w.edit, "l");
    EXPECT_EQ(w.right.State().requestedAction, Action::Parry);
    Press(w.edit, "p");
    EXPECT_EQ(w.right.State().requestedAction, Action::Fleche);
    Press(w.edit, "q");
    EXPECT_EQ(w.left.State().requestedAction, Action::RetreatExtended);

    // Back to mouse control, even with two players checked, the keys are ignored again.
    w.Choose("mnuMouse");
    EXPECT_FALSE(w.lunge->isHidden());
    w.right.StandOnGuard();
    Press(w.edit, "m");
    EXPECT_EQ(w.right.State().requestedAction, Action::Stand);
}

TEST(KeyboardControl, InMouseControlTheFocusedButtonTakesItsKeys) {
    Window w;
    int clicks = 0;
    QObject::connect(w.lunge, &QPushButton::clicked, [&] { ++clicks; });
    // Space is the right fencer's advance key, so the game shows whether it had the key.
    w.window.Game().SetKeys({U"wsxqaz", U" ko,lp"});

    w.Choose("mnuMouse");
    w.lunge->setFocus();
    ASSERT_TRUE(w.lunge->hasFocus());
    Press(w.lunge, " ");
    EXPECT_EQ(clicks, 1) << "Space presses the focused button";
    EXPECT_EQ(w.right.State().requestedAction, Action::BentLunge)
        << "the game has the lunge, and not the key";
    w.right.StandOnGuard();
    Press(w.lunge, "o");
    EXPECT_EQ(w.right.State().requestedAction, Action::Stand) << "no key reaches the game";

    w.Choose("mnuKeyboard");
    for (QWidget* target : {w.caption, static_cast<QWidget*>(w.edit), w.window.Client()}) {
        w.right.StandOnGuard();
        Press(target, " ");
        EXPECT_EQ(w.right.State().requestedAction, Action::Advance)
            << target->objectName().toStdString();
    }
    w.right.StandOnGuard();
    Press(&w.window, "o");
    EXPECT_EQ(w.right.State().requestedAction, Action::BentLunge);
    EXPECT_EQ(clicks, 1);
}
