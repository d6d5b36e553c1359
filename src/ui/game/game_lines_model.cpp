// SPDX-License-Identifier: MIT
#include "ui/game/game_lines_model.h"

#include <cstddef>
#include <iterator>

namespace keelwright {
namespace {

const char* const kHeaders[] = {"Line", "Command", "Answer", "Status"};
static_assert(std::size(kHeaders) == GameLinesModel::ColumnCount);

} // namespace

QString GameLinesModel::statusText(LineStatus status) {
    switch (status) {
    case LineStatus::Ok:
        return tr("OK");
    case LineStatus::Failed:
        return tr("Failed");
    case LineStatus::NoAnswer:
        return tr("No answer");
    case LineStatus::NotSent:
        return tr("Not sent");
    case LineStatus::InFlight:
        return tr("Sent");
    default:
        return {};
    }
}

void GameLinesModel::setLines(const std::vector<std::string>& commands) {
    beginResetModel();
    rows_.clear();
    for (const std::string& command : commands)
        rows_.push_back({QString::fromStdString(command), {}, LineStatus::Waiting});
    endResetModel();
}

void GameLinesModel::update(int row, const SendLine& line) {
    if (row < 0 || row >= rowCount())
        return;
    Row& r = rows_[std::size_t(row)];
    r.status = line.status;
    r.answer.clear();
    for (const std::string& answer : line.answer)
        r.answer << QString::fromStdString(answer);
    emit dataChanged(index(row, Answer), index(row, Status));
}

int GameLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int GameLinesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant GameLinesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Row& row = rows_.at(std::size_t(index.row()));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::AccessibleTextRole)
        return {};
    switch (index.column()) {
    case Line:
        return QString::number(index.row() + 1);
    case Command:
        return row.command;
    case Answer:
        return row.answer.join(role == Qt::DisplayRole ? QStringLiteral(" / ")
                                                       : QStringLiteral("\n"));
    case Status:
        return statusText(row.status);
    default:
        return {};
    }
}

QVariant GameLinesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return tr(kHeaders[section]);
}

} // namespace keelwright
