#pragma once
// The right-triangle calculator as a running program: it owns its one
// window, made the first time it is asked for and deleted when the program
// ends, and the state the window records its calculations in.

#include "dorvic/core/state.h"
#include "runtime/program.h"

#include <memory>

namespace dorvic {

class FrmTriangleRight;

class Dorvic : public rt::Program {
public:
    Dorvic();
    ~Dorvic() override;

    // Shows the triangle window, the cursor in side a. Nothing else.
    void start() override;
    QList<rt::Form *> windows() const override;

    FrmTriangleRight *frmTriangleRight();

    // The case the last Calculate chose.
    const TriangleState &state() const { return m_state; }

private:
    // Declared before the window, which writes it, so it outlives it.
    TriangleState m_state;
    std::unique_ptr<FrmTriangleRight> m_window;
};

} // namespace dorvic
