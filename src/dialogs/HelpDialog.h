// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Help & Hints": how a bout is won and how to fence it, in a few sentences.

#include <QDialog>

namespace pistework::dialogs {

class HelpDialog : public QDialog {
    Q_OBJECT
public:
    explicit HelpDialog(QWidget* owner);
};

} // namespace pistework::dialogs
