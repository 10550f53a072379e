#include "kervadin/frmcustom.h"

#include "kervadin/frmtype.h"
#include "kervadin/kervadin.h"
#include "runtime/controls.h"

#include <QPushButton>

namespace kervadin {

FrmCustom::FrmCustom(QWidget *parent)
    : rt::Form(QStringLiteral("frmCustom"), QStringLiteral("Custom"), 7920, 5475,
               QColor(255, 192, 128), parent)
{
    cmdBackcust = addButton(QStringLiteral("cmdBackcust"), QStringLiteral("BACK"),
                            rt::twipsRect(1920, 4680, 1215, 495),
                            rt::formFont(QStringLiteral("MS Sans Serif"), 9.75));
    rt::setColours(cmdBackcust, QColor(192, 192, 0));
    rt::onClick(cmdBackcust, this, &FrmCustom::cmdBackcust_Click);
}

void FrmCustom::cmdBackcust_Click()
{
    hideForm();
    frmType()->showForm();
}

} // namespace kervadin
