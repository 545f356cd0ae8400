// SPDX-License-Identifier: GPL-3.0-or-later
#include "Raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sprites {

float Length(Vec v) {
    return std::hypot(v.x, v.y);
}

Vec Normalised(Vec v) {
    const float l = Length(v);
    return l > 0 ? v * (1 / l) : Vec{1, 0};
}

Vec Rotated(Vec v, float degrees) {
    const float a = degrees * std::numbers::pi_v<float> / 180;
    const float c = std::cos(a), s = std::sin(a);
    return {v.x * c + v.y * s, -v.x * s + v.y * c};
}

Canvas::Canvas(int width, int height, int margin)
    : width(width), height(height), margin(margin),
      pixels(static_cast<std::size_t>((width + 2 * margin) * (height + 2 * margin)), Clear) {}

bool Canvas::Inside(int x, int y) const {
    return x >= -margin && y >= -margin && x < width + margin && y < height + margin;
}

Ink Canvas::At(int x, int y) const {
    if (!Inside(x, y)) return Clear;
    return pixels[static_cast<std::size_t>((y + margin) * (width + 2 * margin) + x + margin)];
}

void Canvas::Set(int x, int y, Ink ink) {
    if (Inside(x, y))
        pixels[static_cast<std::size_t>((y + margin) * (width + 2 * margin) + x + margin)] = ink;
}

Mask::Mask(const Canvas& canvas)
    : left(-canvas.Margin()), top(-canvas.Margin()), width(canvas.Width() + 2 * canvas.Margin()),
      height(canvas.Height() + 2 * canvas.Margin()),
      bits(static_cast<std::size_t>(width * height), 0) {}

bool Mask::Has(int x, int y) const {
    if (x < left || y < top || x >= left + width || y >= top + height) return false;
    return bits[static_cast<std::size_t>((y - top) * width + (x - left))] != 0;
}

namespace {

// Distance from p to the segment ab, and how far along it the nearest point lies.
float SegmentDistance(Vec p, Vec a, Vec b, float& along) {
    const Vec ab = b - a, ap = p - a;
    const float len2 = ab.x * ab.x + ab.y * ab.y;
    along = std::clamp(len2 > 0 ? (ap.x * ab.x + ap.y * ab.y) / len2 : 0.0f, 0.0f, 1.0f);
    return Length(p - (a + ab * along));
}

} // namespace

void Mask::AddCapsule(Vec a, Vec b, float radiusA, float radiusB) {
    const float radius = std::max(radiusA, radiusB);
    const int x0 = static_cast<int>(std::floor(std::min(a.x, b.x) - radius - 1));
    const int x1 = static_cast<int>(std::ceil(std::max(a.x, b.x) + radius + 1));
    const int y0 = static_cast<int>(std::floor(std::min(a.y, b.y) - radius - 1));
    const int y1 = static_cast<int>(std::ceil(std::max(a.y, b.y) + radius + 1));
    for (int y = std::max(y0, top); y <= std::min(y1, top + height - 1); ++y)
        for (int x = std::max(x0, left); x <= std::min(x1, left + width - 1); ++x) {
            float along = 0;
            const float d = SegmentDistance({x + 0.5f, y + 0.5f}, a, b, along);
            if (d <= radiusA + (radiusB - radiusA) * along) Bit(x, y) = 1;
        }
}

void Mask::AddEllipse(Vec centre, float rx, float ry, float degrees) {
    const Vec u = Rotated({1, 0}, degrees), v = Rotated({0, 1}, degrees);
    const float r = std::max(rx, ry) + 1;
    for (int y = std::max(static_cast<int>(centre.y - r), top);
         y <= std::min(static_cast<int>(centre.y + r), top + height - 1); ++y)
        for (int x = std::max(static_cast<int>(centre.x - r), left);
             x <= std::min(static_cast<int>(centre.x + r), left + width - 1); ++x) {
            const Vec d = Vec{x + 0.5f, y + 0.5f} - centre;
            const float a = (d.x * u.x + d.y * u.y) / rx, b = (d.x * v.x + d.y * v.y) / ry;
            if (a * a + b * b <= 1) Bit(x, y) = 1;
        }
}

void Mask::AddPolygon(const std::vector<Vec>& points) {
    if (points.size() < 3) return;
    float minY = points[0].y, maxY = points[0].y;
    for (const Vec& p : points)
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    for (int y = std::max(static_cast<int>(std::floor(minY)), top);
         y <= std::min(static_cast<int>(std::ceil(maxY)), top + height - 1); ++y) {
        const float cy = y + 0.5f;
        std::vector<float> crossings;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Vec a = points[i], b = points[(i + 1) % points.size()];
            if ((a.y <= cy) != (b.y <= cy))
                crossings.push_back(a.x + (cy - a.y) / (b.y - a.y) * (b.x - a.x));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
            for (int x = std::max(static_cast<int>(std::ceil(crossings[i] - 0.5f)), left);
                 x + 0.5f <= crossings[i + 1] && x < left + width; ++x)
                Bit(x, y) = 1;
    }
}

void Mask::Intersect(const Mask& other) {
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            if (!other.Has(x, y)) Bit(x, y) = 0;
}

void Mask::Paint(Canvas& canvas, Ink fill, Ink outline) const {
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) {
            if (Has(x, y)) {
                canvas.Set(x, y, fill);
            } else if (outline != Clear &&
                       (Has(x - 1, y) || Has(x + 1, y) || Has(x, y - 1) || Has(x, y + 1))) {
                canvas.Set(x, y, outline);
            }
        }
}

void DrawLine(Canvas& canvas, Vec from, Vec to, Ink ink) {
    // Pull the end half a pixel back so that `to` is the far edge of the last pixel.
    const Vec d = to - from;
    const Vec end = to - Vec{d.x > 0   ? 0.5f
                             : d.x < 0 ? -0.5f
                                       : 0,
                             d.y > 0   ? 0.5f
                             : d.y < 0 ? -0.5f
                                       : 0};
    const Vec span = end - from;
    const int steps =
        std::max(1, static_cast<int>(std::ceil(std::max(std::abs(span.x), std::abs(span.y)))));
    for (int i = 0; i <= steps; ++i) {
        const Vec p = from + span * (static_cast<float>(i) / steps);
        canvas.Set(static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y)), ink);
    }
}

} // namespace sprites
