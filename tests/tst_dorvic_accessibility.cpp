// What a screen reader finds in the triangle window: every control named,
// each box by the letter or caption beside it.
#include "accessibility.h"
#include "dorvicwindows.h"

class TestDorvicAccessibility : public QObject {
    Q_OBJECT

    dorvicwindows::Session s;

private slots:
    void init() { s.begin(); }
    void cleanup() { s.end(); }

    void everyControlIsNamed()
    {
        s->showSineBar();
        for (rt::Form *window : s->windows()) {
            int walked = 0;
            const QStringList unnamed = accessibility::unnamedControls(window, &walked);
            QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
            QVERIFY(walked > 0);
        }
    }

    void namesAreTheCaptions_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        const int box = QAccessible::EditableText;
        const int label = QAccessible::StaticText;
        const int push = QAccessible::PushButton;

        QTest::newRow("side a") << "txtRightSidea" << box << "Side a";
        QTest::newRow("side b") << "txtRightSideb" << box << "Side b";
        QTest::newRow("side c") << "txtRightSidec" << box << "Side c";
        QTest::newRow("angle B") << "txtRightAngleB" << box << "Angle B";
        QTest::newRow("angle C") << "txtRightAngleC" << box << "Angle C";
        QTest::newRow("area") << "txtRightArea" << box << "Area";
        QTest::newRow("instruction frame") << "lblRightInstructOut" << label << "Instructions";
        QTest::newRow("right angle mark") << "lblRight90" << label << "90°";
        QTest::newRow("calculate") << "cmdRightCalculate" << push << "Calculate";
        QTest::newRow("clear") << "CmdClear" << push << "Clear";
        QTest::newRow("close") << "CmdClose" << push << "Close";
    }

    void namesAreTheCaptions()
    {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QWidget *widget = s.find(QStringLiteral("frmTriangleRight.") + control);
        QVERIFY(widget);
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(node);
        QCOMPARE(int(node->role()), role);
        QCOMPARE(node->text(QAccessible::Name), name);
    }
};

QTEST_MAIN(TestDorvicAccessibility)
#include "tst_dorvic_accessibility.moc"
