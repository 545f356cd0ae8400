// SPDX-License-Identifier: GPL-3.0-or-later
// File > Bouts in the real window: a bout fenced is listed, a kept bout plays, a damaged file
// shows as one, a bout goes once the player says yes; Qt Charts loads only with the list.

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

TEST(BoutsWindow, ABoutFencedIsListedWatchedAndDeleted) {
    drive::ExpectDialogs answered;
    auto chartsLoaded = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Charts");
    };
    app::MainWindow window;
    QStringList warnings;
    window.SetOnWarning([&](const QString& text) { warnings << text; });
    // Two players fence to 3-1, ended by the clock; a demonstration, fenced headless so that
    // its replay plays, is kept as a watched bout; a damaged file of ours lies beside them.
    Named<QAction>(window, "mnu2Player")->trigger();
    Named<QAction>(window, "mnuFileNewGame")->trigger();
    drive::Hit(window, game::Side::Left, 3);
    drive::Hit(window, game::Side::Right, 1);
    game::GameProbe(window.Game()).President().TimeOut();
    drive::Tick(window, "TimerPresident", 2); // "Halt", "Game Over"
    platform::headless::HeadlessPlatform form;
    game::Game headless(form.Services());
    headless.Start();
    const game::GameProbe probe(headless);
    ASSERT_TRUE(
        form.scheduler.RunUntilTrue([&] { return !probe.LastFenced().empty(); }, 3'600'000));
    game::KeptBout watched{1'000, game::BoutKind::Watched, {}, "192.0.2.7", {}, 0};
    window.Game().Keep(watched, probe.LastFenced());
    const QString folder = app::KeptBoutFolder::DefaultFolder();
    ASSERT_TRUE(folder.startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
    QFile damaged(folder + QStringLiteral("/0000000000000002-0000000000000000.bout"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("PWKB\x01 damaged");
    damaged.close();
    EXPECT_FALSE(chartsLoaded()) << "the program starts without Qt Charts";

    // Opens the list, hands it to `work`, and closes it unless `work` did.
    auto withBouts = [&](const std::function<void(QDialog&, QTreeWidget&)>& work) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog && dialog->objectName() == QStringLiteral("FormBouts"));
            work(*dialog, *Named<QTreeWidget>(*dialog, "lstBouts"));
            if (dialog->isVisible()) dialog->reject();
        });
        Named<QAction>(window, "mnuFileBouts")->trigger();
    };
    withBouts([&](QDialog& dialog, QTreeWidget& list) {
        ASSERT_EQ(list.topLevelItemCount(), 3);
        EXPECT_EQ(list.topLevelItem(0)->text(3), QStringLiteral("3–1"));
        EXPECT_TRUE(list.topLevelItem(1)->text(1).contains(QStringLiteral("192.0.2.7")));
        EXPECT_TRUE(dialog.findChild<QWidget*>(QStringLiteral("chartRecord")));
        EXPECT_TRUE(chartsLoaded());
        list.setCurrentItem(list.topLevelItem(2));
        EXPECT_FALSE(Named<QPushButton>(dialog, "cmdWatch")->isEnabled());
        list.setCurrentItem(list.topLevelItem(1));
        Named<QPushButton>(dialog, "cmdWatch")->click();
    });
    EXPECT_TRUE(window.Watching());
    withBouts([&](QDialog& dialog, QTreeWidget& list) {
        list.setCurrentItem(list.topLevelItem(2));
        QTimer::singleShot(0, [] {
            auto* ask = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(ask, nullptr);
            ask->button(QMessageBox::Yes)->click();
        });
        Named<QPushButton>(dialog, "cmdDelete")->click();
        EXPECT_EQ(list.topLevelItemCount(), 2);
    });
    EXPECT_FALSE(damaged.exists());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(QLatin1Char('\n')).toStdString();
}
