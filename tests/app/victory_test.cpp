#include "app/TFormFencer.h"
#include "dialogs/VictoryDialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace pistework;

namespace {

// Each test gets its own, empty settings folder.
class Victory : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(config.isValid());
        // QSettings works its folders out once per process; point it here for every test.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    }
    QTemporaryDir config;
    app::QtRegistry registry{QStringLiteral("Brackenmoor Fencing Association"),
                             QStringLiteral("Pistework")};
};

QString Text(QWidget& dialog, const char* name) {
    auto* label = dialog.findChild<QLabel*>(name);
    return label ? label->text() : QString();
}

} // namespace

TEST_F(Victory, RecordIsOfferedStoredAndReadBackByTheNextDialog) {
    {
        dialogs::VictoryDialog victory(nullptr, registry);
        EXPECT_EQ(victory.size(), QSize(157, 137));
        EXPECT_EQ(victory.windowTitle(), "Victory");
        EXPECT_FALSE(victory.IsNewBest(6, 1, 3)) << "3 player hits do not beat the default 4";
        ASSERT_TRUE(victory.IsNewBest(6, 12, 15));
        victory.ShowLevel(6);
        EXPECT_EQ(Text(victory, "LabelYouHave"), "You have the best result at");
        EXPECT_EQ(Text(victory, "LabelLevel"), "Champion Level");
        // Every caption fits the small dialog, the longest level text included.
        victory.ShowLevel(4);
        for (auto* label : victory.findChildren<QLabel*>())
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
                << label->objectName().toStdString();
        victory.ShowLevel(6);
        auto* name = victory.findChild<QLineEdit*>("txtName");
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text(), "Bracken Fencing");
        name->setText(QStringLiteral("Zoë"));
        auto* ok = victory.findChild<QPushButton*>("cmdOK");
        ASSERT_NE(ok, nullptr);
        EXPECT_FALSE(ok->isDefault() || ok->autoDefault()) << "Enter must not close the dialog";
        ok->click();
        EXPECT_EQ(victory.result(), QDialog::Accepted);
    }
    // The record went to the settings file under the player's own config folder.
    QSettings stored(QStringLiteral("Brackenmoor Fencing Association"),
                     QStringLiteral("Pistework"));
    EXPECT_TRUE(stored.fileName().startsWith(config.path())) << stored.fileName().toStdString();
    EXPECT_EQ(stored.value("HitA6").toInt(), 12);
    EXPECT_EQ(stored.value("Winner6").toString(), "Zoë");

    dialogs::VictoryDialog next(nullptr, registry);
    EXPECT_EQ(next.bestHitsA[6], 12);
    EXPECT_EQ(next.bestHitsB[6], 15);
    EXPECT_FALSE(next.IsNewBest(6, 12, 15 - 1));
    ASSERT_TRUE(next.IsNewBest(6, 12, 15)) << "an equal score replaces the record";
    next.ShowLevel(6);
    EXPECT_EQ(next.findChild<QLineEdit*>("txtName")->text(), "Zoë")
        << "the previous holder's name is offered";
    // Closing with the close box writes nothing.
    next.findChild<QLineEdit*>("txtName")->setText("Nobody");
    next.reject();
    EXPECT_EQ(
        QSettings(QStringLiteral("Brackenmoor Fencing Association"), QStringLiteral("Pistework"))
            .value("Winner6")
            .toString(),
        "Zoë");
}

TEST_F(Victory, FailedSaveWarnsOnceAndKeepsTheDialogOpen) {
    // A plain file where the settings folder should be: no settings file can be written,
    // whatever rights the test runs with.
    QFile blocker(config.path() + "/Brackenmoor Fencing Association");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    dialogs::VictoryDialog victory(nullptr, registry);
    ASSERT_TRUE(victory.IsNewBest(2, 0, 5));
    victory.ShowLevel(2);
    int warnings = 0;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++warnings;
            box->close();
        }
    });
    victory.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_EQ(warnings, 1);
    EXPECT_NE(victory.result(), QDialog::Accepted) << "the player may try again or close";
}

TEST_F(Victory, PlayersWinAtAGradedLevelOpensTheDialogFromTheBoutEnd) {
    app::TFormFencer form;
    form.findChild<QAction*>("Champion")->trigger();
    form.findChild<QAction*>("Firstto5")->trigger();
    game::Referee& referee = form.Game().President();
    // Each hit runs the referee through "Halt" and the call to the ruling.
    auto hit = [&](game::Side hitter) {
        referee.CallHit(hitter);
        for (int call = 0; call < 3; ++call)
            referee.Tick();
    };
    QString shownLevel;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<dialogs::VictoryDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shownLevel = Text(*dialog, "LabelLevel");
        dialog->findChild<QPushButton*>("cmdOK")->click();
    });
    for (int i = 0; i < 3; ++i)
        hit(game::Side::Left);
    for (int i = 0; i < 5; ++i)
        hit(game::Side::Right);
    ASSERT_EQ(referee.CurrentPhase(), game::Phase::GameOver);
    referee.Tick();
    EXPECT_EQ(shownLevel, "Champion Level");
    EXPECT_EQ(game::ReadBestResults(registry)[6].hitsA, 3);
    EXPECT_TRUE(form.findChild<QTimer*>("TimerAutoPlay")->isActive());
}

TEST_F(Victory, AnyNameIsStoredExactlyAndTouchesNoOtherValue) {
    registry.SetRootKey(platform::Registry::Root::LocalMachine);
    registry.OpenKey(game::kGameKey, true);
    registry.WriteString("KeyboardRight", "жko,lp");
    registry.WriteInteger("MaxHits", 10);
    registry.WriteString("Winner5", "Ann");
    registry.CloseKey();

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
    for (const std::string& name : names) {
        SCOPED_TRACE(name.substr(0, 40));
        QSettings before(QStringLiteral("Brackenmoor Fencing Association"),
                         QStringLiteral("Pistework"));
        QMap<QString, QVariant> others;
        for (const QString& key : before.allKeys())
            if (!QStringList{"HitA3", "HitB3", "Winner3"}.contains(key))
                others[key] = before.value(key);
        {
            dialogs::VictoryDialog victory(nullptr, registry);
            ASSERT_TRUE(victory.IsNewBest(3, 0, 15));
            victory.ShowLevel(3);
            victory.findChild<QLineEdit*>("txtName")->setText(QString::fromStdString(name));
            victory.findChild<QPushButton*>("cmdOK")->click();
            ASSERT_EQ(victory.result(), QDialog::Accepted);
        }
        // Read back from the file by a store that has never seen it.
        app::QtRegistry fresh(QStringLiteral("Brackenmoor Fencing Association"),
                              QStringLiteral("Pistework"));
        const auto results = game::ReadBestResults(fresh);
        EXPECT_EQ(results[3].winner, name);
        EXPECT_EQ(results[3].hitsA, 0);
        EXPECT_EQ(results[3].hitsB, 15);
        QSettings after(QStringLiteral("Brackenmoor Fencing Association"),
                        QStringLiteral("Pistework"));
        for (auto it = others.cbegin(); it != others.cend(); ++it)
            EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
        EXPECT_EQ(after.allKeys().size(), others.size() + 3) << "no stray values";
        dialogs::VictoryDialog next(nullptr, fresh);
        next.ShowLevel(3);
        EXPECT_EQ(next.findChild<QLineEdit*>("txtName")->text().toStdString(), name)
            << "offered back as it was typed";
    }
}

TEST_F(Victory, EscapeAndTheCloseBoxWriteNothing) {
    QSettings(QStringLiteral("Brackenmoor Fencing Association"), QStringLiteral("Pistework"))
        .setValue("Winner1", "Ann");
    const QString file =
        QSettings(QStringLiteral("Brackenmoor Fencing Association"), QStringLiteral("Pistework"))
            .fileName();
    auto contents = [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    };
    const QByteArray before = contents();
    for (const bool escape : {true, false}) {
        dialogs::VictoryDialog victory(nullptr, registry);
        ASSERT_TRUE(victory.IsNewBest(1, 0, 5));
        victory.ShowLevel(1);
        victory.show();
        victory.findChild<QLineEdit*>("txtName")->setText("Bob");
        if (escape) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(victory.findChild<QLineEdit*>("txtName"), &press);
        } else {
            victory.close();
        }
        EXPECT_FALSE(victory.isVisible());
        EXPECT_EQ(victory.result(), QDialog::Rejected);
        EXPECT_EQ(contents(), before) << (escape ? "Escape" : "close box");
    }
}
