#include "kervadin/ui/sizewindow.h"

#include "kervadin/ui/familywindows.h"
#include "kervadin/ui/kervadin.h"
#include "kervadin/ui/look.h"
#include "runtime/controls.h"

#include <QPushButton>
#include <QRadioButton>

namespace kervadin {
namespace {

// Where a size's option stands. Ten sizes sit on four columns, row by row,
// the last two in the middle columns of the third row; any other number
// fills a grid of four columns, row by row, as the twelve metric sizes do.
constexpr int GridColumns = 4;

QRect optionAt(const FamilyWindow &row, int sizes, int size)
{
    if (sizeLayout(sizes) == SizeLayout::Grid) {
        const int columns[GridColumns] = {600, 2471, 4320, 6157};
        const int firstLines[3] = {1692, 2400, 3120};
        const int line = size / GridColumns;
        const int top = line < 3 ? firstLines[line] : firstLines[2] + (line - 2) * 720;
        return rt::twipsRect(columns[size % GridColumns], top, row.optionWidth, 495);
    }
    const int columns[4] = {1080, 2760, 4440, 6120};
    const int rows[3] = {1680, 2640, 3600};
    const int cell = size < 8 ? size : size - 7; // 9 and 10 take the middle columns
    const int width = size == 9 ? 975 : row.optionWidth;
    return rt::twipsRect(columns[cell % 4], rows[size / 4], width, 495);
}

// APPLY and BACK stand below the options: where they always stood, unless
// the grid runs past its fourth line, when they and the window's foot move
// down by the lines added.
int extraLines(int sizes)
{
    const int lines = (sizes + GridColumns - 1) / GridColumns;
    return sizeLayout(sizes) == SizeLayout::Grid && lines > 4 ? lines - 4 : 0;
}

constexpr int ButtonTop = 4680;
constexpr int WindowHeight = 5475;
constexpr int LineHeight = 720;

// A size's place in the keyboard order: the sizes in size order, a grid
// down each column.
int tabOf(int sizes, int size)
{
    if (sizeLayout(sizes) == SizeLayout::TenSizes)
        return size + 1;
    const int column = size % GridColumns;
    int before = 0; // the sizes in the columns to the left
    for (int c = 0; c < column; ++c)
        before += (sizes - c + GridColumns - 1) / GridColumns;
    return before + size / GridColumns + 1;
}

// The prompt, the sizes, APPLY and BACK; the keyboard goes through the sizes,
// then the two buttons.
std::vector<rt::Control> controls(const FamilyWindow &row)
{
    std::vector<rt::Control> table{
        {rt::Kind::Label, "Label1", "...then chose a size and click APPLY.",
         rt::twipsRect(1680, 720, 4560, 300), ValueFont, 0, &CentredLook},
    };
    const int sizes = familyRow(row.family).sizeCount;
    for (int i = 0; i < sizes; ++i) {
        table.push_back({rt::Kind::Option, row.options[i], row.captions[i],
                         optionAt(row, sizes, i), PlainFont, tabOf(sizes, i)});
    }
    const int buttonTop = ButtonTop + extraLines(sizes) * LineHeight;
    table.push_back({rt::Kind::Button, row.apply, "APPLY", rt::twipsRect(4920, buttonTop, 1215, 495),
                     PlainFont, sizes + 1, &ButtonLook});
    table.push_back({rt::Kind::Button, row.back, "BACK",
                     rt::twipsRect(row.backLeft, buttonTop, 1215, 495), PlainFont, sizes + 2,
                     &ButtonLook});
    return table;
}

} // namespace

SizeWindow::SizeWindow(Kervadin &program, Family family, QWidget *parent)
    : Window(program, QLatin1String(familyWindow(family).window),
             QLatin1String(familyWindow(family).caption),
             {7920, WindowHeight + extraLines(familyRow(family).sizeCount) * LineHeight},
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
    for (int i = 0; i < familyRow(m_row.family).sizeCount; ++i) {
        if (control<QRadioButton>(QLatin1String(m_row.options[i]))->isChecked()) {
            m_program.applyThread(Thread::standard(m_row.family, i));
            return;
        }
    }
}

void SizeWindow::back()
{
    hideForm();
    m_program.showChooser();
}

} // namespace kervadin
