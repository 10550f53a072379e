#include "kervadin/ui/frmtype.h"

#include "kervadin/ui/frmcustom.h"
#include "kervadin/ui/kervadin.h"
#include "kervadin/ui/look.h"
#include "kervadin/ui/sizewindow.h"
#include "runtime/controls.h"

#include <QLabel>
#include <QPushButton>

namespace kervadin {

FrmType::FrmType(Kervadin &program, QWidget *parent)
    : rt::Form(QStringLiteral("frmType"), QStringLiteral("Thread Type"), 7920, 5475,
               Background, parent),
      m_program(program)
{
    addShape(ShapeKind::RoundedRectangle, {1800, 525, 4215, 495}, Yellow);
    QLabel *heading = addLabel(QStringLiteral("Label1"),
                               QStringLiteral("Click to select type of thread ..."),
                               rt::twipsRect(1920, 600, 3975, 495),
                               rt::formFont(rt::Face::Window, 12));
    heading->setAlignment(Qt::AlignCenter);

    const QFont font = rt::formFont(rt::Face::Window, 9.75);
    auto button = [&](const char *name, const char *caption, int left, int top) {
        QPushButton *b = addButton(QLatin1String(name), QString::fromUtf8(caption),
                                   rt::twipsRect(left, top, 1215, 495), font);
        rt::setColours(b, ButtonFace);
        return b;
    };

    // The keyboard goes through the families in the order of their rows,
    // then to Custom.
    QWidget *previous = nullptr;
    for (int i = 0; i < FamilyCount; ++i) {
        const FamilyRow &row = familyRows()[i];
        QPushButton *b = button(row.chooserButton, row.chooserCaption, row.chooserLeft,
                                row.chooserTop);
        m_familyButtons[static_cast<size_t>(i)] = b;
        const Family family = row.family;
        connect(b, &QPushButton::clicked, this,
                [this, family] { rt::guarded([&] { openFamily(family); }); });
        if (previous)
            setTabOrder(previous, b);
        previous = b;
    }
    cmdCustom = button("cmdCustom", "Custom", 5160, 3720);
    setTabOrder(previous, cmdCustom);
    rt::onClick(cmdCustom, this, &FrmType::cmdCustom_Click);
    m_familyButtons.front()->setFocus();
}

QPushButton *FrmType::familyButton(Family family) const
{
    return m_familyButtons[static_cast<size_t>(family)];
}

void FrmType::openFamily(Family family)
{
    hideForm();
    m_program.sizeWindow(family)->showForm();
}

void FrmType::cmdCustom_Click()
{
    hideForm();
    m_program.frmCustom()->showForm();
}

} // namespace kervadin
