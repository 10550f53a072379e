#include "kervadin/ui/frmcheck.h"

#include "kervadin/ui/frmkervadin3.h"
#include "kervadin/ui/kervadin.h"
#include "kervadin/ui/look.h"
#include "runtime/controls.h"
#include "runtime/messages.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>

namespace kervadin {
namespace {

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

// A label's text and tooltip, as one write.
void display(QLabel *label, const std::string &value, const std::string &working = std::string())
{
    label->setText(qs(value));
    label->setToolTip(qs(working));
}

// A field stands on a yellow frame 495 twips high, 120 twips inside it.
QRect frameAt(int left, int top, int width)
{
    return rt::twipsRect(left, top, width, 495);
}

QRect insideFrame(int left, int top, int width)
{
    return rt::twipsRect(left + 120, top + 120, width - 240, 255);
}

const rt::Look NoteLook{QColor(), QColor(), Qt::AlignCenter, rt::LookFlag::WordWrap};
const rt::Look LimitCaptionLook{QColor(), QColor(), Qt::AlignLeft | Qt::AlignVCenter};
const rt::Look VerdictLook{Yellow, QColor(), Qt::AlignCenter, rt::LookFlag::WordWrap};

// The verdict's fonts, the first that holds all of it.
const rt::Font VerdictFonts[] = {ValueFont, PlainFont,
                                 {rt::Face::Window, 8.25, rt::FontStyle::Regular}};

// The class options: the unified ones, then the metric ones in their places
// (a thread offers one set or none, and only those it offers are shown).
struct ClassOption {
    ToleranceClass toleranceClass;
    const char *name;
    ClassSet set;
};
const ClassOption ClassOptions[] = {
    {ToleranceClass::Class1A, "opt1A", ClassSet::Unified},
    {ToleranceClass::Class2A, "opt2A", ClassSet::Unified},
    {ToleranceClass::Class3A, "opt3A", ClassSet::Unified},
    {ToleranceClass::Class6g, "opt6g", ClassSet::Metric},
    {ToleranceClass::Class6h, "opt6h", ClassSet::Metric},
};

QColor standingColour(Standing standing)
{
    switch (standing) {
    case Standing::Within: return WithinColour;
    case Standing::Over:
    case Standing::Under: return OutsideColour;
    case Standing::None: break;
    }
    return Yellow;
}

// The log the first Save of a run suggests, in the user's documents.
const char LogName[] = "thread-checks.csv";

bool sameEntry(const CheckEntry &a, const CheckEntry &b)
{
    for (int i = 0; i < ReadingCount; ++i) {
        if (a.readings[i] != b.readings[i])
            return false;
    }
    return a.toleranceClass == b.toleranceClass && a.maximum == b.maximum && a.minimum == b.minimum;
}

// The record's Thread and Class: the thread as the check names it, without
// the class, and the class chosen, empty for limits typed from a drawing.
void threadFields(const State &state, ToleranceClass toleranceClass, CheckRecord &record)
{
    record.thread = state.thread() ? checkName(*state.thread()) : std::string();
    record.threadClass =
        toleranceClass == ToleranceClass::None ? std::string() : className(toleranceClass);
}

// Every control of the window, a value field named for assistive technology
// by the caption above it. The keyboard goes through the limits, the
// classes, the readings, Check, BACK and the record.
std::vector<rt::Control> controls()
{
    using K = rt::Kind;
    std::vector<rt::Control> table{
        {K::Label, "lblCapThread", "Thread and Wire", rt::twipsRect(360, 240, 2500, 200), CaptionFont},
        {K::Frame, "shpThread", {}, frameAt(360, 480, 8880), PlainFont, 0, &FrameLook},
        {K::Value, "lblThread", {}, insideFrame(360, 480, 8880), PlainFont, 0, &FieldLook,
         "Thread and Wire"},
        {K::Label, "lblNote", {}, rt::twipsRect(360, 1080, 8880, 540), PlainFont, 0, &NoteLook},

        {K::Label, "lblCapBasic", "Basic Pitch Diameter", rt::twipsRect(360, 1740, 2800, 200),
         CaptionFont},
        {K::Frame, "shpBasic", {}, frameAt(360, 1980, 2800), PlainFont, 0, &FrameLook},
        {K::Value, "lblBasic", {}, insideFrame(360, 1980, 2800), ValueFont, 0, &FieldLook,
         "Basic Pitch Diameter"},
        {K::Label, "lblCapConstant", "Wire Constant C", rt::twipsRect(3400, 1740, 2800, 200),
         CaptionFont},
        {K::Frame, "shpConstant", {}, frameAt(3400, 1980, 2800), PlainFont, 0, &FrameLook},
        {K::Value, "lblConstant", {}, insideFrame(3400, 1980, 2800), ValueFont, 0, &FieldLook,
         "Wire Constant C"},
        {K::Label, "lblCapRange", "Reading Range", rt::twipsRect(6440, 1740, 2800, 200), CaptionFont},
        {K::Frame, "shpRange", {}, frameAt(6440, 1980, 2800), PlainFont, 0, &FrameLook},
        {K::Value, "lblRange", {}, insideFrame(6440, 1980, 2800), ValueFont, 0, &FieldLook,
         "Reading Range"},

        {K::Label, "lblCapLimits", "Pitch Diameter Limits", rt::twipsRect(360, 2700, 4000, 200),
         CaptionFont},
        {K::Label, "lblCapMax", "Maximum", rt::twipsRect(360, 3060, 960, 255), PlainFont, 0,
         &LimitCaptionLook},
        {K::Frame, "shpPDmax", {}, frameAt(1320, 2940, 1560), PlainFont, 0, &FrameLook},
        {K::TextBox, "txtPDmax", {}, insideFrame(1320, 2940, 1560), ValueFont, 1, &EntryBoxLook,
         "Maximum Pitch Diameter"},
        {K::Label, "lblCapMin", "Minimum", rt::twipsRect(3120, 3060, 960, 255), PlainFont, 0,
         &LimitCaptionLook},
        {K::Frame, "shpPDmin", {}, frameAt(4080, 2940, 1560), PlainFont, 0, &FrameLook},
        {K::TextBox, "txtPDmin", {}, insideFrame(4080, 2940, 1560), ValueFont, 2, &EntryBoxLook,
         "Minimum Pitch Diameter"},
        {K::Label, "lblCapClass", "Class", rt::twipsRect(5880, 3060, 600, 255), PlainFont},
        // One group; none is chosen at first.
        {K::Option, "opt1A", "1A", rt::twipsRect(6480, 2940, 900, 495), PlainFont, 3, nullptr,
         "Class 1A"},
        {K::Option, "opt2A", "2A", rt::twipsRect(7380, 2940, 900, 495), PlainFont, 4, nullptr,
         "Class 2A"},
        {K::Option, "opt3A", "3A", rt::twipsRect(8280, 2940, 900, 495), PlainFont, 5, nullptr,
         "Class 3A"},
        {K::Option, "opt6g", "6g", rt::twipsRect(6480, 2940, 900, 495), PlainFont, 6, nullptr,
         "Class 6g"},
        {K::Option, "opt6h", "6h", rt::twipsRect(7380, 2940, 900, 495), PlainFont, 7, nullptr,
         "Class 6h"},

        {K::Label, "lblCapReadings", "Readings Over the Wires", rt::twipsRect(360, 3720, 4000, 200),
         CaptionFont},
        {K::Label, "lblCapPD", "Pitch Diameter of Each Reading", rt::twipsRect(360, 4560, 4000, 200),
         CaptionFont},
    };
    // Each reading with the pitch diameter it gives beneath it.
    for (int i = 0; i < ReadingCount; ++i) {
        const QString n = QString::number(i + 1);
        const int left = 360 + i * 1800;
        table.push_back({K::Frame, "shpReading" + n, {}, frameAt(left, 3960, 1680), PlainFont, 0,
                         &FrameLook});
        table.push_back({K::TextBox, "txtReading" + n, {}, insideFrame(left, 3960, 1680),
                         ValueFont, 8 + i, &EntryBoxLook, "Reading " + n});
        table.push_back({K::Frame, "shpPD" + n, {}, frameAt(left, 4800, 1680), PlainFont, 0,
                         &FrameLook});
        table.push_back({K::Value, "lblPD" + n, {}, insideFrame(left, 4800, 1680), ValueFont, 0,
                         &FieldLook, "Pitch Diameter of Reading " + n});
    }
    const std::vector<rt::Control> rest{
        {K::Label, "lblCapMean", "Mean Reading", rt::twipsRect(360, 5400, 2800, 200), CaptionFont},
        {K::Frame, "shpMean", {}, frameAt(360, 5640, 2800), PlainFont, 0, &FrameLook},
        {K::Value, "lblMean", {}, insideFrame(360, 5640, 2800), ValueFont, 0, &FieldLook,
         "Mean Reading"},
        {K::Label, "lblCapMeanPD", "Mean Pitch Diameter", rt::twipsRect(3400, 5400, 2800, 200),
         CaptionFont},
        {K::Frame, "shpMeanPD", {}, frameAt(3400, 5640, 2800), PlainFont, 0, &FrameLook},
        {K::Value, "lblMeanPD", {}, insideFrame(3400, 5640, 2800), ValueFont, 0, &FieldLook,
         "Mean Pitch Diameter"},
        {K::Label, "lblCapSpread", "Spread", rt::twipsRect(6440, 5400, 2800, 200), CaptionFont},
        {K::Frame, "shpSpread", {}, frameAt(6440, 5640, 2800), PlainFont, 0, &FrameLook},
        {K::Value, "lblSpread", {}, insideFrame(6440, 5640, 2800), ValueFont, 0, &FieldLook,
         "Spread"},

        {K::Label, "lblCapVerdict", "Verdict", rt::twipsRect(360, 6360, 2800, 200), CaptionFont},
        {K::Frame, "shpVerdict", {}, rt::twipsRect(360, 6600, 8880, 735), PlainFont, 0, &FrameLook},
        {K::Value, "lblVerdict", {}, rt::twipsRect(480, 6660, 8640, 615), ValueFont, 0,
         &VerdictLook, "Verdict"},

        {K::Button, "cmdEvaluate", "Check", rt::twipsRect(2400, 7560, 1455, 495), PlainFont, 13,
         &ButtonLook},
        {K::Button, "cmdBackcheck", "BACK", rt::twipsRect(5760, 7560, 1455, 495), PlainFont, 14,
         &ButtonLook},

        // The record of the check: the part it was made on, then saving it
        // to the log or copying it.
        {K::Label, "lblCapPart", "Part or Drawing", rt::twipsRect(360, 8280, 4800, 200), CaptionFont},
        {K::Frame, "shpPart", {}, frameAt(360, 8520, 4800), PlainFont, 0, &FrameLook},
        {K::TextBox, "txtPart", {}, insideFrame(360, 8520, 4800), PlainFont, 15, &EntryBoxLook,
         "Part or Drawing"},
        {K::Button, "cmdSave", "Save Record…", rt::twipsRect(5400, 8520, 1800, 495), PlainFont,
         16, &ButtonLook},
        {K::Button, "cmdCopyRecord", "Copy Record", rt::twipsRect(7440, 8520, 1800, 495), PlainFont,
         17, &ButtonLook},
    };
    table.insert(table.end(), rest.begin(), rest.end());
    return table;
}

} // namespace

FrmCheck::FrmCheck(Kervadin &program, QWidget *parent)
    : rt::Form(QStringLiteral("frmCheck"), QStringLiteral("Check a Reading"), 9600, 9360,
               Background, parent),
      m_program(program)
{
    build(controls());

    rt::onClick(control<QPushButton>(QStringLiteral("cmdEvaluate")), this, &FrmCheck::evaluate);
    rt::onClick(control<QPushButton>(QStringLiteral("cmdBackcheck")), this, &FrmCheck::back);
    for (const ClassOption &c : ClassOptions)
        rt::onClick(classOption(c.toleranceClass), this, &FrmCheck::chooseClass);
    rt::onClick(control<QPushButton>(QStringLiteral("cmdSave")), this, &FrmCheck::saveRecord);
    rt::onClick(control<QPushButton>(QStringLiteral("cmdCopyRecord")), this, &FrmCheck::copyRecord);
    // A limit typed over a class's limits is the user's own: the class goes.
    for (const char *name : {"txtPDmax", "txtPDmin"})
        connect(box(QLatin1String(name)), &QLineEdit::textEdited, this,
                [this] { setClass(ToleranceClass::None); });
    // Return (or Enter) in a limit or reading box presses Check.
    QPushButton *check = control<QPushButton>(QStringLiteral("cmdEvaluate"));
    QStringList entries{QStringLiteral("txtPDmax"), QStringLiteral("txtPDmin")};
    for (int i = 0; i < ReadingCount; ++i)
        entries << readingBoxName(i);
    for (const QString &name : entries)
        connect(box(name), &QLineEdit::returnPressed, check, &QPushButton::click);

    // Follow the state while shown: a new thread, a new Calculate, or Click
    // to Select, which empties the result.
    connect(m_program.measurementWindow(), &FrmKervadin3::threadApplied, this, &FrmCheck::clear);
    connect(m_program.measurementWindow(), &FrmKervadin3::stateChanged, this, &FrmCheck::follow);
}

QLineEdit *FrmCheck::box(const QString &name) const
{
    return control<QLineEdit>(name);
}

QLabel *FrmCheck::field(const QString &name) const
{
    return control<QLabel>(name);
}

QRadioButton *FrmCheck::classOption(ToleranceClass toleranceClass) const
{
    for (const ClassOption &c : ClassOptions) {
        if (c.toleranceClass == toleranceClass)
            return control<QRadioButton>(QLatin1String(c.name));
    }
    return nullptr;
}

QString FrmCheck::readingBoxName(int index)
{
    return QStringLiteral("txtReading") + QString::number(index + 1);
}

CheckEntry FrmCheck::entry() const
{
    CheckEntry e;
    for (const ClassOption &c : ClassOptions) {
        if (classOption(c.toleranceClass)->isChecked())
            e.toleranceClass = c.toleranceClass;
    }
    e.maximum = box(QStringLiteral("txtPDmax"))->text().toStdString();
    e.minimum = box(QStringLiteral("txtPDmin"))->text().toStdString();
    for (int i = 0; i < ReadingCount; ++i)
        e.readings[i] = box(readingBoxName(i))->text().toStdString();
    return e;
}

void FrmCheck::open()
{
    refresh();
    showForm();
    box(readingBoxName(0))->setFocus(Qt::OtherFocusReason);
}

void FrmCheck::follow()
{
    if (isVisible())
        rt::guarded([this] { refresh(); });
}

void FrmCheck::clear()
{
    setClass(ToleranceClass::None);
    box(QStringLiteral("txtPDmax"))->clear();
    box(QStringLiteral("txtPDmin"))->clear();
    for (int i = 0; i < ReadingCount; ++i)
        box(readingBoxName(i))->clear();
    rt::guarded([this] { refresh(); });
}

void FrmCheck::refresh()
{
    write(checkReadings(m_program.state(), entry()));
}

void FrmCheck::evaluate()
{
    const CheckTexts texts = checkReadings(m_program.state(), entry());
    if (texts.refusal.refuses()) {
        rt::refuse(this, texts.refusal);
        return;
    }
    write(texts);
}

void FrmCheck::back()
{
    hideForm();
}

std::optional<CheckRecord> FrmCheck::record()
{
    if (!m_verdict || !sameEntry(entry(), m_verdictEntry)) {
        rt::refuse(this, noCheckRefusal());
        return std::nullopt;
    }
    const CheckTexts &texts = *m_verdict;
    const State &state = m_program.state();
    CheckRecord r;
    r.time = localTimeNow();
    r.part = box(QStringLiteral("txtPart"))->text().toStdString();
    threadFields(state, texts.toleranceClass, r);
    if (state.thread())
        r.unit = state.thread()->unit() == Unit::Inch ? "inch" : "mm";
    r.wire = texts.wire;
    r.maximum = texts.maximum;
    r.minimum = texts.minimum;
    for (int i = 0; i < ReadingCount; ++i) {
        r.readings[i] = m_verdictEntry.readings[i];
        r.readingDiameters[i] = texts.readingDiameters[i];
    }
    r.mean = texts.mean;
    r.meanDiameter = texts.meanDiameter;
    r.spread = texts.spread;
    r.verdict = texts.verdict;
    return r;
}

void FrmCheck::saveRecord()
{
    const std::optional<CheckRecord> r = record();
    if (!r)
        return;
    QString path = m_logPath;
    if (path.isEmpty()) {
        // The log is appended to: the dialog does not offer to replace it.
        const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        path = rt::askSaveFileName(QStringLiteral("Save Record"),
                                   documents.filePath(QLatin1String(LogName)),
                                   QStringLiteral("Check logs (*.csv);;All files (*)"),
                                   false);
        if (path.isEmpty())
            return;
    }
    QPushButton *save = control<QPushButton>(QStringLiteral("cmdSave"));
    const rt::Refusal refusal = appendRecord(QFile::encodeName(path).toStdString(), *r);
    if (refusal.refuses()) {
        // The next Save asks for a log again.
        m_logPath.clear();
        save->setToolTip(QString());
        rt::refuse(this, refusal);
        return;
    }
    m_logPath = path;
    save->setToolTip(QStringLiteral("Adds the record to ") + QDir::toNativeSeparators(path));
}

void FrmCheck::copyRecord()
{
    if (const std::optional<CheckRecord> r = record())
        QGuiApplication::clipboard()->setText(qs(recordText(*r)));
}

void FrmCheck::chooseClass()
{
    refresh();
}

void FrmCheck::setClass(ToleranceClass toleranceClass)
{
    for (const ClassOption &c : ClassOptions) {
        QRadioButton *option = classOption(c.toleranceClass);
        if (c.toleranceClass == toleranceClass) {
            option->setChecked(true);
        } else if (option->isChecked()) {
            // An option of a group cannot be cleared while the group holds it.
            option->setAutoExclusive(false);
            option->setChecked(false);
            option->setAutoExclusive(true);
        }
    }
}

void FrmCheck::write(const CheckTexts &texts)
{
    display(field(QStringLiteral("lblThread")), texts.thread);
    display(field(QStringLiteral("lblNote")), texts.note);
    display(field(QStringLiteral("lblBasic")), texts.basic, texts.basicWorking);
    display(field(QStringLiteral("lblConstant")), texts.constant, texts.constantWorking);
    for (const ClassOption &c : ClassOptions) {
        QRadioButton *option = classOption(c.toleranceClass);
        option->setHidden(c.set != texts.classes);
        option->setEnabled(texts.calculated);
    }
    setClass(texts.toleranceClass);
    // A box keeps its cursor and editing history unless its text changes.
    QLineEdit *maximum = box(QStringLiteral("txtPDmax"));
    QLineEdit *minimum = box(QStringLiteral("txtPDmin"));
    if (maximum->text() != qs(texts.maximum))
        maximum->setText(qs(texts.maximum));
    if (minimum->text() != qs(texts.minimum))
        minimum->setText(qs(texts.minimum));
    maximum->setToolTip(qs(texts.maximumWorking));
    minimum->setToolTip(qs(texts.minimumWorking));
    display(field(QStringLiteral("lblRange")), texts.range, texts.rangeWorking);
    for (int i = 0; i < ReadingCount; ++i) {
        // Each pitch diameter shows how it stands: a colour, and in words.
        QLabel *diameter = field(QStringLiteral("lblPD") + QString::number(i + 1));
        const ReadingStanding &standing = texts.standings[i];
        display(diameter, texts.readingDiameters[i], standing.text);
        diameter->setAccessibleDescription(qs(standing.text));
        rt::setColours(diameter, standingColour(standing.standing));
    }
    display(field(QStringLiteral("lblMean")), texts.mean);
    display(field(QStringLiteral("lblMeanPD")), texts.meanDiameter);
    display(field(QStringLiteral("lblSpread")), texts.spread);
    QLabel *verdict = field(QStringLiteral("lblVerdict"));
    display(verdict, texts.verdict, texts.verdictWorking);
    // A long verdict (a reading named, a second line on the spread) takes a
    // smaller font, the largest that shows all of it.
    rt::fitToFirstFont(verdict, VerdictFonts);
    // What Save and Copy record: the verdict shown and the entries it is for.
    if (texts.verdict.empty()) {
        m_verdict.reset();
    } else {
        m_verdict = texts;
        m_verdictEntry = entry();
    }
}

} // namespace kervadin
