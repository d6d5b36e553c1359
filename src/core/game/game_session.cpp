// SPDX-License-Identifier: MIT
#include "core/game/game_session.h"

#include <algorithm>
#include <utility>

namespace keelwright {
namespace {

// The greeting is taken to be over once the game has said nothing for this long (it may speak
// for at most kGreetingMs): the login's answer then stands apart from it.
constexpr std::int64_t kGreetingQuietMs = 300;
constexpr std::int64_t kGreetingMs = 3000;
// What is kept of one answer and of the game's words to the login; the rest is dropped.
constexpr std::size_t kMaxAnswerLines = 1000;
constexpr std::size_t kMaxAnswerBytes = 1024 * 1024;
constexpr std::size_t kMaxLoginLines = 20;
constexpr std::string_view kDroppedNote = "[the rest of this answer was longer than is kept]";

} // namespace

GameSession::GameSession(GameLogin login, GameSettings settings, std::string nonce)
    : login_(std::move(login)), settings_(std::move(settings)), token_("KW-" + nonce + "-LOGIN"),
      prefix_("KW-" + nonce + "-BEGIN"), suffix_("KW-" + nonce + "-END"),
      syncToken_("KW-" + nonce + "-SYNC") {}

void GameSession::event(SessionEvent::Kind kind, std::string text, std::size_t line) {
    events_.push_back({kind, std::move(text), line});
}

std::vector<SessionEvent> GameSession::takeEvents() {
    std::vector<SessionEvent> out;
    out.swap(events_);
    return out;
}

void GameSession::connected(std::int64_t nowMs) {
    connectedAt_ = nowMs;
    deadline_ = nowMs + kGreetingQuietMs;
}

// A line to the game in the character set it agreed to; `shown` is what the transcript says.
void GameSession::write(std::string_view line, std::string_view shown) {
    std::string bytes(line);
    if (!channel_.utf8()) {
        std::string latin1;
        for (const char c : decodeGameLine(bytes)) // valid UTF-8 from here on
            latin1 += c;
        bytes = toLatin1(latin1).value_or(std::string(line));
    }
    channel_.send(bytes + "\r\n");
    event(SessionEvent::Kind::Sent, std::string(shown));
}

void GameSession::receive(std::string_view bytes, std::int64_t nowMs) {
    if (phase_ == SessionPhase::Closed)
        return;
    std::string text;
    channel_.receive(bytes, text);
    std::vector<std::string> lines;
    splitter_.feed(text, lines);
    if (phase_ == SessionPhase::Greeting && !bytes.empty())
        deadline_ = std::min(nowMs + kGreetingQuietMs, connectedAt_ + kGreetingMs);
    for (std::string& line : lines)
        handle(decodeGameLine(line), nowMs);
}

void GameSession::handle(std::string line, std::int64_t nowMs) {
    switch (phase_) {
    case SessionPhase::Greeting:
        if (bannerHead_.empty() && !line.empty())
            bannerHead_ = line;
        event(SessionEvent::Kind::Output, std::move(line));
        return;
    case SessionPhase::LoggingIn:
    case SessionPhase::Marking:
        handleLogin(line, nowMs);
        return;
    case SessionPhase::Sending:
        handleSend(std::move(line), nowMs);
        return;
    default:
        // Markers between sends close answers that came too late; the rest is other output.
        if (line != prefix_ && line != suffix_ && line != syncToken_)
            event(SessionEvent::Kind::Output, std::move(line));
    }
}

void GameSession::tick(std::int64_t nowMs) {
    if (!deadline_ || nowMs < *deadline_)
        return;
    deadline_.reset();
    switch (phase_) {
    case SessionPhase::Greeting: {
        phase_ = SessionPhase::LoggingIn;
        const std::string hidden = connectCommand(login_.character, "********");
        write(connectCommand(login_.character, login_.password), hidden);
        write("think " + token_, "think " + token_);
        deadline_ = nowMs + settings_.timeoutMs;
        return;
    }
    case SessionPhase::LoggingIn:
        refuse(loginAnswer_.empty() ? "The game did not answer the login." : std::string());
        return;
    case SessionPhase::Marking:
        refuse("The game does not take OUTPUTPREFIX and OUTPUTSUFFIX, so its answers cannot be "
               "told apart.");
        return;
    case SessionPhase::Sending:
        if (syncing_) { // the game never caught up: nothing of this send is sent
            syncing_ = false;
            for (SendLine& l : lines_)
                l.status = LineStatus::NotSent;
            finish();
            return;
        }
        answered(LineStatus::NoAnswer);
        sendNext(nowMs);
        return;
    default:
        return;
    }
}

void GameSession::handleLogin(const std::string& line, std::int64_t nowMs) {
    if (phase_ == SessionPhase::LoggingIn && line == token_) {
        phase_ = SessionPhase::Marking;
        // RhostMUSH takes these in capitals only; the others take them either way.
        write("OUTPUTPREFIX " + prefix_, "OUTPUTPREFIX " + prefix_);
        write("OUTPUTSUFFIX " + suffix_, "OUTPUTSUFFIX " + suffix_);
        deadline_ = nowMs + settings_.timeoutMs;
        return;
    }
    if (phase_ == SessionPhase::LoggingIn && !bannerHead_.empty() && line == bannerHead_) {
        refuse({}); // the login screen again: the game did not take the login
        return;
    }
    if (phase_ == SessionPhase::Marking && line == suffix_) {
        phase_ = SessionPhase::Ready;
        deadline_.reset();
        event(SessionEvent::Kind::LoggedIn);
        return;
    }
    if (phase_ == SessionPhase::Marking && line == prefix_)
        return;
    if (phase_ == SessionPhase::LoggingIn && loginAnswer_.size() < kMaxLoginLines && !line.empty())
        loginAnswer_.push_back(line);
    event(SessionEvent::Kind::Output, line);
}

void GameSession::refuse(std::string why) {
    phase_ = SessionPhase::Refused;
    deadline_.reset();
    if (why.empty()) {
        for (const std::string& line : loginAnswer_)
            why += (why.empty() ? "" : "\n") + line;
    }
    event(SessionEvent::Kind::LoginRefused, std::move(why));
}

bool GameSession::send(std::vector<std::string> lines, std::int64_t nowMs) {
    if (phase_ != SessionPhase::Ready)
        return false;
    lines_.clear();
    for (std::string& line : lines)
        lines_.push_back({std::move(line), {}, LineStatus::Waiting});
    next_ = 0;
    stopped_ = false;
    phase_ = SessionPhase::Sending;
    if (outOfStep_) { // an answer that came late must not be taken for the first line's
        syncing_ = true;
        inAnswer_ = false;
        write("think " + syncToken_, "think " + syncToken_);
        deadline_ = nowMs + settings_.timeoutMs;
        return true;
    }
    sendNext(nowMs);
    return true;
}

void GameSession::sendNext(std::int64_t nowMs) {
    if (stopped_ || next_ >= lines_.size()) {
        for (std::size_t i = next_; i < lines_.size(); ++i)
            lines_[i].status = LineStatus::NotSent;
        finish();
        return;
    }
    SendLine& line = lines_[next_];
    line.status = LineStatus::InFlight;
    inAnswer_ = false;
    answerBytes_ = 0;
    write(line.command, line.command);
    deadline_ = nowMs + settings_.timeoutMs;
}

void GameSession::handleSend(std::string line, std::int64_t nowMs) {
    if (syncing_) {
        handleSync(std::move(line), nowMs);
        return;
    }
    if (line == prefix_) {
        inAnswer_ = true;
        return;
    }
    if (line == suffix_) { // a game that wraps no empty answer may send the end alone
        answered(fails(lines_[next_].answer) ? LineStatus::Failed : LineStatus::Ok);
        sendNext(nowMs);
        return;
    }
    if (!inAnswer_) {
        event(SessionEvent::Kind::Output, std::move(line));
        return;
    }
    std::vector<std::string>& answer = lines_[next_].answer;
    if (answer.size() < kMaxAnswerLines && answerBytes_ + line.size() <= kMaxAnswerBytes) {
        answerBytes_ += line.size();
        answer.push_back(std::move(line));
    } else if (answer.empty() || answer.back() != kDroppedNote) {
        answer.emplace_back(kDroppedNote);
    }
}

// Answers that come late, each between markers, and then the one that holds the sync token: the
// game has caught up, and what comes next is the first line's answer.
void GameSession::handleSync(std::string line, std::int64_t nowMs) {
    if (line == prefix_) {
        inAnswer_ = true;
        caughtUp_ = false;
    } else if (line == suffix_) {
        inAnswer_ = false;
        if (caughtUp_) {
            syncing_ = outOfStep_ = false;
            sendNext(nowMs);
        }
    } else if (inAnswer_ && line == syncToken_) {
        caughtUp_ = true;
    } else {
        event(SessionEvent::Kind::Output, std::move(line));
    }
}

bool GameSession::fails(const std::vector<std::string>& answer) const {
    return std::any_of(answer.begin(), answer.end(), [&](const std::string& line) {
        return std::any_of(settings_.failureAnswers.begin(), settings_.failureAnswers.end(),
                           [&](const std::string& failure) {
                               return !failure.empty() && line.starts_with(failure);
                           });
    });
}

void GameSession::answered(LineStatus status) {
    SendLine& line = lines_[next_];
    line.status = status;
    inAnswer_ = false;
    deadline_.reset();
    event(SessionEvent::Kind::Answered, {}, next_);
    ++next_;
    if (status == LineStatus::NoAnswer)
        outOfStep_ = true;
    if (status == LineStatus::NoAnswer ||
        (status == LineStatus::Failed && settings_.stopAtFirstFailure))
        stopped_ = true;
}

void GameSession::finish() {
    deadline_.reset();
    inAnswer_ = false;
    if (phase_ == SessionPhase::Sending)
        phase_ = SessionPhase::Ready;
    event(SessionEvent::Kind::Finished);
}

void GameSession::stop() {
    if (phase_ != SessionPhase::Sending)
        return;
    stopped_ = true;
    if (syncing_) {
        syncing_ = false;
        sendNext(0); // marks every line not sent and ends the send
    }
}

void GameSession::closed() {
    if (phase_ == SessionPhase::Closed)
        return;
    if (auto rest = splitter_.rest())
        event(SessionEvent::Kind::Output, decodeGameLine(*rest));
    const bool sending = phase_ == SessionPhase::Sending;
    phase_ = SessionPhase::Closed;
    deadline_.reset();
    if (!sending)
        return;
    for (std::size_t i = next_; i < lines_.size(); ++i) {
        const bool inFlight = lines_[i].status == LineStatus::InFlight;
        lines_[i].status = inFlight ? LineStatus::NoAnswer : LineStatus::NotSent;
        if (inFlight)
            event(SessionEvent::Kind::Answered, {}, i);
    }
    event(SessionEvent::Kind::Finished);
}

} // namespace keelwright
