#pragma once
// "Help & Hints": how a bout is won and how to fence it, in a few sentences.

#include <QDialog>

namespace pistework::dialogs {

class TFormHelp : public QDialog {
    Q_OBJECT
public:
    explicit TFormHelp(QWidget* owner);
};

} // namespace pistework::dialogs
