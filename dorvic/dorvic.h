#pragma once
// The right-triangle calculator: one window, created on first use and kept
// until the program ends.

namespace dorvic {

class FrmTriangleRight;

// What the program does at start: shows the triangle window, the cursor in
// side a. Nothing else.
void start();

FrmTriangleRight *frmTriangleRight();

} // namespace dorvic
