// The right-triangle calculator's windows (the triangle and, through its
// Sine Bar button, the sine bar) driven by random sessions; the checks are
// windowsfuzz.h's.

#include "dorvic/ui/dorvic.h"
#include "windowsfuzz.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    windowsfuzz::Program program;
    program.make = [] { return std::make_unique<dorvic::Dorvic>(); };
    program.mainWindow = QStringLiteral("frmTriangleRight");
    program.endingControls = {QStringLiteral("frmTriangleRight.CmdClose")};
    windowsfuzz::initialize(program);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return windowsfuzz::runInput(data, size);
}
