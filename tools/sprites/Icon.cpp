#include "Palette.h"
#include "Sprites.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace sprites {
namespace {

// One foil lying from its pommel at `grip` towards `point`, in a 100-unit square.
void DrawFoil(QPainter& painter, QPointF grip, QPointF point, qreal unit) {
    const QPointF along = (point - grip) / std::hypot(point.x() - grip.x(), point.y() - grip.y());
    const QPointF across(-along.y(), along.x());
    const QPointF guard = grip + along * 16;

    QPen blade(QColor(30, 34, 52), std::max(1.0 / unit, 3.2));
    blade.setCapStyle(Qt::RoundCap);
    painter.setPen(blade);
    painter.drawLine(guard, point);
    QPen steel(QColor(220, 226, 240), std::max(0.5 / unit, 1.4));
    steel.setCapStyle(Qt::RoundCap);
    painter.setPen(steel);
    painter.drawLine(guard, point - along * 2);

    QPen handle(QColor(30, 34, 52), std::max(1.0 / unit, 2.0));
    painter.setPen(handle);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawEllipse(grip, 5.5, 5.5);
    QPen gripPen(QColor(30, 34, 52), std::max(1.0 / unit, 7.0));
    gripPen.setCapStyle(Qt::RoundCap);
    painter.setPen(gripPen);
    painter.drawLine(grip, guard);

    // The bell guard, seen edge on: a shallow cup across the blade.
    QPainterPath bell;
    bell.moveTo(guard + across * 13);
    bell.quadTo(guard + along * 9, guard - across * 13);
    bell.closeSubpath();
    painter.setPen(QPen(QColor(30, 34, 52), std::max(1.0 / unit, 2.0)));
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
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 128, 0));
    painter.drawRect(QRectF(10, 74, 80, 12));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawRect(QRectF(10, 74, 80, 2.5));
    painter.drawRect(QRectF(10, 83.5, 80, 2.5));

    DrawFoil(painter, {18, 80}, {86, 12}, unit);
    DrawFoil(painter, {82, 80}, {14, 12}, unit);
    return icon;
}

} // namespace sprites
