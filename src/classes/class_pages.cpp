#include "classes/class_pages.h"

#include "classes/power_field.h"
#include "shell/widget_helpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>

#include <algorithm>

namespace keelwright {
namespace {

QWidget* makeControl(const Field& field, QWidget* page) {
    const QString caption = qs(field.caption);
    switch (field.kind) {
    case FieldKind::Flag:
        return new QCheckBox(caption, page);
    case FieldKind::Choice: {
        auto* list = new QComboBox(page);
        for (const std::string_view item : kShieldTypes)
            list->addItem(qs(item));
        list->setCurrentIndex(-1);
        return list;
    }
    case FieldKind::Power:
        return new PowerField(page);
    case FieldKind::Text:
    case FieldKind::Number:
        return new QLineEdit(qs(field.start), page);
    }
    return nullptr;
}

// Text boxes have their caption on a label just above them; it is their buddy, so a screen
// reader says it, and it stays no higher than the gap above the box.
void addLabel(const Field& field, QWidget* control, QWidget* page) {
    auto* label = new QLabel(qs(field.caption), page);
    label->setObjectName(qs(field.name) + QStringLiteral("Label"));
    label->setBuddy(control);
    const QRect box = control->geometry();
    const int height = std::min(label->sizeHint().height(), pixels(kLabelAbove));
    label->setGeometry(box.left(), box.top() - pixels(kLabelAbove), box.width(), height);
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
}

void addFrames(int pageIndex, QWidget* page) {
    for (const Frame& frame : pageFrames()) {
        if (frame.page != pageIndex)
            continue;
        auto* box = new QGroupBox(qs(frame.caption), page);
        box->setObjectName(qs(frame.name));
        box->setGeometry(
            twipsRect(frame.left, frame.top - kPageTopTwips, frame.width, frame.height));
    }
}

} // namespace

ClassPages::ClassPages(QStackedWidget* pages) {
    for (std::size_t p = 0; p < kPageCount; ++p) {
        auto* page = new QWidget(pages);
        page->setObjectName(QStringLiteral("Page%1").arg(p));
        page->setAccessibleName(qs(pageCaptions()[p]));
        addFrames(int(p), page);
        pages->addWidget(page);
    }
    for (const Field& field : classFields()) {
        QWidget* page = pages->widget(field.page);
        QWidget* control = makeControl(field, page);
        control->setObjectName(qs(field.name));
        placeAtLeast(control, twipsRect(field.left, field.top - kPageTopTwips, field.width,
                                        controlHeight(field.kind)));
        if (!field.spokenName.empty())
            control->setAccessibleName(qs(field.spokenName));
        if (isTextual(field.kind) && !field.caption.empty())
            addLabel(field, control, page);
        controls_.push_back(control);
    }
}

QString ClassPages::text(std::size_t index) const {
    QWidget* control = controls_[index];
    switch (classFields()[index].kind) {
    case FieldKind::Flag:
        return static_cast<QCheckBox*>(control)->isChecked() ? QStringLiteral("1")
                                                             : QStringLiteral("0");
    case FieldKind::Choice:
        return static_cast<QComboBox*>(control)->currentText();
    default:
        return static_cast<QLineEdit*>(control)->text();
    }
}

ShipClassRecord ClassPages::record() const {
    ShipClassRecord record;
    for (std::size_t i = 0; i < controls_.size(); ++i)
        record.setValue(i, utf8(text(i)));
    return record;
}

void ClassPages::show(const ShipClassRecord& record) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const QString value = qs(record.value(i));
        if (value == text(i))
            continue;
        QWidget* control = controls_[i];
        switch (classFields()[i].kind) {
        case FieldKind::Flag:
            static_cast<QCheckBox*>(control)->setChecked(value == QStringLiteral("1"));
            break;
        case FieldKind::Choice: {
            auto* list = static_cast<QComboBox*>(control);
            list->setCurrentIndex(list->findText(value));
            break;
        }
        default:
            static_cast<QLineEdit*>(control)->setText(value);
        }
    }
}

} // namespace keelwright
