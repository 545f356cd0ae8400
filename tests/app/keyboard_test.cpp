// The players' keys through the real window: in keyboard control a typed character reaches
// the game whichever widget has the focus; in mouse control the keys are the focused widget's.

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
    const int key = text == " " ? Qt::Key_Space : QKeySequence(text.toUpper())[0].key();
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
    Fencer& left = game.FencerOn(Side::Left);
    Fencer& right = game.FencerOn(Side::Right);
    auto* edit = Child<QLineEdit>(form, "txtKeyboard");
    auto* lunge = Child<QPushButton>(form, "cmdLunge");
    auto* caption = Child<QWidget>(form, "lblEngarde");

    // Mouse control: the buttons show and typed keys do nothing.
    form.MenuItem("mnuMouse").Action()->trigger();
    ASSERT_FALSE(lunge->isHidden());
    Press(lunge, "m");
    Press(form.Client(), "o");
    EXPECT_EQ(right.State().requestedAction, Action::Stand);

    form.MenuItem("mnuKeyboard").Action()->trigger();
    EXPECT_TRUE(form.MenuItem("mnuKeyboard").Action()->isChecked());
    EXPECT_TRUE(lunge->isHidden());
    Press(form.Client(), "m");
    EXPECT_EQ(right.State().requestedAction, Action::Advance);
    right.StandOnGuard();
    Press(caption, "M", Qt::ShiftModifier);
    EXPECT_EQ(right.State().requestedAction, Action::Stand) << "\"M\" is not the advance key";
    Press(edit, "w");
    EXPECT_EQ(left.State().requestedAction, Action::Stand) << "no left player without \"2 Player\"";
    EXPECT_TRUE(edit->text().isEmpty());

    form.MenuItem("mnu2Player").Action()->trigger();
    EXPECT_TRUE(form.MenuItem("mnu2Player").Action()->isChecked());
    EXPECT_TRUE(form.MenuItem("mnuKeyboard").Action()->isChecked());
    Press(caption, "w");
    Press(edit, "s");
    Press(form.Client(), "x");
    EXPECT_EQ(left.State().requestedAction, Action::Lunge)
        << "advance, extend, then lunge with the arm out";
    EXPECT_TRUE(left.State().armExtended);
    Press(&form, "o");
    Press(edit, ",");
    EXPECT_EQ(right.State().requestedAction, Action::Retreat);
    Press(edit, "l");
    EXPECT_EQ(right.State().requestedAction, Action::Parry);
    Press(edit, "p");
    EXPECT_EQ(right.State().requestedAction, Action::Fleche);
    Press(edit, "q");
    EXPECT_EQ(left.State().requestedAction, Action::RetreatExtended);

    // Each tick hands the keyboard back to the hidden box.
    form.Client()->setFocus();
    ASSERT_FALSE(edit->hasFocus());
    game.FencerTick(Side::Right);
    EXPECT_TRUE(edit->hasFocus());
    form.TimerNamed("TimerRight").SetEnabled(false);

    // Back to mouse control, even with two players checked, the keys are ignored again.
    form.MenuItem("mnuMouse").Action()->trigger();
    EXPECT_FALSE(lunge->isHidden());
    right.StandOnGuard();
    Press(edit, "m");
    EXPECT_EQ(right.State().requestedAction, Action::Stand);
}

TEST(KeyboardControl, InMouseControlTheFocusedButtonTakesItsKeys) {
    TFormFencer form;
    form.show();
    QApplication::setActiveWindow(&form);
    const Fencer& right = form.Game().FencerOn(Side::Right);
    auto* lunge = Child<QPushButton>(form, "cmdLunge");
    int clicks = 0;
    QObject::connect(lunge, &QPushButton::clicked, [&] { ++clicks; });
    // Stands in for the game's key handler, to see what the window feeds it.
    std::u32string fed;
    form.EditBoxNamed("txtKeyboard").SetOnKeyPress([&](char32_t key) { fed += key; });

    form.MenuItem("mnuMouse").Action()->trigger();
    lunge->setFocus();
    ASSERT_TRUE(lunge->hasFocus());
    Press(lunge, " ");
    EXPECT_EQ(clicks, 1) << "Space presses the focused button";
    EXPECT_NE(right.State().requestedAction, Action::Stand) << "the game has the lunge";
    Press(lunge, "o");
    EXPECT_EQ(fed, U"") << "no key reaches the key handler in mouse control";

    form.MenuItem("mnuKeyboard").Action()->trigger();
    for (const char* name : {"lblEngarde", "txtKeyboard", "client"})
        Press(Child<QWidget>(form, name), " ");
    Press(&form, "o");
    EXPECT_EQ(fed, U"   o");
    EXPECT_EQ(clicks, 1);
}
