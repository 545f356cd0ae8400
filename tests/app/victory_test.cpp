#include "app/TFormFencer.h"
#include "dialogs/TFormVictory.h"

#include <QAction>
#include <QApplication>
#include <QDir>
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
        dialogs::TFormVictory victory(nullptr, registry);
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

    dialogs::TFormVictory next(nullptr, registry);
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

    dialogs::TFormVictory victory(nullptr, registry);
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
        auto* dialog = qobject_cast<dialogs::TFormVictory*>(QApplication::activeModalWidget());
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
