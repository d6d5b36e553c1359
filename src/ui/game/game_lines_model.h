// SPDX-License-Identifier: MIT
#pragma once
// The lines of a send as a table: each line's number, the command exactly as sent, the game's
// answer and what became of it. Screen readers read every cell.

#include "core/game/game_session.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <string>
#include <vector>

namespace keelwright {

class GameLinesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Line, Command, Answer, Status, ColumnCount };
    struct Row {
        QString command;
        QStringList answer;
        LineStatus status = LineStatus::Waiting;
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setLines(const std::vector<std::string>& commands);
    void update(int row, const SendLine& line);
    const std::vector<Row>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static QString statusText(LineStatus status);

private:
    std::vector<Row> rows_;
};

} // namespace keelwright
