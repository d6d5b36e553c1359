#pragma once
// A tab header whose tabs stand in two rows, so that all of them are visible at once: QTabBar
// scrolls instead of wrapping, so two bars share the tabs and only one shows a selection.

#include <QStringList>
#include <QWidget>

class QTabBar;

namespace keelwright {

class TwoRowTabs : public QWidget {
    Q_OBJECT
public:
    TwoRowTabs(const QStringList& captions, int firstRowCount, QWidget* parent = nullptr);

    int currentIndex() const { return current_; }
    void setCurrentIndex(int index);
    int count() const { return count_; }
    QTabBar* row(int which) const { return rows_[which]; }

signals:
    void currentChanged(int index);

private:
    void select(int row, int tab);

    QTabBar* rows_[2] = {};
    int firstRowCount_;
    int count_;
    int current_ = 0;
};

} // namespace keelwright
