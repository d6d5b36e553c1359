// SPDX-License-Identifier: MIT
#include "ui/editor/form_binder.h"

#include "ui/helpers/qt_text.h"

#include <cstddef>
#include <type_traits>

namespace keelwright {
namespace {

const QString kTicked = QStringLiteral("1");
const QString kCleared = QStringLiteral("0");

struct Reader {
    QString operator()(const QLineEdit* box) const { return box->text(); }
    QString operator()(const QCheckBox* box) const { return box->isChecked() ? kTicked : kCleared; }
    QString operator()(const QComboBox* list) const { return list->currentText(); }
};

struct Writer {
    const QString& text;
    void operator()(QLineEdit* box) const { box->setText(text); }
    void operator()(QCheckBox* box) const { box->setChecked(text == kTicked); }
    void operator()(QComboBox* list) const { list->setCurrentIndex(list->findText(text)); }
};

} // namespace

QWidget* FormBinder::widget(std::size_t index) const {
    return std::visit([](QWidget* control) { return control; }, controls_.at(index));
}

QLineEdit* FormBinder::lineEdit(std::size_t index) const {
    QLineEdit* const* box = std::get_if<QLineEdit*>(&controls_.at(index));
    return box ? *box : nullptr;
}

QString FormBinder::text(std::size_t index) const {
    return std::visit(Reader{}, controls_.at(index));
}

void FormBinder::setText(std::size_t index, const QString& text) {
    if (this->text(index) != text)
        std::visit(Writer{text}, controls_.at(index));
}

void FormBinder::onChange(const std::function<void(std::size_t)>& changed) const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const auto tell = [changed, i] { changed(i); };
        std::visit(
            [&](auto* control) {
                using Control = std::remove_pointer_t<decltype(control)>;
                if constexpr (std::is_same_v<Control, QLineEdit>)
                    QObject::connect(control, &QLineEdit::textChanged, control, tell);
                else if constexpr (std::is_same_v<Control, QCheckBox>)
                    QObject::connect(control, &QCheckBox::toggled, control, tell);
                else
                    QObject::connect(control, &QComboBox::currentIndexChanged, control, tell);
            },
            controls_[i]);
    }
}

void FormBinder::show(std::span<const std::string> texts) {
    for (std::size_t i = 0; i < controls_.size() && i < texts.size(); ++i)
        setText(i, qs(texts[i]));
}

} // namespace keelwright
