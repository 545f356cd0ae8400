// SPDX-License-Identifier: GPL-3.0-or-later
// File > Bouts in the real window: a bout fenced shows in the list, plays when watched, and goes
// when deleted; a damaged file shows as one; the chart's library loads only with the list.

#include "Dialogs.h"
#include "WindowDriver.h"
#include "platform/headless/HeadlessPlatform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace pistework;
using drive::Named;
using game::Side;

namespace {

bool ChartsLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Charts");
}

// Opens File > Bouts and hands the list to `work` once it shows; it closes afterwards unless
// `work` closed it.
void WithBouts(app::MainWindow& window, const std::function<void(QDialog&)>& work) {
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(dialog->objectName(), QStringLiteral("FormBouts"));
        work(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    Named<QAction>(window, "mnuFileBouts")->trigger();
}

} // namespace

TEST(BoutsWindow, ABoutFencedIsListedWatchedAndDeleted) {
    drive::ExpectDialogs answered;
    app::MainWindow window;
    QStringList warnings;
    window.SetOnWarning([&](const QString& text) { warnings << text; });
    const QString folder = app::KeptBoutFolder::DefaultFolder();
    ASSERT_TRUE(folder.startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
    // Two players fence to 3-1, ended by the clock.
    Named<QAction>(window, "mnu2Player")->trigger();
    Named<QAction>(window, "mnuFileNewGame")->trigger();
    drive::Hit(window, Side::Left, 3);
    drive::Hit(window, Side::Right, 1);
    game::GameProbe(window.Game()).President().TimeOut();
    drive::Tick(window, "TimerPresident", 2); // "Halt", "Game Over"
    QApplication::processEvents();
    ASSERT_EQ(QDir(folder).entryList(QDir::Files).size(), 1) << warnings.join("\n").toStdString();
    // A file of ours that is damaged lists as such, after the good one.
    QFile damaged(folder + QStringLiteral("/0000000000000002-0000000000000000.bout"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("PWKB\x01 damaged");
    damaged.close();

    // A bout watched on the network, fenced headless so its replay plays.
    std::vector<std::uint8_t> watched;
    {
        platform::headless::HeadlessPlatform form;
        game::Game game(form.Services());
        game.Start();
        game.Choose({game::Verb::SetTarget, 2});
        ASSERT_TRUE(form.scheduler.RunUntilTrue(
            [&] { return !game::GameProbe(game).LastFenced().empty(); }, 3'600'000));
        const auto file = game::GameProbe(game).LastFenced();
        watched.assign(file.begin(), file.end());
    }
    game::KeptBout about;
    about.endedAt = 1'000; // long before the bout fenced here
    about.kind = game::BoutKind::Watched;
    about.opponent = "192.0.2.7";
    window.Game().Keep(about, watched);

    EXPECT_FALSE(ChartsLoaded()) << "the program starts without Qt Charts";
    WithBouts(window, [&](QDialog& dialog) {
        auto* list = Named<QTreeWidget>(dialog, "lstBouts");
        ASSERT_EQ(list->topLevelItemCount(), 3);
        const QTreeWidgetItem* bout = list->topLevelItem(0);
        EXPECT_EQ(bout->text(3), QStringLiteral("3–1"));
        EXPECT_FALSE(bout->text(1).isEmpty());
        EXPECT_TRUE(dialog.findChild<QWidget*>(QStringLiteral("chartRecord")))
            << "the chart's library is found in the build tree";
        EXPECT_TRUE(ChartsLoaded());
        EXPECT_TRUE(list->topLevelItem(1)->text(1).contains(QStringLiteral("192.0.2.7")));
        list->setCurrentItem(list->topLevelItem(2));
        EXPECT_FALSE(Named<QPushButton>(dialog, "cmdWatch")->isEnabled());
        EXPECT_TRUE(Named<QPushButton>(dialog, "cmdDelete")->isEnabled());
        list->setCurrentItem(list->topLevelItem(1));
        Named<QPushButton>(dialog, "cmdWatch")->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_TRUE(window.Watching());

    // Deleted once the player says yes; "No" leaves it.
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        WithBouts(window, [&](QDialog& dialog) {
            auto* list = Named<QTreeWidget>(dialog, "lstBouts");
            list->setCurrentItem(list->topLevelItem(0));
            QTimer::singleShot(0, [answer] {
                auto* ask = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_NE(ask, nullptr);
                ask->button(answer)->click();
            });
            Named<QPushButton>(dialog, "cmdDelete")->click();
            EXPECT_EQ(list->topLevelItemCount(), answer == QMessageBox::Yes ? 2 : 3);
        });
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(QFile::exists(damaged.fileName()));
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join("\n").toStdString();
}
