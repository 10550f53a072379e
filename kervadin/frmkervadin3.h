#pragma once
// The measurement window: the thread record written by the size and custom
// windows, the wire size typed by the user, and Calculate.

#include "runtime/form.h"

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kervadin {

class FrmKervadin3 : public rt::Form {
    Q_OBJECT
public:
    explicit FrmKervadin3(QWidget *parent = nullptr);

    // The thread record: the other windows set these captions.
    QLabel *lblSelected;
    QLabel *lblDia;
    QLabel *lblDoT;
    QLabel *lblPitch;
    QLabel *lblTangle;
    QLabel *lblHangle;
    QLabel *lblMillinches;
    QLabel *lblMax;
    QLabel *lblMin;
    QLabel *lblPref;

    QLabel *lblOver;
    QLineEdit *txtActual;
    rt::ClickLabel *CtS;
    QPushButton *cmdCalc;
    QPushButton *cmdQuit;
    // Opens the check of a measured reading; Alt+R, outside the tab order.
    QPushButton *cmdCheck;

    // Puts the keyboard focus in txtActual, bringing this window to the front.
    void focusActual();

    void cmdCalc_Click();
    void cmdQuit_Click();
    void CtS_Click();
    void cmdCheck_Click();

    // The wire size as typed for the last successful Calculate of the thread
    // shown; empty when there is none (none yet, or the thread has changed
    // or Click to Select has emptied the result since).
    QString calculatedWire() const { return m_calculatedWire; }
    // The thread record is being replaced: its calculation no longer holds.
    void forgetCalculation() { m_calculatedWire.clear(); }

signals:
    // After a thread record has been written in full.
    void recordWritten();
    // After Calculate has written the dimension over wires.
    void dimensionCalculated();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void drawPicture();

    QString m_calculatedWire;
};

// The dimension over three wires for a thread angle in degrees; false when
// the angle has no formula.
bool dimensionOverWires(double angle, double diameter, double pitch, double wire, double *result);

// The working behind a dimension over wires, as its tooltip shows it: the
// formula for the thread angle, then the same with the values put in, the
// diameter and pitch as the record shows them (a custom metric diameter
// without its " mm") and the wire as read, to four places:
// "M = D − 1.5155 × P + 3 × W = 6.0000 − 1.5155 × 1.0000 + 3 × 0.5770".
// Empty when the angle has no formula.
QString overWiresWorking(double angle, const QString &diameter, const QString &pitch, double wire);

} // namespace kervadin
