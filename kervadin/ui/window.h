#pragma once
// A window of the thread calculator: owned by the program, drawn on the
// calculator's background, its controls built from its table.

#include "runtime/form.h"

#include <QSize>
#include <vector>

namespace kervadin {

class Kervadin;

class Window : public rt::Form {
    Q_OBJECT
protected:
    // `twips` is the size of the window's client area.
    Window(Kervadin &program, const QString &name, const QString &caption, QSize twips,
           const std::vector<rt::Control> &table, QWidget *parent);

    Kervadin &m_program;
};

} // namespace kervadin
