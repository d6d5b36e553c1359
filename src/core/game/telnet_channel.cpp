// SPDX-License-Identifier: MIT
#include "core/game/telnet_channel.h"

#include <libtelnet.h>

#include <algorithm>
#include <cctype>
#include <cstddef>

namespace keelwright {
namespace {

constexpr unsigned char kCharset = 42; // RFC 2066
constexpr char kRequest = 1, kAccepted = 2, kRejected = 3;

// CHARSET is the one option taken, either way; libtelnet refuses every other.
const telnet_telopt_t kOptions[] = {{kCharset, TELNET_WILL, TELNET_DO}, {-1, 0, 0}};

bool sameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

struct TelnetChannel::Handle {
    telnet_t* telnet = nullptr;
    ~Handle() {
        if (telnet)
            telnet_free(telnet);
    }

    static void onEvent(telnet_t*, telnet_event_t* event, void* data) {
        auto* channel = static_cast<TelnetChannel*>(data);
        switch (event->type) {
        case TELNET_EV_DATA:
            if (channel->text_)
                channel->text_->append(event->data.buffer, event->data.size);
            break;
        case TELNET_EV_SEND:
            channel->outgoing_.append(event->data.buffer, event->data.size);
            break;
        case TELNET_EV_SUBNEGOTIATION:
            if (event->sub.telopt == kCharset)
                channel->answerCharset({event->sub.buffer, event->sub.size});
            break;
        default:   // negotiation libtelnet answers itself; warnings and errors of a broken stream,
            break; // after which it reads on
        }
    }
};

TelnetChannel::TelnetChannel() : handle_(std::make_unique<Handle>()) {
    handle_->telnet = telnet_init(kOptions, &Handle::onEvent, 0, this);
}

TelnetChannel::~TelnetChannel() = default;

void TelnetChannel::receive(std::string_view bytes, std::string& text) {
    text_ = &text;
    telnet_recv(handle_->telnet, bytes.data(), bytes.size());
    text_ = nullptr;
}

void TelnetChannel::send(std::string_view text) {
    telnet_send(handle_->telnet, text.data(), text.size());
}

std::string TelnetChannel::takeOutgoing() {
    std::string out;
    out.swap(outgoing_);
    return out;
}

// A REQUEST names the character sets the game offers, each after a separator of its choosing
// (";UTF-8;ISO-8859-1"); "[TTABLE]" and a version byte may come first. UTF-8 is taken where it is
// offered; otherwise nothing is, and the game goes on in Latin-1.
void TelnetChannel::answerCharset(std::string_view request) {
    if (request.empty() || request.front() != kRequest)
        return;
    request.remove_prefix(1);
    if (request.starts_with("[TTABLE]"))
        request.remove_prefix(std::min<std::size_t>(request.size(), 9));
    bool offered = false;
    if (!request.empty()) {
        const char separator = request.front();
        for (std::size_t from = 1; from <= request.size() && !offered;) {
            std::size_t end = request.find(separator, from);
            if (end == std::string_view::npos)
                end = request.size();
            offered = sameLetters(request.substr(from, end - from), "UTF-8");
            from = end + 1;
        }
    }
    if (offered) {
        const char accepted[] = {kAccepted, 'U', 'T', 'F', '-', '8'};
        telnet_subnegotiation(handle_->telnet, kCharset, accepted, sizeof accepted);
        utf8_ = true;
    } else {
        const char rejected[] = {kRejected};
        telnet_subnegotiation(handle_->telnet, kCharset, rejected, sizeof rejected);
    }
}

} // namespace keelwright
