// SPDX-License-Identifier: MIT
#include "ui/fleet/fleet_model.h"

#include "core/classes/power_budget.h"
#include "ui/widgets/qt_text.h"

#include <QBrush>
#include <QColor>

#include <cstddef>
#include <iterator>
#include <limits>
#include <string>
#include <utility>

namespace keelwright {
namespace {

const char* const kHeaders[] = {"File",
                                "Line",
                                "Kind",
                                "Number",
                                "Name",
                                "Ship Size",
                                "Max Hull",
                                "Reactor Output",
                                "Total Power Usage",
                                "Free Reactor Power",
                                "Systems",
                                "Laser or Missile",
                                "Strength",
                                "Range",
                                "Findings"};
static_assert(std::size(kHeaders) == FleetModel::ColumnCount);

bool isNumeric(int column) {
    return column != FleetModel::File && column != FleetModel::Kind &&
           column != FleetModel::Number && column != FleetModel::Name &&
           column != FleetModel::WeaponType;
}

QString text(const FleetRow& row, int column) {
    switch (column) {
    case FleetModel::File:
        return qs(row.file);
    case FleetModel::Line:
        return QString::number(row.line);
    case FleetModel::Kind:
        return row.kind == FileContent::Weapon ? QStringLiteral("Weapon") : QStringLiteral("Class");
    case FleetModel::Number:
        return qs(row.number);
    case FleetModel::Name:
        return qs(row.name);
    case FleetModel::ShipSize:
        return qs(row.shipSize);
    case FleetModel::MaxHull:
        return qs(row.maxHull);
    case FleetModel::ReactorOutput:
        return qs(row.reactorOutput);
    case FleetModel::TotalUsage:
        return qs(row.totalUsage);
    case FleetModel::FreePower:
        // Said in words too, so that a screen reader tells it as the colour shows it.
        return row.overdrawn ? qs(row.freePower) + QStringLiteral(" (overdrawn)")
                             : qs(row.freePower);
    case FleetModel::Systems:
        return row.kind == FileContent::Weapon ? QString() : QString::number(row.systems);
    case FleetModel::WeaponType:
        return qs(row.weaponType);
    case FleetModel::Strength:
        return qs(row.strength);
    case FleetModel::Range:
        return qs(row.range);
    case FleetModel::Findings:
        return row.findings.empty() ? QString() : QString::number(row.findings.size());
    default:
        return {};
    }
}

QString findings(const FleetRow& row) {
    QStringList lines;
    for (const std::string& finding : row.findings)
        lines << qs(finding);
    return lines.join(u'\n');
}

// Numbers sort as numbers, before what is no number; the rest as text.
QVariant sortKey(const FleetRow& row, int column) {
    const QString shown = text(row, column);
    if (!isNumeric(column))
        return shown.toCaseFolded();
    std::string value = utf8(shown);
    if (column == FleetModel::FreePower)
        value = row.freePower;
    const auto number = parseBudgetNumber(value);
    return number ? *number : std::numeric_limits<double>::infinity();
}

} // namespace

void FleetModel::setFileRows(const std::string& file, std::vector<FleetRow> rows) {
    beginResetModel();
    std::erase_if(rows_, [&](const FleetRow& row) { return row.file == file; });
    for (FleetRow& row : rows)
        rows_.push_back(std::move(row));
    endResetModel();
}

void FleetModel::clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

int FleetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int FleetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FleetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const FleetRow& r = rows_.at(std::size_t(index.row()));
    switch (role) {
    case Qt::DisplayRole:
        return text(r, index.column());
    case kSortRole:
        return sortKey(r, index.column());
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return index.column() == Findings ? findings(r) : QVariant();
    case Qt::ForegroundRole:
        return r.overdrawn && index.column() == FreePower ? QBrush(QColor(0xB0, 0x00, 0x20))
                                                          : QVariant();
    case Qt::TextAlignmentRole:
        return isNumeric(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
        return {};
    }
}

QVariant FleetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return tr(kHeaders[section]);
}

FleetFilter::FleetFilter(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(FleetModel::kSortRole);
    setDynamicSortFilter(false);
}

void FleetFilter::setFilterText(const QString& text) {
    text_ = text.trimmed();
    invalidateFilter();
}

bool FleetFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    if (text_.isEmpty())
        return true;
    const FleetRow& row = static_cast<const FleetModel*>(sourceModel())->row(sourceRow);
    for (const std::string* field : {&row.number, &row.name, &row.file}) {
        if (qs(*field).contains(text_, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace keelwright
