// SPDX-License-Identifier: MIT
#include "core/game/game_session.h"

#include "core/export/class_export.h"
#include "support/fake_game.h"
#include "support/random_records.h"
#include "support/text_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace keelwright {
namespace {

using testing::FakeGame;

// A session and a game talking: the game's bytes are handed over cut at random places, with
// negotiation slipped in anywhere, and the clock jumps to each deadline when nothing else moves.
struct Talk {
    explicit Talk(unsigned seed, GameSettings settings = {}, bool utf8 = true)
        : session({"Builder", "builderpw"}, std::move(settings), "n" + std::to_string(seed)),
          game("Builder", "builderpw", utf8), random(seed) {
        session.connected(now);
    }

    void run(int rounds = 2000) {
        for (int round = 0; round < rounds; ++round) {
            game.receive(session.takeOutgoing());
            std::string bytes = game.take();
            if (bytes.empty()) {
                if (!session.deadline())
                    return;
                now = *session.deadline();
                session.tick(now);
                collect();
                continue;
            }
            // Past the game's own negotiation, an IAC NOP or a DO TTYPE may come between any
            // two bytes.
            const std::size_t lastIac = bytes.rfind('\xFF');
            const std::size_t plain = lastIac == std::string::npos ? 0 : lastIac + 2;
            for (std::size_t at = 0; at < bytes.size();) {
                const std::size_t size = 1 + random() % 40;
                std::string piece = bytes.substr(at, size);
                at += size;
                if (at > plain && at < bytes.size() && random() % 8 == 0)
                    piece += random() % 2 ? "\xFF\xF1" : "\xFF\xFD\x18";
                session.receive(piece, now);
            }
            now += 1;
            collect();
        }
        FAIL() << "the talk did not settle";
    }
    void collect() {
        for (SessionEvent& e : session.takeEvents()) {
            if (e.kind == SessionEvent::Kind::Output)
                output.push_back(e.text);
            events.push_back(std::move(e));
        }
    }
    bool saw(SessionEvent::Kind kind) const {
        for (const SessionEvent& e : events)
            if (e.kind == kind)
                return true;
        return false;
    }

    std::int64_t now = 1000;
    GameSession session;
    FakeGame game;
    std::mt19937 random;
    std::vector<SessionEvent> events;
    std::vector<std::string> output;
};

// What the game answers each line of the property: its own words, zero to two lines of them.
std::vector<std::string> answerOf(const std::string& command) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < command.size() % 3; ++i)
        out.push_back("Set " + std::to_string(i) + ": " + command);
    return out;
}

// The property a builder relies on: every command gets exactly its own answer, whatever the
// network cuts and whatever else the game says between answers.
TEST(GameSession, EveryCommandGetsExactlyItsOwnAnswer) {
    for (unsigned seed = 0; seed < 1000; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Talk talk(seed);
        testing::RecordGenerator generate(seed);
        std::vector<std::string> pages;
        talk.game.answer = answerOf;
        talk.game.between = [&] {
            if (talk.random() % 3 == 0) {
                pages.push_back("Someone pages: " + std::to_string(pages.size()));
                talk.game.say(pages.back());
            }
        };
        talk.run();
        ASSERT_EQ(talk.session.phase(), SessionPhase::Ready);
        ASSERT_TRUE(talk.session.utf8());
        const std::vector<std::string> lines =
            testing::splitCrLf(exportClass(generate.shipClass()));
        const std::size_t before = talk.game.commands().size();
        ASSERT_TRUE(talk.session.send(lines, talk.now));
        talk.run();
        const std::vector<std::string> got(talk.game.commands().begin() + std::ptrdiff_t(before),
                                           talk.game.commands().end());
        ASSERT_EQ(got, lines);
        ASSERT_EQ(talk.session.lines().size(), lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            ASSERT_EQ(talk.session.lines()[i].status, LineStatus::Ok) << i;
            ASSERT_EQ(talk.session.lines()[i].answer, answerOf(lines[i])) << i;
        }
        // The pages are other output, every one, never an answer.
        std::vector<std::string> shownPages;
        for (const std::string& line : talk.output)
            if (line.starts_with("Someone pages: "))
                shownPages.push_back(line);
        ASSERT_EQ(shownPages, pages);
    }
}

TEST(GameSession, NegotiationIsRefusedButForUtf8) {
    Talk talk(1);
    talk.run();
    const std::string& said = talk.game.negotiation();
    for (const char* answer : {"\xFF\xFE\x19", "\xFF\xFC\x03", "\xFF\xFC\x18", "\xFF\xFC\x1F",
                               "\xFF\xFD\x2A", "\xFF\xFB\x2A", "\xFF\xFA\x2A\x02UTF-8\xFF\xF0"})
        EXPECT_NE(said.find(answer), std::string::npos)
            << ::testing::PrintToString(std::string(answer));
    // Without the agreement, text goes as Latin-1.
    Talk latin1(2, {}, false);
    latin1.run();
    ASSERT_FALSE(latin1.session.utf8());
    ASSERT_TRUE(latin1.session.send({"@space/setclass 1/name=Ærø"}, latin1.now));
    latin1.run();
    EXPECT_EQ(latin1.game.commands().back(), "@space/setclass 1/name=\xC6r\xF8");
}

// The first refused line stops the send: nothing after it reaches the game.
TEST(GameSession, TheFirstFailureStopsTheSend) {
    Talk talk(3);
    talk.run();
    ASSERT_TRUE(talk.session.send({"@space/setclass 1/name=A", "@nosuch", "@space/setclass 1/x"},
                                  talk.now));
    talk.run();
    const auto& lines = talk.session.lines();
    EXPECT_EQ(lines[0].status, LineStatus::Ok);
    EXPECT_EQ(lines[1].status, LineStatus::Failed);
    EXPECT_EQ(lines[1].answer, std::vector<std::string>{"Huh?  (Type \"help\" for help.)"});
    EXPECT_EQ(lines[2].status, LineStatus::NotSent);
    EXPECT_EQ(talk.game.commands().back(), "@nosuch");
    EXPECT_TRUE(talk.saw(SessionEvent::Kind::Finished));
    EXPECT_EQ(talk.session.phase(), SessionPhase::Ready);
}

TEST(GameSession, AWrongPasswordIsRefusedInTheGamesOwnWords) {
    GameSession session({"Builder", "wrong"}, {}, "x");
    FakeGame game("Builder", "builderpw");
    session.connected(0);
    session.receive(game.take(), 0);
    session.tick(*session.deadline());
    game.receive(session.takeOutgoing());
    session.receive(game.take(), 400);
    EXPECT_EQ(session.phase(), SessionPhase::Refused);
    const std::vector<SessionEvent> events = session.takeEvents();
    const auto refused = std::find_if(events.begin(), events.end(), [](const SessionEvent& e) {
        return e.kind == SessionEvent::Kind::LoginRefused;
    });
    ASSERT_NE(refused, events.end());
    EXPECT_EQ(refused->text, testing::kRefusedLogin);
    for (const SessionEvent& e : events) // the password is in no line the transcript shows
        EXPECT_EQ(e.text.find("wrong"), std::string::npos) << e.text;
    EXPECT_FALSE(session.send({"@space/setclass 1/name=A"}, 500));
}

// A line the game never answers: no answer after the timeout, the rest not sent; the next send
// waits for the game to catch up, so the late answer is not taken for its first line.
TEST(GameSession, ALineWithoutAnswerStopsAndTheNextSendCatchesUp) {
    Talk talk(4);
    talk.run();
    std::string held;
    talk.game.answer = [&](const std::string& command) -> std::vector<std::string> {
        return {command == "@slow" ? "late" : "fine"};
    };
    ASSERT_TRUE(talk.session.send({"@slow", "@after"}, talk.now));
    talk.game.receive(talk.session.takeOutgoing());
    held = talk.game.take(); // the answer is held back
    talk.now = *talk.session.deadline();
    talk.session.tick(talk.now);
    EXPECT_EQ(talk.session.lines()[0].status, LineStatus::NoAnswer);
    EXPECT_EQ(talk.session.lines()[1].status, LineStatus::NotSent);
    EXPECT_EQ(talk.session.phase(), SessionPhase::Ready);
    ASSERT_TRUE(talk.session.send({"@next"}, talk.now));
    talk.session.receive(held, talk.now); // comes now, before the catching up
    talk.run();
    EXPECT_EQ(talk.session.lines()[0].status, LineStatus::Ok);
    EXPECT_EQ(talk.session.lines()[0].answer, std::vector<std::string>{"fine"});
}

// Whatever the game sends, memory and lines stay bounded and nothing is taken for an answer that
// does not carry this session's markers.
TEST(GameSession, HostileInputStaysBounded) {
    Talk talk(5);
    talk.run();
    ASSERT_TRUE(talk.session.send({"@space/setclass 1/name=A"}, talk.now));
    talk.game.receive(talk.session.takeOutgoing());
    talk.game.take();
    talk.output.clear();
    const std::string megabyte(1024 * 1024, 'x');
    for (int i = 0; i < 50; ++i) // 50 MB without a line end
        talk.session.receive(megabyte, talk.now);
    for (int i = 0; i < 100000; ++i) // endless negotiation, and a NUL
        talk.session.receive(std::string("\xFF\xFD\x18\xFF\xFB\x01\0", 7), talk.now);
    talk.session.receive("\r\nKW-old-BEGIN\r\nHuh?\r\nKW-old-END\r\n\xC3(\xFF\xFF\r\n", talk.now);
    talk.collect();
    ASSERT_FALSE(talk.output.empty());
    EXPECT_LE(talk.output.front().size(), kMaxGameLineBytes + kCutLineNote.size());
    EXPECT_TRUE(talk.output.front().ends_with(kCutLineNote));
    EXPECT_EQ(talk.output.back(), "\xC3\x83(\xC3\xBF"); // not UTF-8: read as Latin-1
    EXPECT_EQ(talk.session.lines()[0].status, LineStatus::InFlight);
    EXPECT_LE(talk.session.takeOutgoing().size(), 200000u * 3);
    talk.session.closed(); // the game went in the middle of it
    EXPECT_EQ(talk.session.lines()[0].status, LineStatus::NoAnswer);
    EXPECT_EQ(talk.session.phase(), SessionPhase::Closed);
}

TEST(GameText, NamesWithBlanksAreQuotedAndCharactersBeyondLatin1Named) {
    EXPECT_EQ(connectCommand("Builder", "pw"), "connect Builder pw");
    EXPECT_EQ(connectCommand("Star Builder", "p w"), "connect \"Star Builder\" p w");
    EXPECT_EQ(charactersBeyondLatin1("Ærø 日本 € 日"), (std::vector<std::string>{"日", "本", "€"}));
    EXPECT_EQ(toLatin1("Ærø"), std::optional<std::string>("\xC6r\xF8"));
    EXPECT_EQ(toLatin1("€"), std::nullopt);
}

} // namespace
} // namespace keelwright
