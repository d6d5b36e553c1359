// SPDX-License-Identifier: MIT
// Whatever a game sends, cut into pieces at each 0x1F byte with time passing between them: the
// session never fails, keeps every line and answer within bounds, and a send it finishes leaves
// no line waiting or in flight.
#include "core/game/game_session.h"
#include "fuzz_input.h"

#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace keelwright;
    GameSession session({"Builder", "pw"}, {}, "f");
    std::int64_t now = 0;
    session.connected(now);
    bool sent = false;
    for (const std::string_view piece : fuzz::texts(data, size)) {
        session.receive(piece, now);
        if (session.deadline() && piece.size() % 2 == 0) {
            now = *session.deadline();
            session.tick(now);
        }
        if (session.phase() == SessionPhase::Ready && !sent)
            sent = session.send({"@space/setclass 1/name=A", "@space/setclass 1/size=2"}, now);
        if (piece.size() % 3 == 0)
            session.stop();
        for (const SessionEvent& event : session.takeEvents()) {
            if (event.text.size() > kMaxGameLineBytes + kCutLineNote.size() + 64 * 20)
                std::abort();
            if (event.kind == SessionEvent::Kind::Finished &&
                session.phase() == SessionPhase::Ready) {
                for (const SendLine& line : session.lines())
                    if (line.status == LineStatus::Waiting || line.status == LineStatus::InFlight)
                        std::abort();
            }
        }
        for (const SendLine& line : session.lines())
            if (line.answer.size() > 1001)
                std::abort();
        (void)session.takeOutgoing();
    }
    session.closed();
    for (const SendLine& line : session.lines())
        if (line.status == LineStatus::Waiting || line.status == LineStatus::InFlight)
            std::abort();
    return 0;
}
