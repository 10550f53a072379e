// Click latency of one triangle calculation through the real window: Clear,
// two sides typed into their boxes, Calculate. Every click and key is a real
// event and is followed by the event processing that paints its result
// (offscreen), so a click's time is what a person waits for. The benchmark
// times whole cycles, typing included; the median check times the clicks.
#include "dorvic/ui/dorvic.h"
#include "dorvic/ui/frmtriangleright.h"
#include "runtime/messages.h"
#include "latency.h"
#include "windowtest.h"

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

    windowtest::Session<Dorvic> s;

    QLineEdit *box(const char *name) const
    {
        return s.find<QLineEdit>(QStringLiteral("frmTriangleRight.") + QLatin1String(name));
    }
    QPushButton *button(const char *name) const
    {
        return s.find<QPushButton>(QStringLiteral("frmTriangleRight.") + QLatin1String(name));
    }

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
        timedClick(button("CmdClear"));
        enter(box("txtRightSidea"), QStringLiteral("5"));
        enter(box("txtRightSideb"), QStringLiteral("3"));
        timedClick(button("cmdRightCalculate"));
        return clicks;
    }

    // Clear empties every box, so a right result after a cycle shows that
    // this cycle computed it.
    bool cycleWorked() const
    {
        return box("txtRightSidec")->text() == QLatin1String("4.")
            && box("txtRightArea")->text() == QLatin1String("6.")
            && !box("txtRightAngleB")->text().isEmpty() && s.messages.isEmpty();
    }

    QString describe() const
    {
        return QStringLiteral("c %1, B %2, area %3\n")
                   .arg(box("txtRightSidec")->text(), box("txtRightAngleB")->text(),
                        box("txtRightArea")->text())
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
