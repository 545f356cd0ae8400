// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit floor the game's start-up is measured against: a main window with a menu and a
// label, nothing else, started the way the game starts.

#include "app/FirstFrame.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.setCentralWidget(new QLabel(QStringLiteral("Engarde"), &window));
    window.resize(498, 270);
    pistework::app::ReportFirstFrame(window);
    window.show();
    return QApplication::exec();
}
