// SPDX-License-Identifier: GPL-3.0-or-later
// A player's win that beats the record at a graded level, from the bout's end in the real
// window to the settings file: the game decides it is a record, the dialog asks the name.

#include "Dialogs.h"
#include "WindowDriver.h"
#include "dialogs/VictoryDialog.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pistework;
using dialogs::VictoryDialog;
using drive::Named;
using game::Side;

namespace {

QString Text(QWidget& dialog, const char* name) {
    auto* label = dialog.findChild<QLabel*>(name);
    return label ? label->text() : QString();
}

// Each test gets its own, empty settings folder.
class Victory : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(config.isValid()); }
    // QSettings works its folders out once per process; point it here before the store looks.
    static app::SettingsStore StoreIn(const QTemporaryDir& dir) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        return {QStringLiteral("Brackenmoor Fencing Association"), QStringLiteral("Pistework")};
    }

    // A new bout at the level chosen, ended at this score by the clock; the victory dialog the
    // window opens, if any, is answered by `answer`. True when one opened.
    static bool EndBout(app::MainWindow& window, game::PerSide<int> score,
                        const std::function<void(VictoryDialog&)>& answer = {}) {
        bool offered = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<VictoryDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            offered = true;
            if (answer) answer(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        Named<QAction>(window, "mnuFileNewGame")->trigger();
        for (Side side : game::kSides)
            drive::Hit(window, side, score[side]);
        game::GameProbe(window.Game()).President().TimeOut();
        drive::Tick(window, "TimerPresident", 2); // "Halt", "Game Over"
        // A win that is no record leaves the answer waiting: it goes now, unused.
        QApplication::processEvents();
        return offered;
    }

    QTemporaryDir config;
    app::SettingsStore store = StoreIn(config);
};

} // namespace

TEST_F(Victory, RecordIsOfferedStoredAndReadBackByTheNextWin) {
    drive::ExpectDialogs answered; // the test answers its dialogs itself
    // Every caption fits the small dialog, the longest level text included.
    for (const game::Level& level : game::kLevels) {
        VictoryDialog victory(nullptr, level.number, game::kDefaultWinner, nullptr);
        EXPECT_EQ(Text(victory, "LabelLevel"), drive::Text(level.text));
        for (auto* label : victory.findChildren<QLabel*>())
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
                << label->objectName().toStdString();
    }

    app::MainWindow window;
    Named<QAction>(window, "Champion")->trigger();
    const int champion = game::kChampion.number;
    EXPECT_FALSE(EndBout(window, {1, 3})) << "3 player hits do not beat the unbeaten 4";
    ASSERT_TRUE(EndBout(window, {12, 15}, [](VictoryDialog& victory) {
        EXPECT_EQ(Text(victory, "LabelLevel"), drive::Text(game::kChampion.text));
        auto* name = Named<QLineEdit>(victory, "txtName");
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text(), game::kDefaultWinner);
        name->setText(QStringLiteral("Zoë"));
        auto* ok = Named<QPushButton>(victory, "cmdOK");
        ASSERT_NE(ok, nullptr);
        EXPECT_FALSE(ok->isDefault() || ok->autoDefault()) << "Enter must not close the dialog";
        ok->click();
        EXPECT_EQ(victory.result(), QDialog::Accepted);
    }));
    // The record went to the settings file under the player's own config folder.
    EXPECT_TRUE(drive::Settings().fileName().startsWith(config.path()))
        << drive::Settings().fileName().toStdString();
    EXPECT_EQ(drive::Settings().value(game::ValueName("HitA", champion)).toInt(), 12);
    EXPECT_EQ(drive::Settings().value(game::ValueName("Winner", champion)).toString(), "Zoë");
    const game::BestResult best = window.Game().BestResults()[champion];
    EXPECT_EQ(best.hitsA, 12);
    EXPECT_EQ(best.hitsB, 15);

    EXPECT_FALSE(EndBout(window, {12, 15 - 1}));
    ASSERT_TRUE(EndBout(window, {12, 15}, [](VictoryDialog& victory) {
        auto* name = Named<QLineEdit>(victory, "txtName");
        EXPECT_EQ(name->text(), "Zoë") << "the previous holder's name is offered";
        // Closing with the close box writes nothing.
        name->setText("Nobody");
        victory.close();
    })) << "an equal score replaces the record";
    EXPECT_EQ(drive::Settings().value(game::ValueName("Winner", champion)).toString(), "Zoë");
}

TEST_F(Victory, FailedSaveWarnsOnceAndKeepsTheDialogOpen) {
    drive::ExpectDialogs answered; // the test answers its dialogs itself
    // A plain file where the settings folder should be: no settings file can be written,
    // whatever rights the test runs with.
    QFile blocker(config.path() + "/Brackenmoor Fencing Association");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    app::MainWindow window;
    window.SetOnWarning([](const QString&) {}); // the options cannot be saved either
    Named<QAction>(window, "Intermediate")->trigger();
    int warnings = 0;
    ASSERT_TRUE(EndBout(window, {0, 5}, [&](VictoryDialog& victory) {
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++warnings;
                box->close();
            }
        });
        Named<QPushButton>(victory, "cmdOK")->click();
        EXPECT_TRUE(victory.isVisible()) << "the player may try again or close";
        EXPECT_NE(victory.result(), QDialog::Accepted);
    }));
    EXPECT_EQ(warnings, 1);
}

TEST_F(Victory, PlayersWinAtAGradedLevelOpensTheDialogFromTheBoutEnd) {
    drive::ExpectDialogs answered; // the test answers its dialogs itself
    app::MainWindow window;
    Named<QAction>(window, "Champion")->trigger();
    Named<QAction>(window, "Firstto5")->trigger();
    QString shownLevel;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<VictoryDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shownLevel = Text(*dialog, "LabelLevel");
        Named<QPushButton>(*dialog, "cmdOK")->click();
    });
    drive::Hit(window, Side::Left, 3);
    drive::Hit(window, Side::Right, 5);
    ASSERT_EQ(game::GameProbe(window.Game()).President().CurrentPhase(), game::Phase::GameOver);
    drive::Tick(window, "TimerPresident");
    EXPECT_EQ(shownLevel, drive::Text(game::kChampion.text));
    EXPECT_EQ(game::ReadBestResults(store)[game::kChampion.number].hitsA, 3);
    EXPECT_TRUE(game::GameProbe(window.Game()).Timer("TimerAutoPlay").Enabled());
}

TEST_F(Victory, AnyNameIsStoredExactlyAndTouchesNoOtherValue) {
    drive::ExpectDialogs answered; // the test answers its dialogs itself
    store.Write({{"KeyboardRight", std::string("жko,lp")},
                 {"MaxHits", 10},
                 {"Winner5", std::string("Ann")}});

    app::MainWindow window;
    Named<QAction>(window, "Advanced")->trigger();
    const int level = game::kLevels[2].number;
    const std::string names[] = {
        "two\nlines",
        "a\r\nb",
        "x = y",
        "[General]",
        "[General]\nMaxHits=3\nHitA3=7",
        "; not a comment",
        "  spaced  ",
        "back\\slash \"quoted\" 'single'",
        "Żaneta Ólafsdóttir 李小龍 Жанна",
        std::string(10'000, 'n'),
        "",
    };
    std::string holder = game::kDefaultWinner;
    const QStringList record{drive::Text(game::ValueName("HitA", level)),
                             drive::Text(game::ValueName("HitB", level)),
                             drive::Text(game::ValueName("Winner", level))};
    for (const std::string& name : names) {
        SCOPED_TRACE(name.substr(0, 40));
        QMap<QString, QVariant> others;
        for (const QString& key : drive::Settings().allKeys())
            if (!record.contains(key)) others[key] = drive::Settings().value(key);
        ASSERT_TRUE(EndBout(window, {0, 10}, [&](VictoryDialog& victory) {
            auto* box = Named<QLineEdit>(victory, "txtName");
            EXPECT_EQ(box->text().toStdString(), holder) << "offered back as it was typed";
            box->setText(QString::fromStdString(name));
            Named<QPushButton>(victory, "cmdOK")->click();
            EXPECT_EQ(victory.result(), QDialog::Accepted);
        }));
        holder = name;
        // Read back from the file by a store that has never seen it.
        app::SettingsStore fresh(QStringLiteral("Brackenmoor Fencing Association"),
                                 QStringLiteral("Pistework"));
        const auto results = game::ReadBestResults(fresh);
        EXPECT_EQ(results[level].winner, name);
        EXPECT_EQ(results[level].hitsA, 0);
        EXPECT_EQ(results[level].hitsB, 10);
        QSettings after = drive::Settings();
        for (auto it = others.cbegin(); it != others.cend(); ++it)
            EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
        EXPECT_EQ(after.allKeys().size(), others.size() + 3) << "no stray values";
    }
}

TEST_F(Victory, EscapeAndTheCloseBoxWriteNothing) {
    drive::ExpectDialogs answered; // the test answers its dialogs itself
    drive::Settings().setValue(drive::Text(game::ValueName("Winner", game::kNovice.number)), "Ann");
    auto contents = [file = drive::Settings().fileName()] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    };
    const QByteArray before = contents();
    app::MainWindow window;
    for (const bool escape : {true, false}) {
        ASSERT_TRUE(EndBout(window, {0, 5}, [&](VictoryDialog& victory) {
            auto* name = Named<QLineEdit>(victory, "txtName");
            name->setText("Bob");
            if (escape) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(name, &press);
            } else {
                victory.close();
            }
            EXPECT_FALSE(victory.isVisible());
            EXPECT_EQ(victory.result(), QDialog::Rejected);
        }));
        EXPECT_EQ(contents(), before) << (escape ? "Escape" : "close box");
    }
}
