// The solvers without a window: each gives exactly the three values not
// given, every one with its relation, or a refusal and nothing at all.

#include "dorvic/core/solvers.h"

#include <QTest>
#include <algorithm>

using dorvic::Box;
using dorvic::Solver;

class TestTriangleSolvers : public QObject {
    Q_OBJECT

private slots:
    void givesTheMissingValues_data();
    void givesTheMissingValues();
};

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
    QCOMPARE(QString::fromStdString(solution.refusal), refusal);
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
