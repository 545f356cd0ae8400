// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/VictoryDialog.h"

#include "dialogs/Style.h"
#include "game/bout/Levels.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <array>
#include <string_view>

namespace pistework::dialogs {

namespace {
// The level table's titles, marked here for translation: the game's core holds no Qt.
constexpr std::array<const char*, game::kLevels.size()> kLevelTitles{{
    QT_TRANSLATE_NOOP("VictoryDialog", "Novice Level"),
    QT_TRANSLATE_NOOP("VictoryDialog", "Intermediate Level"),
    QT_TRANSLATE_NOOP("VictoryDialog", "Advanced Level"),
    QT_TRANSLATE_NOOP("VictoryDialog", "Quarter-Finalist Level"),
    QT_TRANSLATE_NOOP("VictoryDialog", "Semi-Finalist Level"),
    QT_TRANSLATE_NOOP("VictoryDialog", "Champion Level"),
}};
constexpr bool TitlesMatchLevels() {
    for (std::size_t i = 0; i < kLevelTitles.size(); ++i)
        if (std::string_view(kLevelTitles[i]) != game::kLevels[i].text) return false;
    return true;
}
static_assert(TitlesMatchLevels(), "a level's title changed in the level table");

QLabel* CentredLabel(QWidget* parent, const char* name, const QString& text, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(0, top, 157, 16);
    return label;
}
} // namespace

VictoryDialog::VictoryDialog(QWidget* owner, int level, const std::string& holder,
                             std::function<bool(const std::string&)> record)
    : QDialog(owner, kFixedDialog), record(std::move(record)) {
    SetUpFixedDialog(*this, "FormVictory", tr("Victory"), {157, 137});

    CentredLabel(this, "LabelYouHave", tr("You have the best result at"), 8);
    levelLabel = CentredLabel(this, "LabelLevel", tr("Novice level"), 26);
    levelLabel->setFont(GameFont(11, true));
    CentredLabel(this, "Label2", tr("Please enter your name."), 48);

    txtName = new QLineEdit(QStringLiteral("Bracken Fencing"), this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setAccessibleName(tr("Your name"));
    txtName->setGeometry(8, 66, 141, 21);

    cmdOK = NamedButton(this, "cmdOK", tr("OK"), {30, 96, 97, 33});
    // Enter in the name field must not close the dialog.
    cmdOK->setAutoDefault(false);
    cmdOK->setDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &VictoryDialog::OkClicked);
    setTabOrder(txtName, cmdOK);

    const auto graded = game::LevelNumbered(level);
    levelLabel->setText(
        graded ? QCoreApplication::translate(
                     "VictoryDialog", kLevelTitles[static_cast<std::size_t>(graded->number - 1)])
               : QString());
    txtName->setText(QString::fromStdString(holder));
}

void VictoryDialog::OkClicked() {
    if (!record || !record(txtName->text().toStdString())) {
        // The old record stays as it was; the player may try again or close without saving.
        QMessageBox::warning(this, windowTitle(),
                             tr("Your best result could not be saved. "
                                "The settings file may be read-only."));
        return;
    }
    accept();
}

} // namespace pistework::dialogs
