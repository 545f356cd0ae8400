// The players' keys through the real window: whichever widget has the focus, a typed
// character reaches the game, which acts on it only in keyboard control.

#include "app/TFormFencer.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using pistework::app::TFormFencer;
using namespace pistework::game;

namespace {

void Press(QWidget* target, const QString& text, Qt::KeyboardModifiers modifiers = {}) {
    ASSERT_NE(target, nullptr);
    const int key = QKeySequence(text.toUpper())[0].key();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(target, &release);
}

template <typename W> W* Child(TFormFencer& form, const char* name) {
    return form.findChild<W*>(QString::fromLatin1(name));
}

} // namespace

TEST(KeyboardControl, KeysReachTheGameFromAnyWidgetOnlyInKeyboardControl) {
    TFormFencer form;
    form.show();
    QApplication::setActiveWindow(&form);
    Game& game = form.Game();
    FencerState& left = game.fencer[kLeft];
    FencerState& right = game.fencer[kRight];
    auto* edit = Child<QLineEdit>(form, "txtKeyboard");
    auto* lunge = Child<QPushButton>(form, "cmdLunge");
    auto* caption = Child<QWidget>(form, "lblEngarde");

    // Mouse control: the buttons show and typed keys do nothing.
    form.MenuItem("mnuMouse").Action()->trigger();
    ASSERT_FALSE(lunge->isHidden());
    Press(lunge, "m");
    Press(form.Client(), "o");
    EXPECT_EQ(right.requestedAction, 0);

    form.MenuItem("mnuKeyboard").Action()->trigger();
    EXPECT_TRUE(form.MenuItem("mnuKeyboard").Action()->isChecked());
    EXPECT_TRUE(lunge->isHidden());
    Press(form.Client(), "m");
    EXPECT_EQ(right.requestedAction, Advance);
    right.requestedAction = 0;
    Press(caption, "M", Qt::ShiftModifier);
    EXPECT_EQ(right.requestedAction, 0) << "\"M\" is not the advance key";
    Press(edit, "w");
    EXPECT_EQ(left.requestedAction, 0) << "no left player without \"2 Player\"";
    EXPECT_TRUE(edit->text().isEmpty());

    form.MenuItem("mnu2Player").Action()->trigger();
    EXPECT_TRUE(form.MenuItem("mnu2Player").Action()->isChecked());
    EXPECT_TRUE(form.MenuItem("mnuKeyboard").Action()->isChecked());
    Press(caption, "w");
    Press(edit, "s");
    Press(form.Client(), "x");
    EXPECT_EQ(left.requestedAction, Lunge) << "advance, extend, then lunge with the arm out";
    EXPECT_TRUE(left.armExtended);
    Press(&form, "o");
    Press(edit, ",");
    EXPECT_EQ(right.requestedAction, Retreat);
    Press(edit, "l");
    EXPECT_EQ(right.requestedAction, Parry);
    Press(edit, "p");
    EXPECT_EQ(right.requestedAction, Fleche);
    Press(edit, "q");
    EXPECT_EQ(left.requestedAction, RetreatExtended);

    // Each tick hands the keyboard back to the hidden box.
    form.Client()->setFocus();
    ASSERT_FALSE(edit->hasFocus());
    game.TimerRightTimer();
    EXPECT_TRUE(edit->hasFocus());
    game.c.TimerRight.SetEnabled(false);

    // Back to mouse control, even with two players checked, the keys are ignored again.
    form.MenuItem("mnuMouse").Action()->trigger();
    EXPECT_FALSE(lunge->isHidden());
    right.requestedAction = 0;
    Press(edit, "m");
    EXPECT_EQ(right.requestedAction, 0);
}
