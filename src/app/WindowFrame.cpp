// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowFrame.h"

#include "app/QtServices.h"
#include "app/Stage.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

namespace pistework::app {

void WindowFrame::SetFullScreen(bool on) {
    if (on == (stage != nullptr)) return;
    if (strip) strip->setVisible(!on);
    if (on) {
        stage = new Stage(&window, window.takeCentralWidget());
        window.setCentralWidget(stage);
        window.setMinimumSize(0, 0);
        window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window.showFullScreen();
        // Without a window manager to do it, the window covers the screen itself.
        if (window.screen()) window.setGeometry(window.screen()->geometry());
        stage->setFocus(Qt::OtherFocusReason);
    } else {
        QWidget* board = stage->Release();
        delete window.takeCentralWidget();
        stage = nullptr;
        window.setCentralWidget(board);
        board->show();
        window.showNormal();
        Fit();
        Centre();
        board->setFocus(Qt::OtherFocusReason);
    }
    qCDebug(lcMenu).noquote() << "full screen" << (on ? "on" : "off");
}

void WindowFrame::ShowStrip(QWidget* shown) {
    strip = shown;
    if (strip) {
        strip->setParent(&window);
        strip->move(0, window.menuBar()->sizeHint().height() + kClientHeight);
        strip->setVisible(!stage);
    }
    if (!stage) Fit();
}

void WindowFrame::DropStrip(const QWidget* gone) {
    if (gone != strip) return;
    strip = nullptr;
    if (!stage) Fit();
}

void WindowFrame::Fit() {
    window.setFixedSize(kClientWidth, kClientHeight + window.menuBar()->sizeHint().height() +
                                          (strip ? strip->height() : 0));
}

void WindowFrame::CentreOnce() {
    if (centred || !window.screen()) return;
    centred = true;
    Centre();
}

void WindowFrame::Centre() {
    if (window.screen())
        window.move(window.screen()->availableGeometry().center() - window.rect().center());
}

} // namespace pistework::app
