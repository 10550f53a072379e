// The triangle window driven as a person would: clicks into the boxes, typed
// keys, presses of the buttons. Messages are recorded instead of shown.
// Expected texts were worked out by hand and with Python's decimal module
// (pi taken as 3.141593; 15 significant digits, then half away from zero).

#include "dorvic/dorvic.h"
#include "dorvic/frmtriangleright.h"
#include "runtime/messages.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using dorvic::FrmTriangleRight;

namespace {

const QStringList BoxNames = {"txtRightSidea", "txtRightSideb", "txtRightSidec",
                              "txtRightAngleB", "txtRightAngleC"};

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
    void init();
    void cleanup();

    void startShowsOnlyTheTriangleWindow();
    void classifiesByTheFirstGivenBoxes_data();
    void classifiesByTheFirstGivenBoxes();
    void solves_data();
    void solves();
    void secondPressSolvesFromSidesAsDisplayed();
    void refusesHypotenuseNotLongest_data();
    void refusesHypotenuseNotLongest();
    void reportsArithmeticFaults_data();
    void reportsArithmeticFaults();
    void clearEmptiesEveryBoxAndKeepsFocus();
    void keyboardOrder();
    void closeEndsProgram_data();
    void closeEndsProgram();

private:
    QLineEdit *box(const QString &name) const;
    QString text(const QString &name) const { return box(name)->text(); }
    QStringList boxTexts() const;
    void enter(const Entries &entries);
    void click(const QString &button);

    std::unique_ptr<FrmTriangleRight> m_window;
    QStringList m_messages;
    int m_ended = 0;
};

void TestTriangleWindow::init()
{
    QCoreApplication::setApplicationName(QStringLiteral("dorvic"));
    m_messages.clear();
    m_ended = 0;
    rt::setMessagePresenter([this](int style, const QString &title, const QString &prompt) {
        m_messages << QStringLiteral("%1 %2: %3").arg(style).arg(title, prompt);
    });
    rt::setEndHandler([this] { ++m_ended; });
    m_window = std::make_unique<FrmTriangleRight>();
    m_window->showForm();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestTriangleWindow::cleanup()
{
    m_window.reset();
    rt::setMessagePresenter({});
    rt::setEndHandler({});
}

QLineEdit *TestTriangleWindow::box(const QString &name) const
{
    auto *found = m_window->findChild<QLineEdit *>(name);
    if (!found)
        qFatal("no text box %s", qPrintable(name));
    return found;
}

QStringList TestTriangleWindow::boxTexts() const
{
    QStringList texts;
    for (const QString &name : BoxNames)
        texts << text(name);
    return texts;
}

void TestTriangleWindow::enter(const Entries &entries)
{
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).isEmpty())
            continue;
        QLineEdit *target = box(BoxNames.at(i));
        QTest::mouseClick(target, Qt::LeftButton);
        QTest::keyClicks(target, entries.at(i));
    }
}

void TestTriangleWindow::click(const QString &button)
{
    auto *found = m_window->findChild<QPushButton *>(button);
    QVERIFY(found);
    QTest::mouseClick(found, Qt::LeftButton);
}

void TestTriangleWindow::startShowsOnlyTheTriangleWindow()
{
    QCoreApplication::setApplicationName(QString());
    dorvic::start();
    FrmTriangleRight *window = dorvic::frmTriangleRight();
    QVERIFY(QTest::qWaitForWindowActive(window));

    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("dorvic"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Triangle Right"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtRightSidea"));
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(w->objectName() != QLatin1String("MDIForm1"), "the empty frame is never made");
    QCOMPARE(dorvic::frmTriangleRight(), window);
    delete window;
}

// One row per row of the classification table (first matching row wins),
// then the given-box rules. Typed values have no point, so a box the solver
// wrote always differs from what was typed there.
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

    // The boxes each solver writes, as a, b, c, B, C.
    static const QHash<QString, QString> writes = {
        {"EnterRightSideaSideb", "--xxx"}, {"EnterRightSideaSidec", "-x-xx"},
        {"EnterRightSidebSidec", "x--xx"}, {"EnterRightSideaAngleB", "-xx-x"},
        {"EnterRightSideaAngleC", "-xxx-"}, {"EnterRightSidebAngleB", "x-x-x"},
        {"EnterRightSidebAngleC", "x-xx-"}, {"EnterRightSidecAngleB", "xx--x"},
        {"EnterRightSidecAngleC", "xx-x-"},
    };
    const bool solved = writes.contains(outcome);

    enter(entries);
    click("cmdRightCalculate");

    const QStringList after = boxTexts();
    QString written;
    for (int i = 0; i < 5; ++i)
        written += after.at(i) != entries.at(i) ? 'x' : '-';
    QCOMPARE(written, solved ? writes.value(outcome) : QStringLiteral("-----"));
    QCOMPARE(m_messages, solved ? QStringList() : QStringList{outcome});
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

    enter(entries);
    click("cmdRightCalculate");

    QCOMPARE(m_messages, QStringList());
    QCOMPARE(boxTexts(), expected);
    QCOMPARE(text("txtRightArea"), area);
}

void TestTriangleWindow::secondPressSolvesFromSidesAsDisplayed()
{
    enter({"10", "", "", "30", ""});
    click("cmdRightCalculate");
    QCOMPARE(boxTexts(), (QStringList{"10", "5.", "8.66", "30", "60."}));

    // Now a and b are given: c = sqrt(100 - 25), B = atan(5 / 8.6602...).
    click("cmdRightCalculate");
    QCOMPARE(boxTexts(), (QStringList{"10", "5.", "8.66", "30.", "60."}));
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

    enter(entries);
    click("cmdRightCalculate");

    QCOMPARE(m_messages, QStringList{message});
    QCOMPARE(boxTexts(), entries);
    QCOMPARE(text("txtRightArea"), area);
}

// A fault stops Calculate where it happens: boxes already written keep
// their new text, the area is not rewritten, one message is shown.
void TestTriangleWindow::reportsArithmeticFaults_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Entries>("after");

    const QString byZero = QStringLiteral("16 dorvic: Division by zero: the calculation had to divide by a value that is 0.\nCheck that every value it needs is entered and is not 0.");
    const QString overflow = QStringLiteral("16 dorvic: Overflow: a number became too large to calculate with.\nCheck the values entered for a misplaced point, an extra digit or a large exponent.");
    const QString invalid = QStringLiteral("16 dorvic: Invalid argument: these values cannot be worked out together (such as the square root of a negative number).\nCheck that the values entered fit together.");
    // b and c of a = 1e160, B = 45 are near 7.07e159: 15 digits, then 145 zeros.
    const QString hugeB = QStringLiteral("707106842423796") + QString(145, '0') + '.';
    const QString hugeC = QStringLiteral("707106719949293") + QString(145, '0') + '.';

    QTest::newRow("b with B 0") << Entries{"", "3", "", "0", ""} << byZero
                                << Entries{"", "3", "", "0", ""};
    QTest::newRow("c with C 0") << Entries{"", "", "4", "", "0"} << byZero
                                << Entries{"", "", "4", "", "0"};
    QTest::newRow("a with c 0: b written") << Entries{"5", "", "0", "", ""} << byZero
                                           << Entries{"5", "5.", "0", "", ""};
    QTest::newRow("b with c 0: a written") << Entries{"", "3", "0", "", ""} << byZero
                                           << Entries{"3.", "3", "0", "", ""};
    QTest::newRow("root of a negative") << Entries{"-3", "-5", "", "", ""} << invalid
                                        << Entries{"-3", "-5", "", "", ""};
    QTest::newRow("square of 1e200") << Entries{"1e200", "1", "", "", ""} << overflow
                                     << Entries{"1e200", "1", "", "", ""};
    QTest::newRow("sum of squares") << Entries{"", "1e154", "1e154", "", ""} << overflow
                                    << Entries{"", "1e154", "1e154", "", ""};
    QTest::newRow("quotient") << Entries{"", "1e300", "", "1e-10", ""} << overflow
                              << Entries{"", "1e300", "", "1e-10", ""};
    QTest::newRow("typed number") << Entries{"1e999", "3", "", "", ""} << overflow
                                  << Entries{"1e999", "3", "", "", ""};
    QTest::newRow("area: all three written") << Entries{"1e160", "", "", "45", ""} << overflow
                                             << Entries{"1e160", hugeB, hugeC, "45", "45."};
}

void TestTriangleWindow::reportsArithmeticFaults()
{
    QFETCH(Entries, entries);
    QFETCH(QString, message);
    QFETCH(Entries, after);

    QTest::mouseClick(box("txtRightArea"), Qt::LeftButton);
    QTest::keyClicks(box("txtRightArea"), "old");
    enter(entries);
    click("cmdRightCalculate");

    QCOMPARE(m_messages, QStringList{message});
    QCOMPARE(boxTexts(), after);
    QCOMPARE(text("txtRightArea"), QStringLiteral("old"));

    // The window goes on working.
    click("CmdClear");
    enter({"5", "3", "", "", ""});
    click("cmdRightCalculate");
    QCOMPARE(boxTexts(), (QStringList{"5", "3", "4.", "36.87", "53.13"}));
    QCOMPARE(text("txtRightArea"), QStringLiteral("6."));
    QCOMPARE(m_messages.size(), 1);
}

void TestTriangleWindow::clearEmptiesEveryBoxAndKeepsFocus()
{
    enter({"5", "3", "", "", ""});
    click("cmdRightCalculate");
    QCOMPARE(text("txtRightArea"), QStringLiteral("6."));

    // From the keyboard, so the focus is known to be on Clear before it runs.
    QTest::mouseClick(box("txtRightArea"), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CmdClear"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);

    QCOMPARE(boxTexts(), (QStringList{"", "", "", "", ""}));
    QCOMPARE(text("txtRightArea"), QString());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CmdClear"));
    QCOMPARE(m_ended, 0);
}

void TestTriangleWindow::keyboardOrder()
{
    m_window.reset();
    m_window = std::make_unique<FrmTriangleRight>();
    m_window->showForm();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"txtRightSidea", "txtRightSideb", "txtRightSidec",
                                   "txtRightAngleB", "txtRightAngleC", "cmdRightCalculate",
                                   "txtRightArea", "CmdClear", "CmdClose", "txtRightSidea"}));
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
    enter({"5", "", "", "", ""});
    if (byFrame)
        m_window->close();
    else
        click("CmdClose");
    QCOMPARE(m_ended, 1);
    QCOMPARE(m_messages, QStringList());
}

QTEST_MAIN(TestTriangleWindow)
#include "tst_dorvic_window.moc"
