// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asks the winner's name for a new best result at a graded level. The game decides that the
// win is a record and stores it; the dialog only hands over the name.

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pistework::dialogs {

class VictoryDialog : public QDialog {
    Q_OBJECT
public:
    // `record` stores the name given and says whether the store took it; `holder`, the name on
    // the record so far, is offered for editing.
    VictoryDialog(QWidget* owner, int level, const std::string& holder,
                  std::function<bool(const std::string&)> record);
    void OkClicked();

private:
    std::function<bool(const std::string&)> record;
    QLabel* levelLabel;
    QLineEdit* txtName;
    QPushButton* cmdOK;
};

} // namespace pistework::dialogs
