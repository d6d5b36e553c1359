// SPDX-License-Identifier: MIT
#pragma once
// Form1, the class editor: sixteen pages of fields under a two-row tab header, the power budget
// row below, and the menu bar whose commands the shell carries out.

#include "ui/classes/class_pages.h"
#include "ui/widgets/editor_document.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTimer;

namespace keelwright {

class TwoRowTabs;

class ClassEditorWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ClassEditorWindow(QWidget* parent = nullptr);
    ~ClassEditorWindow() override;

    ShipClassRecord record() const { return pages_->record(); }
    void showRecord(const ShipClassRecord& record) { pages_->show(record); }
    void reset();

    EditorDocument<ShipClassRecord>& document() { return document_; }
    const EditorDocument<ShipClassRecord>& document() const { return document_; }

    int currentPage() const;
    void setCurrentPage(int page);

signals:
    void openRequested();
    void saveRequested();
    void saveAsRequested();
    void exportChangesRequested();
    void filesDropped(const QStringList& paths);
    void exportRequested();
    void quitRequested();
    void aboutRequested();
    void weaponEditorRequested();

private:
    void buildMenus();
    QWidget* buildTabControl();
    QWidget* buildBudgetRow();
    void watchPowerFields();
    void refreshBudget();

    std::unique_ptr<ClassPages> pages_;
    TwoRowTabs* tabs_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QLabel* budgetCaptions_[3] = {};
    QLabel* budget_[3] = {};
    std::array<QLineEdit*, kPowerFieldCount> powerFields_ = {};
    bool budgetStale_ = true; // the first tick fills the figures
    QTimer* timer_ = nullptr;
    EditorDocument<ShipClassRecord> document_;
};

} // namespace keelwright
