#include "harness.h"

#include "runtime/messages.h"

#include <QApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace harness {

void settle(int rounds)
{
    for (int i = 0; i < rounds; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

Capture::Capture(MessageHandler onMessage, EndHandler onEnd)
{
    rt::setMessagePresenter(
        [onMessage = std::move(onMessage)](const QString &prompt, int style, const QString &title) {
            if (onMessage)
                onMessage(Message{style, title, prompt});
        });
    rt::setEndHandler([onEnd = std::move(onEnd)] {
        if (onEnd)
            onEnd();
    });
    rt::setSaveFileAsker([this](const QString &, const QString &, const QString &) {
        return std::exchange(m_nextFile, QString());
    });
}

Capture::~Capture()
{
    rt::setSaveFileAsker({});
    rt::setEndHandler({});
    rt::setMessagePresenter({});
}

void Capture::answerNextFile(const QString &path)
{
    m_nextFile = path;
}

QList<rt::Form *> windowsByName(const rt::Program &program)
{
    QList<rt::Form *> result = program.windows();
    std::sort(result.begin(), result.end(),
              [](const rt::Form *a, const rt::Form *b) { return a->objectName() < b->objectName(); });
    return result;
}

QString nameOf(const QWidget *control)
{
    return control->window()->objectName() + QLatin1Char('.') + control->objectName();
}

QWidget *findControl(const rt::Program &program, const QString &reference, QString *error)
{
    auto fail = [error](const QString &why) -> QWidget * {
        if (error)
            *error = why;
        return nullptr;
    };
    const QString unknown = QStringLiteral("unknown control %1").arg(reference);
    const int dot = reference.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        const QString windowName = reference.left(dot);
        const QString name = reference.mid(dot + 1);
        rt::Form *window = program.window(windowName);
        if (!window)
            return fail(QStringLiteral("window %1 does not exist yet").arg(windowName));
        QWidget *found = name.isEmpty() ? nullptr : window->findChild<QWidget *>(name);
        return found ? found : fail(unknown);
    }
    if (reference.isEmpty())
        return fail(unknown);
    QWidget *found = nullptr;
    for (rt::Form *window : windowsByName(program)) {
        if (QWidget *c = window->findChild<QWidget *>(reference)) {
            if (found)
                return fail(QStringLiteral("ambiguous control %1").arg(reference));
            found = c;
        }
    }
    return found ? found : fail(unknown);
}

QString whyUnreachable(const QWidget *control, const QString &reference)
{
    if (!control->window()->isVisible())
        return QStringLiteral("window %1 is hidden").arg(control->window()->objectName());
    if (!control->isVisible())
        return QStringLiteral("control %1 is hidden").arg(reference);
    return QString();
}

QString activeWindowName()
{
    const QWidget *active = QApplication::activeWindow();
    return active ? active->objectName() : QString();
}

QString focusReference()
{
    const QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->objectName().isEmpty() || focus->window()->objectName().isEmpty())
        return QString();
    return nameOf(focus);
}

void click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

void bringToFront(QWidget *control)
{
    QWidget *window = control->window();
    if (QApplication::activeWindow() != window) {
        rt::bringToFront(window);
        settle();
    }
}

namespace {

// Whether QTest knows the key of an ASCII character: the printable ones and
// the control characters of Backspace, Tab, Backtab, Return, Escape and two
// arrows. QTest stops the process on a character it has no key for.
bool hasKey(QChar ch)
{
    const char16_t c = ch.unicode();
    return (c >= 0x20 && c < 0x7f) || c == 0x08 || c == 0x09 || c == 0x0b || c == 0x0d
        || c == 0x13 || c == 0x15 || c == 0x1b;
}

void sendText(QWidget *target, const QString &text)
{
    QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, text, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, text, Qt::NoModifier);
}

} // namespace

void typeKeys(QWidget *control, const QString &text, KeysTo to)
{
    for (int i = 0; i < text.size(); ++i) {
        QWidget *target = to == KeysTo::Focus ? QApplication::focusWidget() : control;
        if (!target)
            target = control;
        const QChar ch = text.at(i);
        if (ch.isHighSurrogate() && i + 1 < text.size()) {
            sendText(target, text.mid(i, 2));
            ++i;
        } else if (hasKey(ch)) {
            QTest::keyClick(target, static_cast<char>(ch.unicode()));
        } else {
            sendText(target, QString(ch));
        }
    }
}

std::optional<Qt::Key> namedKey(const QString &name)
{
    static const QHash<QString, Qt::Key> keys = {
        {QStringLiteral("Tab"), Qt::Key_Tab},       {QStringLiteral("Backtab"), Qt::Key_Backtab},
        {QStringLiteral("Return"), Qt::Key_Return}, {QStringLiteral("Enter"), Qt::Key_Enter},
        {QStringLiteral("Escape"), Qt::Key_Escape}, {QStringLiteral("Space"), Qt::Key_Space},
    };
    const auto it = keys.find(name);
    if (it == keys.end())
        return std::nullopt;
    return it.value();
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (target)
        QTest::keyClick(target, key, modifiers);
}

QString jsonString(const QString &text)
{
    // Qt's writer escapes a lone surrogate as \uXXXX; encoding to UTF-8
    // turns it into "?", and so does this.
    QString clean = text;
    for (int i = 0; i < clean.size(); ++i) {
        if (clean.at(i).isHighSurrogate() && i + 1 < clean.size() && clean.at(i + 1).isLowSurrogate())
            ++i;
        else if (clean.at(i).isSurrogate())
            clean[i] = QLatin1Char('?');
    }
    // ["..."]: the array's brackets off.
    const QByteArray array = QJsonDocument(QJsonArray{clean}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

std::optional<QString> readJsonString(const QString &raw)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson('[' + raw.toUtf8() + ']', &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray() || doc.array().size() != 1
        || !doc.array().at(0).isString())
        return std::nullopt;
    return doc.array().at(0).toString();
}

} // namespace harness
