#include "kervadin/ui/frmkervadin3.h"

#include "kervadin/core/threadrules.h"
#include "kervadin/ui/kervadin.h"
#include "kervadin/ui/look.h"
#include "runtime/controls.h"
#include "runtime/messages.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>

namespace kervadin {
namespace {

// The fields stand on a grid of two columns of six rows, each on a frame of
// 2500 by 500 twips with its caption above the frame; a value sits 150 twips
// in from the frame's left and 125 down from its top.
enum Column { Left, Right };

QRect frameAt(Column column, int row)
{
    return rt::twipsRect(column == Left ? 750 : 8520, 1000 + 1500 * row, 2500, 500);
}

QRect captionAt(Column column, int row, int width)
{
    const QRect frame = frameAt(column, row);
    return rt::twipsRect(frame.left(), frame.top() - 250, width, 200);
}

QRect valueAt(Column column, int row)
{
    const QRect frame = frameAt(column, row);
    return rt::twipsRect(frame.left() + 150, frame.top() + 125, 2200, 255);
}

const rt::Look SelectLook{Yellow, QColor(), Qt::AlignCenter, rt::LookFlag::PointingHand};
const rt::Look UnitsLook{Yellow, QColor(), Qt::AlignCenter, rt::LookFlag::BoxFrame};
const rt::Look TitleLook{QColor(), QColor(0, 128, 0), Qt::AlignCenter};
// The longest caption of the window's buttons: no padding beside it, so it
// fits the width the button shares with Calculate and Exit.
const rt::Look CheckButtonLook{ButtonFace, QColor(), {}, rt::LookFlag::NoPadding};

// The fields of the grid, each a caption above a frame and what stands on
// the frame: a value the window shows (named, for assistive technology, by
// its caption), or, where `value` is null, the control the table gives.
struct GridField {
    Column column;
    int row;
    const char *captionName;
    const char *caption;
    int captionWidth;
    const char *frameName;
    const char *value;
};

constexpr GridField GridFields[] = {
    {Left, 0, "Label2", "Selected Thread", 1700, "Shape1", "lblSelected"},
    {Left, 1, "Label3", "Diameter", 1700, "Shape2", "lblDia"},
    {Left, 2, "Label4", "Depth of Thread", 1700, "Shape3", "lblDoT"},
    {Left, 3, "Label5", "Pitch", 1700, "Shape4", "lblPitch"},
    {Left, 4, "Label6", "Thread Angle", 1700, "Shape5", "lblTangle"},
    {Left, 5, "Label7", "Helix Angle", 1215, "Shape6", "lblHangle"},
    {Right, 0, "Label8", "Select a Thread", 1700, "Shape7", nullptr},
    {Right, 1, "Label9", "Dimension Over Wires", 2000, "Shape8", "lblOver"},
    {Right, 2, "Label10", "Actual Wire Size", 2000, "Shape12", nullptr},
    {Right, 3, "Label11", "Preferred Wire Size", 2000, "Shape9", "lblPref"},
    {Right, 4, "Label12", "Maximum Wire Size", 2000, "Shape10", "lblMax"},
    {Right, 5, "Label13", "Minimum Wire Size", 2000, "Shape11", "lblMin"},
};

// The controls of the grid's two fields that are not values: Click to
// Select, a little higher and wider than a value, and the wire-size box,
// the first in the keyboard order.
std::vector<rt::Control> gridControls()
{
    const rt::Control select{rt::Kind::ClickLabel, "CtS", "Click to Select",
                             rt::twipsRect(8670, 1080, 2205, 255), ValueFont, 0, &SelectLook};
    const rt::Control wire{rt::Kind::TextBox, "txtActual", {}, rt::twipsRect(8640, 4125, 2175, 255),
                           ValueFont, 1, &CentredBoxLook, "Actual Wire Size"};
    std::vector<rt::Control> table;
    for (const GridField &f : GridFields) {
        table.push_back({rt::Kind::Label, f.captionName, f.caption,
                         captionAt(f.column, f.row, f.captionWidth), CaptionFont});
        table.push_back({rt::Kind::Frame, f.frameName, {}, frameAt(f.column, f.row), PlainFont, 0,
                         &FrameLook});
        if (f.value)
            table.push_back({rt::Kind::Value, f.value, {}, valueAt(f.column, f.row), ValueFont, 0,
                             &FieldLook, f.caption});
        else
            table.push_back(f.row == 0 ? select : wire);
    }
    return table;
}

// Every control of the window. Only the wire-size box, Exit and Calculate
// take the focus, in that order.
std::vector<rt::Control> controls()
{
    using K = rt::Kind;
    std::vector<rt::Control> table = gridControls();
    const std::vector<rt::Control> rest{
        {K::Label, "Label15", "Kervadin", rt::twipsRect(4440, 240, 2895, 495),
         {rt::Face::Title, 27.75, rt::FontStyle::Regular}, 0, &TitleLook},
        {K::Label, "Label14", "Micrometer", rt::twipsRect(5400, 1290, 975, 200),
         {rt::Face::Window, 8.25, rt::FontStyle::Regular}, 0, &CentredLook},
        {K::Value, "lblMillinches", {}, rt::twipsRect(5040, 5400, 1695, 795), PlainFont, 0,
         &UnitsLook, "Units"},
        {K::Button, "cmdCalc", "Calculate", rt::twipsRect(5160, 6960, 1455, 495), PlainFont, 3,
         &ButtonLook},
        {K::Button, "cmdQuit", "Exit", rt::twipsRect(5160, 8280, 1455, 500), PlainFont, 2,
         &ButtonLook},
        {K::Button, "cmdCheck", "Check Reading", rt::twipsRect(5160, 9240, 1455, 495), PlainFont, 0,
         &CheckButtonLook},
    };
    table.insert(table.end(), rest.begin(), rest.end());
    return table;
}

// The thread record: each field with the text of the record it shows, and
// the formula its tooltip gives.
struct RecordField {
    const char *label;
    std::string ThreadRecord::*text;
    std::string ThreadRecord::*formula;
};

const RecordField RecordFields[] = {
    {"lblSelected", &ThreadRecord::name, nullptr},
    {"lblDia", &ThreadRecord::diameter, nullptr},
    {"lblDoT", &ThreadRecord::depth, nullptr},
    {"lblPitch", &ThreadRecord::pitch, nullptr},
    {"lblTangle", &ThreadRecord::angle, nullptr},
    {"lblHangle", &ThreadRecord::helix, nullptr},
    {"lblMax", &ThreadRecord::maximum, &ThreadRecord::maximumFormula},
    {"lblMin", &ThreadRecord::minimum, &ThreadRecord::minimumFormula},
    {"lblPref", &ThreadRecord::preferred, &ThreadRecord::preferredFormula},
};

// The unit of the thread's lengths as its field says it, a word a line.
std::string unitsCaption(Unit unit)
{
    return std::string("Dimensions\nin\n") + unitName(unit) + ".";
}

} // namespace

FrmKervadin3::FrmKervadin3(Kervadin &program, QWidget *parent)
    : Window(program, QStringLiteral("frmKervadin3"), QStringLiteral("Kervadin"), {11880, 9915},
             controls(), parent)
{
    drawPicture();
    m_wireBox = control<QLineEdit>(QStringLiteral("txtActual"));
    m_overWires = control<QLabel>(QStringLiteral("lblOver"));

    auto *select = control<rt::ClickLabel>(QStringLiteral("CtS"));
    // Select from the keyboard, leaving the tab order as it is.
    select->setShortcut(QKeySequence(Qt::ALT | Qt::Key_S));
    select->setToolTip(QStringLiteral("Choose a thread (Alt+S)"));
    auto *check = control<QPushButton>(QStringLiteral("cmdCheck"));
    // Reached by Alt+R, as Click to Select by Alt+S; the tab order stays as it is.
    check->setFocusPolicy(Qt::NoFocus);
    check->setShortcut(QKeySequence(Qt::ALT | Qt::Key_R));
    check->setToolTip(QStringLiteral("Check a measured reading against the limits (Alt+R)"));

    rt::onClick(control<QPushButton>(QStringLiteral("cmdCalc")), this, &FrmKervadin3::calculate);
    rt::onClick(control<QPushButton>(QStringLiteral("cmdQuit")), this, &FrmKervadin3::quit);
    rt::onClick(select, this, &FrmKervadin3::selectThread);
    rt::onClick(check, this, &FrmKervadin3::openCheck);
}

void FrmKervadin3::addPath(std::initializer_list<QPoint> corners, const QColor &colour)
{
    const QPoint *from = nullptr;
    for (const QPoint &to : corners) {
        if (from)
            addLine(from->x(), from->y(), to.x(), to.y(), colour);
        from = &to;
    }
}

void FrmKervadin3::drawPicture()
{
    // The micrometer's spindle and anvil.
    addShape(ShapeKind::Rectangle, {5400, 1140, 975, 495}, QColor(192, 192, 192), Qt::black);
    addShape(ShapeKind::Rectangle, {5400, 3905, 975, 495}, QColor(192, 192, 192), Qt::black);

    // The threaded part, from the side: upper and lower outlines half a
    // pitch apart, the helix between them, the ends closed.
    const int upper[][2] = {{5280, 2040}, {5400, 2040}, {5562, 1680}, {5682, 1680}, {5828, 2040},
                            {5948, 2040}, {6102, 1680}, {6222, 1680}, {6376, 2040}, {6496, 2040}};
    const int lower[][2] = {{5280, 3840}, {5400, 3840}, {5562, 3480}, {5682, 3480}, {5828, 3840},
                            {5948, 3840}, {6102, 3480}, {6222, 3480}, {6376, 3840}, {6496, 3840}};
    for (int i = 0; i + 1 < 10; ++i) {
        addLine(upper[i][0], upper[i][1], upper[i + 1][0], upper[i + 1][1]);
        addLine(lower[i][0], lower[i][1], lower[i + 1][0], lower[i + 1][1]);
    }
    addLine(5622, 1680, 5888, 3840);
    addLine(6162, 1680, 6436, 3840);
    addLine(5340, 2040, 5622, 3480);
    addLine(5888, 2040, 6162, 3480);
    addLine(5280, 2040, 5280, 3840);
    addLine(6496, 2040, 6496, 3840);

    // The three wires.
    const QColor red(255, 0, 0);
    addShape(ShapeKind::Circle, {5705, 1620, 400, 320}, red, red);
    addShape(ShapeKind::Circle, {5425, 3600, 405, 315}, red, red);
    addShape(ShapeKind::Circle, {5970, 3600, 405, 315}, red, red);

    // Leader lines to the fields they name, each through its corners.
    const QColor diameter(0, 128, 0), depth(255, 0, 255), pitch(0, 0, 255), angle(255, 255, 0),
        helix(0, 192, 0);
    addLine(3720, 1680, 5520, 1680, diameter);
    addLine(3720, 3840, 5190, 3840, diameter);
    addLine(3720, 1680, 3720, 3840, diameter);
    addLine(3720, 2760, 3240, 2760, diameter);
    addPath({{5190, 2040}, {4440, 2040}, {4440, 4260}, {3240, 4260}}, depth);
    addPath({{5340, 3840}, {5340, 4680}}, pitch);
    addPath({{5880, 3840}, {5880, 4680}, {3720, 4680}}, pitch);
    addLine(3720, 4680, 3720, 5760);
    addLine(3720, 5760, 3240, 5760, pitch);
    addPath({{5430, 1860}, {4080, 1860}, {4080, 7260}, {3240, 7260}}, angle);
    addPath({{5400, 3000}, {4800, 3000}, {4800, 8760}, {3240, 8760}}, helix);
    addLine(6420, 1635, 6840, 1635);
    addLine(6420, 3905, 6840, 3905);
    addLine(6840, 1635, 6840, 3905);
    addLine(6840, 2760, 8520, 2760);
    addPath({{6160, 3930}, {6160, 4680}, {8040, 4680}}, red);
    addLine(8040, 4260, 8040, 8760, red);
    for (int y : {4260, 5760, 7260, 8760})
        addLine(8040, y, 8520, y, red);
}

void FrmKervadin3::focusWireBox()
{
    rt::bringToFront(this);
    m_wireBox->setFocus(Qt::OtherFocusReason);
}

void FrmKervadin3::showThread()
{
    const std::optional<Thread> &thread = m_program.state().thread();
    const ThreadRecord record = thread ? thread->record() : ThreadRecord();
    for (const RecordField &field : RecordFields) {
        QLabel *label = control<QLabel>(QLatin1String(field.label));
        label->setText(qs(record.*field.text));
        if (field.formula)
            label->setToolTip(qs(record.*field.formula));
    }
    control<QLabel>(QStringLiteral("lblMillinches"))->setText(qs(unitsCaption(record.unit)));
    focusWireBox();
}

void FrmKervadin3::calculate()
{
    // The record as shown; the diameter's number for the working.
    const std::optional<Thread> &thread = m_program.state().thread();
    const ShownRecord record{shownText("lblDia"), shownText("lblPitch"), shownText("lblMin"),
                             shownText("lblMax"),
                             thread ? thread->record().diameterNumber : std::string()};
    const std::string wire = m_wireBox->text().toStdString();
    const Measurement m = measure(thread ? &thread->form() : nullptr, record, wire);
    if (m.refusal.refuses()) {
        rt::refuse(this, m.refusal);
        return;
    }
    if (!m.measured)
        return;
    m_overWires->setText(qs(m.overWires));
    m_overWires->setToolTip(qs(m.working));
    m_program.setCalculation({wire, m.wire, m.overWires});
}

std::string FrmKervadin3::shownText(const char *label) const
{
    return control<QLabel>(QLatin1String(label))->text().toStdString();
}

void FrmKervadin3::quit()
{
    rt::endProgram();
}

void FrmKervadin3::selectThread()
{
    m_wireBox->setText(QString());
    m_overWires->setText(QString());
    m_overWires->setToolTip(QString());
    m_program.clearCalculation();
    m_program.showChooser();
}

void FrmKervadin3::openCheck()
{
    m_program.openCheck();
}

void FrmKervadin3::closeEvent(QCloseEvent *event)
{
    // Closing the measurement window ends the program, so it never runs on
    // with only hidden windows.
    event->accept();
    rt::endProgram();
}

} // namespace kervadin
