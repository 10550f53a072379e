#include "dorvic/ui/mdiform1.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QPalette>

namespace dorvic {

MDIForm1::MDIForm1(QWidget *parent)
    : rt::Form(QStringLiteral("MDIForm1"), QStringLiteral("MDIForm1"), 11880, 7215,
               QGuiApplication::palette().color(QPalette::Dark), parent)
{
    // The workspace keeps the toolkit's own application-workspace shade.
    auto *workspace = new QMdiArea(this);
    workspace->setGeometry(rect());
}

} // namespace dorvic
