#include "kervadin/ui/window.h"

#include "kervadin/ui/look.h"

namespace kervadin {

Window::Window(Kervadin &program, const QString &name, const QString &caption, QSize twips,
               const std::vector<rt::Control> &table, QWidget *parent)
    : rt::Form(name, caption, twips.width(), twips.height(), Background, parent),
      m_program(program)
{
    build(table);
}

} // namespace kervadin
