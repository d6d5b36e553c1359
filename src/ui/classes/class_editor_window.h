// SPDX-License-Identifier: MIT
#pragma once
// Form1, the class editor: sixteen pages of fields under a two-row tab header, the power budget
// row below, and the menu bar whose commands the shell carries out.

#include "ui/classes/class_pages.h"
#include "ui/editor/editor_window.h"

#include <cstddef>
#include <memory>

class QLabel;
class QStackedWidget;
class QTimer;

namespace keelwright {

class TwoRowTabs;

class ClassEditorWindow : public EditorWindow {
    Q_OBJECT
public:
    explicit ClassEditorWindow(QWidget* parent = nullptr);
    ~ClassEditorWindow() override;

    ShipClassRecord record() const { return shipClassOf(document().values()); }

    int currentPage() const;
    void setCurrentPage(int page);

signals:
    void quitRequested();
    void aboutRequested();
    void weaponEditorRequested();

protected:
    void showField(std::size_t field) override;

private:
    void buildMenus();
    QWidget* buildTabControl();
    QWidget* buildBudgetRow();
    void refreshBudget();
    void showOverdrawn(bool overdrawn);

    std::unique_ptr<ClassPages> pages_;
    TwoRowTabs* tabs_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QLabel* budgetCaptions_[3] = {};
    QLabel* budget_[3] = {};
    QTimer* timer_ = nullptr;
};

} // namespace keelwright
