#pragma once
// Checking a measured reading: the thread and wire of the measurement
// window's last Calculate, the limits of the pitch diameter (typed, or a
// unified class), up to five readings over the wires, and the verdict.
// The rules are in checkrules.h; this window reads its entries, lets the
// rules work out every text, then writes them all.

#include "kervadin/core/checkrules.h"
#include "runtime/form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kervadin {

class Kervadin;

class FrmCheck : public rt::Form {
    Q_OBJECT
public:
    explicit FrmCheck(Kervadin &program, QWidget *parent = nullptr);

    QLabel *lblThread;
    QLabel *lblNote;
    QLabel *lblBasic;
    QLabel *lblConstant;
    QLabel *lblRange;
    QLineEdit *txtPDmax;
    QLineEdit *txtPDmin;
    QRadioButton *opt1A;
    QRadioButton *opt2A;
    QRadioButton *opt3A;
    QLineEdit *txtReading[ReadingCount]; // txtReading1 ... txtReading5
    QLabel *lblPD[ReadingCount];         // lblPD1 ... lblPD5
    QLabel *lblMean;
    QLabel *lblMeanPD;
    QLabel *lblSpread;
    QLabel *lblVerdict;
    QPushButton *cmdEvaluate;
    QPushButton *cmdBackcheck;

    // Shows the window, brought up to date, with the focus in the first
    // reading box.
    void open();

    // Check: a refused entry is named in a message and nothing changes.
    void cmdEvaluate_Click();
    void cmdBackcheck_Click();
    // Choosing a class fills the limits.
    void optClass_Click();

private:
    CheckEntry entry() const;
    // Brings the window up to date with the measurement window, without
    // messages for refused entries; only while it is shown.
    void follow();
    void refresh();
    void write(const CheckTexts &texts);
    void setClass(ThreadClass threadClass);

    Kervadin &m_program;
};

} // namespace kervadin
