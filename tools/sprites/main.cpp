// SPDX-License-Identifier: GPL-3.0-or-later
// spritegen: draws every picture of the game.
//
//   spritegen OUTDIR          the 80 pictures as OUTDIR/<NAME>.png, the icons as
//                             OUTDIR/icon-<size>.png and OUTDIR/icon.svg, and OUTDIR/sprites.qrc
//                             listing them
//   spritegen --sheet FILE    a contact sheet of all pictures, three times their size

#include "Sprites.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSaveFile>

#include <cstdio>
#include <cstring>

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "spritegen: %s\n", qPrintable(message));
    return 1;
}

bool WriteIfChanged(const QString& path, const QByteArray& contents) {
    // Leave an unchanged file alone so that its time stamp does not trigger a rebuild.
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == contents) return true;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() &&
           file.commit();
}

QByteArray Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && !(argc == 3 && std::strcmp(argv[1], "--sheet") == 0))
        return Fail("usage: spritegen OUTDIR | spritegen --sheet FILE.png");

    std::vector<std::string> problems;
    const std::vector<sprites::Picture> pictures = sprites::RenderPictures(problems);
    for (const std::string& problem : problems)
        std::fprintf(stderr, "spritegen: %s\n", problem.c_str());

    if (argc == 3) {
        const QImage sheet = sprites::RenderContactSheet(pictures);
        if (!sheet.save(QString::fromLocal8Bit(argv[2]), "PNG"))
            return Fail(QString("cannot write %1").arg(argv[2]));
        return problems.empty() ? 0 : 1;
    }
    if (!problems.empty()) return 1;

    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) return Fail("cannot create " + dir.path());

    QByteArray qrc = "<RCC>\n  <qresource prefix=\"/sprites\">\n";
    for (const sprites::Picture& picture : pictures) {
        if (!WriteIfChanged(dir.filePath(picture.name + ".png"), Png(picture.image)))
            return Fail("cannot write " + dir.filePath(picture.name + ".png"));
        qrc += "    <file alias=\"" + picture.name.toUtf8() + "\">" + picture.name.toUtf8() +
               ".png</file>\n";
    }
    qrc += "  </qresource>\n  <qresource prefix=\"/icons\">\n";
    for (const int size : sprites::iconSizes) {
        const QString name = QString("icon-%1.png").arg(size);
        if (!WriteIfChanged(dir.filePath(name), Png(sprites::RenderIcon(size))))
            return Fail("cannot write " + dir.filePath(name));
        qrc += QString("    <file alias=\"pistework-%1\">%2</file>\n").arg(size).arg(name).toUtf8();
    }
    if (!WriteIfChanged(dir.filePath("icon.svg"), sprites::RenderIconSvg()))
        return Fail("cannot write " + dir.filePath("icon.svg"));
    qrc += "  </qresource>\n</RCC>\n";
    if (!WriteIfChanged(dir.filePath("sprites.qrc"), qrc))
        return Fail("cannot write " + dir.filePath("sprites.qrc"));
    return 0;
}
