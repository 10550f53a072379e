#include "kervadin/kervadin.h"

#include "kervadin/frmcheck.h"
#include "kervadin/frmcustom.h"
#include "kervadin/frmkervadin3.h"
#include "kervadin/frmtype.h"
#include "kervadin/sizewindow.h"

#include <QGuiApplication>
#include <QPointer>

namespace kervadin {
namespace {

template <typename Window, typename... Args>
Window *instance(QPointer<Window> &slot, Args... args)
{
    if (!slot)
        slot = new Window(args...);
    return slot;
}

QPointer<SizeWindow> &sizeSlot(Family family)
{
    static QPointer<SizeWindow> windows[FamilyCount];
    return windows[static_cast<int>(family)];
}

SizeWindow *sizeWindow(Family family)
{
    return instance(sizeSlot(family), family);
}

} // namespace

void start()
{
    QCoreApplication::setApplicationName(QStringLiteral("kervadin"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.workshopcalc.kervadin"));
    FrmKervadin3 *main = frmKervadin3();
    rt::Form::setMainForm(main);
    main->showForm();
    main->focusActual();
}

FrmKervadin3 *frmKervadin3()
{
    static QPointer<FrmKervadin3> slot;
    return instance(slot);
}

FrmType *frmType()
{
    static QPointer<FrmType> slot;
    return instance(slot);
}

SizeWindow *frmBSFsize() { return sizeWindow(Family::BSF); }
SizeWindow *frmWhitsize() { return sizeWindow(Family::Whitworth); }
SizeWindow *frmUNCsize() { return sizeWindow(Family::UNC); }
SizeWindow *frmUNFsize() { return sizeWindow(Family::UNF); }
SizeWindow *frmBAsize() { return sizeWindow(Family::BA); }
SizeWindow *frmMetsize() { return sizeWindow(Family::Metric); }

FrmCustom *frmCustom()
{
    static QPointer<FrmCustom> slot;
    return instance(slot);
}

FrmCheck *frmCheck()
{
    static QPointer<FrmCheck> slot;
    return instance(slot);
}

} // namespace kervadin
