#include "kervadin/ui/frmkervadin3.h"

#include "kervadin/ui/frmcheck.h"
#include "kervadin/ui/frmtype.h"
#include "kervadin/ui/kervadin.h"
#include "kervadin/ui/look.h"
#include "runtime/messages.h"
#include "runtime/controls.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>

namespace kervadin {
namespace {

std::string text(const QLabel *label)
{
    return label->text().toStdString();
}

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

FrmKervadin3::FrmKervadin3(Kervadin &program, QWidget *parent)
    : rt::Form(QStringLiteral("frmKervadin3"), QStringLiteral("Kervadin"), 11880, 9915, Background,
               parent),
      m_program(program)
{
    const QFont caption = rt::formFont(rt::Face::Window, 8.25);
    const QFont value = rt::formFont(rt::Face::Window, 12);
    const QFont plain = rt::formFont(rt::Face::Window, 9.75);

    // Frames beneath the value fields.
    const QRect frames[] = {
        {750, 1000, 2500, 500},  {750, 2500, 2505, 495},  {750, 4000, 2500, 500},
        {750, 5500, 2500, 500},  {750, 7000, 2500, 500},  {750, 8500, 2500, 500},
        {8520, 1000, 2505, 495}, {8520, 2500, 2500, 500}, {8520, 5500, 2505, 495},
        {8520, 7000, 2500, 500}, {8520, 8500, 2500, 495}, {8520, 4000, 2500, 500},
    };
    for (const QRect &r : frames)
        addShape(ShapeKind::RoundedRectangle, r, Yellow, Qt::black);
    drawPicture();

    auto captionLabel = [&](const char *name, const char *text, int l, int t, int w, int h) {
        addLabel(QLatin1String(name), QLatin1String(text), rt::twipsRect(l, t, w, h), caption);
    };
    // A value field is named, for assistive technology, by the caption above it.
    auto valueLabel = [&](const char *name, const char *spoken, int l, int t, int w, int h) {
        QLabel *label = addValueLabel(QLatin1String(name), QLatin1String(spoken),
                                      rt::twipsRect(l, t, w, h), value);
        label->setAlignment(Qt::AlignCenter);
        rt::setColours(label, Yellow);
        return label;
    };

    captionLabel("Label2", "Selected Thread", 750, 750, 1700, 200);
    lblSelected = valueLabel("lblSelected", "Selected Thread", 900, 1125, 2200, 255);
    captionLabel("Label3", "Diameter", 750, 2250, 1700, 200);
    lblDia = valueLabel("lblDia", "Diameter", 900, 2625, 2200, 255);
    captionLabel("Label4", "Depth of Thread", 750, 3750, 1700, 200);
    lblDoT = valueLabel("lblDoT", "Depth of Thread", 900, 4125, 2200, 255);
    captionLabel("Label5", "Pitch", 750, 5250, 1700, 200);
    lblPitch = valueLabel("lblPitch", "Pitch", 900, 5625, 2200, 255);
    captionLabel("Label6", "Thread Angle", 750, 6750, 1700, 200);
    lblTangle = valueLabel("lblTangle", "Thread Angle", 900, 7125, 2200, 255);
    captionLabel("Label7", "Helix Angle", 750, 8250, 1215, 200);
    lblHangle = valueLabel("lblHangle", "Helix Angle", 900, 8625, 2200, 255);

    captionLabel("Label8", "Select a Thread", 8520, 750, 1700, 200);
    CtS = addClickLabel(QStringLiteral("CtS"), QStringLiteral("Click to Select"),
                        rt::twipsRect(8670, 1080, 2205, 255), value);
    CtS->setAlignment(Qt::AlignCenter);
    CtS->setCursor(Qt::PointingHandCursor);
    // Select from the keyboard, leaving the tab order as it is.
    CtS->setShortcut(QKeySequence(Qt::ALT | Qt::Key_S));
    CtS->setToolTip(QStringLiteral("Choose a thread (Alt+S)"));
    rt::setColours(CtS, Yellow);
    captionLabel("Label9", "Dimension Over Wires", 8520, 2250, 2000, 200);
    lblOver = valueLabel("lblOver", "Dimension Over Wires", 8670, 2625, 2200, 255);
    captionLabel("Label10", "Actual Wire Size", 8520, 3750, 2000, 200);
    txtActual = addTextBox(QStringLiteral("txtActual"), rt::twipsRect(8640, 4125, 2175, 255), value);
    txtActual->setAccessibleName(QStringLiteral("Actual Wire Size"));
    txtActual->setFrame(false);
    txtActual->setAlignment(Qt::AlignCenter);
    rt::setColours(txtActual, Yellow);
    captionLabel("Label11", "Preferred Wire Size", 8520, 5250, 2000, 200);
    lblPref = valueLabel("lblPref", "Preferred Wire Size", 8670, 5625, 2200, 255);
    captionLabel("Label12", "Maximum Wire Size", 8520, 6750, 2000, 200);
    lblMax = valueLabel("lblMax", "Maximum Wire Size", 8670, 7125, 2200, 255);
    captionLabel("Label13", "Minimum Wire Size", 8520, 8250, 2000, 200);
    lblMin = valueLabel("lblMin", "Minimum Wire Size", 8670, 8625, 2200, 255);

    const QFont title = rt::formFont(rt::Face::Title, 27.75, rt::Regular);
    QLabel *label15 = addLabel(QStringLiteral("Label15"), QStringLiteral("Kervadin"),
                               rt::twipsRect(4440, 240, 2895, 495), title);
    label15->setAlignment(Qt::AlignCenter);
    rt::setColours(label15, QColor(), QColor(0, 128, 0));

    QLabel *label14 = addLabel(QStringLiteral("Label14"), QStringLiteral("Micrometer"),
                               rt::twipsRect(5400, 1290, 975, 200),
                               rt::formFont(rt::Face::Window, 8.25, rt::Regular));
    label14->setAlignment(Qt::AlignCenter);

    lblMillinches = addValueLabel(QStringLiteral("lblMillinches"), QStringLiteral("Units"),
                                  rt::twipsRect(5040, 5400, 1695, 795), plain);
    lblMillinches->setAlignment(Qt::AlignCenter);
    lblMillinches->setFrameShape(QFrame::Box);
    rt::setColours(lblMillinches, Yellow);

    cmdCalc = addButton(QStringLiteral("cmdCalc"), QStringLiteral("Calculate"),
                        rt::twipsRect(5160, 6960, 1455, 495), plain);
    cmdQuit = addButton(QStringLiteral("cmdQuit"), QStringLiteral("Exit"),
                        rt::twipsRect(5160, 8280, 1455, 500), plain);
    cmdCheck = addButton(QStringLiteral("cmdCheck"), QStringLiteral("Check Reading"),
                         rt::twipsRect(5160, 9240, 1455, 495), plain);
    // Reached by Alt+R, as Click to Select by Alt+S; the tab order stays as it is.
    cmdCheck->setFocusPolicy(Qt::NoFocus);
    cmdCheck->setShortcut(QKeySequence(Qt::ALT | Qt::Key_R));
    cmdCheck->setToolTip(QStringLiteral("Check a measured reading against the limits (Alt+R)"));
    rt::setColours(cmdCalc, ButtonFace);
    rt::setColours(cmdQuit, ButtonFace);
    rt::setColours(cmdCheck, ButtonFace);
    // The longest caption of the window's buttons: no padding beside it, so it
    // fits the width the button shares with Calculate and Exit.
    cmdCheck->setStyleSheet(QStringLiteral("QPushButton { padding-left: 0px; padding-right: 0px; }"));

    setTabOrder(txtActual, cmdQuit);
    setTabOrder(cmdQuit, cmdCalc);

    rt::onClick(cmdCalc, this, &FrmKervadin3::cmdCalc_Click);
    rt::onClick(cmdQuit, this, &FrmKervadin3::cmdQuit_Click);
    rt::onClick(CtS, this, &FrmKervadin3::CtS_Click);
    rt::onClick(cmdCheck, this, &FrmKervadin3::cmdCheck_Click);
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

    // Leader lines to the fields they name.
    const QColor diameter(0, 128, 0), depth(255, 0, 255), pitch(0, 0, 255), angle(255, 255, 0),
        helix(0, 192, 0);
    addLine(3720, 1680, 5520, 1680, diameter);
    addLine(3720, 3840, 5190, 3840, diameter);
    addLine(3720, 1680, 3720, 3840, diameter);
    addLine(3720, 2760, 3240, 2760, diameter);
    addLine(5190, 2040, 4440, 2040, depth);
    addLine(4440, 2040, 4440, 4260, depth);
    addLine(4440, 4260, 3240, 4260, depth);
    addLine(5340, 3840, 5340, 4680, pitch);
    addLine(5880, 3840, 5880, 4680, pitch);
    addLine(5880, 4680, 3720, 4680, pitch);
    addLine(3720, 4680, 3720, 5760);
    addLine(3720, 5760, 3240, 5760, pitch);
    addLine(5430, 1860, 4080, 1860, angle);
    addLine(4080, 1860, 4080, 7260, angle);
    addLine(4080, 7260, 3240, 7260, angle);
    addLine(5400, 3000, 4800, 3000, helix);
    addLine(4800, 3000, 4800, 8760, helix);
    addLine(4800, 8760, 3240, 8760, helix);
    addLine(6420, 1635, 6840, 1635);
    addLine(6420, 3905, 6840, 3905);
    addLine(6840, 1635, 6840, 3905);
    addLine(6840, 2760, 8520, 2760);
    addLine(6160, 3930, 6160, 4680, red);
    addLine(6160, 4680, 8040, 4680, red);
    addLine(8040, 4260, 8040, 8760, red);
    for (int y : {4260, 5760, 7260, 8760})
        addLine(8040, y, 8520, y, red);
}

void FrmKervadin3::focusActual()
{
    rt::bringToFront(this);
    txtActual->setFocus(Qt::OtherFocusReason);
}

void FrmKervadin3::showRecord(const ThreadRecord &record)
{
    forgetCalculation();
    lblSelected->setText(qt(record.name));
    lblDia->setText(qt(record.diameter));
    lblDoT->setText(qt(record.depth));
    lblPitch->setText(qt(record.pitch));
    lblTangle->setText(qt(record.angle));
    lblMillinches->setText(qt(record.units));
    lblHangle->setText(qt(record.helix));
    lblMax->setText(qt(record.maximum));
    lblMax->setToolTip(qt(record.maximumFormula));
    lblMin->setText(qt(record.minimum));
    lblMin->setToolTip(qt(record.minimumFormula));
    lblPref->setText(qt(record.preferred));
    lblPref->setToolTip(qt(record.preferredFormula));
    focusActual();
    emit recordWritten();
}

void FrmKervadin3::cmdCalc_Click()
{
    const ShownRecord shown{text(lblDia), text(lblPitch), text(lblTangle), text(lblMin),
                            text(lblMax)};
    const Measurement m = measure(shown, txtActual->text().toStdString());
    switch (m.refusal) {
    case WireRefusal::NoWire:
        rt::ShowMessage(QStringLiteral("A wire size has not been entered.\n"
                                       "Please enter wire size and try again."),
                        rt::Exclamation, QStringLiteral("No Wire"));
        return;
    case WireRefusal::SmallWire:
        rt::ShowMessage(QStringLiteral("Wire size is less than minimum allowed.\n"
                                       "Please enter another wire size."),
                        rt::Exclamation, QStringLiteral("Small Wire"));
        return;
    case WireRefusal::LargeWire:
        rt::ShowMessage(QStringLiteral("Wire size is greater than maximum allowed.\n"
                                       "Please enter another wire size."),
                        rt::Exclamation, QStringLiteral("Large Wire"));
        return;
    case WireRefusal::None:
        break;
    }
    if (!m.measured)
        return;
    lblOver->setText(qt(m.overWires));
    lblOver->setToolTip(qt(m.working));
    m_calculatedWire = txtActual->text();
    emit dimensionCalculated();
}

void FrmKervadin3::cmdQuit_Click()
{
    rt::endProgram();
}

void FrmKervadin3::CtS_Click()
{
    txtActual->setText(QString());
    lblOver->setText(QString());
    lblOver->setToolTip(QString());
    forgetCalculation();
    m_program.frmType()->showForm();
}

void FrmKervadin3::cmdCheck_Click()
{
    m_program.frmCheck()->open();
}

void FrmKervadin3::closeEvent(QCloseEvent *event)
{
    // Closing the measurement window ends the program, so it never runs on
    // with only hidden windows.
    event->accept();
    rt::endProgram();
}

} // namespace kervadin
