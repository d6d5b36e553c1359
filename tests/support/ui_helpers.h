// SPDX-License-Identifier: MIT
#pragma once
// Finding and answering the program's windows, boxes and dialogs from a test.

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

// GoogleTest shows a QString as its UTF-8 text, with line breaks and controls made visible.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"';
    for (const char c : text.toStdString()) {
        if (c == '\r')
            *out << "\\r";
        else if (c == '\n')
            *out << "\\n";
        else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            *out << "\\x" << std::hex << int(static_cast<unsigned char>(c)) << std::dec;
        else
            *out << c;
    }
    *out << '"';
}

// Waits up to `ms` for `actual` to equal `expected`, then checks it as GoogleTest sees it (a
// failed QTRY_ macro of QTest records its failure where GoogleTest never looks).
#define KW_WAIT_EQ(actual, expected, ms)                                                           \
    do {                                                                                           \
        (void)QTest::qWaitFor([&] { return (actual) == (expected); }, ms);                         \
        ASSERT_EQ(actual, expected);                                                               \
    } while (false)

namespace keelwright::testing {

// The visible top-level window of type T named `name`, waiting briefly for it to appear.
template <class T> T* topLevel(const QString& name, int timeoutMs = 2000) {
    T* found = nullptr;
    (void)QTest::qWaitFor(
        [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* typed = qobject_cast<T*>(widget);
                if (typed && typed->isVisible() && typed->objectName() == name) {
                    found = typed;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

// A named child that must exist.
template <class T> T* child(const QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no child named " << name;
    return found;
}

inline QMessageBox* messageBox(const QString& name) {
    return topLevel<QMessageBox>(name);
}
inline QFileDialog* saveDialog() {
    return topLevel<QFileDialog>(QStringLiteral("CommonDialog1"));
}

// Answers an open file dialog with a path; what it was opened for runs as it closes.
inline void answerFileDialog(QFileDialog* dialog, const QString& path) {
    ASSERT_NE(dialog, nullptr) << "no file dialog";
    dialog->selectFile(path);
    QMetaObject::invokeMethod(dialog, "accept"); // a protected slot
}
inline void answerSaveDialog(const QString& path) {
    answerFileDialog(saveDialog(), path);
}
inline QFileDialog* openDialog() {
    return topLevel<QFileDialog>(QStringLiteral("OpenDialog"));
}

// Writes a file, or fails the test.
inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

// An editor's controls stand where its design puts them: it keeps its size, with no maximise
// button, rather than show gaps when enlarged.
inline void expectNaturalSize(QWidget* window) {
    const QSize shown = window->size();
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    window->resize(shown * 2);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), shown);
}

// Keys pressed with Alt (and Shift) that no access key takes type nothing into `field`, even
// where the field would take the character; AltGr characters (Ctrl+Alt on Windows, the group
// switch on X11) and plain keys still type.
inline void expectAltTypesNothing(QLineEdit* field) {
    field->setText(QStringLiteral("1"));
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return field->hasFocus(); }));
    QTest::keyClick(field, Qt::Key_End);
    const auto press = [&](Qt::Key key, const char* text, Qt::KeyboardModifiers mods) {
        QTest::sendKeyEvent(QTest::Click, field, key, QString::fromLatin1(text), mods);
    };
    press(Qt::Key_W, "w", Qt::AltModifier);
    press(Qt::Key_E, "E", Qt::AltModifier | Qt::ShiftModifier);
    press(Qt::Key_5, "5", Qt::AltModifier);
    EXPECT_EQ(field->text(), "1") << field->objectName().toStdString();
    press(Qt::Key_2, "2", Qt::ControlModifier | Qt::AltModifier);
    press(Qt::Key_3, "3", Qt::GroupSwitchModifier);
    EXPECT_EQ(field->text(), "123") << field->objectName().toStdString();
}

// Runs the event loop until the program ends; a hang ends it with 99 instead. The watchdog goes
// with the call, so it cannot end a later test's loop.
inline int execWithWatchdog(int ms = 10000) {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(99); });
    watchdog.start(ms);
    return QApplication::exec();
}

// Closes every top-level window the test left open, so tests do not see each other's boxes.
inline void closeStrayWindows() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog*>(widget) && widget->isVisible())
            static_cast<QDialog*>(widget)->reject();
    }
    QApplication::processEvents();
}

} // namespace keelwright::testing
