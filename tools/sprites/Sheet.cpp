// SPDX-License-Identifier: GPL-3.0-or-later
#include "Palette.h"
#include "Sprites.h"

#include <QPainter>

#include <algorithm>
#include <map>

namespace sprites {
namespace {

constexpr int scale = 3;
constexpr int cellWidth = 150 * scale + 12, cellHeight = 100 * scale + 36;
constexpr int columns = 6; // three base names a row, "A" beside "B"

// A 5 x 7 pixel font, so that the sheet needs no font installed on the build machine.
const std::map<char, const char*>& Glyphs() {
    static const std::map<char, const char*> glyphs = {
        {'A', ".###.#...##...#######...##...##...#"}, {'B', "####.#...#####.#...##...##...#####."},
        {'C', ".###.#...##....#....#....#...#.###."}, {'D', "####.#...##...##...##...##...#####."},
        {'E', "######....####.#....#....#....#####"}, {'F', "######....####.#....#....#....#...."},
        {'G', ".###.#...##....#.####...##...#.####"}, {'H', "#...##...#######...##...##...##...#"},
        {'I', ".###...#....#....#....#....#...###."}, {'J', "..###...#....#....#....#.#..#..##.."},
        {'K', "#...##..#.###..#.#..#..#.#...##...#"}, {'L', "#....#....#....#....#....#....#####"},
        {'M', "#...###.###.#.##...##...##...##...#"}, {'N', "#...###..##.#.##..###...##...##...#"},
        {'O', ".###.#...##...##...##...##...#.###."}, {'P', "####.#...##...#####.#....#....#...."},
        {'Q', ".###.#...##...##...##.#.##..#..##.#"}, {'R', "####.#...##...#####.#.#..#..#.#...#"},
        {'S', ".#####....#.....###.....#....#####."}, {'T', "#####..#....#....#....#....#....#.."},
        {'U', "#...##...##...##...##...##...#.###."}, {'V', "#...##...##...##...##...#.#.#...#.."},
        {'W', "#...##...##...##.#.##.#.##.#.#.#.#."}, {'X', "#...##...#.#.#...#...#.#.#...##...#"},
        {'Y', "#...##...#.#.#...#....#....#....#.."}, {'Z', "#####....#...#...#...#...#....#####"},
        {'0', ".###.#...##..###.#.###..##...#.###."}, {'1', "..#...##....#....#....#....#...###."},
        {'2', ".###.#...#....#...#...#...#...#####"}, {'3', "#####...#...#.....#.....##...#.###."},
        {'4', "...#...##..#.#.#..#.#####...#....#."}, {'5', "######....####.....#....##...#.###."},
        {'6', "..##..#...#....####.#...##...#.###."}, {'7', "#####....#...#...#...#....#....#..."},
        {'8', ".###.#...##...#.###.#...##...#.###."}, {'9', ".###.#...##...#.####....#...#..##.."},
        {'x', "..........#...#.#.#...#...#.#.#...#"}, {' ', "..................................."},
    };
    return glyphs;
}

void DrawText(QImage& image, int x, int y, const QString& text, QRgb colour, int size) {
    for (const QChar ch : text) {
        const auto it = Glyphs().find(static_cast<char>(ch.toLatin1()));
        if (it != Glyphs().end())
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < 5; ++col)
                    if (it->second[row * 5 + col] == '#')
                        for (int dy = 0; dy < size; ++dy)
                            for (int dx = 0; dx < size; ++dx) {
                                const int px = x + col * size + dx, py = y + row * size + dy;
                                if (image.rect().contains(px, py)) image.setPixel(px, py, colour);
                            }
        x += 6 * size;
    }
}

} // namespace

QImage RenderContactSheet(const std::vector<Picture>& pictures) {
    const int rows = static_cast<int>((pictures.size() + columns - 1) / columns);
    QImage sheet(columns * cellWidth, rows * cellHeight, QImage::Format_RGB32);
    sheet.fill(windowGreen);
    QPainter painter(&sheet);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const int x = static_cast<int>(i % columns) * cellWidth + 6;
        const int y = static_cast<int>(i / columns) * cellHeight + 6;
        const QImage& picture = pictures[i].image;
        // The 150 x 100 image control, and inside it the picture's own extent.
        painter.setPen(QColor(48, 100, 48));
        painter.drawRect(x - 1, y - 1, 150 * scale + 1, 100 * scale + 1);
        painter.setPen(QColor(24, 64, 24));
        painter.drawRect(x - 1, y - 1, picture.width() * scale + 1, picture.height() * scale + 1);
        painter.drawImage(QRect(x, y, picture.width() * scale, picture.height() * scale),
                          picture.convertToFormat(QImage::Format_ARGB32));
    }
    painter.end();
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const QImage& picture = pictures[i].image;
        DrawText(sheet, static_cast<int>(i % columns) * cellWidth + 6,
                 static_cast<int>(i / columns) * cellHeight + 12 + 100 * scale,
                 pictures[i].name + " " + QString::number(picture.width()) + "x" +
                     QString::number(picture.height()),
                 qRgb(255, 255, 255), 3);
    }
    return sheet;
}

} // namespace sprites
