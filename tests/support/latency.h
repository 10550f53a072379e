#pragma once
// Shared by the click-latency tests: real clicks through the windows, and
// the median cycle measured in rounds. The limit is 1 ms, or on a slower
// machine BareFactor times what the same number of clicks take through a bare
// Qt window, measured in the same round. A busy machine can slow a whole
// round, so a slow round is measured again, up to Rounds rounds; a program
// that is really too slow fails every round.

#include "harness.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <vector>

namespace latency {

constexpr qint64 MedianLimitNs = 1000000;
constexpr qint64 BareFactor = 4;
constexpr int Cycles = 200;
constexpr int Rounds = 5;

// One round of events, so a cycle times the program's own work.
inline void settle()
{
    harness::settle(1);
}

inline void click(QWidget *control)
{
    harness::click(control);
    settle();
}

// The median time of `clicks` clicks through a bare Qt window, each button
// writing a label and the result painted: what a click costs this machine
// before any program's work.
inline qint64 bareCycleNs(int clicks)
{
    QWidget window;
    auto *label = new QLabel(&window);
    label->setGeometry(10, 10, 200, 20);
    std::vector<QPushButton *> buttons;
    for (int i = 0; i < clicks; ++i) {
        auto *button = new QPushButton(QStringLiteral("Button %1").arg(i), &window);
        button->setGeometry(10, 40 + 30 * i, 100, 25);
        QObject::connect(button, &QPushButton::clicked, label,
                         [label, i] { label->setText(QString::number(i)); });
        buttons.push_back(button);
    }
    window.resize(240, 60 + 30 * clicks);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 0;
    std::vector<qint64> times;
    for (int cycle = 0; cycle < Cycles; ++cycle) {
        QElapsedTimer timer;
        timer.start();
        for (QPushButton *button : buttons)
            click(button);
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// `cycle` runs one cycle of `clicks` timed clicks and returns the time that
// counts; `failure` says what went wrong in the cycle just run, or nothing.
// Returns an empty text when a round's median is under the limit, else what
// failed.
inline QString medianCycleUnderLimit(int clicks, const std::function<qint64()> &cycle,
                                     const std::function<QString()> &failure)
{
    qint64 median = 0;
    qint64 limit = 0;
    for (int round = 1; round <= Rounds; ++round) {
        const qint64 bare = bareCycleNs(clicks);
        limit = std::max(MedianLimitNs, BareFactor * bare);
        std::vector<qint64> times;
        times.reserve(Cycles);
        for (int i = 0; i < Cycles; ++i) {
            times.push_back(cycle());
            const QString wrong = failure();
            if (!wrong.isEmpty())
                return QStringLiteral("cycle %1: %2").arg(i).arg(wrong);
        }
        std::sort(times.begin(), times.end());
        median = times[times.size() / 2];
        qInfo("round %d, %d cycles: fastest %.3f ms, median %.3f ms, 90th percentile %.3f ms; "
              "bare window %.3f ms, limit %.3f ms",
              round, Cycles, times.front() / 1e6, median / 1e6, times[times.size() * 9 / 10] / 1e6,
              bare / 1e6, limit / 1e6);
        if (median < limit)
            return {};
        QTest::qWait(200);
    }
    return QStringLiteral("median %1 ms (limit %2 ms) in the last of %3 rounds, all slow")
        .arg(median / 1e6)
        .arg(limit / 1e6)
        .arg(Rounds);
}

} // namespace latency
