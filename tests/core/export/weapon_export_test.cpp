// SPDX-License-Identifier: MIT
#include "core/export/weapon_export.h"

#include "support/torpedo_example.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>

namespace keelwright {
namespace {

WeaponRecord torpedo() {
    WeaponRecord w;
    w.number = "7";
    w.name = "Torpedo";
    w.time = "12";
    w.range = "900";
    w.strength = "40";
    w.speed = "5";
    w.turnRate = "3";
    w.power = "2";
    w.accuracy = "80";
    w.missile = true;
    w.noHull = true;
    return w;
}

TEST(WeaponExport, Missile) {
    EXPECT_EQ(exportWeapon(torpedo()), testing::kTorpedoMissileText);
}

TEST(WeaponExport, LaserLastLineHasNoBreak) {
    WeaponRecord laser = torpedo();
    laser.missile = false;
    EXPECT_EQ(exportWeapon(laser), testing::kTorpedoLaserText);
}

TEST(WeaponExport, DesignValues) {
    WeaponRecord w;
    EXPECT_EQ(exportWeapon(w), "@space/setweapon #/regen time=#\r\n"
                               "@space/setweapon #/type=0\r\n"
                               "@space/setweapon #/name=#\r\n"
                               "@space/setweapon #/range=#\r\n"
                               "@space/setweapon #/strength=#\r\n"
                               "@space/setweapon #/power=#\r\n"
                               "@space/setweapon #/accuracy=#\r\n"
                               "@space/setweapon #/nohull=0");
    w.missile = true;
    const std::string missile = exportWeapon(w);
    EXPECT_TRUE(missile.ends_with("@space/setweapon #/turn rate=#\r\n"));
    EXPECT_EQ(missile.find("nohull"), std::string::npos);
}

TEST(WeaponExport, EmptyNumberAndPaddedValuesAreCopied) {
    WeaponRecord w;
    w.number = "";
    w.name = " Lance ";
    const std::string text = exportWeapon(w);
    EXPECT_NE(text.find("\r\n@space/setweapon /type=0\r\n"), std::string::npos);
    EXPECT_NE(text.find("@space/setweapon /name= Lance \r\n"), std::string::npos);
}

TEST(WeaponRecordReset, WritesHashesAndKeepsTheFlags) {
    WeaponRecord w = torpedo();
    resetWeapon(w);
    WeaponRecord expected;
    expected.missile = true;
    expected.noHull = true;
    EXPECT_EQ(w, expected);
}

TEST(WeaponControls, EachValueHasOneControlInKeyboardOrder) {
    const std::string_view order[] = {"Text1",  "Check1", "Text2", "Text3", "Text4", "Text5",
                                      "Check2", "Text6",  "Text7", "Text8", "Text9"};
    ASSERT_EQ(weaponControls().size(), std::size(order));
    // Writing a distinct value through every control must fill every value of the record.
    WeaponRecord filled;
    int counter = 0;
    for (std::size_t i = 0; i < std::size(order); ++i) {
        const WeaponControl& control = weaponControls()[i];
        EXPECT_EQ(control.name, order[i]);
        EXPECT_NE(control.text == nullptr, control.flag == nullptr) << control.name;
        EXPECT_EQ(control.labelName.empty(), control.flag != nullptr) << control.name;
        if (control.text)
            filled.*control.text = std::to_string(++counter);
        else
            filled.*control.flag = true;
    }
    const std::set<std::string> texts = {filled.number,   filled.name,     filled.time,
                                         filled.range,    filled.strength, filled.power,
                                         filled.accuracy, filled.speed,    filled.turnRate};
    EXPECT_EQ(texts.size(), 9u);
    EXPECT_EQ(texts.count("#"), 0u);
    EXPECT_TRUE(filled.missile && filled.noHull);
}

} // namespace
} // namespace keelwright
