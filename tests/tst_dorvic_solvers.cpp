// The solvers without a window: the order in which each writes its boxes
// (which decides what a fault leaves behind).

#include "dorvic/solvers.h"

#include <QTest>
#include <map>

using dorvic::Box;
using dorvic::Solver;

namespace {

char letter(Box box)
{
    return "abcBC"[static_cast<int>(box)];
}

class RecordingBoxes : public dorvic::Boxes {
public:
    std::map<Box, std::string> texts;
    QString written; // the letters of the boxes in the order written

    std::string text(Box box) const override
    {
        const auto it = texts.find(box);
        return it == texts.end() ? std::string() : it->second;
    }
    void write(Box box, const std::string &text, const std::string &) override
    {
        texts[box] = text;
        written += QLatin1Char(letter(box));
    }
};

} // namespace

class TestTriangleSolvers : public QObject {
    Q_OBJECT

private slots:
    void writesInOrder_data();
    void writesInOrder();
};

void TestTriangleSolvers::writesInOrder_data()
{
    QTest::addColumn<Solver>("solver");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");
    QTest::addColumn<QString>("order");

    QTest::newRow("EnterRightSideaSideb") << Solver::SideaSideb << 5.0 << 3.0 << "cBC";
    QTest::newRow("EnterRightSideaSidec") << Solver::SideaSidec << 5.0 << 4.0 << "bBC";
    QTest::newRow("EnterRightSidebSidec") << Solver::SidebSidec << 3.0 << 4.0 << "aBC";
    QTest::newRow("EnterRightSideaAngleB") << Solver::SideaAngleB << 5.0 << 30.0 << "bcC";
    QTest::newRow("EnterRightSideaAngleC") << Solver::SideaAngleC << 5.0 << 30.0 << "bcB";
    QTest::newRow("EnterRightSidebAngleB") << Solver::SidebAngleB << 3.0 << 30.0 << "acC";
    QTest::newRow("EnterRightSidebAngleC") << Solver::SidebAngleC << 3.0 << 30.0 << "acB";
    QTest::newRow("EnterRightSidecAngleB") << Solver::SidecAngleB << 4.0 << 30.0 << "abC";
    QTest::newRow("EnterRightSidecAngleC") << Solver::SidecAngleC << 4.0 << 30.0 << "abB";
}

void TestTriangleSolvers::writesInOrder()
{
    QFETCH(Solver, solver);
    QFETCH(double, first);
    QFETCH(double, second);
    QFETCH(QString, order);

    RecordingBoxes boxes;
    // The given angle's box shows what the solver was handed.
    boxes.texts[Box::AngleB] = boxes.texts[Box::AngleC] = "30";
    QCOMPARE(QString::fromStdString(dorvic::solve(solver, first, second, boxes)), QString());
    QCOMPARE(boxes.written, order);
}

QTEST_APPLESS_MAIN(TestTriangleSolvers)
#include "tst_dorvic_solvers.moc"
