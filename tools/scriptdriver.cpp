#include "scriptdriver.h"

#include "harness.h"
#include "runtime/form.h"
#include "runtime/program.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>

namespace script {
namespace {

void writeStdout(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

using harness::jsonString;

struct LineError {
    QString what;
};

// TEXT as the contract reads it: literally, or one JSON string when it
// begins with a double quote.
QString parseText(const QString &raw)
{
    if (!raw.startsWith(QLatin1Char('"')))
        return raw;
    const std::optional<QString> text = harness::readJsonString(raw);
    if (!text)
        throw LineError{QStringLiteral("bad JSON string: %1").arg(raw)};
    return *text;
}

bool showsText(QWidget *c)
{
    return qobject_cast<QLabel *>(c) || qobject_cast<QLineEdit *>(c)
        || qobject_cast<QAbstractButton *>(c) || qobject_cast<QComboBox *>(c);
}

// A command line past its command word.
struct Arguments {
    QString line;
    QString rest; // everything after the command word's blank
    QString word; // the first word of the rest: a control, a window, a key
    QString text; // the rest after that word's blank, as written
};

// What a command takes after its word; a line of another shape is an error.
enum class Shape {
    Nothing,     // windows
    Word,        // click CONTROL
    WordAndText, // type CONTROL TEXT (TEXT may be empty)
    Text,        // file PATH
};

} // namespace

class Session::Driver {
public:
    explicit Driver(Output output)
        : writeLine(std::move(output)),
          capture([this](const harness::Message &m) { showMessage(m); }, [this] { end(); })
    {
    }

    bool runLine(const QString &line, int number);
    void execute(const QString &line);
    void showMessage(const harness::Message &m);
    void end();

    QList<rt::Form *> createdWindows() const;
    QWidget *visibleWindow(const QString &name) const;
    QWidget *control(const QString &ref) const;
    void typeInto(const Arguments &a, bool replace);
    void printControl(QWidget *control);
    void printWindows();
    void printFocus();

    // The commands, one handler each.
    void click(const Arguments &a);
    void type(const Arguments &a) { typeInto(a, false); }
    void set(const Arguments &a) { typeInto(a, true); }
    // Chooses the item of a list one cannot type in whose text is `text`,
    // as a person does: the list opened by a click, the item clicked.
    void choose(QComboBox *list, const QString &text);
    void key(const Arguments &a);
    void close(const Arguments &a);
    void print(const Arguments &a);
    void windows(const Arguments &) { printWindows(); }
    void focus(const Arguments &) { printFocus(); }
    void state(const Arguments &a);
    void snapshot(const Arguments &a);
    void file(const Arguments &a);
    void clipboard(const Arguments &a);

    struct Command {
        const char *word;
        Shape shape;
        void (Driver::*run)(const Arguments &);
    };
    static const Command commands[];

    Output writeLine;
    harness::Capture capture;
    std::function<void(const harness::Message &)> messageObserver;
    std::unique_ptr<rt::Program> program;
    bool m_ended = false;
    bool m_failed = false;
};

const Session::Driver::Command Session::Driver::commands[] = {
    {"click", Shape::Word, &Driver::click},
    {"type", Shape::WordAndText, &Driver::type},
    {"set", Shape::WordAndText, &Driver::set},
    {"key", Shape::Word, &Driver::key},
    {"close", Shape::Word, &Driver::close},
    {"print", Shape::Word, &Driver::print},
    {"windows", Shape::Nothing, &Driver::windows},
    {"focus", Shape::Nothing, &Driver::focus},
    {"state", Shape::Nothing, &Driver::state},
    {"snapshot", Shape::WordAndText, &Driver::snapshot},
    {"file", Shape::Text, &Driver::file},
    {"clipboard", Shape::Nothing, &Driver::clipboard},
};

Session::Session(Output output)
    : d(std::make_unique<Driver>(output ? std::move(output) : Output(writeStdout)))
{
}

Session::~Session()
{
    d->program.reset();
}

void Session::start(const rt::ProgramFactory &make)
{
    d->program = make();
    d->program->start();
    harness::settle();
}

bool Session::ended() const
{
    return d->m_ended;
}

const rt::Program *Session::program() const
{
    return d->program.get();
}

void Session::setMessageObserver(std::function<void(const harness::Message &)> observer)
{
    d->messageObserver = std::move(observer);
}

bool Session::runLine(const QString &line, int number)
{
    return d->runLine(line, number);
}

int Session::run(std::istream &in)
{
    // Lines are run as they arrive, so a session can be fed a command at a
    // time and watched.
    std::string raw;
    for (int number = 1; std::getline(in, raw); ++number) {
        QString line = QString::fromUtf8(raw.data(), static_cast<int>(raw.size()));
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        runLine(line, number);
    }
    return d->m_failed ? 2 : 0;
}

void Session::Driver::showMessage(const harness::Message &m)
{
    writeLine(QStringLiteral("message %1 %2 %3")
                  .arg(m.style)
                  .arg(jsonString(m.title), jsonString(m.prompt)));
    if (messageObserver)
        messageObserver(m);
}

void Session::Driver::end()
{
    if (m_ended)
        return;
    m_ended = true;
    for (QWidget *w : QApplication::topLevelWidgets())
        w->hide();
    writeLine(QStringLiteral("ended"));
}

bool Session::Driver::runLine(const QString &line, int number)
{
    if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
        return true;
    if (m_ended)
        return true;
    bool ran = true;
    try {
        execute(line);
    } catch (const LineError &e) {
        m_failed = true;
        ran = false;
        writeLine(QStringLiteral("error %1: %2").arg(number).arg(e.what));
    }
    harness::settle();
    return ran;
}

void Session::Driver::execute(const QString &line)
{
    const int blank = line.indexOf(QLatin1Char(' '));
    const QString word = blank < 0 ? line : line.left(blank);
    Arguments a;
    a.line = line;
    a.rest = blank < 0 ? QString() : line.mid(blank + 1);
    const int restBlank = a.rest.indexOf(QLatin1Char(' '));
    const bool hasText = restBlank >= 0;
    a.word = hasText ? a.rest.left(restBlank) : a.rest;
    a.text = hasText ? a.rest.mid(restBlank + 1) : QString();

    const Command *command = std::find_if(std::begin(commands), std::end(commands),
                                          [&](const Command &c) { return word == QLatin1String(c.word); });
    if (command == std::end(commands))
        throw LineError{QStringLiteral("unknown command %1").arg(word)};
    bool fits = false;
    switch (command->shape) {
    case Shape::Nothing: fits = a.rest.isEmpty(); break;
    case Shape::Word: fits = !a.word.isEmpty() && !hasText; break;
    case Shape::WordAndText: fits = !a.word.isEmpty() && hasText; break;
    case Shape::Text: fits = !a.rest.isEmpty(); break;
    }
    if (!fits)
        throw LineError{QStringLiteral("usage: %1").arg(line)};
    (this->*command->run)(a);
}

QList<rt::Form *> Session::Driver::createdWindows() const
{
    return program ? harness::windowsByName(*program) : QList<rt::Form *>();
}

QWidget *Session::Driver::visibleWindow(const QString &name) const
{
    QWidget *w = program ? program->window(name) : nullptr;
    if (!w)
        throw LineError{QStringLiteral("window %1 does not exist yet").arg(name)};
    if (!w->isVisible())
        throw LineError{QStringLiteral("window %1 is hidden").arg(name)};
    return w;
}

QWidget *Session::Driver::control(const QString &ref) const
{
    if (!program)
        throw LineError{QStringLiteral("no program is running")};
    QString error;
    QWidget *found = harness::findControl(*program, ref, &error);
    if (!found)
        throw LineError{error};
    error = harness::whyUnreachable(found, ref);
    if (!error.isEmpty())
        throw LineError{error};
    return found;
}

void Session::Driver::choose(QComboBox *list, const QString &text)
{
    const int index = list->findText(text, Qt::MatchExactly);
    if (index < 0)
        throw LineError{QStringLiteral("%1 has no item %2").arg(harness::nameOf(list), jsonString(text))};
    // An open list takes no click for as long as a double click lasts, so
    // that the release of the click that opened it chooses nothing. A person
    // waits that long without noticing; the session shortens the wait while
    // it chooses.
    const int doubleClick = QApplication::doubleClickInterval();
    QApplication::setDoubleClickInterval(1);
    harness::bringToFront(list);
    harness::click(list);
    QAbstractItemView *view = list->view();
    const bool opened = QTest::qWaitFor([view] { return view->isVisible(); }, 2000);
    if (!opened) {
        QApplication::setDoubleClickInterval(doubleClick);
        throw LineError{QStringLiteral("%1 did not open its list").arg(harness::nameOf(list))};
    }
    const QModelIndex item = view->model()->index(index, list->modelColumn(), view->rootIndex());
    view->scrollTo(item);
    const QPoint at = view->visualRect(item).center();
    QTest::qWait(5);
    QTest::mouseMove(view->viewport(), at);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QApplication::setDoubleClickInterval(doubleClick);
    (void)QTest::qWaitFor([view] { return !view->isVisible(); }, 2000);
}

void Session::Driver::typeInto(const Arguments &a, bool replace)
{
    QWidget *c = control(a.word);
    if (auto *list = qobject_cast<QComboBox *>(c); list && !list->isEditable()) {
        if (!replace)
            throw LineError{QStringLiteral("%1 takes no typing").arg(a.word)};
        choose(list, parseText(a.text));
        return;
    }
    auto *box = qobject_cast<QLineEdit *>(c);
    // A list one can type in is typed in through its box.
    if (auto *list = qobject_cast<QComboBox *>(c); list && list->isEditable())
        box = list->lineEdit();
    if (!box)
        throw LineError{QStringLiteral("%1 is not a text box").arg(a.word)};
    const QString text = parseText(a.text);
    harness::bringToFront(c);
    harness::click(box);
    if (replace) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
    } else {
        QTest::keyClick(box, Qt::Key_End);
    }
    harness::typeKeys(c, text);
}

void Session::Driver::printControl(QWidget *c)
{
    const QString name = harness::nameOf(c);
    const auto onOff = [](const QAbstractButton *b) {
        return b->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
    };
    if (auto *option = qobject_cast<QRadioButton *>(c)) {
        writeLine(QStringLiteral("option %1 %2 %3").arg(name, jsonString(option->text()), onOff(option)));
    } else if (auto *box = qobject_cast<QCheckBox *>(c)) {
        writeLine(QStringLiteral("check %1 %2 %3").arg(name, jsonString(box->text()), onOff(box)));
    } else if (auto *button = qobject_cast<QAbstractButton *>(c)) {
        writeLine(QStringLiteral("text %1 %2").arg(name, jsonString(button->text())));
    } else if (auto *label = qobject_cast<QLabel *>(c)) {
        writeLine(QStringLiteral("text %1 %2").arg(name, jsonString(label->text())));
    } else if (auto *box = qobject_cast<QLineEdit *>(c)) {
        writeLine(QStringLiteral("text %1 %2").arg(name, jsonString(box->text())));
    } else if (auto *list = qobject_cast<QComboBox *>(c)) {
        writeLine(QStringLiteral("text %1 %2").arg(name, jsonString(list->currentText())));
    } else {
        throw LineError{QStringLiteral("control %1 shows no text").arg(name)};
    }
}

void Session::Driver::printWindows()
{
    QString line = QStringLiteral("windows");
    for (QWidget *w : createdWindows()) {
        if (w->isVisible())
            line += QLatin1Char(' ') + w->objectName();
    }
    writeLine(line);
    const QString active = harness::activeWindowName();
    writeLine(QStringLiteral("active ") + (active.isEmpty() ? QStringLiteral("none") : active));
}

void Session::Driver::printFocus()
{
    const QString focus = harness::focusReference();
    writeLine(QStringLiteral("focus ") + (focus.isEmpty() ? QStringLiteral("none") : focus));
}

void Session::Driver::click(const Arguments &a)
{
    QWidget *c = control(a.word);
    harness::bringToFront(c);
    harness::click(c);
}

void Session::Driver::key(const Arguments &a)
{
    const std::optional<Qt::Key> key = harness::namedKey(a.word);
    if (!key)
        throw LineError{QStringLiteral("unknown key %1").arg(a.word)};
    // A keyboard makes Backtab with Shift.
    harness::pressKey(*key, *key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
}

void Session::Driver::close(const Arguments &a)
{
    visibleWindow(a.word)->close();
}

void Session::Driver::print(const Arguments &a)
{
    printControl(control(a.word));
}

void Session::Driver::state(const Arguments &)
{
    printWindows();
    printFocus();
    for (QWidget *w : createdWindows()) {
        if (!w->isVisible())
            continue;
        QList<QWidget *> controls;
        for (QWidget *c : w->findChildren<QWidget *>()) {
            if (!c->objectName().isEmpty() && showsText(c))
                controls.append(c);
        }
        std::sort(controls.begin(), controls.end(),
                  [](QWidget *x, QWidget *y) { return x->objectName() < y->objectName(); });
        for (QWidget *c : controls)
            printControl(c);
    }
}

void Session::Driver::snapshot(const Arguments &a)
{
    QWidget *w = visibleWindow(a.word);
    harness::settle();
    if (!w->grab().save(parseText(a.text), "PNG"))
        throw LineError{QStringLiteral("cannot write %1").arg(a.text)};
}

void Session::Driver::file(const Arguments &a)
{
    const QString path = parseText(a.rest);
    if (path.isEmpty())
        throw LineError{QStringLiteral("usage: %1").arg(a.line)};
    capture.answerNextFile(path);
}

void Session::Driver::clipboard(const Arguments &)
{
    writeLine(QStringLiteral("clipboard ") + jsonString(QGuiApplication::clipboard()->text()));
}

void useOffscreenUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int run(int argc, char **argv, const rt::ProgramFactory &make)
{
    std::ifstream file;
    if (argc > 1) {
        file.open(argv[1], std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
            return 2;
        }
    }
    // Messages during start-up are recorded like any other.
    Session session;
    session.start(make);
    return session.run(argc > 1 ? static_cast<std::istream &>(file) : std::cin);
}

} // namespace script
