// SPDX-License-Identifier: MIT
#include "ui/fleet/fleet_model.h"

#include "core/classes/power_budget.h"
#include "ui/helpers/qt_text.h"
#include "ui/helpers/window_helpers.h"

#include <QBrush>
#include <QColor>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace keelwright {
namespace {

// The long headings break onto a second line, so that every column fits on a screen 1,440
// pixels wide; read out, and in the Sort by list, the break is a blank.
const char* const kHeaders[] = {"File",
                                "Line",
                                "Kind",
                                "Number",
                                "Name",
                                "Ship\nSize",
                                "Max\nHull",
                                "Reactor\nOutput",
                                "Total Power\nUsage",
                                "Free Reactor\nPower",
                                "Systems",
                                "Laser or\nMissile",
                                "Strength",
                                "Range",
                                "In Game",
                                "Findings"};
static_assert(std::size(kHeaders) == FleetModel::ColumnCount);

bool isNumeric(int column) {
    return column != FleetModel::File && column != FleetModel::Kind &&
           column != FleetModel::Number && column != FleetModel::Name &&
           column != FleetModel::WeaponType && column != FleetModel::InGame;
}

std::size_t findingCount(const FleetRow& row, const std::string& elsewhere, const QString& note) {
    return row.findings.size() + (elsewhere.empty() ? 0 : 1) + (note.isEmpty() ? 0 : 1);
}

QString cellText(const FleetRow& row, int column, const std::string& elsewhere,
                 const QString& note) {
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
        return findingCount(row, elsewhere, note)
                   ? QString::number(findingCount(row, elsewhere, note))
                   : QString();
    default:
        return {};
    }
}

QString findings(const FleetRow& row, const std::string& elsewhere, const QString& note) {
    QStringList lines;
    for (const std::string& finding : row.findings)
        lines << qs(finding);
    if (!elsewhere.empty())
        lines << qs(elsewhere);
    if (!note.isEmpty())
        lines << note;
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
// An empty cell has no key.
QVariant sortKey(const FleetRow& row, int column, const QString& shown) {
    if (shown.isEmpty())
        return {};
    if (!isNumeric(column))
        return naturalKey(shown);
    std::string value = utf8(shown);
    if (column == FleetModel::FreePower)
        value = row.freePower;
    const auto number = parseBudgetNumber(value);
    return number ? *number : std::numeric_limits<double>::infinity();
}

std::string recordKey(const FleetRow& row) {
    return recordKey(row.kind, row.number);
}

} // namespace

void FleetModel::setRoot(const std::string& root) {
    root_ = root;
    if (!rows_.empty())
        emit dataChanged(index(0, File), index(rowCount() - 1, File));
}

QString FleetModel::text(const Entry& entry, int column) const {
    if (column == InGame)
        return entry.inGame;
    if (column != File || root_.empty())
        return cellText(entry.row, column, entry.elsewhere, entry.ledgerNote);
    // Relative to the folder listed; a file of many listed alone shows its name.
    const std::string& file = entry.row.file;
    if (file == root_)
        return qs(file.substr(file.find_last_of("/\\") + 1));
    const bool separated = root_.ends_with('/') || root_.ends_with('\\');
    const std::size_t prefix = root_.size() + (separated ? 0 : 1);
    if (file.size() > prefix && file.starts_with(root_) &&
        (separated || file[root_.size()] == '/' || file[root_.size()] == '\\'))
        return qs(file.substr(prefix));
    return qs(file);
}

void FleetModel::setFileRows(const std::string& file, std::vector<FleetRow> rows) {
    replaceFiles({file}, std::move(rows));
}

void FleetModel::replaceFiles(const std::vector<std::string>& files, std::vector<FleetRow> rows) {
    // What each file holds now, in file order; a file without rows is gone or holds none.
    std::unordered_map<std::string, std::vector<FleetRow>> fresh;
    for (const std::string& file : files)
        fresh[file];
    for (FleetRow& row : rows)
        fresh[row.file].push_back(std::move(row));
    std::unordered_map<std::string, std::vector<std::size_t>> before;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (fresh.contains(rows_[i].row.file))
            before[rows_[i].row.file].push_back(i);
    }

    std::vector<std::size_t> changed, removed;
    std::vector<Entry> added;
    for (auto& [file, now] : fresh) {
        const std::vector<std::size_t>& was = before[file];
        // A record keeps the row of its kind and number; the rest pair up in file order (a
        // record renumbered keeps its row), and what is left over goes or comes.
        std::unordered_map<std::string, std::vector<std::size_t>> byKey;
        for (auto i = was.rbegin(); i != was.rend(); ++i)
            byKey[recordKey(rows_[*i].row)].push_back(*i);
        std::vector<std::optional<std::size_t>> target(now.size());
        std::unordered_set<std::size_t> taken;
        for (std::size_t j = 0; j < now.size(); ++j) {
            auto found = byKey.find(recordKey(now[j]));
            if (found == byKey.end() || found->second.empty())
                continue;
            target[j] = found->second.back();
            taken.insert(found->second.back());
            found->second.pop_back();
        }
        std::vector<std::size_t> left;
        for (const std::size_t i : was) {
            if (!taken.contains(i))
                left.push_back(i);
        }
        std::size_t nextLeft = 0;
        for (std::size_t j = 0; j < now.size(); ++j) {
            if (!target[j] && nextLeft < left.size())
                target[j] = left[nextLeft++];
            if (target[j]) {
                Entry& entry = rows_[*target[j]];
                entry.row = std::move(now[j]);
                entry.keyColumn = -1;
                judge(entry);
                changed.push_back(*target[j]);
            } else {
                added.push_back(Entry{std::move(now[j]), {}, {}, {}, -1, {}});
                judge(added.back());
            }
        }
        removed.insert(removed.end(), left.begin() + std::ptrdiff_t(nextLeft), left.end());
    }

    // Rows that go, from the last run back so that the earlier indices still hold.
    std::sort(removed.begin(), removed.end());
    std::sort(changed.begin(), changed.end());
    for (std::size_t end = removed.size(); end > 0;) {
        std::size_t begin = end - 1;
        while (begin > 0 && removed[begin - 1] + 1 == removed[begin])
            --begin;
        const int first = int(removed[begin]), last = int(removed[end - 1]);
        beginRemoveRows({}, first, last);
        rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
        endRemoveRows();
        for (std::size_t& c : changed) // none of them was removed
            c -= c > std::size_t(last) ? std::size_t(last - first + 1) : 0;
        end = begin;
    }
    if (!added.empty()) {
        beginInsertRows({}, rowCount(), rowCount() + int(added.size()) - 1);
        for (Entry& entry : added)
            rows_.push_back(std::move(entry));
        endInsertRows();
    }
    const std::vector<std::size_t> elsewhere = findNumbersInOtherFiles();
    changed.insert(changed.end(), elsewhere.begin(), elsewhere.end());
    std::sort(changed.begin(), changed.end());
    changed.erase(std::unique(changed.begin(), changed.end()), changed.end());
    changedRows(changed);
}

// One dataChanged for each run of neighbouring rows.
void FleetModel::changedRows(const std::vector<std::size_t>& rows) {
    for (std::size_t begin = 0; begin < rows.size();) {
        std::size_t end = begin + 1;
        while (end < rows.size() && rows[end] == rows[end - 1] + 1)
            ++end;
        emit dataChanged(index(int(rows[begin]), 0), index(int(rows[end - 1]), ColumnCount - 1));
        begin = end;
    }
}

void FleetModel::clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

bool FleetModel::judge(Entry& entry) const {
    QString inGame, note;
    if (knowsGame_) {
        const auto found = holdings_.find(recordKey(entry.row));
        if (found != holdings_.end()) {
            const std::optional<std::size_t> differ =
                linesNotHeld(entry.row.exportLines, found->second.lines);
            if (!differ)
                inGame = tr("Not Sent");
            else if (*differ == 0)
                inGame = tr("Same");
            else
                inGame = (*differ == 1 ? tr("Changed (%1 line)") : tr("Changed (%1 lines)"))
                             .arg(*differ);
            if (!found->second.damage.isEmpty())
                note = tr("what the game took of it is not known: its ledger %1")
                           .arg(found->second.damage);
        }
    }
    if (inGame == entry.inGame && note == entry.ledgerNote)
        return false;
    entry.inGame = inGame;
    entry.ledgerNote = note;
    entry.keyColumn = -1;
    return true;
}

void FleetModel::setHoldings(const Holdings& holdings) {
    for (const auto& [key, holding] : holdings)
        holdings_[key] = holding;
    knowsGame_ = true;
    judgeAll();
}

void FleetModel::clearHoldings() {
    holdings_.clear();
    knowsGame_ = false;
    judgeAll();
}

void FleetModel::judgeAll() {
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (judge(rows_[i]))
            changed.push_back(i);
    }
    changedRows(changed);
}

HoldingsReader::Records FleetModel::recordsNotJudged() const {
    HoldingsReader::Records records;
    for (const Entry& entry : rows_) {
        if (!holdings_.contains(recordKey(entry.row)))
            records.emplace_back(entry.row.kind, entry.row.number);
    }
    return records;
}

// The game keeps one class or weapon of a number: the same number in two files of the fleet is a
// finding on both, naming the other.
std::vector<std::size_t> FleetModel::findNumbersInOtherFiles() {
    std::vector<std::string> found(rows_.size());
    std::unordered_map<std::string, std::size_t> first;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const FleetRow& row = rows_[i].row;
        const auto [at, isFirst] = first.try_emplace(recordKey(row), i);
        if (isFirst)
            continue;
        const FleetRow& other = rows_[at->second].row;
        if (other.file == row.file)
            continue; // the file's own finding says so already
        const std::string what = (row.kind == FileContent::Weapon ? "weapon \"" : "class \"") +
                                 row.number + "\" stands in ";
        const std::string tail = " too; the game keeps the one sent to it last";
        found[i] = what + other.file + " line " + std::to_string(other.line) + tail;
        if (found[at->second].empty())
            found[at->second] = what + row.file + " line " + std::to_string(row.line) + tail;
    }
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].elsewhere == found[i])
            continue;
        rows_[i].elsewhere = std::move(found[i]);
        rows_[i].keyColumn = -1;
        changed.push_back(i);
    }
    return changed;
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
    const Entry& entry = rows_.at(std::size_t(index.row()));
    const FleetRow& r = entry.row;
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return text(entry, column);
    case kSortRole:
        if (entry.keyColumn != column) {
            entry.key = sortKey(r, column, text(entry, column));
            entry.keyColumn = column;
        }
        return entry.key;
    case Qt::ToolTipRole:
        if (column == File)
            return qs(r.file); // the whole path
        [[fallthrough]];
    case Qt::AccessibleDescriptionRole:
        return column == Findings ? findings(r, entry.elsewhere, entry.ledgerNote) : QVariant();
    case Qt::ForegroundRole:
        return r.overdrawn && column == FreePower ? QBrush(warningColor()) : QVariant();
    case Qt::TextAlignmentRole:
        return isNumeric(column) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
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

QString FleetModel::columnName(int column) {
    return tr(kHeaders[column]).replace(u'\n', u' ');
}

FleetFilter::FleetFilter(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(FleetModel::kSortRole);
    // Rows that change, come or go take their place in the order shown; the rest stay.
    setDynamicSortFilter(true);
}

void FleetFilter::setFilterText(const QString& text) {
    text_ = text.trimmed();
    invalidateFilter();
}

bool FleetFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    if (text_.isEmpty())
        return true;
    for (int column = 0; column < FleetModel::ColumnCount; ++column) {
        if (sourceModel()
                ->index(sourceRow, column)
                .data()
                .toString()
                .contains(text_, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// An empty cell (a weapon's Max Hull, a class's Range) comes after every other in either
// direction: the sort reverses this comparison when descending, so it answers the other way.
bool FleetFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant a = left.data(FleetModel::kSortRole), b = right.data(FleetModel::kSortRole);
    if (a.isValid() != b.isValid())
        return sortOrder() == Qt::AscendingOrder ? a.isValid() : b.isValid();
    if (!a.isValid())
        return false;
    if (a.typeId() == QMetaType::Double)
        return a.toDouble() < b.toDouble();
    return a.toString() < b.toString();
}

} // namespace keelwright
