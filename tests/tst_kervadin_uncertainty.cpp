// The uncertainty's budget and the decision rules' zones, without a window.
// The M10 × 1.5 budget is the worked example of the feature's request; the
// others were worked by hand.
#include "kervadin/core/decision.h"
#include "kervadin/core/uncertainty.h"

#include <QTest>

using namespace kervadin;

Q_DECLARE_METATYPE(DecisionRule)
Q_DECLARE_METATYPE(Zone)

namespace {

// "a=0.002 w=0.00064": boxes by their first letter (m, w, r, p, a, t, U).
UncertaintyEntry entryOf(const QString &typed)
{
    UncertaintyEntry e;
    for (const QString &item : typed.split(' ', Qt::SkipEmptyParts)) {
        const std::string value = item.mid(2).toStdString();
        const QChar key = item[0];
        if (key == 'U') {
            e.expanded = value;
            continue;
        }
        const int input = QStringLiteral("mwrpat").indexOf(key);
        e.inputs[static_cast<std::size_t>(input)] = value;
    }
    return e;
}

ReadingValues readingsOf(const QString &list)
{
    ReadingValues r;
    const QStringList items = list.split(' ', Qt::SkipEmptyParts);
    for (int i = 0; i < items.size(); ++i)
        r[i] = items[i].toDouble();
    return r;
}

} // namespace

class TestUncertainty : public QObject {
    Q_OBJECT
private slots:
    void budget_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("pitch");
        QTest::addColumn<double>("wire");
        QTest::addColumn<double>("basic");
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("readings");
        QTest::addColumn<QString>("expanded");
        QTest::addColumn<QStringList>("lines"); // each must appear in the budget

        QTest::newRow("M10 × 1.5, the worked example") << 60.0 << 1.5 << 0.895 << 9.026 << true
            << "m=0.002 w=0.00064 r=0.001 p=0.005 a=30" << "10.35" << "0.0062"
            << QStringList{"Micrometer 0.002 mm, rectangular, × 1: 1.15 µm",
                           "Wires 0.00064 mm at k = 2, × 3.000: 0.96 µm",
                           "Repeatability 0.001 mm, × 1: 1.00 µm",
                           "Pitch ±0.005 mm, rectangular, × 0.866: 2.50 µm, the largest",
                           "Half-angle ±30', rectangular, × 0.1004 mm/rad: 0.51 µm",
                           "Left out: temperature.", "u = 3.12 µm; U = 2u = 0.0062 mm (k = 2)."};
        QTest::newRow("three readings: their scatter for the repeatability typed")
            << 60.0 << 1.5 << 0.895 << 9.026 << true << "m=0.002 r=0.005 t=2" << "10.35 10.352 10.351"
            << "0.0031"
            << QStringList{"Repeatability, s = 1.00 µm of 3 readings, × 1: 1.00 µm",
                           "Temperature ±2 °C, rectangular, × 0.10 µm/°C: 0.12 µm",
                           "Left out: wires, pitch and half-angle."};
        QTest::newRow("1/4-20 UNC in microinches, the best wire: no angle term")
            << 60.0 << 0.05 << 0.0288675 << 0.2175 << false << "m=0.0001 a=60" << ""
            << "0.0001"
            << QStringList{"Micrometer 0.0001 in, rectangular, × 1: 57.7 µin, the largest",
                           "× 0.0000 in/rad: 0.0 µin", "u = 57.7 µin"};
        QTest::newRow("Acme 29°: wires × 1 + cosec 14.5°")
            << 29.0 << 0.1 << 0.05 << 0.45 << false << "w=0.0001" << "" << "0.0005"
            << QStringList{"× 4.994: 249.7 µin"};
        QTest::newRow("the laboratory's U sets the budget aside")
            << 60.0 << 1.5 << 0.895 << 9.026 << true << "m=0.002 U=0.00346" << "" << "0.0035"
            << QStringList{"U = 0.0035 mm (k = 2), the laboratory's own"};
        QTest::newRow("the readings' scatter alone is no budget")
            << 60.0 << 1.5 << 0.895 << 9.026 << true << "m=abc" << "10.35 10.36" << ""
            << QStringList{"the readings are taken as exact"};
    }
    void budget()
    {
        QFETCH(double, angle);
        QFETCH(double, pitch);
        QFETCH(double, wire);
        QFETCH(double, basic);
        QFETCH(bool, metric);
        QFETCH(QString, typed);
        QFETCH(QString, readings);
        QFETCH(QString, expanded);
        QFETCH(QStringList, lines);
        const Budget b = workBudget({angle, pitch, wire, basic, metric ? Unit::Millimetre : Unit::Inch},
                                    entryOf(typed), readingsOf(readings));
        const QString text = QString::fromStdString(b.text);
        QCOMPARE(b.given, !expanded.isEmpty());
        if (b.given)
            QCOMPARE(QString::number(b.expanded, 'f', 4), expanded);
        for (const QString &line : lines)
            QVERIFY2(text.contains(line), qPrintable(text));
    }

    // Limits 9.0260 / 8.8540 (M10 6g-like), U 0.0062 unless said.
    void zones_data()
    {
        QTest::addColumn<DecisionRule>("rule");
        QTest::addColumn<double>("expanded");
        QTest::addColumn<double>("diameter");
        QTest::addColumn<Zone>("zone");
        using R = DecisionRule;
        QTest::newRow("simple: on the maximum") << R::Simple << 0.0062 << 9.026 << Zone::Within;
        QTest::newRow("simple: over by 0.0001") << R::Simple << 0.0062 << 9.0261 << Zone::Over;
        QTest::newRow("guard band: on max − U") << R::GuardBand << 0.0062 << 9.0198 << Zone::Accept;
        QTest::newRow("guard band: inside the band") << R::GuardBand << 0.0062 << 9.0199 << Zone::Reject;
        QTest::newRow("guard band: on min + U") << R::GuardBand << 0.0062 << 8.8602 << Zone::Accept;
        QTest::newRow("guard band, U 0: the limits") << R::GuardBand << 0.0 << 8.854 << Zone::Accept;
        QTest::newRow("non-binary: pass") << R::NonBinary << 0.0062 << 8.94 << Zone::Pass;
        QTest::newRow("non-binary: conditional pass") << R::NonBinary << 0.0062 << 8.8541 << Zone::ConditionalPass;
        QTest::newRow("non-binary: conditional fail on max + U") << R::NonBinary << 0.0062 << 9.0322 << Zone::ConditionalFail;
        QTest::newRow("non-binary: fail past min − U") << R::NonBinary << 0.0062 << 8.8477 << Zone::Fail;
        QTest::newRow("2U = T: nothing passes") << R::NonBinary << 0.086 << 8.94 << Zone::ConditionalPass;
        QTest::newRow("2U = T: nothing accepted") << R::GuardBand << 0.086 << 8.94 << Zone::Reject;
    }
    void zones()
    {
        QFETCH(DecisionRule, rule);
        QFETCH(double, expanded);
        QFETCH(double, diameter);
        QFETCH(Zone, zone);
        QCOMPARE(place({9.026, 8.854, expanded, rule}, diameter).zone, zone);
    }

    void verdicts_data()
    {
        QTest::addColumn<DecisionRule>("rule");
        QTest::addColumn<double>("expanded");
        QTest::addColumn<QString>("diameters");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("ruleLine");
        using R = DecisionRule;
        QTest::newRow("conditional pass at reading 2")
            << R::NonBinary << 0.0006 << "8.9400 9.0257"
            << "Conditional pass at reading 2: within limits, but 0.0003 from the maximum with U 0.0006."
            << "Decision rule: Pass / conditional pass / conditional fail / fail; U 0.0006; T : 2U = 143.3 : 1.";
        QTest::newRow("reject: outside within U")
            << R::GuardBand << 0.0062 << "9.0300"
            << "Reject: oversize by 0.0040, within U 0.0062 of the maximum."
            << "Decision rule: Guard band w = U; U 0.0062; T : 2U = 13.9 : 1.";
        QTest::newRow("fail, under 4 : 1")
            << R::NonBinary << 0.03 << "8.8000 8.9000"
            << "Fail at reading 1: undersize by 0.0540, more than U 0.0300."
            << "T : 2U = 2.9 : 1, under 4 : 1";
        QTest::newRow("no reading can be accepted")
            << R::GuardBand << 0.086 << "8.9400"
            << "Reject: within limits, but none can be accepted with U 0.0860."
            << "No reading can be accepted: 2U 0.1720 is not less than the tolerance 0.1720.";
    }
    void verdicts()
    {
        QFETCH(DecisionRule, rule);
        QFETCH(double, expanded);
        QFETCH(QString, diameters);
        QFETCH(QString, verdict);
        QFETCH(QString, ruleLine);
        const Limits limits{9.026, 8.854, expanded, rule};
        PitchDiameters d;
        const QStringList items = diameters.split(' ');
        for (int i = 0; i < items.size(); ++i)
            d[i] = items[i].toDouble();
        QCOMPARE(QString::fromStdString(judgeByRule(limits, d).verdict), verdict);
        QVERIFY(QString::fromStdString(ruleLines(limits, true)).contains(ruleLine));
    }
};

QTEST_APPLESS_MAIN(TestUncertainty)
#include "tst_kervadin_uncertainty.moc"
