#pragma once
// The one sans-serif face the game's windows use, by pixel size, so captions measure the same
// on every desktop whatever its default font.

#include <QDialog>
#include <QFont>
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

} // namespace pistework::dialogs
