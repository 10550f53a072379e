// The thread-measurement calculator's windows driven by random sessions;
// the checks are windowsfuzz.h's.

#include "kervadin/ui/kervadin.h"
#include "windowsfuzz.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    windowsfuzz::Program program;
    program.make = [] { return std::make_unique<kervadin::Kervadin>(); };
    program.mainWindow = QStringLiteral("frmKervadin3");
    program.endingControls = {QStringLiteral("frmKervadin3.cmdQuit")};
    // A custom metric thread's diameter is shown as it was typed, with its
    // unit.
    program.echoes = {{QStringLiteral("frmKervadin3.lblDia"), QStringLiteral("frmCustom.txtCustdia"),
                       QStringLiteral(" mm")}};
    windowsfuzz::initialize(program);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return windowsfuzz::runInput(data, size);
}
