// SPDX-License-Identifier: GPL-3.0-or-later
#include "Palette.h"
#include "Sprites.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace sprites {
namespace {

// What the icon is drawn with, so that the PNGs and the SVG come from one drawing.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void Line(QPointF from, QPointF to, const QPen& pen) = 0;
    // A rectangle, its corners rounded by `radius` units when it is not 0.
    virtual void Rect(const QRectF& rect, qreal radius, const QPen& pen, const QColor& fill) = 0;
    virtual void Circle(QPointF centre, qreal radius, const QPen& pen, const QColor& fill) = 0;
    virtual void Shape(const QPainterPath& path, const QPen& pen, const QColor& fill) = 0;
};

class PainterCanvas final : public Canvas {
public:
    explicit PainterCanvas(QPainter& painter) : painter(painter) {}
    void Line(QPointF from, QPointF to, const QPen& pen) override {
        painter.setPen(pen);
        painter.drawLine(from, to);
    }
    void Rect(const QRectF& rect, qreal radius, const QPen& pen, const QColor& fill) override {
        Use(pen, fill);
        if (radius > 0) {
            painter.drawRoundedRect(rect, radius, radius);
        } else {
            painter.drawRect(rect);
        }
    }
    void Circle(QPointF centre, qreal radius, const QPen& pen, const QColor& fill) override {
        Use(pen, fill);
        painter.drawEllipse(centre, radius, radius);
    }
    void Shape(const QPainterPath& path, const QPen& pen, const QColor& fill) override {
        Use(pen, fill);
        painter.drawPath(path);
    }

private:
    void Use(const QPen& pen, const QColor& fill) {
        painter.setPen(pen);
        painter.setBrush(fill);
    }
    QPainter& painter;
};

// Writes each shape as an SVG element in the icon's 100-unit square.
class SvgCanvas final : public Canvas {
public:
    void Line(QPointF from, QPointF to, const QPen& pen) override {
        body += QString("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" fill=\"none\"%5/>\n")
                    .arg(from.x())
                    .arg(from.y())
                    .arg(to.x())
                    .arg(to.y())
                    .arg(Stroke(pen));
    }
    void Rect(const QRectF& rect, qreal radius, const QPen& pen, const QColor& fill) override {
        body += QString("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"%6%7/>\n")
                    .arg(rect.x())
                    .arg(rect.y())
                    .arg(rect.width())
                    .arg(rect.height())
                    .arg(radius)
                    .arg(Fill(fill), Stroke(pen));
    }
    void Circle(QPointF centre, qreal radius, const QPen& pen, const QColor& fill) override {
        body += QString("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\"%4%5/>\n")
                    .arg(centre.x())
                    .arg(centre.y())
                    .arg(radius)
                    .arg(Fill(fill), Stroke(pen));
    }
    void Shape(const QPainterPath& path, const QPen& pen, const QColor& fill) override {
        QString data;
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            const QString point = QString(" %1 %2").arg(e.x).arg(e.y);
            if (e.isMoveTo()) {
                data += (data.isEmpty() ? "M" : " M") + point;
            } else if (e.isLineTo()) {
                data += " L" + point;
            } else if (e.isCurveTo()) {
                data += " C" + point;
            } else {
                data += point; // the curve's further control points
            }
        }
        body += QString("  <path d=\"%1 Z\"%2%3/>\n").arg(data, Fill(fill), Stroke(pen));
    }
    QByteArray Text() const {
        return ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                "<!-- SPDX-License-Identifier: GPL-3.0-or-later -->\n"
                "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                "viewBox=\"0 0 100 100\">\n" +
                body + "</svg>\n")
            .toUtf8();
    }

private:
    static QString Fill(const QColor& fill) {
        return QString(" fill=\"%1\"").arg(fill.alpha() == 0 ? "none" : fill.name());
    }
    static QString Stroke(const QPen& pen) {
        if (pen.style() == Qt::NoPen) return QStringLiteral(" stroke=\"none\"");
        // QPen's own defaults: square ends, bevelled corners.
        return QString(" stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"%3\" "
                       "stroke-linejoin=\"bevel\"")
            .arg(pen.color().name())
            .arg(pen.widthF())
            .arg(pen.capStyle() == Qt::RoundCap ? "round" : "square");
    }
    QString body;
};

QPen RoundPen(QColor colour, qreal width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// One foil lying from its pommel at `grip` towards `point`, in a 100-unit square; `mark` is
// the fencer's colour on the pommel. Lines never get thinner than a pixel or so, so that the
// 16 px icon still shows two blades.
void DrawFoil(Canvas& canvas, QPointF grip, QPointF point, QColor mark, qreal unit) {
    const QPointF along = (point - grip) / std::hypot(point.x() - grip.x(), point.y() - grip.y());
    const QPointF across(-along.y(), along.x());
    const QPointF guard = grip + along * 16;
    const QColor dark(30, 34, 52);

    canvas.Line(guard, point, RoundPen(dark, std::max(1.8 / unit, 3.6)));
    canvas.Line(guard, point - along * 2,
                RoundPen(QColor(226, 232, 244), std::max(0.9 / unit, 1.6)));
    canvas.Line(grip, guard, RoundPen(dark, std::max(1.0 / unit, 7.0)));
    const QPen edge(dark, std::max(0.6 / unit, 2.0));
    canvas.Circle(grip, 5.5, edge, mark);

    // The bell guard, seen from the side: a dome over the hand, open towards the grip.
    QPainterPath bell;
    bell.moveTo(guard + across * 13);
    bell.quadTo(guard + along * 12, guard - across * 13);
    bell.closeSubpath();
    canvas.Shape(bell, edge, QColor(inkColours[Guard]));
}

// The icon as it looks `size` pixels wide.
void DrawIcon(Canvas& canvas, int size) {
    const qreal unit = size / 100.0;
    canvas.Rect(QRectF(3, 3, 94, 94), 18, QPen(QColor(24, 64, 24), std::max(1.0 / unit, 3.0)),
                QColor(windowGreen));
    if (size >= 32) { // the piste is clutter at the smallest size
        const QColor yellow(255, 255, 0);
        canvas.Rect(QRectF(10, 74, 80, 12), 0, Qt::NoPen, QColor(0, 128, 0));
        canvas.Rect(QRectF(10, 74, 80, 2.5), 0, Qt::NoPen, yellow);
        canvas.Rect(QRectF(10, 83.5, 80, 2.5), 0, Qt::NoPen, yellow);
    }
    DrawFoil(canvas, {18, 80}, {86, 12}, QColor(inkColours[SideRed]), unit);
    DrawFoil(canvas, {82, 80}, {14, 12}, QColor(inkColours[SideGreen]), unit);
}

} // namespace

QImage RenderIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);
    PainterCanvas canvas(painter);
    DrawIcon(canvas, size);
    return icon;
}

QByteArray RenderIconSvg() {
    SvgCanvas canvas;
    DrawIcon(canvas, iconSizes[std::size(iconSizes) - 1]);
    return canvas.Text();
}

} // namespace sprites
