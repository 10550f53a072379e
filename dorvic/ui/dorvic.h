#pragma once
// The right-triangle calculator as a running program: it owns the state and
// every window, makes each window the first time it is asked for (the
// sine-bar window only when it is first opened, never at start), and
// deletes them all when it ends. A window knows no other window: it asks
// the program.

#include "dorvic/core/state.h"
#include "runtime/program.h"

#include <memory>

namespace dorvic {

class FrmTriangleRight;
class FrmSineBar;

class Dorvic : public rt::Program {
public:
    Dorvic();
    ~Dorvic() override;

    // Shows the triangle window, the cursor in side a. Nothing else.
    void start() override;
    QList<rt::Form *> windows() const override;

    // The sine-bar window, made the first time it is opened and only hidden
    // when closed.
    void showSineBar();

    // Each window, made the first time it is asked for.
    FrmTriangleRight *frmTriangleRight();
    FrmSineBar *frmSineBar();

    // The case the last Calculate chose.
    const TriangleState &state() const { return m_state; }
    void recordCase(const Case &chosen) { m_state.lastCase = chosen; }

private:
    // Declared before the windows, which write it, so it outlives them.
    TriangleState m_state;
    std::unique_ptr<FrmTriangleRight> m_triangle;
    std::unique_ptr<FrmSineBar> m_sineBar;
};

} // namespace dorvic
