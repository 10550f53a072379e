// Click latency of one thread measurement through the real windows: Click to
// Select, a type, a size, APPLY, the wire size typed, Calculate. Every click
// and key is a real event and is followed by the event processing that
// paints its result (offscreen), so a click's time is what a person waits
// for. The benchmark times whole cycles, typing included; the median check
// times the clicks.
#include "kervadinwindows.h"
#include "latency.h"
#include "runtime/messages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace kervadin;

namespace {

using latency::click;
using latency::settle;

} // namespace

class TestKervadinLatency : public QObject {
    Q_OBJECT

    kervadinwindows::Session s;

    // 1/2 B.S.F. over a 0.0353 wire. Returns the time the five clicks took,
    // from each press to its result painted; typing the wire size is not
    // counted.
    qint64 cycle()
    {
        // Each control is found as it is clicked (the first cycle makes the
        // chooser and the size window); finding one takes microseconds.
        QElapsedTimer timer;
        timer.start();
        click(s.find("frmKervadin3.CtS"));
        click(s.find("frmType.cmdBSF"));
        click(s.find("frmBSFsize.optBSF5"));
        click(s.find("frmBSFsize.cmdAppBSF"));
        const qint64 beforeTyping = timer.nsecsElapsed();
        QTest::keyClicks(s.find("frmKervadin3.txtActual"), QStringLiteral("0.0353"));
        settle();
        timer.restart();
        click(s.find("frmKervadin3.cmdCalc"));
        return beforeTyping + timer.nsecsElapsed();
    }

    // Click to Select empties the result, so a right result after a cycle
    // shows that this cycle computed it.
    bool cycleWorked() const
    {
        return overWires() == QLatin1String("0.5117") && s.messages.isEmpty()
            && s.find("frmBSFsize")->isVisible() && !s.find("frmType")->isVisible();
    }

    QString overWires() const { return s.shown("lblOver"); }

    QString failure() const
    {
        return QStringLiteral("over wires %1\n").arg(overWires())
            + s.messageLines().join(QLatin1Char('\n'));
    }

private slots:
    // A fresh program each time; its first cycle makes the chooser and the
    // size window and is not timed.
    void init()
    {
        s.begin();
        cycle();
        QVERIFY2(cycleWorked(), qPrintable(failure()));
    }
    void cleanup() { s.end(); }

    void selectApplyCalculate()
    {
        QBENCHMARK {
            cycle();
        }
        QVERIFY2(cycleWorked(), qPrintable(failure()));
    }

    void medianCycleWithinLimit()
    {
        const QString failed = latency::medianCycleUnderLimit(
            5, // Click to Select, a type, a size, APPLY, Calculate
            [this] { return cycle(); },
            [this] { return cycleWorked() ? QString() : failure(); });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
};

QTEST_MAIN(TestKervadinLatency)
#include "tst_kervadin_latency.moc"
