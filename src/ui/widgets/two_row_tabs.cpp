// SPDX-License-Identifier: MIT
#include "ui/widgets/two_row_tabs.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>

#include <algorithm>
#include <cstddef>

namespace keelwright {
namespace {

// The focus frame stands this many pixels inside the current tab's edges.
constexpr int kFocusInset = 3;

} // namespace

TwoRowTabs::TwoRowTabs(const QStringList& captions, int firstRowCount, QWidget* parent)
    : QWidget(parent), captions_(captions), firstRowCount_(firstRowCount),
      rects_(std::size_t(captions.size())) {
    installTwoRowTabsAccessibility();
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layoutTabs();
}

void TwoRowTabs::setCurrentIndex(int index) {
    if (index < 0 || index >= count() || index == current_)
        return;
    current_ = index;
    update();
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(index);
    QAccessible::updateAccessibility(&selection);
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(index);
        QAccessible::updateAccessibility(&focus);
    }
    emit currentChanged(index);
}

QRect TwoRowTabs::tabRect(int index) const {
    return index >= 0 && index < count() ? rects_[std::size_t(index)] : QRect();
}

int TwoRowTabs::tabAt(const QPoint& point) const {
    for (int i = 0; i < count(); ++i) {
        if (rects_[std::size_t(i)].contains(point))
            return i;
    }
    return -1;
}

// As a QTabBar sizes a tab: the caption with the style's spacing around it.
QSize TwoRowTabs::naturalTabSize(int index) const {
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.text = captions_[index];
    const int hspace = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
    const int vspace = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this);
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, option.text);
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option,
                                     QSize(text.width() + hspace, text.height() + vspace), this);
}

QSize TwoRowTabs::sizeHint() const {
    int width = 0;
    int height = 0;
    for (int row = 0; row < 2; ++row) {
        int rowWidth = 0;
        for (int i = firstOfRow(row); i < endOfRow(row); ++i) {
            const QSize tab = naturalTabSize(i);
            rowWidth += tab.width();
            height = std::max(height, tab.height());
        }
        width = std::max(width, rowWidth);
    }
    return {width, 2 * height};
}

// Both rows span the whole width, each tab widened in proportion to its caption.
void TwoRowTabs::layoutTabs() {
    const int rowHeight = height() / 2;
    for (int row = 0; row < 2; ++row) {
        int natural = 0;
        for (int i = firstOfRow(row); i < endOfRow(row); ++i)
            natural += naturalTabSize(i).width();
        int left = 0;
        int used = 0;
        for (int i = firstOfRow(row); i < endOfRow(row); ++i) {
            used += naturalTabSize(i).width();
            const int right =
                i + 1 == endOfRow(row) ? width() : width() * used / std::max(natural, 1);
            rects_[std::size_t(i)] = QRect(left, row * rowHeight, right - left, rowHeight);
            left = right;
        }
    }
    update();
}

void TwoRowTabs::paintTab(QStylePainter& painter, int index) const {
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.text = captions_[index];
    option.rect = rects_[std::size_t(index)];
    const int first = firstOfRow(rowOf(index));
    const int last = endOfRow(rowOf(index)) - 1;
    option.position = first == last    ? QStyleOptionTab::OnlyOneTab
                      : index == first ? QStyleOptionTab::Beginning
                      : index == last  ? QStyleOptionTab::End
                                       : QStyleOptionTab::Middle;
    option.selectedPosition =
        current_ == index - 1 && index != first  ? QStyleOptionTab::PreviousIsSelected
        : current_ == index + 1 && index != last ? QStyleOptionTab::NextIsSelected
                                                 : QStyleOptionTab::NotAdjacent;
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    if (index == current_) {
        option.state |= QStyle::State_Selected;
        if (hasFocus())
            option.state |= QStyle::State_HasFocus;
    }
    if (index == hovered_)
        option.state |= QStyle::State_MouseOver;
    // A style draws a selected tab reaching down to the page below; here that is the other row.
    const QRect& rect = rects_[std::size_t(index)];
    painter.save();
    painter.setClipRect(QRect(0, rect.top(), width(), rect.height()));
    painter.drawControl(QStyle::CE_TabBarTab, option);
    painter.restore();
}

// The selected tab is drawn last, so that it stands in front of its neighbours.
void TwoRowTabs::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        if (i != current_)
            paintTab(painter, i);
    }
    paintTab(painter, current_);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rects_[std::size_t(current_)].adjusted(kFocusInset, kFocusInset, -kFocusInset,
                                                            -kFocusInset);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void TwoRowTabs::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(current_);
    QAccessible::updateAccessibility(&focus);
    update();
}

void TwoRowTabs::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TwoRowTabs::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const int index = tabAt(event->position().toPoint());
    if (index >= 0)
        setCurrentIndex(index);
}

void TwoRowTabs::mouseMoveEvent(QMouseEvent* event) {
    const int index = tabAt(event->position().toPoint());
    if (index != hovered_) {
        hovered_ = index;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void TwoRowTabs::leaveEvent(QEvent* event) {
    hovered_ = -1;
    update();
    QWidget::leaveEvent(event);
}

// Left and Right walk through all the tabs, Up and Down change rows, Home and End go to the
// first and the last.
void TwoRowTabs::keyPressEvent(QKeyEvent* event) {
    const int row = rowOf(current_);
    const int column = current_ - firstOfRow(row);
    int target = -1;
    switch (event->key()) {
    case Qt::Key_Left:
        target = (current_ + count() - 1) % count();
        break;
    case Qt::Key_Right:
        target = (current_ + 1) % count();
        break;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int other = 1 - row;
        target = std::min(firstOfRow(other) + column, endOfRow(other) - 1);
        break;
    }
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = count() - 1;
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    setCurrentIndex(target);
}

void TwoRowTabs::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutTabs();
}

void TwoRowTabs::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        updateGeometry();
        layoutTabs();
    }
    QWidget::changeEvent(event);
}

} // namespace keelwright
