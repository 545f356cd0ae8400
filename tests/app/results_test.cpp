// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dialogs.h"
#include "WindowDriver.h"
#include "dialogs/BestResultsDialog.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace pistework;

namespace {

// The table the window's menu opens, read row by row, then closed.
QStringList Rows(app::MainWindow& window) {
    QStringList rows;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<dialogs::BestResultsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        for (int n = 1; n <= game::kLevelCount; ++n)
            rows << drive::Named<QLabel>(*dialog, QStringLiteral("Label%1").arg(n).toStdString())
                        ->text();
        dialog->findChild<QPushButton*>("cmdOK")->click();
    });
    drive::Named<QAction>(window, "BestResults1")->trigger();
    return rows;
}

} // namespace

TEST(DialogTexts, BestResultsRowsShowTheStoreAsItStandsAtEachOpening) {
    drive::ExpectDialogs answered; // the test answers its dialogs itself
    app::SettingsStore store(QStringLiteral("Brackenmoor Fencing Association"),
                             QStringLiteral("Pistework"));
    app::MainWindow window;
    const QString unbeaten = QStringLiteral("5 - 4  ") + game::kDefaultWinner;
    EXPECT_EQ(Rows(window), QStringList(6, unbeaten));
    // A 15 to 12 win at Champion with the name left as offered; another level's holder left
    // no name at all, and one value was hand-edited to text.
    ASSERT_TRUE(game::WriteBestResult(store, 6, 12, 15, game::kDefaultWinner));
    drive::Settings().setValue("Winner2", QString());
    drive::Settings().setValue("HitA3", "lots");
    drive::Settings().sync();
    // Opening the table writes nothing.
    const QStringList before = drive::Settings().allKeys();
    EXPECT_EQ(Rows(window), (QStringList{unbeaten, "5 - 4  ", unbeaten, unbeaten, unbeaten,
                                         QStringLiteral("12 - 15  ") + game::kDefaultWinner}));
    EXPECT_EQ(drive::Settings().allKeys(), before);

    dialogs::BestResultsDialog after(nullptr, game::ReadBestResults(store));
    EXPECT_EQ(after.windowTitle(), "Best Results");
    EXPECT_EQ(after.size(), QSize(241, 171));
    EXPECT_EQ(after.findChild<QLabel*>("LabelQuarter")->text(), "Quarter-Finalist");
    EXPECT_EQ(after.findChild<QPushButton*>("cmdOK")->text(), "&Close");
    // Every caption fits inside the dialog, the longest level name and a record's row too.
    for (auto* label : after.findChildren<QLabel*>()) {
        const int advance = label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_LE(advance, label->width()) << label->objectName().toStdString();
        const int right = (label->alignment() & Qt::AlignRight) ? label->geometry().right()
                                                                : label->x() + advance;
        EXPECT_LE(right, after.width()) << label->objectName().toStdString();
    }
    after.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_EQ(after.result(), QDialog::Accepted);
}
