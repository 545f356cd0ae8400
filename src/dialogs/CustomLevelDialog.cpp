// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CustomLevelDialog.h"

#include "dialogs/Style.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace pistework::dialogs {

namespace {
QLabel* BarLabel(QWidget* parent, const char* name, const QString& text, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(12, top, 194, 16);
    return label;
}

// A bar is read by the caption above it, its buddy.
QScrollBar* PositionBar(QWidget* parent, const char* name, QLabel* caption, int top) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(name));
    caption->setBuddy(bar);
    bar->setRange(0, game::kLastCustomPosition);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    // The bars are the dialog's inputs: they take focus and answer the arrow keys. A scroll
    // bar turns its keys round by default (Left raises the value); here Left must move left.
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setInvertedControls(false);
    bar->setGeometry(12, top, 194, 17);
    return bar;
}

} // namespace

CustomLevelDialog::CustomLevelDialog(QWidget* owner) : QDialog(owner, kFixedDialog) {
    SetUpFixedDialog(*this, "FormSettings", tr("Settings"), {234, 158});

    // An etched groove round the bars: a lowered outer and a raised inner edge.
    auto* fraMain = new QFrame(this);
    fraMain->setObjectName(QStringLiteral("fraMain"));
    fraMain->setFrameStyle(QFrame::Box | QFrame::Sunken);
    fraMain->setLineWidth(1);
    fraMain->setMidLineWidth(0);
    fraMain->setGeometry(8, 8, 218, 106);

    scrSpeed = PositionBar(fraMain, "scrSpeed", BarLabel(fraMain, "lblSpeed", tr("Speed"), 10), 30);
    scrReaction = PositionBar(fraMain, "scrReaction",
                              BarLabel(fraMain, "lblReactionTime", tr("Reaction Time"), 58), 78);

    auto* cmdOK = NamedButton(this, "cmdOK", tr("&OK"), {33, 124, 80, 25});
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    auto* cmdCancel = NamedButton(this, "cmdCancel", tr("&Cancel"), {121, 124, 80, 25});
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(scrSpeed, scrReaction);
    setTabOrder(scrReaction, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
}

void CustomLevelDialog::SetPositions(game::CustomPositions positions) {
    scrSpeed->setValue(positions.speed);
    scrReaction->setValue(positions.reaction);
}

game::CustomPositions CustomLevelDialog::Positions() const {
    return {scrSpeed->value(), scrReaction->value()};
}

std::optional<game::Strength> AskCustomStrength(QWidget* owner, const game::Strength& inPlay) {
    CustomLevelDialog dialog(owner);
    dialog.SetPositions(game::PositionsFor(inPlay));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return game::StrengthAt(dialog.Positions());
}

} // namespace pistework::dialogs
