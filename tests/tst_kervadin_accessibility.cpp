// What a screen reader finds in the thread calculator: every window opened
// the way a person opens it, every control in it named, each name the
// caption the control stands under or beside; Click to Select is a button
// that can be pressed without the mouse.
#include "accessibility.h"
#include "kervadinwindows.h"

#include <QAccessibleActionInterface>

using namespace kervadin;

class TestKervadinAccessibility : public QObject {
    Q_OBJECT

    kervadinwindows::Session s;
    QLineEdit *wireBox = nullptr;
    QLabel *overWires = nullptr;

private slots:
    void init()
    {
        s.begin();
        wireBox = s.find<QLineEdit>("frmKervadin3.txtActual");
        overWires = s.find<QLabel>("frmKervadin3.lblOver");
    }
    void cleanup() { s.end(); }

    void everyControlIsNamed_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"frmKervadin3", "frmType", "frmBSFsize", "frmWhitsize",
                                   "frmUNCsize", "frmUNFsize", "frmBAsize", "frmMetsize",
                                   "frmCustom", "frmCheck"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }

    void everyControlIsNamed()
    {
        QFETCH(QString, window);
        QWidget *shown = s.open(window);
        QVERIFY(shown);
        int walked = 0;
        const QStringList unnamed = accessibility::unnamedControls(shown, &walked);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
        QVERIFY(walked > 0);
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
        QTest::newRow("part") << "frmCheck" << "txtPart" << box << "Part or Drawing";
    }

    void namesAreTheCaptions()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QWidget *shown = s.open(window);
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
        overWires->setText(QStringLiteral("6.2155"));
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(overWires);
        QCOMPARE(node->text(QAccessible::Name), QStringLiteral("Dimension Over Wires"));
        QCOMPARE(node->text(QAccessible::Value), QStringLiteral("6.2155"));
        QAccessibleTextInterface *text = node->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("6.2155"));
        text->setSelection(0, 2, 6);
        QCOMPARE(overWires->selectedText(), QStringLiteral("2155"));
    }

    void clickToSelectIsPressedByAssistiveTechnology()
    {
        wireBox->setText(QStringLiteral("0.05"));
        overWires->setText(QStringLiteral("6.2155"));
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(s.find("frmKervadin3.CtS"));
        QVERIFY(node);
        QAccessibleActionInterface *actions = node->actionInterface();
        QVERIFY(actions);
        const QString press = QAccessibleActionInterface::pressAction();
        QVERIFY(actions->actionNames().contains(press));
        QCOMPARE(actions->keyBindingsForAction(press),
                 QStringList{QKeySequence(Qt::ALT | Qt::Key_S).toString(QKeySequence::NativeText)});

        actions->doAction(press);
        QVERIFY(s.find("frmType")->isVisible());
        QVERIFY(wireBox->text().isEmpty());
        QVERIFY(overWires->text().isEmpty());
    }

    void altSSelectsFromTheKeyboard()
    {
        QCOMPARE(s.focusName(), QStringLiteral("txtActual"));
        wireBox->setText(QStringLiteral("0.05"));
        QTest::keyClick(wireBox, Qt::Key_S, Qt::AltModifier);
        QVERIFY(s.find("frmType")->isVisible());
        QVERIFY(wireBox->text().isEmpty());
    }

    // Alt+R opens the check with the focus in its first reading box, though
    // Check Reading is no stop of the measurement window's tab order.
    void altROpensTheCheckFromTheKeyboard()
    {
        QCOMPARE(s.focusName(), QStringLiteral("txtActual"));
        QCOMPARE(s.find("frmKervadin3.cmdCheck")->focusPolicy(), Qt::NoFocus);
        QTest::keyClick(wireBox, Qt::Key_R, Qt::AltModifier);
        // A button's shortcut presses it as a click shown on the screen, a
        // moment later.
        QTRY_VERIFY(s.find("frmCheck") && s.find("frmCheck")->isVisible());
        QTRY_COMPARE(s.focusName(), QStringLiteral("txtReading1"));
    }
};

QTEST_MAIN(TestKervadinAccessibility)
#include "tst_kervadin_accessibility.moc"
