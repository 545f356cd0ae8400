// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The static texts of the help and about dialogs: word-wrapped, on the dialog's own
// background, placed by pixel like the rest of the game's windows.

#include <QLabel>
#include <QString>

namespace pistework::dialogs {

inline QLabel* WrappedLabel(QWidget* parent, const char* name, const QString& text,
                            const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setGeometry(geometry);
    return label;
}

} // namespace pistework::dialogs
