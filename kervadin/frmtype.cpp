#include "kervadin/frmtype.h"

#include "kervadin/frmcustom.h"
#include "kervadin/kervadin.h"
#include "kervadin/sizewindow.h"
#include "runtime/controls.h"

#include <QLabel>
#include <QPushButton>

namespace kervadin {

FrmType::FrmType(QWidget *parent)
    : rt::Form(QStringLiteral("frmType"), QStringLiteral("Thread Type"), 7920, 5475,
               QColor(255, 192, 128), parent)
{
    addShape(ShapeKind::RoundedRectangle, {1800, 525, 4215, 495}, QColor(255, 255, 0));
    QLabel *heading = addLabel(QStringLiteral("Label1"),
                               QStringLiteral("Click to select type of thread ..."),
                               rt::twipsRect(1920, 600, 3975, 495),
                               rt::formFont(QStringLiteral("MS Sans Serif"), 12));
    heading->setAlignment(Qt::AlignCenter);

    const QFont font = rt::formFont(QStringLiteral("MS Sans Serif"), 9.75);
    auto button = [&](const char *name, const char *caption, int left, int top) {
        QPushButton *b = addButton(QLatin1String(name), QLatin1String(caption),
                                   rt::twipsRect(left, top, 1215, 495), font);
        rt::setColours(b, QColor(192, 192, 0));
        return b;
    };
    cmdBA = button("cmdBA", "B.A.", 600, 2040);
    cmdBSF = button("cmdBSF", "B.S.F.", 2400, 2040);
    cmdWhit = button("cmdWhit", "Whitworth", 4200, 2040);
    cmdMetric = button("cmdMetric", "Metric", 6000, 2040);
    cmdUNF = button("cmdUNF", "U.N.F.", 1560, 3720);
    cmdUNC = button("cmdUNC", "U.N.C.", 3360, 3720);
    cmdCustom = button("cmdCustom", "Custom", 5160, 3720);

    setTabOrder(cmdBSF, cmdWhit);
    setTabOrder(cmdWhit, cmdUNF);
    setTabOrder(cmdUNF, cmdUNC);
    setTabOrder(cmdUNC, cmdBA);
    setTabOrder(cmdBA, cmdMetric);
    setTabOrder(cmdMetric, cmdCustom);
    cmdBSF->setFocus();

    rt::onClick(cmdBA, this, &FrmType::cmdBA_Click);
    rt::onClick(cmdBSF, this, &FrmType::cmdBSF_Click);
    rt::onClick(cmdWhit, this, &FrmType::cmdWhit_Click);
    rt::onClick(cmdMetric, this, &FrmType::cmdMetric_Click);
    rt::onClick(cmdUNF, this, &FrmType::cmdUNF_Click);
    rt::onClick(cmdUNC, this, &FrmType::cmdUNC_Click);
    rt::onClick(cmdCustom, this, &FrmType::cmdCustom_Click);
}

void FrmType::open(rt::Form *window)
{
    hideForm();
    window->showForm();
}

void FrmType::cmdBA_Click() { open(frmBAsize()); }
void FrmType::cmdBSF_Click() { open(frmBSFsize()); }
void FrmType::cmdWhit_Click() { open(frmWhitsize()); }
void FrmType::cmdMetric_Click() { open(frmMetsize()); }
void FrmType::cmdUNF_Click() { open(frmUNFsize()); }
void FrmType::cmdUNC_Click() { open(frmUNCsize()); }
void FrmType::cmdCustom_Click() { open(frmCustom()); }

} // namespace kervadin
