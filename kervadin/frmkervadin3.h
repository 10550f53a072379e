#pragma once
// The measurement window: the thread record written by the size and custom
// windows, the wire size typed by the user, and Calculate. The rules behind
// what it shows are threadrules.h's.

#include "runtime/form.h"

#include "kervadin/threadrules.h"

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

    // Puts the keyboard focus in txtActual, bringing this window to the front.
    void focusActual();

    // Writes a thread record, every field and the wire sizes' formulas as
    // their tooltips, then puts the focus in txtActual.
    void showRecord(const ThreadRecord &record);

    void cmdCalc_Click();
    void cmdQuit_Click();
    void CtS_Click();

signals:
    void recordWritten();
    void dimensionCalculated();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void drawPicture();

    Kervadin &m_program;
};

} // namespace kervadin
