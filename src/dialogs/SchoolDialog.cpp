// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/SchoolDialog.h"

#include "dialogs/Style.h"

#include <QLabel>
#include <QListWidget>

namespace pistework::dialogs {

namespace school = game::school;

namespace {
QString Tr(std::string_view text) {
    return QCoreApplication::translate("School", text.data());
}
} // namespace

SchoolDialog::SchoolDialog(QWidget* owner, school::Passed passed) : QDialog(owner, kFixedDialog) {
    SetUpFixedDialog(*this, "FormSchool", tr("Fencing School"), {460, 400});
    auto* intro = new QLabel(tr("Each lesson runs on the piste against a fencer held to a "
                                "script. Pass one and the next opens."),
                             this);
    intro->setObjectName(QStringLiteral("lblSchool"));
    intro->setWordWrap(true);
    intro->setGeometry(10, 6, 440, 34);
    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("lstLessons"));
    list->setGeometry(10, 44, 440, 306);
    list->setWordWrap(true);
    list->setAccessibleName(tr("Lessons"));
    int first = -1;
    for (int i = 0; i < school::kLessonCount; ++i) {
        const school::Lesson& lesson = school::kLessons[static_cast<std::size_t>(i)];
        const bool done = (passed >> i) & 1u;
        const bool open = school::IsOpen(passed, i);
        const QString state = done   ? tr("passed")
                              : open ? tr("not yet passed")
                                     : tr("opens when the one before is passed");
        auto* item = new QListWidgetItem(
            tr("%1. %2 (%3)\n%4").arg(i + 1).arg(Tr(lesson.title), state, Tr(lesson.about)), list);
        if (!open) item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
        if (open && !done && first < 0) first = i;
    }
    list->setCurrentRow(first < 0 ? 0 : first);
    QPushButton* begin = NamedButton(this, "cmdBegin", tr("&Begin"), {270, 358, 86, 32});
    begin->setDefault(true);
    connect(begin, &QPushButton::clicked, this, [this] {
        if (Chosen()) accept();
    });
    connect(list, &QListWidget::itemActivated, this, [this] {
        if (Chosen()) accept();
    });
    QPushButton* close = NamedButton(this, "cmdClose", tr("&Close"), {364, 358, 86, 32});
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<int> SchoolDialog::Chosen() const {
    const QListWidgetItem* item = list->currentItem();
    if (!item || !(item->flags() & Qt::ItemIsEnabled)) return std::nullopt;
    return list->row(item);
}

std::optional<int> AskLesson(QWidget* owner, school::Passed passed) {
    SchoolDialog dialog(owner, passed);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Chosen();
}

} // namespace pistework::dialogs
