// What a screen reader finds in the thread calculator: every window opened
// the way a person opens it, every control in it named, each name the
// caption the control stands under or beside; Click to Select is a button
// that can be pressed without the mouse.
#include "accessibility.h"
#include "kervadin/frmcheck.h"
#include "kervadin/frmkervadin3.h"
#include "kervadin/frmtype.h"
#include "kervadin/kervadin.h"
#include "runtime/controls.h"

#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace kervadin;

class TestKervadinAccessibility : public QObject {
    Q_OBJECT

    FrmKervadin3 *w = nullptr;

    static QWidget *shownWindow(const QString &name)
    {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->objectName() == name && top->isVisible())
                return top;
        }
        return nullptr;
    }

    // Clicks "WINDOW.CONTROL" on a shown window.
    static bool click(const QString &reference)
    {
        const QStringList parts = reference.split(QLatin1Char('.'));
        QWidget *window = shownWindow(parts[0]);
        QWidget *control = window ? window->findChild<QWidget *>(parts[1]) : nullptr;
        if (!control)
            return false;
        QTest::mouseClick(control, Qt::LeftButton);
        return true;
    }

    // Opens a window by the clicks a person makes from the main window.
    static QWidget *open(const QString &window)
    {
        static const QHash<QString, QString> typeButtons = {
            {"frmBSFsize", "cmdBSF"}, {"frmWhitsize", "cmdWhit"}, {"frmUNCsize", "cmdUNC"},
            {"frmUNFsize", "cmdUNF"}, {"frmBAsize", "cmdBA"},     {"frmMetsize", "cmdMetric"},
            {"frmCustom", "cmdCustom"},
        };
        if (window == QLatin1String("frmCheck")) {
            if (!click(QStringLiteral("frmKervadin3.cmdCheck")))
                return nullptr;
        } else if (window != QLatin1String("frmKervadin3")) {
            if (!click(QStringLiteral("frmKervadin3.CtS")))
                return nullptr;
            if (typeButtons.contains(window)
                && !click(QStringLiteral("frmType.") + typeButtons[window]))
                return nullptr;
        }
        return shownWindow(window);
    }

private slots:
    void initTestCase()
    {
        rt::setMessagePresenter([](int, const QString &, const QString &) {});
        rt::setEndHandler([] {});
        start();
        w = frmKervadin3();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    void everyControlIsNamed_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("controls"); // labels, boxes, buttons and options it shows
        QTest::newRow("measurement") << "frmKervadin3" << 30;
        QTest::newRow("chooser") << "frmType" << 8;
        QTest::newRow("B.S.F.") << "frmBSFsize" << 13;
        QTest::newRow("Whitworth") << "frmWhitsize" << 13;
        QTest::newRow("U.N.C.") << "frmUNCsize" << 13;
        QTest::newRow("U.N.F.") << "frmUNFsize" << 13;
        QTest::newRow("B.A.") << "frmBAsize" << 13;
        QTest::newRow("Metric") << "frmMetsize" << 15;
        QTest::newRow("custom") << "frmCustom" << 9;
        QTest::newRow("check") << "frmCheck" << 40;
    }

    void everyControlIsNamed()
    {
        QFETCH(QString, window);
        QFETCH(int, controls);
        QWidget *shown = open(window);
        QVERIFY(shown);
        int walked = 0;
        const QStringList unnamed = accessibility::unnamedControls(shown, &walked);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
        QCOMPARE(walked, controls);
    }

    void namesAreTheCaptions_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        const int label = QAccessible::StaticText;
        const int box = QAccessible::EditableText;
        const int push = QAccessible::PushButton;
        const int option = QAccessible::RadioButton;

        QTest::newRow("selected thread") << "frmKervadin3" << "lblSelected" << label << "Selected Thread";
        QTest::newRow("over wires") << "frmKervadin3" << "lblOver" << label << "Dimension Over Wires";
        QTest::newRow("actual wire") << "frmKervadin3" << "txtActual" << box << "Actual Wire Size";
        QTest::newRow("preferred") << "frmKervadin3" << "lblPref" << label << "Preferred Wire Size";
        QTest::newRow("units") << "frmKervadin3" << "lblMillinches" << label << "Units";
        QTest::newRow("click to select") << "frmKervadin3" << "CtS" << push << "Click to Select";
        QTest::newRow("calculate") << "frmKervadin3" << "cmdCalc" << push << "Calculate";
        QTest::newRow("caption") << "frmKervadin3" << "Label9" << label << "Dimension Over Wires";
        QTest::newRow("type button") << "frmType" << "cmdWhit" << push << "Whitworth";
        QTest::newRow("size option") << "frmBSFsize" << "optBSF10" << option << "1 inch";
        QTest::newRow("metric option") << "frmMetsize" << "optMet1" << option << "2.5";
        QTest::newRow("custom diameter") << "frmCustom" << "txtCustdia" << box << "Diameter";
        QTest::newRow("custom pitch") << "frmCustom" << "txtCustpitch" << box << "Pitch or T.P.I.";
        QTest::newRow("custom angle") << "frmCustom" << "opt60" << option << "60 deg. Angle.";
        QTest::newRow("check reading") << "frmKervadin3" << "cmdCheck" << push << "Check Reading";
        QTest::newRow("reading box") << "frmCheck" << "txtReading3" << box << "Reading 3";
        QTest::newRow("limit box") << "frmCheck" << "txtPDmin" << box << "Minimum Pitch Diameter";
        QTest::newRow("class") << "frmCheck" << "opt2A" << option << "Class 2A";
        QTest::newRow("verdict") << "frmCheck" << "lblVerdict" << label << "Verdict";
    }

    void namesAreTheCaptions()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QWidget *shown = open(window);
        QVERIFY(shown);
        QWidget *widget = shown->findChild<QWidget *>(control);
        QVERIFY(widget);
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(node);
        QCOMPARE(int(node->role()), role);
        QCOMPARE(node->text(QAccessible::Name), name);
    }

    // A value field says both what it is and what it shows.
    void valueFieldsOfferWhatTheyShow()
    {
        w->lblOver->setText(QStringLiteral("6.2155"));
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(w->lblOver);
        QCOMPARE(node->text(QAccessible::Name), QStringLiteral("Dimension Over Wires"));
        QCOMPARE(node->text(QAccessible::Value), QStringLiteral("6.2155"));
        QAccessibleTextInterface *text = node->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("6.2155"));
        text->setSelection(0, 2, 6);
        QCOMPARE(w->lblOver->selectedText(), QStringLiteral("2155"));
    }

    void clickToSelectIsPressedByAssistiveTechnology()
    {
        frmType()->hide();
        w->txtActual->setText(QStringLiteral("0.05"));
        w->lblOver->setText(QStringLiteral("6.2155"));
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(w->CtS);
        QVERIFY(node);
        QAccessibleActionInterface *actions = node->actionInterface();
        QVERIFY(actions);
        const QString press = QAccessibleActionInterface::pressAction();
        QVERIFY(actions->actionNames().contains(press));
        QCOMPARE(actions->keyBindingsForAction(press),
                 QStringList{QKeySequence(Qt::ALT | Qt::Key_S).toString(QKeySequence::NativeText)});

        actions->doAction(press);
        QVERIFY(frmType()->isVisible());
        QVERIFY(w->txtActual->text().isEmpty());
        QVERIFY(w->lblOver->text().isEmpty());
    }

    void altSSelectsFromTheKeyboard()
    {
        frmType()->hide();
        w->focusActual();
        QTRY_COMPARE(QApplication::focusWidget(), w->txtActual);
        w->txtActual->setText(QStringLiteral("0.05"));
        QTest::keyClick(w->txtActual, Qt::Key_S, Qt::AltModifier);
        QVERIFY(frmType()->isVisible());
        QVERIFY(w->txtActual->text().isEmpty());
    }

    // Alt+R opens the check with the focus in its first reading box, though
    // Check Reading is no stop of the measurement window's tab order.
    void altROpensTheCheckFromTheKeyboard()
    {
        frmCheck()->hide();
        frmType()->hide();
        w->focusActual();
        QTRY_COMPARE(QApplication::focusWidget(), w->txtActual);
        QCOMPARE(w->cmdCheck->focusPolicy(), Qt::NoFocus);
        QTest::keyClick(w->txtActual, Qt::Key_R, Qt::AltModifier);
        // A button's shortcut presses it as a click shown on the screen, a
        // moment later.
        QTRY_VERIFY(frmCheck()->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), frmCheck()->txtReading[0]);
    }
};

QTEST_MAIN(TestKervadinAccessibility)
#include "tst_kervadin_accessibility.moc"
