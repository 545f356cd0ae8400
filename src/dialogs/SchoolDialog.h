// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fencing school's list of lessons: each with its title, whether it was passed and what it
// teaches. A lesson opens once the one before it is passed; Begin, Enter or a double click
// starts the one chosen.

#include "game/school/Lessons.h"

#include <QDialog>

#include <optional>

class QListWidget;

namespace pistework::dialogs {

class SchoolDialog : public QDialog {
    Q_OBJECT
public:
    SchoolDialog(QWidget* owner, game::school::Passed passed);
    // The lesson chosen, by its index in the list.
    std::optional<int> Chosen() const;

private:
    QListWidget* list = nullptr;
};

// The lesson the player begins, or none when the list was closed.
std::optional<int> AskLesson(QWidget* owner, game::school::Passed passed);

} // namespace pistework::dialogs
