// SPDX-License-Identifier: MIT
// The ledgers on disk: what a game took of a record comes back as it was kept, for that game and
// record only; a file that cannot be read counts as never taken; a game forgotten leaves nothing.
#include "ui/storage/ledger_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace keelwright {
namespace {

GameEntry gameAt(const QString& host, quint16 port) {
    GameEntry game;
    game.host = host;
    game.port = port;
    return game;
}

TEST(LedgerStore, KeepsEachGamesRecordsApartAndReadsBackWhatWasKept) {
    const QTemporaryDir folder;
    const LedgerStore store(folder.path());
    const GameEntry game = gameAt("::1", 4201), other = gameAt("::1", 4202);
    // Numbers no file system takes as names, and two that read the same once cut down.
    for (const std::string number : {"12/a:b=c", "12/a:b?c", "..", "Ærø \\*<>|\"", ""}) {
        SCOPED_TRACE(number);
        RecordLedger ledger(FileContent::ShipClass, number);
        ledger.took("@space/setclass " + number + "/maxhull=500");
        ledger.took("@space/addsysclass " + number + "=reactor");
        ledger.took("@space/setclass " + number + "/maxhull=5009"); // replaces the first
        ASSERT_EQ(store.save(game, ledger), std::nullopt);
        const auto read = store.load(game, FileContent::ShipClass, number);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->lines(), ledger.lines());
        EXPECT_EQ(read->lines().size(), 2u);
        EXPECT_FALSE(store.load(other, FileContent::ShipClass, number).has_value());
        EXPECT_FALSE(store.load(game, FileContent::Weapon, number).has_value());
        EXPECT_TRUE(QFileInfo(store.fileOf(game, FileContent::ShipClass, number))
                        .absolutePath()
                        .startsWith(QDir(folder.path()).absolutePath()));
    }
    EXPECT_NE(store.fileOf(game, FileContent::ShipClass, "12/a:b=c"),
              store.fileOf(game, FileContent::ShipClass, "12/a:b?c"));
    // Forgetting a game keeps nothing of it, and leaves the others.
    RecordLedger kept(FileContent::Weapon, "7");
    kept.took("@space/setweapon 7/name=Lance");
    ASSERT_EQ(store.save(other, kept), std::nullopt);
    store.forget(game);
    EXPECT_FALSE(store.load(game, FileContent::ShipClass, "12/a:b=c").has_value());
    EXPECT_FALSE(
        QFileInfo::exists(QFileInfo(store.fileOf(game, FileContent::ShipClass, "")).path()));
    EXPECT_TRUE(store.load(other, FileContent::Weapon, "7").has_value());
    store.forget(other);
    EXPECT_FALSE(QFileInfo::exists(store.folder()));
}

TEST(GamesList, ForgetsAGameAndKeepsTheOthers) {
    const QTemporaryDir folder;
    const QString file = folder.path() + QStringLiteral("/games.json");
    GamesList games(file);
    ASSERT_EQ(games.remember(gameAt("127.0.0.1", 4201)), std::nullopt);
    ASSERT_EQ(games.remember(gameAt("127.0.0.1", 4202)), std::nullopt);
    ASSERT_EQ(games.forget("127.0.0.1", 4201), std::nullopt);
    EXPECT_FALSE(GamesList(file).find("127.0.0.1", 4201).has_value());
    EXPECT_TRUE(GamesList(file).find("127.0.0.1", 4202).has_value());
}

// Whether a game's password is in the keyring is the list's to say: a connection's copy of the
// entry, remembered again, does not undo it.
TEST(GamesList, KeepsWhetherAPasswordIsRemembered) {
    const QTemporaryDir folder;
    const QString file = folder.path() + QStringLiteral("/games.json");
    GamesList games(file);
    const GameEntry game = gameAt("127.0.0.1", 4201);
    ASSERT_EQ(games.remember(game), std::nullopt);
    ASSERT_EQ(games.setPasswordRemembered("127.0.0.1", 4201, true), std::nullopt);
    ASSERT_EQ(games.remember(game), std::nullopt); // its passwordRemembered is false
    EXPECT_TRUE(GamesList(file).find("127.0.0.1", 4201)->passwordRemembered);
    ASSERT_EQ(games.setPasswordRemembered("127.0.0.1", 4201, false), std::nullopt);
    EXPECT_FALSE(GamesList(file).find("127.0.0.1", 4201)->passwordRemembered);
}

// A damaged file counts as never taken, and says why; a missing one is no damage.
TEST(LedgerStore, AFileThatCannotBeTakenCountsAsNeverTakenAndSaysWhy) {
    const QTemporaryDir folder;
    const LedgerStore store(folder.path());
    const GameEntry game = gameAt("127.0.0.1", 4201);
    const QString path = store.fileOf(game, FileContent::Weapon, "7");
    EXPECT_TRUE(store.read(game, FileContent::Weapon, "7").damage.isEmpty());
    QDir().mkpath(QFileInfo(path).path());
    QDir().mkpath(path); // a folder where the file should be
    EXPECT_FALSE(store.read(game, FileContent::Weapon, "7").ledger.has_value());
    QDir().rmdir(path);
    const struct {
        QByteArray bytes;
        const char* damage;
    } cases[] = {
        {QByteArray(2 * 1024 * 1024, 'x'), "it is larger than 1 MiB"},
        {"@space/setweapon 7/name=Lance\r\n@space/setweapon 8/name=Pike\r\n",
         "it holds lines of no such record"},
        {"@space/setweapon 7/name=Lance\r\nnotes\r\n", "it holds lines of no such record"},
        {"\r\n\r\n", ""}, // blank lines: nothing taken, no damage
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.damage);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        const LedgerStore::Reading reading = store.read(game, FileContent::Weapon, "7");
        EXPECT_FALSE(reading.ledger.has_value());
        EXPECT_EQ(reading.damage, QString::fromLatin1(c.damage));
    }
}

} // namespace
} // namespace keelwright
