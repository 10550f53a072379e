// The class limits of unified threads, from the thread applied. The
// expected limits were worked out apart from the program, in decimal
// arithmetic, and the 1/4-20, 1/2-13, 1-8, 1/4-28 and 3/8-24 rows agree with
// the published tables.
#include "kervadin/core/checkrules.h"
#include "kervadin/core/helicalwire.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace kervadin;

Q_DECLARE_METATYPE(ToleranceClass)
Q_DECLARE_METATYPE(Family)

class TestCheckRules : public QObject {
    Q_OBJECT

private slots:
    void everyClassAndSize();
    void helicalContact_data();
    void helicalContact();
    void wireConstant_data();
    void wireConstant();
    void classLimits_data()
    {
        QTest::addColumn<Family>("family");
        QTest::addColumn<int>("size");          // in the family; -1: the custom thread
        QTest::addColumn<QStringList>("custom"); // diameter and pitch typed, at 60°
        QTest::addColumn<ToleranceClass>("threadClass");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<QString>("majorMaximum");
        QTest::addColumn<QString>("majorMinimum");
        const QStringList standard;

        QTest::newRow("1/4-20 2A") << Family::UNC << 0 << standard << ToleranceClass::Class2A << "0.2164" << "0.2127" << "0.2489" << "0.2408";
        QTest::newRow("1/4-20 3A") << Family::UNC << 0 << standard << ToleranceClass::Class3A << "0.2175" << "0.2147" << "0.2500" << "0.2419";
        QTest::newRow("1/2-13 2A, pitch listed rounded") << Family::UNC << 4 << standard << ToleranceClass::Class2A << "0.4485" << "0.4435" << "0.4985" << "0.4876";
        QTest::newRow("1/4-20 1A") << Family::UNC << 0 << standard << ToleranceClass::Class1A << "0.2164" << "0.2108" << "0.2489" << "0.2367";
        QTest::newRow("1-8 2A, tolerance a half at 4 places") << Family::UNC << 9 << standard << ToleranceClass::Class2A << "0.9168" << "0.9100" << "0.9980" << "0.9830";
        QTest::newRow("5/8-11 2A, the allowance 0.3 × 0.0055 a half to even") << Family::UNC << 6 << standard << ToleranceClass::Class2A << "0.5644" << "0.5589" << "0.6234" << "0.6113";
        QTest::newRow("3/4-10 2A, the allowance 0.3 × 0.0059 up") << Family::UNC << 7 << standard << ToleranceClass::Class2A << "0.6832" << "0.6773" << "0.7482" << "0.7353";
        QTest::newRow("custom 15/16-20 2A, LE = 9P") << Family::UNC << -1 << QStringList{"0.9375", "20"} << ToleranceClass::Class2A << "0.9036" << "0.8991" << "0.9361" << "0.9280";
        QTest::newRow("1/4-28 3A") << Family::UNF << 0 << standard << ToleranceClass::Class3A << "0.2268" << "0.2243" << "0.2500" << "0.2435";
        QTest::newRow("custom 3/8-24 1A") << Family::UNC << -1 << QStringList{"0.375", "24"} << ToleranceClass::Class1A << "0.3468" << "0.3411" << "0.3739" << "0.3631";
        QTest::newRow("custom 1/2-28 2A from its exact pitch") << Family::UNC << -1 << QStringList{"0.5", "28"} << ToleranceClass::Class2A << "0.4757" << "0.4720" << "0.4989" << "0.4924";
        QTest::newRow("M10 6g") << Family::Metric << 6 << standard << ToleranceClass::Class6g << "8.9940" << "8.8620" << "9.9680" << "9.7320";
        QTest::newRow("custom M10 × 1.25 6g") << Family::Metric << -1 << QStringList{"10", "1.25"} << ToleranceClass::Class6g << "9.1600" << "9.0420" << "9.9720" << "9.7600";
        QTest::newRow("custom M10 × 0.75 6g, es −22 as the table has it") << Family::Metric << -1 << QStringList{"10", "0.75"} << ToleranceClass::Class6g << "9.4910" << "9.3910" << "9.9780" << "9.8380";
        QTest::newRow("M3 6g, Td2 75 as the table has it") << Family::Metric << 1 << standard << ToleranceClass::Class6g << "2.6550" << "2.5800" << "2.9800" << "2.8740";
        QTest::newRow("M10 4g6g") << Family::Metric << 6 << standard << ToleranceClass("4g6g") << "8.9940" << "8.9090" << "9.9680" << "9.7320";
        QTest::newRow("M6 4h") << Family::Metric << 4 << standard << ToleranceClass("4h") << "5.3500" << "5.2790" << "6.0000" << "5.8880";
        QTest::newRow("M10 6e") << Family::Metric << 6 << standard << ToleranceClass("6e") << "8.9590" << "8.8270" << "9.9330" << "9.6970";
        QTest::newRow("M8 8g") << Family::Metric << 5 << standard << ToleranceClass("8g") << "7.1600" << "6.9700" << "7.9720" << "7.6370";
        QTest::newRow("custom 15/16-20 UNEF 2A, LE = 9P") << Family::UNC << -1 << QStringList{"0.9375", "20"} << ToleranceClass::Class2A << "0.9036" << "0.8991" << "0.9361" << "0.9280";
        QTest::newRow("1/4-32 UNEF 2A, LE = D below 9P") << Family::UNEF << 0 << standard << ToleranceClass::Class2A << "0.2287" << "0.2255" << "0.2490" << "0.2430";
        QTest::newRow("custom M36 × 2 6g, past 32 767 µm") << Family::Metric << -1 << QStringList{"36", "2"} << ToleranceClass::Class6g << "34.6630" << "34.4930" << "35.9620" << "35.6820";
        QTest::newRow("custom M48 × 5 6g, Td2 250 as the table has it") << Family::Metric << -1 << QStringList{"48", "5"} << ToleranceClass::Class6g << "44.6810" << "44.4310" << "47.9290" << "47.3990";
        QTest::newRow("custom M80 × 6 4g6g") << Family::Metric << -1 << QStringList{"80", "6"} << ToleranceClass("4g6g") << "76.0230" << "75.8430" << "79.9200" << "79.3200";
        QTest::newRow("custom M300 × 3 6g, Td2 250 as the table has it") << Family::Metric << -1 << QStringList{"300", "3"} << ToleranceClass::Class6g << "298.0030" << "297.7530" << "299.9520" << "299.5770";
        QTest::newRow("custom M355 × 8 8g") << Family::Metric << -1 << QStringList{"355", "8"} << ToleranceClass("8g") << "349.7040" << "349.1440" << "354.9000" << "353.7200";
        QTest::newRow("custom M12 × 1.7501 4h, Td(4) from Td(6) in the series") << Family::Metric << -1 << QStringList{"12", "1.7501"} << ToleranceClass("4h") << "10.8630" << "10.7680" << "12.0000" << "11.8300";
        QTest::newRow("custom M7 × 0.9 4h") << Family::Metric << -1 << QStringList{"7", "0.9"} << ToleranceClass("4h") << "6.4150" << "6.3480" << "7.0000" << "6.9000";
        QTest::newRow("custom M2.5 × 0.2001 4h") << Family::Metric << -1 << QStringList{"2.5", "0.2001"} << ToleranceClass("4h") << "2.3700" << "2.3380" << "2.5000" << "2.4640";
        QTest::newRow("custom M3 × 8: no class, its basic pitch diameter below 0") << Family::Metric << -1 << QStringList{"3", "8"} << ToleranceClass::Class6g << "" << "" << "" << "";
        QTest::newRow("a class longer than a class can be") << Family::Metric << 6 << standard << ToleranceClass(std::string(240, '6') + "g") << "" << "" << "" << "";
        // Published rows of ASME B1.5 (2G; 3/8-12 3G's minimum) and ISO 2903 (7e, 8c).
        const Family acme = Family::Acme, tr = Family::Trapezoidal;
        QTest::newRow("3/8-12 ACME 2G") << acme << 2 << standard << ToleranceClass("2G") << "0.3284" << "0.3161" << "0.3750" << "0.3700";
        QTest::newRow("3/8-12 ACME 3G") << acme << 2 << standard << ToleranceClass("3G") << "0.3296" << "0.3238" << "0.3750" << "0.3700";
        QTest::newRow("1/2-10 ACME 2G") << acme << 4 << standard << ToleranceClass("2G") << "0.4443" << "0.4306" << "0.5000" << "0.4950";
        QTest::newRow("5/8-8 ACME 2G, the minimum from the maximum as shown") << acme << 5 << standard << ToleranceClass("2G") << "0.5562" << "0.5408" << "0.6250" << "0.6188";
        QTest::newRow("3/4-6 ACME 2G, the minimum from the maximum as shown") << acme << 6 << standard << ToleranceClass("2G") << "0.6598" << "0.6424" << "0.7500" << "0.7417";
        QTest::newRow("7/8-6 ACME 2G") << acme << 7 << standard << ToleranceClass("2G") << "0.7842" << "0.7663" << "0.8750" << "0.8667";
        QTest::newRow("1-5 ACME 2G") << acme << 8 << standard << ToleranceClass("2G") << "0.8920" << "0.8726" << "1.0000" << "0.9900";
        QTest::newRow("1 1/8-5 ACME 2G") << acme << 9 << standard << ToleranceClass("2G") << "1.0165" << "0.9967" << "1.1250" << "1.1150";
        QTest::newRow("Tr 8×1.5-7e") << tr << 0 << standard << ToleranceClass("7e") << "7.1830" << "7.0130" << "8.0000" << "7.8500";
        QTest::newRow("Tr 10×2-8c") << tr << 1 << standard << ToleranceClass("8c") << "8.8500" << "8.6140" << "10.0000" << "9.8200";
        QTest::newRow("Tr 12×3-7e") << tr << 2 << standard << ToleranceClass("7e") << "10.4150" << "10.1910" << "12.0000" << "11.7640";
        QTest::newRow("Tr 16×4-7e") << tr << 3 << standard << ToleranceClass("7e") << "13.9050" << "13.6400" << "16.0000" << "15.7000";
        QTest::newRow("Tr 16×4: no position c unconfirmed") << tr << 3 << standard << ToleranceClass("8c") << "" << "" << "" << "";
        QTest::newRow("M2.5: no position e below 0.5 mm") << Family::Metric << 0 << standard << ToleranceClass("6e") << "" << "" << "" << "";
        QTest::newRow("M3: no grade 8 below 0.8 mm") << Family::Metric << 1 << standard << ToleranceClass("8g") << "" << "" << "" << "";
        QTest::newRow("6x") << Family::Metric << 6 << standard << ToleranceClass("6x") << "" << "" << "" << "";
        QTest::newRow("10g") << Family::Metric << 6 << standard << ToleranceClass("10g") << "" << "" << "" << "";
        QTest::newRow("4g6") << Family::Metric << 6 << standard << ToleranceClass("4g6") << "" << "" << "" << "";
        QTest::newRow("metric: no class") << Family::Metric << 4 << standard << ToleranceClass::Class2A << "" << "" << "" << "";
        QTest::newRow("B.A.: no class") << Family::BA << 0 << standard << ToleranceClass::Class2A << "" << "" << "" << "";
        QTest::newRow("Whitworth: no class") << Family::Whitworth << 0 << standard << ToleranceClass::Class2A << "" << "" << "" << "";
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
        entry.maximum = entry.majorMaximum = "0.9999";
        entry.minimum = entry.majorMinimum = "0.9990";
        const CheckTexts texts = checkReadings(state, entry);
        QVERIFY(texts.calculated);
        QTEST(QString::fromStdString(texts.maximum), "maximum");
        QTEST(QString::fromStdString(texts.minimum), "minimum");
        QTEST(QString::fromStdString(texts.majorMaximum), "majorMaximum");
        QTEST(QString::fromStdString(texts.majorMinimum), "majorMinimum");
        QCOMPARE(texts.toleranceClass, texts.maximum.empty() ? ToleranceClass::None : threadClass);
        // A class the thread's classes do not give is refused, naming the class.
        QCOMPARE(texts.refusal.field == CheckField::Class, !texts.classProblem.empty());
        QCOMPARE(texts.classProblem.empty(), !texts.maximum.empty() || !texts.classes);
        // The thread has the class when it gives limits: only then is it listed.
        const std::vector<std::string> &had = texts.classNames;
        QCOMPARE(std::count(had.begin(), had.end(), threadClass.name()), texts.maximum.empty() ? 0 : 1);
        QVERIFY2(texts.classProblem.size() < 200, texts.classProblem.c_str());
    }
};

// Every class each system offers by name, at diameters up to 355 mm (14 in)
// and at the metric table's pitches and beside them (in inches for the inch
// forms): limits in order and above 0, or why not.
void TestCheckRules::everyClassAndSize()
{
    const double pitches[] = {0.2, 0.2001, 0.45, 0.75, 0.9, 1.25, 1.7501, 2, 3, 3.9999, 5.5, 8, 12};
    for (const ThreadForm *form : ThreadForms) {
        const ClassSystem *system = form->classes ? form->classes() : nullptr;
        const bool millimetres = form->naming == NameStyle::Metric || form->naming == NameStyle::Trapezoidal;
        const double unit = millimetres ? 1 : 25.4;
        for (double d = 1; system && d <= 355; d += d < 40 ? 1.5 : 7) {
            for (double p : pitches) {
                CheckedThread thread;
                thread.diameter = d / unit;
                thread.pitch = p / unit;
                thread.form = form;
                thread.unit = millimetres ? Unit::Millimetre : Unit::Inch;
                for (const ClassOffer &offer : system->offered()) {
                    const ClassLimits l = kervadin::classLimits(thread, ToleranceClass(offer.name));
                    const QByteArray where = QByteArray(form->name) + " " + QByteArray::number(d / unit) + " × " + QByteArray::number(p / unit) + " " + offer.name;
                    QVERIFY2(l.offered ? (l.majorMinimum > l.maximum && l.maximum > l.minimum && l.minimum > 0
                                          && l.majorMaximum > l.majorMinimum)
                                       : !l.problem.empty(),
                             where.constData());
                    // 6g is given at every pitch to 8 mm, to any thread not too small for it.
                    if (std::string(offer.name) == "6g" && d >= 3 * p && p <= 8)
                        QVERIFY2(l.offered, where.constData());
                }
            }
        }
    }
}

// Acme threads of large lead angle, 1 in of pitch: the handbook's table of
// the best wire w1 and (C + c)1 = M − E by lead angle at the pitch diameter
// and starts. Twelve of its 88 entries read (one start 5.7° and 6.5° to
// 7.1°, two starts 6.7°, 6.9°, 11.3° and 11.4°) are 0.00005 to 0.00011 off
// for the w1 they print: that w1 is up to 0.000028 off the best wire of the
// contact, for which every entry agrees within 0.000026. They are left out.
void TestCheckRules::helicalContact_data()
{
    QTest::addColumn<double>("leadAngle");
    QTest::addColumn<int>("starts");
    QTest::addColumn<double>("wire");
    QTest::addColumn<double>("constant");
    QTest::newRow("5°, 1 start") << 5.0 << 1 << 0.51450 << 0.64311;
    QTest::newRow("5°, 2 starts") << 5.0 << 2 << 0.51443 << 0.64290;
    QTest::newRow("6°, 1 start") << 6.0 << 1 << 0.51368 << 0.64207;
    QTest::newRow("7.1°, 2 starts") << 7.1 << 2 << 0.51243 << 0.64017;
    QTest::newRow("10°, 2 starts") << 10.0 << 2 << 0.50864 << 0.63518;
    QTest::newRow("10°, 3 starts") << 10.0 << 3 << 0.50847 << 0.63463;
    QTest::newRow("11°, 2 starts") << 11.0 << 2 << 0.50707 << 0.63313;
    QTest::newRow("12.1°, 3 starts") << 12.1 << 3 << 0.50488 << 0.62981;
}

void TestCheckRules::helicalContact()
{
    QFETCH(double, leadAngle);
    QFETCH(int, starts);
    QFETCH(double, wire);
    QFETCH(double, constant);
    const double basic = starts / (3.14159265358979323846 * std::tan(leadAngle * 3.14159265358979323846 / 180));
    const HelicalContact c = kervadin::helicalContact(basic, 1, starts, wire, 29);
    QVERIFY2(std::fabs(c.overWires - constant) <= 0.00005, qPrintable(QString::number(c.overWires, 'f', 6)));
}

// The wire constant, straight and corrected for the lead angle: the
// handbook's figures and rows worked out by hand.
void TestCheckRules::wireConstant_data()
{
    QTest::addColumn<Family>("family");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("entry");  // wire|starts|"lead" when corrected
    QTest::addColumn<QString>("result"); // C, and the correction and lead angle
    QTest::newRow("1/4-20") << Family::UNC << 0 << "0.0289|1|" << "0.0434";
    QTest::newRow("1/4-20 corrected") << Family::UNC << 0 << "0.0289|1|lead" << "0.0435 0.0001 4° 11'";
    QTest::newRow("1/4-20, 2 starts, past 5°") << Family::UNC << 0 << "0.0289| 2 |lead" << "0.0439 0.0005 8° 20'";
    QTest::newRow("M10 × 1.5") << Family::Metric << 6 << "0.866|1|" << "1.2990";
    QTest::newRow("M10 × 1.5 corrected") << Family::Metric << 6 << "0.866|1|lead" << "1.3008 0.0018 3° 2'";
    QTest::newRow("1/2-13, 3 starts, past 5°") << Family::UNC << 4 << "0.0444|3|lead" << "0.0675 0.0009 9° 16'";
    QTest::newRow("1/4 BSF, 2 starts, past 5°") << Family::BSF << 0 << "0.0217|2|lead" << "0.0320 0.0002 6° 12'";
    QTest::newRow("5-2 ACME, 2 starts: the handbook's example, 5.056 over 4.7321") << Family::Acme << 22 << "0.258|2|lead" << "0.3239 0.0021 3° 50'";
    QTest::newRow("starts not a count: no C") << Family::UNC << 0 << "0.0289|2x|lead" << "  ";
    QTest::newRow("starts read as any box of the check, past 5°") << Family::UNC << 0 << "0.0289|\t2.0\n|lead" << "0.0439 0.0005 8° 20'";
}

void TestCheckRules::wireConstant()
{
    QFETCH(Family, family);
    QFETCH(int, size);
    QFETCH(QString, entry);
    const QStringList typed = entry.split('|');
    State state;
    state.setThread(Thread::standard(family, size));
    state.setCalculation({typed[0].toStdString(), typed[0].toDouble(), ""});
    CheckEntry e;
    e.starts = typed[1].toStdString();
    e.leadCorrection = typed[2] == "lead";
    const CheckTexts texts = checkReadings(state, e);
    QTEST(QString::fromStdString(texts.constant + (e.leadCorrection ? " " + texts.leadCorrection + " " + texts.leadAngle : "")), "result");
    QCOMPARE(QString::fromStdString(texts.constantWorking).contains("up to 5°"),
             QByteArray(QTest::currentDataTag()).contains("past 5°"));
}

QTEST_APPLESS_MAIN(TestCheckRules)
#include "tst_kervadin_checkrules.moc"
