// SPDX-License-Identifier: MIT
#pragma once
// The shell: shows the class editor at start-up and carries out its menu commands, creating the
// other three windows when they are first needed.

#include "core/shell/command_file_reading.h"
#include "ui/classes/class_editor_window.h"
#include "ui/output/output_window.h"
#include "ui/weapons/weapon_editor_window.h"

#include <QObject>
#include <QPointer>

#include <QStringList>

#include <memory>

namespace keelwright {

struct OpenedFile;

class Shell : public QObject {
    Q_OBJECT
public:
    Shell();
    ~Shell() override;

    void start();

    ClassEditorWindow* classEditor() const { return classEditor_.get(); }
    OutputWindow* classOutput() const { return classOutput_; }
    WeaponEditorWindow* weaponEditor() const { return weaponEditor_; }
    OutputWindow* weaponOutput() const { return weaponOutput_; }

    void exportClass();
    void exportWeapon();
    void openWeaponEditor();
    void askToQuit();
    void showAbout();

    // Open: a file goes into the editor it belongs to, whichever window asked. An editor holding
    // edits is replaced only when the user agrees, unless `ask` is false (files named at start).
    void showOpenDialog(QWidget* parent);
    void openFiles(const QStringList& paths, bool ask = true);

private:
    void listenTo(ClassEditorWindow* editor);
    void listenTo(WeaponEditorWindow* editor);
    QWidget* editorFor(FileContent content) const;
    bool holdsEdits(FileContent content) const;
    void offer(const OpenedFile& file, bool ask, QStringList& report);
    void apply(const OpenedFile& file);
    void warnAboutOpening(const QStringList& report);

    std::unique_ptr<ClassEditorWindow> classEditor_;
    // Created on first use; a window closed by its user is gone, and the next use makes it anew.
    QPointer<OutputWindow> classOutput_;
    QPointer<WeaponEditorWindow> weaponEditor_;
    QPointer<OutputWindow> weaponOutput_;
};

} // namespace keelwright
