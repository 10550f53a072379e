// The class limits of unified threads, from the thread as the measurement
// window shows it. The expected limits were worked out apart from the
// program, in decimal arithmetic, and the 1/4-20, 1/2-13, 1-8, 1/4-28 and
// 3/8-24 rows agree with the published tables.
#include "kervadin/core/checkrules.h"

#include <QTest>

using namespace kervadin;

Q_DECLARE_METATYPE(ThreadClass)

class TestCheckRules : public QObject {
    Q_OBJECT

private slots:
    void classLimits_data()
    {
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("pitch");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("units");
        QTest::addColumn<ThreadClass>("threadClass");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("minimum");
        const QString inches = QStringLiteral("Dimensions\nin\ninches.");
        const QString millimetres = QStringLiteral("Dimensions\nin\nmillimeters.");

        QTest::newRow("1/4-20 2A") << "0.2500" << "0.0500" << "60°" << inches << ThreadClass::Class2A << "0.2164" << "0.2127";
        QTest::newRow("1/4-20 3A") << "0.2500" << "0.0500" << "60°" << inches << ThreadClass::Class3A << "0.2175" << "0.2147";
        QTest::newRow("1/2-13 2A, pitch shown rounded") << "0.5000" << "0.0769" << "60°" << inches << ThreadClass::Class2A << "0.4485" << "0.4435";
        QTest::newRow("1/4-20 1A") << "0.2500" << "0.0500" << "60°" << inches << ThreadClass::Class1A << "0.2164" << "0.2108";
        QTest::newRow("1-8 2A, tolerance a half at 4 places") << "1.0000" << "0.1250" << "60°" << inches << ThreadClass::Class2A << "0.9168" << "0.9100";
        QTest::newRow("1/4-28 3A") << "0.2500" << "0.0357" << "60°" << inches << ThreadClass::Class3A << "0.2268" << "0.2243";
        QTest::newRow("custom 3/8-24 1A, three places") << "0.375" << "0.042" << "60°" << inches << ThreadClass::Class1A << "0.3468" << "0.3411";
        QTest::newRow("metric: no class") << "6.0000" << "1.0000" << "60°" << millimetres << ThreadClass::Class2A << "" << "";
        QTest::newRow("B.A.: no class") << "0.2362" << "0.0394" << "47.5°" << inches << ThreadClass::Class2A << "" << "";
        QTest::newRow("Whitworth: no class") << "0.2500" << "0.0500" << "55°" << inches << ThreadClass::Class2A << "" << "";
    }

    void classLimits()
    {
        QFETCH(QString, diameter);
        QFETCH(QString, pitch);
        QFETCH(QString, angle);
        QFETCH(QString, units);
        QFETCH(ThreadClass, threadClass);
        CheckEntry entry;
        entry.thread = {"thread", diameter.toStdString(), pitch.toStdString(), angle.toStdString(),
                        units.toStdString()};
        entry.wire = "0.03";
        entry.threadClass = threadClass;
        // Limits left from another thread give way to the class's, or go.
        entry.maximum = "0.9999";
        entry.minimum = "0.9990";
        const CheckTexts texts = checkReadings(entry);
        QVERIFY(texts.calculated);
        QTEST(QString::fromStdString(texts.maximum), "maximum");
        QTEST(QString::fromStdString(texts.minimum), "minimum");
        QCOMPARE(texts.threadClass, texts.maximum.empty() ? ThreadClass::None : threadClass);
    }
};

QTEST_APPLESS_MAIN(TestCheckRules)
#include "tst_kervadin_checkrules.moc"
