#include "dorvic/dorvic.h"

#include "dorvic/frmtriangleright.h"

#include <QGuiApplication>
#include <QPointer>

namespace dorvic {

FrmTriangleRight *frmTriangleRight()
{
    static QPointer<FrmTriangleRight> window;
    if (!window)
        window = new FrmTriangleRight;
    return window;
}

void start()
{
    QCoreApplication::setApplicationName(QStringLiteral("dorvic"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.workshopcalc.dorvic"));
    rt::Form::setMainForm(frmTriangleRight());
    frmTriangleRight()->showForm();
}

} // namespace dorvic
