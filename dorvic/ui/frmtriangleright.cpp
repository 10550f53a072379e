#include "dorvic/ui/frmtriangleright.h"

#include "dorvic/core/classify.h"
#include "dorvic/ui/dorvic.h"
#include "dorvic/ui/look.h"
#include "runtime/controls.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <array>

namespace dorvic {
namespace {

const QColor Blue(0, 0, 255);
const QColor PaleYellow(252, 254, 188);

const Qt::Alignment Centred = Qt::AlignHCenter | Qt::AlignTop;

const rt::Look DarkBlueHeading{QColor(), DarkBlue, Centred};
const rt::Look RightAngleMark{LightGreen, QColor(), Centred, rt::LookFlag::BoxFrame};
const rt::Look SideLetter{QColor(), Blue, Centred};
const rt::Look AngleLetter{QColor(), QColor(), Centred};
const rt::Look InstructionFrame{PaleYellow, QColor(), {}, rt::LookFlag::BoxFrame};
const rt::Look InstructionText{QColor(), QColor(), TopLeft, rt::LookFlag::WordWrap};
const rt::Look AreaBox{LightYellow, QColor(), Qt::AlignCenter};

const rt::Font HeadingFont{rt::Face::Triangle, 18,
                           rt::FontStyle::Bold | rt::FontStyle::Italic | rt::FontStyle::Underline};

// Every control but the drawing, in the order they lie one over the other;
// the number is the place in the keyboard order. Each box is named, for
// assistive technology, by the letter or caption beside it.
std::vector<rt::Control> controls()
{
    using rt::Kind;
    using rt::twipsRect;
    return {
        // Shown exactly so, leading blank included; not to be tidied.
        {Kind::Label, QStringLiteral("lblTriangleRight"), QStringLiteral(" Right Triangle"),
         twipsRect(630, 630, 3375, 540), TitleFont, 0, &DarkBlueCaption},
        {Kind::Label, QStringLiteral("lblRight90"), QStringLiteral("90°"),
         twipsRect(3705, 5475, 360, 285), WindowFont, 0, &RightAngleMark},
        {Kind::Label, QStringLiteral("lblRightSidea"), QStringLiteral("a"),
         twipsRect(6210, 3825, 240, 210), WindowFont, 0, &SideLetter},
        {Kind::Label, QStringLiteral("lblRightSideb"), QStringLiteral("b"),
         twipsRect(3270, 4140, 255, 240), WindowFont, 0, &SideLetter},
        {Kind::Label, QStringLiteral("lblRightSidec"), QStringLiteral("c"),
         twipsRect(6105, 5775, 225, 225), WindowFont, 0, &SideLetter},
        {Kind::Label, QStringLiteral("lblRightAngleB"), QStringLiteral("B"),
         twipsRect(8625, 5250, 270, 210), WindowFont, 0, &AngleLetter},
        {Kind::Label, QStringLiteral("lblRightAngleC"), QStringLiteral("C"),
         twipsRect(3735, 2370, 285, 240), WindowFont, 0, &AngleLetter},
        {Kind::Label, QStringLiteral("lblRightArea"), QStringLiteral("Area"),
         twipsRect(1275, 3840, 765, 285), WindowFont, 0, &DarkBlueCaption},
        // Shown exactly so, spelling included; not to be tidied.
        {Kind::Label, QStringLiteral("lblRightHeader"), QStringLiteral("Intructions"),
         twipsRect(7425, 375, 3075, 465), HeadingFont, 0, &DarkBlueHeading},
        {Kind::Label, QStringLiteral("lblRightInstructOut"), QString(),
         twipsRect(7515, 825, 2910, 1590), WindowFont, 0, &InstructionFrame,
         QStringLiteral("Instructions")},
        // Shown exactly so, six leading blanks included; not to be tidied.
        {Kind::Label, QStringLiteral("lblRightInstructIn"),
         QStringLiteral("      Enter one angle and the length of one side, or the length of two "
                        "sides, in the appropriate boxes and press 'Calculate'."),
         twipsRect(7725, 1020, 2550, 1230), WindowFont, 0, &InstructionText},
        {Kind::TextBox, QStringLiteral("txtRightSidea"), QString(),
         twipsRect(5970, 4050, 765, 315), BoxFont, 1, &SideBox, QStringLiteral("Side a")},
        {Kind::TextBox, QStringLiteral("txtRightSideb"), QString(),
         twipsRect(3465, 4110, 765, 315), BoxFont, 2, &SideBox, QStringLiteral("Side b")},
        {Kind::TextBox, QStringLiteral("txtRightSidec"), QString(),
         twipsRect(5835, 5505, 765, 315), BoxFont, 3, &SideBox, QStringLiteral("Side c")},
        {Kind::TextBox, QStringLiteral("txtRightAngleB"), QString(),
         twipsRect(8475, 5475, 540, 315), BoxFont, 4, &AngleBox, QStringLiteral("Angle B")},
        {Kind::TextBox, QStringLiteral("txtRightAngleC"), QString(),
         twipsRect(3615, 2610, 540, 315), BoxFont, 5, &AngleBox, QStringLiteral("Angle C")},
        {Kind::TextBox, QStringLiteral("txtRightArea"), QString(),
         twipsRect(1275, 4110, 1035, 315), BoxFont, 7, &AreaBox, QStringLiteral("Area")},
        {Kind::Button, QStringLiteral("cmdRightCalculate"), QStringLiteral("Calculate"),
         twipsRect(9240, 2760, 1215, 495), WindowFont, 6},
        {Kind::Button, QStringLiteral("CmdClear"), QStringLiteral("Clear"),
         twipsRect(9240, 3600, 1215, 495), WindowFont, 8},
        {Kind::Button, QStringLiteral("CmdClose"), QStringLiteral("Close"),
         twipsRect(9240, 4440, 1215, 495), WindowFont, 9},
        // Below Close, clear of the triangle; the last stop of the keyboard.
        {Kind::Button, QStringLiteral("cmdSineBar"), QStringLiteral("Sine Bar…"),
         twipsRect(9240, 5280, 1215, 495), WindowFont, 10},
    };
}

// The triangle drawing: a 4 x 4 inch picture in its own units (one to the
// twip, y downwards), scaled to whatever size the widget has.
class TrianglePicture : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        constexpr double Size = 5760;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(width() / Size, height() / Size);
        painter.setPen(Qt::NoPen);
        painter.fillRect(QRectF(0, 0, Size, Size), Background);
        const QPointF shadow[] = {{509, 1485}, {509, 4345}, {5451, 4336}};
        painter.setBrush(QColor(135, 135, 135));
        painter.drawPolygon(shadow, 3);
        const QPointF triangle[] = {{333, 1340}, {333, 4200}, {5274, 4192}};
        painter.setBrush(QColor(7, 203, 0));
        painter.drawPolygon(triangle, 3);
    }
};

std::string textOf(const QLineEdit *box)
{
    return box->text().toStdString();
}

} // namespace

FrmTriangleRight::FrmTriangleRight(Dorvic &program, QWidget *parent)
    : Window(program, QStringLiteral("frmTriangleRight"), QStringLiteral("Triangle Right"),
             {11880, 7215}, parent)
{
    // Made first so that everything else lies over it.
    auto *picture = new TrianglePicture(this);
    picture->setObjectName(QStringLiteral("imgTriangleRight"));
    picture->setGeometry(rt::px(3540), rt::px(1440), rt::px(5760), rt::px(5760));
    picture->setAccessibleName(QStringLiteral("Right triangle"));
    picture->setAccessibleDescription(
        QStringLiteral("The right angle is at the lower left, angle C at the top and angle B at "
                       "the lower right. Side a is the hypotenuse, side b the upright leg "
                       "opposite B, side c the bottom leg opposite C."));

    build(controls());

    sideABox = control<QLineEdit>(QStringLiteral("txtRightSidea"));
    sideBBox = control<QLineEdit>(QStringLiteral("txtRightSideb"));
    sideCBox = control<QLineEdit>(QStringLiteral("txtRightSidec"));
    angleBBox = control<QLineEdit>(QStringLiteral("txtRightAngleB"));
    angleCBox = control<QLineEdit>(QStringLiteral("txtRightAngleC"));
    areaBox = control<QLineEdit>(QStringLiteral("txtRightArea"));
    // A solved value shows, as its tooltip, the relation it came from, until
    // the user types in its box.
    for (QLineEdit *box : {sideABox, sideBBox, sideCBox, angleBBox, angleCBox, areaBox})
        connect(box, &QLineEdit::textEdited, this, &FrmTriangleRight::dropRelation);

    rt::onClick(control<QPushButton>(QStringLiteral("cmdRightCalculate")), this,
                &FrmTriangleRight::calculate);
    rt::onClick(control<QPushButton>(QStringLiteral("CmdClear")), this,
                &FrmTriangleRight::clearBoxes);
    rt::onClick(control<QPushButton>(QStringLiteral("CmdClose")), this,
                &FrmTriangleRight::closeProgram);
    rt::onClick(control<QPushButton>(QStringLiteral("cmdSineBar")), this,
                &FrmTriangleRight::openSineBar);
    sideABox->setFocus();
}

QLineEdit *FrmTriangleRight::triangleBox(Box which) const
{
    const std::array<QLineEdit *, 5> boxes{sideABox, sideBBox, sideCBox, angleBBox, angleCBox};
    return boxes[static_cast<size_t>(which)];
}

std::string FrmTriangleRight::shownAfter(const Solution &solution, Box which) const
{
    for (const Written &w : solution.written) {
        if (w.box == which)
            return w.text;
    }
    return textOf(triangleBox(which));
}

void FrmTriangleRight::calculate()
{
    const Case chosen = classify({textOf(sideABox), textOf(sideBBox), textOf(sideCBox),
                                  textOf(angleBBox), textOf(angleCBox)});
    Solution solution;
    if (chosen.solver)
        solution = solve(*chosen.solver, chosen.first, chosen.second);
    const rt::Refusal &refusal = chosen.solver ? solution.refusal : chosen.refusal;
    if (refusal.refuses())
        rt::refuse(this, refusal);

    // The area from the legs as they will be shown; also after a refusal,
    // when the legs may still hold an earlier result. Nothing is written
    // before everything has been worked out.
    const std::string area = areaText(rt::ReadNumber(shownAfter(solution, Box::SideC)),
                                      rt::ReadNumber(shownAfter(solution, Box::SideB)));
    for (const Written &w : solution.written) {
        triangleBox(w.box)->setText(QString::fromStdString(w.text));
        triangleBox(w.box)->setToolTip(QString::fromStdString(w.relation));
    }
    areaBox->setText(QString::fromStdString(area));
    areaBox->setToolTip(QString::fromUtf8(AreaRelation));
    m_program.recordCase(chosen);
}

void FrmTriangleRight::clearBoxes()
{
    for (QLineEdit *box : {sideABox, sideBBox, sideCBox, angleBBox, angleCBox, areaBox}) {
        box->clear();
        box->setToolTip(QString());
    }
}

void FrmTriangleRight::closeProgram()
{
    rt::endProgram();
}

void FrmTriangleRight::openSineBar()
{
    m_program.showSineBar();
}

void FrmTriangleRight::dropRelation()
{
    if (auto *box = qobject_cast<QLineEdit *>(sender()))
        box->setToolTip(QString());
}

void FrmTriangleRight::closeEvent(QCloseEvent *event)
{
    event->accept();
    rt::endProgram();
}

} // namespace dorvic
