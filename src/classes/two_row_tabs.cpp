#include "classes/two_row_tabs.h"

#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

namespace keelwright {
namespace {

// Each bar ends in a hidden, disabled tab: it is what the row not in use has selected.
int placeholderOf(const QTabBar* bar) {
    return bar->count() - 1;
}

} // namespace

TwoRowTabs::TwoRowTabs(const QStringList& captions, int firstRowCount, QWidget* parent)
    : QWidget(parent), firstRowCount_(firstRowCount), count_(int(captions.size())) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int r = 0; r < 2; ++r) {
        auto* bar = new QTabBar(this);
        bar->setObjectName(QStringLiteral("SSTab1Row%1").arg(r + 1));
        bar->setAccessibleName(tr("Pages, row %1").arg(r + 1));
        bar->setExpanding(true); // both rows span the width, as one tab control
        bar->setUsesScrollButtons(false);
        bar->setDrawBase(false);
        const int first = r == 0 ? 0 : firstRowCount;
        const int last = r == 0 ? firstRowCount : count_;
        for (int i = first; i < last; ++i)
            bar->addTab(captions[i]);
        const int placeholder = bar->addTab(QString());
        bar->setTabEnabled(placeholder, false);
        bar->setTabVisible(placeholder, false);
        layout->addWidget(bar);
        rows_[r] = bar;
        connect(bar, &QTabBar::currentChanged, this, [this, r](int tab) { select(r, tab); });
    }
    setCurrentIndex(0);
}

void TwoRowTabs::setCurrentIndex(int index) {
    if (index < 0 || index >= count_)
        return;
    const int row = index < firstRowCount_ ? 0 : 1;
    rows_[row]->setCurrentIndex(row == 0 ? index : index - firstRowCount_);
    select(row, rows_[row]->currentIndex());
}

void TwoRowTabs::select(int row, int tab) {
    if (tab < 0 || tab == placeholderOf(rows_[row]))
        return;
    QTabBar* other = rows_[1 - row];
    {
        const QSignalBlocker quiet(other);
        other->setCurrentIndex(placeholderOf(other));
    }
    const int index = row == 0 ? tab : firstRowCount_ + tab;
    if (index == current_)
        return;
    current_ = index;
    emit currentChanged(index);
}

} // namespace keelwright
