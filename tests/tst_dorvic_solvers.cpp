// The classification and the solvers without a window: which case the
// given boxes make, and each solver gives exactly the three values not
// given, every one with its relation, or a refusal and nothing at all.

#include "dorvic/core/classify.h"
#include "runtime/numbers.h"

#include <QTest>
#include <algorithm>

using dorvic::Box;
using dorvic::Solver;

class TestTriangleSolvers : public QObject {
    Q_OBJECT

private slots:
    void classifiesByTheFirstTwoGivenBoxes_data();
    void classifiesByTheFirstTwoGivenBoxes();
    void givesTheMissingValues_data();
    void givesTheMissingValues();
};

// The texts of a, b, c, B, C, separated by commas; 5, 3, 4, 30, 60 where
// given, so the values show which boxes were read. Refused: the title;
// "fault": reading throws.
void TestTriangleSolvers::classifiesByTheFirstTwoGivenBoxes_data()
{
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<Solver>("solver");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");

    const QString none;
    const QString noData = QStringLiteral("No Data");
    const Solver no{};
    QTest::newRow("a b c B C") << "5,3,4,30,60" << none << Solver::SideaSideb << 5.0 << 3.0;
    QTest::newRow("a c B") << "5,,4,30," << none << Solver::SideaSidec << 5.0 << 4.0;
    QTest::newRow("a B C") << "5,,,30,60" << none << Solver::SideaAngleB << 5.0 << 30.0;
    QTest::newRow("a C") << "5,,,,60" << none << Solver::SideaAngleC << 5.0 << 60.0;
    QTest::newRow("b c B") << ",3,4,30," << none << Solver::SidebSidec << 3.0 << 4.0;
    QTest::newRow("b B C") << ",3,,30,60" << none << Solver::SidebAngleB << 3.0 << 30.0;
    QTest::newRow("b C") << ",3,,,60" << none << Solver::SidebAngleC << 3.0 << 60.0;
    QTest::newRow("c B C") << ",,4,30,60" << none << Solver::SidecAngleB << 4.0 << 30.0;
    QTest::newRow("c C") << ",,4,,60" << none << Solver::SidecAngleC << 4.0 << 60.0;
    QTest::newRow("blank, non-number: 0") << " ,,x,," << none << Solver::SideaSidec << 0.0 << 0.0;
    QTest::newRow("c not read") << "5,3,1e999,," << none << Solver::SideaSideb << 5.0 << 3.0;
    QTest::newRow("a") << "5,,,," << noData << no << 0.0 << 0.0;
    QTest::newRow("b") << ",3,,," << noData << no << 0.0 << 0.0;
    QTest::newRow("c") << ",,4,," << noData << no << 0.0 << 0.0;
    QTest::newRow("B C, C not read") << ",,,30,1e999" << "Invalid Entry" << no << 0.0 << 0.0;
    QTest::newRow("B") << ",,,30," << noData << no << 0.0 << 0.0;
    QTest::newRow("C") << ",,,,60" << noData << no << 0.0 << 0.0;
    QTest::newRow("nothing") << ",,,," << noData << no << 0.0 << 0.0;
    QTest::newRow("B alone too large to read") << ",,,1e999," << "fault" << no << 0.0 << 0.0;
}

void TestTriangleSolvers::classifiesByTheFirstTwoGivenBoxes()
{
    QFETCH(QString, boxes);
    QFETCH(QString, refused);
    QFETCH(Solver, solver);
    QFETCH(double, first);
    QFETCH(double, second);

    const QStringList given = boxes.split(QLatin1Char(','));
    QCOMPARE(given.size(), 5);
    dorvic::BoxTexts texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = given[int(i)].toStdString();
    if (refused == QLatin1String("fault")) {
        QVERIFY_THROWS_EXCEPTION(rt::ArithmeticFault, dorvic::classify(texts));
        return;
    }
    const dorvic::Case chosen = dorvic::classify(texts);
    QCOMPARE(QString::fromStdString(chosen.refusal.title), refused);
    QCOMPARE(chosen.solver.has_value(), refused.isEmpty());
    if (chosen.solver) {
        QCOMPARE(*chosen.solver, solver);
        QCOMPARE(chosen.first, first);
        QCOMPARE(chosen.second, second);
    }
}

void TestTriangleSolvers::givesTheMissingValues_data()
{
    QTest::addColumn<Solver>("solver");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");
    QTest::addColumn<QString>("written"); // letters of a, b, c, B, C given back
    QTest::addColumn<QString>("refusal");

    const QString sideB = QStringLiteral(
        "Invalid entry. Side 'a' cannot be the same length as or shorter than side 'b'.");
    const QString sideC = QStringLiteral(
        "Invalid entry. Side 'a' cannot be the same length as or shorter than side 'c'.");
    QTest::newRow("a, b") << Solver::SideaSideb << 5.0 << 3.0 << "BCc" << "";
    QTest::newRow("a, c") << Solver::SideaSidec << 5.0 << 4.0 << "BCb" << "";
    QTest::newRow("b, c") << Solver::SidebSidec << 3.0 << 4.0 << "BCa" << "";
    QTest::newRow("a, B") << Solver::SideaAngleB << 5.0 << 30.0 << "Cbc" << "";
    QTest::newRow("a, C") << Solver::SideaAngleC << 5.0 << 30.0 << "Bbc" << "";
    QTest::newRow("b, B") << Solver::SidebAngleB << 3.0 << 30.0 << "Cac" << "";
    QTest::newRow("b, C") << Solver::SidebAngleC << 3.0 << 30.0 << "Bac" << "";
    QTest::newRow("c, B") << Solver::SidecAngleB << 4.0 << 30.0 << "Cab" << "";
    QTest::newRow("c, C") << Solver::SidecAngleC << 4.0 << 30.0 << "Bab" << "";
    QTest::newRow("a equal to b") << Solver::SideaSideb << 5.0 << 5.0 << "" << sideB;
    QTest::newRow("a shorter than c") << Solver::SideaSidec << 3.0 << 4.0 << "" << sideC;
}

void TestTriangleSolvers::givesTheMissingValues()
{
    QFETCH(Solver, solver);
    QFETCH(double, first);
    QFETCH(double, second);
    QFETCH(QString, written);
    QFETCH(QString, refusal);

    const dorvic::Solution solution = dorvic::solve(solver, first, second);
    QCOMPARE(QString::fromStdString(solution.refusal.prompt()), refusal);
    QCOMPARE(solution.refusal.refuses(), !refusal.isEmpty());
    QString letters;
    for (const dorvic::Written &w : solution.written) {
        letters += QLatin1Char("abcBC"[static_cast<int>(w.box)]);
        QVERIFY(!w.text.empty());
        QVERIFY(!w.relation.empty());
    }
    std::sort(letters.begin(), letters.end());
    QCOMPARE(letters, written);
}

QTEST_APPLESS_MAIN(TestTriangleSolvers)
#include "tst_dorvic_solvers.moc"
