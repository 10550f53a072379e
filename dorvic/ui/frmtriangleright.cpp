#include "dorvic/ui/frmtriangleright.h"

#include "runtime/controls.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <array>

namespace dorvic {
namespace {

const QColor Background(150, 200, 255);
const QColor DarkBlue(0, 0, 192);
const QColor Blue(0, 0, 255);
const QColor Yellow(255, 255, 0);
const QColor LightGreen(192, 255, 192);
const QColor LightYellow(255, 255, 128);
const QColor PaleYellow(252, 254, 188);

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

bool given(const QLineEdit *box)
{
    return !box->text().isEmpty();
}

double valueOf(const QLineEdit *box)
{
    return rt::ReadNumber(box->text().toStdString());
}

} // namespace

FrmTriangleRight::FrmTriangleRight(QWidget *parent)
    : rt::Form(QStringLiteral("frmTriangleRight"), QStringLiteral("Triangle Right"), 11880, 7215,
               Background, parent)
{
    const QFont font = rt::formFont(rt::Face::Triangle, 9.75);
    const auto centred = Qt::AlignHCenter | Qt::AlignTop;

    // Made first so that everything else lies over it.
    auto *picture = new TrianglePicture(this);
    picture->setObjectName(QStringLiteral("imgTriangleRight"));
    picture->setGeometry(rt::px(3540), rt::px(1440), rt::px(5760), rt::px(5760));
    picture->setAccessibleName(QStringLiteral("Right triangle"));
    picture->setAccessibleDescription(
        QStringLiteral("The right angle is at the lower left, angle C at the top and angle B at "
                       "the lower right. Side a is the hypotenuse, side b the upright leg "
                       "opposite B, side c the bottom leg opposite C."));

    QLabel *title = addLabel(QStringLiteral("lblTriangleRight"), QStringLiteral(" Right Triangle"),
                             rt::twipsRect(630, 630, 3375, 540),
                             rt::formFont(rt::Face::Triangle, 21.75,
                                          rt::Italic | rt::Underline));
    title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rt::setColours(title, QColor(), DarkBlue);

    QLabel *right90 = addLabel(QStringLiteral("lblRight90"), QStringLiteral("90°"),
                               rt::twipsRect(3705, 5475, 360, 285), font);
    right90->setAlignment(centred);
    right90->setFrameStyle(QFrame::Box | QFrame::Plain);
    rt::setColours(right90, LightGreen);

    struct Letter {
        const char *name;
        const char *text;
        QRect twips;
        QColor colour;
    };
    const Letter letters[] = {
        {"lblRightSidea", "a", rt::twipsRect(6210, 3825, 240, 210), Blue},
        {"lblRightSideb", "b", rt::twipsRect(3270, 4140, 255, 240), Blue},
        {"lblRightSidec", "c", rt::twipsRect(6105, 5775, 225, 225), Blue},
        {"lblRightAngleB", "B", rt::twipsRect(8625, 5250, 270, 210), QColor()},
        {"lblRightAngleC", "C", rt::twipsRect(3735, 2370, 285, 240), QColor()},
    };
    for (const Letter &l : letters) {
        QLabel *label = addLabel(QLatin1String(l.name), QLatin1String(l.text), l.twips, font);
        label->setAlignment(centred);
        rt::setColours(label, QColor(), l.colour);
    }

    QLabel *areaCaption = addLabel(QStringLiteral("lblRightArea"), QStringLiteral("Area"),
                                   rt::twipsRect(1275, 3840, 765, 285), font);
    areaCaption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rt::setColours(areaCaption, QColor(), DarkBlue);

    QLabel *header = addLabel(QStringLiteral("lblRightHeader"), QStringLiteral("Intructions"),
                              rt::twipsRect(7425, 375, 3075, 465),
                              rt::formFont(rt::Face::Triangle, 18,
                                           rt::Bold | rt::Italic | rt::Underline));
    header->setAlignment(centred);
    rt::setColours(header, QColor(), DarkBlue);

    QLabel *frame = addLabel(QStringLiteral("lblRightInstructOut"), QString(),
                             rt::twipsRect(7515, 825, 2910, 1590), font);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setAccessibleName(QStringLiteral("Instructions"));
    rt::setColours(frame, PaleYellow);

    QLabel *instructions = addLabel(
        QStringLiteral("lblRightInstructIn"),
        QStringLiteral("      Enter one angle and the length of one side, or the length of two "
                       "sides, in the appropriate boxes and press 'Calculate'."),
        rt::twipsRect(7725, 1020, 2550, 1230), font);
    instructions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    instructions->setWordWrap(true);

    // The boxes are set in 9 pt (12 pixels) rather than the window's 9.75:
    // at 9.75 the faces we have need more room than the boxes leave
    // for results as wide as their patterns make them ("36.87" in an angle
    // box, "123.456" in a side box, "123456.789" in the area box).
    const QFont boxFont = rt::formFont(rt::Face::Triangle, 9);
    // Each box is named, for assistive technology, by the letter or caption
    // beside it.
    auto textBox = [&](const char *name, const char *spoken, const QRect &twips,
                       const QColor &colour) {
        QLineEdit *box = addTextBox(QLatin1String(name), twips, boxFont);
        box->setAccessibleName(QLatin1String(spoken));
        box->setAlignment(Qt::AlignCenter);
        rt::setColours(box, colour);
        return box;
    };
    txtRightSidea = textBox("txtRightSidea", "Side a", rt::twipsRect(5970, 4050, 765, 315), Yellow);
    txtRightSideb = textBox("txtRightSideb", "Side b", rt::twipsRect(3465, 4110, 765, 315), Yellow);
    txtRightSidec = textBox("txtRightSidec", "Side c", rt::twipsRect(5835, 5505, 765, 315), Yellow);
    txtRightAngleB = textBox("txtRightAngleB", "Angle B", rt::twipsRect(8475, 5475, 540, 315),
                             LightGreen);
    txtRightAngleC = textBox("txtRightAngleC", "Angle C", rt::twipsRect(3615, 2610, 540, 315),
                             LightGreen);
    txtRightArea = textBox("txtRightArea", "Area", rt::twipsRect(1275, 4110, 1035, 315),
                           LightYellow);
    // A solved value shows, as its tooltip, the relation it came from, until
    // the user types in its box.
    for (QLineEdit *box : {txtRightSidea, txtRightSideb, txtRightSidec, txtRightAngleB,
                           txtRightAngleC, txtRightArea})
        connect(box, &QLineEdit::textEdited, box, [box] { box->setToolTip(QString()); });

    cmdRightCalculate = addButton(QStringLiteral("cmdRightCalculate"), QStringLiteral("Calculate"),
                                  rt::twipsRect(9240, 2760, 1215, 495), font);
    CmdClear = addButton(QStringLiteral("CmdClear"), QStringLiteral("Clear"),
                         rt::twipsRect(9240, 3600, 1215, 495), font);
    CmdClose = addButton(QStringLiteral("CmdClose"), QStringLiteral("Close"),
                         rt::twipsRect(9240, 4440, 1215, 495), font);
    rt::onClick(cmdRightCalculate, this, &FrmTriangleRight::cmdRightCalculate_Click);
    rt::onClick(CmdClear, this, &FrmTriangleRight::cmdClear_Click);
    rt::onClick(CmdClose, this, &FrmTriangleRight::CmdClose_Click);

    QWidget *const keyboardOrder[] = {txtRightSidea, txtRightSideb, txtRightSidec,
                                      txtRightAngleB, txtRightAngleC, cmdRightCalculate,
                                      txtRightArea, CmdClear, CmdClose};
    for (size_t i = 1; i < std::size(keyboardOrder); ++i)
        setTabOrder(keyboardOrder[i - 1], keyboardOrder[i]);
    txtRightSidea->setFocus();
}

QLineEdit *FrmTriangleRight::box(Box which) const
{
    const std::array<QLineEdit *, 5> boxes{txtRightSidea, txtRightSideb, txtRightSidec,
                                           txtRightAngleB, txtRightAngleC};
    return boxes[static_cast<size_t>(which)];
}

void FrmTriangleRight::cmdRightCalculate_Click()
{
    m_solution = {};
    if (given(txtRightSidea))
        EnterRightSidea(valueOf(txtRightSidea));
    else if (given(txtRightSideb))
        EnterRightSideb(valueOf(txtRightSideb));
    else if (given(txtRightSidec))
        EnterRightSidec(valueOf(txtRightSidec));
    else if (given(txtRightAngleB))
        EnterRightAngleB(valueOf(txtRightAngleB));
    else if (given(txtRightAngleC))
        EnterRightAngleC(valueOf(txtRightAngleC));
    else
        RightNodata();

    // The area from the legs as they will be shown; also after a message,
    // when the legs may still hold an earlier result. Nothing is written
    // before everything has been worked out.
    auto shown = [this](Box which) {
        for (const Written &w : m_solution.written) {
            if (w.box == which)
                return w.text;
        }
        return box(which)->text().toStdString();
    };
    const std::string area = areaText(rt::ReadNumber(shown(Box::SideC)),
                                      rt::ReadNumber(shown(Box::SideB)));
    for (const Written &w : m_solution.written) {
        box(w.box)->setText(QString::fromStdString(w.text));
        box(w.box)->setToolTip(QString::fromStdString(w.relation));
    }
    txtRightArea->setText(QString::fromStdString(area));
    txtRightArea->setToolTip(QString::fromUtf8(AreaRelation));
}

void FrmTriangleRight::EnterRightSidea(double a)
{
    if (given(txtRightSideb))
        EnterRightSideaSideb(a, valueOf(txtRightSideb));
    else if (given(txtRightSidec))
        EnterRightSideaSidec(a, valueOf(txtRightSidec));
    else if (given(txtRightAngleB))
        EnterRightSideaAngleB(a, valueOf(txtRightAngleB));
    else if (given(txtRightAngleC))
        EnterRightSideaAngleC(a, valueOf(txtRightAngleC));
    else
        RightNodata();
}

void FrmTriangleRight::EnterRightSideb(double b)
{
    if (given(txtRightSidec))
        EnterRightSidebSidec(b, valueOf(txtRightSidec));
    else if (given(txtRightAngleB))
        EnterRightSidebAngleB(b, valueOf(txtRightAngleB));
    else if (given(txtRightAngleC))
        EnterRightSidebAngleC(b, valueOf(txtRightAngleC));
    else
        RightNodata();
}

void FrmTriangleRight::EnterRightSidec(double c)
{
    if (given(txtRightAngleB))
        EnterRightSidecAngleB(c, valueOf(txtRightAngleB));
    else if (given(txtRightAngleC))
        EnterRightSidecAngleC(c, valueOf(txtRightAngleC));
    else
        RightNodata();
}

// Reached only when no side is given, so an angle alone can solve nothing;
// the angle's value is not needed.
void FrmTriangleRight::EnterRightAngleB(double)
{
    if (given(txtRightAngleC))
        RightTwoAngles();
    else
        RightNodata();
}

void FrmTriangleRight::EnterRightAngleC(double)
{
    RightNodata();
}

void FrmTriangleRight::RightNodata()
{
    rt::ShowMessage(QStringLiteral("Not enough data has been entered. "
                                   "Please enter data as instructions."),
                    rt::Question, QStringLiteral("No Data"));
}

void FrmTriangleRight::RightTwoAngles()
{
    rt::ShowMessage(QStringLiteral("Invalid data. Two angles are not allowed. "
                                   "Please enter data as instructions."),
                    rt::Question, QStringLiteral("Invalid Entry"));
}

void FrmTriangleRight::solveWith(Solver solver, double first, double second)
{
    m_solution = solve(solver, first, second);
    if (!m_solution.refusal.empty())
        rt::ShowMessage(QString::fromStdString(m_solution.refusal), rt::Question,
                        QStringLiteral("Invalid Entry"));
}

void FrmTriangleRight::EnterRightSideaSideb(double a, double b)
{
    solveWith(Solver::SideaSideb, a, b);
}

void FrmTriangleRight::EnterRightSideaSidec(double a, double c)
{
    solveWith(Solver::SideaSidec, a, c);
}

void FrmTriangleRight::EnterRightSidebSidec(double b, double c)
{
    solveWith(Solver::SidebSidec, b, c);
}

void FrmTriangleRight::EnterRightSideaAngleB(double a, double angleB)
{
    solveWith(Solver::SideaAngleB, a, angleB);
}

void FrmTriangleRight::EnterRightSideaAngleC(double a, double angleC)
{
    solveWith(Solver::SideaAngleC, a, angleC);
}

void FrmTriangleRight::EnterRightSidebAngleB(double b, double angleB)
{
    solveWith(Solver::SidebAngleB, b, angleB);
}

void FrmTriangleRight::EnterRightSidebAngleC(double b, double angleC)
{
    solveWith(Solver::SidebAngleC, b, angleC);
}

void FrmTriangleRight::EnterRightSidecAngleB(double c, double angleB)
{
    solveWith(Solver::SidecAngleB, c, angleB);
}

void FrmTriangleRight::EnterRightSidecAngleC(double c, double angleC)
{
    solveWith(Solver::SidecAngleC, c, angleC);
}

void FrmTriangleRight::cmdClear_Click()
{
    for (QLineEdit *b : {txtRightSidea, txtRightSideb, txtRightSidec, txtRightAngleB,
                         txtRightAngleC, txtRightArea}) {
        b->clear();
        b->setToolTip(QString());
    }
}

void FrmTriangleRight::CmdClose_Click()
{
    rt::endProgram();
}

void FrmTriangleRight::closeEvent(QCloseEvent *event)
{
    event->accept();
    rt::endProgram();
}

} // namespace dorvic
