// SPDX-License-Identifier: MIT
#pragma once
// Moves a form's values between its controls and a record, as texts parallel to the record's
// field table: a line edit's text, "1"/"0" for a check box, a drop-down list's chosen item (empty
// when none is chosen). Each control is kept as the type it is.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace keelwright {

class FormBinder {
public:
    void bind(QLineEdit* box) { controls_.emplace_back(box); }
    void bind(QCheckBox* box) { controls_.emplace_back(box); }
    void bind(QComboBox* list) { controls_.emplace_back(list); }

    std::size_t size() const { return controls_.size(); }
    QWidget* widget(std::size_t index) const;
    // The control as a line edit, or null when it is another kind.
    QLineEdit* lineEdit(std::size_t index) const;

    QString text(std::size_t index) const;
    void setText(std::size_t index, const QString& text); // touches the control only on a change

    void show(std::span<const std::string> texts);
    // Calls `changed` with a control's index whenever its value changes, by the user or not.
    void onChange(const std::function<void(std::size_t)>& changed) const;

private:
    std::vector<std::variant<QLineEdit*, QCheckBox*, QComboBox*>> controls_;
};

} // namespace keelwright
