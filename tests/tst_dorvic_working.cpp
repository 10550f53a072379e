// Showing the working: every value a solver writes, and the area, carry
// the relation it came from as the box's tooltip until the user types in
// the box or presses Clear.
#include "dorvicwindows.h"

using dorvicwindows::Boxes;

class TestDorvicWorking : public QObject {
    Q_OBJECT

    dorvicwindows::Session s;

    // Which boxes carry a tooltip: "x" for one, "-" for none, a to area.
    QString withTips() const
    {
        QString marks;
        for (const QString &name : Boxes + QStringList{dorvicwindows::AreaBox})
            marks += s.box(name)->toolTip().isEmpty() ? QLatin1Char('-') : QLatin1Char('x');
        return marks;
    }

private slots:
    void init() { s.begin(); }
    void cleanup() { s.end(); }

    // a, b, c, B, C, area: what the user typed, then the tooltips after
    // Calculate.
    void tooltipsFollowTheBoxes_data()
    {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QString>("tips");
        QTest::newRow("a 5, b 3") << QStringList{"5", "3", "", "", ""} << "--xxxx";
        QTest::newRow("b 3, B 40") << QStringList{"", "3", "", "40", ""} << "x-x-xx";
        QTest::newRow("no data: only the area") << QStringList{"5", "", "", "", ""} << "-----x";
    }

    void tooltipsFollowTheBoxes()
    {
        QFETCH(QStringList, given);
        QFETCH(QString, tips);
        QCOMPARE(withTips(), QStringLiteral("------"));
        s.enter(given);
        s.press("cmdRightCalculate");
        QCOMPARE(withTips(), tips);

        // Typing in a solved box takes its relation away; the others keep
        // theirs. Clear takes them all.
        for (int i = 0; i < 5; ++i) {
            if (tips[i] == QLatin1Char('x')) {
                s.click(s.box(Boxes[i]));
                QTest::keyClicks(s.box(Boxes[i]), QStringLiteral("1"));
                tips[i] = QLatin1Char('-');
                QCOMPARE(withTips(), tips);
                break;
            }
        }
        s.press("CmdClear");
        QCOMPARE(withTips(), QStringLiteral("------"));
    }
};

QTEST_MAIN(TestDorvicWorking)
#include "tst_dorvic_working.moc"
