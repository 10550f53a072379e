// Click latency of one triangle calculation through the real window: Clear,
// two sides typed into their boxes, Calculate. Every click and key is a real
// event and is followed by the event processing that paints its result
// (offscreen), so a click's time is what a person waits for. The benchmark
// times whole cycles, typing included; the median check times the clicks.
#include "dorvicwindows.h"
#include "latency.h"
#include "runtime/messages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace dorvic;

using latency::click;
using latency::settle;

class TestDorvicLatency : public QObject {
    Q_OBJECT

    dorvicwindows::Session s;

    // Sides a = 5 and b = 3 give c = 4 and an area of 6. Returns the time
    // the clicks took (Clear, into each box, Calculate), from each press to
    // its result painted; typing the two sides is not counted.
    qint64 cycle()
    {
        QElapsedTimer timer;
        qint64 clicks = 0;
        auto timedClick = [&](QWidget *control) {
            timer.start();
            click(control);
            clicks += timer.nsecsElapsed();
        };
        auto enter = [&](QLineEdit *box, const QString &text) {
            timedClick(box);
            QTest::keyClicks(box, text);
            settle();
        };
        timedClick(s.button("CmdClear"));
        enter(s.box("txtRightSidea"), QStringLiteral("5"));
        enter(s.box("txtRightSideb"), QStringLiteral("3"));
        timedClick(s.button("cmdRightCalculate"));
        return clicks;
    }

    // Clear empties every box, so a right result after a cycle shows that
    // this cycle computed it.
    bool cycleWorked() const
    {
        return s.box("txtRightSidec")->text() == QLatin1String("4.")
            && s.box("txtRightArea")->text() == QLatin1String("6.")
            && !s.box("txtRightAngleB")->text().isEmpty() && s.messages.isEmpty();
    }

    QString describe() const
    {
        return QStringLiteral("c %1, B %2, area %3\n")
                   .arg(s.box("txtRightSidec")->text(), s.box("txtRightAngleB")->text(),
                        s.box("txtRightArea")->text())
            + s.messageLines().join(QLatin1Char('\n'));
    }

private slots:
    // A fresh program each time; its first cycle is not timed.
    void init()
    {
        s.begin();
        cycle();
        QVERIFY2(cycleWorked(), qPrintable(describe()));
    }
    void cleanup() { s.end(); }

    void clearEnterCalculate()
    {
        QBENCHMARK {
            cycle();
        }
        QVERIFY2(cycleWorked(), qPrintable(describe()));
    }

    void medianCycleWithinLimit()
    {
        const QString failed = latency::medianCycleUnderLimit(
            4, // Clear, each box, Calculate
            [this] { return cycle(); },
            [this] { return cycleWorked() ? QString() : describe(); });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
};

QTEST_MAIN(TestDorvicLatency)
#include "tst_dorvic_latency.moc"
