// SPDX-License-Identifier: MIT
#pragma once
// The output window: an export's command text to copy into the game, edit, or save to a file.
// The class output window Form2 and the weapon output window Form4 are two of these.

#include <QMainWindow>

class QPlainTextEdit;

namespace keelwright {

class OutputWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit OutputWindow(const QString& name); // without an owner: a window of its own

    void setText(const QString& text); // replaces whatever the window held
    void appendText(const QString& text);

    // The characters of the text area as they are saved: line breaks as CR LF.
    QString text() const;
    QString lastFileName() const { return lastFileName_; }
    // The window now holds another kind of text than it last saved: Save starts afresh.
    void forgetFileName() { lastFileName_.clear(); }

    void save();                      // asks for a file name; the answer arrives later
    bool saveTo(const QString& path); // writes the file, or warns why it could not

signals:
    void saved(const QString& path);
    void sendRequested();
    void saveFailed(const QString& path, const QString& reason);

private:
    QPlainTextEdit* area_;
    QString lastFileName_;
};

} // namespace keelwright
