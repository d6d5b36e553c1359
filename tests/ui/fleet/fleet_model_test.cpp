// SPDX-License-Identifier: MIT
#include "ui/fleet/fleet_model.h"

#include "core/export/class_export.h"
#include "core/export/weapon_export.h"
#include "support/ui_helpers.h"

#include <QPersistentModelIndex>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <string>

namespace keelwright {
namespace {

std::string shipClass(const char* number, const char* name, const char* hull, const char* output,
                      const char* draw) {
    ShipClassRecord record;
    record.setText("Text1", number);
    record.setText("Text2", name);
    record.setText("Text3", hull);
    record.setFlag("Check3", true); // the reactor
    record.setText("Text8", output);
    record.setFlag("Check7", true); // the computer
    record.setText("text15", draw);
    return exportClass(record);
}

QStringList column(const FleetFilter& view, int column) {
    QStringList out;
    for (int r = 0; r < view.rowCount(); ++r)
        out << view.index(r, column).data().toString();
    return out;
}

TEST(FleetModel, SortsNumbersAsNumbersEmptyCellsLastAndFiltersByEveryColumn) {
    FleetModel model;
    WeaponRecord lance;
    lance.number = "7";
    lance.name = "Lance";
    lance.range = "1200";
    model.setFileRows(
        "/ships/all.txt",
        fleetRows("/ships/all.txt", readRecords(shipClass("10", "Galleon", "900", "50", "20") +
                                                shipClass("9", "Sloop", "1000", "10", "30") +
                                                exportWeapon(lance) + "\r\n")));
    model.setFileRows(
        "/ships/old/ketch.txt",
        fleetRows("/ships/old/ketch.txt",
                  readRecords("nonsense\r\n" + shipClass("101", "Ketch", "5000", "0", "0"))));
    FleetFilter view;
    view.setSourceModel(&model);
    ASSERT_EQ(view.rowCount(), 4);

    const struct {
        int column;
        Qt::SortOrder order;
        const char* filter;
        const char* numbers; // in the order shown
    } cases[] = {
        {FleetModel::Number, Qt::AscendingOrder, "", "7 9 10 101"},    // numbers in their order
        {FleetModel::MaxHull, Qt::AscendingOrder, "", "10 9 101 7"},   // 900 before 1000; none last
        {FleetModel::MaxHull, Qt::DescendingOrder, "", "101 9 10 7"},  // none last again
        {FleetModel::FreePower, Qt::AscendingOrder, "", "9 101 10 7"}, // -20 first
        {FleetModel::Line, Qt::AscendingOrder, "", "10 101 9 7"},
        {FleetModel::Name, Qt::AscendingOrder, "LLEO", "10"},   // "Galleon"
        {FleetModel::Name, Qt::AscendingOrder, "old/", "101"},  // the file
        {FleetModel::Name, Qt::AscendingOrder, " 101 ", "101"}, // the number
        {FleetModel::Number, Qt::AscendingOrder, "1000", "9"},  // Max Hull: any column's text
        {FleetModel::Number, Qt::AscendingOrder, "OVERDRAWN", "9"},
        {FleetModel::Name, Qt::AscendingOrder, "nothing", ""},
    };
    for (const auto& c : cases) {
        view.setFilterText(QString::fromLatin1(c.filter));
        view.sort(c.column, c.order);
        EXPECT_EQ(column(view, FleetModel::Number).join(' '), c.numbers)
            << "column " << c.column << " filter " << c.filter;
    }

    // A class drawing more than its reactor gives stands out in colour and in words.
    view.setFilterText(QStringLiteral("Sloop"));
    const QModelIndex free = view.index(0, FleetModel::FreePower);
    EXPECT_EQ(free.data().toString(), "-20 (overdrawn)");
    EXPECT_TRUE(free.data(Qt::ForegroundRole).isValid());
    EXPECT_EQ(view.index(0, FleetModel::Systems).data().toString(), "2");
    // Findings: how many, the texts in the tooltip and for assistive tools.
    view.setFilterText(QStringLiteral("Ketch"));
    const QModelIndex found = view.index(0, FleetModel::Findings);
    EXPECT_EQ(view.index(0, FleetModel::TotalUsage).data().toString(), "0");
    EXPECT_EQ(found.data().toString(), "1");
    EXPECT_EQ(found.data(Qt::ToolTipRole).toString(),
              "line 1: \"nonsense\" is not a ship class command");
    EXPECT_EQ(found.data(Qt::AccessibleDescriptionRole), found.data(Qt::ToolTipRole));
    model.setFileRows("/ships/old/ketch.txt", {}); // the file is gone: its rows go
    EXPECT_EQ(model.rowCount(), 3);
}

// A file that changed keeps its records on their rows: the row a view stands on stays on its
// record, and rows come and go as rows, never by a reset that would lose the place.
TEST(FleetModel, AChangedFileKeepsEachRecordOnItsRow) {
    FleetModel model;
    FleetFilter view;
    view.setSourceModel(&model);
    view.sort(FleetModel::Number, Qt::AscendingOrder);
    model.setRoot("/ships");
    const auto rowsOf = [](const char* file, const std::string& text) {
        return fleetRows(file, readRecords(text));
    };
    model.setFileRows("/ships/a.txt",
                      rowsOf("/ships/a.txt", shipClass("1", "A", "1", "0", "0") +
                                                 shipClass("2", "B", "2", "0", "0") +
                                                 shipClass("3", "C", "3", "0", "0")));
    model.setFileRows("/ships/old/b.txt",
                      rowsOf("/ships/old/b.txt", shipClass("5", "E", "5", "0", "0")));
    const QPersistentModelIndex current = view.index(1, FleetModel::Number);
    ASSERT_EQ(current.data().toString(), "2");
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    // Another program put class 0 first, took 1 out, renumbered 3 and changed 2's hull.
    model.setFileRows("/ships/a.txt",
                      rowsOf("/ships/a.txt", shipClass("0", "Z", "0", "0", "0") +
                                                 shipClass("2", "B", "777", "0", "0") +
                                                 shipClass("4", "C", "3", "0", "0")));
    EXPECT_EQ(resets.count(), 0);
    ASSERT_TRUE(current.isValid());
    EXPECT_EQ(current.data().toString(), "2");
    EXPECT_EQ(view.index(current.row(), FleetModel::MaxHull).data().toString(), "777");
    EXPECT_EQ(column(view, FleetModel::Number).join(' '), "0 2 4 5");
    EXPECT_EQ(column(view, FleetModel::File).join(' '), "a.txt a.txt a.txt old/b.txt");
    EXPECT_EQ(view.index(3, FleetModel::File).data(Qt::ToolTipRole).toString(), "/ships/old/b.txt");
    model.setFileRows("/ships/a.txt", {});
    EXPECT_EQ(column(view, FleetModel::Number).join(' '), "5");
    EXPECT_EQ(resets.count(), 0);
}

} // namespace
} // namespace keelwright
