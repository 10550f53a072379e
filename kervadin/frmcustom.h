#pragma once
// The custom thread window: diameter, pitch or threads per inch, and the
// thread angle, applied to the measurement window. It also holds the custom
// computations, which write the thread record with a helix angle worked out
// from diameter and pitch instead of one read from a size table.

#include "runtime/form.h"

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kervadin {

// The helix angle of a thread in whole minutes of arc: E = D - k x P, then
// (P / E) x 1094 rounded to the nearest whole number, halves to even.
// E = 0 throws DivisionByZero; a count outside -32768..32767 throws Overflow.
int helixMinutes(double diameter, double pitch, double depthFactor);

// The helix caption for a count of minutes: degrees and minutes, each cut
// toward zero and carrying the sign of the count, written with a blank (or
// the minus sign) before each number: 204 gives " 3 ° 24 '", -7798 gives
// "-129 °-58 '".
QString helixCaption(int minutes);

class FrmCustom : public rt::Form {
public:
    explicit FrmCustom(QWidget *parent = nullptr);

    QLineEdit *txtCustdia;
    QLineEdit *txtCustpitch;
    QRadioButton *opt55;
    QRadioButton *opt60;
    QLabel *lblCustdia;
    QLabel *lblCustpitch;
    QLabel *Label1;
    QPushButton *cmdAppcust;
    QPushButton *cmdBackcust;

    // APPLY: checks the entries, then hands the thread to one computation.
    void cmdAppcust_Click();
    void cmdBackcust_Click();

    // The custom computations: each writes the whole thread record of the
    // measurement window and puts the focus in its wire-size box. Custmet
    // shows the diameter as typed in txtCustdia, followed by " mm".
    void Custbsw(const QString &name, double diameter, double pitch);
    void Custmet(const QString &name, double diameter, double pitch);
    void Custun(const QString &name, double diameter, double pitch);

    // Writes lblHangle on the measurement window from helixMinutes.
    void Helangle(double diameter, double pitch, double depthFactor);
};

} // namespace kervadin
