#include "kervadin/ui/frmcheck.h"

#include "kervadin/ui/frmkervadin3.h"
#include "kervadin/ui/kervadin.h"
#include "kervadin/ui/look.h"
#include "runtime/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <iterator>

namespace kervadin {
namespace {

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

std::string text(const QLabel *label)
{
    return label->text().toStdString();
}

// Everything this window takes from the measurement window: the thread as
// it is shown and the wire of its last Calculate.
void readMeasurementWindow(const FrmKervadin3 *m, CheckEntry *entry)
{
    entry->thread = {text(m->lblSelected), text(m->lblDia), text(m->lblPitch), text(m->lblTangle),
                     text(m->lblMillinches)};
    entry->wire = m->calculatedWire().toStdString();
}

// A label's text and tooltip, as one write.
void display(QLabel *label, const std::string &value, const std::string &working = std::string())
{
    label->setText(qs(value));
    label->setToolTip(qs(working));
}

} // namespace

FrmCheck::FrmCheck(Kervadin &program, QWidget *parent)
    : rt::Form(QStringLiteral("frmCheck"), QStringLiteral("Check a Reading"), 9600, 8400,
               Background, parent),
      m_program(program)
{
    const QFont caption = rt::formFont(rt::Face::Window, 8.25);
    const QFont value = rt::formFont(rt::Face::Window, 12);
    const QFont plain = rt::formFont(rt::Face::Window, 9.75);

    auto captionLabel = [&](const char *name, const char *text, int l, int t, int w, int h) {
        return addLabel(QLatin1String(name), QString::fromUtf8(text), rt::twipsRect(l, t, w, h),
                        caption);
    };
    // A value field on a yellow frame, named for assistive technology by the
    // caption above it.
    auto valueField = [&](const char *name, const QString &spoken, int l, int t, int w,
                          const QFont &font) {
        addShape(ShapeKind::RoundedRectangle, {l, t, w, 495}, Yellow, Qt::black);
        QLabel *label = addValueLabel(QLatin1String(name), spoken,
                                      rt::twipsRect(l + 120, t + 120, w - 240, 255), font);
        label->setAlignment(Qt::AlignCenter);
        rt::setColours(label, Yellow);
        return label;
    };
    auto textBox = [&](const QString &name, const QString &spoken, int l, int t, int w) {
        addShape(ShapeKind::RoundedRectangle, {l, t, w, 495}, Yellow, Qt::black);
        QLineEdit *box = addTextBox(name, rt::twipsRect(l + 120, t + 120, w - 240, 255), value);
        box->setAccessibleName(spoken);
        box->setFrame(false);
        box->setAlignment(Qt::AlignCenter);
        rt::setColours(box, Yellow);
        return box;
    };

    captionLabel("lblCapThread", "Thread and Wire", 360, 240, 2500, 200);
    lblThread = valueField("lblThread", QStringLiteral("Thread and Wire"), 360, 480, 8880, plain);

    lblNote = addLabel(QStringLiteral("lblNote"), QString(), rt::twipsRect(360, 1080, 8880, 540),
                       plain);
    lblNote->setAlignment(Qt::AlignCenter);
    lblNote->setWordWrap(true);

    captionLabel("lblCapBasic", "Basic Pitch Diameter", 360, 1740, 2800, 200);
    lblBasic = valueField("lblBasic", QStringLiteral("Basic Pitch Diameter"), 360, 1980, 2800, value);
    captionLabel("lblCapConstant", "Wire Constant C", 3400, 1740, 2800, 200);
    lblConstant = valueField("lblConstant", QStringLiteral("Wire Constant C"), 3400, 1980, 2800, value);
    captionLabel("lblCapRange", "Reading Range", 6440, 1740, 2800, 200);
    lblRange = valueField("lblRange", QStringLiteral("Reading Range"), 6440, 1980, 2800, value);

    captionLabel("lblCapLimits", "Pitch Diameter Limits", 360, 2700, 4000, 200);
    QLabel *maxCaption = addLabel(QStringLiteral("lblCapMax"), QStringLiteral("Maximum"),
                                  rt::twipsRect(360, 3060, 960, 255), plain);
    txtPDmax = textBox(QStringLiteral("txtPDmax"), QStringLiteral("Maximum Pitch Diameter"), 1320,
                       2940, 1560);
    QLabel *minCaption = addLabel(QStringLiteral("lblCapMin"), QStringLiteral("Minimum"),
                                  rt::twipsRect(3120, 3060, 960, 255), plain);
    txtPDmin = textBox(QStringLiteral("txtPDmin"), QStringLiteral("Minimum Pitch Diameter"), 4080,
                       2940, 1560);
    maxCaption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    minCaption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    addLabel(QStringLiteral("lblCapClass"), QStringLiteral("Class"),
             rt::twipsRect(5880, 3060, 600, 255), plain);
    // The three classes form one group; none is chosen at first.
    auto option = [&](const char *name, const char *text, int left) {
        QRadioButton *o = addOption(QLatin1String(name), QLatin1String(text),
                                    rt::twipsRect(left, 2940, 900, 495), plain);
        o->setAccessibleName(QStringLiteral("Class ") + QLatin1String(text));
        return o;
    };
    opt1A = option("opt1A", "1A", 6480);
    opt2A = option("opt2A", "2A", 7380);
    opt3A = option("opt3A", "3A", 8280);

    captionLabel("lblCapReadings", "Readings Over the Wires", 360, 3720, 4000, 200);
    captionLabel("lblCapPD", "Pitch Diameter of Each Reading", 360, 4560, 4000, 200);
    for (int i = 0; i < ReadingCount; ++i) {
        const QString n = QString::number(i + 1);
        const int left = 360 + i * 1800;
        txtReading[i] = textBox(QStringLiteral("txtReading") + n, QStringLiteral("Reading ") + n,
                                left, 3960, 1680);
        lblPD[i] = valueField(qPrintable(QStringLiteral("lblPD") + n),
                              QStringLiteral("Pitch Diameter of Reading ") + n, left, 4800, 1680,
                              value);
    }

    captionLabel("lblCapMean", "Mean Reading", 360, 5400, 2800, 200);
    lblMean = valueField("lblMean", QStringLiteral("Mean Reading"), 360, 5640, 2800, value);
    captionLabel("lblCapMeanPD", "Mean Pitch Diameter", 3400, 5400, 2800, 200);
    lblMeanPD = valueField("lblMeanPD", QStringLiteral("Mean Pitch Diameter"), 3400, 5640, 2800, value);
    captionLabel("lblCapSpread", "Spread", 6440, 5400, 2800, 200);
    lblSpread = valueField("lblSpread", QStringLiteral("Spread"), 6440, 5640, 2800, value);

    captionLabel("lblCapVerdict", "Verdict", 360, 6360, 2800, 200);
    addShape(ShapeKind::RoundedRectangle, {360, 6600, 8880, 735}, Yellow, Qt::black);
    lblVerdict = addValueLabel(QStringLiteral("lblVerdict"), QStringLiteral("Verdict"),
                               rt::twipsRect(480, 6660, 8640, 615), value);
    lblVerdict->setAlignment(Qt::AlignCenter);
    lblVerdict->setWordWrap(true);
    rt::setColours(lblVerdict, Yellow);

    auto button = [&](const char *name, const char *text, int left) {
        QPushButton *b = addButton(QLatin1String(name), QLatin1String(text),
                                   rt::twipsRect(left, 7560, 1455, 495), plain);
        rt::setColours(b, ButtonFace);
        return b;
    };
    cmdEvaluate = button("cmdEvaluate", "Check", 2400);
    cmdBackcheck = button("cmdBackcheck", "BACK", 5760);

    QWidget *order[] = {txtPDmax,       txtPDmin,       opt1A,          opt2A,
                        opt3A,          txtReading[0],  txtReading[1],  txtReading[2],
                        txtReading[3],  txtReading[4],  cmdEvaluate,    cmdBackcheck};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    rt::onClick(cmdEvaluate, this, &FrmCheck::cmdEvaluate_Click);
    rt::onClick(cmdBackcheck, this, &FrmCheck::cmdBackcheck_Click);
    for (QRadioButton *o : {opt1A, opt2A, opt3A})
        rt::onClick(o, this, &FrmCheck::optClass_Click);
    // A limit typed over a class's limits is the user's own: the class goes.
    for (QLineEdit *box : {txtPDmax, txtPDmin})
        connect(box, &QLineEdit::textEdited, this, [this] { setClass(ThreadClass::None); });

    // Follow the measurement window while shown: a new record, a new
    // Calculate, or Click to Select, which empties the result.
    FrmKervadin3 *m = m_program.frmKervadin3();
    connect(m, &FrmKervadin3::recordWritten, this, &FrmCheck::follow);
    connect(m, &FrmKervadin3::dimensionCalculated, this, &FrmCheck::follow);
    connect(m->CtS, &rt::ClickLabel::clicked, this, &FrmCheck::follow);
}

CheckEntry FrmCheck::entry() const
{
    CheckEntry e;
    readMeasurementWindow(m_program.frmKervadin3(), &e);
    e.threadClass = opt1A->isChecked()   ? ThreadClass::Class1A
                    : opt2A->isChecked() ? ThreadClass::Class2A
                    : opt3A->isChecked() ? ThreadClass::Class3A
                                         : ThreadClass::None;
    e.maximum = txtPDmax->text().toStdString();
    e.minimum = txtPDmin->text().toStdString();
    for (int i = 0; i < ReadingCount; ++i)
        e.readings[i] = txtReading[i]->text().toStdString();
    return e;
}

void FrmCheck::open()
{
    refresh();
    showForm();
    txtReading[0]->setFocus(Qt::OtherFocusReason);
}

void FrmCheck::follow()
{
    if (isVisible())
        rt::guarded([this] { refresh(); });
}

void FrmCheck::refresh()
{
    write(checkReadings(entry()));
}

void FrmCheck::cmdEvaluate_Click()
{
    const CheckTexts texts = checkReadings(entry());
    const Refusal &refusal = texts.refusal;
    if (!refusal.box.empty()) {
        rt::ShowMessage(qs(refusal.prompt), rt::Exclamation, qs(refusal.title));
        if (auto *box = findChild<QLineEdit *>(qs(refusal.box)))
            box->setFocus(Qt::OtherFocusReason);
        return;
    }
    write(texts);
}

void FrmCheck::cmdBackcheck_Click()
{
    hideForm();
}

void FrmCheck::optClass_Click()
{
    refresh();
}

void FrmCheck::setClass(ThreadClass threadClass)
{
    const QRadioButton *chosen = threadClass == ThreadClass::Class1A   ? opt1A
                                 : threadClass == ThreadClass::Class2A ? opt2A
                                 : threadClass == ThreadClass::Class3A ? opt3A
                                                                       : nullptr;
    for (QRadioButton *o : {opt1A, opt2A, opt3A}) {
        if (o == chosen) {
            o->setChecked(true);
        } else if (o->isChecked()) {
            // An option of a group cannot be cleared while the group holds it.
            o->setAutoExclusive(false);
            o->setChecked(false);
            o->setAutoExclusive(true);
        }
    }
}

void FrmCheck::write(const CheckTexts &texts)
{
    display(lblThread, texts.thread);
    display(lblNote, texts.note);
    display(lblBasic, texts.basic, texts.basicWorking);
    display(lblConstant, texts.constant, texts.constantWorking);
    for (QRadioButton *o : {opt1A, opt2A, opt3A})
        o->setEnabled(texts.calculated && texts.classesOffered);
    setClass(texts.threadClass);
    // A box keeps its cursor and editing history unless its text changes.
    if (txtPDmax->text() != qs(texts.maximum))
        txtPDmax->setText(qs(texts.maximum));
    if (txtPDmin->text() != qs(texts.minimum))
        txtPDmin->setText(qs(texts.minimum));
    txtPDmax->setToolTip(qs(texts.maximumWorking));
    txtPDmin->setToolTip(qs(texts.minimumWorking));
    display(lblRange, texts.range, texts.rangeWorking);
    for (int i = 0; i < ReadingCount; ++i)
        display(lblPD[i], texts.readingDiameters[i]);
    display(lblMean, texts.mean);
    display(lblMeanPD, texts.meanDiameter);
    display(lblSpread, texts.spread);
    display(lblVerdict, texts.verdict, texts.verdictWorking);
}

} // namespace kervadin
