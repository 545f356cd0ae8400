// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dialogs.h"
#include "app/MainWindow.h"
#include "dialogs/KeysDialog.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace pistework;
using Keys = game::Keys;

namespace {

QLineEdit* Box(QWidget& dialog, const QString& name) {
    auto* box = dialog.findChild<QLineEdit*>(name);
    EXPECT_NE(box, nullptr) << name.toStdString();
    return box;
}

// A key as a player types it; Backspace empties a box.
void Type(QLineEdit* box, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(box, &press);
}
void Clear(QLineEdit* box) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
}

QStringList Texts(QWidget& dialog, const char* side) {
    QStringList texts;
    for (int i = 1; i <= 6; ++i)
        texts << Box(dialog, QStringLiteral("txt%1%2").arg(QLatin1String(side)).arg(i))->text();
    return texts;
}

bool Checked(QWidget& dialog, const char* name) {
    auto* radio = dialog.findChild<QRadioButton*>(name);
    return radio && radio->isChecked();
}

bool OkEnabled(QWidget& dialog) {
    return dialog.findChild<QPushButton*>("cmdOK")->isEnabled();
}

} // namespace

TEST(DialogTexts, KeyboardLayoutKeepsItsTabOrderAndShowsEveryTextWhole) {
    dialogs::KeysDialog layout(nullptr);
    EXPECT_EQ(layout.windowTitle(), "Keyboard Layout");
    EXPECT_EQ(layout.size(), QSize(354, 216));
    EXPECT_EQ(layout.findChild<QLabel*>("Label4")->text(), "Flèche/Recover Forwards");
    EXPECT_EQ(layout.findChild<QRadioButton*>("optRight2")->text(), "KL:M<>");
    EXPECT_EQ(layout.findChild<QGroupBox*>("GroupBoxLeft")->title(), "Left");

    // Tab from the first box visits the boxes in their old order.
    QStringList visited;
    QWidget* w = Box(layout, "txtLeft1");
    while (visited.size() < 12) {
        if (qobject_cast<QLineEdit*>(w)) visited << w->objectName();
        w = w->nextInFocusChain();
    }
    EXPECT_EQ(visited, (QStringList{"txtLeft1", "txtLeft2", "txtLeft3", "txtRight1", "txtLeft4",
                                    "txtLeft6", "txtLeft5", "txtRight2", "txtRight3", "txtRight4",
                                    "txtRight6", "txtRight5"}));

    for (auto* label : layout.findChildren<QLabel*>()) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_LE(label->heightForWidth(label->width()), label->height());
        const QStringList words = label->text().split(QRegularExpression("[ /]"));
        for (const QString& word : words)
            EXPECT_LE(label->fontMetrics().horizontalAdvance(word), label->width());
    }
    for (auto* button : layout.findChildren<QAbstractButton*>()) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_LE(button->sizeHint().width(), button->width());
        EXPECT_LE(button->geometry().bottom(), button->parentWidget()->height());
    }
}

TEST(KeyboardLayoutDialog, StoredKeysShowInTheirOwnCaseAndEditsJoinWithoutEmptyBoxes) {
    {
        // Upper case still selects the preset, and OK keeps the case.
        dialogs::KeysDialog layout(nullptr);
        layout.ShowKeys({U"WSXQAZ", U"KL;M,."});
        EXPECT_TRUE(Checked(layout, "optLeft1"));
        EXPECT_TRUE(Checked(layout, "optRight2"));
        EXPECT_EQ(Texts(layout, "Left"), (QStringList{"W", "S", "X", "Q", "A", "Z"}));
        EXPECT_EQ(layout.Keys().left, U"WSXQAZ");
        EXPECT_EQ(layout.Keys().right, U"KL;M,.");
    }
    {
        // OK follows only the box changed last.
        dialogs::KeysDialog layout(nullptr);
        layout.ShowKeys({U"wsxqaz", U"mko,lp"});
        EXPECT_TRUE(OkEnabled(layout));
        Clear(Box(layout, "txtLeft2"));
        EXPECT_FALSE(OkEnabled(layout));
        Clear(Box(layout, "txtRight5"));
        EXPECT_FALSE(OkEnabled(layout));
        // The left player's advance key, on the right too: accepted, it moves both fencers.
        Type(Box(layout, "txtRight5"), "w");
        EXPECT_TRUE(OkEnabled(layout)) << "although txtLeft2 is still empty";
        Type(Box(layout, "txtRight5"), "k");
        EXPECT_EQ(Box(layout, "txtRight5")->text(), "w") << "one key per box";
        EXPECT_EQ(layout.Keys().left, U"wxqaz") << "the lunge key moves up to Extend Arm";
        EXPECT_EQ(layout.Keys().right, U"mko,wp");
        EXPECT_FALSE(Checked(layout, "optLeft3")) << "typing does not choose Custom";
    }
    {
        // A preset fills its side; Custom then keeps what the boxes hold.
        dialogs::KeysDialog layout(nullptr);
        layout.ShowKeys({U"wsxqaz", U"mko,lp"});
        layout.findChild<QRadioButton*>("optLeft2")->click();
        EXPECT_EQ(Texts(layout, "Left"), (QStringList{"a", "s", "d", "z", "x", "c"}));
        layout.findChild<QRadioButton*>("optLeft3")->click();
        EXPECT_TRUE(Checked(layout, "optLeft3"));
        EXPECT_EQ(Texts(layout, "Left"), (QStringList{"a", "s", "d", "z", "x", "c"}));
        EXPECT_EQ(Texts(layout, "Right"), (QStringList{"m", "k", "o", ",", "l", "p"}));
    }
    {
        // A key is a character: one box holds "ж" and the string counts it once.
        dialogs::KeysDialog layout(nullptr);
        layout.ShowKeys({U"é🗡sxqa", U"жko,l"});
        EXPECT_TRUE(Checked(layout, "optLeft3"));
        EXPECT_EQ(Texts(layout, "Right"), (QStringList{"ж", "k", "o", ",", "l", ""}));
        Type(Box(layout, "txtRight6"), "ё");
        Clear(Box(layout, "txtLeft1"));
        Type(Box(layout, "txtLeft1"), "ß");
        EXPECT_EQ(layout.Keys().right, U"жko,lё");
        EXPECT_EQ(layout.Keys().left, U"ß🗡sxqa")
            << "a key outside the basic plane is kept whole";
        Type(Box(layout, "txtRight6"), "x");
        EXPECT_EQ(Box(layout, "txtRight6")->text(), "ё") << "still one key per box";
    }
}

TEST(KeyboardLayoutDialog, CancelAndTheCloseBoxChangeNothingAndOkFencesWithTheNewKeys) {
    drive::ExpectDialogs answered; // the test answers its dialogs itself
    app::MainWindow window;
    auto* menu = window.findChild<QAction*>("KeyboardLayout1");
    ASSERT_NE(menu, nullptr);
    // Runs one opening of the dialog, editing it and closing it as `close` says.
    auto open = [&](const std::function<void(dialogs::KeysDialog&)>& edit) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<dialogs::KeysDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = true;
            edit(*dialog);
        });
        menu->trigger();
        EXPECT_TRUE(seen);
    };
    const auto before = window.Game().Options();
    open([](dialogs::KeysDialog& d) {
        d.findChild<QRadioButton*>("optLeft2")->click();
        Clear(Box(d, "txtRight1"));
        Type(Box(d, "txtRight1"), "ж");
        d.findChild<QPushButton*>("cmdCancel")->click();
    });
    open([](dialogs::KeysDialog& d) {
        EXPECT_TRUE(Checked(d, "optLeft1")) << "the next opening shows the old keys";
        EXPECT_EQ(Box(d, "txtRight1")->text(), "m");
        d.findChild<QRadioButton*>("optRight2")->click();
        d.close();
    });
    EXPECT_EQ(window.Game().Options().keysLeft, before.keysLeft);
    EXPECT_EQ(window.Game().Options().keysRight, before.keysRight);

    open([](dialogs::KeysDialog& d) {
        Clear(Box(d, "txtRight1"));
        Type(Box(d, "txtRight1"), "ж");
        d.findChild<QPushButton*>("cmdOK")->click();
    });
    EXPECT_EQ(window.Game().Options().keysRight, U"жko,lp");
    EXPECT_EQ(window.Game().Options().keysLeft, U"wsxqaz");
}
