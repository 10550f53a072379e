#pragma once
// The thread-type chooser: one button per family and one for a custom
// thread; each hides the chooser and shows its window.

#include "kervadin/core/families.h"
#include "kervadin/ui/window.h"

namespace kervadin {

class Kervadin;

class FrmType : public Window {
    Q_OBJECT
public:
    explicit FrmType(Kervadin &program, QWidget *parent = nullptr);

private:
    // A family's button: hides the chooser and shows the family's size window.
    void openFamily(Family family);
    // Custom: hides the chooser and shows the custom thread window.
    void openCustom();

};

} // namespace kervadin
