#include "shell/shell.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Keelwright"));
    QApplication::setApplicationVersion(QStringLiteral("2.5.2"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Keelwright"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/keelwright.png")));
    keelwright::Shell shell;
    shell.start();
    return QApplication::exec();
}
