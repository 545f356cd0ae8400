// SPDX-License-Identifier: GPL-3.0-or-later
// A tiny indexed-colour rasteriser. Pictures are built from filled shapes (capsules,
// ellipses, polygons) each painted with a one-pixel outline, back to front, so that
// overlapping limbs stay readable at the game's 1:1 scale.
#pragma once

#include "Palette.h"

#include <cstdint>
#include <vector>

namespace sprites {

struct Vec {
    float x = 0, y = 0;
};

inline Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec operator*(Vec a, float k) {
    return {a.x * k, a.y * k};
}
float Length(Vec v);
Vec Normalised(Vec v);
Vec Rotated(Vec v,
            float degrees); // positive turns from +x towards -y (counter-clockwise on screen)

// Pixel (x, y) covers [x, x+1) x [y, y+1); shapes test the pixel centre. The canvas keeps a
// margin round the picture so that anything drawn outside it can be detected, not lost.
class Canvas {
public:
    Canvas(int width, int height, int margin);

    int Width() const { return width; }
    int Height() const { return height; }
    int Margin() const { return margin; }
    Ink At(int x, int y) const;
    void Set(int x, int y, Ink ink);
    bool Inside(int x, int y) const;

private:
    int width, height, margin;
    std::vector<Ink> pixels;
};

class Mask {
public:
    explicit Mask(const Canvas& canvas);

    void AddCapsule(Vec a, Vec b, float radius) { AddCapsule(a, b, radius, radius); }
    // A limb: thicker at `a` than at `b`, rounded at both ends.
    void AddCapsule(Vec a, Vec b, float radiusA, float radiusB);
    void AddDisc(Vec centre, float radius) { AddCapsule(centre, centre, radius); }
    void AddEllipse(Vec centre, float rx, float ry, float degrees = 0);
    void AddPolygon(const std::vector<Vec>& points);
    void Intersect(const Mask& other);

    bool Has(int x, int y) const;

    // Paints the shape in `fill`, ringed by `outline` unless that is Clear.
    void Paint(Canvas& canvas, Ink fill, Ink outline = Outline) const;

private:
    int left, top, width, height;
    std::vector<std::uint8_t> bits;
    std::uint8_t& Bit(int x, int y) { return bits[(y - top) * width + (x - left)]; }
};

// A one-pixel line whose last pixel ends at `to`, `to` being a pixel edge: a blade ending at
// x = 115 going right fills column 114 last.
void DrawLine(Canvas& canvas, Vec from, Vec to, Ink ink);

} // namespace sprites
