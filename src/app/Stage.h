// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Full screen, a way of showing the window: the board in a scene, magnified by a whole factor
// so each sprite pixel is a square of screen pixels, never blended, and centred on the
// window's green. The widgets stay live in it: buttons click, the key box types.

#include <QGraphicsView>

class QGraphicsProxyWidget;

namespace pistework::app {

class Stage : public QGraphicsView {
public:
    Stage(QWidget* parent, QWidget* board);
    // Gives the board back, unembedded and without a parent.
    QWidget* Release();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize size;
    QGraphicsProxyWidget* proxy = nullptr;
};

} // namespace pistework::app
