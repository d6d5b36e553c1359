// SPDX-License-Identifier: MIT
#include "ui/game/game_window.h"

#include "ui/game/game_connection.h"
#include "ui/helpers/window_helpers.h"
#include "ui/storage/text_file.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cstddef>
#include <utility>

namespace keelwright {
namespace {

// The other output kept on screen, and in the transcript: the last lines of it, and no more
// characters than these (a game may send line after line of 64 KiB).
constexpr int kOutputLinesKept = 5000;
constexpr int kOutputCharactersKept = 1 << 20;
constexpr qsizetype kTranscriptLinesKept = 20000;
// Laying out a line costs time by its length: longer ones are shown cut (no game line of use is
// longer); the transcript keeps them whole.
constexpr qsizetype kOutputLineShown = 4000;
constexpr qsizetype kTranscriptCharactersKept = 4 << 20;

void dropOldestBeyond(QPlainTextEdit* text, int characters) {
    QTextDocument* document = text->document();
    while (document->characterCount() > characters && document->blockCount() > 1) {
        QTextCursor oldest(document->firstBlock());
        oldest.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        oldest.removeSelectedText();
    }
}

} // namespace

GameWindow::GameWindow(GameConnection* connection, QWidget* parent)
    : QMainWindow(parent), connection_(connection), model_(new GameLinesModel(this)) {
    setObjectName(QStringLiteral("FormGame"));
    setWindowTitle(tr("Game"));
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnufile"));
    connect(addCommand(file, tr("Save &Transcript..."), "mnufilesavetranscript"),
            &QAction::triggered, this, &GameWindow::saveTranscript);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    table_ = new QTableView(central);
    table_->setObjectName(QStringLiteral("tbllines"));
    table_->setAccessibleName(tr("Lines sent"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(false);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() * 3 / 2);
    // The command as sent and the answer take the room; number and status what they need.
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(GameLinesModel::Line, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(GameLinesModel::Command, QHeaderView::Stretch);
    header->setSectionResizeMode(GameLinesModel::Answer, QHeaderView::Stretch);
    header->setSectionResizeMode(GameLinesModel::Status, QHeaderView::ResizeToContents);
    output_ = new QPlainTextEdit(central);
    output_->setObjectName(QStringLiteral("txtoutput"));
    output_->setAccessibleName(tr("The game's other output"));
    output_->setReadOnly(true);
    output_->setMaximumBlockCount(kOutputLinesKept);
    auto* split = new QSplitter(Qt::Vertical, central);
    split->addWidget(table_);
    split->addWidget(output_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    layout->addWidget(split, 1);

    note_ = new QLabel(central);
    note_->setObjectName(QStringLiteral("lblnote"));
    note_->setWordWrap(true);
    note_->hide();
    layout->addWidget(note_);
    auto* row = new QHBoxLayout();
    progress_ = new QProgressBar(central);
    progress_->setObjectName(QStringLiteral("barprogress"));
    progress_->setAccessibleName(tr("Lines answered"));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    stop_ = new QPushButton(tr("&Stop"), central);
    stop_->setObjectName(QStringLiteral("cmdstop"));
    stop_->setShortcut(QKeySequence(QStringLiteral("Escape")));
    rest_ = new QPushButton(tr("Send the &Rest"), central);
    rest_->setObjectName(QStringLiteral("cmdrest"));
    row->addWidget(progress_, 1);
    row->addWidget(stop_);
    row->addWidget(rest_);
    layout->addLayout(row);
    status_ = new QLabel(central);
    status_->setObjectName(QStringLiteral("lblstatus"));
    layout->addWidget(status_);
    setCentralWidget(central);
    resize(fontMetrics().averageCharWidth() * 120, fontMetrics().height() * 36);

    connect(stop_, &QPushButton::clicked, connection_, &GameConnection::stop);
    connect(rest_, &QPushButton::clicked, this, &GameWindow::sendRest);
    connect(connection_, &GameConnection::lineAnswered, this, &GameWindow::answered);
    connect(connection_, &GameConnection::sendFinished, this, &GameWindow::finished);
    connect(connection_, &GameConnection::stateChanged, this, &GameWindow::showState);
    connect(connection_, &GameConnection::output, this, [this](const QString& line) {
        output_->appendPlainText(line.size() <= kOutputLineShown
                                     ? line
                                     : line.first(kOutputLineShown) +
                                           tr(" [%n more characters in the transcript]", nullptr,
                                              int(line.size() - kOutputLineShown)));
        dropOldestBeyond(output_, kOutputCharactersKept);
        log(QStringLiteral("< ") + line);
    });
    connect(connection_, &GameConnection::sent, this,
            [this](const QString& line) { log(QStringLiteral("> ") + line); });
    showState();
}

void GameWindow::log(const QString& line) {
    transcript_ << line;
    transcriptCharacters_ += line.size();
    qsizetype drop = 0;
    while (drop < transcript_.size() - 1 && (transcript_.size() - drop > kTranscriptLinesKept ||
                                             transcriptCharacters_ > kTranscriptCharactersKept))
        transcriptCharacters_ -= transcript_[drop++].size();
    transcript_.remove(0, drop);
}

void GameWindow::run(const std::vector<std::string>& lines, Taken taken) {
    model_->setLines(lines);
    taken_ = std::move(taken);
    note_->hide();
    std::vector<int> rows(lines.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = int(i);
    start(std::move(rows));
}

void GameWindow::start(std::vector<int> rows) {
    std::vector<std::string> commands;
    for (const int row : rows)
        commands.push_back(model_->rows()[std::size_t(row)].command.toStdString());
    sending_ = std::move(rows);
    progress_->setRange(0, std::max(1, model_->rowCount()));
    if (!connection_->send(commands)) {
        note_->setText(tr("Not connected to a game: nothing was sent."));
        note_->show();
    }
    showState();
}

bool GameWindow::canSendRest() const {
    const auto& rows = model_->rows();
    return !connection_->sending() &&
           std::any_of(rows.begin(), rows.end(),
                       [](const GameLinesModel::Row& r) { return r.status != LineStatus::Ok; });
}

void GameWindow::sendRest() {
    if (!canSendRest())
        return;
    std::vector<int> rows;
    for (std::size_t i = 0; i < model_->rows().size(); ++i) {
        if (model_->rows()[i].status != LineStatus::Ok || !rows.empty())
            rows.push_back(int(i));
    }
    note_->hide();
    start(std::move(rows));
}

void GameWindow::answered(int line) {
    if (line < 0 || std::size_t(line) >= sending_.size() ||
        std::size_t(line) >= connection_->lines().size())
        return;
    const int row = sending_[std::size_t(line)];
    model_->update(row, connection_->lines()[std::size_t(line)]);
    table_->scrollTo(model_->index(row, 0));
    const auto& rows = model_->rows();
    progress_->setValue(int(std::count_if(rows.begin(), rows.end(), [](const auto& r) {
        return r.status != LineStatus::Waiting && r.status != LineStatus::InFlight;
    })));
}

void GameWindow::finished() {
    const auto& lines = connection_->lines();
    for (std::size_t i = 0; i < sending_.size() && i < lines.size(); ++i)
        model_->update(sending_[i], lines[i]);
    std::vector<std::string> taken;
    bool whole = true;
    int noAnswer = -1;
    for (std::size_t i = 0; i < model_->rows().size(); ++i) {
        const GameLinesModel::Row& row = model_->rows()[i];
        if (row.status == LineStatus::Ok)
            taken.push_back(row.command.toStdString());
        else
            whole = false;
        if (row.status == LineStatus::NoAnswer && noAnswer < 0)
            noAnswer = int(i);
    }
    if (noAnswer >= 0) {
        note_->setText(tr("Line %1 got no answer: it may have reached the game. Send the Rest "
                          "sends it again, and the lines after it.")
                           .arg(noAnswer + 1));
        note_->show();
    }
    progress_->setValue(progress_->maximum());
    if (taken_)
        taken_(taken, whole);
    showState();
}

void GameWindow::showState() {
    status_->setText(connection_->statusText());
    stop_->setEnabled(connection_->sending());
    rest_->setEnabled(canSendRest() && connection_->ready());
}

void GameWindow::saveTranscript() {
    QFileDialog* dialog =
        openFileDialog(this, QStringLiteral("TranscriptDialog"), QFileDialog::AcceptSave,
                       {QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*)")},
                       QStringLiteral("Text Files (*.txt)"));
    dialog->selectFile(QStringLiteral("transcript.txt"));
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        if (const auto failure = writeFileAtomically(path, transcript().toUtf8()))
            openMessageBox(QMessageBox::Warning, tr("Save Transcript"),
                           tr("%1 could not be saved.\n\n%2").arg(path, *failure), QMessageBox::Ok,
                           this, QStringLiteral("SaveFailed"))
                ->show();
    });
    dialog->show();
}

} // namespace keelwright
