#include "Palette.h"
#include "Sprites.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace sprites {
namespace {

// One foil lying from its pommel at `grip` towards `point`, in a 100-unit square; `mark` is
// the fencer's colour on the pommel. Lines never get thinner than a pixel or so, so that the
// 16 px icon still shows two blades.
void DrawFoil(QPainter& painter, QPointF grip, QPointF point, QColor mark, qreal unit) {
    const QPointF along = (point - grip) / std::hypot(point.x() - grip.x(), point.y() - grip.y());
    const QPointF across(-along.y(), along.x());
    const QPointF guard = grip + along * 16;
    const QColor dark(30, 34, 52);

    QPen edge(dark, std::max(1.8 / unit, 3.6));
    edge.setCapStyle(Qt::RoundCap);
    painter.setPen(edge);
    painter.drawLine(guard, point);
    QPen steel(QColor(226, 232, 244), std::max(0.9 / unit, 1.6));
    steel.setCapStyle(Qt::RoundCap);
    painter.setPen(steel);
    painter.drawLine(guard, point - along * 2);

    QPen handle(dark, std::max(1.0 / unit, 7.0));
    handle.setCapStyle(Qt::RoundCap);
    painter.setPen(handle);
    painter.drawLine(grip, guard);
    painter.setPen(QPen(dark, std::max(0.6 / unit, 2.0)));
    painter.setBrush(mark);
    painter.drawEllipse(grip, 5.5, 5.5);

    // The bell guard, seen from the side: a dome over the hand, open towards the grip.
    QPainterPath bell;
    bell.moveTo(guard + across * 13);
    bell.quadTo(guard + along * 12, guard - across * 13);
    bell.closeSubpath();
    painter.setBrush(QColor(inkColours[Guard]));
    painter.drawPath(bell);
}

} // namespace

QImage RenderIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 100.0;
    painter.scale(unit, unit);

    painter.setPen(QPen(QColor(24, 64, 24), std::max(1.0 / unit, 3.0)));
    painter.setBrush(QColor(windowGreen));
    painter.drawRoundedRect(QRectF(3, 3, 94, 94), 18, 18);
    if (size >= 32) { // the piste is clutter at the smallest size
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 128, 0));
        painter.drawRect(QRectF(10, 74, 80, 12));
        painter.setBrush(QColor(255, 255, 0));
        painter.drawRect(QRectF(10, 74, 80, 2.5));
        painter.drawRect(QRectF(10, 83.5, 80, 2.5));
    }
    DrawFoil(painter, {18, 80}, {86, 12}, QColor(inkColours[SideRed]), unit);
    DrawFoil(painter, {82, 80}, {14, 12}, QColor(inkColours[SideGreen]), unit);
    return icon;
}

} // namespace sprites
