#include "dialogs/VictoryDialog.h"

#include "dialogs/Style.h"
#include "game/Levels.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace pistework::dialogs {

namespace {
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
    SetUpFixedDialog(*this, "FormVictory", QStringLiteral("Victory"), {157, 137});

    CentredLabel(this, "LabelYouHave", QStringLiteral("You have the best result at"), 8);
    levelLabel = CentredLabel(this, "LabelLevel", QStringLiteral("Novice level"), 26);
    levelLabel->setFont(GameFont(11, true));
    CentredLabel(this, "Label2", QStringLiteral("Please enter your name."), 48);

    txtName = new QLineEdit(QStringLiteral("Bracken Fencing"), this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setAccessibleName(QStringLiteral("Your name"));
    txtName->setGeometry(8, 66, 141, 21);

    cmdOK = NamedButton(this, "cmdOK", QStringLiteral("OK"), {30, 96, 97, 33});
    // Enter in the name field must not close the dialog.
    cmdOK->setAutoDefault(false);
    cmdOK->setDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &VictoryDialog::OkClicked);
    setTabOrder(txtName, cmdOK);

    const auto graded = game::LevelNumbered(level);
    const std::string_view text = graded ? graded->text : std::string_view{};
    levelLabel->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    txtName->setText(QString::fromStdString(holder));
}

void VictoryDialog::OkClicked() {
    if (!record || !record(txtName->text().toStdString())) {
        // The old record stays as it was; the player may try again or close without saving.
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Your best result could not be saved. "
                                            "The settings file may be read-only."));
        return;
    }
    accept();
}

} // namespace pistework::dialogs
