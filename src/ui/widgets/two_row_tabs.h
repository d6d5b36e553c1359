// SPDX-License-Identifier: MIT
#pragma once
// A tab header whose tabs stand in two rows, all visible at once (a QTabBar scrolls instead of
// wrapping). It draws its tabs with the style's own tab shapes, takes clicks and the arrow keys,
// and presents itself to assistive tools as one page tab list with one selected tab.

#include <QStringList>
#include <QWidget>

#include <vector>

class QStylePainter;

namespace keelwright {

class TwoRowTabs : public QWidget {
    Q_OBJECT
public:
    TwoRowTabs(const QStringList& captions, int firstRowCount, QWidget* parent = nullptr);

    int count() const { return int(captions_.size()); }
    QString tabText(int index) const { return captions_.value(index); }
    int currentIndex() const { return current_; }
    void setCurrentIndex(int index);
    QRect tabRect(int index) const;
    int tabAt(const QPoint& point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int rowOf(int index) const { return index < firstRowCount_ ? 0 : 1; }
    int firstOfRow(int row) const { return row == 0 ? 0 : firstRowCount_; }
    int endOfRow(int row) const { return row == 0 ? firstRowCount_ : count(); }
    QSize naturalTabSize(int index) const;
    void layoutTabs();
    void paintTab(QStylePainter& painter, int index) const;

    QStringList captions_;
    int firstRowCount_;
    int current_ = 0;
    int hovered_ = -1;
    std::vector<QRect> rects_;
};

// Makes assistive tools see a TwoRowTabs as a page tab list of its tabs.
void installTwoRowTabsAccessibility();

} // namespace keelwright
