// SPDX-License-Identifier: MIT
#pragma once
// The shell: shows the class editor at start-up and carries out its menu commands, creating the
// other three windows when they are first needed.

#include "core/files/command_file_reading.h"
#include "core/game/ledger.h"
#include "ui/classes/class_editor_window.h"
#include "ui/fleet/fleet_window.h"
#include "ui/game/game_window.h"
#include "ui/output/output_window.h"
#include "ui/storage/password_keyring.h"
#include "ui/weapons/weapon_editor_window.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace keelwright {

struct OpenedFile;
class GameConnection;
struct GameEntry;
class GamesList;
class LedgerStore;
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

    // The game: one connection for the whole program, the Game window showing each send.
    void showConnectDialog(QWidget* parent);
    void forgetGame(QWidget* parent);
    void showGameStateIn(EditorWindow* editor) const;
    enum class SendKind { Full, Changes };
    void sendForm(FileContent form, SendKind kind);
    void sendText(const QString& text, QWidget* parent);
    // The changes of the fleet's selected records, in the table's order, in one run.
    void sendSelected();
    GameConnection* game() const { return connection_; }
    GameWindow* gameWindow() const { return gameWindow_; }
    // The system keyring unless tests give another.
    void useKeyring(PasswordKeyring keyring) { keyring_ = std::move(keyring); }

private:
    void listenTo(EditorWindow* editor);
    OutputWindow* obtain(QPointer<OutputWindow>& slot, const char* name);
    void offer(const OpenedFile& file, bool ask, QStringList& report);
    void apply(const OpenedFile& file);
    void warnAboutOpening(const QStringList& report);
    void listenToGame();
    void tellNothingChanged(QWidget* editor);
    void tellSystemsStay(const std::vector<std::string_view>& titles);
    void showGameState();
    void rememberPassword();
    void forgetPassword(const GameEntry& game);
    // Asks "Send N lines …?" (or `question`) with what the lines hold that the game may not
    // take, then sends.
    void askAndSend(const std::vector<std::string>& lines, QWidget* parent,
                    const std::function<void(const std::vector<std::string>&, bool)>& taken,
                    const QString& question = {});
    // With a game connected or last connected: the lines of the record's export it does not
    // hold (all of them where it never took the record), and its ledger of the record.
    struct GameChanges {
        std::vector<std::string> lines;
        RecordLedger ledger;
    };
    std::optional<GameChanges> gameChanges(FileContent form, const FormValues& values);
    // The game answered "OK" to these lines of the record: its ledger is saved, the fleet told.
    void recordTaken(const GameEntry& game, RecordLedger& ledger,
                     const std::vector<std::string>& lines);
    QString gameHoldsFormText() const;
    void tellGameHoldsIt(QWidget* editor);
    bool exportGameChanges(EditorWindow* editor, FileContent form);
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
    GameConnection* connection_;
    QPointer<GameWindow> gameWindow_;
    std::unique_ptr<GamesList> games_;     // read at the first Connect
    std::shared_ptr<LedgerStore> ledgers_; // what each game took, record by record
    QString pendingPassword_;              // of a game whose certificate the user is asked about
    bool pendingRemember_ = false;         // into the keyring once the game took the login
    PasswordKeyring keyring_;
    bool keyringAbsent_ = false; // said once in the run
};

} // namespace keelwright
