#include "kervadin/ui/frmcustom.h"

#include "kervadin/ui/frmkervadin3.h"
#include "kervadin/ui/frmtype.h"
#include "kervadin/ui/kervadin.h"
#include "kervadin/ui/look.h"
#include "kervadin/core/threadrules.h"
#include "runtime/messages.h"
#include "runtime/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kervadin {
FrmCustom::FrmCustom(Kervadin &program, QWidget *parent)
    : rt::Form(QStringLiteral("frmCustom"), QStringLiteral("Custom"), 7920, 5475, Background,
               parent),
      m_program(program)
{
    const QFont plain = rt::formFont(rt::Face::Window, 9.75);

    // Frames beneath the two boxes and the band behind the title.
    addShape(ShapeKind::RoundedRectangle, {3960, 3480, 1215, 495}, Yellow, Qt::black); // Shape1
    addShape(ShapeKind::RoundedRectangle, {3960, 2520, 1215, 495}, Yellow, Qt::black); // Shape2
    addShape(ShapeKind::RoundedRectangle, {2520, 600, 2895, 495}, Yellow, Qt::black);  // Shape3

    auto textBox = [&](const char *name, int left, int top) {
        QLineEdit *box = addTextBox(QLatin1String(name), rt::twipsRect(left, top, 900, 250), plain);
        box->setFrame(false);
        rt::setColours(box, Yellow);
        return box;
    };
    txtCustdia = textBox("txtCustdia", 4120, 2640);
    txtCustpitch = textBox("txtCustpitch", 4120, 3600);
    // Each box is named, for assistive technology, by the caption beside it.
    txtCustdia->setAccessibleName(QStringLiteral("Diameter"));
    txtCustpitch->setAccessibleName(QStringLiteral("Pitch or T.P.I."));

    // Both options share this window as parent, so they form one group:
    // selecting one clears the other. Neither is selected at first.
    auto option = [&](const char *name, const char *caption, int left) {
        return addOption(QLatin1String(name), QString::fromUtf8(caption),
                         rt::twipsRect(left, 1560, 1815, 495), plain);
    };
    opt55 = option("opt55", "55 deg. Angle.", 1800);
    opt60 = option("opt60", "60 deg. Angle.", 4680);

    lblCustdia = addLabel(QStringLiteral("lblCustdia"), QStringLiteral("Diameter"),
                          rt::twipsRect(2640, 2640, 1215, 495), plain);
    lblCustdia->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblCustpitch = addLabel(QStringLiteral("lblCustpitch"), QStringLiteral("Pitch or T.P.I."),
                            rt::twipsRect(2760, 3480, 855, 495), plain);
    lblCustpitch->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblCustpitch->setWordWrap(true);
    Label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("Enter thread details."),
                      rt::twipsRect(2760, 680, 2535, 255),
                      rt::formFont(rt::Face::Window, 12));
    Label1->setAlignment(Qt::AlignCenter);

    auto button = [&](const char *name, const char *caption, int left) {
        QPushButton *b = addButton(QLatin1String(name), QLatin1String(caption),
                                   rt::twipsRect(left, 4680, 1215, 495), plain);
        rt::setColours(b, ButtonFace);
        return b;
    };
    cmdAppcust = button("cmdAppcust", "APPLY", 4920);
    cmdBackcust = button("cmdBackcust", "BACK", 1920);

    setTabOrder(txtCustdia, txtCustpitch);
    setTabOrder(txtCustpitch, opt55);
    setTabOrder(opt55, opt60);
    setTabOrder(opt60, cmdAppcust);
    setTabOrder(cmdAppcust, cmdBackcust);
    txtCustdia->setFocus();

    rt::onClick(cmdAppcust, this, &FrmCustom::cmdAppcust_Click);
    rt::onClick(cmdBackcust, this, &FrmCustom::cmdBackcust_Click);
}

void FrmCustom::cmdAppcust_Click()
{
    const CustomAngle angle = opt55->isChecked() ? CustomAngle::Deg55
        : opt60->isChecked()                     ? CustomAngle::Deg60
                                                 : CustomAngle::None;
    const std::string diameterText = txtCustdia->text().toStdString();
    const CustomThread thread =
        customThread(diameterText, txtCustpitch->text().toStdString(), angle);
    switch (thread.refusal) {
    case CustomRefusal::NoDiameter:
        rt::ShowMessage(QStringLiteral("A diameter has not been entered.\n"
                                       "Please enter thread diameter and try again."),
                        rt::Exclamation, QStringLiteral("no Diameter"));
        return;
    case CustomRefusal::NoPitch:
        rt::ShowMessage(QStringLiteral("A pitch or TPI has not been entered.\n"
                                       "Please enter thread pitch or TPI and try Again."),
                        rt::Exclamation, QStringLiteral("no Pitch"));
        return;
    case CustomRefusal::NoAngle:
        rt::ShowMessage(QStringLiteral("A thread angle has not been entered.\n"
                                       "Please enter a thread angle and try Again."),
                        rt::Exclamation, QStringLiteral("no Angle"));
        return;
    case CustomRefusal::None:
        break;
    }
    m_program.frmKervadin3()->showRecord(customRecord(thread, diameterText));
}

void FrmCustom::cmdBackcust_Click()
{
    hideForm();
    m_program.frmType()->showForm();
}

} // namespace kervadin
