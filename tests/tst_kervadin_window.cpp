// The measurement window and the window flow, driven by real clicks and
// keys; a fault changes nothing on any window; the end of a desktop session.
#include "kervadinwindows.h"

#include <QDir>
#include <QTemporaryDir>

using namespace kervadin;

namespace {

// Counts the close events a window is sent.
class CloseCounter : public QObject {
public:
    int closes = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            ++closes;
        return false;
    }
};

} // namespace

class TestKervadinWindow : public QObject {
    Q_OBJECT

    kervadinwindows::Session s;

private slots:
    void init() { s.begin(); }
    void cleanup() { s.end(); }

    void startsWithFocusInWireBox()
    {
        QCOMPARE(s.shownWindows(), QStringList{"frmKervadin3"});
        QCOMPARE(s.focusName(), QStringLiteral("txtActual"));
    }

    void refusalsCarryExactTexts_data()
    {
        QTest::addColumn<QString>("wire");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("no wire") << "" << "No Wire"
                                 << "A wire size has not been entered.\nPlease enter wire size and try again.";
        QTest::newRow("small") << "0.1" << "Small Wire"
                               << "Wire size is less than minimum allowed.\nPlease enter another wire size.";
        QTest::newRow("large") << "2" << "Large Wire"
                               << "Wire size is greater than maximum allowed.\nPlease enter another wire size.";
    }

    // 6 mm shows minimum 0.5600 and maximum 0.9000; a refused wire leaves
    // the result as it was.
    void refusalsCarryExactTexts()
    {
        QFETCH(QString, wire);
        s.applySize(Family::Metric, 4);
        s.calculate(QStringLiteral("0.577"));
        QCOMPARE(s.shown("lblOver"), QStringLiteral("6.2155"));

        s.calculate(wire);
        QCOMPARE(s.messages.size(), 1);
        QCOMPARE(s.messages[0].style, int(rt::MessageStyle::Exclamation));
        QTEST(s.messages[0].title, "title");
        QTEST(s.messages[0].prompt, "prompt");
        QCOMPARE(s.shown("lblOver"), QStringLiteral("6.2155"));
        QCOMPARE(s.shown("txtActual"), wire);
    }

    // Select empties the result and the wire, keeps the record, and opens
    // the chooser.
    void selectEmptiesResultAndWireOnly()
    {
        s.applySize(Family::Metric, 4);
        s.calculate(QStringLiteral("0.577"));
        QCOMPARE(s.shown("lblOver"), QStringLiteral("6.2155"));

        s.click("frmKervadin3.CtS");
        QVERIFY(s.shown("txtActual").isEmpty());
        QVERIFY(s.shown("lblOver").isEmpty());
        QCOMPARE(s.shown("lblSelected"), QStringLiteral("6 mm"));
        QCOMPARE(s.shown("lblDia"), QStringLiteral("6.0000"));
        QTRY_COMPARE(s.activeName(), QStringLiteral("frmType"));
        QVERIFY(s.find("frmKervadin3")->isVisible());
    }

    void tabRunsWireExitCalculate()
    {
        QStringList seen{s.focusName()};
        for (int i = 0; i < 3; ++i) {
            s.key(Qt::Key_Tab);
            seen << s.focusName();
        }
        QCOMPARE(seen, (QStringList{"txtActual", "cmdQuit", "cmdCalc", "txtActual"}));
    }

    void chooserAndBackFollowTheFlow()
    {
        s.click("frmKervadin3.CtS");
        QTRY_COMPARE(s.activeName(), QStringLiteral("frmType"));
        QCOMPARE(s.focusName(), QStringLiteral("cmdBSF"));
        s.click("frmType.cmdUNF");
        QCOMPARE(s.shownWindows(), (QStringList{"frmKervadin3", "frmUNFsize"}));
        QTRY_COMPARE(s.activeName(), QStringLiteral("frmUNFsize"));

        s.click("frmUNFsize.cmdBackUNF");
        QCOMPARE(s.shownWindows(), (QStringList{"frmKervadin3", "frmType"}));

        // Select again while the chooser is open just brings it forward.
        s.click("frmKervadin3.CtS");
        QCOMPARE(s.shownWindows(), (QStringList{"frmKervadin3", "frmType"}));
        QTRY_COMPARE(s.activeName(), QStringLiteral("frmType"));
    }

    void closingASecondaryWindowHidesIt()
    {
        s.click("frmKervadin3.CtS");
        s.click("frmType.cmdBA");
        QWidget *ba = s.find("frmBAsize");
        ba->close();
        QCOMPARE(s.shownWindows(), QStringList{"frmKervadin3"});
        QCOMPARE(s.ends, 0);
        QCOMPARE(s.find("frmBAsize"), ba);
    }

    void exitEnds()
    {
        s.click("frmKervadin3.cmdQuit");
        QCOMPARE(s.ends, 1);
    }

    void closingTheMainWindowEnds()
    {
        s.find("frmKervadin3")->close();
        QCOMPARE(s.ends, 1);
    }

    // At the end of a desktop session Qt sends the program a Quit event
    // (the session manager's "die"); it must never be refused, whichever
    // windows are open, and every window goes.
    // Qt asks the visible windows to close, in no fixed order, and gives the
    // quit up at the first that refuses, as a secondary window would: it
    // hides on close. So no secondary window may be asked at all.
    void sessionEndIsNeverRefused()
    {
        s.click("frmKervadin3.CtS");
        QWidget *type = s.find("frmType");
        QVERIFY(type && type->isVisible());
        CloseCounter asked;
        type->installEventFilter(&asked);
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
        QVERIFY2(quit.isAccepted(), "the program refused to quit");
        QCOMPARE(asked.closes, 0);
        QVERIFY(!type->isVisible());
        QVERIFY(!s.find("frmKervadin3")->isVisible());
    }

    // Each row: a record applied and a result worked out first, then the
    // entries that fault; one message and nothing changed, then a good
    // calculation works.
    // The first Save of a run asks for the log, suggesting thread-checks.csv,
    // later ones append without asking, the tooltip naming the log; after a
    // refusal the next Save asks again.
    void saveRecordAsksOnce()
    {
        QTemporaryDir dir;
        const QStringList answers{dir.filePath("a.csv"), dir.filePath("b.csv")};
        QStringList suggested;
        rt::setSaveFileAsker([&](const QString &, const QString &path, const QString &) {
            suggested << QFileInfo(path).fileName();
            return answers.value(suggested.size() - 1);
        });
        s.checkQuarterInch2A(QStringLiteral("0.2575"));
        QWidget *save = s.find("frmCheck.cmdSave");
        s.click(save);
        s.click(save);
        QCOMPARE(suggested, QStringList{"thread-checks.csv"});
        QVERIFY(save->toolTip().contains(QDir::toNativeSeparators(answers[0])));
        // The log is replaced by a folder: refused, and the next Save asks.
        QVERIFY(QFile::remove(answers[0]) && QDir(dir.path()).mkdir("a.csv"));
        s.click(save);
        QCOMPARE(s.messages.size(), 1);
        QCOMPARE(s.messages[0].title, QStringLiteral("Cannot Save"));
        s.click(save);
        QCOMPARE(suggested.size(), 2);
        QVERIFY(save->toolTip().contains(QDir::toNativeSeparators(answers[1])));
        QFile log(answers[1]);
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll().count('\n'), 2);
    }

    void aFaultChangesNothing_data()
    {
        QTest::addColumn<QStringList>("custom"); // diameter, pitch, angle; or empty
        QTest::addColumn<QString>("wire");       // typed before Calculate; or empty

        const QStringList none;
        QTest::newRow("custom 0 / 0 at 55") << QStringList{"0", "0", "55"} << "";
        QTest::newRow("custom 0 / 0 at 60") << QStringList{"0", "0", "60"} << "";
        QTest::newRow("custom 60, 0.3077, 0.5") << QStringList{"0.3077", "0.5", "60"} << "";
        QTest::newRow("custom metric D equal to k P") << QStringList{"2.5972", "4", "0"} << "";
        QTest::newRow("1e999 as diameter") << QStringList{"1e999", "1", "55"} << "";
        QTest::newRow("1e999 as TPI") << QStringList{"1", "1e999", "55"} << "";
        QTest::newRow("1e999 as metric pitch") << QStringList{"10", "1e999", "0"} << "";
        QTest::newRow("Calculate: 1e999 typed") << none << "1e999";
        QTest::newRow("Calculate: -1e400 typed") << none << "-1e400";
        // 1e308 mm at pitch 1e308 allows up to 9e307; over it M overflows.
        QTest::newRow("Calculate: the result overflows")
            << QStringList{"1e308", "1e308", "0"} << "9e307";
    }

    void aFaultChangesNothing()
    {
        QFETCH(QStringList, custom);
        QFETCH(QString, wire);
        s.applySize(Family::BSF, 4);
        s.calculate(QStringLiteral("0.0353"));
        QCOMPARE(s.shown("lblOver"), QStringLiteral("0.5117"));
        s.click("frmKervadin3.CtS");
        s.click("frmType.cmdCustom");

        // The control that faults.
        QWidget *faulting = s.find("frmCustom.cmdAppcust");
        if (wire.isEmpty()) {
            // Everything typed and chosen, then APPLY faults.
            s.type("frmCustom.txtCustdia", custom[0]);
            s.type("frmCustom.txtCustpitch", custom[1]);
            if (custom[2] == QLatin1String("55"))
                s.click("frmCustom.opt55");
            else if (custom[2] == QLatin1String("60"))
                s.click("frmCustom.opt60");
        } else {
            if (!custom.isEmpty())
                s.applyCustom(custom[0], custom[1], custom[2].toInt());
            QVERIFY(s.messages.isEmpty());
            s.type("frmKervadin3.txtActual", wire);
            faulting = s.find("frmKervadin3.cmdCalc");
        }
        const QStringList before = s.snapshotBeforeClick(faulting);
        s.click(faulting);
        s.verifyOneFault("kervadin");
        QCOMPARE(s.snapshot(), before);

        // The windows go on working: 10 mm at pitch 1 over a 0.577 wire.
        s.messages.clear();
        s.applyCustom(QStringLiteral("10"), QStringLiteral("1"), 0);
        QTRY_COMPARE(s.focusName(), QStringLiteral("txtActual"));
        s.calculate(QStringLiteral("0.577"));
        QVERIFY(s.messages.isEmpty());
        QCOMPARE(s.shown("lblOver"), QStringLiteral("10.2155"));
    }
};

QTEST_MAIN(TestKervadinWindow)
#include "tst_kervadin_window.moc"
