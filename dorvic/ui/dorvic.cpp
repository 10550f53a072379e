#include "dorvic/ui/dorvic.h"

#include "dorvic/ui/frmtriangleright.h"

#include <QGuiApplication>

namespace dorvic {

Dorvic::Dorvic() = default;
Dorvic::~Dorvic() = default;

FrmTriangleRight *Dorvic::frmTriangleRight()
{
    if (!m_window)
        m_window = std::make_unique<FrmTriangleRight>(m_state);
    return m_window.get();
}

QList<rt::Form *> Dorvic::windows() const
{
    if (m_window)
        return {m_window.get()};
    return {};
}

void Dorvic::start()
{
    QCoreApplication::setApplicationName(QStringLiteral("dorvic"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.workshopcalc.dorvic"));
    rt::Form::setMainForm(frmTriangleRight());
    frmTriangleRight()->showForm();
}

} // namespace dorvic
