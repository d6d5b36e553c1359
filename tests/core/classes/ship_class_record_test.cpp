// SPDX-License-Identifier: MIT
#include "core/classes/ship_class_record.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <stdexcept>

namespace keelwright {
namespace {

TEST(ShipClassRecord, StartsWithTheDesignValues) {
    const ShipClassRecord record;
    EXPECT_EQ(record.text("Text1"), "Class #");
    EXPECT_EQ(record.text("Text2"), "Class Name");
    EXPECT_EQ(record.text("Text3"), "#");
    EXPECT_EQ(record.text("Text8"), "0");
    EXPECT_EQ(record.text("text80"), "0");
    EXPECT_EQ(record.text("Text79"), "Comm. Array ");
    EXPECT_EQ(record.flag("Check16"), 0);
    EXPECT_EQ(record.exportValue("Check1"), "0");
    EXPECT_EQ(record.exportValue("Combo3"), "");
}

TEST(ShipClassRecord, KeepsTextExactlyAsTyped) {
    ShipClassRecord record;
    record.setText("Text2", "  Galleon\tß ✓  ");
    record.setText("text15", "");
    EXPECT_EQ(record.text("Text2"), "  Galleon\tß ✓  ");
    EXPECT_EQ(record.exportValue("text15"), "");
}

TEST(ShipClassRecord, FlagsAndChoicesExportTheirShortForm) {
    ShipClassRecord record;
    record.setFlag("Check13", true);
    EXPECT_EQ(record.flag("Check13"), 1);
    EXPECT_EQ(record.exportValue("Check13"), "1");
    record.choose("Combo1", "1 Absorption");
    record.choose("Combo2", "0 Deflector");
    EXPECT_EQ(record.text("Combo1"), "1 Absorption");
    EXPECT_EQ(record.exportValue("Combo1"), "1");
    EXPECT_EQ(record.exportValue("Combo2"), "0");
    record.choose("Combo1", "");
    EXPECT_EQ(record.exportValue("Combo1"), "");
}

TEST(ShipClassRecord, RefusesWrongNamesAndKinds) {
    ShipClassRecord record;
    EXPECT_THROW(record.text("Text83"), std::out_of_range);
    EXPECT_THROW(record.setText("Text15", "1"), std::out_of_range); // it is text15
    EXPECT_THROW(record.setText("Check1", "1"), std::out_of_range);
    EXPECT_THROW(record.setFlag("Text1", true), std::out_of_range);
    EXPECT_THROW(record.choose("Combo1", "2 Reflector"), std::out_of_range);
    EXPECT_EQ(record, ShipClassRecord{}); // nothing changed on the way
}

TEST(ShipClassRecordReset, WritesPlaceholdersAndKeepsFlagsAndChoices) {
    ShipClassRecord record;
    record.setFlag("Check3", true);
    record.setFlag("Check6", true);
    record.choose("Combo4", "1 Absorption");
    record.setText("Text8", "90");
    record.setText("Text9", "fast");
    resetRecord(record);

    int hashes = 0, zeros = 0;
    for (std::size_t i = 0; i < classFields().size(); ++i) {
        const Field& field = classFields()[i];
        if (field.kind == FieldKind::Power) {
            EXPECT_EQ(record.value(i), "0") << field.name;
            ++zeros;
        } else if (isTextual(field.kind)) {
            EXPECT_EQ(record.value(i), "#") << field.name;
            ++hashes;
        }
    }
    EXPECT_EQ(hashes, 65);
    EXPECT_EQ(zeros, 17);
    EXPECT_EQ(record.text("Text1"), "#");
    EXPECT_EQ(record.text("Text79"), "#");
    EXPECT_EQ(record.flag("Check3"), 1);
    EXPECT_EQ(record.flag("Check6"), 1);
    EXPECT_EQ(record.text("Combo4"), "1 Absorption");

    const ShipClassRecord once = record;
    resetRecord(record);
    EXPECT_EQ(record, once);
}

} // namespace
} // namespace keelwright
