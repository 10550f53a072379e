#pragma once
// The uncertainty of the pitch diameter: what the inspector knows of the
// measurement (the micrometer, the wires' certificate, the repeatability,
// the pitch and half-angle errors and the temperature difference), or the
// laboratory's own U, and the budget worked out from them. What is typed
// applies at once to the check, which works the budget out and writes it
// here.

#include "kervadin/core/checkentry.h"
#include "kervadin/ui/window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kervadin {

class FrmUncertainty : public Window {
    Q_OBJECT
public:
    explicit FrmUncertainty(Kervadin &program, QWidget *parent = nullptr);

    // Shows the window with the focus in its first box.
    void open();
    // What is typed, as the check reads it.
    UncertaintyEntry entry() const;
    // The budget as the check worked it out, and the unit the lengths are
    // typed in ("mm" or "in"; empty without a thread).
    void showBudget(const std::string &budget, const std::string &unit);
    // The box of a field of the uncertainty; nullptr for any other field.
    // What is typed here belongs to the instruments and the room, not the
    // thread: it stays when another thread is applied.
    QLineEdit *box(CheckField field) const;

private:
    void back();

    std::array<QLineEdit *, UncertaintyInputCount> m_inputs{};
    QLineEdit *txtU = nullptr;
    QLabel *lblU = nullptr;
    QLabel *lblUnits = nullptr;
    QPushButton *cmdBackU = nullptr;
};

} // namespace kervadin
