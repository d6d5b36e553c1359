// SPDX-License-Identifier: MIT
#include "ui/fleet/fleet_model.h"

#include "core/export/class_export.h"
#include "core/weapons/weapon_export.h"
#include "support/ui_helpers.h"

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

TEST(FleetModel, SortsNumbersAsNumbersAndFiltersByNumberNameOrFile) {
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
        {FleetModel::Number, Qt::AscendingOrder, "", "7 9 10 101"},  // numbers in their order
        {FleetModel::MaxHull, Qt::AscendingOrder, "", "10 9 101 7"}, // 900 before 1000; none last
        {FleetModel::MaxHull, Qt::DescendingOrder, "", "7 101 9 10"},
        {FleetModel::FreePower, Qt::AscendingOrder, "", "9 101 10 7"}, // -20 first
        {FleetModel::Line, Qt::AscendingOrder, "", "10 101 9 7"},
        {FleetModel::Name, Qt::AscendingOrder, "LLEO", "10"},  // "Galleon"
        {FleetModel::Name, Qt::AscendingOrder, "old/", "101"}, // the file
        {FleetModel::Name, Qt::AscendingOrder, " 7 ", "7"},    // the number
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

} // namespace
} // namespace keelwright
