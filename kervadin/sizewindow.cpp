#include "kervadin/sizewindow.h"

#include "kervadin/frmkervadin3.h"
#include "kervadin/frmtype.h"
#include "kervadin/kervadin.h"
#include "kervadin/threadrecord.h"
#include "runtime/controls.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace kervadin {
namespace {

using Computation = void (SizeWindow::*)(const QString &, double, double, const QString &);

Computation computationOf(Family family)
{
    static const Computation computations[FamilyCount] = {
        &SizeWindow::BSF, &SizeWindow::BSW, &SizeWindow::UNC,
        &SizeWindow::UNF, &SizeWindow::BA,  &SizeWindow::MET,
    };
    return computations[static_cast<int>(family)];
}

const QColor ButtonFace(192, 192, 0);

} // namespace

SizeWindow::SizeWindow(Family family, QWidget *parent)
    : rt::Form(QLatin1String(familyTable(family).window),
               QLatin1String(familyTable(family).caption), 7920, 5475, QColor(255, 192, 128),
               parent),
      m_family(family)
{
    const FamilyTable &table = familyTable(family);
    addShape(ShapeKind::RoundedRectangle, {1560, 640, 4800, 415}, QColor(255, 255, 0));
    QLabel *prompt = addLabel(QStringLiteral("Label1"),
                              QStringLiteral("...then chose a size and click APPLY."),
                              rt::twipsRect(1680, 720, 4560, 300),
                              rt::formFont(QStringLiteral("MS Sans Serif"), 12));
    prompt->setAlignment(Qt::AlignCenter);

    const QFont font = rt::formFont(QStringLiteral("MS Sans Serif"), 9.75);
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
    if (family == Family::Metric) {
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
    const FamilyTable &table = familyTable(m_family);
    const bool metric = m_family == Family::Metric;
    const int columns[4] = {1080, 2760, 4440, 6120};
    const int rows[3] = {1680, 2640, 3600};
    const int metricColumns[4] = {600, 2471, 4320, 6157};
    const int metricRows[3] = {1692, 2400, 3120};

    for (int i = 0; i < table.sizeCount; ++i) {
        const StandardSize &size = table.sizes[i];
        QRect twips;
        if (metric) {
            twips = rt::twipsRect(metricColumns[i % 4], metricRows[i / 4], 735, 495);
        } else {
            const int cell = i < 8 ? i : i - 7;  // 9 and 10 take the middle columns
            int width = m_family == Family::BA ? 855 : 840;
            if (i == 9)
                width = 975;
            twips = rt::twipsRect(columns[cell % 4], rows[i / 4], width, 495);
        }
        options.append(addOption(QLatin1String(size.option), QString::fromUtf8(size.caption),
                                 twips, font));
    }
}

void SizeWindow::apply()
{
    const FamilyTable &table = familyTable(m_family);
    for (int i = 0; i < table.sizeCount; ++i) {
        if (options[i]->isChecked()) {
            const StandardSize &size = table.sizes[i];
            (this->*computationOf(m_family))(QString::fromUtf8(size.name), size.diameter,
                                             size.pitch, QString::fromUtf8(size.helix));
            return;
        }
    }
}

void SizeWindow::cmdBack_Click()
{
    hideForm();
    frmType()->showForm();
}

void SizeWindow::write(const RecordRule &rule, const QString &name, double diameter, double pitch,
                       const QString &helix)
{
    FrmKervadin3 *record = frmKervadin3();
    writeRecord(record, rule, name, diameter, pitch,
                [&] { record->lblHangle->setText(helix); });
}

void SizeWindow::BSF(const QString &name, double diameter, double pitch, const QString &helix)
{
    write(BsfRule, name, diameter, pitch, helix);
}

void SizeWindow::BSW(const QString &name, double diameter, double pitch, const QString &helix)
{
    write(WhitworthRule, name, diameter, pitch, helix);
}

void SizeWindow::UNF(const QString &name, double diameter, double pitch, const QString &helix)
{
    write(UnfRule, name, diameter, pitch, helix);
}

void SizeWindow::UNC(const QString &name, double diameter, double pitch, const QString &helix)
{
    write(UncRule, name, diameter, pitch, helix);
}

void SizeWindow::MET(const QString &name, double diameter, double pitch, const QString &helix)
{
    write(MetricRule, name, diameter, pitch, helix);
}

void SizeWindow::BA(const QString &name, double diameter, double pitch, const QString &helix)
{
    write(BaRule, name, diameter, pitch, helix);
}

} // namespace kervadin
