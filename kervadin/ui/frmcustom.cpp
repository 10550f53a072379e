#include "kervadin/ui/frmcustom.h"

#include "kervadin/core/state.h"
#include "kervadin/ui/kervadin.h"
#include "kervadin/ui/look.h"
#include "runtime/controls.h"
#include "runtime/messages.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kervadin {
namespace {

const rt::Look CaptionLook{QColor(), QColor(), Qt::AlignLeft | Qt::AlignTop};
const rt::Look WrappedCaptionLook{QColor(), QColor(), Qt::AlignLeft | Qt::AlignTop,
                                  rt::LookFlag::WordWrap};

// The frames beneath the two boxes and the band behind the title; the two
// boxes, each named for assistive technology by the caption beside it; the
// two angle options, one group of which neither is chosen at first; the
// captions and the title; APPLY and BACK. The keyboard goes from the
// diameter to the pitch, the angles, APPLY and BACK; then to what was added
// since: the lead screws' angles below the first two, in their group, and
// the unit beside the diameter, a group of its own of which neither is
// chosen at first (the unit then follows from the diameter).
std::vector<rt::Control> controls()
{
    using K = rt::Kind;
    return {
        {K::Frame, "Shape1", {}, rt::twipsRect(3960, 3480, 1215, 495), PlainFont, 0, &FrameLook},
        {K::Frame, "Shape2", {}, rt::twipsRect(3960, 2520, 1215, 495), PlainFont, 0, &FrameLook},
        {K::Frame, "Shape3", {}, rt::twipsRect(2520, 600, 2895, 495), PlainFont, 0, &FrameLook},
        {K::TextBox, "txtCustdia", {}, rt::twipsRect(4120, 2640, 900, 250), PlainFont, 1, &BoxLook,
         "Diameter"},
        {K::TextBox, "txtCustpitch", {}, rt::twipsRect(4120, 3600, 900, 250), PlainFont, 2,
         &BoxLook, "Pitch or T.P.I."},
        {K::Option, "opt55", "55 deg. Angle.", rt::twipsRect(1800, 1560, 1815, 495), PlainFont, 3},
        {K::Option, "opt60", "60 deg. Angle.", rt::twipsRect(4680, 1560, 1815, 495), PlainFont, 4},
        {K::Label, "lblCustdia", "Diameter", rt::twipsRect(2640, 2640, 1215, 495), PlainFont, 0,
         &CaptionLook},
        {K::Label, "lblCustpitch", "Pitch or T.P.I.", rt::twipsRect(2760, 3480, 855, 495),
         PlainFont, 0, &WrappedCaptionLook},
        {K::Label, "Label1", "Enter thread details.", rt::twipsRect(2760, 680, 2535, 255),
         ValueFont, 0, &CentredLook},
        {K::Button, "cmdAppcust", "APPLY", rt::twipsRect(4920, 4680, 1215, 495), PlainFont, 5,
         &ButtonLook},
        {K::Button, "cmdBackcust", "BACK", rt::twipsRect(1920, 4680, 1215, 495), PlainFont, 6,
         &ButtonLook},
        {K::Option, "opt29", "29 deg. Acme", rt::twipsRect(1800, 2040, 1815, 375), PlainFont, 7},
        {K::Option, "opt30", "30 deg. Trapezoidal", rt::twipsRect(4680, 2040, 2535, 375),
         PlainFont, 8},
        {K::Option, "optInch", "Inches", rt::twipsRect(5520, 2520, 1695, 375), PlainFont, 9},
        {K::Option, "optMM", "Millimeters", rt::twipsRect(5520, 2880, 1695, 375), PlainFont, 10},
    };
}

} // namespace

FrmCustom::FrmCustom(Kervadin &program, QWidget *parent)
    : Window(program, QStringLiteral("frmCustom"), QStringLiteral("Custom"), {7920, 5475},
             controls(), parent)
{
    control(QStringLiteral("txtCustdia"))->setFocus();
    // The angles are one choice and the unit another.
    for (const auto &group : {std::initializer_list<const char *>{"opt55", "opt60", "opt29", "opt30"},
                              std::initializer_list<const char *>{"optInch", "optMM"}}) {
        auto *buttons = new QButtonGroup(this);
        for (const char *name : group)
            buttons->addButton(control<QRadioButton>(QLatin1String(name)));
    }
    rt::onClick(control<QPushButton>(QStringLiteral("cmdAppcust")), this, &FrmCustom::apply);
    rt::onClick(control<QPushButton>(QStringLiteral("cmdBackcust")), this, &FrmCustom::back);
}

CustomAngle FrmCustom::angle() const
{
    const std::pair<const char *, CustomAngle> options[] = {
        {"opt55", CustomAngle::Deg55}, {"opt60", CustomAngle::Deg60},
        {"opt29", CustomAngle::Deg29}, {"opt30", CustomAngle::Deg30}};
    for (const auto &[name, angle] : options) {
        if (control<QRadioButton>(QLatin1String(name))->isChecked())
            return angle;
    }
    return CustomAngle::None;
}

CustomUnit FrmCustom::unit() const
{
    return control<QRadioButton>(QStringLiteral("optInch"))->isChecked() ? CustomUnit::Inch
        : control<QRadioButton>(QStringLiteral("optMM"))->isChecked()     ? CustomUnit::Millimetre
                                                                          : CustomUnit::None;
}

void FrmCustom::apply()
{
    const CustomThread entries =
        customThread(control<QLineEdit>(QStringLiteral("txtCustdia"))->text().toStdString(),
                     control<QLineEdit>(QStringLiteral("txtCustpitch"))->text().toStdString(),
                     angle(), unit());
    if (entries.refusal.refuses()) {
        rt::refuse(this, entries.refusal);
        return;
    }
    // Worked out in full before the state changes: a fault changes nothing.
    m_program.applyThread(Thread::custom(entries));
}

void FrmCustom::back()
{
    hideForm();
    m_program.showChooser();
}

} // namespace kervadin
