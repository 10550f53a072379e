// The triangle window driven as a person would: clicks into the boxes, typed
// keys, presses of the buttons. Messages are recorded instead of shown.
// Expected texts were worked out by hand and with Python's decimal module
// (pi taken as 3.141593; 15 significant digits, then half away from zero).

#include "dorvicwindows.h"

using dorvic::Solver;

namespace {

const QString NoData = QStringLiteral(
    "32 No Data: Not enough data has been entered. Please enter data as instructions.");
const QString TwoAngles = QStringLiteral(
    "32 Invalid Entry: Invalid data. Two angles are not allowed. Please enter data as instructions.");

// Five texts for a, b, c, B, C; an empty text is a box left empty.
using Entries = QStringList;

} // namespace

class TestTriangleWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { s.begin(); }
    void cleanup() { s.end(); }

    void startShowsOnlyTheTriangleWindow();
    void classifiesByTheFirstGivenBoxes_data();
    void classifiesByTheFirstGivenBoxes();
    void solves_data();
    void solves();
    void secondPressSolvesFromSidesAsDisplayed();
    void refusesHypotenuseNotLongest_data();
    void refusesHypotenuseNotLongest();
    void aFaultChangesNothing_data();
    void aFaultChangesNothing();
    void clearEmptiesEveryBoxAndKeepsFocus();
    void keyboardOrder();
    void closeEndsProgram_data();
    void closeEndsProgram();

private:
    QString text(const QString &name) const { return s.box(name)->text(); }
    QStringList messages() const { return s.messageLines(); }

    dorvicwindows::Session s;
};

void TestTriangleWindow::startShowsOnlyTheTriangleWindow()
{
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("dorvic"));
    QCOMPARE(s.shownWindows(), QStringList{"frmTriangleRight"});
    QCOMPARE(s.focusName(), QStringLiteral("txtRightSidea"));
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(w->objectName() != QLatin1String("MDIForm1"), "the empty frame is never made");
}

// One row per row of the classification table (first matching row wins),
// then the given-box rules.
void TestTriangleWindow::classifiesByTheFirstGivenBoxes_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("area");

    QTest::newRow("a b") << Entries{"5", "3", "", "", ""} << "EnterRightSideaSideb" << "6.";
    QTest::newRow("a b, c B C also given") << Entries{"5", "3", "7", "30", "60"}
                                           << "EnterRightSideaSideb" << "6.";
    QTest::newRow("a c (B ignored)") << Entries{"5", "", "4", "30", ""} << "EnterRightSideaSidec"
                                     << "6.";
    QTest::newRow("a B (C ignored)") << Entries{"5", "", "", "30", "60"}
                                     << "EnterRightSideaAngleB" << "5.413";
    QTest::newRow("a C") << Entries{"5", "", "", "", "60"} << "EnterRightSideaAngleC" << "5.413";
    QTest::newRow("a alone") << Entries{"5", "", "", "", ""} << NoData << ".";
    QTest::newRow("b c (B ignored)") << Entries{"", "3", "4", "30", ""} << "EnterRightSidebSidec"
                                     << "6.";
    QTest::newRow("b B (C ignored)") << Entries{"", "3", "", "30", "60"}
                                     << "EnterRightSidebAngleB" << "7.794";
    QTest::newRow("b C") << Entries{"", "3", "", "", "60"} << "EnterRightSidebAngleC" << "7.794";
    QTest::newRow("b alone") << Entries{"", "3", "", "", ""} << NoData << ".";
    QTest::newRow("c B (C ignored)") << Entries{"", "", "4", "30", "60"}
                                     << "EnterRightSidecAngleB" << "4.618";
    QTest::newRow("c C") << Entries{"", "", "4", "", "60"} << "EnterRightSidecAngleC" << "4.618";
    QTest::newRow("c alone") << Entries{"", "", "4", "", ""} << NoData << ".";
    QTest::newRow("B C") << Entries{"", "", "", "30", "60"} << TwoAngles << ".";
    QTest::newRow("B alone") << Entries{"", "", "", "30", ""} << NoData << ".";
    QTest::newRow("C alone") << Entries{"", "", "", "", "60"} << NoData << ".";
    QTest::newRow("nothing") << Entries{"", "", "", "", ""} << NoData << ".";
    QTest::newRow("a blank is given, reads 0") << Entries{"5", " ", "", "", ""}
                                               << "EnterRightSideaSideb" << ".";
    QTest::newRow("a non-number is given, reads 0") << Entries{"abc", "", "", "30", ""}
                                                    << "EnterRightSideaAngleB" << ".";
}

void TestTriangleWindow::classifiesByTheFirstGivenBoxes()
{
    QFETCH(Entries, entries);
    QFETCH(QString, outcome);
    QFETCH(QString, area);

    static const QHash<QString, Solver> solvers = {
        {"EnterRightSideaSideb", Solver::SideaSideb}, {"EnterRightSideaSidec", Solver::SideaSidec},
        {"EnterRightSidebSidec", Solver::SidebSidec},
        {"EnterRightSideaAngleB", Solver::SideaAngleB},
        {"EnterRightSideaAngleC", Solver::SideaAngleC},
        {"EnterRightSidebAngleB", Solver::SidebAngleB},
        {"EnterRightSidebAngleC", Solver::SidebAngleC},
        {"EnterRightSidecAngleB", Solver::SidecAngleB},
        {"EnterRightSidecAngleC", Solver::SidecAngleC},
    };
    const bool solved = solvers.contains(outcome);

    s.enter(entries);
    s.press("cmdRightCalculate");

    // The case Calculate recorded; a refusal leaves every box as typed.
    const std::optional<dorvic::Case> &chosen = s->state().lastCase;
    QVERIFY(chosen);
    QCOMPARE(chosen->solver, solved ? std::optional(solvers.value(outcome)) : std::nullopt);
    if (!solved)
        QCOMPARE(s.texts(), entries);
    QCOMPARE(messages(), solved ? QStringList() : QStringList{outcome});
    QCOMPARE(text("txtRightArea"), area);
}

void TestTriangleWindow::solves_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<Entries>("expected");
    QTest::addColumn<QString>("area");

    QTest::newRow("a 5 b 3: c is 4 and the point")
        << Entries{"5", "3", "", "", ""} << Entries{"5", "3", "4.", "36.87", "53.13"} << "6.";
    QTest::newRow("a 5 c 4") << Entries{"5", "", "4", "", ""}
                             << Entries{"5", "3.", "4", "36.87", "53.13"} << "6.";
    QTest::newRow("b 3 c 4") << Entries{"", "3", "4", "", ""}
                             << Entries{"5.", "3", "4", "36.87", "53.13"} << "6.";
    QTest::newRow("a 12.5 b 3.5") << Entries{"12.5", "3.5", "", "", ""}
                                  << Entries{"12.5", "3.5", "12.", "16.26", "73.74"} << "21.";
    QTest::newRow("a 5 b -5: c of 0 divides by 1")
        << Entries{"5", "-5", "", "", ""} << Entries{"5", "-5", ".", "-78.69", "168.69"} << ".";
    QTest::newRow("a 10 B 30: b just above 5 shows 5.")
        << Entries{"10", "", "", "30", ""} << Entries{"10", "5.", "8.66", "30", "60."} << "21.65";
    QTest::newRow("a 10 C 30") << Entries{"10", "", "", "", "30"}
                               << Entries{"10", "8.66", "5.", "60.", "30"} << "21.65";
    QTest::newRow("b 3 B 40") << Entries{"", "3", "", "40", ""}
                              << Entries{"4.667", "3", "3.575", "40", "50."} << "5.363";
    QTest::newRow("b 3 C 40") << Entries{"", "3", "", "", "40"}
                              << Entries{"3.916", "3", "2.517", "50.", "40"} << "3.776";
    QTest::newRow("c 4 B 35") << Entries{"", "", "4", "35", ""}
                              << Entries{"4.883", "2.801", "4", "35", "55."} << "5.602";
    QTest::newRow("c 4 C 55") << Entries{"", "", "4", "", "55"}
                              << Entries{"4.883", "2.801", "4", "35.", "55"} << "5.602";
    QTest::newRow("c 4 B 0: no fault, b is 0") << Entries{"", "", "4", "0", ""}
                                               << Entries{"4.", ".", "4", "0", "90."} << ".";
    QTest::newRow("a 10 B 100: nothing refused")
        << Entries{"10", "", "", "100", ""} << Entries{"10", "9.848", "-1.736", "100", "-10."}
        << "-8.548";
    // 59.625 is exact: half away from zero gives .63 where half to even gives .62.
    QTest::newRow("tie under ##.##: typed angle kept, other from it")
        << Entries{"10", "", "", "30.375", ""} << Entries{"10", "5.057", "8.627", "30.375", "59.63"}
        << "21.813";
    // 90 - 30.005 is 59.99499999999999744 as a double; 15 digits make it 59.995.
    QTest::newRow("##.## rounds the 15-digit value")
        << Entries{"10", "", "", "30.005", ""} << Entries{"10", "5.001", "8.66", "30.005", "60."}
        << "21.654";
    // B comes to 36.875 to 15 digits: shown as 36.88, so C is 53.12 (not the
    // 53.13 that 90 minus the unrounded B would give).
    QTest::newRow("tie under ##.##: C from B as shown")
        << Entries{"", "0.7501392653180213", "1", "", ""}
        << Entries{"1.25", "0.7501392653180213", "1", "36.88", "53.12"} << ".375";
    // 0.009 x 1 / 2 = 0.0045 to 15 digits.
    QTest::newRow("tie under ###.###: area") << Entries{"", "1", "0.009", "", ""}
                                             << Entries{"1.", "1", "0.009", "89.48", ".52"} << ".005";
    // 4.33 x 2.5 / 2 = 5.4125
    QTest::newRow("tie under ###.###: area from displayed legs")
        << Entries{"5", "", "", "30", ""} << Entries{"5", "2.5", "4.33", "30", "60."} << "5.413";
}

void TestTriangleWindow::solves()
{
    QFETCH(Entries, entries);
    QFETCH(Entries, expected);
    QFETCH(QString, area);

    s.enter(entries);
    s.press("cmdRightCalculate");

    QCOMPARE(messages(), QStringList());
    QCOMPARE(s.texts(), expected);
    QCOMPARE(text("txtRightArea"), area);
}

void TestTriangleWindow::secondPressSolvesFromSidesAsDisplayed()
{
    s.enter({"10", "", "", "30", ""});
    s.press("cmdRightCalculate");
    QCOMPARE(s.texts(), (QStringList{"10", "5.", "8.66", "30", "60."}));

    // Now a and b are given: c = sqrt(100 - 25), B = atan(5 / 8.6602...).
    s.press("cmdRightCalculate");
    QCOMPARE(s.texts(), (QStringList{"10", "5.", "8.66", "30.", "60."}));
    QCOMPARE(text("txtRightArea"), QStringLiteral("21.65"));
}

void TestTriangleWindow::refusesHypotenuseNotLongest_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("area");

    const QString sideB = QStringLiteral(
        "32 Invalid Entry: Invalid entry. Side 'a' cannot be the same length as or shorter than "
        "side 'b'.");
    const QString sideC = QStringLiteral(
        "32 Invalid Entry: Invalid entry. Side 'a' cannot be the same length as or shorter than "
        "side 'c'.");
    // The area still follows from b and c as they stand.
    QTest::newRow("a equal to b") << Entries{"5", "5", "7", "1", "2"} << sideB << "17.5";
    QTest::newRow("a shorter than b") << Entries{"3", "4", "", "", ""} << sideB << ".";
    QTest::newRow("a shorter than c") << Entries{"3", "", "5", "1", "2"} << sideC << ".";
    QTest::newRow("a equal to c, both negative") << Entries{"-2", "", "-2", "", ""} << sideC << ".";
}

void TestTriangleWindow::refusesHypotenuseNotLongest()
{
    QFETCH(Entries, entries);
    QFETCH(QString, message);
    QFETCH(QString, area);

    s.enter(entries);
    s.press("cmdRightCalculate");

    QCOMPARE(messages(), QStringList{message});
    QCOMPARE(s.texts(), entries);
    QCOMPARE(text("txtRightArea"), area);
}

// Each row: a solved triangle on show, then the entries that fault; one
// message and nothing changed, then a good calculation works.
void TestTriangleWindow::aFaultChangesNothing_data()
{
    QTest::addColumn<Entries>("entries");

    QTest::newRow("angle B 0 with b") << Entries{"", "3", "", "0", ""};
    QTest::newRow("angle C 0 with c") << Entries{"", "", "4", "", "0"};
    QTest::newRow("c 0 with a") << Entries{"5", "", "0", "", ""};
    QTest::newRow("c 0 with b") << Entries{"", "3", "0", "", ""};
    QTest::newRow("a -3 with b -5: root of a negative") << Entries{"-3", "-5", "", "", ""};
    QTest::newRow("1e200 as a side") << Entries{"1e200", "1", "", "", ""};
    QTest::newRow("1e200 as both legs") << Entries{"", "1e200", "1e200", "", ""};
    QTest::newRow("a 1e160 with B 45: only the area overflows") << Entries{"1e160", "", "", "45", ""};
    QTest::newRow("1e999 typed") << Entries{"1e999", "3", "", "", ""};
    QTest::newRow("1e999 typed as an angle") << Entries{"", "3", "", "1e999", ""};
}

void TestTriangleWindow::aFaultChangesNothing()
{
    QFETCH(Entries, entries);
    s.enter({"5", "3", "", "", ""});
    s.press("cmdRightCalculate");
    QCOMPARE(text("txtRightArea"), QStringLiteral("6."));
    s.press("CmdClear");
    s.enter(entries);

    QPushButton *calculate = s.button("cmdRightCalculate");
    const QStringList before = s.snapshotBeforeClick(calculate);
    s.click(calculate);
    s.verifyOneFault("dorvic");
    QCOMPARE(s.snapshot(), before);
    QCOMPARE(s->state().lastCase->solver, std::optional(Solver::SideaSideb));

    // The window goes on working.
    s.press("CmdClear");
    s.enter({"10", "", "", "30", ""});
    s.press("cmdRightCalculate");
    QCOMPARE(s.texts(), (QStringList{"10", "5.", "8.66", "30", "60."}));
    QCOMPARE(text("txtRightArea"), QStringLiteral("21.65"));
    QCOMPARE(s.messages.size(), 1);
}

void TestTriangleWindow::clearEmptiesEveryBoxAndKeepsFocus()
{
    s.enter({"5", "3", "", "", ""});
    s.press("cmdRightCalculate");
    QCOMPARE(text("txtRightArea"), QStringLiteral("6."));

    // From the keyboard, so the focus is known to be on Clear before it runs.
    s.click(s.box("txtRightArea"));
    s.key(Qt::Key_Tab);
    QCOMPARE(s.focusName(), QStringLiteral("CmdClear"));
    s.key(Qt::Key_Space);

    QCOMPARE(s.texts(), (QStringList{"", "", "", "", ""}));
    QCOMPARE(text("txtRightArea"), QString());
    QCOMPARE(s.focusName(), QStringLiteral("CmdClear"));
    QCOMPARE(s.ends, 0);
}

void TestTriangleWindow::keyboardOrder()
{
    QStringList visited{s.focusName()};
    for (int i = 0; i < 10; ++i) {
        s.key(Qt::Key_Tab);
        visited << s.focusName();
    }
    QCOMPARE(visited, (QStringList{"txtRightSidea", "txtRightSideb", "txtRightSidec",
                                   "txtRightAngleB", "txtRightAngleC", "cmdRightCalculate",
                                   "txtRightArea", "CmdClear", "CmdClose", "cmdSineBar",
                                   "txtRightSidea"}));
}

void TestTriangleWindow::closeEndsProgram_data()
{
    QTest::addColumn<bool>("byFrame");
    QTest::newRow("Close button") << false;
    QTest::newRow("window frame") << true;
}

void TestTriangleWindow::closeEndsProgram()
{
    QFETCH(bool, byFrame);
    s.enter({"5", "", "", "", ""});
    if (byFrame)
        s->frmTriangleRight()->close();
    else
        s.press("CmdClose");
    QCOMPARE(s.ends, 1);
    QCOMPARE(messages(), QStringList());
}

QTEST_MAIN(TestTriangleWindow)
#include "tst_dorvic_window.moc"
