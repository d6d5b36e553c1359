// SPDX-License-Identifier: MIT
#pragma once
// Seeded random ship classes and weapons of every shape the editors can hold: blanks at either
// end and inside, characters of every Unicode plane, the separators "/", "=", ":" and the
// placeholder "#", keys and command words inside values and numbers, empty values, every include
// combination, both shield types and none.

#include "core/classes/ship_class_record.h"
#include "core/weapons/weapon_record.h"

#include <array>
#include <cstddef>
#include <random>
#include <string>
#include <string_view>

namespace keelwright::testing {

// Windows1252: every text is one that code page can hold. Game: what a MUSH keeps of a line it
// is sent (it drops tabs and the characters it does not print: plane 3, tags, private use).
enum class Alphabet { Unicode, Windows1252, Game };

class RecordGenerator {
public:
    explicit RecordGenerator(unsigned seed, Alphabet alphabet = Alphabet::Unicode)
        : random_(seed), alphabet_(alphabet) {}

    std::string text(std::size_t maxPieces = 6) {
        std::string out;
        const std::size_t pieces = pick(maxPieces + 1);
        for (std::size_t i = 0; i < pieces; ++i)
            out += piece();
        return out;
    }

    std::string powerText() {
        static constexpr std::string_view allowed = "0123456789+-. ";
        std::string out;
        const std::size_t length = 1 + pick(kPowerFieldMaxLength);
        for (std::size_t i = 0; i < length; ++i)
            out += allowed[pick(allowed.size())];
        return out;
    }

    ShipClassRecord shipClass() {
        ShipClassRecord record;
        const auto fields = classFields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            switch (fields[i].kind) {
            case FieldKind::Text:
            case FieldKind::Number:
                record.setValue(i, text());
                break;
            case FieldKind::Power:
                record.setValue(i, powerText());
                break;
            case FieldKind::Flag:
                record.setValue(i, pick(2) ? "1" : "0");
                break;
            case FieldKind::Choice: {
                const std::size_t item = pick(kShieldTypes.size() + 1);
                record.setValue(i, item < kShieldTypes.size() ? std::string(kShieldTypes[item])
                                                              : std::string());
            }
            }
        }
        record.setText("Text1", text(3));
        return record;
    }

    WeaponRecord weapon() {
        WeaponRecord weapon;
        for (const WeaponControl& control : weaponControls()) {
            if (control.text)
                weapon.*control.text = text();
            else
                weapon.*control.flag = pick(2) == 1;
        }
        weapon.number = text(3);
        return weapon;
    }

    std::size_t pick(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
    }

private:
    std::string piece() {
        // Characters of every plane in use (the BMP, the supplementary planes 1 to 3, tags,
        // private use up to U+10FFFD), the separators, blanks, the placeholder, and the keys
        // and command words an export writes.
        // clang-format off
        static constexpr std::array<std::string_view, 33> unicode = {
            "a", "Z", "7", " ", "  ", "/", "=", ":", "#", "\t", "é", "ß", "Ω", "日本", "🚀", "𠀀",
            "\U00030000", "\U000E0041", "\U000F0000", "\U0010FFFD", "/name=", ":reactor/name=",
            ":reactor/max output=", "=reactor", "=", "=aft", " :tachyon/name=", "/type=",
            "/nohull=1", "@space/setclass ", "@space/setweapon ", " 0", "# "};
        // clang-format on
        static constexpr std::array<std::string_view, 18> codePage = {
            "a", "Z", "7", " ", "/", "=", ":",      "#",    "\t",
            "é", "ß", "€", "Š", "“", "”", "/name=", "=aft", " :tachyon/name="};
        // Of the first twenty, the tab and the last four are not printed by a game.
        static constexpr std::array<std::size_t, 15> printedInGame = {0, 1,  2,  3,  4,  5,  6, 7,
                                                                      8, 10, 11, 12, 13, 14, 15};
        switch (alphabet_) {
        case Alphabet::Windows1252:
            return std::string(codePage[pick(codePage.size())]);
        case Alphabet::Game: {
            const std::size_t at = pick(printedInGame.size() + unicode.size() - 20);
            return std::string(unicode[at < printedInGame.size() ? printedInGame[at]
                                                                 : at - printedInGame.size() + 20]);
        }
        case Alphabet::Unicode:
            break;
        }
        return std::string(unicode[pick(unicode.size())]);
    }

    std::mt19937 random_;
    Alphabet alphabet_;
};

} // namespace keelwright::testing
