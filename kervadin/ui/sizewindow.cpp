#include "kervadin/ui/sizewindow.h"

#include "kervadin/ui/frmkervadin3.h"
#include "kervadin/ui/frmtype.h"
#include "kervadin/ui/kervadin.h"
#include "kervadin/ui/look.h"
#include "runtime/controls.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace kervadin {
SizeWindow::SizeWindow(Kervadin &program, Family family, QWidget *parent)
    : rt::Form(QLatin1String(familyRow(family).window), QLatin1String(familyRow(family).caption),
               7920, 5475, Background, parent),
      m_program(program),
      m_row(familyRow(family))
{
    const FamilyRow &table = m_row;
    addShape(ShapeKind::RoundedRectangle, {1560, 640, 4800, 415}, Yellow);
    QLabel *prompt = addLabel(QStringLiteral("Label1"),
                              QStringLiteral("...then chose a size and click APPLY."),
                              rt::twipsRect(1680, 720, 4560, 300),
                              rt::formFont(rt::Face::Window, 12));
    prompt->setAlignment(Qt::AlignCenter);

    const QFont font = rt::formFont(rt::Face::Window, 9.75);
    layOutSizes(font);

    cmdApply = addButton(QLatin1String(table.apply), QStringLiteral("APPLY"),
                         rt::twipsRect(4920, 4680, 1215, 495), font);
    rt::setColours(cmdApply, ButtonFace);
    rt::onClick(cmdApply, this, &SizeWindow::apply);

    cmdBack = addButton(QLatin1String(table.back), QStringLiteral("BACK"),
                        rt::twipsRect(table.backLeft, 4680, 1215, 495), font);
    rt::setColours(cmdBack, ButtonFace);
    rt::onClick(cmdBack, this, &SizeWindow::cmdBack_Click);

    // The tab order: the sizes (the metric ones down each column), then the
    // two buttons; the first size starts with the focus. APPLY still takes
    // the sizes in size order.
    QList<QWidget *> focusOrder;
    if (table.layout == SizeLayout::Grid) {
        for (int column = 0; column < 4; ++column)
            for (int row = 0; row < 3; ++row)
                focusOrder.append(options[row * 4 + column]);
    } else {
        for (QRadioButton *option : options)
            focusOrder.append(option);
    }
    focusOrder << cmdApply << cmdBack;
    for (int i = 1; i < focusOrder.size(); ++i)
        setTabOrder(focusOrder[i - 1], focusOrder[i]);
    focusOrder.front()->setFocus();
}

// Ten sizes sit on four columns, row by row, the last two in the middle
// columns of the third row; the twelve metric sizes fill a grid of four
// columns and three rows.
void SizeWindow::layOutSizes(const QFont &font)
{
    const FamilyRow &table = m_row;
    const bool grid = table.layout == SizeLayout::Grid;
    const int columns[4] = {1080, 2760, 4440, 6120};
    const int rows[3] = {1680, 2640, 3600};
    const int metricColumns[4] = {600, 2471, 4320, 6157};
    const int metricRows[3] = {1692, 2400, 3120};

    for (int i = 0; i < table.sizeCount; ++i) {
        const StandardSize &size = table.sizes[i];
        QRect twips;
        if (grid) {
            twips = rt::twipsRect(metricColumns[i % 4], metricRows[i / 4], table.optionWidth, 495);
        } else {
            const int cell = i < 8 ? i : i - 7;  // 9 and 10 take the middle columns
            const int width = i == 9 ? 975 : table.optionWidth;
            twips = rt::twipsRect(columns[cell % 4], rows[i / 4], width, 495);
        }
        options.append(addOption(QLatin1String(size.option), QString::fromUtf8(size.caption),
                                 twips, font));
    }
}

void SizeWindow::apply()
{
    for (int i = 0; i < m_row.sizeCount; ++i) {
        if (options[i]->isChecked()) {
            m_program.frmKervadin3()->showRecord(standardRecord(m_row, m_row.sizes[i]));
            return;
        }
    }
}

void SizeWindow::cmdBack_Click()
{
    hideForm();
    m_program.frmType()->showForm();
}

} // namespace kervadin
