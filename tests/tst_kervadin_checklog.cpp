// The inspection log: appends, refusals, and a log read back by Python's csv module.
#include "kervadin/core/checklog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <ctime>

using namespace kervadin;

static const QByteArray Header = CheckLogHeader, Earlier = EarlierCheckLogHeader,
                        Stated = StatedCheckLogHeader;
static const QByteArray EarlierRow = "2026-12-07T14:05:09+01:00,BRK-114,1/4-20 UNC,2A,inch,0.0289,0.2164,0.2127,0.2550,0.2552,,,,0.2141,0.2143,,,,0.2551,0.2142,0.0002,Within limits.";
static const QByteArray Row = EarlierRow + ",1,,0.2489,0.2408,";

// A major of "stated": no major measured, the verdict under the guard band.
static CheckRecord sample(const std::string &starts = "1", const std::string &major = "")
{
    CheckRecord r{"2026-12-07T14:05:09+01:00", "BRK-114", "1/4-20 UNC", "2A", "inch", "0.0289", "0.2164", "0.2127",
                  {"0.2550", "0.2552"}, {"0.2141", "0.2143"}, "0.2551", "0.2142", "0.0002", "Within limits.",
                  starts, "", "0.2489", "0.2408", major, "", "", "", {}, ""};
    if (major == "stated") {
        r.major.clear();
        r.rule = "Guard band w = U";
        r.expanded = "0.0006";
        r.zones[0] = r.zones[1] = "accept";
    }
    return r;
}

class TestCheckLog : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void append_data()
    {
        QTest::addColumn<QString>("path"); // empty: a file of the test's own
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after"); // empty: refused, the file unchanged
        QTest::addColumn<int>("error");        // the system's reason the refusal gives
        QTest::addColumn<QString>("starts");   // of the record
        QTest::addColumn<QString>("major");    // measured
        const QByteArray log = Header + "\r\nold,row\r\n", fresh = Header + "\r\n" + Row + "\r\n", none;
        QTest::newRow("new file") << "" << false << none << fresh << 0 << "1" << "";
        QTest::newRow("empty file") << "" << true << none << fresh << 0 << "1" << "";
        QTest::newRow("rows kept") << "" << true << log << log + Row + "\r\n" << 0 << "1" << "";
        QTest::newRow("LF log goes on in LF") << "" << true << Header + "\nold\n" << Header + "\nold\n" + Row + "\n" << 0 << "1" << "";
        QTest::newRow("last row without break") << "" << true << Header + "\r\nold" << Header + "\r\nold\r\n" + Row + "\r\n" << 0 << "1" << "";
        QTest::newRow("last CR without LF") << "" << true << Header + "\r\nold\r" << Header + "\r\nold\r\n" + Row + "\r\n" << 0 << "1" << "";
        QTest::newRow("header alone") << "" << true << Header << fresh << 0 << "1" << "";
        QTest::newRow("byte-order mark") << "" << true << "\xEF\xBB\xBF" + log << "\xEF\xBB\xBF" + log + Row + "\r\n" << 0 << "1" << "";
        QTest::newRow("other CSV") << "" << true << QByteArray("Time,Part\r\n1,2\r\n") << none << 0 << "1" << "";
        QTest::newRow("header and more") << "" << true << Header + ",Note\r\n" << none << 0 << "1" << "";
        QTest::newRow("header on line 2") << "" << true << "\r\n" + Header + "\r\n" << none << 0 << "1" << "";
        QTest::newRow("folder") << m_dir.path() << false << none << none << EISDIR << "1" << "";
        QTest::newRow("no such folder") << m_dir.filePath("none/log.csv") << false << none << none << ENOENT << "1" << "";
        QTest::newRow("full disk") << "/dev/full" << false << none << none << ENOSPC << "1" << "";
        const QByteArray earlier = Earlier + "\r\nold\r\n";
        QTest::newRow("earlier log, one start") << "" << true << earlier << earlier + EarlierRow + "\r\n" << 0 << "1" << "";
        QTest::newRow("earlier log, two starts") << "" << true << earlier << none << 0 << "2" << "";
        QTest::newRow("earlier log, major measured") << "" << true << earlier << none << 0 << "1" << "0.2450";
        QTest::newRow("earlier header and more") << "" << true << Earlier + ",Starts\r\n" << none << 0 << "1" << "";
        QTest::newRow("stated: a new log with the rule's columns") << "" << false << none << Stated + "\r\n" + Row + ",Guard band w = U,0.0006,accept,accept,,,,\r\n" << 0 << "1" << "stated";
        QTest::newRow("stated: no place in a log without them") << "" << true << log << none << 0 << "1" << "stated";
        QTest::newRow("unstated: the rule's columns left empty") << "" << true << Stated + "\r\nold\r\n" << Stated + "\r\nold\r\n" + Row + ",,,,,,,,\r\n" << 0 << "1" << "";
    }
    void append()
    {
        QFETCH(QString, path);
        QFETCH(bool, exists);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(int, error);
        QFETCH(QString, starts);
        QFETCH(QString, major);
        QFile file(path.isEmpty() ? m_dir.filePath(QTest::currentDataTag()) : path);
        QVERIFY(!exists || (file.open(QIODevice::WriteOnly) && file.write(before) == before.size() && file.flush()));
        file.close();
        const rt::Refusal refusal =
            appendRecord(file.fileName().toStdString(), sample(starts.toStdString(), major.toStdString()));
        const bool earlier = (before.startsWith(Earlier) && !before.startsWith(Earlier + ",")) || major == "stated";
        QCOMPARE(refusal.title, after.isEmpty() ? (error ? "Cannot Save" : earlier ? "Earlier Check Log" : "Not a Check Log") : "");
        QVERIFY2(!error || (refusal.line1.find(path.toStdString()) != std::string::npos
                            && refusal.line1.find(std::strerror(error)) != std::string::npos), refusal.line1.c_str());
        QVERIFY(error || file.open(QIODevice::ReadOnly));
        QCOMPARE(error ? before : file.readAll(), after.isEmpty() ? before : after);
    }
    void localTime_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<qint64>("moment");
        QTest::addColumn<QString>("text");
        QTest::newRow("winter, east") << QByteArray("CET-1CEST,M3.5.0,M10.5.0/3") << 1796648709LL << "2026-12-07T14:05:09+01:00";
        QTest::newRow("summer, east") << QByteArray("CET-1CEST,M3.5.0,M10.5.0/3") << 1782900000LL << "2026-07-01T12:00:00+02:00";
        QTest::newRow("half hour west") << QByteArray("<-0330>3:30") << 1796648709LL << "2026-12-07T09:35:09-03:30";
        QTest::newRow("UTC") << QByteArray("UTC0") << 1796648709LL << "2026-12-07T13:05:09+00:00";
    }
    void localTime()
    {
        QFETCH(QByteArray, zone);
        QFETCH(qint64, moment);
        const bool zoneWasSet = qEnvironmentVariableIsSet("TZ");
        const QByteArray zoneBefore = qgetenv("TZ");
        const auto restoreZone = qScopeGuard([&] {
            zoneWasSet ? qputenv("TZ", zoneBefore) : qunsetenv("TZ");
            tzset();
        });
        qputenv("TZ", zone);
        QTEST(QString::fromStdString(localTimeText(static_cast<std::time_t>(moment))), "text");
    }
    void recordText()
    {
        CheckRecord record = sample();
        record.verdict = "Oversize by 0.0003.\nTake 0.0003 off.";
        QCOMPARE(kervadin::recordText(record), "Thread: 1/4-20 UNC-2A\nPart: BRK-114\nUnit: inch\nWire: 0.0289\nLimits: 0.2127 to 0.2164\nReadings: 0.2550, 0.2552\nPitch diameters: 0.2141, 0.2143\nMean: reading 0.2551, pitch diameter 0.2142\nSpread: 0.0002\nVerdict: Oversize by 0.0003.\n  Take 0.0003 off.\nChecked: 2026-12-07T14:05:09+01:00\n");
        record.part = record.threadClass = "";
        QCOMPARE(kervadin::recordText(record).substr(0, 25), "Thread: 1/4-20 UNC\nUnit: ");
        record = sample("2", "0.2450");
        record.leadCorrection = "0.0005";
        record.leadAngle = "8° 20'";
        QCOMPARE(kervadin::recordText(record), "Thread: 1/4-20 UNC-2A\nPart: BRK-114\nUnit: inch\nWire: 0.0289\nStarts: 2\nLead angle: 8° 20', corrected by 0.0005\nLimits: 0.2127 to 0.2164\nReadings: 0.2550, 0.2552\nPitch diameters: 0.2141, 0.2143\nMean: reading 0.2551, pitch diameter 0.2142\nSpread: 0.0002\nMajor diameter: 0.2450, limits 0.2408 to 0.2489\nVerdict: Within limits.\nChecked: 2026-12-07T14:05:09+01:00\n");
    }
    // Two records in a new log, read back field by field as Python reads it.
    void readBackWithPython()
    {
        CheckRecord first = sample(), second = sample();
        first.part = "Bracket, \"left\" Ø6";
        first.verdict = "Oversize by 0.0003.\nTake 0.0003 off.";
        second.readings[4] = "0.2551";
        second.part = "line\rfeed";
        const QString path = m_dir.filePath("python.csv");
        for (const CheckRecord &record : {first, second})
            QVERIFY(!appendRecord(path.toStdString(), record).refuses());
        QProcess python;
        python.start("python3", {"-c", "import csv, json, sys; print(json.dumps(list(csv.reader("
                                       "open(sys.argv[1], newline='', encoding='utf-8')))))", path});
        QVERIFY(python.waitForFinished() && python.exitCode() == 0);
        const QJsonArray rows = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].toVariant().toStringList().join(','), QString::fromUtf8(Header));
        int index = 1;
        for (const CheckRecord &r : {first, second}) {
            QStringList fields;
            for (const auto &f : {r.time, r.part, r.thread, r.threadClass, r.unit, r.wire, r.maximum, r.minimum,
                                  r.readings[0], r.readings[1], r.readings[2], r.readings[3], r.readings[4],
                                  r.readingDiameters[0], r.readingDiameters[1], r.readingDiameters[2],
                                  r.readingDiameters[3], r.readingDiameters[4], r.mean, r.meanDiameter, r.spread, r.verdict,
                                  r.starts, r.leadCorrection, r.majorMaximum, r.majorMinimum, r.major})
                fields << QString::fromStdString(f);
            QCOMPARE(rows[index++].toVariant().toStringList(), fields);
        }
    }
};

QTEST_APPLESS_MAIN(TestCheckLog)
#include "tst_kervadin_checklog.moc"
