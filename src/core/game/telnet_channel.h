// SPDX-License-Identifier: MIT
#pragma once
// The telnet layer of a game connection, over libtelnet: the game's bytes in, its text and the
// answers to its negotiation out. Every option is refused but CHARSET, through which the game is
// told that Keelwright takes UTF-8; without that agreement the game speaks Latin-1.

#include <memory>
#include <string>
#include <string_view>

namespace keelwright {

class TelnetChannel {
public:
    TelnetChannel();
    ~TelnetChannel();
    TelnetChannel(const TelnetChannel&) = delete;
    TelnetChannel& operator=(const TelnetChannel&) = delete;

    // Appends the text of `bytes` to `text`; negotiation, split across calls or not, is taken
    // out and answered.
    void receive(std::string_view bytes, std::string& text);
    // Text to the game, its IAC bytes escaped.
    void send(std::string_view text);
    // What is to be written to the game since the last call.
    std::string takeOutgoing();

    // The game agreed to UTF-8.
    bool utf8() const { return utf8_; }

private:
    struct Handle;
    friend struct Handle;
    void answerCharset(std::string_view request);

    std::unique_ptr<Handle> handle_;
    std::string outgoing_;
    std::string* text_ = nullptr; // where received text goes while receive() runs
    bool utf8_ = false;
};

} // namespace keelwright
