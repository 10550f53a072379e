// The reading check's verdict, classes, designations and refusals, without a
// window. Expected figures are the published limits or were worked out by
// hand (cos 27.5° = 0.887011, cos 23.75° = 0.915312).
#include "kervadin/core/designation.h"
#include "kervadin/core/verdict.h"

#include <QTest>

using namespace kervadin;

Q_DECLARE_METATYPE(Family)
Q_DECLARE_METATYPE(ToleranceClass)

namespace {

QString qs(const std::string &text) { return QString::fromStdString(text); }

// "0.2160 - 0.2146": a pitch diameter per box, "-" for an empty one.
PitchDiameters diametersOf(const QString &list)
{
    PitchDiameters d;
    const QStringList items = list.split(' ', Qt::SkipEmptyParts);
    for (int i = 0; i < items.size(); ++i) {
        if (items[i] != "-")
            d[i] = items[i].toDouble();
    }
    return d;
}

// A standard size, or with size -1 a custom thread typed as "diameter/pitch/angle".
CheckedThread threadOf(Family family, int size, const QString &custom)
{
    if (size >= 0)
        return standardCheckedThread(family, size);
    const QStringList typed = custom.split('/');
    return customCheckedThread(customThread(typed[0].toStdString(), typed[1].toStdString(),
                                            typed[2] == "55" ? CustomAngle::Deg55
                                                             : CustomAngle::Deg60));
}

} // namespace

class TestVerdict : public QObject {
    Q_OBJECT

private slots:
    void verdict_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<QString>("diameters");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("standings");
        // Limits 0.2175/0.2147 (1/4-20 3A) throughout.
        QTest::newRow("within") << 60.0 << "0.2150 0.2175 0.2147" << "Within limits." << "within|within|within";
        QTest::newRow("mean within, two readings under") << 60.0 << "0.2160 0.2146 0.2165 0.2145" << "Undersize by 0.0002 at reading 4." << "within|under by 0.0001|within|under by 0.0002";
        QTest::newRow("single reading over") << 60.0 << "0.2187" << "Oversize by 0.0012: take 0.0012 off the pitch diameter (0.0006 radial infeed, 0.0007 on the compound at 30°)." << "over by 0.0012";
        QTest::newRow("over by an odd amount: S from R as shown") << 60.0 << "0.2186" << "Oversize by 0.0011: take 0.0011 off the pitch diameter (0.0006 radial infeed, 0.0007 on the compound at 30°)." << "over by 0.0011";
        QTest::newRow("single reading, not the first box") << 60.0 << "- - 0.2140" << "Undersize by 0.0007." << "||under by 0.0007";
        QTest::newRow("over at 55°") << 55.0 << "0.2180 - 0.2205" << "Oversize by 0.0030 at reading 3: take 0.0030 off the pitch diameter (0.0015 radial infeed, 0.0017 on the compound at 27° 30')." << "over by 0.0005||over by 0.0030";
        QTest::newRow("over at 47.5°, the larger excess named") << 47.5 << "0.2185 0.2176" << "Oversize by 0.0010 at reading 1: take 0.0010 off the pitch diameter (0.0005 radial infeed, 0.0005 on the compound at 23° 45')." << "over by 0.0010|over by 0.0001";
        QTest::newRow("both ways, with spread") << 60.0 << "0.2150 0.2146 - 0.2180" << "Out of limits both ways: reading 4 oversize by 0.0005, reading 2 undersize by 0.0001.\nSpread 0.0034 is larger than the tolerance 0.0028: look for taper or an out-of-round part." << "within|under by 0.0001||over by 0.0005";
        QTest::newRow("oversize, with spread") << 60.0 << "0.2148 0.2177" << "Oversize by 0.0002 at reading 2: take 0.0002 off the pitch diameter (0.0001 radial infeed, 0.0001 on the compound at 30°).\nSpread 0.0029 is larger than the tolerance 0.0028: look for taper or an out-of-round part." << "within|over by 0.0002";
        QTest::newRow("no readings") << 60.0 << "" << "" << "";
    }

    void verdict()
    {
        QFETCH(double, angle);
        QFETCH(QString, diameters);
        const Verdict v = judgeReadings(0.2175, 0.2147, diametersOf(diameters), angle);
        QTEST(qs(v.text()), "verdict");
        QStringList standings;
        for (const ReadingStanding &s : v.readings)
            standings << qs(s.text);
        while (!standings.isEmpty() && standings.last().isEmpty())
            standings.removeLast();
        QTEST(standings.join('|'), "standings");
    }

    void classes_data()
    {
        QTest::addColumn<Family>("family");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("custom");
        QTest::addColumn<ToleranceClass>("toleranceClass");
        QTest::addColumn<QString>("limits");
        QTest::addColumn<QString>("designation");
        const Family none = Family::UNC;
        // Published.
        QTest::newRow("1/2-28 2A, LE = 9P") << none << -1 << "0.5/28/60" << ToleranceClass::Class2A << "0.4757/0.4720" << "0.5000-28 UN-2A";
        QTest::newRow("15/16-16 2A") << none << -1 << "0.9375/16/60" << ToleranceClass::Class2A << "0.8954/0.8904" << "0.9375-16 UN-2A";
        QTest::newRow("15/16-16 3A") << none << -1 << "0.9375/16/60" << ToleranceClass::Class3A << "0.8969/0.8932" << "0.9375-16 UN-3A";
        QTest::newRow("M6 6g") << Family::Metric << 4 << "" << ToleranceClass::Class6g << "5.3240/5.2120" << "M6 × 1-6g";
        QTest::newRow("M10 6g") << Family::Metric << 6 << "" << ToleranceClass::Class6g << "8.9940/8.8620" << "M10 × 1.5-6g";
        QTest::newRow("M3 6g") << Family::Metric << 1 << "" << ToleranceClass::Class6g << "2.6550/2.5800" << "M3 × 0.5-6g";
        QTest::newRow("M12 6g") << Family::Metric << 7 << "" << ToleranceClass::Class6g << "10.8290/10.6790" << "M12 × 1.75-6g";
        // By hand.
        QTest::newRow("custom M10 × 1.5 6h") << none << -1 << "10/1.5/60" << ToleranceClass::Class6h << "9.0260/8.8940" << "M10 × 1.5-6h";
        QTest::newRow("custom 1/4-20 is a U.N.C. size: LE = D") << none << -1 << "0.25/20/60" << ToleranceClass::Class2A << "0.2164/0.2127" << "0.2500-20 UN-2A";
        QTest::newRow("custom 3/4-32 2A, LE = 9P") << none << -1 << "0.75/32/60" << ToleranceClass::Class2A << "0.7286/0.7250" << "0.7500-32 UN-2A";
        QTest::newRow("custom 3/4-32 3A") << none << -1 << "0.75/32/60" << ToleranceClass::Class3A << "0.7297/0.7270" << "0.7500-32 UN-3A";
        QTest::newRow("1/4-20 UNC 2A") << Family::UNC << 0 << "" << ToleranceClass::Class2A << "0.2164/0.2127" << "1/4-20 UNC-2A";
        // No row of the tables: es and Td2 from ISO 965-1's formulas (24.9 and 106.1 µm, in R40 25 and 106).
        QTest::newRow("custom M7 × 0.9") << none << -1 << "7/0.9/60" << ToleranceClass::Class6g << "6.3900/6.2840" << "M7 × 0.9-6g";
        // No class offered.
        QTest::newRow("metric size, inch class") << Family::Metric << 7 << "" << ToleranceClass::Class2A << "" << "M12 × 1.75";
        QTest::newRow("2 BA") << Family::BA << 2 << "" << ToleranceClass::Class2A << "" << "2 BA (0.81 mm)";
        QTest::newRow("1/4 BSF") << Family::BSF << 0 << "" << ToleranceClass::Class3A << "" << "1/4 BSF (26 TPI)";
        QTest::newRow("1 BSW") << Family::Whitworth << 9 << "" << ToleranceClass::Class1A << "" << "1 BSW (8 TPI)";
        QTest::newRow("3/8 UNF, no class chosen") << Family::UNF << 2 << "" << ToleranceClass::None << "" << "3/8-24 UNF";
        QTest::newRow("custom 55°") << none << -1 << "0.5/26/55" << ToleranceClass::Class2A << "" << "0.5000-26 Whitworth form";
    }

    void classes()
    {
        QFETCH(Family, family);
        QFETCH(int, size);
        QFETCH(QString, custom);
        QFETCH(ToleranceClass, toleranceClass);
        const CheckedThread thread = threadOf(family, size, custom);
        const ClassLimits limits = classLimits(thread, toleranceClass);
        QCOMPARE(limits.offered, offers(thread, toleranceClass));
        QTEST(limits.offered ? qs(limits.maximumText + "/" + limits.minimumText) : QString(), "limits");
        QTEST(qs(designation(thread, toleranceClass)), "designation");
    }

    void refusals_data()
    {
        QTest::addColumn<Family>("family");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("entries"); // maximum|minimum|readings, "-" an empty box
        QTest::addColumn<QString>("refusal"); // field: title: first line
        // M12 × 1.75 with a 1.0 wire: C = 3 − 0.875 × cot 30° = 1.4845; minor diameter 9.8531.
        const Family m = Family::Metric;
        QTest::newRow("fine") << m << 7 << "10.8290|10.6790|12.2 - 12.3" << "";
        QTest::newRow("comma in a reading") << m << 7 << "||12.2 12,305" << "reading 2: Bad Reading: Reading 2 has a comma in it.";
        QTest::newRow("comma in a limit") << m << 7 << "10.8290|10,679|" << "minimum: Bad Limit: The minimum pitch diameter has a comma in it.";
        QTest::newRow("a slip of the point") << m << 7 << "||123.05" << "reading 1: Bad Reading: Reading 1 gives a pitch diameter of 121.5655, outside the thread (9.8531 to 12.0000).";
        QTest::newRow("reading below the minor diameter") << m << 7 << "||- - 11.3" << "reading 3: Bad Reading: Reading 3 gives a pitch diameter of 9.8155, outside the thread (9.8531 to 12.0000).";
        QTest::newRow("inch limits on a metric thread") << m << 7 << "0.4757|0.4720|12.2" << "maximum: Bad Limit: The maximum pitch diameter 0.4757 lies outside the thread (9.8531 to 12.0000).";
        QTest::newRow("text after a limit") << m << 7 << "10.82.90|10.6790|" << "maximum: Bad Limit: The maximum pitch diameter holds more than a number.";
        QTest::newRow("text after a reading") << m << 7 << "||12.2 12.3mm" << "reading 2: Bad Reading: Reading 2 holds more than a number.";
        QTest::newRow("lines pasted into a reading") << m << 7 << "||12.2\n12.3\n12.4" << "reading 1: Bad Reading: Reading 1 holds more than a number.";
        QTest::newRow("blanks around a reading") << m << 7 << "||\t12.2\n" << "";
        QTest::newRow("longer than a number") << m << 7 << "||12.2" + QString(40, '0') << "reading 1: Bad Reading: Reading 1 is longer than a number can be (over 32 characters).";
        QTest::newRow("too large to hold") << m << 7 << "||1e400" << "reading 1: Bad Reading: Reading 1 is too large a number.";
        QTest::newRow("maximum not above the minimum") << m << 7 << "10.7|10.7|" << "maximum: Bad Limits: The maximum pitch diameter is not above the minimum.";
        // 2 BA, D 0.185, minor 0.185 − 1.2 × 0.0319 = 0.14672.
        QTest::newRow("2 BA above its diameter") << Family::BA << 2 << "||2.9" << "reading 1: Bad Reading: Reading 1 gives a pitch diameter of 1.4155, outside the thread (0.1467 to 0.1850).";
    }

    void refusals()
    {
        QFETCH(Family, family);
        QFETCH(int, size);
        QFETCH(QString, entries);
        const QStringList e = entries.split('|');
        ReadingTexts typed;
        const QStringList items = e[2].split(' ', Qt::SkipEmptyParts);
        for (int i = 0; i < items.size(); ++i)
            typed[i] = items[i] == "-" ? std::string() : items[i].toStdString();
        const CheckRefusal r = refuseEntries(standardCheckedThread(family, size), e[0].toStdString(),
                                             e[1].toStdString(), typed, 1.4845);
        const char *const fields[] = {"starts",    "maximum",   "minimum",   "reading 1",
                                      "reading 2", "reading 3", "reading 4", "reading 5",
                                      "major maximum", "major minimum", "major", "check"};
        QCOMPARE(r.field.has_value(), r.refuses());
        QTEST(r.refuses() ? fields[int(*r.field)] + (": " + qs(r.title + ": " + r.line1)) : QString(), "refusal");
        QCOMPARE(qs(r.line2).startsWith("Use a point"), qs(r.line1).contains("comma"));
    }

    // M10 × 1.5: E 9.0257, D + P 11.5000; 6g limits 9.9680/9.7320.
    void major_data()
    {
        QTest::addColumn<QString>("entries"); // maximum|minimum|measured
        QTest::addColumn<QString>("outcome"); // the refusal, or the verdict's line
        QTest::newRow("within") << "9.9680|9.7320|9.85" << "Major diameter within limits.";
        QTest::newRow("oversize") << "9.9680|9.7320|9.98" << "Major diameter oversize by 0.0120.";
        QTest::newRow("undersize") << "9.9680|9.7320|9.7" << "Major diameter undersize by 0.0320.";
        QTest::newRow("no limits, not judged") << "||9.85" << "";
        QTest::newRow("one limit") << "9.968||" << "major minimum: No Limit: The minimum major diameter has not been entered.";
        QTest::newRow("below E") << "9.968|8.9|" << "major minimum: Bad Limit: The minimum major diameter 8.9000 lies outside the thread (9.0257 to 11.5000).";
        QTest::newRow("not above the minimum") << "9.7|9.968|" << "major maximum: Bad Limits: The maximum major diameter is not above the minimum.";
        QTest::newRow("half a unit over, taken to four places as a reading") << "9.9680|9.7320|9.96805" << "Major diameter oversize by 0.0001.";
        QTest::newRow("not a number") << "9.9680|9.7320|nan" << "major: Bad Major Diameter: The major diameter is not a number above 0.";
        QTest::newRow("text after a limit") << "9.9680|9.7320abc|" << "major minimum: Bad Limit: The minimum major diameter holds more than a number.";
        QTest::newRow("comma") << "9.9680|9.7320|9,85" << "major: Bad Major Diameter: The major diameter has a comma in it.";
        QTest::newRow("above D + P") << "||11.6" << "major: Bad Major Diameter: The major diameter 11.6000 lies outside the thread (9.0257 to 11.5000).";
    }

    void major()
    {
        QFETCH(QString, entries);
        const QStringList e = entries.split('|');
        const CheckRefusal r = refuseMajor(standardCheckedThread(Family::Metric, 6), 9.0257,
                                           e[0].toStdString(), e[1].toStdString(), e[2].toStdString());
        const char *const fields[] = {"major maximum", "major minimum", "major"};
        QString outcome;
        if (r.refuses())
            outcome = fields[int(*r.field) - int(CheckField::MajorMaximum)] + (": " + qs(r.title + ": " + r.line1));
        else if (!e[0].isEmpty() && !e[2].isEmpty())
            outcome = qs(judgeMajor(e[0].toDouble(), e[1].toDouble(), e[2].toDouble()).line);
        QTEST(outcome, "outcome");
    }
};

QTEST_APPLESS_MAIN(TestVerdict)
#include "tst_kervadin_verdict.moc"
