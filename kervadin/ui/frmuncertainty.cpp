#include "kervadin/ui/frmuncertainty.h"

#include "kervadin/ui/kervadin.h"
#include "kervadin/ui/look.h"
#include "runtime/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kervadin {
namespace {

// Each box in the window's order: its name, the caption beside it (which
// assistive technology speaks), and the field a refusal names.
struct InputBox {
    const char *name;
    const char *caption;
    CheckField field;
};
const InputBox Boxes[] = {
    {"txtUmic", "Micrometer's largest error", CheckField::Micrometer},
    {"txtUwire", "Wires' certificate U (k = 2)", CheckField::Wires},
    {"txtUrep", "Repeatability of one reading", CheckField::Repeatability},
    {"txtUpitch", "Pitch error, ±", CheckField::PitchError},
    {"txtUangle", "Half-angle error, ± minutes", CheckField::HalfAngleError},
    {"txtUtemp", "Temperature difference, ± °C", CheckField::Temperature},
    {"txtU", "Or the laboratory's U (k = 2)", CheckField::Expanded},
};

const rt::Look CaptionLook{QColor(), QColor(), Qt::AlignLeft | Qt::AlignVCenter};
const rt::Look BudgetLook{Yellow, QColor(), Qt::AlignLeft | Qt::AlignTop, rt::LookFlag::WordWrap};

// The boxes one under another, each with its caption to its left; the
// budget beneath them, then BACK.
std::vector<rt::Control> controls()
{
    using K = rt::Kind;
    std::vector<rt::Control> table{
        {K::Label, "lblUnits", {}, rt::twipsRect(360, 120, 8280, 255), PlainFont, 0, &CaptionLook},
    };
    int top = 480;
    int tab = 0;
    for (const InputBox &box : Boxes) {
        const QString caption = QString::fromUtf8(box.caption);
        table.push_back({K::Label, QStringLiteral("lblCap") + QLatin1String(box.name + 3), caption,
                         rt::twipsRect(360, top + 120, 3960, 255), PlainFont, 0, &CaptionLook});
        table.push_back({K::Frame, QStringLiteral("shp") + QLatin1String(box.name + 3), {},
                         rt::twipsRect(4440, top, 1920, 495), PlainFont, 0, &FrameLook});
        table.push_back({K::TextBox, QLatin1String(box.name), {},
                         rt::twipsRect(4560, top + 120, 1680, 255), ValueFont, ++tab,
                         &EntryBoxLook, caption});
        top += 600;
    }
    const std::vector<rt::Control> rest{
        {K::Label, "lblCapBudget", "Budget of the Pitch Diameter",
         rt::twipsRect(360, 4800, 4000, 200), CaptionFont},
        {K::Frame, "shpBudget", {}, rt::twipsRect(360, 5040, 8280, 2400), PlainFont, 0, &FrameLook},
        {K::Value, "lblU", {}, rt::twipsRect(480, 5160, 8040, 2160), PlainFont, 0, &BudgetLook,
         "Budget of the Pitch Diameter"},
        {K::Button, "cmdBackU", "BACK", rt::twipsRect(3772, 7680, 1455, 495), PlainFont, ++tab,
         &ButtonLook},
    };
    table.insert(table.end(), rest.begin(), rest.end());
    return table;
}

} // namespace

FrmUncertainty::FrmUncertainty(Kervadin &program, QWidget *parent)
    : Window(program, QStringLiteral("frmUncertainty"), QStringLiteral("Uncertainty of the Pitch Diameter"),
             {9000, 8400}, controls(), parent),
      txtU(need<QLineEdit>(QStringLiteral("txtU"))),
      lblU(need<QLabel>(QStringLiteral("lblU"))),
      lblUnits(need<QLabel>(QStringLiteral("lblUnits"))),
      cmdBackU(need<QPushButton>(QStringLiteral("cmdBackU")))
{
    for (int i = 0; i < UncertaintyInputCount; ++i)
        m_inputs[static_cast<std::size_t>(i)] = need<QLineEdit>(QLatin1String(Boxes[i].name));
    for (const InputBox &b : Boxes) {
        connect(box(b.field), &QLineEdit::textEdited, this,
                [this] { m_program.uncertaintyEdited(); });
    }
    rt::onClick(cmdBackU, this, &FrmUncertainty::back);
}

void FrmUncertainty::open()
{
    showForm();
    m_inputs[0]->setFocus(Qt::OtherFocusReason);
}

UncertaintyEntry FrmUncertainty::entry() const
{
    UncertaintyEntry e;
    for (std::size_t i = 0; i < m_inputs.size(); ++i)
        e.inputs[i] = m_inputs[i]->text().toStdString();
    e.expanded = txtU->text().toStdString();
    return e;
}

void FrmUncertainty::showBudget(const std::string &budget, const std::string &unit)
{
    lblU->setText(qs(budget));
    lblUnits->setText(unit.empty() ? QString()
                                   : QStringLiteral("Lengths in %1, as the thread; the half-angle "
                                                    "in minutes, the temperature in °C.")
                                         .arg(qs(unit)));
}

QLineEdit *FrmUncertainty::box(CheckField field) const
{
    for (std::size_t i = 0; i < std::size(Boxes); ++i) {
        if (Boxes[i].field == field)
            return i < m_inputs.size() ? m_inputs[i] : txtU;
    }
    return nullptr;
}

void FrmUncertainty::back()
{
    hideForm();
}

} // namespace kervadin
