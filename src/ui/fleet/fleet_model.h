// SPDX-License-Identifier: MIT
#pragma once
// The fleet as a table: one row per class or weapon of the files listed, sorted by any column
// (numbers as numbers) and filtered by number, name or file.

#include "core/fleet/fleet_row.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

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
        Findings,
        ColumnCount
    };
    static constexpr int kSortRole = Qt::UserRole; // numbers as numbers, the rest as text

    using QAbstractTableModel::QAbstractTableModel;

    // The rows of one file take the place of those it had (none: the file is gone).
    void setFileRows(const std::string& file, std::vector<FleetRow> rows);
    // The same for many files at once: `rows` are all theirs.
    void replaceFiles(const std::vector<std::string>& files, std::vector<FleetRow> rows);
    void clear();
    const FleetRow& row(int index) const { return rows_.at(std::size_t(index)); }
    // Findings beyond the row's own: its number stands in another file of the fleet too.
    const std::string& otherFileFinding(int index) const {
        return elsewhere_.at(std::size_t(index));
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void findNumbersInOtherFiles();

    std::vector<FleetRow> rows_;
    std::vector<std::string> elsewhere_; // one per row, empty for most
};

// Keeps the rows whose number, name or file holds the filter text, whatever its case.
class FleetFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit FleetFilter(QObject* parent = nullptr);
    void setFilterText(const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString text_;
};

} // namespace keelwright
