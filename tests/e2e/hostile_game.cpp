// SPDX-License-Identifier: MIT
// A hostile game on the loopback for the end-to-end tests:
//   hostile_game PORT_FILE MODE...
// listens on a free port of 127.0.0.1, writes the port to PORT_FILE, and gives the Nth connection
// the Nth MODE: "flood" sends 50 MB without a line end, "iac" an endless stream of telnet
// negotiation (for 20 s) and never reads, "silent" accepts and never speaks. Each connection is
// held until the program closes it or 30 s have passed, and each one the program closed is named
// in PORT_FILE.closed. The whole run ends within 3 minutes.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>

namespace {

using Clock = std::chrono::steady_clock;

// Writes all of `bytes` unless the peer goes away or the deadline passes.
bool sendAll(int socket, std::string_view bytes, Clock::time_point deadline) {
    while (!bytes.empty() && Clock::now() < deadline) {
        pollfd waiting{socket, POLLOUT, 0};
        if (poll(&waiting, 1, 200) <= 0)
            continue;
        const ssize_t sent = send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        bytes.remove_prefix(std::size_t(sent));
    }
    return bytes.empty();
}

// Until the peer closes the connection (true) or the deadline passes; what it sends is read and
// dropped.
bool holdOpen(int socket, Clock::time_point deadline, bool read) {
    std::array<char, 65536> buffer{};
    while (Clock::now() < deadline) {
        pollfd waiting{socket, short(read ? POLLIN : 0), 0};
        if (poll(&waiting, 1, 200) > 0 &&
            ((waiting.revents & (POLLHUP | POLLERR)) ||
             (read && recv(socket, buffer.data(), buffer.size(), 0) <= 0)))
            return true;
    }
    return false;
}

bool flood(int socket) {
    const auto deadline = Clock::now() + std::chrono::seconds(60);
    const std::string chunk(1 << 20, 'x');
    for (int i = 0; i < 50; ++i)
        if (!sendAll(socket, chunk, deadline))
            return true;
    return holdOpen(socket, Clock::now() + std::chrono::seconds(30), true);
}

bool negotiate(int socket) {
    // WILL, WONT, DO, DONT of every option, and subnegotiations cut short by the next IAC.
    std::string stream;
    for (int option = 0; option < 256; ++option)
        for (const char verb : {'\xfb', '\xfc', '\xfd', '\xfe'})
            stream += std::string{'\xff', verb, char(option), '\xff', '\xfa', char(option), 'x'};
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (Clock::now() < deadline)
        if (!sendAll(socket, stream, deadline))
            return true;
    return holdOpen(socket, Clock::now() + std::chrono::seconds(10), false);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: hostile_game PORT_FILE MODE...\n");
        return 2;
    }
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener < 0 || bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        listen(listener, 4) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        std::perror("hostile_game");
        return 1;
    }
    std::ofstream(argv[1]) << ntohs(address.sin_port) << '\n';
    const auto end = Clock::now() + std::chrono::minutes(3);
    for (int i = 2; i < argc && Clock::now() < end; ++i) {
        pollfd waiting{listener, POLLIN, 0};
        if (poll(&waiting, 1, 60000) <= 0)
            return 1;
        const int connection = accept(listener, nullptr, nullptr);
        if (connection < 0)
            return 1;
        const std::string_view mode = argv[i];
        const bool closed =
            mode == "flood" ? flood(connection)
            : mode == "iac" ? negotiate(connection)
                            : holdOpen(connection, Clock::now() + std::chrono::seconds(30), true);
        close(connection);
        if (closed)
            std::ofstream(std::string(argv[1]) + ".closed", std::ios::app) << mode << '\n';
    }
    return 0;
}
