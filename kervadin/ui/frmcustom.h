#pragma once
// The custom thread window: diameter, pitch or threads per inch, and the
// thread angle, applied to the measurement window.

#include "runtime/form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kervadin {

class Kervadin;
struct CustomThread;

class FrmCustom : public rt::Form {
    Q_OBJECT
public:
    explicit FrmCustom(Kervadin &program, QWidget *parent = nullptr);

    QLineEdit *txtCustdia;
    QLineEdit *txtCustpitch;
    QRadioButton *opt55;
    QRadioButton *opt60;
    QLabel *lblCustdia;
    QLabel *lblCustpitch;
    QLabel *Label1;
    QPushButton *cmdAppcust;
    QPushButton *cmdBackcust;

    // APPLY: checks the entries, then writes the thread's record on the
    // measurement window (threadrules.h's customThread and customRecord).
    void cmdAppcust_Click();
    void cmdBackcust_Click();

private:
    Kervadin &m_program;
};

} // namespace kervadin
