// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Stage.h"

#include "app/Layout.h"
#include "app/QtServices.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>

#include <algorithm>

namespace pistework::app {

Stage::Stage(QWidget* parent, QWidget* board) : QGraphicsView(parent), size(board->size()) {
    setScene(new QGraphicsScene(this));
    // The scene's origin is the board's corner, not where it stood under the menu bar.
    board->move(0, 0);
    proxy = scene()->addWidget(board);
    setSceneRect(QRectF(QPointF(0, 0), QSizeF(size)));
    const layout::Rgb green = layout::kWindowGreen;
    setBackgroundBrush(QColor(green.r, green.g, green.b));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setRenderHints({});
    setAlignment(Qt::AlignCenter);
}

QWidget* Stage::Release() {
    QWidget* board = proxy->widget();
    proxy->setWidget(nullptr);
    board->setAttribute(Qt::WA_DontShowOnScreen, false);
    return board;
}

void Stage::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    const int factor = std::max(
        1, std::min(viewport()->width() / size.width(), viewport()->height() / size.height()));
    setTransform(QTransform::fromScale(factor, factor));
    qCDebug(lcCaption).noquote() << "client scale" << factor;
}

} // namespace pistework::app
