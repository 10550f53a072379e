#include "windowsfuzz.h"

#include "harness.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/messages.h"
#include "scriptdriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace windowsfuzz {
namespace {

Program g_program;
bool g_printScripts = false;
// The session of the input being run.
const script::Session *g_session = nullptr;

constexpr int MaxActions = 64;
// Characters typed by one input, all boxes together: enough for a few very
// long numbers, few enough to keep an input fast.
constexpr int MaxTyped = 3000;

// The input's bytes front to back; past the end every byte reads 0.
class Bytes {
public:
    Bytes(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    bool empty() const { return m_pos >= m_size; }
    uint8_t next() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    // One of count choices (count > 0).
    int pick(int count) { return next() % count; }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// Pieces of text a person might type or paste into a number box.
const QStringList &tokens()
{
    static const QStringList list = [] {
        // As UTF-8, in the order the fuzzer picks them by.
        static const char *const Texts[] = {
            "0", "-0", "0.0", "00000", "1", "2", "2.5", "0.5", "-1", "45", "90", "89.9999999",
            "180", "55", "60", "0.0625", "0.25", "3.14159", "1e999", "-1e999", "1e308",
            "1.7976931348623157e308", "1e-320", "4.9e-324", "1e15", "1e16", "1E-999",
            "1e99999999999", "99999999999999999", "32767", "32768", "-32769", "1e", "e5", "1e+",
            "--1", "+.5", ".", " ", "\t", "inf", "-inf", "nan", "NaN", "Infinity", "0x10", "1,5",
            "1/2", "mm",
            "\xc2\xb0", // degree sign
            "\u22121", // minus sign, then 1
            "\xd9\xa3", // Arabic-Indic three
            "\xef\xbc\x91\xef\xbc\x92", // full-width 12
        };
        QStringList t;
        for (const char *text : Texts)
            t.append(QString::fromUtf8(text));
        t.append(QString(400, QLatin1Char('9')));
        t.append(QStringLiteral("1") + QString(320, QLatin1Char('0')));
        t.append(QStringLiteral("0.") + QString(330, QLatin1Char('0')) + QStringLiteral("1"));
        t.append(QStringLiteral("1.") + QString(40, QLatin1Char('9')));
        return t;
    }();
    return list;
}

QString makeText(Bytes &in, int &budget)
{
    static const char Signs[] = ".eE-+ ";
    QString text;
    const int pieces = in.pick(10);
    for (int i = 0; i < pieces; ++i) {
        const uint8_t b = in.next();
        if (b < 100)
            text += QLatin1Char(static_cast<char>('0' + b % 10));
        else if (b < 150)
            text += QLatin1Char(Signs[b % 6]);
        else if (b < 230)
            text += tokens().at(in.pick(static_cast<int>(tokens().size())));
        else
            text += QChar(static_cast<char16_t>(in.next())); // any of U+0000..U+00FF
    }
    if (text.size() > budget)
        text.truncate(budget);
    budget -= static_cast<int>(text.size());
    return text;
}

using harness::jsonString;
using harness::nameOf;

// The running program's windows, by name.
QList<rt::Form *> programWindows()
{
    return harness::windowsByName(*g_session->program());
}

QWidget *findControl(const QString &ref)
{
    return harness::findControl(*g_session->program(), ref);
}

// The named controls of the visible windows that `accept` takes, in a fixed
// order, each one the driver finds by its WINDOW.NAME.
template <typename Accept>
QList<QWidget *> visibleControls(Accept accept)
{
    QList<QWidget *> result;
    for (QWidget *w : programWindows()) {
        if (!w->isVisible())
            continue;
        QList<QWidget *> controls;
        for (QWidget *c : w->findChildren<QWidget *>()) {
            if (!c->objectName().isEmpty() && c->isVisible() && accept(c)
                && w->findChild<QWidget *>(c->objectName()) == c)
                controls.append(c);
        }
        std::sort(controls.begin(), controls.end(),
                  [](QWidget *a, QWidget *b) { return a->objectName() < b->objectName(); });
        result += controls;
    }
    return result;
}

bool isEnding(const QWidget *c)
{
    return g_program.endingControls.contains(nameOf(c));
}

// What one input ran and what it showed, for the report of a failed check.
struct Record {
    QStringList script;
    QStringList output;
    // The texts of labels and buttons as last checked.
    QHash<QWidget *, QString> checked;
};

Record *g_record = nullptr;

void printRecord(const Record &record)
{
    std::fprintf(stderr, "== script (run it with the program's script tool):\n");
    for (const QString &line : record.script)
        std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    std::fprintf(stderr, "== its output:\n");
    for (const QString &line : record.output)
        std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    std::fflush(stderr);
}

[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "\n== windows fuzz: %s\n", what.toUtf8().constData());
    if (g_record)
        printRecord(*g_record);
    std::abort();
}

// The text a person last left in a text box by typing; a box whose text is
// anything else was written by the program. Boxes are watched from the
// first key that reaches them.
const char TypedProperty[] = "windowsFuzzTyped";

class TypingWatcher : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::InputMethod) {
            auto *box = qobject_cast<QLineEdit *>(watched);
            if (box && !box->property(TypedProperty).isValid()) {
                box->setProperty(TypedProperty, box->text());
                QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString &text) {
                    box->setProperty(TypedProperty, text);
                });
            }
        }
        return false;
    }
};

bool writtenByProgram(const QLineEdit *box)
{
    const QVariant typed = box->property(TypedProperty);
    return !typed.isValid() || typed.toString() != box->text();
}

// "inf" or "nan" starting a word, and an exponent after a digit or point;
// none of them belongs in a number the program writes.
QString badNumberText(const QString &text)
{
    static const QRegularExpression special(QStringLiteral("(?<![a-z])(inf|nan)"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression exponent(QStringLiteral("[0-9.][eE][+-]?[0-9]"));
    if (text.contains(special))
        return QStringLiteral("\"inf\" or \"nan\"");
    if (text.contains(exponent))
        return QStringLiteral("an exponent");
    return QString();
}

bool isEcho(const QWidget *label, const QString &text)
{
    for (const Echo &e : g_program.echoes) {
        if (nameOf(label) != e.label)
            continue;
        auto *box = qobject_cast<QLineEdit *>(findControl(e.box));
        if (box && text == box->text() + e.ending)
            return true;
    }
    return false;
}

void checkTexts(Record &record)
{
    for (QWidget *w : programWindows()) {
        for (QWidget *c : w->findChildren<QWidget *>()) {
            QString text;
            if (auto *box = qobject_cast<QLineEdit *>(c)) {
                if (!writtenByProgram(box))
                    continue;
                text = box->text();
            } else if (auto *label = qobject_cast<QLabel *>(c)) {
                text = label->text();
            } else if (auto *button = qobject_cast<QAbstractButton *>(c)) {
                text = button->text();
            } else {
                continue;
            }
            if (!qobject_cast<QLineEdit *>(c)) {
                const auto seen = record.checked.constFind(c);
                if (seen != record.checked.constEnd() && *seen == text)
                    continue;
                record.checked.insert(c, text);
                if (isEcho(c, text))
                    continue;
            }
            const QString bad = badNumberText(text);
            if (!bad.isEmpty())
                fail(QStringLiteral("%1 shows %2: %3").arg(nameOf(c), bad, jsonString(text)));
        }
    }
}

void checkMessage(const harness::Message &m)
{
    if (m.style != int(rt::MessageStyle::Critical) && m.style != int(rt::MessageStyle::Question)
        && m.style != int(rt::MessageStyle::Exclamation))
        fail(QStringLiteral("message of style %1").arg(m.style));
    if (m.title.isEmpty() || m.prompt.trimmed().isEmpty())
        fail(QStringLiteral("message with an empty title or prompt"));
    if (m.style == int(rt::MessageStyle::Critical)) {
        const QStringList faults = {QString::fromLatin1(rt::faultText(rt::Fault::DivisionByZero)),
                                    QString::fromLatin1(rt::faultText(rt::Fault::Overflow)),
                                    QString::fromLatin1(rt::faultText(rt::Fault::InvalidArgument))};
        if (!faults.contains(m.prompt) || m.title != QCoreApplication::applicationName())
            fail(QStringLiteral("style 16 message that is not a fault report"));
    }
}

// The next action's script line; empty when there is nothing to act on.
QString nextLine(Bytes &in, int &typeBudget, bool *ending)
{
    *ending = false;
    const uint8_t op = in.next();
    if (op < 112) { // set (80) or type (32) into a box or a list, or choose a list's item
        const QList<QWidget *> boxes = visibleControls([](QWidget *c) {
            return qobject_cast<QLineEdit *>(c) != nullptr || qobject_cast<QComboBox *>(c);
        });
        if (boxes.isEmpty())
            return QString();
        QWidget *box = boxes.at(in.pick(static_cast<int>(boxes.size())));
        if (auto *list = qobject_cast<QComboBox *>(box); list && !list->isEditable() && list->count())
            return QStringLiteral("set %1 %2").arg(nameOf(box),
                                                   jsonString(list->itemText(in.pick(list->count()))));
        const QString text = makeText(in, typeBudget);
        return QStringLiteral("%1 %2 %3")
            .arg(op < 80 ? QStringLiteral("set") : QStringLiteral("type"), nameOf(box), jsonString(text));
    }
    if (op < 192) { // click: a button, an option, a clickable label, a box
        const QList<QWidget *> controls = visibleControls([](QWidget *c) {
            return (qobject_cast<QAbstractButton *>(c) || qobject_cast<rt::ClickLabel *>(c)
                    || qobject_cast<QLineEdit *>(c))
                && !isEnding(c);
        });
        if (controls.isEmpty())
            return QString();
        return QStringLiteral("click ")
            + nameOf(controls.at(in.pick(static_cast<int>(controls.size()))));
    }
    if (op < 232) {
        static const char *const Keys[] = {"Tab", "Backtab", "Return", "Enter", "Escape", "Space"};
        return QStringLiteral("key ") + QLatin1String(Keys[in.pick(6)]);
    }
    if (op < 250) { // close a window other than the main one
        QList<QWidget *> others;
        for (QWidget *w : programWindows()) {
            if (w->isVisible() && w->objectName() != g_program.mainWindow)
                others.append(w);
        }
        if (others.isEmpty())
            return QString();
        return QStringLiteral("close ")
            + others.at(in.pick(static_cast<int>(others.size())))->objectName();
    }
    // Rarely, end the program: an ending control, or the main window's close.
    *ending = true;
    QStringList ends;
    for (QWidget *c : visibleControls(isEnding))
        ends.append(QStringLiteral("click ") + nameOf(c));
    ends.append(QStringLiteral("close ") + g_program.mainWindow);
    return ends.at(in.pick(static_cast<int>(ends.size())));
}

void checkEnded()
{
    for (QWidget *w : programWindows()) {
        if (w->isVisible())
            fail(QStringLiteral("window %1 is still visible after the program ended")
                     .arg(w->objectName()));
    }
}

void runSession(Bytes &in, Record &record)
{
    script::Session session([&record](const QString &line) { record.output.append(line); });
    session.setMessageObserver(checkMessage);
    g_session = &session;
    session.start(g_program.make);
    checkTexts(record);

    int typeBudget = MaxTyped;
    int actions = 0;
    while (!in.empty() && actions < MaxActions) {
        bool ending = false;
        const QString line = nextLine(in, typeBudget, &ending);
        if (line.isEmpty())
            continue;
        ++actions;
        record.script.append(line);
        if (!session.runLine(line, static_cast<int>(record.script.size())))
            fail(QStringLiteral("the script driver refused a line"));
        if (session.ended()) {
            checkEnded();
            return;
        }
        if (ending)
            fail(QStringLiteral("the program did not end"));
        checkTexts(record);
    }
}

} // namespace

void initialize(const Program &program)
{
    g_program = program;
    g_printScripts = !qEnvironmentVariableIsEmpty("FUZZ_PRINT_SCRIPT");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The application lives as long as the process.
    static int argc = 1;
    static char name[] = "windows-fuzz";
    static char *argv[] = {name, nullptr};
    auto *app = new QApplication(argc, argv);
    app->installEventFilter(new TypingWatcher);
}

int runInput(const uint8_t *data, size_t size)
{
    Bytes in(data, size);
    Record record;
    g_record = &record;
    runSession(in, record);
    g_session = nullptr;
    if (g_printScripts)
        printRecord(record);
    // Every input starts the program afresh: the session ended the program
    // and its windows with it.
    harness::settle();
    g_record = nullptr;
    return 0;
}

} // namespace windowsfuzz
