#pragma once
// The triangle window: five boxes laid on a drawing of a right triangle (the
// three sides and the two acute angles), the area box, and Calculate, Clear
// and Close. The texts of the six boxes are the program's whole state.
//
// Calculate finds the first given box (a, b, c, B, C), hands its value to
// that box's dispatch operation, which finds the second given box and has
// the solver for the pair work out the missing values (or shows why it
// cannot); then it works out the area from legs b and c as they will be
// shown, and only then writes the values and the area. A box is given when
// its text is not empty.

#include "dorvic/core/solvers.h"
#include "runtime/form.h"

class QLineEdit;
class QPushButton;

namespace dorvic {

class FrmTriangleRight : public rt::Form {
    Q_OBJECT
public:
    explicit FrmTriangleRight(QWidget *parent = nullptr);

    // Handlers of the three buttons.
    void cmdRightCalculate_Click();
    void cmdClear_Click();
    void CmdClose_Click();

    // Dispatch from the first given box, with its value.
    void EnterRightSidea(double a);
    void EnterRightSideb(double b);
    void EnterRightSidec(double c);
    void EnterRightAngleB(double angleB);
    void EnterRightAngleC(double angleC);

    void RightNodata();
    void RightTwoAngles();

    // The solvers: two values in the order of the name; each works out the
    // three missing values for Calculate to write, or shows why the pair is
    // refused.
    void EnterRightSideaSideb(double a, double b);
    void EnterRightSideaSidec(double a, double c);
    void EnterRightSidebSidec(double b, double c);
    void EnterRightSideaAngleB(double a, double angleB);
    void EnterRightSideaAngleC(double a, double angleC);
    void EnterRightSidebAngleB(double b, double angleB);
    void EnterRightSidebAngleC(double b, double angleC);
    void EnterRightSidecAngleB(double c, double angleB);
    void EnterRightSidecAngleC(double c, double angleC);

protected:
    // Closing the window by its frame ends the program, as Close does.
    void closeEvent(QCloseEvent *event) override;

private:
    void solveWith(Solver solver, double first, double second);
    QLineEdit *box(Box which) const;

    // What the solver of this Calculate worked out, not yet written.
    Solution m_solution;

    QLineEdit *txtRightSidea;
    QLineEdit *txtRightSideb;
    QLineEdit *txtRightSidec;
    QLineEdit *txtRightAngleB;
    QLineEdit *txtRightAngleC;
    QLineEdit *txtRightArea;
    QPushButton *cmdRightCalculate;
    QPushButton *CmdClear;
    QPushButton *CmdClose;
};

} // namespace dorvic
