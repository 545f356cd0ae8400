// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/BestResultsDialog.h"

#include "dialogs/Style.h"
#include "game/player/BestResults.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include <array>

namespace pistework::dialogs {

namespace {
struct Row {
    const char* levelName;
    const char* levelText;
    const char* resultName;
};

// By level number 1 to 6, sixteen pixels apart. The level names end at x 89 as they always
// have; they start a little further left so that "Quarter-Finalist" is not cut off.
constexpr std::array<Row, game::kLevelCount> kRows{{
    {"LabelNovice", QT_TRANSLATE_NOOP("BestResultsDialog", "Novice"), "Label1"},
    {"LabelIntermediate", QT_TRANSLATE_NOOP("BestResultsDialog", "Intermediate"), "Label2"},
    {"LabelAdvanced", QT_TRANSLATE_NOOP("BestResultsDialog", "Advanced"), "Label3"},
    {"LabelQuarter", QT_TRANSLATE_NOOP("BestResultsDialog", "Quarter-Finalist"), "Label4"},
    {"LabelSemi", QT_TRANSLATE_NOOP("BestResultsDialog", "Semi-Finalist"), "Label5"},
    {"LabelChampion", QT_TRANSLATE_NOOP("BestResultsDialog", "Champion"), "Label6"},
}};

QLabel* Caption(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    return label;
}
} // namespace

BestResultsDialog::BestResultsDialog(QWidget* owner, const game::BestResultTable& results)
    : QDialog(owner, kFixedDialog) {
    SetUpFixedDialog(*this, "FormResults", tr("Best Results"), {241, 171});

    for (int n = 1; n <= game::kLevelCount; ++n) {
        const Row& row = kRows[static_cast<std::size_t>(n - 1)];
        const int top = 8 + 16 * (n - 1);
        Caption(this, row.levelName,
                QCoreApplication::translate("BestResultsDialog", row.levelText),
                QRect(2, top, 87, 16))
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const QString caption =
            QString::fromStdString(game::ResultCaption(results[static_cast<std::size_t>(n)]));
        // A long name runs past the dialog's edge; the whole row is still there to read.
        Caption(this, row.resultName, caption, QRect(96, top, 200, 16))->setToolTip(caption);
    }

    CloseButton(*this, {72, 120, 75, 33});
}

QString LevelName(int number) {
    if (number < 1 || number > game::kLevelCount) return {};
    return QCoreApplication::translate("BestResultsDialog",
                                       kRows[static_cast<std::size_t>(number - 1)].levelText);
}

void ShowBestResults(QWidget* owner, const game::BestResultTable& results) {
    BestResultsDialog dialog(owner, results);
    dialog.exec();
}

} // namespace pistework::dialogs
