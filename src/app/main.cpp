#include "shell/shell.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Keelwright"));
    QApplication::setApplicationVersion(QStringLiteral("2.5.2"));
    keelwright::Shell shell;
    shell.start();
    return QApplication::exec();
}
