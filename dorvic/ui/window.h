#pragma once
// A window of the triangle calculator: owned by the program, drawn on the
// calculator's background. A window reaches the others only through the
// program.

#include "runtime/form.h"

#include <QSize>

namespace dorvic {

class Dorvic;

class Window : public rt::Form {
    Q_OBJECT
protected:
    // `twips` is the size of the window's client area.
    Window(Dorvic &program, const QString &name, const QString &caption, QSize twips,
           QWidget *parent);

    Dorvic &m_program;
};

} // namespace dorvic
