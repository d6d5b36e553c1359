// SPDX-License-Identifier: MIT
#include "ui/classes/class_editor_window.h"

#include "core/classes/power_budget.h"
#include "core/version.h"
#include "ui/helpers/qt_text.h"
#include "ui/helpers/twips.h"
#include "ui/helpers/window_helpers.h"
#include "ui/widgets/two_row_tabs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPalette>
#include <QShortcut>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstddef>

namespace keelwright {
namespace {

// The window's design, in twips: a 9345-wide client area holding the tab control at left 120
// and the budget row at top 4320, below the tab control's bottom at 4215.
constexpr int kTabRowLength = 9;
constexpr int kTabControlLeft = 120;
constexpr int kTabControlWidth = 9135;
constexpr int kTabControlHeight = 4215;
constexpr int kClientWidth = 9345;
constexpr int kBudgetRowTop = 4320;
constexpr int kBudgetRowBottomMargin = 60;
constexpr int kBudgetTickMs = 10;
constexpr int kPageMargin = 8; // pixels kept free right of and below the last control

// The budget row: three captions, each followed by its figure, with the figures' design widths
// and the gap the design leaves between one cell and the next.
constexpr int kBudgetGap = 60;
constexpr int kTotalUsageWidth = 1815;
constexpr int kReactorOutputWidth = 975;
constexpr int kFreePowerWidth = 1215;

QLabel* budgetLabel(QWidget* parent, const char* name, const QString& caption, int widthTwips) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setMinimumWidth(pixels(widthTwips));
    return label;
}

} // namespace

ClassEditorWindow::ClassEditorWindow(QWidget* parent)
    : EditorWindow(FileContent::ShipClass, parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(qs(kProgramName) + u' ' + qs(kVersion));
    buildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(pixels(kTabControlLeft), 0,
                               pixels(kClientWidth - kTabControlLeft - kTabControlWidth),
                               pixels(kBudgetRowBottomMargin));
    layout->setSpacing(pixels(kBudgetRowTop - kTabControlHeight));
    layout->addWidget(buildTabControl());
    layout->addWidget(buildBudgetRow());
    setCentralWidget(central);
    keepNaturalSize(this);
    bindForm(pages_->binder());

    // The figures follow the form within a tick of any change, and nothing runs while nothing
    // changes. The first tick, after the window opens, fills them.
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(kBudgetTickMs);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &ClassEditorWindow::refreshBudget);
    connect(&document(), &Document::changed, this, [this] {
        if (!timer_->isActive())
            timer_->start();
    });
    timer_->start();
}

ClassEditorWindow::~ClassEditorWindow() = default;

void ClassEditorWindow::buildMenus() {
    QMenu* file = addFileMenu();
    connect(addCommand(file, tr("&Export to Screen"), "mnufilescreen", "Ctrl+E"),
            &QAction::triggered, this, &ClassEditorWindow::exportRequested);
    addNamedSeparator(file, "mnufilesep");
    connect(addCommand(file, tr("Reset"), "mnureset", "Ctrl+R"), &QAction::triggered, this,
            &ClassEditorWindow::reset);
    addNamedSeparator(file, "space");
    connect(addCommand(file, tr("Quit"), "mnufilequit", "Ctrl+Q"), &QAction::triggered, this,
            &ClassEditorWindow::quitRequested);
    addEditMenu();
    addGameMenu();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuhelp"));
    connect(addCommand(help, tr("About"), "mnuhelpabout"), &QAction::triggered, this,
            &ClassEditorWindow::aboutRequested);

    // A command on the bar itself, without items.
    QAction* weapons = menuBar()->addAction(tr("Weapon Editor"));
    weapons->setObjectName(QStringLiteral("mnuweap"));
    connect(weapons, &QAction::triggered, this, &ClassEditorWindow::weaponEditorRequested);
}

QWidget* ClassEditorWindow::buildTabControl() {
    auto* control = new QWidget(this);
    control->setObjectName(QStringLiteral("SSTab1"));
    auto* layout = new QVBoxLayout(control);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    QStringList captions;
    for (const std::string_view caption : pageCaptions())
        captions << qs(caption);
    tabs_ = new TwoRowTabs(captions, kTabRowLength, control);
    tabs_->setObjectName(QStringLiteral("SSTab1Tabs"));
    tabs_->setAccessibleName(tr("Pages"));
    stack_ = new QStackedWidget(control);
    stack_->setObjectName(QStringLiteral("SSTab1Pages"));
    stack_->setFrameShape(QFrame::StyledPanel);
    pages_ = std::make_unique<ClassPages>(stack_);
    layout->addWidget(tabs_);
    layout->addWidget(stack_);

    // The pages keep the design's size below the header, or grow to hold what they show.
    QSize needed(std::max(pixels(kTabControlWidth), tabs_->sizeHint().width()),
                 pixels(kTabControlHeight - kPageTopTwips));
    for (int p = 0; p < stack_->count(); ++p) {
        const QRect used = stack_->widget(p)->childrenRect();
        needed = needed.expandedTo(QSize(used.right() + kPageMargin, used.bottom() + kPageMargin));
    }
    stack_->setFixedSize(needed);

    connect(tabs_, &TwoRowTabs::currentChanged, stack_, &QStackedWidget::setCurrentIndex);
    auto* next = new QShortcut(QKeySequence(QStringLiteral("Ctrl+PgDown")), this);
    connect(next, &QShortcut::activated, this,
            [this] { setCurrentPage((currentPage() + 1) % int(kPageCount)); });
    auto* previous = new QShortcut(QKeySequence(QStringLiteral("Ctrl+PgUp")), this);
    connect(previous, &QShortcut::activated, this,
            [this] { setCurrentPage((currentPage() + int(kPageCount) - 1) % int(kPageCount)); });
    return control;
}

QWidget* ClassEditorWindow::buildBudgetRow() {
    auto* row = new QWidget(this);
    row->setObjectName(QStringLiteral("BudgetRow"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(pixels(kBudgetGap));
    const char* descriptions[] = {"total power usage", "reactor output", "free reactor power"};
    const struct {
        const char* caption;
        const char* value;
        QString title;
        int width;
    } cells[] = {{"Label67", "Label68", tr("Total Power Usage:"), kTotalUsageWidth},
                 {"Label69", "Label70", tr("Reactor Output:"), kReactorOutputWidth},
                 {"Label71", "Label72", tr("Free Reactor Power:"), kFreePowerWidth}};
    for (int i = 0; i < 3; ++i) {
        QLabel* caption = budgetCaptions_[i] =
            budgetLabel(row, cells[i].caption, cells[i].title, 0);
        budget_[i] = budgetLabel(row, cells[i].value, QString(), cells[i].width);
        budget_[i]->setTextFormat(Qt::PlainText);
        budget_[i]->setAccessibleName(cells[i].title); // the figure joins it once there is one
        budget_[i]->setAccessibleDescription(tr("The %1 of this class").arg(descriptions[i]));
        caption->setBuddy(budget_[i]);
        layout->addWidget(caption);
        layout->addWidget(budget_[i], 1);
    }
    return row;
}

// The figures depend on the power texts alone; a refresh that cannot finish leaves the last
// figures in place.
void ClassEditorWindow::refreshBudget() {
    const FormValues& form = document().values();
    PowerTexts views;
    for (std::size_t i = 0; i < kPowerFieldCount; ++i)
        views[i] = form[fieldIndex(powerFieldNames()[i]).value()];
    const auto figures = computeBudget(views);
    if (!figures)
        return;
    const std::string* values[] = {&figures->totalUsage, &figures->reactorOutput,
                                   &figures->freePower};
    for (int i = 0; i < 3; ++i) {
        const QString text = QString::fromStdString(*values[i]);
        if (budget_[i]->text() == text)
            continue;
        budget_[i]->setText(text);
        // Assistive tools read a label's name, not its text: the name carries the figure.
        budget_[i]->setAccessibleName(budgetCaptions_[i]->text() + u' ' + text);
    }
    showOverdrawn(figures->overdrawn());
}

// A class whose systems draw more than its reactor gives: its free power in the warning colour,
// and said in words for those who do not see the colour. The figure's own text stays.
void ClassEditorWindow::showOverdrawn(bool overdrawn) {
    QLabel* free = budget_[2];
    QPalette palette;
    if (overdrawn)
        palette.setColor(QPalette::WindowText, warningColor());
    free->setPalette(overdrawn ? palette : QPalette());
    const QString description = tr("The free reactor power of this class");
    free->setAccessibleDescription(
        overdrawn ? description + tr(", overdrawn: its systems draw more than its reactor gives")
                  : description);
}

void ClassEditorWindow::showField(std::size_t field) {
    setCurrentPage(classFields()[field].page);
}

int ClassEditorWindow::currentPage() const {
    return tabs_->currentIndex();
}
void ClassEditorWindow::setCurrentPage(int page) {
    tabs_->setCurrentIndex(page);
}

} // namespace keelwright
