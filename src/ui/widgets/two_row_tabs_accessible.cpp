// SPDX-License-Identifier: MIT
// How assistive tools see the two-row tab header: a page tab list whose children are its tabs,
// each with its caption, its place on the screen, its selected state and a press action.
#include "ui/widgets/two_row_tabs.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <map>

namespace keelwright {
namespace {

class Tab : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    Tab(TwoRowTabs* tabs, int index) : tabs_(tabs), index_(index) {}

    bool isValid() const override { return tabs_ && index_ < tabs_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(tabs_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return isValid() && t == QAccessible::Name ? tabs_->tabText(index_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect local = tabs_->tabRect(index_);
        return QRect(tabs_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        state.selected = tabs_->currentIndex() == index_;
        state.focused = state.selected && tabs_->hasFocus();
        state.invisible = !tabs_->isVisible();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (isValid() && name == pressAction())
            tabs_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TwoRowTabs> tabs_;
    int index_;
};

class TabList : public QAccessibleWidget {
public:
    explicit TabList(TwoRowTabs* tabs) : QAccessibleWidget(tabs, QAccessible::PageTabList) {}
    ~TabList() override {
        for (const auto& [index, id] : children_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return tabs()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        auto found = children_.find(index);
        if (found == children_.end()) {
            auto* tab = new Tab(tabs(), index);
            found = children_.emplace(index, QAccessible::registerAccessibleInterface(tab)).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [index, id] : children_) {
            if (QAccessible::accessibleInterface(id) == child)
                return index;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        return child(tabs()->tabAt(tabs()->mapFromGlobal(QPoint(x, y))));
    }
    QAccessibleInterface* focusChild() const override {
        return tabs()->hasFocus() ? child(tabs()->currentIndex()) : nullptr;
    }

private:
    TwoRowTabs* tabs() const { return static_cast<TwoRowTabs*>(widget()); }
    mutable std::map<int, QAccessible::Id> children_;
};

QAccessibleInterface* tabsFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(TwoRowTabs::staticMetaObject.className())) {
        if (auto* tabs = qobject_cast<TwoRowTabs*>(object))
            return new TabList(tabs);
    }
    return nullptr;
}

} // namespace

void installTwoRowTabsAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(tabsFactory);
        return true;
    }();
    (void)installed;
}

} // namespace keelwright
