#include "dorvic/ui/window.h"

#include "dorvic/ui/look.h"

namespace dorvic {

Window::Window(Dorvic &program, const QString &name, const QString &caption, QSize twips,
               QWidget *parent)
    : rt::Form(name, caption, twips.width(), twips.height(), Background, parent),
      m_program(program)
{
}

} // namespace dorvic
