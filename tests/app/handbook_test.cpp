// SPDX-License-Identifier: GPL-3.0-or-later
// The handbook the Help menu opens: the keys as the player set them, every call as the window
// shows it; F1 stays with "Help & Hints".

#include "Dialogs.h"
#include "WindowDriver.h"
#include "common/CallTexts.h"
#include "dialogs/HandbookDialog.h"
#include "dialogs/HelpDialog.h"
#include "game/player/KeyLayout.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace pistework;

TEST(Handbook, ShowsTheKeysAsSetAndEveryCallAndF1StillOpensHelp) {
    drive::ExpectDialogs answered; // the test answers its dialogs itself
    app::MainWindow window;
    // Keys no other text of the handbook holds, so each is found in its own row.
    const game::Keys keys{U"жзийкл", U"αβγδεζ"};
    window.Game().SetKeys(keys);
    QString text;
    QTimer::singleShot(0, [&] {
        auto* handbook = qobject_cast<dialogs::HandbookDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(handbook, nullptr);
        text = handbook->Browser()->toPlainText();
        handbook->findChild<QPushButton*>("cmdOK")->click();
    });
    drive::Named<QAction>(window, "mnuHelpHandbook")->trigger();

    // Row by row, the left player's key before the right player's.
    qsizetype after = 0;
    for (std::size_t i = 0; i < game::kKeysPerSide; ++i) {
        for (const std::u32string& side : {keys.left, keys.right}) {
            const QString key = QString::fromStdU32String(side.substr(i, 1)).toUpper();
            const qsizetype at = text.indexOf(key, after);
            EXPECT_NE(at, -1) << key.toStdString() << " after the key before it";
            if (at != -1) after = at;
        }
    }
    for (int code = static_cast<int>(game::Call::Engarde);
         code <= static_cast<int>(game::Call::GameOver); ++code) {
        for (game::Side side : game::kSides) {
            const std::string shown = CallText({static_cast<game::Call>(code), side});
            for (const QString& line : QString::fromStdString(shown).split(u'\n')) {
                EXPECT_TRUE(text.contains(line)) << line.toStdString();
            }
        }
    }

    QList<QAction*> f1;
    for (QAction* action : window.findChildren<QAction*>())
        if (action->shortcut() == QKeySequence(Qt::Key_F1)) f1 << action;
    ASSERT_EQ(f1.size(), 1);
    bool help = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = QApplication::activeModalWidget();
        help = qobject_cast<dialogs::HelpDialog*>(dialog) != nullptr;
        if (dialog) dialog->findChild<QPushButton*>("cmdOK")->click();
    });
    f1.front()->trigger();
    EXPECT_TRUE(help);
}
