// Click latency of one thread measurement through the real windows: Click to
// Select, a type, a size, APPLY, the wire size typed, Calculate. Every click
// and key is a real event and is followed by the event processing that
// paints its result (offscreen), so a click's time is what a person waits
// for. The benchmark times whole cycles, typing included; the median check
// times the clicks.
#include "kervadin/frmkervadin3.h"
#include "kervadin/frmtype.h"
#include "kervadin/kervadin.h"
#include "kervadin/sizewindow.h"
#include "runtime/controls.h"
#include "runtime/messages.h"
#include "latency.h"

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

    QStringList messages;

    // 1/2 B.S.F. over a 0.0353 wire. Returns the time the five clicks took,
    // from each press to its result painted; typing the wire size is not
    // counted.
    qint64 cycle()
    {
        FrmKervadin3 *main = frmKervadin3();
        QElapsedTimer timer;
        timer.start();
        click(main->CtS);
        click(frmType()->cmdBSF);
        click(frmBSFsize()->options.at(4));
        click(frmBSFsize()->cmdApply);
        const qint64 beforeTyping = timer.nsecsElapsed();
        QTest::keyClicks(main->txtActual, QStringLiteral("0.0353"));
        settle();
        timer.restart();
        click(main->cmdCalc);
        return beforeTyping + timer.nsecsElapsed();
    }

    // Click to Select empties the result, so a right result after a cycle
    // shows that this cycle computed it.
    bool cycleWorked() const
    {
        return frmKervadin3()->lblOver->text() == QLatin1String("0.5117") && messages.isEmpty()
            && frmBSFsize()->isVisible() && !frmType()->isVisible();
    }

private slots:
    void initTestCase()
    {
        rt::setMessagePresenter([this](int style, const QString &title, const QString &prompt) {
            messages << QStringLiteral("%1 %2: %3").arg(style).arg(title, prompt);
        });
        start();
        QVERIFY(QTest::qWaitForWindowActive(frmKervadin3()));
        // The first cycle creates the chooser and the size window.
        cycle();
        QVERIFY2(cycleWorked(), qPrintable(messages.join(QLatin1Char('\n'))));
    }

    void cleanupTestCase()
    {
        rt::setMessagePresenter({});
    }

    void selectApplyCalculate()
    {
        QBENCHMARK {
            cycle();
        }
        QVERIFY2(cycleWorked(), qPrintable(messages.join(QLatin1Char('\n'))));
    }

    void medianCycleUnderOneMillisecond()
    {
        const QString failed = latency::medianCycleUnderLimit(
            [this] { return cycle(); },
            [this] {
                return cycleWorked() ? QString()
                                     : QStringLiteral("over wires %1; %2")
                                           .arg(frmKervadin3()->lblOver->text(),
                                                messages.join(QLatin1Char('\n')));
            });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
};

QTEST_MAIN(TestKervadinLatency)
#include "tst_kervadin_latency.moc"
