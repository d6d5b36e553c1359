// SPDX-License-Identifier: MIT
#include "ui/classes/class_pages.h"

#include "ui/helpers/qt_text.h"
#include "ui/helpers/twips.h"
#include "ui/widgets/power_field.h"
#include "ui/widgets/text_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>

#include <algorithm>
#include <cstddef>

namespace keelwright {
namespace {

template <class Control> QWidget* bound(Control* control, FormBinder& binder) {
    binder.bind(control);
    return control;
}

// Makes the field's control on its page and binds it, as the type it is.
QWidget* makeControl(const Field& field, QWidget* page, FormBinder& binder) {
    switch (field.kind) {
    case FieldKind::Flag:
        return bound(new QCheckBox(qs(field.caption), page), binder);
    case FieldKind::Choice: {
        auto* list = new QComboBox(page);
        for (const std::string_view item : kShieldTypes)
            list->addItem(qs(item));
        list->setCurrentIndex(-1);
        return bound(list, binder);
    }
    case FieldKind::Power:
        return bound(new PowerField(page), binder);
    case FieldKind::Text:
    case FieldKind::Number:
        break;
    }
    return bound(newTextBox(qs(field.start), page), binder);
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
        QWidget* control = makeControl(field, page, binder_);
        control->setObjectName(qs(field.name));
        placeAtLeast(control, twipsRect(field.left, field.top - kPageTopTwips, field.width,
                                        controlHeight(field.kind)));
        if (!field.spokenName.empty())
            control->setAccessibleName(qs(field.spokenName));
        if (isTextual(field.kind) && !field.caption.empty())
            addLabel(field, control, page);
    }
}

} // namespace keelwright
