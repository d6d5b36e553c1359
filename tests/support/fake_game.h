// SPDX-License-Identifier: MIT
#pragma once
// A game as the session meets one, in memory: it greets with negotiation and a login screen,
// offers UTF-8 through CHARSET, logs one character in, wraps each command's output in the
// markers it was given, and answers as a MUSH does. Its bytes can be handed over cut anywhere,
// with pages and negotiation slipped in between, as a real network and game may.

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace keelwright::testing {

inline constexpr std::string_view kRefusedLogin =
    "Either that player does not exist, or has a different password.";
inline constexpr std::string_view kLoginScreen = "Welcome to the test game";

class FakeGame {
public:
    FakeGame(std::string character, std::string password, bool offerUtf8 = true)
        : character_(std::move(character)), password_(std::move(password)) {
        // WILL EOR, DO SGA, DO TTYPE, DO NAWS, WILL CHARSET, DO CHARSET, as TinyMUX greets.
        out_ += "\xFF\xFB\x19\xFF\xFD\x03\xFF\xFD\x18\xFF\xFD\x1F\xFF\xFB\x2A\xFF\xFD\x2A";
        if (offerUtf8)
            out_ += "\xFF\xFA\x2A\x01;UTF-8;ISO-8859-1\xFF\xF0";
        screen();
    }

    // Called before each answer the game wraps: the place for pages and chat.
    std::function<void()> between;
    // What the game says to a command once logged in; by default nothing, and "Huh?" to what
    // it does not know.
    std::function<std::vector<std::string>(const std::string&)> answer =
        [](const std::string& command) -> std::vector<std::string> {
        if (command.starts_with("@space/") || command.starts_with("OUTPUT"))
            return {};
        return {"Huh?  (Type \"help\" for help.)"};
    };

    // Bytes from the session: each whole line is a command. Negotiation answers are kept apart.
    void receive(std::string_view bytes) {
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto c = static_cast<unsigned char>(bytes[i]);
            if (c == 0xFF && i + 1 < bytes.size()) { // IAC: the session's negotiation
                const auto command = static_cast<unsigned char>(bytes[i + 1]);
                std::size_t end = command == 0xFA ? bytes.find("\xFF\xF0", i) + 1 : i + 2;
                end = std::min(end, bytes.size() - 1);
                negotiation_.append(bytes.substr(i, end - i + 1));
                i = end;
                continue;
            }
            if (c == '\n') {
                if (pending_.ends_with('\r'))
                    pending_.pop_back();
                command(pending_);
                pending_.clear();
            } else {
                pending_ += static_cast<char>(c);
            }
        }
    }

    // What the game has sent since the last call.
    std::string take() {
        std::string out;
        out.swap(out_);
        return out;
    }
    void say(std::string_view line) { out_.append(line).append("\r\n"); }

    const std::vector<std::string>& commands() const { return commands_; }
    const std::string& negotiation() const { return negotiation_; }
    bool loggedIn() const { return loggedIn_; }

private:
    void screen() {
        say(kLoginScreen);
        say("  \"connect <name> <password>\" connects you.");
    }

    void command(const std::string& line) {
        if (!loggedIn_) {
            if (line == "connect " + character_ + " " + password_ ||
                line == "connect \"" + character_ + "\" " + password_) {
                loggedIn_ = true;
                say("Last connect was from somewhere.");
                say("Limbo(#0R)");
            } else if (line.starts_with("connect ")) {
                say(kRefusedLogin);
            } else {
                screen();
            }
            return;
        }
        commands_.push_back(line);
        if (line.starts_with("think ")) {
            wrapped({line.substr(6)});
        } else if (line.starts_with("OUTPUTPREFIX ")) {
            prefix_ = line.substr(13);
        } else if (line.starts_with("OUTPUTSUFFIX ")) {
            suffix_ = line.substr(13);
            wrapped({});
        } else {
            wrapped(answer(line));
        }
    }

    void wrapped(const std::vector<std::string>& lines) {
        if (between)
            between();
        if (!prefix_.empty())
            say(prefix_);
        for (const std::string& line : lines)
            say(line);
        if (!suffix_.empty())
            say(suffix_);
    }

    std::string character_, password_, prefix_, suffix_, pending_, out_, negotiation_;
    std::vector<std::string> commands_;
    bool loggedIn_ = false;
};

} // namespace keelwright::testing
