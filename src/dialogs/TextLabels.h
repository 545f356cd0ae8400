// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The static texts of the help and about dialogs: word-wrapped, on the dialog's own
// background, placed by pixel like the rest of the game's windows.

#include <QLabel>
#include <QRect>
#include <QString>

#include <string_view>

namespace pistework::dialogs {

// One text of a dialog, as the dialog is built from it, top to bottom: its label's name, its
// English text, marked for translation in the dialog's own context ("" for a blank line), and
// where it stands. A link shows its web address, never translated, in place of a text.
struct PlacedText {
    const char* name;
    const char* text;
    QRect geometry;
    std::string_view link = {};
};

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
