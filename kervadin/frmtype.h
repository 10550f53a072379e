#pragma once
// The thread-type chooser: one button per family and one for a custom
// thread; each hides the chooser and shows its window.

#include "runtime/form.h"

class QPushButton;

namespace kervadin {

class FrmType : public rt::Form {
public:
    explicit FrmType(QWidget *parent = nullptr);

    QPushButton *cmdBA;
    QPushButton *cmdBSF;
    QPushButton *cmdWhit;
    QPushButton *cmdMetric;
    QPushButton *cmdUNF;
    QPushButton *cmdUNC;
    QPushButton *cmdCustom;

    void cmdBA_Click();
    void cmdBSF_Click();
    void cmdWhit_Click();
    void cmdMetric_Click();
    void cmdUNF_Click();
    void cmdUNC_Click();
    void cmdCustom_Click();

private:
    void open(rt::Form *window);
};

} // namespace kervadin
