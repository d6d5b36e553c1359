// SPDX-License-Identifier: MIT
#pragma once
// The Game window FormGame: a send as it goes, line by line with the game's own answer, the
// connection in its status line, the game's other output below, Stop and Send the Rest, and the
// transcript to save. The password appears nowhere in it.

#include "ui/game/game_lines_model.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace keelwright {

class GameConnection;

class GameWindow : public QMainWindow {
    Q_OBJECT
public:
    // Told, after each part of a run, the lines that came back "OK" so far and whether every
    // line of the run did.
    using Taken = std::function<void(const std::vector<std::string>& taken, bool whole)>;

    explicit GameWindow(GameConnection* connection, QWidget* parent = nullptr);

    // A new run: its lines are shown waiting, then sent one at a time.
    void run(const std::vector<std::string>& lines, Taken taken = {});
    // Sends the lines of the run that have no "OK", from the first of them.
    void sendRest();
    bool canSendRest() const;

    GameLinesModel* lines() const { return model_; }
    QString transcript() const { return transcript_.join(u'\n') + u'\n'; }
    void saveTranscript();

private:
    void start(std::vector<int> rows);
    void answered(int line);
    void finished();
    void showState();
    void log(const QString& line);

    GameConnection* connection_;
    GameLinesModel* model_;
    QTableView* table_;
    QProgressBar* progress_;
    QLabel* status_;
    QLabel* note_;
    QPlainTextEdit* output_;
    QPushButton* stop_;
    QPushButton* rest_;
    std::vector<int> sending_; // the rows of the model the connection's send stands for
    Taken taken_;
    QStringList transcript_;
    qsizetype transcriptCharacters_ = 0;
};

} // namespace keelwright
