#pragma once
// Shared by every window test: a fresh program for each test function, its
// messages and its end captured, real clicks and keys, controls found by
// "WINDOW.NAME" through the program (all through the window harness the
// script tools use too), and a snapshot of everything a person sees. A test class holds one Session and calls begin() in init() and end()
// in cleanup().

#include "controltext.h"
#include "harness.h"
#include "runtime/form.h"
#include "runtime/messages.h"
#include "runtime/program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

namespace windowtest {

using Message = harness::Message;

template <typename Program>
class Session {
public:
    std::unique_ptr<Program> program;
    QList<Message> messages;
    int ends = 0;

    // The messages shown, each as "style title: prompt".
    QStringList messageLines() const
    {
        QStringList lines;
        for (const Message &m : messages)
            lines << QStringLiteral("%1 %2: %3").arg(m.style).arg(m.title, m.prompt);
        return lines;
    }

    // Makes and starts the program; its main window is active afterwards.
    void begin()
    {
        messages.clear();
        ends = 0;
        capture.reset();
        capture = std::make_unique<harness::Capture>(
            [this](const Message &m) { messages.append(m); }, [this] { ++ends; });
        program = std::make_unique<Program>();
        program->start();
        QVERIFY(!program->windows().isEmpty());
        QVERIFY(QTest::qWaitForWindowActive(program->windows().front()));
    }

    // Ends the program, which deletes every window it made.
    void end()
    {
        program.reset();
        capture.reset();
    }

    Program *operator->() const { return program.get(); }

    // A control by "WINDOW.NAME", or a window by its name alone; nullptr
    // when the window has not been made or has no such control.
    template <typename Control = QWidget>
    Control *find(const QString &reference) const
    {
        if (!reference.contains(QLatin1Char('.')))
            return qobject_cast<Control *>(program->window(reference));
        return qobject_cast<Control *>(harness::findControl(*program, reference));
    }

    // A real mouse click in the middle of a shown control.
    static void click(QWidget *control)
    {
        QVERIFY(control);
        QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
        harness::click(control);
    }
    void click(const QString &reference) const { click(find(reference)); }

    // Clicks into a box, empties it and types the text, as a person does.
    static void type(QLineEdit *box, const QString &text)
    {
        click(box);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        harness::typeKeys(box, text, harness::KeysTo::Control);
    }
    void type(const QString &reference, const QString &text) const
    {
        type(find<QLineEdit>(reference), text);
    }

    // A key pressed on the control that has the focus.
    static void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QVERIFY(QApplication::focusWidget());
        harness::pressKey(key, modifiers);
    }

    static QString focusName()
    {
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }

    static QString activeName() { return harness::activeWindowName(); }

    // The names of the program's windows on show.
    QStringList shownWindows() const
    {
        QStringList names;
        for (rt::Form *w : program->windows()) {
            if (w->isVisible())
                names << w->objectName();
        }
        return names;
    }

    // Everything a person sees, one line per item: which windows are shown
    // and which is active, every label, box and button text (with whether an
    // option is chosen), every tooltip, and where the focus is.
    QStringList snapshot() const
    {
        QStringList lines;
        for (rt::Form *w : program->windows()) {
            lines << QStringLiteral("%1 shown=%2").arg(w->objectName()).arg(w->isVisible());
            for (QWidget *c : w->findChildren<QWidget *>()) {
                QString text = controlText(c);
                if (auto *button = qobject_cast<QAbstractButton *>(c); button && button->isChecked())
                    text += " [x]";
                lines << QStringLiteral("%1.%2 \"%3\" tip \"%4\"")
                             .arg(w->objectName(), c->objectName(), text, c->toolTip());
            }
        }
        lines << QStringLiteral("active %1, focus %2").arg(activeName(), focusName());
        return lines;
    }

    // The snapshot just before a click on a control: a click gives the
    // control the focus first, whatever its handler then does.
    QStringList snapshotBeforeClick(QWidget *control) const
    {
        if (control->focusPolicy() & Qt::ClickFocus)
            control->setFocus(Qt::MouseFocusReason);
        return snapshot();
    }

    // The one message of a fault: style 16, titled with the program's name.
    void verifyOneFault(const char *programName) const
    {
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].style, int(rt::MessageStyle::Critical));
        QCOMPARE(messages[0].title, QString::fromLatin1(programName));
    }

private:
    std::unique_ptr<harness::Capture> capture;
};

} // namespace windowtest
