#include "kervadin/sizewindow.h"

#include "kervadin/frmtype.h"
#include "kervadin/kervadin.h"
#include "runtime/controls.h"

#include <QLabel>
#include <QPushButton>

namespace kervadin {
namespace {

struct WindowNames {
    const char *window;
    const char *caption;
    const char *back;
    int backLeft;
};

const WindowNames &namesOf(Family family)
{
    static const WindowNames names[FamilyCount] = {
        {"frmBSFsize", "B.S.F. Size", "cmdBackBSF", 1800},
        {"frmWhitsize", "Whitworth Size", "cmdBackwhit", 1800},
        {"frmUNCsize", "U.N.C. Size", "cmdBackUNC", 1800},
        {"frmUNFsize", "U.N.F. Size", "cmdBackUNF", 1800},
        {"frmBAsize", "B.A. Size", "cmdBackBA", 1920},
        {"frmMetsize", "Metric Size", "cmdBackmet", 1800},
    };
    return names[static_cast<int>(family)];
}

} // namespace

SizeWindow::SizeWindow(Family family, QWidget *parent)
    : rt::Form(QLatin1String(namesOf(family).window), QLatin1String(namesOf(family).caption), 7920,
               5475, QColor(255, 192, 128), parent),
      m_family(family)
{
    const WindowNames &names = namesOf(family);
    addShape(ShapeKind::RoundedRectangle, {1560, 640, 4800, 415}, QColor(255, 255, 0));
    QLabel *prompt = addLabel(QStringLiteral("Label1"),
                              QStringLiteral("...then chose a size and click APPLY."),
                              rt::twipsRect(1680, 720, 4560, 300),
                              rt::formFont(QStringLiteral("MS Sans Serif"), 12));
    prompt->setAlignment(Qt::AlignCenter);

    const QFont font = rt::formFont(QStringLiteral("MS Sans Serif"), 9.75);
    cmdBack = addButton(QLatin1String(names.back), QStringLiteral("BACK"),
                        rt::twipsRect(names.backLeft, 4680, 1215, 495), font);
    rt::setColours(cmdBack, QColor(192, 192, 0));
    rt::onClick(cmdBack, this, &SizeWindow::cmdBack_Click);
}

void SizeWindow::cmdBack_Click()
{
    hideForm();
    frmType()->showForm();
}

} // namespace kervadin
