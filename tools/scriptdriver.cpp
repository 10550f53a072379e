#include "scriptdriver.h"

#include "runtime/form.h"
#include "runtime/messages.h"
#include "runtime/program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
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

QString json(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        case '\b': out += QLatin1String("\\b"); break;
        case '\f': out += QLatin1String("\\f"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

struct LineError {
    QString what;
};

QString parseText(const QString &raw)
{
    if (!raw.startsWith(QLatin1Char('"')))
        return raw;
    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson("[" + raw.toUtf8() + "]", &err);
    if (err.error != QJsonParseError::NoError || !doc.isArray() || doc.array().size() != 1
        || !doc.array().at(0).isString())
        throw LineError{QStringLiteral("bad JSON string: %1").arg(raw)};
    return doc.array().at(0).toString();
}

// Whether QTest knows the key of an ASCII character: the printable ones and
// the control characters of Backspace, Tab, Backtab, Return, Escape and two
// arrows. Any other character (a line feed, say) is typed as its text
// alone; QTest stops the process on a character it has no key for.
bool hasKey(QChar ch)
{
    const char16_t c = ch.unicode();
    return (c >= 0x20 && c < 0x7f) || c == 0x08 || c == 0x09 || c == 0x0b || c == 0x0d
        || c == 0x13 || c == 0x15 || c == 0x1b;
}

bool showsText(QWidget *c)
{
    return qobject_cast<QLabel *>(c) || qobject_cast<QLineEdit *>(c)
        || qobject_cast<QAbstractButton *>(c);
}

} // namespace

class Session::Driver {
public:
    explicit Driver(Output output) : writeLine(std::move(output)) {}

    bool runLine(const QString &line, int number);
    void execute(const QString &line);
    QList<QWidget *> createdWindows() const;
    QWidget *window(const QString &name) const;
    QWidget *visibleWindow(const QString &name) const;
    QWidget *control(const QString &ref) const;
    QString nameOf(const QWidget *control) const;
    void ensureActive(QWidget *control);
    void typeText(QWidget *control, const QString &text);
    void print(QWidget *control);
    void printWindows();
    void printFocus();

    Output writeLine;
    std::unique_ptr<rt::Program> program;
    bool m_ended = false;
    bool m_failed = false;
};

Session::Session(Output output)
    : d(std::make_unique<Driver>(output ? std::move(output) : Output(writeStdout)))
{
    rt::setMessagePresenter([this](int style, const QString &title, const QString &prompt) {
        d->writeLine(QStringLiteral("message %1 %2 %3").arg(style).arg(json(title), json(prompt)));
    });
    rt::setEndHandler([this] {
        if (d->m_ended)
            return;
        d->m_ended = true;
        for (QWidget *w : QApplication::topLevelWidgets())
            w->hide();
        d->writeLine(QStringLiteral("ended"));
    });
}

Session::~Session()
{
    d->program.reset();
    rt::setEndHandler({});
    rt::setMessagePresenter({});
}

void Session::start(const rt::ProgramFactory &make)
{
    d->program = make();
    d->program->start();
    settle();
}

bool Session::ended() const
{
    return d->m_ended;
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
    settle();
    return ran;
}

QList<QWidget *> Session::Driver::createdWindows() const
{
    QList<QWidget *> result;
    if (program) {
        for (rt::Form *w : program->windows())
            result.append(w);
    }
    std::sort(result.begin(), result.end(),
              [](QWidget *a, QWidget *b) { return a->objectName() < b->objectName(); });
    return result;
}

QWidget *Session::Driver::window(const QString &name) const
{
    for (QWidget *w : createdWindows()) {
        if (w->objectName() == name)
            return w;
    }
    return nullptr;
}

QWidget *Session::Driver::visibleWindow(const QString &name) const
{
    QWidget *w = window(name);
    if (!w)
        throw LineError{QStringLiteral("window %1 does not exist yet").arg(name)};
    if (!w->isVisible())
        throw LineError{QStringLiteral("window %1 is hidden").arg(name)};
    return w;
}

QWidget *Session::Driver::control(const QString &ref) const
{
    QWidget *found = nullptr;
    const int dot = ref.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        const QString windowName = ref.left(dot);
        const QString name = ref.mid(dot + 1);
        QWidget *w = window(windowName);
        if (!w)
            throw LineError{QStringLiteral("window %1 does not exist yet").arg(windowName)};
        found = w->findChild<QWidget *>(name);
        if (!found || name.isEmpty())
            throw LineError{QStringLiteral("unknown control %1").arg(ref)};
    } else {
        for (QWidget *w : createdWindows()) {
            if (QWidget *c = w->findChild<QWidget *>(ref)) {
                if (found)
                    throw LineError{QStringLiteral("ambiguous control %1").arg(ref)};
                found = c;
            }
        }
        if (!found || ref.isEmpty())
            throw LineError{QStringLiteral("unknown control %1").arg(ref)};
    }
    if (!found->window()->isVisible())
        throw LineError{QStringLiteral("window %1 is hidden").arg(found->window()->objectName())};
    if (!found->isVisible())
        throw LineError{QStringLiteral("control %1 is hidden").arg(ref)};
    return found;
}

QString Session::Driver::nameOf(const QWidget *c) const
{
    return c->window()->objectName() + QLatin1Char('.') + c->objectName();
}

// A person clicking into a window behind others brings it to the front.
void Session::Driver::ensureActive(QWidget *c)
{
    QWidget *w = c->window();
    if (QApplication::activeWindow() != w) {
        rt::bringToFront(w);
        settle();
    }
}

void Session::Driver::typeText(QWidget *c, const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        QWidget *target = QApplication::focusWidget();
        if (!target)
            target = c;
        const QChar ch = text.at(i);
        if (ch.isHighSurrogate() && i + 1 < text.size()) {
            const QString pair = text.mid(i, 2);
            QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, pair, Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, pair, Qt::NoModifier);
            ++i;
        } else if (hasKey(ch)) {
            QTest::keyClick(target, static_cast<char>(ch.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

void Session::Driver::print(QWidget *c)
{
    if (auto *option = qobject_cast<QRadioButton *>(c)) {
        writeLine(QStringLiteral("option %1 %2 %3")
                 .arg(nameOf(c), json(option->text()),
                      option->isChecked() ? QStringLiteral("on") : QStringLiteral("off")));
    } else if (auto *button = qobject_cast<QAbstractButton *>(c)) {
        writeLine(QStringLiteral("text %1 %2").arg(nameOf(c), json(button->text())));
    } else if (auto *label = qobject_cast<QLabel *>(c)) {
        writeLine(QStringLiteral("text %1 %2").arg(nameOf(c), json(label->text())));
    } else if (auto *box = qobject_cast<QLineEdit *>(c)) {
        writeLine(QStringLiteral("text %1 %2").arg(nameOf(c), json(box->text())));
    } else {
        throw LineError{QStringLiteral("control %1 shows no text").arg(nameOf(c))};
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
    QWidget *active = QApplication::activeWindow();
    writeLine(QStringLiteral("active ")
         + (active && !active->objectName().isEmpty() ? active->objectName()
                                                       : QStringLiteral("none")));
}

void Session::Driver::printFocus()
{
    QWidget *f = QApplication::focusWidget();
    if (f && !f->objectName().isEmpty() && !f->window()->objectName().isEmpty())
        writeLine(QStringLiteral("focus ") + nameOf(f));
    else
        writeLine(QStringLiteral("focus none"));
}

void Session::Driver::execute(const QString &line)
{
    const int blank = line.indexOf(QLatin1Char(' '));
    const QString command = blank < 0 ? line : line.left(blank);
    const QString rest = blank < 0 ? QString() : line.mid(blank + 1);
    // The first word of the rest, and the text after its blank.
    const int restBlank = rest.indexOf(QLatin1Char(' '));
    const QString target = restBlank < 0 ? rest : rest.left(restBlank);
    const bool hasText = restBlank >= 0;
    const QString rawText = hasText ? rest.mid(restBlank + 1) : QString();

    auto needOnly = [&](bool ok) {
        if (!ok)
            throw LineError{QStringLiteral("usage: %1").arg(line)};
    };

    if (command == QLatin1String("click")) {
        needOnly(!target.isEmpty() && !hasText);
        QWidget *c = control(target);
        ensureActive(c);
        QTest::mouseClick(c, Qt::LeftButton, Qt::NoModifier, c->rect().center());
    } else if (command == QLatin1String("type") || command == QLatin1String("set")) {
        needOnly(!target.isEmpty() && hasText);
        QWidget *c = control(target);
        auto *box = qobject_cast<QLineEdit *>(c);
        if (!box)
            throw LineError{QStringLiteral("%1 is not a text box").arg(target)};
        const QString text = parseText(rawText);
        ensureActive(c);
        QTest::mouseClick(c, Qt::LeftButton, Qt::NoModifier, c->rect().center());
        if (command == QLatin1String("type")) {
            QTest::keyClick(box, Qt::Key_End);
        } else {
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            if (text.isEmpty())
                QTest::keyClick(box, Qt::Key_Delete);
        }
        typeText(c, text);
    } else if (command == QLatin1String("key")) {
        needOnly(!target.isEmpty() && !hasText);
        static const QHash<QString, Qt::Key> keys = {
            {QStringLiteral("Tab"), Qt::Key_Tab},       {QStringLiteral("Backtab"), Qt::Key_Backtab},
            {QStringLiteral("Return"), Qt::Key_Return}, {QStringLiteral("Enter"), Qt::Key_Enter},
            {QStringLiteral("Escape"), Qt::Key_Escape}, {QStringLiteral("Space"), Qt::Key_Space},
        };
        const auto it = keys.find(target);
        if (it == keys.end())
            throw LineError{QStringLiteral("unknown key %1").arg(target)};
        QWidget *f = QApplication::focusWidget();
        if (!f)
            f = QApplication::activeWindow();
        if (f) {
            const Qt::KeyboardModifiers mods =
                it.value() == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
            QTest::keyClick(f, it.value(), mods);
        }
    } else if (command == QLatin1String("close")) {
        needOnly(!target.isEmpty() && !hasText);
        visibleWindow(target)->close();
    } else if (command == QLatin1String("print")) {
        needOnly(!target.isEmpty() && !hasText);
        print(control(target));
    } else if (command == QLatin1String("windows")) {
        needOnly(rest.isEmpty());
        printWindows();
    } else if (command == QLatin1String("focus")) {
        needOnly(rest.isEmpty());
        printFocus();
    } else if (command == QLatin1String("state")) {
        needOnly(rest.isEmpty());
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
            std::sort(controls.begin(), controls.end(), [](QWidget *a, QWidget *b) {
                return a->objectName() < b->objectName();
            });
            for (QWidget *c : controls)
                print(c);
        }
    } else if (command == QLatin1String("snapshot")) {
        needOnly(!target.isEmpty() && hasText);
        QWidget *w = visibleWindow(target);
        settle();
        if (!w->grab().save(parseText(rawText), "PNG"))
            throw LineError{QStringLiteral("cannot write %1").arg(rawText)};
    } else {
        throw LineError{QStringLiteral("unknown command %1").arg(command)};
    }
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
