#pragma once
// The right-triangle calculator as a running program: it owns its one
// window, made the first time it is asked for and deleted when the program
// ends.

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

private:
    std::unique_ptr<FrmTriangleRight> m_window;
};

} // namespace dorvic
