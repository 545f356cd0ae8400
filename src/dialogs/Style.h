#pragma once
// The one sans-serif face the game's windows use, by pixel size, so captions measure the same
// on every desktop whatever its default font.

#include <QFont>

namespace pistework::dialogs {

inline QFont GameFont(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace pistework::dialogs
