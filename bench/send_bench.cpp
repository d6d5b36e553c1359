// SPDX-License-Identifier: MIT
// How long a send takes, from the question's Yes to the last answer: a class of every section
// (106 lines) to a game, directly or through a loopback proxy that holds each direction DELAY
// milliseconds. bench/measure_send.sh starts the game and gives its port.
//   send_bench PORT [DELAY_MS] [RUNS]
#include "core/export/class_export.h"
#include "core/game/sending.h"
#include "ui/game/game_connection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace keelwright;

namespace {

// Every byte held `delay` ms on its way, either way: a round trip of twice that.
void proxy(QTcpServer& server, quint16 target, int delay) {
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server, target, delay] {
        QTcpSocket* client = server.nextPendingConnection();
        auto* game = new QTcpSocket(client);
        game->connectToHost(QHostAddress::LocalHost, target);
        const auto relay = [delay](QTcpSocket* from, QTcpSocket* to) {
            QObject::connect(from, &QTcpSocket::readyRead, to, [from, to, delay] {
                const QByteArray bytes = from->readAll();
                QTimer::singleShot(delay, to, [to, bytes] { to->write(bytes); });
            });
        };
        relay(client, game);
        relay(game, client);
    });
}

ShipClassRecord everySection() {
    ShipClassRecord record;
    record.setText("Text1", "900");
    for (std::size_t i = 0; i < classFields().size(); ++i) {
        if (classFields()[i].kind == FieldKind::Flag)
            record.setValue(i, "1");
    }
    return record;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const auto port = quint16(std::atoi(argv[1]));
    const int delay = argc > 2 ? std::atoi(argv[2]) : 0;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 5;
    QTcpServer server;
    GameEntry game;
    game.host = QStringLiteral("127.0.0.1");
    game.port = port;
    game.character = QStringLiteral("Builder");
    if (delay > 0) {
        server.listen(QHostAddress::LocalHost);
        proxy(server, port, delay);
        game.port = server.serverPort();
    }
    const std::vector<std::string> lines = linesToSend(exportClass(everySection()));
    GameConnection connection;
    QElapsedTimer clock;
    int done = 0;
    std::vector<qint64> times;
    const auto next = [&] {
        if (done == runs) {
            std::sort(times.begin(), times.end());
            std::printf("%zu lines, delay %d ms each way: median %lld ms, best %lld ms, worst %lld "
                        "ms over %d runs\n",
                        lines.size(), delay, times[times.size() / 2], times.front(), times.back(),
                        runs);
            app.exit(0);
            return;
        }
        clock.start();
        if (!connection.send(lines))
            app.exit(1);
    };
    QObject::connect(&connection, &GameConnection::sendFinished, &app, [&] {
        times.push_back(clock.elapsed());
        for (const SendLine& line : connection.lines())
            if (line.status != LineStatus::Ok)
                app.exit(1);
        ++done;
        QTimer::singleShot(0, &app, next);
    });
    QObject::connect(&connection, &GameConnection::stateChanged, &app, [&] {
        if (connection.ready() && times.empty() && done == 0 && !clock.isValid())
            next();
    });
    QObject::connect(&connection, &GameConnection::loginRefused, &app, [&] { app.exit(1); });
    QTimer::singleShot(120000, &app, [&] { app.exit(3); });
    connection.connectTo(game, QStringLiteral("builderpw"));
    return app.exec();
}
