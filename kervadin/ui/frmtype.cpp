#include "kervadin/ui/frmtype.h"

#include "kervadin/ui/familywindows.h"
#include "kervadin/ui/kervadin.h"
#include "kervadin/ui/look.h"
#include "runtime/controls.h"

#include <QPushButton>

namespace kervadin {
namespace {

// The heading, a button for each family in the order of their rows, and
// Custom; the keyboard goes through the first families' buttons, Custom,
// then the rest (FamiliesBeforeCustom).
std::vector<rt::Control> controls()
{
    std::vector<rt::Control> table{
        {rt::Kind::Label, "Label1", "Click to select type of thread ...",
         rt::twipsRect(1920, 600, 3975, 495), ValueFont, 0, &CentredLook},
    };
    for (int i = 0; i < FamilyCount; ++i) {
        const FamilyWindow &row = familyWindow(static_cast<Family>(i));
        table.push_back({rt::Kind::Button, row.chooserButton, row.chooserCaption,
                         rt::twipsRect(row.chooserLeft, row.chooserTop, 1215, 495), PlainFont,
                         i < FamiliesBeforeCustom ? i + 1 : i + 2, &ButtonLook});
    }
    table.push_back({rt::Kind::Button, "cmdCustom", "Custom", rt::twipsRect(5160, 3720, 1215, 495),
                     PlainFont, FamiliesBeforeCustom + 1, &ButtonLook});
    return table;
}

} // namespace

FrmType::FrmType(Kervadin &program, QWidget *parent)
    : Window(program, QStringLiteral("frmType"), QStringLiteral("Thread Type"), {7920, 5475},
             controls(), parent)
{
    // The heading's yellow band.
    addShape(ShapeKind::RoundedRectangle, {1800, 525, 4215, 495}, Yellow);

    for (int i = 0; i < FamilyCount; ++i) {
        const Family family = static_cast<Family>(i);
        connect(control<QPushButton>(QLatin1String(familyWindow(family).chooserButton)),
                &QPushButton::clicked, this,
                [this, family] { rt::guarded([&] { openFamily(family); }); });
    }
    rt::onClick(control<QPushButton>(QStringLiteral("cmdCustom")), this, &FrmType::openCustom);
    control(QLatin1String(familyWindow(Family::BSF).chooserButton))->setFocus();
}

void FrmType::openFamily(Family family)
{
    m_program.showSizes(family);
}

void FrmType::openCustom()
{
    m_program.showCustom();
}

} // namespace kervadin
