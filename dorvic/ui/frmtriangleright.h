#pragma once
// The triangle window: five boxes laid on a drawing of a right triangle (the
// three sides and the two acute angles), the area box, and Calculate, Clear
// and Close; Sine Bar opens the sine-bar window.
//
// Calculate has the boxes classified (dorvic/core/classify.h) and runs the
// one solver of the case, or shows why none can run; then it works out the
// area from legs b and c as they will be shown, and only then writes the
// values and the area and records the case in the program's state. So an
// arithmetic fault anywhere changes nothing.

#include "dorvic/core/solvers.h"
#include "dorvic/ui/window.h"

#include <string>

class QLineEdit;

namespace dorvic {

class FrmTriangleRight : public Window {
    Q_OBJECT
public:
    // Each Calculate records in the program the case it chose.
    explicit FrmTriangleRight(Dorvic &program, QWidget *parent = nullptr);

protected:
    // Closing the window by its frame ends the program, as Close does.
    void closeEvent(QCloseEvent *event) override;

private:
    // The three buttons.
    void calculate();
    void clearBoxes();
    void closeProgram();
    void openSineBar();
    // A solved value's relation no longer holds once the user types in its
    // box: its tooltip goes.
    void dropRelation();

    QLineEdit *triangleBox(Box which) const;
    // The text a box will show once the solution is written.
    std::string shownAfter(const Solution &solution, Box which) const;

    QLineEdit *sideABox = nullptr;
    QLineEdit *sideBBox = nullptr;
    QLineEdit *sideCBox = nullptr;
    QLineEdit *angleBBox = nullptr;
    QLineEdit *angleCBox = nullptr;
    QLineEdit *areaBox = nullptr;
};

} // namespace dorvic
