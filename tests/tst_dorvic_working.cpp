// Showing the working: every value a solver writes carries the relation it
// came from, shown as the box's tooltip until the user types in the box or
// presses Clear. The relations are written out by hand from the solvers'
// definitions.
#include "dorvic/dorvic.h"
#include "dorvic/frmtriangleright.h"
#include "dorvic/solvers.h"
#include "runtime/messages.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <map>

using dorvic::Box;
using dorvic::Solver;

namespace {

class RelationBoxes : public dorvic::Boxes {
public:
    std::map<Box, std::string> texts;
    QStringList relations; // "letter: relation", in the order written

    std::string text(Box box) const override
    {
        const auto it = texts.find(box);
        return it == texts.end() ? std::string() : it->second;
    }
    void write(Box box, const std::string &text, const std::string &relation) override
    {
        texts[box] = text;
        relations << QStringLiteral("%1: %2")
                         .arg(QString(QLatin1Char("abcBC"[static_cast<int>(box)])),
                              QString::fromStdString(relation));
    }
};

const char *const BoxNames[] = {"txtRightSidea", "txtRightSideb", "txtRightSidec",
                                "txtRightAngleB", "txtRightAngleC", "txtRightArea"};

} // namespace

class TestDorvicWorking : public QObject {
    Q_OBJECT

    QWidget *w = nullptr;
    QStringList messages;

    QLineEdit *box(const char *name) const { return w->findChild<QLineEdit *>(QLatin1String(name)); }
    void click(const char *name)
    {
        QTest::mouseClick(w->findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
    }
    QStringList tooltips() const
    {
        QStringList tips;
        for (const char *name : BoxNames)
            tips << box(name)->toolTip();
        return tips;
    }

private slots:
    void initTestCase()
    {
        rt::setMessagePresenter([this](int, const QString &title, const QString &) {
            messages << title;
        });
        rt::setEndHandler([] {});
        dorvic::start();
        w = dorvic::frmTriangleRight();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    void solversGiveTheirRelations_data()
    {
        QTest::addColumn<Solver>("solver");
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::addColumn<QStringList>("relations");

        QTest::newRow("a, b") << Solver::SideaSideb << 5.0 << 3.0
                              << QStringList{"c: c = √(a² − b²)", "B: B = arctan(b / c)",
                                             "C: C = 90 − B"};
        QTest::newRow("a, c") << Solver::SideaSidec << 5.0 << 4.0
                              << QStringList{"b: b = √(a² − c²)", "B: B = arctan(b / c)",
                                             "C: C = 90 − B"};
        QTest::newRow("b, c") << Solver::SidebSidec << 3.0 << 4.0
                              << QStringList{"a: a = √(b² + c²)", "B: B = arctan(b / c)",
                                             "C: C = 90 − B"};
        QTest::newRow("a, B") << Solver::SideaAngleB << 10.0 << 30.0
                              << QStringList{"b: b = a · sin B", "c: c = a · cos B",
                                             "C: C = 90 − B"};
        QTest::newRow("a, C") << Solver::SideaAngleC << 10.0 << 30.0
                              << QStringList{"b: b = a · cos C", "c: c = a · sin C",
                                             "B: B = 90 − C"};
        QTest::newRow("b, B") << Solver::SidebAngleB << 3.0 << 40.0
                              << QStringList{"a: a = b / sin B", "c: c = b / tan B",
                                             "C: C = 90 − B"};
        QTest::newRow("b, C") << Solver::SidebAngleC << 3.0 << 40.0
                              << QStringList{"a: a = b / cos C", "c: c = b · tan C",
                                             "B: B = 90 − C"};
        QTest::newRow("c, B") << Solver::SidecAngleB << 4.0 << 40.0
                              << QStringList{"a: a = c / cos B", "b: b = c · tan B",
                                             "C: C = 90 − B"};
        QTest::newRow("c, C") << Solver::SidecAngleC << 4.0 << 40.0
                              << QStringList{"a: a = c / sin C", "b: b = c / tan C",
                                             "B: B = 90 − C"};
        QTest::newRow("refused: nothing") << Solver::SideaSideb << 3.0 << 5.0 << QStringList();
    }

    void solversGiveTheirRelations()
    {
        QFETCH(Solver, solver);
        QFETCH(double, first);
        QFETCH(double, second);
        RelationBoxes boxes;
        // The given angle's box, which the side-and-angle solvers read back.
        boxes.texts[Box::AngleB] = boxes.texts[Box::AngleC] = std::to_string(second);
        dorvic::solve(solver, first, second, boxes);
        QTEST(boxes.relations, "relations");
    }

    // a, b, c, B, C, area: what the user typed, then the tooltips after
    // Calculate.
    void tooltipsFollowTheBoxes_data()
    {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QStringList>("tips");
        const QString area = QStringLiteral("Area = b · c / 2");
        QTest::newRow("a 5, b 3")
            << QStringList{"5", "3", "", "", ""}
            << QStringList{"", "", "c = √(a² − b²)", "B = arctan(b / c)", "C = 90 − B", area};
        QTest::newRow("b 3, B 40")
            << QStringList{"", "3", "", "40", ""}
            << QStringList{"a = b / sin B", "", "c = b / tan B", "", "C = 90 − B", area};
        QTest::newRow("no data: only the area")
            << QStringList{"5", "", "", "", ""} << QStringList{"", "", "", "", "", area};
    }

    void tooltipsFollowTheBoxes()
    {
        QFETCH(QStringList, given);
        QFETCH(QStringList, tips);
        messages.clear();
        click("CmdClear");
        QCOMPARE(tooltips(), QStringList(6, QString()));
        for (int i = 0; i < 5; ++i) {
            if (given[i].isEmpty())
                continue;
            QTest::mouseClick(box(BoxNames[i]), Qt::LeftButton);
            QTest::keyClicks(box(BoxNames[i]), given[i]);
        }
        click("cmdRightCalculate");
        QCOMPARE(tooltips(), tips);

        // Typing in a solved box takes its relation away; the others keep
        // theirs. Clear takes them all.
        for (int i = 0; i < 5; ++i) {
            if (!tips[i].isEmpty()) {
                QTest::mouseClick(box(BoxNames[i]), Qt::LeftButton);
                QTest::keyClicks(box(BoxNames[i]), QStringLiteral("1"));
                tips[i].clear();
                QCOMPARE(tooltips(), tips);
                break;
            }
        }
        click("CmdClear");
        QCOMPARE(tooltips(), QStringList(6, QString()));
    }
};

QTEST_MAIN(TestDorvicWorking)
#include "tst_dorvic_working.moc"
