#pragma once
// The custom thread window: diameter, pitch or threads per inch, the thread
// angle and the unit, applied as the state's thread.

#include "kervadin/core/threadrules.h"
#include "kervadin/ui/window.h"

namespace kervadin {

class Kervadin;

class FrmCustom : public Window {
    Q_OBJECT
public:
    explicit FrmCustom(Kervadin &program, QWidget *parent = nullptr);

private:
    // APPLY: checks the entries (threadrules.h's customThread), then makes
    // the custom thread the state's thread and shows its record on the
    // measurement window.
    void apply();
    // BACK: hide this window and show the chooser.
    void back();
    // The angle and the unit chosen; None where none is.
    CustomAngle angle() const;
    CustomUnit unit() const;
};

} // namespace kervadin
