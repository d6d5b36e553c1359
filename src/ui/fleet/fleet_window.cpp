// SPDX-License-Identifier: MIT
#include "ui/fleet/fleet_window.h"

#include "ui/fleet/fleet_model.h"
#include "ui/fleet/fleet_reader.h"
#include "ui/fleet/game_holdings.h"
#include "ui/helpers/qt_text.h"
#include "ui/helpers/window_helpers.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <unordered_set>
#include <utility>

namespace keelwright {

FleetWindow::FleetWindow(QWidget* parent)
    : QMainWindow(parent), model_(new FleetModel(this)), filter_(new FleetFilter(this)),
      reader_(new FleetReader(this)), holdings_(new HoldingsReader(this)),
      watcher_(new QFileSystemWatcher(this)), settle_(new QTimer(this)) {
    setObjectName(QStringLiteral("FormFleet"));
    setWindowTitle(tr("Fleet"));
    setAttribute(Qt::WA_DeleteOnClose); // its reading and watching end with it
    filter_->setSourceModel(model_);
    buildMenu();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("fleetpage"));
    auto* column = new QVBoxLayout(central);
    folder_ = new QLabel(central);
    folder_->setObjectName(QStringLiteral("lblfolder"));
    folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(folder_);
    column->addWidget(buildFilterRow());

    table_ = new QTableView(central);
    table_->setObjectName(QStringLiteral("tblfleet"));
    table_->setAccessibleName(tr("Classes and weapons"));
    table_->setModel(filter_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(FleetModel::Number, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Shift and Ctrl with the arrows, Space and clicks choose several rows to send.
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() * 3 / 2);
    table_->installEventFilter(this);
    // A click on a heading sorts too; the keyboard's choice shows it.
    connect(table_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this](int section, Qt::SortOrder order) {
                const QSignalBlocker quietColumn(sortColumn_), quietOrder(descending_);
                sortColumn_->setCurrentIndex(section);
                descending_->setChecked(order == Qt::DescendingOrder);
            });
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { openRow(index.row()); });
    table_->setColumnHidden(FleetModel::InGame, true); // until a game is connected
    column->addWidget(table_, 1);
    setCentralWidget(central);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblstatus"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("prgreading"));
    progress_->setAccessibleName(tr("Files read"));
    progress_->hide();
    statusBar()->addWidget(status_, 1);
    statusBar()->addPermanentWidget(progress_);

    settle_->setSingleShot(true);
    settle_->setInterval(200);
    connect(settle_, &QTimer::timeout, this, &FleetWindow::readAgain);
    connect(watcher_, &QFileSystemWatcher::fileChanged, settle_, qOverload<>(&QTimer::start));
    connect(watcher_, &QFileSystemWatcher::directoryChanged, settle_, qOverload<>(&QTimer::start));
    connect(reader_, &FleetReader::filesRead, this, &FleetWindow::take);
    connect(reader_, &FleetReader::finished, this, &FleetWindow::finishReading);
    connect(holdings_, &HoldingsReader::holdingsRead, this, [this](const Holdings& holdings) {
        model_->setHoldings(holdings);
        table_->resizeColumnToContents(FleetModel::InGame); // it was empty until now
    });
    connect(reader_, &FleetReader::progress, this, [this](int done, int total) {
        progress_->setRange(0, total);
        progress_->setValue(done);
    });
    resize(QSize(960, 540).expandedTo(sizeHint()));
}

FleetWindow::~FleetWindow() = default;

void FleetWindow::buildMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnufile"));
    connect(addCommand(file, tr("Open &Folder..."), "mnufileopenfolder", "Ctrl+Shift+O"),
            &QAction::triggered, this, &FleetWindow::openFolderRequested);
    addNamedSeparator(file, "mnufilesep");
    connect(addCommand(file, tr("&Close"), "mnufileclose", "Ctrl+W"), &QAction::triggered, this,
            &QWidget::close);

    QMenu* game = menuBar()->addMenu(tr("&Game"));
    game->setObjectName(QStringLiteral("mnugame"));
    connect(addCommand(game, tr("&Connect..."), "mnugameconnect"), &QAction::triggered, this,
            &FleetWindow::connectRequested);
    connect(
        addCommand(game, tr("Send Changes of &Selected"), "mnugamesendselected", "Ctrl+Shift+G"),
        &QAction::triggered, this, &FleetWindow::sendSelectedRequested);
}

void FleetWindow::setGame(std::shared_ptr<const LedgerStore> store,
                          const std::optional<GameEntry>& game) {
    const bool same = game && game_ && game->name() == game_->name();
    store_ = std::move(store);
    game_ = store_ ? game : std::nullopt;
    if (same)
        return;
    holdings_->stop();
    model_->clearHoldings();
    table_->setColumnHidden(FleetModel::InGame, !game_);
    if (game_)
        readHoldings();
}

void FleetWindow::readHoldings() {
    if (!game_)
        return;
    HoldingsReader::Records records = model_->recordsNotJudged();
    if (!records.empty())
        holdings_->read(store_, *game_, std::move(records));
}

void FleetWindow::recordHeld(const RecordLedger& ledger) {
    if (game_)
        model_->setHoldings({{recordKey(ledger.kind(), ledger.number()), holdingOf(ledger)}});
}

std::vector<ChosenRecord> FleetWindow::selectedRecords() const {
    QModelIndexList rows = table_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<ChosenRecord> records;
    for (const QModelIndex& row : rows)
        records.push_back(recordOf(row.row()));
    return records;
}

QWidget* FleetWindow::buildFilterRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("&Filter:"), row);
    label->setObjectName(QStringLiteral("lblfilter"));
    filterText_ = new QLineEdit(row);
    filterText_->setObjectName(QStringLiteral("txtfilter"));
    filterText_->setPlaceholderText(tr("Number, name, file or any figure"));
    filterText_->setClearButtonEnabled(true);
    label->setBuddy(filterText_);
    filterText_->installEventFilter(this);
    connect(filterText_, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_->setFilterText(text);
        showStatus();
    });
    auto* find = new QAction(this);
    find->setObjectName(QStringLiteral("actfilter"));
    find->setShortcut(QKeySequence(QStringLiteral("Ctrl+F")));
    connect(find, &QAction::triggered, this, [this] {
        filterText_->setFocus(Qt::ShortcutFocusReason);
        filterText_->selectAll();
    });
    addAction(find);

    auto* sortLabel = new QLabel(tr("Sort &by:"), row);
    sortLabel->setObjectName(QStringLiteral("lblsort"));
    sortColumn_ = new QComboBox(row);
    sortColumn_->setObjectName(QStringLiteral("cbosort"));
    for (int c = 0; c < FleetModel::ColumnCount; ++c)
        sortColumn_->addItem(FleetModel::columnName(c));
    sortColumn_->setCurrentIndex(FleetModel::Number);
    sortLabel->setBuddy(sortColumn_);
    descending_ = new QCheckBox(tr("&Descending"), row);
    descending_->setObjectName(QStringLiteral("chkdescending"));
    const auto sortAsChosen = [this] {
        table_->sortByColumn(sortColumn_->currentIndex(),
                             descending_->isChecked() ? Qt::DescendingOrder : Qt::AscendingOrder);
    };
    connect(sortColumn_, &QComboBox::activated, this, sortAsChosen);
    connect(descending_, &QCheckBox::toggled, this, sortAsChosen);

    subfolders_ = new QCheckBox(tr("&Subfolders"), row);
    subfolders_->setObjectName(QStringLiteral("chksubfolders"));
    connect(subfolders_, &QCheckBox::toggled, this, [this] {
        model_->clear();
        sizedColumns_ = false;
        readAgain();
    });
    layout->addWidget(label);
    layout->addWidget(filterText_, 1);
    layout->addWidget(sortLabel);
    layout->addWidget(sortColumn_);
    layout->addWidget(descending_);
    layout->addWidget(subfolders_);
    return row;
}

void FleetWindow::showFolder(const QString& root) {
    if (QFileInfo(root).absoluteFilePath() == root_) { // shown already: only what changed
        readAgain();
        return;
    }
    root_ = QFileInfo(root).absoluteFilePath();
    folder_->setText(QDir::toNativeSeparators(root_));
    model_->clear();
    model_->setRoot(utf8(QDir::toNativeSeparators(root_)));
    sizedColumns_ = false;
    readAgain();
}

void FleetWindow::fileWritten(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (absolute == root_ || absolute.startsWith(root_ + u'/'))
        readAgain();
}

void FleetWindow::readAgain() {
    if (root_.isEmpty())
        return;
    progress_->show();
    progress_->setRange(0, 0); // busy until the files are counted
    showStatus();
    reader_->read(root_, subfolders_->isChecked());
}

void FleetWindow::take(const std::vector<FleetFile>& files, const QStringList& gone) {
    std::vector<std::string> replaced;
    std::vector<FleetRow> rows;
    for (const QString& path : gone)
        replaced.push_back(utf8(QDir::toNativeSeparators(path)));
    for (const FleetFile& file : files) {
        replaced.push_back(utf8(QDir::toNativeSeparators(file.path)));
        rows.insert(rows.end(), file.rows.begin(), file.rows.end());
    }
    model_->replaceFiles(replaced, std::move(rows));
    showStatus();
}

void FleetWindow::finishReading(bool rootFound) {
    rootFound_ = rootFound;
    progress_->hide();
    if (!sizedColumns_ && model_->rowCount() > 0) {
        sizedColumns_ = true;
        table_->resizeColumnsToContents();
        // Wide enough for every column where the screen allows: on a screen 1,440 pixels wide
        // the columns of an ordinary fleet fit whole.
        const int columns = table_->horizontalHeader()->length() + table_->frameWidth() * 2 +
                            table_->verticalScrollBar()->sizeHint().width();
        const int room = screen()->availableGeometry().width();
        const int wanted = width() - table_->viewport()->width() + columns;
        if (wanted > width())
            resize(std::min(wanted, room), height());
    }
    watchWhatIsListed();
    readHoldings();
    showStatus();
}

// A file replaced by a save is a new file to the system: what is watched is renewed each time.
void FleetWindow::watchWhatIsListed() {
    QStringList wanted;
    if (rootFound_) {
        wanted << root_;
        if (QFileInfo(root_).isDir() && subfolders_->isChecked()) {
            QDirIterator dirs(root_, QDir::Dirs | QDir::NoDotAndDotDot,
                              QDirIterator::Subdirectories);
            while (dirs.hasNext())
                wanted << dirs.next();
        }
        for (const auto& [path, stamp] : reader_->files())
            wanted << path;
    }
    const QStringList watched = watcher_->files() + watcher_->directories();
    const QSet<QString> want(wanted.begin(), wanted.end());
    QStringList drop;
    for (const QString& path : watched) {
        if (!want.contains(path))
            drop << path;
    }
    if (!drop.isEmpty())
        watcher_->removePaths(drop);
    const QSet<QString> have(watched.begin(), watched.end());
    QStringList add;
    for (const QString& path : wanted) {
        if (!have.contains(path))
            add << path;
    }
    if (!add.isEmpty())
        watcher_->addPaths(add);
}

void FleetWindow::showStatus() {
    if (!rootFound_) {
        status_->setText(tr("%1 is gone.").arg(QDir::toNativeSeparators(root_)));
        return;
    }
    std::unordered_set<std::string> shownFiles;
    for (int r = 0; r < filter_->rowCount(); ++r)
        shownFiles.insert(model_->row(filter_->mapToSource(filter_->index(r, 0)).row()).file);
    int empty = 0;
    QStringList unreadable;
    for (const auto& [path, stamp] : reader_->files()) {
        if (!stamp.refusal.isEmpty())
            unreadable << tr("%1: %2").arg(QDir::toNativeSeparators(path), stamp.refusal);
        else if (stamp.records == 0)
            ++empty;
    }
    const auto count = [](qsizetype n, const QString& one, const QString& many) {
        return (n == 1 ? one : many).arg(n);
    };
    QString text = count(shownFiles.size(), tr("%1 file"), tr("%1 files")) + tr(" and ") +
                   count(filter_->rowCount(), tr("%1 record shown"), tr("%1 records shown")) +
                   QStringLiteral("; ") +
                   count(empty, tr("%1 file holds no command"), tr("%1 files hold no command"));
    if (!unreadable.isEmpty())
        text += QStringLiteral("; ") + count(unreadable.size(), tr("%1 file could not be read"),
                                             tr("%1 files could not be read"));
    if (reader_->reading())
        text += tr("; reading...");
    status_->setText(text);
    status_->setToolTip(unreadable.join(u'\n'));
}

ChosenRecord FleetWindow::recordOf(int proxyRow) const {
    const FleetRow& row = model_->row(filter_->mapToSource(filter_->index(proxyRow, 0)).row());
    return {QDir::fromNativeSeparators(qs(row.file)), row.kind, row.number, row.line};
}

void FleetWindow::openRow(int proxyRow) {
    if (!filter_->mapToSource(filter_->index(proxyRow, 0)).isValid())
        return;
    const ChosenRecord record = recordOf(proxyRow);
    emit recordChosen(record.path, record.kind, record.number, record.line);
}

// Enter on a row opens it; Enter or Down in the filter goes on to the rows it left.
bool FleetWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == table_ && enter && table_->currentIndex().isValid()) {
        openRow(table_->currentIndex().row());
        return true;
    }
    if (watched == filterText_ && (enter || key == Qt::Key_Down) && filter_->rowCount() > 0) {
        table_->setFocus(Qt::TabFocusReason);
        if (!table_->currentIndex().isValid())
            table_->setCurrentIndex(filter_->index(0, 0));
        table_->selectRow(table_->currentIndex().row());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace keelwright
