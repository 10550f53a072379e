#pragma once
// The custom thread window: diameter, pitch or threads per inch, and the
// thread angle, applied to the measurement window.

#include "runtime/form.h"

class QPushButton;

namespace kervadin {

class FrmCustom : public rt::Form {
public:
    explicit FrmCustom(QWidget *parent = nullptr);

    QPushButton *cmdBackcust;

    void cmdBackcust_Click();
};

} // namespace kervadin
