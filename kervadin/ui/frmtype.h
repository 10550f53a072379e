#pragma once
// The thread-type chooser: one button per family and one for a custom
// thread; each hides the chooser and shows its window.

#include "kervadin/core/families.h"
#include "runtime/form.h"

#include <array>

class QPushButton;

namespace kervadin {

class Kervadin;

class FrmType : public rt::Form {
    Q_OBJECT
public:
    explicit FrmType(Kervadin &program, QWidget *parent = nullptr);

    // The family buttons, by family (cmdBSF, cmdWhit, ...), and Custom.
    QPushButton *familyButton(Family family) const;
    QPushButton *cmdCustom;

    // A family's button: hides the chooser and shows the family's size window.
    void openFamily(Family family);
    void cmdCustom_Click();

private:
    Kervadin &m_program;
    std::array<QPushButton *, FamilyCount> m_familyButtons{};
};

} // namespace kervadin
