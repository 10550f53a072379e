// The thread rules without any window: the record of every standard size,
// the helix angle, the custom thread as typed, and the dimension over wires
// with its refusals. Expected texts were worked out by hand, the standard
// records with exact decimal arithmetic: the product taken to 15
// significant digits, then rounded half up to four places.
#include "kervadin/core/families.h"
#include "kervadin/core/threadrules.h"
#include "kervadin/ui/familywindows.h"
#include "runtime/numbers.h"

#include "faultof.h"

#include <QTest>
#include <cmath>
#include <cstring>

using namespace kervadin;

namespace {

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

// The fields of a record in the order the measurement window lists them.
QStringList fields(const ThreadRecord &r)
{
    return {qt(r.name),  qt(r.diameter), qt(r.depth),   qt(r.pitch),   qt(r.angle),
            qt(unitName(r.unit)), qt(r.helix),    qt(r.maximum), qt(r.minimum), qt(r.preferred)};
}

const QString Inches = QStringLiteral("inches");
const QString Millimetres = QStringLiteral("millimeters");

struct Expected {
    const char *diameter;
    const char *depth;
    const char *pitch;
    const char *angle;
    const char *units;
    const char *maximum;
    const char *minimum;
    const char *preferred;
};

} // namespace

class TestKervadinRules : public QObject {
    Q_OBJECT

private slots:
    // Every size of every family: the option's caption and the record it
    // writes.
    void standardRecord_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("record");
        auto row = [](const char *window, const char *option, const char *caption,
                      const char *name, const char *helix, const Expected &e,
                      const char *note = nullptr) {
            int family = -1;
            for (int i = 0; i < FamilyCount; ++i) {
                if (std::strcmp(familyWindow(static_cast<Family>(i)).window, window) == 0)
                    family = i;
            }
            QByteArray tag = QByteArray(window) + ' ' + name;
            if (note)
                tag += QByteArray(" (") + note + ')';
            QTest::newRow(tag.constData())
                << family << QString(option) << QString::fromUtf8(caption)
                << QStringList{QString::fromUtf8(name), e.diameter, e.depth, e.pitch,
                               QString::fromUtf8(e.angle), QString(e.units),
                               QString::fromUtf8(helix), e.maximum, e.minimum, e.preferred};
        };
        row("frmBSFsize", "optBSF1", "1/4", "1/4 B.S.F.", "3° 7'",
            {"0.2500", "0.0246", "0.0385", "55°", "inches", "0.0293", "0.0208", "0.0217"});
        row("frmBSFsize", "optBSF2", "5/16", "5/16 B.S.F.", "2° 55'",
            {"0.3125", "0.0291", "0.0454", "55°", "inches", "0.0345", "0.0245", "0.0256"});
        row("frmBSFsize", "optBSF3", "3/8", "3/8 B.S.F.", "2° 39'",
            {"0.3750", "0.0320", "0.0500", "55°", "inches", "0.0380", "0.0270", "0.0282"});
        row("frmBSFsize", "optBSF4", "7/16", "7/16 B.S.F.", "2° 31'",
            {"0.4375", "0.0355", "0.0555", "55°", "inches", "0.0422", "0.0300", "0.0313"});
        row("frmBSFsize", "optBSF5", "1/2", "1/2 B.S.F.", "2° 28'",
            {"0.5000", "0.0400", "0.0625", "55°", "inches", "0.0475", "0.0338", "0.0353"}, "half up: preferred 0.0353");
        row("frmBSFsize", "optBSF6", "9/16", "9/16 B.S.F.", "2° 10'",
            {"0.5625", "0.0400", "0.0625", "55°", "inches", "0.0475", "0.0338", "0.0353"}, "half up: preferred 0.0353");
        row("frmBSFsize", "optBSF7", "5/8", "5/8 B.S.F.", "2° 5'",
            {"0.6250", "0.0457", "0.0714", "55°", "inches", "0.0543", "0.0386", "0.0403"});
        row("frmBSFsize", "optBSF8", "3/4", "3/4 B.S.F.", "2° 11'",
            {"0.7500", "0.0533", "0.0833", "55°", "inches", "0.0633", "0.0450", "0.0470"});
        row("frmBSFsize", "optBSF9", "7/8", "7/8 B.S.F.", "2° 2'",
            {"0.8750", "0.0582", "0.0909", "55°", "inches", "0.0691", "0.0491", "0.0513"});
        row("frmBSFsize", "optBSF10", "1 inch", "1 inch B.S.F.", "1° 57'",
            {"1.0000", "0.0640", "0.1000", "55°", "inches", "0.0760", "0.0540", "0.0564"});
        row("frmWhitsize", "optWhit1", "1/4", "1/4 B.S.W.", "4° 10'",
            {"0.2500", "0.0320", "0.0500", "55°", "inches", "0.0380", "0.0270", "0.0282"});
        row("frmWhitsize", "optWhit2", "5/16", "5/16 B.S.W.", "3° 39'",
            {"0.3125", "0.0356", "0.0556", "55°", "inches", "0.0423", "0.0300", "0.0314"});
        row("frmWhitsize", "optWhit3", "3/8", "3/8 B.S.W.", "3° 24'",
            {"0.3750", "0.0400", "0.0625", "55°", "inches", "0.0475", "0.0338", "0.0353"}, "half up: preferred 0.0353");
        row("frmWhitsize", "optWhit4", "7/16", "7/16 B.S.W.", "3° 19'",
            {"0.4375", "0.0457", "0.0714", "55°", "inches", "0.0543", "0.0386", "0.0403"});
        row("frmWhitsize", "optWhit5", "1/2", "1/2 B.S.W.", "3° 24'",
            {"0.5000", "0.0533", "0.0833", "55°", "inches", "0.0633", "0.0450", "0.0470"});
        row("frmWhitsize", "optWhit6", "9/16", "9/16 B.S.W.", "2° 59'",
            {"0.5625", "0.0533", "0.0833", "55°", "inches", "0.0633", "0.0450", "0.0470"});
        row("frmWhitsize", "optWhit7", "5/8", "5/8 B.S.W.", "2° 55'",
            {"0.6250", "0.0582", "0.0909", "55°", "inches", "0.0691", "0.0491", "0.0513"});
        row("frmWhitsize", "optWhit8", "3/4", "3/4 B.S.W.", "2° 39'",
            {"0.7500", "0.0640", "0.1000", "55°", "inches", "0.0760", "0.0540", "0.0564"});
        row("frmWhitsize", "optWhit9", "7/8", "7/8 B.S.W.", "2° 31'",
            {"0.8750", "0.0711", "0.1111", "55°", "inches", "0.0844", "0.0600", "0.0627"});
        row("frmWhitsize", "optWhit10", "1 inch", "1 inch", "2° 28'",
            {"1.0000", "0.0800", "0.1250", "55°", "inches", "0.0950", "0.0675", "0.0705"});
        row("frmUNCsize", "optUnc1", "1/4", "1/4 U.N.C", "3° 71'",
            {"0.2500", "0.0307", "0.0500", "60°", "inches", "0.0450", "0.0280", "0.0289"});
        row("frmUNCsize", "optUNC2", "5/16", "5/16 U.N.C.", "3° 39'",
            {"0.3125", "0.0341", "0.0556", "60°", "inches", "0.0500", "0.0311", "0.0321"});
        row("frmUNCsize", "optUNC3", "3/8", "3/8 U.N.C.", "3° 24'",
            {"0.3750", "0.0383", "0.0625", "60°", "inches", "0.0563", "0.0350", "0.0361"});
        row("frmUNCsize", "optUNC4", "7/16", "7/16 U.N.C.", "3° 20'",
            {"0.4375", "0.0438", "0.0714", "60°", "inches", "0.0643", "0.0400", "0.0413"});
        row("frmUNCsize", "optUNC5", "1/2", "1/2 U.N.C.", "3° 07'",
            {"0.5000", "0.0472", "0.0769", "60°", "inches", "0.0692", "0.0431", "0.0445"});
        row("frmUNCsize", "optUNC6", "9/16", "9/16 U.N.C.", "2° 59'",
            {"0.5625", "0.0511", "0.0833", "60°", "inches", "0.0750", "0.0467", "0.0482"});
        row("frmUNCsize", "optUNC7", "5/8", "5/8 U.N.C.", "2° 56'",
            {"0.6250", "0.0558", "0.0909", "60°", "inches", "0.0818", "0.0509", "0.0525"});
        row("frmUNCsize", "optUNC8", "3/4", "3/4 U.N.C.", "2° 40'",
            {"0.7500", "0.0613", "0.1000", "60°", "inches", "0.0900", "0.0560", "0.0578"});
        row("frmUNCsize", "optUNC9", "7/8", "7/8 U.N.C.", "2° 31'",
            {"0.8750", "0.0682", "0.1111", "60°", "inches", "0.1000", "0.0622", "0.0642"});
        row("frmUNCsize", "optUNC10", "1 inch", "1 inch U.N.C.", "2° 29'",
            {"1.0000", "0.0767", "0.1250", "60°", "inches", "0.1125", "0.0700", "0.0723"}, "half up: preferred 0.0723");
        row("frmUNFsize", "optUNF1", "1/4", "1/4 U.N.F.", "2° 52'",
            {"0.2500", "0.0219", "0.0357", "60°", "inches", "0.0321", "0.0200", "0.0206"});
        row("frmUNFsize", "optUNF2", "5/16", "5/16 U.N.F.", "2° 39'",
            {"0.3125", "0.0256", "0.0417", "60°", "inches", "0.0375", "0.0233", "0.0241"});
        row("frmUNFsize", "optUNF3", "3/8", "3/8 U.N.F.", "2° 11'",
            {"0.3750", "0.0256", "0.0417", "60°", "inches", "0.0375", "0.0233", "0.0241"});
        row("frmUNFsize", "optUNF4", "7/16", "7/16 U.N.F.", "2° 15'",
            {"0.4375", "0.0307", "0.0500", "60°", "inches", "0.0450", "0.0280", "0.0289"});
        row("frmUNFsize", "optUNF5", "1/2", "1/2 U.N.F.", "1° 57'",
            {"0.5000", "0.0307", "0.0500", "60°", "inches", "0.0450", "0.0280", "0.0289"});
        row("frmUNFsize", "optUNF6", "9/16", "9/16 U.N.F.", "1° 55'",
            {"0.5625", "0.0341", "0.0556", "60°", "inches", "0.0500", "0.0311", "0.0321"});
        row("frmUNFsize", "optUNF7", "5/8", "5/8 U.N.F.", "1° 43'",
            {"0.6250", "0.0341", "0.0556", "60°", "inches", "0.0500", "0.0311", "0.0321"});
        row("frmUNFsize", "optUNF8", "3/4", "3/4 U.N.F.", "1° 36'",
            {"0.7500", "0.0383", "0.0625", "60°", "inches", "0.0563", "0.0350", "0.0361"});
        row("frmUNFsize", "optUNF9", "7/8", "7/8 U.N.F.", "1° 34'",
            {"0.8750", "0.0438", "0.0714", "60°", "inches", "0.0643", "0.0400", "0.0413"});
        row("frmUNFsize", "optUNF10", "1 inch", "1 inch U.N.F.", "1° 35'",
            {"1.0000", "0.0511", "0.0833", "60°", "inches", "0.0750", "0.0467", "0.0482"});
        row("frmBAsize", "optBA1", "0 BA", "0 BA", "3° 22'",
            {"0.2362", "0.0236", "0.0394", "47.5°", "inches", "0.0288", "0.0197", "0.0215"});
        row("frmBAsize", "optBA2", "1 BA", "1 BA", "3° 27'",
            {"0.2087", "0.0212", "0.0354", "47.5°", "inches", "0.0258", "0.0177", "0.0193"});
        row("frmBAsize", "optBA3", "2 BA", "2 BA", "3° 30'",
            {"0.1850", "0.0191", "0.0319", "47.5°", "inches", "0.0233", "0.0160", "0.0174"}, "half up: minimum 0.0160");
        row("frmBAsize", "optBA4", "3 BA", "3 BA", "3° 38",
            {"0.1614", "0.0172", "0.0287", "47.5°", "inches", "0.0210", "0.0144", "0.0157"}, "half up: minimum 0.0144");
        row("frmBAsize", "optBA5", "4 BA", "4 BA", "3° 45'",
            {"0.1417", "0.0156", "0.0260", "47.5°", "inches", "0.0190", "0.0130", "0.0142"});
        row("frmBAsize", "optBA6", "5 BA", "5 BA", "3° 47'",
            {"0.1260", "0.0139", "0.0232", "47.5°", "inches", "0.0169", "0.0116", "0.0127"});
        row("frmBAsize", "optBA7", "6 BA", "6 BA", "3° 54'",
            {"0.1102", "0.0125", "0.0209", "47.5°", "inches", "0.0153", "0.0105", "0.0114"}, "half up: minimum 0.0105");
        row("frmBAsize", "optBA8", "7 BA", "7 BA", "3° 58'",
            {"0.0984", "0.0113", "0.0189", "47.5°", "inches", "0.0138", "0.0095", "0.0103"});
        row("frmBAsize", "optBA9", "8 BA", "8 BA", "4° 2'",
            {"0.0866", "0.0101", "0.0169", "47.5°", "inches", "0.0123", "0.0085", "0.0092"}, "half up: minimum 0.0085");
        row("frmBAsize", "optBA10", "10 BA", "10 BA", "4° 17'",
            {"0.0669", "0.0083", "0.0138", "47.5°", "inches", "0.0101", "0.0069", "0.0075"});
        row("frmMetsize", "optMet1", "2.5", "2.5 mm", "3° 42'",
            {"2.5000", "0.2760", "0.4500", "60°", "millimeters", "0.4050", "0.2520", "0.2597"}, "half up: preferred 0.2597");
        row("frmMetsize", "optMet2", "3", "3 mm", "3° 25'",
            {"3.0000", "0.3067", "0.5000", "60°", "millimeters", "0.4500", "0.2800", "0.2885"});
        row("frmMetsize", "optMet3", "4", "4 mm", "3° 36'",
            {"4.0000", "0.4294", "0.7000", "60°", "millimeters", "0.6300", "0.3920", "0.4039"});
        row("frmMetsize", "optMet4", "5", "5 mm", "3° 15'",
            {"5.0000", "0.4907", "0.8000", "60°", "millimeters", "0.7200", "0.4480", "0.4616"});
        row("frmMetsize", "optMet5", "6", "6 mm", "3° 25'",
            {"6.0000", "0.6134", "1.0000", "60°", "millimeters", "0.9000", "0.5600", "0.5770"});
        row("frmMetsize", "optMet6", "8", "8 mm", "3° 10'",
            {"8.0000", "0.7668", "1.2500", "60°", "millimeters", "1.1250", "0.7000", "0.7213"}, "half up: depth 0.7668, preferred 0.7213");
        row("frmMetsize", "optMet7", "10", "10 mm", "3° 02'",
            {"10.0000", "0.9201", "1.5000", "60°", "millimeters", "1.3500", "0.8400", "0.8655"});
        row("frmMetsize", "optMet8", "12", "12 mm", "2° 56'",
            {"12.0000", "1.0735", "1.7500", "60°", "millimeters", "1.5750", "0.9800", "1.0098"}, "half up: depth 1.0735, preferred 1.0098");
        row("frmMetsize", "optMet9", "14", "14 mm", "2° 52'",
            {"14.0000", "1.2268", "2.0000", "60°", "millimeters", "1.8000", "1.1200", "1.1540"});
        row("frmMetsize", "optMet10", "16", "16 mm", "2° 29'",
            {"16.0000", "1.2268", "2.0000", "60°", "millimeters", "1.8000", "1.1200", "1.1540"});
        row("frmMetsize", "optMet11", "18", "18 mm", "2° 47'",
            {"18.0000", "1.5335", "2.5000", "60°", "millimeters", "2.2500", "1.4000", "1.4425"});
        row("frmMetsize", "optMet12", "20", "20 mm", "2° 29'",
            {"20.0000", "1.5335", "2.5000", "60°", "millimeters", "2.2500", "1.4000", "1.4425"});
        row("frmUNEFsize", "optUNEF1", "1/4", "1/4 U.N.E.F.", "2° 29'",
            {"0.2500", "0.0192", "0.0313", "60°", "inches", "0.0281", "0.0175", "0.0181"});
        row("frmUNEFsize", "optUNEF8", "11/16", "11/16 U.N.E.F.", "1° 9'",
            {"0.6875", "0.0256", "0.0417", "60°", "inches", "0.0375", "0.0233", "0.0241"});
        row("frmUNEFsize", "optUNEF13", "1 inch", "1 inch U.N.E.F.", "0° 57'",
            {"1.0000", "0.0307", "0.0500", "60°", "inches", "0.0450", "0.0280", "0.0289"});
    }

    void standardRecord()
    {
        QFETCH(int, family);
        QFETCH(QString, option);
        QFETCH(QString, caption);
        QFETCH(QStringList, record);
        QVERIFY(family >= 0);
        const FamilyRow &row = familyRow(static_cast<Family>(family));
        const FamilyWindow &window = familyWindow(row.family);
        int size = -1;
        for (int i = 0; i < row.sizeCount; ++i) {
            if (option == QLatin1String(window.options[i]))
                size = i;
        }
        QVERIFY(size >= 0);
        QCOMPARE(QString::fromUtf8(window.captions[size]), caption);
        QCOMPARE(fields(kervadin::standardRecord(row, row.sizes[size])), record);
    }

    void helixAngle_data()
    {
        QTest::addColumn<double>("diameter");
        QTest::addColumn<double>("pitch");
        QTest::addColumn<double>("k");
        QTest::addColumn<QString>("caption"); // or the fault
        // Worked by hand: E = D - k P, (P / E) x 1094.
        QTest::newRow("1/2 in, 12 TPI, 55: 204.12") << 0.5 << 1.0 / 12 << 0.6403 << " 3 ° 24 '";
        QTest::newRow("10 mm, pitch 1: 116.997") << 10.0 << 1.0 << 0.6493 << " 1 ° 57 '";
        QTest::newRow("1/4 in, 28 TPI, 60: 171.32") << 0.25 << 1.0 / 28 << 0.6134 << " 2 ° 51 '";
        QTest::newRow("negative E: -7797.6") << 0.1 << 0.2 << 0.6403 << "-129 °-58 '";
        QTest::newRow("pitch 0") << 0.5 << 0.0 << 0.6403 << " 0 ° 0 '";
        // P / E = 0.25 and 0.75 exactly: 273.5 and 820.5 go to the even side.
        QTest::newRow("tie 273.5 up to even") << 4.5 << 1.0 << 0.5 << " 4 ° 34 '";
        QTest::newRow("tie 820.5 down to even") << 5.5 << 3.0 << 0.5 << " 13 ° 40 '";
        QTest::newRow("tie -273.5 to even") << -3.5 << 1.0 << 0.5 << "-4 °-34 '";
        QTest::newRow("-59 minutes: zero degrees") << -1094.0 << 59.0 << 0.0 << " 0 °-59 '";
        QTest::newRow("whole degrees, negative") << 1094.0 << -120.0 << 0.0 << "-2 ° 0 '";
        QTest::newRow("largest count: 32767") << 1094.0 << 32767.0 << 0.0 << " 546 ° 7 '";
        QTest::newRow("smallest count: -32768") << 1094.0 << -32768.0 << 0.0 << "-546 °-8 '";
        QTest::newRow("D and P both 0") << 0.0 << 0.0 << 0.6403 << "DivisionByZero";
        QTest::newRow("metric D equal to k P") << 2.5972 << 4.0 << 0.6493 << "DivisionByZero";
        QTest::newRow("E about 0.001: 547000 minutes") << 0.3077 << 0.5 << 0.6134 << "Overflow";
        QTest::newRow("one past the largest count") << 1094.0 << 32768.0 << 0.0 << "Overflow";
        QTest::newRow("quotient beyond the double range") << 1e-300 << 1e10 << 0.0 << "Overflow";
        QTest::newRow("large negative count") << -0.3077 << 0.5 << -0.6134 << "Overflow";
    }

    void helixAngle()
    {
        QFETCH(double, diameter);
        QFETCH(double, pitch);
        QFETCH(double, k);
        QFETCH(QString, caption);
        QString shown;
        const QString fault = faultOf([&] { shown = qt(Helangle(diameter, pitch, k)); });
        QCOMPARE(fault.isEmpty() ? shown : fault, caption);
    }

    // A custom thread as typed: refused, or its record (compared as far as
    // the row gives it).
    void customThread_data()
    {
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("pitch");
        QTest::addColumn<int>("angle");
        QTest::addColumn<QString>("refusal"); // the title of its message
        QTest::addColumn<QStringList>("record");

        const QString none;
        const QString noDiameter = QStringLiteral("no Diameter");
        const QString noPitch = QStringLiteral("no Pitch");
        const QString noAngle = QStringLiteral("no Angle");
        const int deg55 = int(CustomAngle::Deg55);
        const int deg60 = int(CustomAngle::Deg60);
        const int noChoice = int(CustomAngle::None);
        const QStringList refused;

        QTest::newRow("both empty: diameter first") << "" << "" << noChoice << noDiameter << refused;
        QTest::newRow("diameter empty, pitch typed") << "" << "12" << deg55 << noDiameter << refused;
        QTest::newRow("pitch empty, even metric") << "10" << "" << noChoice << noPitch << refused;
        QTest::newRow("inch without angle") << "0.5" << "12" << noChoice << noAngle << refused;
        QTest::newRow("exactly 2 is inch") << "2" << "12" << noChoice << noAngle << refused;
        QTest::newRow("blanks only without angle") << "   " << "1" << noChoice << noAngle << refused;
        QTest::newRow("2 with 55 degrees")
            << "2" << "12" << deg55 << none << QStringList{"Whitwoth Form", "2.000", "0.0534", "0.083"};
        QTest::newRow("2.01 is metric, no angle needed")
            << "2.01" << "1.5" << noChoice << none
            << QStringList{"Metric Thread", "2.01 mm", "0.974", "1.500"};
        QTest::newRow("metric ignores the angle chosen")
            << "10" << "1" << deg55 << none << QStringList{"Metric Thread", "10 mm", "0.649", "1.000"};
        QTest::newRow("blanks only: not empty, inch, reads 0")
            << "   " << "0.05" << deg60 << none
            << QStringList{"Unified Thread", "0.000", "0.031", "0.050"};
        QTest::newRow("TPI 20 gives 0.05")
            << "0.5" << "20" << deg60 << none
            << QStringList{"Unified Thread", "0.500", "0.031", "0.050"};
        QTest::newRow("just above 1 is TPI")
            << "1.5" << "1.25" << deg60 << none
            << QStringList{"Unified Thread", "1.500", "0.491", "0.800"};
        QTest::newRow("negative entry is a pitch")
            << "0.5" << "-12" << deg55 << none
            << QStringList{"Whitwoth Form", "0.500", "-7.6836", "-12.000"};
        QTest::newRow("letters read as pitch 0")
            << "0.5" << "abc" << deg55 << none
            << QStringList{"Whitwoth Form", "0.500", "0.0000", "0.000"};
        QTest::newRow("metric letters pitch 0")
            << "12" << "x" << noChoice << none << QStringList{"Metric Thread", "12 mm", "0.000", "0.000"};
        QTest::newRow("55: 1/2 in 12 TPI")
            << "0.5" << "12" << deg55 << none
            << QStringList{"Whitwoth Form", "0.500", "0.0534", "0.083", "55°", Inches,
                           " 3 ° 24 '", "0.0633", "0.0450", "0.0470"};
        QTest::newRow("55: negative E")
            << "0.1" << "0.2" << deg55 << none
            << QStringList{"Whitwoth Form", "0.100", "0.1281", "0.200", "55°", Inches,
                           "-129 °-58 '", "0.1520", "0.1080", "0.1128"};
        QTest::newRow("metric 10 mm pitch 1")
            << "10" << "1" << noChoice << none
            << QStringList{"Metric Thread", "10 mm", "0.649", "1.000", "60°", Millimetres,
                           " 1 ° 57 '", "0.9000", "0.5600", "0.5770"};
        QTest::newRow("metric keeps the typed places")
            << "3.50" << "0.6" << noChoice << none
            << QStringList{"Metric Thread", "3.50 mm", "0.390", "0.600", "60°", Millimetres,
                           " 3 ° 31 '", "0.5400", "0.3360", "0.3462"};
        QTest::newRow("60: 1/4 in 28 TPI")
            << "0.25" << "28" << deg60 << none
            << QStringList{"Unified Thread", "0.250", "0.022", "0.036", "60°", Inches,
                           " 2 ° 51 '", "0.0321", "0.0200", "0.0206"};
        QTest::newRow("60: pitch 0")
            << "0.5" << "0" << deg60 << none
            << QStringList{"Unified Thread", "0.500", "0.000", "0.000", "60°", Inches,
                           " 0 ° 0 '", "0.0000", "0.0000", "0.0000"};
    }

    void customThread()
    {
        QFETCH(QString, diameter);
        QFETCH(QString, pitch);
        QFETCH(int, angle);
        QFETCH(QString, refusal);
        QFETCH(QStringList, record);
        const CustomThread thread = kervadin::customThread(
            diameter.toStdString(), pitch.toStdString(), static_cast<CustomAngle>(angle));
        QCOMPARE(qt(thread.refusal.title), refusal);
        if (refusal.isEmpty())
            QCOMPARE(fields(customRecord(thread)).mid(0, record.size()), record);
    }

    // Calculate by the record as shown: a refusal, a fault, nothing for an
    // angle without a formula, or the dimension over wires.
    // Each form's constants are its angle's, every digit written right (B.A.'s
    // 3.4829 is 3.482950 cut, not rounded): a = k + ½ cot(A ÷ 2),
    // b = 1 + cosec(A ÷ 2); and its wire sizes on the basic profile, the crest
    // k ÷ 2 × P above the pitch line.
    void formRows()
    {
        const auto places = [](double value) {
            const std::string text = std::to_string(value); // six places
            const std::size_t last = text.find_last_not_of('0');
            return static_cast<int>(last - text.find('.'));
        };
        for (const ThreadForm *f : ThreadForms) {
            const double half = f->angle / 2 * 3.14159265358979323846 / 180;
            const double s = std::sin(half), c = std::cos(half), crest = f->basicFactor / 2;
            const double expected[][2] = {
                {f->pitchFactor, f->basicFactor + c / s / 2}, {f->wireFactor, 1 + 1 / s},
                {f->bestWire, 0.5 / c}, {f->smallestWire, 2 * (crest * s + c / 4) / (1 + s)},
                {f->largestWire, 2 * (crest * s + c / 4) / (c * c)}};
            for (const auto &[written, exact] : expected)
                QVERIFY2(std::fabs(written - exact) < std::pow(10, -places(written)),
                         qPrintable(QString("%1: %2 for %3").arg(f->name).arg(written).arg(exact)));
        }
    }

    void measure_data()
    {
        QTest::addColumn<QStringList>("shown"); // diameter, pitch, angle, minimum, maximum
        QTest::addColumn<QString>("wire");
        QTest::addColumn<QString>("refusal"); // the title of its message
        QTest::addColumn<QString>("over"); // "" when nothing is measured; or the fault

        const QString none;
        const QString noWire = QStringLiteral("No Wire");
        const QString small = QStringLiteral("Small Wire");
        const QString large = QStringLiteral("Large Wire");
        const QStringList empty{"", "", "", "", ""};
        const QStringList m6{"6.0000", "1.0000", "60°", "0.5600", "0.9000"};
        // 2 BA as shown: maximum 0.0233 (0.023287), minimum 0.0160 (0.01595).
        const QStringList ba2{"0.1850", "0.0319", "47.5°", "0.0160", "0.0233"};

        QTest::newRow("empty wire box") << m6 << "" << noWire << "";
        QTest::newRow("no record: positive wire is large") << empty << "0.5" << large << "";
        QTest::newRow("no record: zero passes, nothing measured") << empty << "0" << none << "";
        QTest::newRow("no record: letters read 0") << empty << "abc" << none << "";
        QTest::newRow("no record: negative wire is small") << empty << "-0.1" << small << "";
        QTest::newRow("blanks are not empty, read 0") << m6 << "   " << small << "";
        QTest::newRow("below the minimum shown") << m6 << "0.5599" << small << "";
        QTest::newRow("above the maximum shown") << m6 << "0.90001" << large << "";
        QTest::newRow("minimum as shown, fewer places") << m6 << "0.56" << none << "6.1645";
        QTest::newRow("maximum with trailing zeros") << m6 << "0.900000" << none << "7.1845";
        QTest::newRow("6 mm with 0.577") << m6 << "0.577" << none << "6.2155";
        QTest::newRow("wire text with blanks inside") << m6 << " 0. 577" << none << "6.2155";
        QTest::newRow("1/2 BSW reads pitch as shown")
            << QStringList{"0.5000", "0.0833", "55°", "0.0450", "0.0633"} << "0.05" << none
            << "0.5249";
        QTest::newRow("0 BA uses the 47.5 formula")
            << QStringList{"0.2362", "0.0394", "47.5°", "0.0197", "0.0288"} << "0.025" << none
            << "0.2549";
        QTest::newRow("custom metric diameter with mm")
            << QStringList{"3.5 mm", "0.600", "60°", "0.3360", "0.5400"} << "0.4" << none
            << "3.7907";
        QTest::newRow("unknown angle measures nothing")
            << QStringList{"1.0000", "0.1000", "40°", "0.0100", "0.2000"} << "0.1" << none << "";
        QTest::newRow("2 BA minimum as shown") << ba2 << "0.016" << none << "0.1853";
        QTest::newRow("2 BA below the minimum shown") << ba2 << "0.01599" << small << "";
        QTest::newRow("2 BA maximum as shown, above the exact one") << ba2 << "0.0233" << none
                                                                     << "0.2108";
        QTest::newRow("2 BA above the maximum shown") << ba2 << "0.02331" << large << "";
        QTest::newRow("wire overflows") << m6 << "1e999" << none << "Overflow";
        QTest::newRow("wire overflows negative") << m6 << "-1e400" << none << "Overflow";
        QTest::newRow("result overflows")
            << QStringList{"1e308", "1", "60°", "0", "1e308"} << "9e307" << none << "Overflow";
    }

    void measure()
    {
        QFETCH(QStringList, shown);
        QFETCH(QString, wire);
        QFETCH(QString, refusal);
        QFETCH(QString, over);
        // The diameter's number: a custom metric one without its unit.
        QString diameter = shown[0];
        diameter.remove(QStringLiteral(" mm"));
        const ShownRecord record{shown[0].toStdString(), shown[1].toStdString(),
                                 shown[3].toStdString(), shown[4].toStdString(),
                                 diameter.toStdString()};
        // The thread's form, by its angle; none for no thread.
        const ThreadForm *form = nullptr;
        for (const ThreadForm *f : ThreadForms)
            form = !form && shown[2] == QString::fromUtf8(f->angleCaption) ? f : form;
        Measurement m;
        const QString fault = faultOf([&] { m = kervadin::measure(form, record, wire.toStdString()); });
        if (!fault.isEmpty()) {
            QCOMPARE(fault, over);
            return;
        }
        QCOMPARE(qt(m.refusal.title), refusal);
        QCOMPARE(m.measured, !over.isEmpty());
        QCOMPARE(qt(m.overWires), over);
        if (m.measured) {
            // The working names the values used: the diameter as shown
            // without its unit, the pitch as shown, the wire to four places.
            const QString working = qt(m.working);
            QVERIFY2(working.contains(QStringLiteral("= %1 ").arg(diameter)), qPrintable(working));
            QVERIFY2(working.contains(QStringLiteral(" %1 ").arg(shown[1])), qPrintable(working));
            QVERIFY2(working.endsWith(QString::number(m.wire, 'f', 4)), qPrintable(working));
        }
    }
};

QTEST_APPLESS_MAIN(TestKervadinRules)
#include "tst_kervadin_rules.moc"
