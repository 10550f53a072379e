// The sine bar and the gauge-block stacks, without a window: the sets as
// catalogued, the handbook's and the published stacks, the tie-break rule,
// the refusals, and the search checked against a plain table of the fewest
// blocks for every height.
#include "dorvic/core/gaugeblocks.h"
#include "dorvic/core/sinebar.h"

#include <QTest>
#include <numeric>

using namespace dorvic;

Q_DECLARE_METATYPE(SineBarEntry)

namespace {

SineBarEntry entry(int set, const char *bar, const char *angle, const char *height,
                   const char *missing = "")
{
    SineBarEntry e;
    e.set = static_cast<std::size_t>(set);
    e.barLength = bar;
    e.angle = angle;
    e.height = height;
    e.missing = missing;
    e.given = *angle ? Given::Angle : Given::Height;
    return e;
}

// The fewest blocks for every height up to `top`, each block once (no
// blocks: 255), worked out over all the blocks together.
std::vector<int> plainFewest(const std::vector<Units> &blocks, Units top)
{
    std::vector<int> fewest(static_cast<size_t>(top) + 1, 255);
    fewest[0] = 0;
    for (Units b : blocks) {
        for (Units h = top; h >= b; --h)
            fewest[size_t(h)] = std::min(fewest[size_t(h)], fewest[size_t(h - b)] + 1);
    }
    return fewest;
}

} // namespace

class TestSineBar : public QObject {
    Q_OBJECT

private slots:
    void setsAsCatalogued_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("pieces");
        QTest::addColumn<QString>("total"); // every block of the set together
        QTest::addColumn<QString>("step");
        QTest::newRow("81 inch") << 0 << 81 << "26.5295" << "0.0001";
        QTest::newRow("88 mm") << 1 << 88 << "716.2955" << "0.0005";
        QTest::newRow("103 mm") << 2 << 103 << "924.755" << "0.005";
        QTest::newRow("112 mm") << 3 << 112 << "933.7955" << "0.0005";
    }
    void setsAsCatalogued()
    {
        QFETCH(int, set);
        QFETCH(int, pieces);
        QFETCH(QString, total);
        QFETCH(QString, step);
        const BlockSet &s = blockSets().at(size_t(set));
        QCOMPARE(int(s.blocks().size()), pieces);
        const Units sum = std::accumulate(s.blocks().begin(), s.blocks().end(), Units(0));
        QCOMPARE(QString::fromStdString(s.lengthText(sum)), total);
        QCOMPARE(QString::fromStdString(s.lengthText(s.resolution())), step);
    }

    void readsAngles_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("degrees"); // 0: refused
        QTest::newRow("decimal") << "31.25" << 31.25;
        QTest::newRow("degree and minute marks") << "31°15'" << 31.25;
        QTest::newRow("blanks") << "31 15 30" << 31.2583333333;
        QTest::newRow("marks and seconds") << "31° 15′ 30″" << 31.2583333333;
        QTest::newRow("seconds with a fraction") << "0 0 36.5" << 0.0101388889;
        QTest::newRow("90 refused") << "90" << 0.0;
        QTest::newRow("89 60 refused") << "89 60" << 0.0;
        QTest::newRow("fraction before minutes refused") << "31.5 15" << 0.0;
        QTest::newRow("four numbers refused") << "1 2 3 4" << 0.0;
        QTest::newRow("negative refused") << "-31" << 0.0;
        QTest::newRow("no number refused") << "abc" << 0.0;
    }
    void readsAngles()
    {
        QFETCH(QString, text);
        QFETCH(double, degrees);
        const std::optional<double> read = readAngle(text.toStdString());
        QCOMPARE(read.has_value(), degrees > 0);
        if (read)
            QVERIFY(std::fabs(*read - degrees) < 1e-9);
    }

    void worksOut_data();
    void worksOut();
    void refuses_data();
    void refuses();
    void searchIsExact_data();
    void searchIsExact();
};

// The handbook's sine-bar examples and the published stacks first.
void TestSineBar::worksOut_data()
{
    QTest::addColumn<SineBarEntry>("given");
    QTest::addColumn<QString>("followed");
    QTest::addColumn<QString>("blocks");
    QTest::addColumn<QString>("angleGiven");
    QTest::newRow("handbook 31°15' on 5 in: 2.5939")
        << entry(0, "5", "31°15'", "") << "2.59387" << "2.000 + .350 + .143 + .1009 = 2.5939 in, 4 blocks"
        << "31° 15' 1.6\" (31.25045°), 1.6\" over the angle asked";
    QTest::newRow("handbook 12° on 5 in") << entry(0, "5", "12", "") << "1.03956"
                                          << ".800 + .139 + .1006 = 1.0396 in, 3 blocks"
                                          << "12° 0' 1.8\" (12.00049°), 1.8\" over the angle asked";
    QTest::newRow("handbook 9° on 5 in") << entry(0, "5", "9", "") << "0.78217"
                                         << ".550 + .132 + .1002 = 0.7822 in, 3 blocks"
                                         << "9° 0' 1.2\" (9.00032°), 1.2\" over the angle asked";
    QTest::newRow("published 3.9762 in, 81 set") << entry(0, "5", "", "3.9762") << "52.67793"
        << "3.000 + .750 + .126 + .1002 = 3.9762 in, 4 blocks" << "52° 40' 40.5\" (52.67793°), the angle asked";
    QTest::newRow("58.345 mm, 112 set: 4 blocks, not the hand method's 5")
        << entry(3, "100", "", "58.345") << "35.69356" << "50 + 6 + 1.34 + 1.005 = 58.3450 mm, 4 blocks"
        << "35° 41' 36.8\" (35.69356°), the angle asked";
    QTest::newRow("58.345 mm without 1.005 and 6") << entry(3, "100", "", "58.345", "1.005, 6")
        << "35.69356" << "50 + 5 + 1.34 + 1.004 + 1.001 = 58.3450 mm, 5 blocks"
        << "35° 41' 36.8\" (35.69356°), the angle asked";
    QTest::newRow("tie of two blocks: the largest, 25 + 5") << entry(3, "100", "", "30") << "17.4576"
        << "25 + 5 = 30.0000 mm, 2 blocks" << "17° 27' 27.4\" (17.4576°), the angle asked";
    QTest::newRow("tie of two heights: 0.5 and 1 mm, the lower") << entry(3, "100", "", "0.75")
        << "0.42972" << "0.5 = 0.5000 mm, 1 block" << "0° 17' 11.3\" (0.28648°), 515.7\" under the angle asked";
    QTest::newRow("103 set to 0.005 mm: the nearest") << entry(2, "200", "10", "") << "34.7296"
        << "25 + 8.5 + 1.23 = 34.730 mm, 3 blocks" << "10° 0' 0.4\" (10.00011°), 0.4\" over the angle asked";
    QTest::newRow("88 set, half a micrometre") << entry(1, "100", "", "11.0005") << "6.3156"
        << "10 + 1.0005 = 11.0005 mm, 2 blocks" << "6° 18' 56.2\" (6.3156°), the angle asked";
}

void TestSineBar::worksOut()
{
    QFETCH(SineBarEntry, given);
    QFETCH(QString, followed);
    QFETCH(QString, blocks);
    QFETCH(QString, angleGiven);
    const SineBar worked = workOut(given);
    QVERIFY2(!worked.refusal.refuses(), worked.refusal.prompt().c_str());
    QCOMPARE(QString::fromStdString(worked.texts.followed), followed);
    QCOMPARE(QString::fromStdString(worked.texts.blocks), blocks);
    QCOMPARE(QString::fromStdString(worked.texts.angleGiven), angleGiven);
}

void TestSineBar::refuses_data()
{
    QTest::addColumn<SineBarEntry>("given");
    QTest::addColumn<int>("field");
    const int bar = int(SineField::BarLength), angle = int(SineField::Angle);
    const int height = int(SineField::Height), missing = int(SineField::Missing);
    QTest::newRow("angle 0") << entry(0, "5", "0", "") << angle;
    QTest::newRow("angle 90") << entry(0, "5", "90", "") << angle;
    QTest::newRow("bar 0") << entry(0, "0", "30", "") << bar;
    QTest::newRow("bar negative") << entry(0, "-5", "30", "") << bar;
    QTest::newRow("bar too large to read") << entry(0, "1e999", "30", "") << bar;
    QTest::newRow("height equal to the bar") << entry(0, "5", "", "5") << height;
    QTest::newRow("height 0") << entry(0, "5", "", "0") << height;
    QTest::newRow("height under the thinnest block") << entry(0, "5", "", "0.04") << height;
    QTest::newRow("angle needing more than the set") << entry(0, "100", "30", "") << angle;
    QTest::newRow("no block of the set") << entry(3, "100", "30", "", "6, 1.0004") << missing;
    QTest::newRow("an inch block in a metric set") << entry(3, "100", "30", "", ".1002") << missing;
    QTest::newRow("beyond the set without its inch blocks") << entry(0, "20", "", "19", "1 2 3 4")
                                                           << height;
}

void TestSineBar::refuses()
{
    QFETCH(SineBarEntry, given);
    QFETCH(int, field);
    const SineBar worked = workOut(given);
    QVERIFY(worked.refusal.refuses());
    QCOMPARE(int(*worked.refusal.field), field);
    QCOMPARE(QString::fromStdString(worked.refusal.title), QStringLiteral("Invalid Entry"));
    QVERIFY(worked.texts.blocks.empty());
}

void TestSineBar::searchIsExact_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<QString>("missing");
    QTest::newRow("81") << 0 << "";
    QTest::newRow("81 without .1005 .126 .750 3") << 0 << ".1005 .126 .750 3.000";
    QTest::newRow("112") << 3 << "";
    QTest::newRow("112 without 1.0005 1.005 6 50") << 3 << "1.0005 1.005 6 50";
    QTest::newRow("103") << 2 << "";
}

// Every stack sums to its height from blocks in the box, each once; it is as
// near as any height the plain table reaches and has its fewest blocks.
void TestSineBar::searchIsExact()
{
    QFETCH(int, set);
    QFETCH(QString, missing);
    const BlockSet &s = blockSets().at(size_t(set));
    std::vector<Units> inBox;
    for (Units b : s.blocks()) {
        const QString text = QString::fromStdString(s.blockText(b));
        if (!missing.split(' ').contains(text))
            inBox.push_back(b);
    }
    const Units top = 120000; // 12 in, 60 mm
    const std::vector<int> fewest = plainFewest(inBox, top + 2 * s.perUnit());
    const Units tenths = s.tenthsPerUnit();
    for (Units target = tenths * s.perUnit() / 2; target < top * tenths; target += 2003 * tenths / 3) {
        const Stack stack = nearestStack(s, inBox, target);
        QCOMPARE(std::accumulate(stack.blocks.begin(), stack.blocks.end(), Units(0)), stack.height);
        for (Units b : stack.blocks)
            QCOMPARE(std::count(inBox.begin(), inBox.end(), b), 1);
        QCOMPARE(std::adjacent_find(stack.blocks.begin(), stack.blocks.end()), stack.blocks.end());
        QCOMPARE(int(stack.blocks.size()), fewest[size_t(stack.height)]);
        const Units off = std::llabs(stack.height * tenths - target);
        for (Units h = std::max<Units>(1, (target - off) / tenths); h * tenths <= target + off; ++h)
            QVERIFY(fewest[size_t(h)] == 255 || std::llabs(h * tenths - target) >= off);
    }
}

QTEST_APPLESS_MAIN(TestSineBar)
#include "tst_dorvic_sinebar.moc"
