#include "kervadin/ui/sizewindow.h"

#include "kervadin/ui/familywindows.h"
#include "kervadin/ui/frmtype.h"
#include "kervadin/ui/kervadin.h"
#include "kervadin/ui/look.h"
#include "runtime/controls.h"

#include <QPushButton>
#include <QRadioButton>

namespace kervadin {
namespace {

// Where a size's option stands. Ten sizes sit on four columns, row by row,
// the last two in the middle columns of the third row; the twelve metric
// sizes fill a grid of four columns and three rows.
QRect optionAt(const FamilyWindow &row, int size)
{
    if (row.layout == SizeLayout::Grid) {
        const int columns[4] = {600, 2471, 4320, 6157};
        const int rows[3] = {1692, 2400, 3120};
        return rt::twipsRect(columns[size % 4], rows[size / 4], row.optionWidth, 495);
    }
    const int columns[4] = {1080, 2760, 4440, 6120};
    const int rows[3] = {1680, 2640, 3600};
    const int cell = size < 8 ? size : size - 7; // 9 and 10 take the middle columns
    const int width = size == 9 ? 975 : row.optionWidth;
    return rt::twipsRect(columns[cell % 4], rows[size / 4], width, 495);
}

// A size's place in the keyboard order: the sizes in size order, the
// metric grid down each column.
int tabOf(const FamilyWindow &row, int size)
{
    if (row.layout == SizeLayout::Grid)
        return size % 4 * 3 + size / 4 + 1;
    return size + 1;
}

// The prompt, the sizes, APPLY and BACK; the keyboard goes through the sizes,
// then the two buttons.
std::vector<rt::Control> controls(const FamilyWindow &row)
{
    std::vector<rt::Control> table{
        {rt::Kind::Label, "Label1", "...then chose a size and click APPLY.",
         rt::twipsRect(1680, 720, 4560, 300), ValueFont, 0, &CentredLook},
    };
    const int sizes = SizeCounts[static_cast<int>(row.family)];
    for (int i = 0; i < sizes; ++i) {
        table.push_back({rt::Kind::Option, row.options[i], row.captions[i],
                         optionAt(row, i), PlainFont, tabOf(row, i)});
    }
    table.push_back({rt::Kind::Button, row.apply, "APPLY", rt::twipsRect(4920, 4680, 1215, 495),
                     PlainFont, sizes + 1, &ButtonLook});
    table.push_back({rt::Kind::Button, row.back, "BACK",
                     rt::twipsRect(row.backLeft, 4680, 1215, 495), PlainFont, sizes + 2,
                     &ButtonLook});
    return table;
}

} // namespace

SizeWindow::SizeWindow(Kervadin &program, Family family, QWidget *parent)
    : Window(program, QLatin1String(familyWindow(family).window),
             QLatin1String(familyWindow(family).caption), {7920, 5475},
             controls(familyWindow(family)), parent),
      m_row(familyWindow(family))
{
    // The prompt's yellow band.
    addShape(ShapeKind::RoundedRectangle, {1560, 640, 4800, 415}, Yellow);
    rt::onClick(control<QPushButton>(QLatin1String(m_row.apply)), this, &SizeWindow::apply);
    rt::onClick(control<QPushButton>(QLatin1String(m_row.back)), this, &SizeWindow::back);
    // The first size starts with the focus.
    control(QLatin1String(m_row.options[0]))->setFocus();
}

void SizeWindow::apply()
{
    for (int i = 0; i < SizeCounts[static_cast<int>(m_row.family)]; ++i) {
        if (control<QRadioButton>(QLatin1String(m_row.options[i]))->isChecked()) {
            m_program.applyThread(Thread::standard(m_row.family, i));
            return;
        }
    }
}

void SizeWindow::back()
{
    hideForm();
    m_program.typeChooser()->showForm();
}

} // namespace kervadin
