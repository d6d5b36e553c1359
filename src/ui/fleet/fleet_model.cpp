// SPDX-License-Identifier: MIT
#include "ui/fleet/fleet_model.h"

#include "core/classes/power_budget.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/window_helpers.h"

#include <QBrush>
#include <QColor>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <limits>
#include <string>
#include <unordered_map>
#include <unordered_set>
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

std::size_t findingCount(const FleetRow& row, const std::string& elsewhere) {
    return row.findings.size() + (elsewhere.empty() ? 0 : 1);
}

QString text(const FleetRow& row, int column, const std::string& elsewhere) {
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
        return findingCount(row, elsewhere) ? QString::number(findingCount(row, elsewhere))
                                            : QString();
    default:
        return {};
    }
}

QString findings(const FleetRow& row, const std::string& elsewhere) {
    QStringList lines;
    for (const std::string& finding : row.findings)
        lines << qs(finding);
    if (!elsewhere.empty())
        lines << qs(elsewhere);
    return lines.join(u'\n');
}

// Text with the numbers in it in their order: each run of digits is led by its length, so that
// "ships-9" comes before "ships-10" and class 7 before class 101.
QString naturalKey(const QString& text) {
    QString key;
    key.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size();) {
        if (!text[i].isDigit()) {
            key += text[i++].toCaseFolded();
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && text[end].isDigit())
            ++end;
        key += QChar(u'0' + char16_t(std::min<qsizetype>(end - i, 40)));
        key += QStringView(text).mid(i, end - i);
        i = end;
    }
    return key;
}

// Numbers sort as numbers, before what is no number; the rest as text, numbers in it in order.
QVariant sortKey(const FleetRow& row, int column, const std::string& elsewhere) {
    const QString shown = text(row, column, elsewhere);
    if (!isNumeric(column))
        return naturalKey(shown);
    std::string value = utf8(shown);
    if (column == FleetModel::FreePower)
        value = row.freePower;
    const auto number = parseBudgetNumber(value);
    return number ? *number : std::numeric_limits<double>::infinity();
}

} // namespace

void FleetModel::setFileRows(const std::string& file, std::vector<FleetRow> rows) {
    replaceFiles({file}, std::move(rows));
}

void FleetModel::replaceFiles(const std::vector<std::string>& files, std::vector<FleetRow> rows) {
    const std::unordered_set<std::string> replaced(files.begin(), files.end());
    beginResetModel();
    std::erase_if(rows_, [&](const FleetRow& row) { return replaced.contains(row.file); });
    for (FleetRow& row : rows)
        rows_.push_back(std::move(row));
    findNumbersInOtherFiles();
    endResetModel();
}

void FleetModel::clear() {
    beginResetModel();
    rows_.clear();
    elsewhere_.clear();
    endResetModel();
}

// The game keeps one class or weapon of a number: the same number in two files of the fleet is a
// finding on both, naming the other.
void FleetModel::findNumbersInOtherFiles() {
    elsewhere_.assign(rows_.size(), {});
    std::unordered_map<std::string, std::size_t> first;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const FleetRow& row = rows_[i];
        const std::string key = (row.kind == FileContent::Weapon ? "w" : "c") + row.number;
        const auto [at, isFirst] = first.try_emplace(key, i);
        if (isFirst)
            continue;
        const FleetRow& other = rows_[at->second];
        if (other.file == row.file)
            continue; // the file's own finding says so already
        const std::string what = (row.kind == FileContent::Weapon ? "weapon \"" : "class \"") +
                                 row.number + "\" stands in ";
        const std::string tail = " too; the game keeps the one sent to it last";
        elsewhere_[i] = what + other.file + " line " + std::to_string(other.line) + tail;
        if (elsewhere_[at->second].empty())
            elsewhere_[at->second] = what + row.file + " line " + std::to_string(row.line) + tail;
    }
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
    const std::string& elsewhere = elsewhere_.at(std::size_t(index.row()));
    switch (role) {
    case Qt::DisplayRole:
        return text(r, index.column(), elsewhere);
    case kSortRole:
        return sortKey(r, index.column(), elsewhere);
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return index.column() == Findings ? findings(r, elsewhere) : QVariant();
    case Qt::ForegroundRole:
        return r.overdrawn && index.column() == FreePower ? QBrush(warningColor()) : QVariant();
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
