// SPDX-License-Identifier: GPL-3.0-or-later
// handbookgen <folder>: writes the handbook as <folder>/index.html, in English with the
// default keys, and the pictures it shows beside it.

#include "dialogs/Handbook.h"
#include "game/player/Options.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: handbookgen <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "handbookgen: cannot make %s\n", argv[1]);
        return 1;
    }
    using pistework::dialogs::Handbook;
    const pistework::game::BoutOptions defaults;
    // Where the player's file lies on a usual desktop; the window names the real one.
    const Handbook::Facts facts{
        defaults.keysLeft, defaults.keysRight,
        QStringLiteral("~/.config/Brackenmoor Fencing Association/Pistework.conf")};
    for (const Handbook::Picture& picture : Handbook::Pictures()) {
        if (picture.image.isNull() ||
            !picture.image.save(folder + u'/' + picture.fileName, "PNG")) {
            std::fprintf(stderr, "handbookgen: cannot write %s\n", qPrintable(picture.fileName));
            return 1;
        }
    }
    QFile page(folder + QStringLiteral("/index.html"));
    if (!page.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        page.write(Handbook::Html(facts).toUtf8()) < 0) {
        std::fprintf(stderr, "handbookgen: cannot write index.html\n");
        return 1;
    }
    return 0;
}
