// SPDX-License-Identifier: MIT
// How long a send takes, from the question's Yes to the last answer: a class of every section
// (106 lines) to a game, directly or through a loopback proxy that holds each direction DELAY
// milliseconds; or, given RECORDS, the changes of that many classes whose game holds all but
// three of their lines, each worked out from its ledger on disk as Send Changes of Selected does.
// bench/measure_send.sh starts the game and gives its port.
//   send_bench PORT [DELAY_MS] [RUNS] [RECORDS]
#include "core/export/class_export.h"
#include "core/game/sending.h"
#include "ui/game/game_connection.h"
#include "ui/storage/ledger_store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
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

ShipClassRecord everySection(const std::string& number = "900") {
    ShipClassRecord record;
    record.setText("Text1", number);
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
    const int records = argc > 4 ? std::atoi(argv[4]) : 0;
    std::vector<std::string> lines = linesToSend(exportClass(everySection()));
    // Each record's ledger: all its lines but the name, the size and the hull.
    const QTemporaryDir ledgers;
    const LedgerStore store(ledgers.path());
    for (int r = 0; r < records; ++r) {
        const std::string number = std::to_string(1000 + r);
        RecordLedger ledger(FileContent::ShipClass, number);
        const std::string own = "@space/setclass " + number;
        for (const std::string& line : linesToSend(exportClass(everySection(number)))) {
            if (!line.starts_with(own + "/name=") && !line.starts_with(own + "/size=") &&
                !line.starts_with(own + "/maxhull="))
                ledger.took(line);
        }
        if (store.save(game, ledger))
            return 1;
    }
    const auto changes = [&] {
        std::vector<std::string> out;
        for (int r = 0; r < records; ++r) {
            const std::string number = std::to_string(1000 + r);
            const auto held = store.load(game, FileContent::ShipClass, number);
            for (std::string& line : held->notTaken(linesToSend(exportClass(everySection(number)))))
                out.push_back(std::move(line));
        }
        return out;
    };
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
        if (records > 0)
            lines = changes();
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
