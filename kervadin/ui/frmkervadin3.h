#pragma once
// The measurement window: the thread record written by the size and custom
// windows, the wire size typed by the user, and Calculate. The rules behind
// what it shows are threadrules.h's.

#include "runtime/form.h"

#include "kervadin/core/threadrules.h"

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kervadin {

class Kervadin;

class FrmKervadin3 : public rt::Form {
    Q_OBJECT
public:
    explicit FrmKervadin3(Kervadin &program, QWidget *parent = nullptr);

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

    // Writes a thread record, every field and the wire sizes' formulas as
    // their tooltips, then puts the focus in txtActual.
    void showRecord(const ThreadRecord &record);

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

    Kervadin &m_program;
    QString m_calculatedWire;
};

} // namespace kervadin
