// SPDX-License-Identifier: MIT
#pragma once
// The fleet window: every class and weapon of a folder, or of a file that holds many, one row
// each with its figures and findings, kept up to date as files change. Chosen rows open in their
// editor through the shell.

#include "core/files/command_file_reading.h"
#include "ui/storage/games_list.h"

#include <QMainWindow>
#include <QString>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTableView;
class QTimer;

namespace keelwright {

class FleetFilter;
class FleetModel;
class FleetReader;
class HoldingsReader;
class LedgerStore;
class RecordLedger;
struct FleetFile;

// A record as a row of the fleet names it.
struct ChosenRecord {
    QString path;
    FileContent kind = FileContent::ShipClass;
    std::string number;
    std::size_t line = 0;
};

class FleetWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit FleetWindow(QWidget* parent = nullptr);
    ~FleetWindow() override;

    // Lists a folder, or the records of one file, in place of what was listed.
    void showFolder(const QString& root);
    QString root() const { return root_; }
    // A file was written: its rows follow now, not when the system tells.
    void fileWritten(const QString& path);
    // The game connected (nothing: none): the In Game column shows what it holds of each row.
    void setGame(std::shared_ptr<const LedgerStore> store, const std::optional<GameEntry>& game);
    // The game took lines of a record: its rows follow.
    void recordHeld(const RecordLedger& ledger);
    // The selected rows' records, in the table's order.
    std::vector<ChosenRecord> selectedRecords() const;

signals:
    void openFolderRequested();
    void connectRequested();
    void sendSelectedRequested();
    void recordChosen(const QString& path, keelwright::FileContent kind, const std::string& number,
                      std::size_t line);

private:
    void buildMenu();
    QWidget* buildFilterRow();
    void readAgain();
    void take(const std::vector<FleetFile>& files, const QStringList& gone);
    void finishReading(bool rootFound);
    void watchWhatIsListed();
    void showStatus();
    void openRow(int proxyRow);
    ChosenRecord recordOf(int proxyRow) const;
    void readHoldings();
    bool eventFilter(QObject* watched, QEvent* event) override;

    QString root_;
    FleetModel* model_;
    FleetFilter* filter_;
    FleetReader* reader_;
    HoldingsReader* holdings_;
    std::shared_ptr<const LedgerStore> store_;
    std::optional<GameEntry> game_;
    QFileSystemWatcher* watcher_;
    QTimer* settle_; // changes come in bursts: one reading after the last
    QLabel* folder_;
    QLineEdit* filterText_;
    QCheckBox* subfolders_;
    QComboBox* sortColumn_;
    QCheckBox* descending_;
    QTableView* table_;
    QLabel* status_;
    QProgressBar* progress_;
    bool rootFound_ = true;
    bool sizedColumns_ = false;
};

} // namespace keelwright
