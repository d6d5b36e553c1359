// SPDX-License-Identifier: MIT
// A bare Qt window to measure Keelwright against: a main window with one menu.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.resize(623, 306);
    window.show();
    return QApplication::exec();
}
