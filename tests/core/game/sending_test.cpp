// SPDX-License-Identifier: MIT
#include "core/game/sending.h"

#include "core/export/class_export.h"
#include "core/export/weapon_export.h"
#include "support/random_records.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace keelwright {
namespace {

// A value that reads back as a reset one ("#", "0", no shield type) would be taken for one the
// game holds.
ShipClassRecord withoutResetValues(ShipClassRecord record) {
    for (std::size_t i = 0; i < classFields().size(); ++i) {
        if (classFields()[i].kind == FieldKind::Choice && record.value(i).empty())
            record.setValue(i, std::string(kShieldTypes[1]));
        if (isTextual(classFields()[i].kind) && (record.value(i) == "#" || record.value(i) == "0"))
            record.setValue(i, classFields()[i].kind == FieldKind::Power ? "1" : "x");
    }
    return record;
}

// After a send that stopped at any line, what the game holds is such that Send Changes sends
// exactly the lines that did not take effect; after a whole send, nothing.
TEST(Sending, WhatTookEffectIsTheNewBaseline) {
    for (unsigned seed = 0; seed < 500; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        testing::RecordGenerator generate(seed);
        const bool weapon = seed % 3 == 0;
        const FileContent form = weapon ? FileContent::Weapon : FileContent::ShipClass;
        FormValues before, after;
        std::string changes;
        if (weapon) {
            WeaponRecord a = generate.weapon(), b = generate.weapon();
            b.number = a.number;
            b.missile = a.missile;
            before = weaponTexts(a);
            after = weaponTexts(b);
            changes = exportWeaponChanges(a, b);
        } else {
            ShipClassRecord a = withoutResetValues(generate.shipClass());
            ShipClassRecord b = withoutResetValues(generate.shipClass());
            b.setText("Text1", a.text("Text1"));
            before = valuesOf(a);
            after = valuesOf(b);
            changes = exportClassChanges(a, b).text;
        }
        const std::vector<std::string> lines = linesToSend(changes);
        std::size_t took = generate.pick(lines.size() + 1);
        // One include flag stands for both shields of a pair: a send stopped between their two
        // declarations leaves the pair taken for included.
        if (took > 0 && took < lines.size() && lines[took - 1].starts_with("@space/addsysclass") &&
            lines[took].starts_with("@space/addsysclass"))
            ++took;
        const std::vector<std::string> taken(lines.begin(), lines.begin() + std::ptrdiff_t(took));
        const std::optional<FormValues> held = formTaken(form, before, after, taken, lines.size());
        ASSERT_TRUE(held);
        const std::string again =
            weapon ? exportWeaponChanges(weaponFromTexts(*held), weaponFromTexts(after))
                   : exportClassChanges(shipClassOf(*held), shipClassOf(after)).text;
        // Exactly the lines that did not arrive go again; but in a system the send declared,
        // a line that did not arrive and holds what the game takes for a missing line ("0", "#",
        // nothing) is taken to be there.
        const std::vector<std::string> rest(lines.begin() + std::ptrdiff_t(took), lines.end());
        std::vector<std::string> sure;
        for (const std::string& line : rest)
            if (!line.ends_with("=0") && !line.ends_with("=#") && !line.ends_with("="))
                sure.push_back(line);
        std::vector<std::string> resent = linesToSend(again), resentSure;
        for (const std::string& line : resent)
            if (!line.ends_with("=0") && !line.ends_with("=#") && !line.ends_with("="))
                resentSure.push_back(line);
        ASSERT_EQ(resentSure, sure) << took << " of " << lines.size();
        std::size_t at = 0; // and nothing but those, in their order
        for (const std::string& line : resent) {
            while (at < rest.size() && rest[at] != line)
                ++at;
            ASSERT_LT(at++, rest.size()) << "sent again though it arrived: " << line;
        }
    }
    EXPECT_EQ(formTaken(FileContent::Weapon, std::nullopt, weaponTexts({}), {}, 3), std::nullopt);
}

TEST(Sending, TheQuestionNamesPlaceholdersLongLinesAndMissingCharacters) {
    const std::vector<std::string> lines = {
        "@space/setclass 1/name=Ærø", "@space/setclass 1/size=#",
        "@space/setclass 1/maxhull=" + std::string(30, '9'), "@space/setclass 1/name=日本"};
    const SendSummary utf8 = summarize(lines, 40, true);
    EXPECT_EQ(utf8.lines, 4u);
    EXPECT_EQ(utf8.characters, 26u + 24u + 56u + 25u);
    EXPECT_EQ(utf8.placeholders, std::vector<std::size_t>{2});
    EXPECT_EQ(utf8.tooLong, std::vector<std::size_t>{3});
    EXPECT_TRUE(utf8.beyondCharacterSet.empty());
    const SendSummary latin1 = summarize(lines, 26, false);
    EXPECT_EQ(latin1.tooLong, (std::vector<std::size_t>{3, 4}));
    EXPECT_EQ(latin1.beyondCharacterSet, (std::vector<std::string>{"日", "本"}));
    EXPECT_EQ(linesToSend("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
}

} // namespace
} // namespace keelwright
