// SPDX-License-Identifier: MIT
#pragma once
// The shell: shows the class editor at start-up and carries out its menu commands, creating the
// other three windows when they are first needed.

#include "core/files/command_file_reading.h"
#include "ui/classes/class_editor_window.h"
#include "ui/fleet/fleet_window.h"
#include "ui/output/output_window.h"
#include "ui/weapons/weapon_editor_window.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace keelwright {

struct OpenedFile;
class RecoveryStore;

class Shell : public QObject {
    Q_OBJECT
public:
    Shell();
    ~Shell() override;

    void start();
    // Keeps recovery snapshots of every editor's unsaved edits in `store`.
    void keepRecovery(RecoveryStore* store);
    // At start, before anything else: offers what runs that ended left unsaved, then goes on
    // with `then`, told whether edits were restored.
    void offerRecovery(const std::function<void(bool restored)>& then);

    ClassEditorWindow* classEditor() const { return classEditor_.get(); }
    OutputWindow* classOutput() const { return classOutput_; }
    WeaponEditorWindow* weaponEditor() const { return weaponEditor_; }
    OutputWindow* weaponOutput() const { return weaponOutput_; }
    // The editor of that kind of form; the weapon editor may be gone (nullptr).
    EditorWindow* editor(FileContent form) const;

    void exportClass();
    void exportWeapon();
    void openWeaponEditor();
    void askToQuit();
    void showAbout();

    // Open: a file goes into the editor it belongs to, whichever window asked. An editor holding
    // edits is replaced only when the user agrees, unless `ask` is false (files named at start).
    void showOpenDialog(QWidget* parent);
    void openFiles(const QStringList& paths, bool ask = true);

    // The fleet: a folder, or a file of many records, listed in the fleet window; a record chosen
    // there opens in its editor as Open would open a file that holds it alone.
    void showOpenFolderDialog(QWidget* parent);
    void showFleet(const QString& root);
    FleetWindow* fleet() const { return fleet_; }
    void openRecord(const QString& path, FileContent kind, const std::string& number,
                    std::size_t line);

    // Export Changes writes only what differs from the form as last opened or exported.
    void exportClassChanges();
    void exportWeaponChanges();

private:
    void listenTo(EditorWindow* editor);
    void offer(const OpenedFile& file, bool ask, QStringList& report);
    void apply(const OpenedFile& file);
    void warnAboutOpening(const QStringList& report);
    // Shows an export in its output window. A window that shows only changes forgets the file
    // it last saved, so that Save cannot put a few lines over a whole class without a question.
    enum class ExportKind { Full, Changes };
    void showExport(FileContent form, const std::string& text, ExportKind kind);

    std::unique_ptr<ClassEditorWindow> classEditor_;
    // Created on first use; a window closed by its user is gone, and the next use makes it anew.
    QPointer<OutputWindow> classOutput_;
    QPointer<WeaponEditorWindow> weaponEditor_;
    QPointer<OutputWindow> weaponOutput_;
    QPointer<FleetWindow> fleet_;
    QPointer<RecoveryStore> recovery_;
};

} // namespace keelwright
