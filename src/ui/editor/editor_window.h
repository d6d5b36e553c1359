// SPDX-License-Identifier: MIT
#pragma once
// What makes a window an editor, the class editor and the weapon editor alike: a document behind
// its form, the File commands of the editing loop with Save and Save As, the Edit menu with Undo
// and Redo, asking before unsaved edits are lost, and the signals through which the shell
// carries out the rest.

#include "ui/document/document.h"

#include <QMainWindow>
#include <QStringList>

#include <cstddef>
#include <functional>

class QCloseEvent;
class QAction;
class QMenu;

namespace keelwright {

class FormBinder;

class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    Document& document() const { return *document_; }
    FileContent form() const { return document_->form(); }
    void reset(); // one step, as each editor resets
    // The connection as the Game menu says it: "Connected to …", "Not connected", "Connection
    // lost".
    // `known`: a game is connected or was, and can be forgotten.
    void showGameState(const QString& state, bool connected, bool known);

    // Save writes the form's full export to the editor's file (a record of a file of many in
    // place of its lines), asking first where that would lose something; a form from no file
    // asks where, as Save As does. `then` runs once the file is written.
    void save(const std::function<void()>& then = {});
    void saveAs(const std::function<void()>& then = {});
    // Where the form holds edits its file has not been saved with, asks whether to save them;
    // `then` runs once they are saved or discarded, and Cancel stops there.
    void maybeSave(const std::function<void()>& then);

signals:
    void openRequested();
    void openFolderRequested();
    void saveRequested();
    void saveAsRequested();
    void fileWritten(const QString& path);
    void exportChangesRequested();
    void connectRequested();
    void sendRequested();
    void sendChangesRequested();
    void disconnectRequested();
    void forgetGameRequested();
    void exportRequested();
    void filesDropped(const QStringList& paths);

protected:
    EditorWindow(FileContent form, QWidget* parent);

    // The File menu, beginning with Open, Save, Save As and Export Changes and a separator; the
    // editor adds its own commands after them.
    QMenu* addFileMenu();
    // The Edit menu with Undo and Redo; call right after the File menu is complete.
    void addEditMenu();
    // The Game menu: Connect, Send to Game, Send Changes to Game, Disconnect; right after Edit.
    void addGameMenu();
    // Once every control exists: the form shows the document and writes each change into it;
    // keys and dropped files are taken care of.
    void bindForm(FormBinder& binder);

    // Brings the page holding `field` forward, where the editor has pages.
    virtual void showField(std::size_t field) { (void)field; }

    void closeEvent(QCloseEvent* event) override;

private:
    struct SaveStep;
    void showDocument();
    void focusField(std::size_t field);
    void saveTo(const QString& path, const std::function<void()>& then);
    void carryOutSave(const SaveStep& step);

    Document* document_;
    FormBinder* binder_ = nullptr;
    QAction* gameState_ = nullptr;
    QAction* disconnect_ = nullptr;
    QAction* forget_ = nullptr;
    bool closeAnswered_ = false; // the Save question was answered: the next close goes through
};

} // namespace keelwright
