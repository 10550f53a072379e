#include "kervadin/ui/frmcheck.h"

#include "kervadin/ui/kervadin.h"
#include "kervadin/ui/look.h"
#include "kervadin/ui/zoneview.h"
#include "runtime/controls.h"
#include "runtime/messages.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStandardPaths>

namespace kervadin {
namespace {

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

// The class options: each class a system offers as an option, named "opt"
// and the class ("opt2A"), at its place among its system's options (a
// thread offers one system or none, and only the classes it has are shown).
struct OptionClass {
    const char *name;
    int place;
};

const std::vector<OptionClass> &optionClasses()
{
    static const std::vector<OptionClass> options = [] {
        std::vector<OptionClass> all;
        for (const ClassSystem *system : classSystems()) {
            int place = 0;
            for (const ClassOffer &offer : system->offered()) {
                if (offer.option)
                    all.push_back({offer.name, place++});
            }
        }
        return all;
    }();
    return options;
}

QString optionName(const char *name)
{
    return QStringLiteral("opt") + QLatin1String(name);
}

QStringList qsList(const std::vector<std::string> &texts)
{
    QStringList list;
    for (const std::string &text : texts)
        list << qs(text);
    return list;
}

// How a diameter stands, in words: "over by 0.0003", with the rule's zone
// when it is not the same word ("within; conditional pass").
QString standingWords(const ReadingStanding &standing, Zone zone)
{
    const std::string word = zoneWord(zone);
    if (standing.text.empty() || standing.text.rfind(word, 0) == 0)
        return qs(standing.text);
    return qs(standing.text + "; " + word);
}

// The decision rules, a line each, as the list of rules holds them.
QString ruleNames()
{
    QStringList names;
    for (const RuleName &rule : DecisionRules)
        names << QLatin1String(rule.name);
    return names.join(QLatin1Char('\n'));
}

// A pitch diameter's colour by its zone under the rule.
QColor zoneColour(Zone zone)
{
    switch (gradeOf(zone)) {
    case Grade::Good: return WithinColour;
    case Grade::Doubtful: return DoubtfulColour;
    case Grade::Bad: return OutsideColour;
    case Grade::None: break;
    }
    return Yellow;
}

// The log the first Save of a run suggests, in the user's documents.
const char LogName[] = "thread-checks.csv";

// A row of three values the check works out, each 2800 twips wide on its
// frame with its caption above: NAME is shown by lblNAME on shpNAME under
// lblCapNAME, named for assistive technology by its caption.
struct ValueField {
    const char *name;
    const char *caption;
};

void addFields(std::vector<rt::Control> &table, int top, std::initializer_list<ValueField> row)
{
    int left = 360;
    for (const ValueField &f : row) {
        const QString name = QLatin1String(f.name);
        const QString caption = QLatin1String(f.caption);
        table.push_back({rt::Kind::Label, "lblCap" + name, caption,
                         rt::twipsRect(left, top - 240, 2800, 200), CaptionFont});
        table.push_back({rt::Kind::Frame, "shp" + name, {}, frameAt(left, top, 2800), PlainFont,
                         0, &FrameLook});
        table.push_back({rt::Kind::Value, "lbl" + name, {}, insideFrame(left, top, 2800),
                         ValueFont, 0, &FieldLook, caption});
        left += 3040;
    }
}

// The right-hand column: the thread's starts and the lead-angle correction
// at the top, the major diameter's limits and the diameter measured over the
// crests further down, each box with its caption beside it.
constexpr int Column = 9480;

void addMajorRow(std::vector<rt::Control> &table, const char *caption, const char *name, int top,
                 int tab, const char *spoken)
{
    const QString n = QLatin1String(name);
    table.push_back({rt::Kind::Label, "lblCap" + n, QLatin1String(caption),
                     rt::twipsRect(Column, top + 120, 960, 255), PlainFont, 0, &LimitCaptionLook});
    table.push_back({rt::Kind::Frame, "shp" + n, {}, frameAt(Column + 960, top, 1920), PlainFont,
                     0, &FrameLook});
    table.push_back({rt::Kind::TextBox, "txt" + n, {}, insideFrame(Column + 960, top, 1920),
                     ValueFont, tab, &EntryBoxLook, QLatin1String(spoken)});
}

// Every control of the window, a value field named for assistive technology
// by the caption above it. The keyboard follows the work, in the order the
// table makes the controls: the starts and the lead-angle correction, the
// limits, the classes and the list of classes, the readings, the major
// diameter's limits and the diameter measured, Check, BACK and the record;
// then the decision rule and the uncertainty.
std::vector<rt::Control> controls()
{
    using K = rt::Kind;
    int tab = 0;
    std::vector<rt::Control> table{
        {K::Label, "lblCapThread", "Thread and Wire", rt::twipsRect(360, 240, 2500, 200), CaptionFont},
        {K::Frame, "shpThread", {}, frameAt(360, 480, 8880), PlainFont, 0, &FrameLook},
        {K::Value, "lblThread", {}, insideFrame(360, 480, 8880), PlainFont, 0, &FieldLook,
         "Thread and Wire"},
        {K::Label, "lblNote", {}, rt::twipsRect(360, 1080, 8880, 540), PlainFont, 0, &NoteLook},
        {K::Label, "lblCapStarts", "Starts", rt::twipsRect(Column, 240, 2880, 200), CaptionFont},
        {K::Frame, "shpStarts", {}, frameAt(Column, 480, 960), PlainFont, 0, &FrameLook},
        {K::TextBox, "txtStarts", {}, insideFrame(Column, 480, 960), ValueFont, ++tab,
         &EntryBoxLook, "Starts"},
        {K::CheckBox, "chkLead", "Correct for lead angle", rt::twipsRect(Column, 1080, 2880, 495),
         PlainFont, ++tab},
    };
    addFields(table, 1980, {{"Basic", "Basic Pitch Diameter"}, {"Constant", "Wire Constant C"},
                            {"Range", "Reading Range"}});
    const int maximumTab = ++tab;
    const int minimumTab = ++tab;
    const std::vector<rt::Control> limits{
        {K::Label, "lblCapLimits", "Pitch Diameter Limits", rt::twipsRect(360, 2700, 4000, 200),
         CaptionFont},
        {K::Label, "lblCapMax", "Maximum", rt::twipsRect(360, 3060, 960, 255), PlainFont, 0,
         &LimitCaptionLook},
        {K::Frame, "shpPDmax", {}, frameAt(1320, 2940, 1560), PlainFont, 0, &FrameLook},
        {K::TextBox, "txtPDmax", {}, insideFrame(1320, 2940, 1560), ValueFont, maximumTab,
         &EntryBoxLook, "Maximum Pitch Diameter"},
        {K::Label, "lblCapMin", "Minimum", rt::twipsRect(3120, 3060, 960, 255), PlainFont, 0,
         &LimitCaptionLook},
        {K::Frame, "shpPDmin", {}, frameAt(4080, 2940, 1560), PlainFont, 0, &FrameLook},
        {K::TextBox, "txtPDmin", {}, insideFrame(4080, 2940, 1560), ValueFont, minimumTab,
         &EntryBoxLook, "Minimum Pitch Diameter"},
        {K::Label, "lblCapClass", "Class", rt::twipsRect(5880, 3060, 600, 255), PlainFont},
    };
    table.insert(table.end(), limits.begin(), limits.end());
    // The options of each system side by side, in one group; none is chosen
    // at first.
    for (const OptionClass &option : optionClasses()) {
        table.push_back({K::Option, optionName(option.name), QLatin1String(option.name),
                         rt::twipsRect(6480 + 900 * option.place, 2940, 900, 495), PlainFont,
                         ++tab, nullptr, QStringLiteral("Class ") + QLatin1String(option.name)});
    }
    // Any class, chosen from the list or typed as the drawing gives it.
    table.push_back({K::Label, "lblCapClassList", "Tolerance Class",
                     rt::twipsRect(Column, 1740, 2880, 200), CaptionFont});
    table.push_back({K::ComboBox, "cboClass", {}, rt::twipsRect(Column, 1980, 2880, 375),
                     PlainFont, ++tab, nullptr, "Tolerance Class"});
    table.push_back({K::Label, "lblCapReadings", "Readings Over the Wires",
                     rt::twipsRect(360, 3720, 4000, 200), CaptionFont});
    table.push_back({K::Label, "lblCapPD", "Pitch Diameter of Each Reading",
                     rt::twipsRect(360, 4560, 4000, 200), CaptionFont});
    // Each reading with the pitch diameter it gives beneath it.
    for (int i = 0; i < ReadingCount; ++i) {
        const QString n = QString::number(i + 1);
        const int left = 360 + i * 1800;
        table.push_back({K::Frame, "shpReading" + n, {}, frameAt(left, 3960, 1680), PlainFont, 0,
                         &FrameLook});
        table.push_back({K::TextBox, "txtReading" + n, {}, insideFrame(left, 3960, 1680),
                         ValueFont, ++tab, &EntryBoxLook, "Reading " + n});
        table.push_back({K::Frame, "shpPD" + n, {}, frameAt(left, 4800, 1680), PlainFont, 0,
                         &FrameLook});
        table.push_back({K::Value, "lblPD" + n, {}, insideFrame(left, 4800, 1680), ValueFont, 0,
                         &FieldLook, "Pitch Diameter of Reading " + n});
    }
    addFields(table, 5640, {{"Mean", "Mean Reading"}, {"MeanPD", "Mean Pitch Diameter"},
                            {"Spread", "Spread"}});
    // Beside the pitch diameter's limits, readings and their pitch diameters.
    table.push_back({K::Label, "lblCapMajdia", "Major Diameter", rt::twipsRect(Column, 2700, 2880, 200),
                     CaptionFont});
    addMajorRow(table, "Maximum", "Majmax", 2940, ++tab, "Maximum Major Diameter");
    addMajorRow(table, "Minimum", "Majmin", 3960, ++tab, "Minimum Major Diameter");
    addMajorRow(table, "Measured", "Major", 4800, ++tab, "Major Diameter");
    const int checkTab = ++tab;
    const int backTab = ++tab;
    const int partTab = ++tab;
    const int saveTab = ++tab;
    const int copyTab = ++tab;
    const int ruleTab = ++tab;
    const int uncertaintyTab = ++tab;
    const std::vector<rt::Control> rest{
        {K::Label, "lblCapVerdict", "Verdict", rt::twipsRect(360, 6360, 2800, 200), CaptionFont},
        {K::Frame, "shpVerdict", {}, rt::twipsRect(360, 6600, 8880, 1095), PlainFont, 0, &FrameLook},
        {K::Value, "lblVerdict", {}, rt::twipsRect(480, 6660, 8640, 975), ValueFont, 0,
         &VerdictLook, "Verdict"},

        {K::Button, "cmdEvaluate", "Check", rt::twipsRect(2400, 7920, 1455, 495), PlainFont,
         checkTab, &ButtonLook},
        {K::Button, "cmdBackcheck", "BACK", rt::twipsRect(5760, 7920, 1455, 495), PlainFont,
         backTab, &ButtonLook},

        // The record of the check: the part it was made on, then saving it
        // to the log or copying it.
        {K::Label, "lblCapPart", "Part or Drawing", rt::twipsRect(360, 8640, 4800, 200), CaptionFont},
        {K::Frame, "shpPart", {}, frameAt(360, 8880, 4800), PlainFont, 0, &FrameLook},
        {K::TextBox, "txtPart", {}, insideFrame(360, 8880, 4800), PlainFont, partTab,
         &EntryBoxLook, "Part or Drawing"},
        {K::Button, "cmdSave", "Save Record…", rt::twipsRect(5400, 8880, 1800, 495), PlainFont,
         saveTab, &ButtonLook},
        {K::Button, "cmdCopyRecord", "Copy Record", rt::twipsRect(7440, 8880, 1800, 495), PlainFont,
         copyTab, &ButtonLook},

        // The rule the verdict is stated under, and the uncertainty it takes.
        {K::Label, "lblCapRule", "Decision Rule", rt::twipsRect(360, 9600, 4800, 200), CaptionFont},
        {K::List, "cboRule", ruleNames(), rt::twipsRect(360, 9840, 4800, 375), PlainFont, ruleTab,
         nullptr, "Decision Rule"},
        {K::Button, "cmdUncertainty", "Uncertainty…", rt::twipsRect(5400, 9780, 1800, 495),
         PlainFont, uncertaintyTab, &ButtonLook},
        // Beside the verdict, the picture of the tolerance zone.
        {K::Label, "lblCapZone", "Tolerance Zone", rt::twipsRect(Column, 5400, 2880, 200),
         CaptionFont},
    };
    table.insert(table.end(), rest.begin(), rest.end());
    return table;
}

} // namespace

FrmCheck::FrmCheck(Kervadin &program, QWidget *parent)
    : Window(program, QStringLiteral("frmCheck"), QStringLiteral("Check a Reading"), {12600, 10440},
             controls(), parent)
{
    bindControls();
    rt::onClick(cmdEvaluate, this, &FrmCheck::evaluate);
    rt::onClick(cmdBackcheck, this, &FrmCheck::back);
    for (const auto &[name, option] : m_options)
        rt::onClick(option, this, &FrmCheck::chooseClass);
    cboClass->lineEdit()->setMaxLength(static_cast<int>(LongestClass));
    connect(cboClass, &QComboBox::activated, this, [this] {
        // Leaving the box with a class typed that the list holds activates
        // it too: that is still typing, and the verdict waits for Check.
        if (cboClass->currentText() == m_typedClass)
            return;
        m_typedClass.clear();
        showOption(typedClass());
        rt::MessageSource source(this);
        rt::guarded([this] { refresh(Refresh::Chosen); });
    });
    connect(cboRule, &QComboBox::activated, this, [this] {
        rt::MessageSource source(this);
        rt::guarded([this] { chooseRule(); });
    });
    rt::onClick(cmdSave, this, &FrmCheck::saveRecord);
    rt::onClick(cmdCopyRecord, this, &FrmCheck::copyRecord);
    rt::onClick(cmdUncertainty, this, &FrmCheck::openUncertainty);
    txtStarts->setText(QStringLiteral("1"));
    tickLeadForForm();
    connect(chkLead, &QCheckBox::clicked, this, [this] {
        rt::MessageSource source(this);
        rt::guarded([this] { refresh(Refresh::Chosen); });
    });
    for (CheckField field : {CheckField::Starts, CheckField::Maximum, CheckField::Minimum,
                             CheckField::Reading1, CheckField::Reading2, CheckField::Reading3,
                             CheckField::Reading4, CheckField::Reading5, CheckField::MajorMaximum,
                             CheckField::MajorMinimum, CheckField::Major, CheckField::Class}) {
        QLineEdit *entry = field == CheckField::Class ? cboClass->lineEdit() : box(field);
        connect(entry, &QLineEdit::textEdited, this, [this, field] {
            rt::MessageSource source(this);
            rt::guarded([this, field] { edited(field); });
        });
        // Return (or Enter) in any box of the check presses Check.
        connect(entry, &QLineEdit::returnPressed, cmdEvaluate, &QPushButton::click);
    }
}

FrmCheck::~FrmCheck()
{
    // The class box loses the focus as the window goes, and a class typed
    // that the list holds would then be activated: not into a window that is
    // no longer whole.
    disconnect(cboClass, nullptr, this, nullptr);
}

void FrmCheck::bindControls()
{
    for (auto [member, name] : {std::pair{&lblThread, "lblThread"}, {&lblNote, "lblNote"},
                                {&lblBasic, "lblBasic"}, {&lblConstant, "lblConstant"},
                                {&lblRange, "lblRange"}, {&lblMean, "lblMean"},
                                {&lblMeanPD, "lblMeanPD"}, {&lblSpread, "lblSpread"},
                                {&lblVerdict, "lblVerdict"}, {&lblCapClassList, "lblCapClassList"}})
        *member = need<QLabel>(QLatin1String(name));
    for (auto [member, name] : {std::pair{&txtStarts, "txtStarts"}, {&txtPDmax, "txtPDmax"},
                                {&txtPDmin, "txtPDmin"}, {&txtMajmax, "txtMajmax"},
                                {&txtMajmin, "txtMajmin"}, {&txtMajor, "txtMajor"},
                                {&txtPart, "txtPart"}})
        *member = need<QLineEdit>(QLatin1String(name));
    for (int i = 0; i < ReadingCount; ++i) {
        const QString n = QString::number(i + 1);
        lblPD[i] = need<QLabel>(QStringLiteral("lblPD") + n);
        txtReading[i] = need<QLineEdit>(QStringLiteral("txtReading") + n);
    }
    for (auto [member, name] : {std::pair{&cmdEvaluate, "cmdEvaluate"},
                                {&cmdBackcheck, "cmdBackcheck"}, {&cmdSave, "cmdSave"},
                                {&cmdCopyRecord, "cmdCopyRecord"},
                                {&cmdUncertainty, "cmdUncertainty"}})
        *member = need<QPushButton>(QLatin1String(name));
    chkLead = need<QCheckBox>(QStringLiteral("chkLead"));
    cboClass = need<QComboBox>(QStringLiteral("cboClass"));
    cboRule = need<QComboBox>(QStringLiteral("cboRule"));
    for (const OptionClass &option : optionClasses())
        m_options.emplace_back(option.name, need<QRadioButton>(optionName(option.name)));
    picZone = new ZoneView(this);
    picZone->setGeometry(rt::px(Column), rt::px(5640), rt::px(2880), rt::px(4575));
}

QWidget *FrmCheck::fieldControl(CheckField field) const
{
    switch (field) {
    case CheckField::Starts: return txtStarts;
    case CheckField::Maximum: return txtPDmax;
    case CheckField::Minimum: return txtPDmin;
    case CheckField::Reading1:
    case CheckField::Reading2:
    case CheckField::Reading3:
    case CheckField::Reading4:
    case CheckField::Reading5:
        return txtReading[static_cast<int>(field) - static_cast<int>(CheckField::Reading1)];
    case CheckField::MajorMaximum: return txtMajmax;
    case CheckField::MajorMinimum: return txtMajmin;
    case CheckField::Major: return txtMajor;
    case CheckField::Check: return cmdEvaluate;
    case CheckField::Class: return cboClass;
    case CheckField::Micrometer:
    case CheckField::Wires:
    case CheckField::Repeatability:
    case CheckField::PitchError:
    case CheckField::HalfAngleError:
    case CheckField::Temperature:
    case CheckField::Expanded: break;
    }
    return nullptr;
}

QLineEdit *FrmCheck::box(CheckField field) const
{
    return qobject_cast<QLineEdit *>(fieldControl(field));
}

void FrmCheck::tickLeadForForm()
{
    // A lead screw's lead angle is not small: its C is corrected from the start.
    const std::optional<Thread> &thread = m_program.state().thread();
    chkLead->setChecked(thread && thread->form().exactLead);
}

void FrmCheck::edited(CheckField field)
{
    switch (field) {
    case CheckField::Starts:
        // More than one start: the lead angle grows with the lead, so C is
        // corrected for it from then on, unless the user unticks it.
        if (startsOf(txtStarts->text().toStdString()).value_or(1) > 1)
            chkLead->setChecked(true);
        break;
    case CheckField::Maximum:
    case CheckField::Minimum:
    case CheckField::MajorMaximum:
    case CheckField::MajorMinimum:
        // A limit typed over a class's limits is the user's own: the class goes.
        setClass(ToleranceClass::None);
        break;
    case CheckField::Class:
        // A class typed: its limits follow it, and its option when it has one.
        m_typedClass = cboClass->currentText();
        showOption(typedClass());
        break;
    default:
        break;
    }
    refresh(Refresh::Typed);
}

void FrmCheck::uncertaintyEdited()
{
    rt::guarded([this] { edited(CheckField::Expanded); });
}

void FrmCheck::refuse(const CheckRefusal &refusal)
{
    QWidget *control = nullptr;
    if (refusal.field) {
        control = fieldControl(*refusal.field);
        if (!control)
            control = m_program.showUncertaintyBox(*refusal.field);
    }
    rt::refuse(this, refusal, control);
}

ToleranceClass FrmCheck::typedClass() const
{
    return ToleranceClass(cboClass->currentText().toStdString());
}

CheckEntry FrmCheck::entry() const
{
    CheckEntry e;
    e.toleranceClass = typedClass();
    e.starts = txtStarts->text().toStdString();
    e.leadCorrection = chkLead->isChecked();
    e.maximum = txtPDmax->text().toStdString();
    e.minimum = txtPDmin->text().toStdString();
    for (int i = 0; i < ReadingCount; ++i)
        e.readings[i] = txtReading[i]->text().toStdString();
    e.majorMaximum = txtMajmax->text().toStdString();
    e.majorMinimum = txtMajmin->text().toStdString();
    e.major = txtMajor->text().toStdString();
    e.uncertainty = m_program.uncertaintyEntry();
    e.rule = DecisionRules[std::max(0, cboRule->currentIndex())].rule;
    return e;
}

void FrmCheck::open()
{
    refresh(Refresh::Chosen);
    showForm();
    txtReading[0]->setFocus(Qt::OtherFocusReason);
}

void FrmCheck::follow()
{
    if (isVisible())
        rt::guarded([this] { refresh(Refresh::Chosen); });
}

void FrmCheck::clear()
{
    setClass(ToleranceClass::None);
    txtStarts->setText(QStringLiteral("1"));
    tickLeadForForm();
    for (QLineEdit *entry : {txtPDmax, txtPDmin, txtMajmax, txtMajmin, txtMajor})
        entry->clear();
    for (QLineEdit *reading : txtReading)
        reading->clear();
    rt::guarded([this] { refresh(Refresh::Chosen); });
}

void FrmCheck::refresh(Refresh how)
{
    if (how == Refresh::Chosen) {
        write(checkReadings(m_program.state(), entry()));
        return;
    }
    // While an entry is typed, what follows from it is shown at once, and
    // the verdict waits for Check. A fault here clears what the entries gave;
    // Check reports it.
    try {
        CheckTexts texts = checkReadings(m_program.state(), entry());
        dropVerdict(texts);
        write(texts);
    } catch (const rt::ArithmeticFault &) {
        writeResults(CheckTexts());
    }
}

void FrmCheck::evaluate()
{
    const CheckTexts texts = checkReadings(m_program.state(), entry());
    if (texts.refusal.refuses()) {
        refuse(texts.refusal);
        // Save and Copy say the same until something changes.
        m_checkRefusal = texts.refusal;
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
    const ShownCheck shown{m_verdict, m_verdictEntry, entry(),
                           txtPart->text().toStdString(),
                           m_checkRefusal};
    Recorded recorded = recordCheck(m_program.state(), shown, localTimeNow());
    if (!recorded.record)
        refuse(recorded.refusal);
    return std::move(recorded.record);
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
    QPushButton *save = cmdSave;
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

void FrmCheck::openUncertainty()
{
    m_program.openUncertainty();
}

void FrmCheck::chooseRule()
{
    refresh(Refresh::Chosen);
}

void FrmCheck::chooseClass()
{
    for (const auto &[name, option] : m_options) {
        if (option->isChecked())
            setClass(ToleranceClass(name));
    }
    refresh(Refresh::Chosen);
}

void FrmCheck::showOption(const ToleranceClass &toleranceClass)
{
    for (const auto &[name, option] : m_options) {
        if (toleranceClass.name() == name) {
            option->setChecked(true);
        } else if (option->isChecked()) {
            // An option of a group cannot be cleared while the group holds it.
            option->setAutoExclusive(false);
            option->setChecked(false);
            option->setAutoExclusive(true);
        }
    }
}

void FrmCheck::setClass(const ToleranceClass &toleranceClass)
{
    m_typedClass.clear();
    showOption(toleranceClass);
    if (cboClass->currentText() != qs(toleranceClass.name()))
        cboClass->setEditText(qs(toleranceClass.name()));
}

void FrmCheck::listClasses(const CheckTexts &texts)
{
    QComboBox *list = cboClass;
    // A thread without classes drops the class, as it drops its limits.
    if (!texts.classes && !list->currentText().isEmpty())
        setClass(ToleranceClass::None);
    // The list holds the classes the thread has, and only those.
    const QStringList had = qsList(texts.classNames);
    if (had != m_listed) {
        // Filling the list would put its first class in the box: the text stays.
        const QString text = list->currentText();
        const QSignalBlocker blocker(list);
        list->clear();
        list->addItems(had);
        list->setCurrentIndex(-1);
        list->setEditText(text);
        m_listed = had;
    }
    list->setHidden(!texts.classes);
    lblCapClassList->setHidden(!texts.classes);
    list->setEnabled(texts.calculated);
}

void FrmCheck::writeLimit(CheckField field, const std::string &text, const std::string &working)
{
    // A box keeps its cursor and editing history unless its text changes.
    QLineEdit *limit = box(field);
    if (limit->text() != qs(text))
        limit->setText(qs(text));
    limit->setToolTip(qs(working));
}

void FrmCheck::write(const CheckTexts &texts)
{
    display(lblThread, texts.thread);
    display(lblNote, texts.note);
    display(lblBasic, texts.basic, texts.basicWorking);
    display(lblConstant, texts.constant, texts.constantWorking);
    const QStringList had = qsList(texts.classNames);
    for (const auto &[name, option] : m_options) {
        option->setHidden(!had.contains(QLatin1String(name)));
        option->setEnabled(texts.calculated);
    }
    showOption(texts.toleranceClass);
    listClasses(texts);
    writeLimit(CheckField::Maximum, texts.maximum, texts.maximumWorking);
    writeLimit(CheckField::Minimum, texts.minimum, texts.minimumWorking);
    writeLimit(CheckField::MajorMaximum, texts.majorMaximum, texts.majorMaximumWorking);
    writeLimit(CheckField::MajorMinimum, texts.majorMinimum, texts.majorMinimumWorking);
    writeResults(texts);
}

void FrmCheck::writeResults(const CheckTexts &texts)
{
    display(lblRange, texts.range, texts.rangeWorking);
    for (int i = 0; i < ReadingCount; ++i) {
        // Each pitch diameter shows how it stands: a colour by its zone, and
        // in words, with the zone when the rule names it otherwise.
        const QString words = standingWords(texts.standings[i], texts.zones[i]);
        display(lblPD[i], texts.readingDiameters[i]);
        lblPD[i]->setToolTip(words);
        lblPD[i]->setAccessibleDescription(words);
        rt::setColours(lblPD[i], zoneColour(texts.zones[i]));
    }
    // The major diameter measured shows how it stands in its own box.
    const QString words = standingWords(texts.majorStanding, texts.majorZone);
    txtMajor->setToolTip(words);
    txtMajor->setAccessibleDescription(words);
    rt::setColours(txtMajor, texts.majorZone == Zone::None ? QColor(Qt::white)
                                                           : zoneColour(texts.majorZone));
    picZone->setPicture(texts.picture);
    m_program.showBudget(texts.budget);
    display(lblMean, texts.mean);
    display(lblMeanPD, texts.meanDiameter);
    display(lblSpread, texts.spread);
    QLabel *verdict = lblVerdict;
    display(verdict, texts.verdict, texts.verdictWorking);
    // A long verdict (a reading named, a second line on the spread) takes a
    // smaller font, the largest that shows all of it.
    rt::fitToFirstFont(verdict, VerdictFonts);
    // What Save and Copy record: the verdict shown and the entries it is for;
    // what a Check refused no longer holds once anything is written.
    m_checkRefusal = {};
    if (texts.verdict.empty()) {
        m_verdict.reset();
    } else {
        m_verdict = texts;
        m_verdictEntry = entry();
    }
}

} // namespace kervadin
