// SPDX-License-Identifier: MIT
// A bare Qt window to measure Keelwright against: a main window with one menu. With --tick it
// also runs an empty 10 ms timer, the yardstick for idle CPU.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.resize(623, 306);
    QTimer tick;
    if (QApplication::arguments().contains(QStringLiteral("--tick"))) {
        QObject::connect(&tick, &QTimer::timeout, [] {});
        tick.start(10);
    }
    window.show();
    return QApplication::exec();
}
