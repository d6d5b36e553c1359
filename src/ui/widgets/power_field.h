#pragma once
// A power field: at most three characters, only what a number needs, and never left empty.

#include <QLineEdit>

namespace keelwright {

class PowerField : public QLineEdit {
    Q_OBJECT
public:
    explicit PowerField(QWidget* parent = nullptr);

private:
    void refillWhenEmpty();
};

} // namespace keelwright
