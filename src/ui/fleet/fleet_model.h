// SPDX-License-Identifier: MIT
#pragma once
// The fleet as a table: one row per class or weapon of the files listed, sorted by any column
// (numbers as numbers, empty cells last) and filtered by the text of every column. Rows of a file
// that changed are replaced, inserted and removed as rows, so a view keeps its place.

#include "core/fleet/fleet_row.h"
#include "ui/fleet/game_holdings.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QString>
#include <QVariant>

#include <string>
#include <vector>

namespace keelwright {

class FleetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        File,
        Line,
        Kind,
        Number,
        Name,
        ShipSize,
        MaxHull,
        ReactorOutput,
        TotalUsage,
        FreePower,
        Systems,
        WeaponType,
        Strength,
        Range,
        InGame,
        Findings,
        ColumnCount
    };
    static constexpr int kSortRole = Qt::UserRole; // numbers as numbers, the rest as text

    using QAbstractTableModel::QAbstractTableModel;

    // The folder (or file of many) listed: the File column shows paths relative to it.
    void setRoot(const std::string& root);
    // The rows of one file take the place of those it had (none: the file is gone).
    void setFileRows(const std::string& file, std::vector<FleetRow> rows);
    // The same for many files at once: `rows` are all theirs. A record keeps its row: the one of
    // its kind and number, or else the one at its place among its file's changed records.
    void replaceFiles(const std::vector<std::string>& files, std::vector<FleetRow> rows);
    void clear();
    // What the connected game holds, by record, in place of what was known of those records. The
    // In Game column and the findings of damaged ledgers follow.
    void setHoldings(const Holdings& holdings);
    void clearHoldings(); // no game: the In Game column is empty
    bool knowsGame() const { return knowsGame_; }
    // The records of the rows whose holding is not known yet.
    HoldingsReader::Records recordsNotJudged() const;
    const FleetRow& row(int index) const { return rows_.at(std::size_t(index)).row; }
    // Findings beyond the row's own: its number stands in another file of the fleet too.
    const std::string& otherFileFinding(int index) const {
        return rows_.at(std::size_t(index)).elsewhere;
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // A column's heading on one line ("Total Power Usage").
    static QString columnName(int column);

private:
    // A row, with the sort key of the column it was last sorted by: worked out once a sort, not
    // in every comparison.
    struct Entry {
        FleetRow row;
        std::string elsewhere;
        QString inGame;     // "Same", "Changed (3 lines)", "Not Sent"; empty while not known
        QString ledgerNote; // a finding: the game's ledger of the record is damaged
        mutable int keyColumn = -1;
        mutable QVariant key;
    };
    QString text(const Entry& entry, int column) const;
    // Returns the rows whose findings in other files changed.
    std::vector<std::size_t> findNumbersInOtherFiles();
    void changedRows(const std::vector<std::size_t>& rows); // sorted
    bool judge(Entry& entry) const; // true when its In Game or ledger note changed
    void judgeAll();

    std::string root_;
    std::vector<Entry> rows_;
    Holdings holdings_;
    bool knowsGame_ = false;
};

// Keeps the rows one of whose cells holds the filter text, whatever its case; sorts by the keys
// the model worked out, empty cells last whichever the direction.
class FleetFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit FleetFilter(QObject* parent = nullptr);
    void setFilterText(const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QString text_;
};

} // namespace keelwright
