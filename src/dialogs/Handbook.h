// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The handbook: how to play, the keys, the referee's calls, the lamps and cards, the levels and
// where the game keeps its files, as one HTML page with the game's own pictures. The window
// shows it and the build installs it, from this one source.

#include <QCoreApplication>
#include <QImage>
#include <QString>

#include <string>
#include <vector>

namespace pistework::dialogs {

class Handbook {
    Q_DECLARE_TR_FUNCTIONS(Handbook)
public:
    // What differs between one player's handbook and another's.
    struct Facts {
        std::u32string keysLeft;
        std::u32string keysRight;
        QString settingsFile;
    };

    // A picture the page shows, by the file name its <img> refers to.
    struct Picture {
        QString fileName;
        QImage image;
    };

    static QString Html(const Facts& facts);
    // Every picture Html() refers to, drawn at twice the sprite's size.
    static std::vector<Picture> Pictures();
};

} // namespace pistework::dialogs
