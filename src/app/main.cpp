#include "core/version.h"
#include "ui/shell/shell.h"
#include "ui/widgets/qt_text.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(keelwright::qs(keelwright::kProgramName));
    QApplication::setApplicationVersion(keelwright::qs(keelwright::kVersion));
    QApplication::setDesktopFileName(keelwright::qs(keelwright::kAppId));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/keelwright.png")));
    keelwright::Shell shell;
    shell.start();
    return QApplication::exec();
}
