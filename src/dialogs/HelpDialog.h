// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Help & Hints": how a bout is won and how to fence it, in a few sentences.

#include "dialogs/TextLabels.h"

#include <QDialog>

#include <array>

namespace pistework::dialogs {

class HelpDialog : public QDialog {
    Q_OBJECT
public:
    explicit HelpDialog(QWidget* owner);

    // Its texts, top to bottom, as it is built from them.
    static const std::array<PlacedText, 8> kTexts;
};

} // namespace pistework::dialogs
