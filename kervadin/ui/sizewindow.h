#pragma once
// The size windows, one per standard family: the family's sizes as option
// buttons, APPLY and BACK. APPLY makes the chosen size the state's thread
// and shows its record on the measurement window.

#include "kervadin/ui/familywindows.h"
#include "kervadin/ui/window.h"

namespace kervadin {

class Kervadin;

class SizeWindow : public Window {
    Q_OBJECT
public:
    SizeWindow(Kervadin &program, Family family, QWidget *parent = nullptr);

private:
    // APPLY: the first selected size, if any, becomes the thread and is
    // shown on the measurement window, which comes to the front with the
    // focus in its wire-size box; this window stays as it is.
    void apply();
    // BACK: hide this window and show the chooser.
    void back();

    const FamilyWindow &m_row;
};

} // namespace kervadin
