// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one sans-serif face the game's windows use, by pixel size, so captions measure the same
// on every desktop whatever its default font.

#include <QCoreApplication>
#include <QDialog>
#include <QFont>
#include <QPushButton>
#include <QRect>
#include <QSize>
#include <QString>

namespace pistework::dialogs {

inline QFont GameFont(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Every dialog of the game: a title and a close box, and a size its texts were laid out for.
inline constexpr Qt::WindowFlags kFixedDialog =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

inline void SetUpFixedDialog(QDialog& dialog, const char* name, const QString& title, QSize size) {
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setWindowTitle(title);
    dialog.setFixedSize(size);
    dialog.setFont(GameFont(11));
}

inline QPushButton* NamedButton(QWidget* parent, const char* name, const QString& text,
                                const QRect& geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

// The one button of a dialog that only shows something: Enter or a click closes it.
inline QPushButton* CloseButton(QDialog& dialog, const QRect& geometry) {
    QPushButton* button =
        NamedButton(&dialog, "cmdOK", QCoreApplication::translate("Dialogs", "&Close"), geometry);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
    return button;
}

} // namespace pistework::dialogs
