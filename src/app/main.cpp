// SPDX-License-Identifier: MIT
#include "app/end_on_signal.h"
#include "core/version.h"
#include "ui/helpers/qt_text.h"
#include "ui/shell/shell.h"
#include "ui/storage/recovery_store.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <string_view>

namespace {

using namespace keelwright;

void describeProgram(QCommandLineParser& parser) {
    QCoreApplication::setApplicationName(qs(kProgramName));
    QCoreApplication::setApplicationVersion(qs(kVersion));
    parser.setApplicationDescription(
        QStringLiteral("Writes the commands that define a Vantor ship class or weapon in a MUSH.\n"
                       "Each FILE, a saved class or weapon command file, opens in its editor;\n"
                       "a file of many classes and weapons, or a folder, opens in the fleet "
                       "window."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A command file or a folder of them to open."),
                                 QStringLiteral("[FILE...]"));
}

// --help and --version answer on a terminal without a display.
bool asksForHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--")
            return false;
        if (arg == "-h" || arg == "-?" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
            arg == "--version")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QCommandLineParser parser;
    if (asksForHelpOrVersion(argc, argv)) {
        // Qt's own options (-platform, -style) may stand beside them; they are not errors here.
        const QCoreApplication terminal(argc, argv);
        describeProgram(parser);
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        (void)parser.parse(QCoreApplication::arguments());
        if (parser.isSet(QStringLiteral("version")))
            parser.showVersion(); // prints and ends the program
        if (parser.isSet(QStringLiteral("help-all")))
            parser.process(terminal);
        parser.showHelp(0);
    }
    QApplication app(argc, argv);
    describeProgram(parser);
    QApplication::setDesktopFileName(qs(kAppId));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/keelwright.png")));
    parser.process(app);

    RecoveryStore recovery; // outlives the editors it watches
    Shell shell;
    shell.keepRecovery(&recovery);
    // Ended from outside, or by the desktop session's logout: unsaved edits are kept.
    endCleanlyOnSignals([&recovery] { recovery.keepAll(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &recovery,
                     [&recovery] { recovery.keepAll(); });
    shell.start();
    const QStringList files = parser.positionalArguments();
    // Files named at start replace restored edits only when the user agrees.
    shell.offerRecovery([&shell, files](bool restored) { shell.openFiles(files, restored); });
    return QApplication::exec();
}
