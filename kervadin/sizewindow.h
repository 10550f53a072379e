#pragma once
// The six size windows, one per standard family: the sizes as option
// buttons, APPLY and BACK.

#include "runtime/form.h"

class QPushButton;

namespace kervadin {

enum class Family { BSF, Whitworth, UNC, UNF, BA, Metric };
constexpr int FamilyCount = 6;

class SizeWindow : public rt::Form {
public:
    explicit SizeWindow(Family family, QWidget *parent = nullptr);

    Family family() const { return m_family; }

    QPushButton *cmdBack;

    // BACK: hide this window and show the chooser.
    void cmdBack_Click();

private:
    Family m_family;
};

} // namespace kervadin
