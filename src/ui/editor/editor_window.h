// SPDX-License-Identifier: MIT
#pragma once
// What makes a window an editor, the class editor and the weapon editor alike: a document behind
// its form, the File commands of the editing loop, the Edit menu with Undo and Redo, and the
// signals through which the shell carries out what is asked.

#include "ui/document/document.h"

#include <QMainWindow>
#include <QStringList>

#include <cstddef>

class QMenu;

namespace keelwright {

class FormBinder;

class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    Document& document() const { return *document_; }
    FileContent form() const { return document_->form(); }
    void reset(); // one step, as each editor resets

signals:
    void openRequested();
    void openFolderRequested();
    void saveRequested();
    void saveAsRequested();
    void exportChangesRequested();
    void exportRequested();
    void filesDropped(const QStringList& paths);

protected:
    EditorWindow(FileContent form, QWidget* parent);

    // The File menu, beginning with Open, Save, Save As and Export Changes and a separator; the
    // editor adds its own commands after them.
    QMenu* addFileMenu();
    // The Edit menu with Undo and Redo; call right after the File menu is complete.
    void addEditMenu();
    // Once every control exists: the form shows the document and writes each change into it;
    // keys and dropped files are taken care of.
    void bindForm(FormBinder& binder);

    // Brings the page holding `field` forward, where the editor has pages.
    virtual void showField(std::size_t field) { (void)field; }

private:
    void showDocument();
    void focusField(std::size_t field);

    Document* document_;
    FormBinder* binder_ = nullptr;
};

} // namespace keelwright
