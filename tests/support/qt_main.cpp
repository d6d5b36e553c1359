// SPDX-License-Identifier: MIT
// GoogleTest main for the window tests: one QApplication for the whole run. Listing the tests
// needs no display, so no application is made for it. The run gets a home and configuration
// folder of its own, and fails if anything was stored there.
#include <QApplication>
#include <QDirIterator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iostream>
#include <memory>

namespace {

int countStored(const QString& home) {
    int stored = 0;
    for (QDirIterator it(home, QDir::Files | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        std::cerr << "stored in the home folder: " << it.next().toStdString() << '\n';
        ++stored;
    }
    return stored;
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    const QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toUtf8());
    int result = 0;
    {
        QApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    if (countStored(home.path()) > 0)
        result = 1;
    return result;
}
