#include "app/QtRegistry.h"
#include "dialogs/BestResultsDialog.h"
#include "dialogs/VictoryDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QSettings>

#include <gtest/gtest.h>

using namespace pistework;

namespace {

QSettings Store() {
    return QSettings(QStringLiteral("Brackenmoor Fencing Association"),
                     QStringLiteral("Pistework"));
}

QStringList Rows(QWidget& dialog) {
    QStringList rows;
    for (int n = 1; n <= 6; ++n) {
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("Label%1").arg(n));
        rows << (label ? label->text() : QStringLiteral("<missing>"));
    }
    return rows;
}

} // namespace

TEST(DialogTexts, BestResultsRowsShowTheStoreAsItStandsAtEachOpening) {
    app::QtRegistry registry(QStringLiteral("Brackenmoor Fencing Association"),
                             QStringLiteral("Pistework"));
    const QString unbeaten = QStringLiteral("5 - 4  Bracken Fencing");
    {
        dialogs::BestResultsDialog empty(nullptr, registry);
        EXPECT_EQ(empty.windowTitle(), "Best Results");
        EXPECT_EQ(empty.size(), QSize(241, 171));
        EXPECT_EQ(Rows(empty), QStringList(6, unbeaten));
        EXPECT_EQ(empty.findChild<QLabel*>("LabelQuarter")->text(), "Quarter-Finalist");
        EXPECT_EQ(empty.findChild<QPushButton*>("cmdOK")->text(), "&Close");
    }
    // A 15 to 12 win at Champion with the name left as offered.
    {
        dialogs::VictoryDialog victory(nullptr, registry);
        ASSERT_TRUE(victory.IsNewBest(6, 12, 15));
        victory.ShowLevel(6);
        victory.cmdOKClick();
    }
    // Another level's holder left no name at all, and one value was hand-edited to text.
    Store().setValue("Winner2", QString());
    Store().setValue("HitA3", "lots");
    Store().sync();

    dialogs::BestResultsDialog after(nullptr, registry);
    EXPECT_EQ(Rows(after), (QStringList{unbeaten, "5 - 4  ", unbeaten, unbeaten, unbeaten,
                                        "12 - 15  Bracken Fencing"}));
    // Every caption fits inside the dialog, the longest level name and a record's row too.
    for (auto* label : after.findChildren<QLabel*>()) {
        const int advance = label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_LE(advance, label->width()) << label->objectName().toStdString();
        const int right = (label->alignment() & Qt::AlignRight) ? label->geometry().right()
                                                                : label->x() + advance;
        EXPECT_LE(right, after.width()) << label->objectName().toStdString();
    }
    // Closing writes nothing.
    const QStringList before = Store().allKeys();
    after.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_EQ(after.result(), QDialog::Accepted);
    EXPECT_EQ(Store().allKeys(), before);
}
