#include "dorvic/ui/dorvic.h"

#include "dorvic/ui/frmsinebar.h"
#include "dorvic/ui/frmtriangleright.h"

#include <QGuiApplication>

namespace dorvic {
namespace {

template <typename Window>
Window *made(std::unique_ptr<Window> &slot, Dorvic &program)
{
    if (!slot)
        slot = std::make_unique<Window>(program);
    return slot.get();
}

} // namespace

Dorvic::Dorvic() = default;

Dorvic::~Dorvic()
{
    // The sine-bar window goes before the triangle window it was opened from.
    m_sineBar.reset();
    m_triangle.reset();
}

FrmTriangleRight *Dorvic::frmTriangleRight() { return made(m_triangle, *this); }
FrmSineBar *Dorvic::frmSineBar() { return made(m_sineBar, *this); }

QList<rt::Form *> Dorvic::windows() const
{
    QList<rt::Form *> list;
    rt::Form *const all[] = {m_triangle.get(), m_sineBar.get()};
    for (rt::Form *w : all) {
        if (w)
            list.append(w);
    }
    return list;
}

void Dorvic::start()
{
    QCoreApplication::setApplicationName(QStringLiteral("dorvic"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.workshopcalc.dorvic"));
    rt::Form::setMainForm(frmTriangleRight());
    frmTriangleRight()->showForm();
}

void Dorvic::showSineBar()
{
    frmSineBar()->open();
}

} // namespace dorvic
