// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Handbook": the whole handbook in a window the player can resize and scroll, with the keys
// as they are set now.

#include "dialogs/Handbook.h"

#include <QDialog>

class QTextBrowser;

namespace pistework::dialogs {

class HandbookDialog : public QDialog {
    Q_OBJECT
public:
    HandbookDialog(QWidget* owner, const Handbook::Facts& facts);
    QTextBrowser* Browser() const { return browser; }

private:
    QTextBrowser* browser;
};

} // namespace pistework::dialogs
