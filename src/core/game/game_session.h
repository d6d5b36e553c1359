// SPDX-License-Identifier: MIT
#pragma once
// A connection to a game as a state machine over bytes in and lines out, with no socket and no
// clock of its own: the caller feeds it what the game sent and the time, writes what it gives
// back, and calls it again at the deadline it names (none while nothing is awaited). It logs in,
// has the game wrap the output of every command in markers of its own, and sends lines one at a
// time, each paired with the game's own answer to it.

#include "core/game/game_text.h"
#include "core/game/telnet_channel.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keelwright {

struct GameLogin {
    std::string character;
    std::string password;
};

struct GameSettings {
    // A line fails when a line of its answer begins with one of these.
    std::vector<std::string> failureAnswers = {"Huh?", "Permission denied", "#-1",
                                               "Unrecognized switch"};
    std::int64_t timeoutMs = 10000; // for the login, and for each line's answer
    bool stopAtFirstFailure = true;
};

enum class LineStatus { Waiting, InFlight, Ok, Failed, NoAnswer, NotSent };

enum class SessionPhase { Greeting, LoggingIn, Marking, Ready, Sending, Refused, Closed };

struct SessionEvent {
    enum class Kind {
        LoggedIn,     // ready to send
        LoginRefused, // `text`: the game's own words, or why the login failed
        Output,       // `text`: a line of the game's other output
        Sent,         // `text`: a line as it was sent, with the password hidden
        Answered,     // `line`: the line of the send that got its status and answer
        Finished,     // the send ended: every line answered, or stopped, failed or cut off
    };
    Kind kind;
    std::string text;
    std::size_t line = 0;
};

struct SendLine {
    std::string command;
    std::vector<std::string> answer;
    LineStatus status = LineStatus::Waiting;
};

class GameSession {
public:
    // `nonce`: random letters and digits that make this session's markers its own.
    GameSession(GameLogin login, GameSettings settings, std::string nonce);

    void connected(std::int64_t nowMs);
    void receive(std::string_view bytes, std::int64_t nowMs);
    void tick(std::int64_t nowMs);
    // The connection is gone: a line in flight has no answer (it may have reached the game), the
    // lines after it are not sent.
    void closed();
    // When tick() is due next; nothing while nothing is awaited.
    std::optional<std::int64_t> deadline() const { return deadline_; }

    // Sends `lines` one at a time, each once the answer to the one before has come back. Only
    // while ready; false otherwise.
    bool send(std::vector<std::string> lines, std::int64_t nowMs);
    // Nothing more is sent; the line in flight still gets its answer.
    void stop();

    std::string takeOutgoing() { return channel_.takeOutgoing(); }
    std::vector<SessionEvent> takeEvents();

    SessionPhase phase() const { return phase_; }
    bool utf8() const { return channel_.utf8(); }
    const std::vector<SendLine>& lines() const { return lines_; }

private:
    void handle(std::string line, std::int64_t nowMs);
    void handleLogin(const std::string& line, std::int64_t nowMs);
    void handleSend(std::string line, std::int64_t nowMs);
    void handleSync(std::string line, std::int64_t nowMs);
    void write(std::string_view line, std::string_view shown);
    void sendNext(std::int64_t nowMs);
    void answered(LineStatus status);
    void finish();
    void refuse(std::string why);
    bool fails(const std::vector<std::string>& answer) const;
    void event(SessionEvent::Kind kind, std::string text = {}, std::size_t line = 0);

    GameLogin login_;
    GameSettings settings_;
    std::string token_, prefix_, suffix_, syncToken_;
    TelnetChannel channel_;
    LineSplitter splitter_;
    SessionPhase phase_ = SessionPhase::Greeting;
    std::optional<std::int64_t> deadline_;
    std::int64_t connectedAt_ = 0;
    std::string bannerHead_; // the greeting's first line: the login screen, shown again
    std::vector<std::string> loginAnswer_; // what the game said to the login
    std::vector<SendLine> lines_;
    std::size_t next_ = 0;        // the line to send next, or the one in flight
    bool inAnswer_ = false;       // between the in-flight line's markers
    bool stopped_ = false;        // Stop was asked
    bool syncing_ = false;        // waiting for the game to catch up before the first line
    bool caughtUp_ = false;       // the sync token stands in the answer being read
    bool outOfStep_ = false;      // a line went unanswered: its answer may still come
    std::size_t answerBytes_ = 0; // of the answer being collected
    std::vector<SessionEvent> events_;
};

} // namespace keelwright
