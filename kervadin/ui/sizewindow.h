#pragma once
// The size windows, one per standard family: the family's sizes as option
// buttons, APPLY and BACK. APPLY writes the record of the chosen size on the
// measurement window by the family's rule.

#include "kervadin/core/families.h"
#include "runtime/form.h"

#include <QList>

class QPushButton;
class QRadioButton;

namespace kervadin {

class Kervadin;

class SizeWindow : public rt::Form {
    Q_OBJECT
public:
    SizeWindow(Kervadin &program, Family family, QWidget *parent = nullptr);

    const FamilyRow &row() const { return m_row; }

    // The size options in size order, then APPLY and BACK.
    QList<QRadioButton *> options;
    QPushButton *cmdApply;
    QPushButton *cmdBack;

    // APPLY: the first selected size, if any, is written on the measurement
    // window, which comes to the front with the focus in its wire-size box;
    // this window stays as it is.
    void apply();
    // BACK: hide this window and show the chooser.
    void cmdBack_Click();

private:
    void layOutSizes(const QFont &font);

    Kervadin &m_program;
    const FamilyRow &m_row;
};

} // namespace kervadin
