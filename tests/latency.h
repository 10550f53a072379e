#pragma once
// Shared by the click-latency tests: real clicks through the windows, and
// the median cycle measured in rounds. A busy machine can slow a whole
// round, so a slow round is measured again, up to Rounds rounds; a program
// that is really too slow fails every round.

#include "harness.h"

#include <QString>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <vector>

namespace latency {

constexpr qint64 MedianLimitNs = 1000000;
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

// `cycle` runs one cycle and returns the time that counts; `failure` says
// what went wrong in the cycle just run, or nothing. Returns an empty text
// when a round's median is under the limit, else what failed.
inline QString medianCycleUnderLimit(const std::function<qint64()> &cycle,
                                     const std::function<QString()> &failure)
{
    qint64 median = 0;
    for (int round = 1; round <= Rounds; ++round) {
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
        qInfo("round %d, %d cycles: fastest %.3f ms, median %.3f ms, 90th percentile %.3f ms",
              round, Cycles, times.front() / 1e6, median / 1e6, times[times.size() * 9 / 10] / 1e6);
        if (median < MedianLimitNs)
            return {};
        QTest::qWait(200);
    }
    return QStringLiteral("median %1 ms in the last of %2 rounds, all slow")
        .arg(median / 1e6)
        .arg(Rounds);
}

} // namespace latency
