// The class limits of unified threads, from the thread applied. The
// expected limits were worked out apart from the program, in decimal
// arithmetic, and the 1/4-20, 1/2-13, 1-8, 1/4-28 and 3/8-24 rows agree with
// the published tables.
#include "kervadin/core/checkrules.h"

#include <QTest>

using namespace kervadin;

Q_DECLARE_METATYPE(ToleranceClass)
Q_DECLARE_METATYPE(Family)

class TestCheckRules : public QObject {
    Q_OBJECT

private slots:
    void classLimits_data()
    {
        QTest::addColumn<Family>("family");
        QTest::addColumn<int>("size");          // in the family; -1: the custom thread
        QTest::addColumn<QStringList>("custom"); // diameter and pitch typed, at 60°
        QTest::addColumn<ToleranceClass>("threadClass");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("minimum");
        const QStringList standard;

        QTest::newRow("1/4-20 2A") << Family::UNC << 0 << standard << ToleranceClass::Class2A << "0.2164" << "0.2127";
        QTest::newRow("1/4-20 3A") << Family::UNC << 0 << standard << ToleranceClass::Class3A << "0.2175" << "0.2147";
        QTest::newRow("1/2-13 2A, pitch listed rounded") << Family::UNC << 4 << standard << ToleranceClass::Class2A << "0.4485" << "0.4435";
        QTest::newRow("1/4-20 1A") << Family::UNC << 0 << standard << ToleranceClass::Class1A << "0.2164" << "0.2108";
        QTest::newRow("1-8 2A, tolerance a half at 4 places") << Family::UNC << 9 << standard << ToleranceClass::Class2A << "0.9168" << "0.9100";
        QTest::newRow("1/4-28 3A") << Family::UNF << 0 << standard << ToleranceClass::Class3A << "0.2268" << "0.2243";
        QTest::newRow("custom 3/8-24 1A") << Family::UNC << -1 << QStringList{"0.375", "24"} << ToleranceClass::Class1A << "0.3468" << "0.3411";
        QTest::newRow("custom 1/2-28 2A from its exact pitch") << Family::UNC << -1 << QStringList{"0.5", "28"} << ToleranceClass::Class2A << "0.4757" << "0.4720";
        QTest::newRow("M10 6g") << Family::Metric << 6 << standard << ToleranceClass::Class6g << "8.9940" << "8.8620";
        QTest::newRow("metric: no class") << Family::Metric << 4 << standard << ToleranceClass::Class2A << "" << "";
        QTest::newRow("B.A.: no class") << Family::BA << 0 << standard << ToleranceClass::Class2A << "" << "";
        QTest::newRow("Whitworth: no class") << Family::Whitworth << 0 << standard << ToleranceClass::Class2A << "" << "";
    }

    void classLimits()
    {
        QFETCH(Family, family);
        QFETCH(int, size);
        QFETCH(QStringList, custom);
        QFETCH(ToleranceClass, threadClass);
        State state;
        state.setThread(size < 0 ? Thread::custom(customThread(custom[0].toStdString(),
                                                               custom[1].toStdString(),
                                                               CustomAngle::Deg60))
                                 : Thread::standard(family, size));
        state.setCalculation({"0.03", 0.03, ""});
        CheckEntry entry;
        entry.toleranceClass = threadClass;
        // Limits left from another thread give way to the class's, or go.
        entry.maximum = "0.9999";
        entry.minimum = "0.9990";
        const CheckTexts texts = checkReadings(state, entry);
        QVERIFY(texts.calculated);
        QTEST(QString::fromStdString(texts.maximum), "maximum");
        QTEST(QString::fromStdString(texts.minimum), "minimum");
        QCOMPARE(texts.toleranceClass, texts.maximum.empty() ? ToleranceClass::None : threadClass);
    }
};

QTEST_APPLESS_MAIN(TestCheckRules)
#include "tst_kervadin_checkrules.moc"
