#include "kervadin/ui/frmcheck.h"

#include "kervadin/ui/kervadin.h"
#include "kervadin/ui/look.h"
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

template <typename Visit>
void forEachOption(Visit visit)
{
    for (const OptionClass &option : optionClasses())
        visit(option.name);
}

QStringList qsList(const std::vector<std::string> &texts)
{
    QStringList list;
    for (const std::string &text : texts)
        list << qs(text);
    return list;
}

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

// The control of each field a refusal names.
struct FieldControl {
    CheckField field;
    const char *name;
};
const FieldControl FieldControls[] = {
    {CheckField::Starts, "txtStarts"},       {CheckField::Maximum, "txtPDmax"},
    {CheckField::Minimum, "txtPDmin"},       {CheckField::Reading1, "txtReading1"},
    {CheckField::Reading2, "txtReading2"},   {CheckField::Reading3, "txtReading3"},
    {CheckField::Reading4, "txtReading4"},   {CheckField::Reading5, "txtReading5"},
    {CheckField::MajorMaximum, "txtMajmax"}, {CheckField::MajorMinimum, "txtMajmin"},
    {CheckField::Major, "txtMajor"},         {CheckField::Check, "cmdEvaluate"},
    {CheckField::Class, "cboClass"},
};

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
// diameter's limits and the diameter measured, Check, BACK and the record.
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
    };
    table.insert(table.end(), rest.begin(), rest.end());
    return table;
}

} // namespace

FrmCheck::FrmCheck(Kervadin &program, QWidget *parent)
    : Window(program, QStringLiteral("frmCheck"), QStringLiteral("Check a Reading"), {12600, 9720},
             controls(), parent)
{

    rt::onClick(control<QPushButton>(QStringLiteral("cmdEvaluate")), this, &FrmCheck::evaluate);
    rt::onClick(control<QPushButton>(QStringLiteral("cmdBackcheck")), this, &FrmCheck::back);
    forEachOption([this](const char *name) {
        rt::onClick(classOption(name), this, &FrmCheck::chooseClass);
    });
    QComboBox *list = classList();
    list->lineEdit()->setMaxLength(static_cast<int>(LongestClass));
    connect(list, &QComboBox::activated, this, [this] {
        // Leaving the box with a class typed that the list holds activates
        // it too: that is still typing, and the verdict waits for Check.
        if (classList()->currentText() == m_typedClass)
            return;
        m_typedClass.clear();
        showOption(typedClass());
        rt::guarded([this] { refresh(Refresh::Chosen); });
    });
    rt::onClick(control<QPushButton>(QStringLiteral("cmdSave")), this, &FrmCheck::saveRecord);
    rt::onClick(control<QPushButton>(QStringLiteral("cmdCopyRecord")), this, &FrmCheck::copyRecord);
    box(CheckField::Starts)->setText(QStringLiteral("1"));
    tickLeadForForm();
    connect(leadBox(), &QCheckBox::clicked, this,
            [this] { rt::guarded([this] { refresh(Refresh::Chosen); }); });
    QPushButton *check = control<QPushButton>(QStringLiteral("cmdEvaluate"));
    for (const FieldControl &f : FieldControls) {
        QLineEdit *entry = f.field == CheckField::Class ? list->lineEdit() : box(f.field);
        if (!entry)
            continue;
        connect(entry, &QLineEdit::textEdited, this, [this, field = f.field] { edited(field); });
        // Return (or Enter) in any box of the check presses Check.
        connect(entry, &QLineEdit::returnPressed, check, &QPushButton::click);
    }
}

FrmCheck::~FrmCheck()
{
    // The class box loses the focus as the window goes, and a class typed
    // that the list holds would then be activated: not into a window that is
    // no longer whole.
    disconnect(classList(), nullptr, this, nullptr);
}

QWidget *FrmCheck::fieldControl(CheckField field) const
{
    for (const FieldControl &f : FieldControls) {
        if (f.field == field)
            return control(QLatin1String(f.name));
    }
    return nullptr;
}

QLineEdit *FrmCheck::box(CheckField field) const
{
    return qobject_cast<QLineEdit *>(fieldControl(field));
}

QCheckBox *FrmCheck::leadBox() const
{
    return control<QCheckBox>(QStringLiteral("chkLead"));
}

void FrmCheck::tickLeadForForm()
{
    // A lead screw's lead angle is not small: its C is corrected from the start.
    const std::optional<Thread> &thread = m_program.state().thread();
    leadBox()->setChecked(thread && thread->form().exactLead);
}

void FrmCheck::edited(CheckField field)
{
    switch (field) {
    case CheckField::Starts:
        // More than one start: the lead angle grows with the lead, so C is
        // corrected for it from then on, unless the user unticks it.
        if (startsOf(box(field)->text().toStdString()).value_or(1) > 1)
            leadBox()->setChecked(true);
        break;
    case CheckField::Maximum:
    case CheckField::Minimum:
    case CheckField::MajorMaximum:
    case CheckField::MajorMinimum:
        // A limit typed over a class's limits is the user's own: the class goes.
        setClass(ToleranceClass::None);
        break;
    case CheckField::Reading1:
    case CheckField::Reading2:
    case CheckField::Reading3:
    case CheckField::Reading4:
    case CheckField::Reading5:
    case CheckField::Major:
    case CheckField::Check:
        break;
    case CheckField::Class:
        // A class typed: its limits follow it, and its option when it has one.
        m_typedClass = classList()->currentText();
        showOption(typedClass());
        break;
    }
    refresh(Refresh::Typed);
}

void FrmCheck::refuse(const CheckRefusal &refusal)
{
    rt::refuse(this, refusal, refusal.field ? fieldControl(*refusal.field) : nullptr);
}

QLabel *FrmCheck::field(const QString &name) const
{
    return control<QLabel>(name);
}

QRadioButton *FrmCheck::classOption(const char *name) const
{
    return control<QRadioButton>(optionName(name));
}

QComboBox *FrmCheck::classList() const
{
    return control<QComboBox>(QStringLiteral("cboClass"));
}

ToleranceClass FrmCheck::typedClass() const
{
    return ToleranceClass(classList()->currentText().toStdString());
}

CheckEntry FrmCheck::entry() const
{
    CheckEntry e;
    e.toleranceClass = typedClass();
    e.starts = box(CheckField::Starts)->text().toStdString();
    e.leadCorrection = leadBox()->isChecked();
    e.maximum = box(CheckField::Maximum)->text().toStdString();
    e.minimum = box(CheckField::Minimum)->text().toStdString();
    for (int i = 0; i < ReadingCount; ++i)
        e.readings[i] = box(readingField(i))->text().toStdString();
    e.majorMaximum = box(CheckField::MajorMaximum)->text().toStdString();
    e.majorMinimum = box(CheckField::MajorMinimum)->text().toStdString();
    e.major = box(CheckField::Major)->text().toStdString();
    return e;
}

void FrmCheck::open()
{
    refresh(Refresh::Chosen);
    showForm();
    box(CheckField::Reading1)->setFocus(Qt::OtherFocusReason);
}

void FrmCheck::follow()
{
    if (isVisible())
        rt::guarded([this] { refresh(Refresh::Chosen); });
}

void FrmCheck::clear()
{
    setClass(ToleranceClass::None);
    box(CheckField::Starts)->setText(QStringLiteral("1"));
    tickLeadForForm();
    for (const FieldControl &f : FieldControls) {
        if (QLineEdit *entry = box(f.field); entry && f.field != CheckField::Starts)
            entry->clear();
    }
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
                           control<QLineEdit>(QStringLiteral("txtPart"))->text().toStdString(),
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
    forEachOption([this](const char *name) {
        if (classOption(name)->isChecked())
            setClass(ToleranceClass(name));
    });
    refresh(Refresh::Chosen);
}

void FrmCheck::showOption(const ToleranceClass &toleranceClass)
{
    forEachOption([&](const char *name) {
        QRadioButton *option = classOption(name);
        if (toleranceClass.name() == name) {
            option->setChecked(true);
        } else if (option->isChecked()) {
            // An option of a group cannot be cleared while the group holds it.
            option->setAutoExclusive(false);
            option->setChecked(false);
            option->setAutoExclusive(true);
        }
    });
}

void FrmCheck::setClass(const ToleranceClass &toleranceClass)
{
    m_typedClass.clear();
    showOption(toleranceClass);
    if (classList()->currentText() != qs(toleranceClass.name()))
        classList()->setEditText(qs(toleranceClass.name()));
}

void FrmCheck::listClasses(const CheckTexts &texts)
{
    QComboBox *list = classList();
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
    field(QStringLiteral("lblCapClassList"))->setHidden(!texts.classes);
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
    display(field(QStringLiteral("lblThread")), texts.thread);
    display(field(QStringLiteral("lblNote")), texts.note);
    display(field(QStringLiteral("lblBasic")), texts.basic, texts.basicWorking);
    display(field(QStringLiteral("lblConstant")), texts.constant, texts.constantWorking);
    const QStringList had = qsList(texts.classNames);
    forEachOption([&](const char *name) {
        QRadioButton *option = classOption(name);
        option->setHidden(!had.contains(QLatin1String(name)));
        option->setEnabled(texts.calculated);
    });
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
    display(field(QStringLiteral("lblRange")), texts.range, texts.rangeWorking);
    for (int i = 0; i < ReadingCount; ++i) {
        // Each pitch diameter shows how it stands: a colour, and in words.
        QLabel *diameter = field(QStringLiteral("lblPD") + QString::number(i + 1));
        const ReadingStanding &standing = texts.standings[i];
        display(diameter, texts.readingDiameters[i], standing.text);
        diameter->setAccessibleDescription(qs(standing.text));
        rt::setColours(diameter, standingColour(standing.standing));
    }
    // The major diameter measured shows how it stands in its own box.
    QLineEdit *major = box(CheckField::Major);
    const ReadingStanding &standing = texts.majorStanding;
    major->setToolTip(qs(standing.text));
    major->setAccessibleDescription(qs(standing.text));
    rt::setColours(major, standing.standing == Standing::None ? QColor(Qt::white)
                                                              : standingColour(standing.standing));
    display(field(QStringLiteral("lblMean")), texts.mean);
    display(field(QStringLiteral("lblMeanPD")), texts.meanDiameter);
    display(field(QStringLiteral("lblSpread")), texts.spread);
    QLabel *verdict = field(QStringLiteral("lblVerdict"));
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
