// The six size windows and the thread record each size writes, driven by
// real clicks through the program's own windows.

#include "kervadin/frmkervadin3.h"
#include "kervadin/kervadin.h"
#include "runtime/controls.h"
#include "runtime/messages.h"

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace kervadin;

namespace {

struct Message {
    int style;
    QString title;
};

// The captions a size writes after its name and before its helix text, and
// the units word, as worked out by hand: the exact decimal product taken to
// 15 significant digits, then rounded half up to four places.
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

QWidget *topLevel(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

template <typename Control>
Control *control(const QString &window, const QString &name)
{
    QWidget *w = topLevel(window);
    return w ? w->findChild<Control *>(name) : nullptr;
}

void click(QWidget *widget)
{
    QVERIFY(widget);
    QVERIFY(widget->isVisible());
    QTest::mouseClick(widget, Qt::LeftButton);
}

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

QString chooserButton(const QString &window)
{
    static const QHash<QString, QString> buttons = {
        {"frmBSFsize", "cmdBSF"}, {"frmWhitsize", "cmdWhit"}, {"frmUNCsize", "cmdUNC"},
        {"frmUNFsize", "cmdUNF"}, {"frmBAsize", "cmdBA"},     {"frmMetsize", "cmdMetric"},
    };
    return buttons.value(window);
}

QString applyButton(const QString &window)
{
    static const QHash<QString, QString> buttons = {
        {"frmBSFsize", "cmdAppBSF"}, {"frmWhitsize", "cmdAppWhit"}, {"frmUNCsize", "cmdAppUNC"},
        {"frmUNFsize", "cmdAppUNF"}, {"frmBAsize", "cmdAppBA"},     {"frmMetsize", "btnAppmet"},
    };
    return buttons.value(window);
}

QList<QLabel *> recordLabels()
{
    FrmKervadin3 *m = frmKervadin3();
    return {m->lblSelected, m->lblDia, m->lblDoT,    m->lblPitch, m->lblTangle,
            m->lblHangle,   m->lblMillinches, m->lblMax, m->lblMin, m->lblPref};
}

QStringList recordTexts()
{
    QStringList texts;
    for (QLabel *label : recordLabels())
        texts << label->text();
    return texts;
}

QStringList checkedOptions(const QString &window)
{
    QStringList names;
    for (QRadioButton *option : topLevel(window)->findChildren<QRadioButton *>())
        if (option->isChecked())
            names << option->objectName();
    return names;
}

} // namespace

class TestSizes : public QObject {
    Q_OBJECT

    QList<Message> m_messages;

    // Select on the measurement window, then the family's button of the
    // chooser, as a person opens a size window.
    QWidget *openSizes(const QString &window)
    {
        QTest::mouseClick(frmKervadin3()->CtS, Qt::LeftButton);
        QPushButton *button = control<QPushButton>("frmType", chooserButton(window));
        if (!button || !button->isVisible())
            return nullptr;
        QTest::mouseClick(button, Qt::LeftButton);
        QWidget *sizes = topLevel(window);
        if (sizes && !QTest::qWaitForWindowActive(sizes))
            return nullptr;
        return sizes;
    }

private slots:
    void initTestCase()
    {
        rt::setMessagePresenter([this](int style, const QString &title, const QString &) {
            m_messages.append({style, title});
        });
        start();
        QVERIFY(QTest::qWaitForWindowActive(frmKervadin3()));
    }

    void init() { m_messages.clear(); }

    // Runs first, while no size window has been used.
    void applyWithNothingChosen_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("firstSize");
        for (auto [window, first] : {std::pair{"frmBSFsize", "optBSF1"}, {"frmWhitsize", "optWhit1"},
                                     {"frmUNCsize", "optUnc1"},  {"frmUNFsize", "optUNF1"},
                                     {"frmBAsize", "optBA1"},    {"frmMetsize", "optMet1"}})
            QTest::newRow(window) << QString(window) << QString(first);
    }

    void applyWithNothingChosen()
    {
        QFETCH(QString, window);
        QFETCH(QString, firstSize);
        QVERIFY(!topLevel(window));
        QWidget *sizes = openSizes(window);
        QVERIFY(sizes);
        QCOMPARE(checkedOptions(window), QStringList());
        QCOMPARE(focusName(), firstSize);

        // A record on show, a wire typed and a result, all to stay as they are.
        FrmKervadin3 *m = frmKervadin3();
        const QList<QLabel *> labels = recordLabels();
        for (int i = 0; i < labels.size(); ++i)
            labels[i]->setText(QString("before %1").arg(i));
        const QStringList before = recordTexts();
        m->txtActual->setText("0.5");
        m->lblOver->setText("1.2345");

        click(control<QPushButton>(window, applyButton(window)));
        QCOMPARE(recordTexts(), before);
        QCOMPARE(m->txtActual->text(), QString("0.5"));
        QCOMPARE(m->lblOver->text(), QString("1.2345"));
        QVERIFY(m_messages.isEmpty());
        QVERIFY(sizes->isVisible());
        QCOMPARE(QApplication::activeWindow(), sizes);
        QCOMPARE(checkedOptions(window), QStringList());
    }

    void record_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("helix");
        QTest::addColumn<QStringList>("captions");
        auto row = [](const char *window, const char *option, const char *caption,
                      const char *name, const char *helix, const Expected &e,
                      const char *note = nullptr) {
            QByteArray tag = QByteArray(window) + ' ' + name;
            if (note)
                tag += QByteArray(" (") + note + ')';
            QTest::newRow(tag.constData())
                << QString(window) << QString(option) << QString::fromUtf8(caption)
                << QString::fromUtf8(name) << QString::fromUtf8(helix)
                << QStringList{e.diameter, e.depth,   e.pitch,   QString::fromUtf8(e.angle),
                               e.units,    e.maximum, e.minimum, e.preferred};
        };
    row("frmBSFsize", "optBSF1", "1/4", "1/4 B.S.F.", "3° 7'",
        {"0.2500", "0.0246", "0.0385", "55°", "inches.", "0.0293", "0.0208", "0.0217"});
    row("frmBSFsize", "optBSF2", "5/16", "5/16 B.S.F.", "2° 55'",
        {"0.3125", "0.0291", "0.0454", "55°", "inches.", "0.0345", "0.0245", "0.0256"});
    row("frmBSFsize", "optBSF3", "3/8", "3/8 B.S.F.", "2° 39'",
        {"0.3750", "0.0320", "0.0500", "55°", "inches.", "0.0380", "0.0270", "0.0282"});
    row("frmBSFsize", "optBSF4", "7/16", "7/16 B.S.F.", "2° 31'",
        {"0.4375", "0.0355", "0.0555", "55°", "inches.", "0.0422", "0.0300", "0.0313"});
    row("frmBSFsize", "optBSF5", "1/2", "1/2 B.S.F.", "2° 28'",
        {"0.5000", "0.0400", "0.0625", "55°", "inches.", "0.0475", "0.0338", "0.0353"}, "half up: preferred 0.0353");
    row("frmBSFsize", "optBSF6", "9/16", "9/16 B.S.F.", "2° 10'",
        {"0.5625", "0.0400", "0.0625", "55°", "inches.", "0.0475", "0.0338", "0.0353"}, "half up: preferred 0.0353");
    row("frmBSFsize", "optBSF7", "5/8", "5/8 B.S.F.", "2° 5'",
        {"0.6250", "0.0457", "0.0714", "55°", "inches.", "0.0543", "0.0386", "0.0403"});
    row("frmBSFsize", "optBSF8", "3/4", "3/4 B.S.F.", "2° 11'",
        {"0.7500", "0.0533", "0.0833", "55°", "inches.", "0.0633", "0.0450", "0.0470"});
    row("frmBSFsize", "optBSF9", "7/8", "7/8 B.S.F.", "2° 2'",
        {"0.8750", "0.0582", "0.0909", "55°", "inches.", "0.0691", "0.0491", "0.0513"});
    row("frmBSFsize", "optBSF10", "1 inch", "1 inch B.S.F.", "1° 57'",
        {"1.0000", "0.0640", "0.1000", "55°", "inches.", "0.0760", "0.0540", "0.0564"});
    row("frmWhitsize", "optWhit1", "1/4", "1/4 B.S.W.", "4° 10'",
        {"0.2500", "0.0320", "0.0500", "55°", "inches.", "0.0380", "0.0270", "0.0282"});
    row("frmWhitsize", "optWhit2", "5/16", "5/16 B.S.W.", "3° 39'",
        {"0.3125", "0.0356", "0.0556", "55°", "inches.", "0.0423", "0.0300", "0.0314"});
    row("frmWhitsize", "optWhit3", "3/8", "3/8 B.S.W.", "3° 24'",
        {"0.3750", "0.0400", "0.0625", "55°", "inches.", "0.0475", "0.0338", "0.0353"}, "half up: preferred 0.0353");
    row("frmWhitsize", "optWhit4", "7/16", "7/16 B.S.W.", "3° 19'",
        {"0.4375", "0.0457", "0.0714", "55°", "inches.", "0.0543", "0.0386", "0.0403"});
    row("frmWhitsize", "optWhit5", "1/2", "1/2 B.S.W.", "3° 24'",
        {"0.5000", "0.0533", "0.0833", "55°", "inches.", "0.0633", "0.0450", "0.0470"});
    row("frmWhitsize", "optWhit6", "9/16", "9/16 B.S.W.", "2° 59'",
        {"0.5625", "0.0533", "0.0833", "55°", "inches.", "0.0633", "0.0450", "0.0470"});
    row("frmWhitsize", "optWhit7", "5/8", "5/8 B.S.W.", "2° 55'",
        {"0.6250", "0.0582", "0.0909", "55°", "inches.", "0.0691", "0.0491", "0.0513"});
    row("frmWhitsize", "optWhit8", "3/4", "3/4 B.S.W.", "2° 39'",
        {"0.7500", "0.0640", "0.1000", "55°", "inches.", "0.0760", "0.0540", "0.0564"});
    row("frmWhitsize", "optWhit9", "7/8", "7/8 B.S.W.", "2° 31'",
        {"0.8750", "0.0711", "0.1111", "55°", "inches.", "0.0844", "0.0600", "0.0627"});
    row("frmWhitsize", "optWhit10", "1 inch", "1 inch", "2° 28'",
        {"1.0000", "0.0800", "0.1250", "55°", "inches.", "0.0950", "0.0675", "0.0705"});
    row("frmUNCsize", "optUnc1", "1/4", "1/4 U.N.C", "3° 71'",
        {"0.2500", "0.0307", "0.0500", "60°", "inches.", "0.0450", "0.0280", "0.0289"});
    row("frmUNCsize", "optUNC2", "5/16", "5/16 U.N.C.", "3° 39'",
        {"0.3125", "0.0341", "0.0556", "60°", "inches.", "0.0500", "0.0311", "0.0321"});
    row("frmUNCsize", "optUNC3", "3/8", "3/8 U.N.C.", "3° 24'",
        {"0.3750", "0.0383", "0.0625", "60°", "inches.", "0.0563", "0.0350", "0.0361"});
    row("frmUNCsize", "optUNC4", "7/16", "7/16 U.N.C.", "3° 20'",
        {"0.4375", "0.0438", "0.0714", "60°", "inches.", "0.0643", "0.0400", "0.0413"});
    row("frmUNCsize", "optUNC5", "1/2", "1/2 U.N.C.", "3° 07'",
        {"0.5000", "0.0472", "0.0769", "60°", "inches.", "0.0692", "0.0431", "0.0445"});
    row("frmUNCsize", "optUNC6", "9/16", "9/16 U.N.C.", "2° 59'",
        {"0.5625", "0.0511", "0.0833", "60°", "inches.", "0.0750", "0.0467", "0.0482"});
    row("frmUNCsize", "optUNC7", "5/8", "5/8 U.N.C.", "2° 56'",
        {"0.6250", "0.0558", "0.0909", "60°", "inches.", "0.0818", "0.0509", "0.0525"});
    row("frmUNCsize", "optUNC8", "3/4", "3/4 U.N.C.", "2° 40'",
        {"0.7500", "0.0613", "0.1000", "60°", "inches.", "0.0900", "0.0560", "0.0578"});
    row("frmUNCsize", "optUNC9", "7/8", "7/8 U.N.C.", "2° 31'",
        {"0.8750", "0.0682", "0.1111", "60°", "inches.", "0.1000", "0.0622", "0.0642"});
    row("frmUNCsize", "optUNC10", "1 inch", "1 inch U.N.C.", "2° 29'",
        {"1.0000", "0.0767", "0.1250", "60°", "inches.", "0.1125", "0.0700", "0.0723"}, "half up: preferred 0.0723");
    row("frmUNFsize", "optUNF1", "1/4", "1/4 U.N.F.", "2° 52'",
        {"0.2500", "0.0219", "0.0357", "60°", "inches.", "0.0321", "0.0200", "0.0206"});
    row("frmUNFsize", "optUNF2", "5/16", "5/16 U.N.F.", "2° 39'",
        {"0.3125", "0.0256", "0.0417", "60°", "inches.", "0.0375", "0.0233", "0.0241"});
    row("frmUNFsize", "optUNF3", "3/8", "3/8 U.N.F.", "2° 11'",
        {"0.3750", "0.0256", "0.0417", "60°", "inches.", "0.0375", "0.0233", "0.0241"});
    row("frmUNFsize", "optUNF4", "7/16", "7/16 U.N.F.", "2° 15'",
        {"0.4375", "0.0307", "0.0500", "60°", "inches.", "0.0450", "0.0280", "0.0289"});
    row("frmUNFsize", "optUNF5", "1/2", "1/2 U.N.F.", "1° 57'",
        {"0.5000", "0.0307", "0.0500", "60°", "inches.", "0.0450", "0.0280", "0.0289"});
    row("frmUNFsize", "optUNF6", "9/16", "9/16 U.N.F.", "1° 55'",
        {"0.5625", "0.0341", "0.0556", "60°", "inches.", "0.0500", "0.0311", "0.0321"});
    row("frmUNFsize", "optUNF7", "5/8", "5/8 U.N.F.", "1° 43'",
        {"0.6250", "0.0341", "0.0556", "60°", "inches.", "0.0500", "0.0311", "0.0321"});
    row("frmUNFsize", "optUNF8", "3/4", "3/4 U.N.F.", "1° 36'",
        {"0.7500", "0.0383", "0.0625", "60°", "inches.", "0.0563", "0.0350", "0.0361"});
    row("frmUNFsize", "optUNF9", "7/8", "7/8 U.N.F.", "1° 34'",
        {"0.8750", "0.0438", "0.0714", "60°", "inches.", "0.0643", "0.0400", "0.0413"});
    row("frmUNFsize", "optUNF10", "1 inch", "1 inch U.N.F.", "1° 35'",
        {"1.0000", "0.0511", "0.0833", "60°", "inches.", "0.0750", "0.0467", "0.0482"});
    row("frmBAsize", "optBA1", "0 BA", "0 BA", "3° 22'",
        {"0.2362", "0.0236", "0.0394", "47.5°", "inches.", "0.0288", "0.0197", "0.0215"});
    row("frmBAsize", "optBA2", "1 BA", "1 BA", "3° 27'",
        {"0.2087", "0.0212", "0.0354", "47.5°", "inches.", "0.0258", "0.0177", "0.0193"});
    row("frmBAsize", "optBA3", "2 BA", "2 BA", "3° 30'",
        {"0.1850", "0.0191", "0.0319", "47.5°", "inches.", "0.0233", "0.0160", "0.0174"}, "half up: minimum 0.0160");
    row("frmBAsize", "optBA4", "3 BA", "3 BA", "3° 38",
        {"0.1614", "0.0172", "0.0287", "47.5°", "inches.", "0.0210", "0.0144", "0.0157"}, "half up: minimum 0.0144");
    row("frmBAsize", "optBA5", "4 BA", "4 BA", "3° 45'",
        {"0.1417", "0.0156", "0.0260", "47.5°", "inches.", "0.0190", "0.0130", "0.0142"});
    row("frmBAsize", "optBA6", "5 BA", "5 BA", "3° 47'",
        {"0.1260", "0.0139", "0.0232", "47.5°", "inches.", "0.0169", "0.0116", "0.0127"});
    row("frmBAsize", "optBA7", "6 BA", "6 BA", "3° 54'",
        {"0.1102", "0.0125", "0.0209", "47.5°", "inches.", "0.0153", "0.0105", "0.0114"}, "half up: minimum 0.0105");
    row("frmBAsize", "optBA8", "7 BA", "7 BA", "3° 58'",
        {"0.0984", "0.0113", "0.0189", "47.5°", "inches.", "0.0138", "0.0095", "0.0103"});
    row("frmBAsize", "optBA9", "8 BA", "8 BA", "4° 2'",
        {"0.0866", "0.0101", "0.0169", "47.5°", "inches.", "0.0123", "0.0085", "0.0092"}, "half up: minimum 0.0085");
    row("frmBAsize", "optBA10", "10 BA", "10 BA", "4° 17'",
        {"0.0669", "0.0083", "0.0138", "47.5°", "inches.", "0.0101", "0.0069", "0.0075"});
    row("frmMetsize", "optMet1", "2.5", "2.5 mm", "3° 42'",
        {"2.5000", "0.2760", "0.4500", "60°", "millimeters.", "0.4050", "0.2520", "0.2597"}, "half up: preferred 0.2597");
    row("frmMetsize", "optMet2", "3", "3 mm", "3° 25'",
        {"3.0000", "0.3067", "0.5000", "60°", "millimeters.", "0.4500", "0.2800", "0.2885"});
    row("frmMetsize", "optMet3", "4", "4 mm", "3° 36'",
        {"4.0000", "0.4294", "0.7000", "60°", "millimeters.", "0.6300", "0.3920", "0.4039"});
    row("frmMetsize", "optMet4", "5", "5 mm", "3° 15'",
        {"5.0000", "0.4907", "0.8000", "60°", "millimeters.", "0.7200", "0.4480", "0.4616"});
    row("frmMetsize", "optMet5", "6", "6 mm", "3° 25'",
        {"6.0000", "0.6134", "1.0000", "60°", "millimeters.", "0.9000", "0.5600", "0.5770"});
    row("frmMetsize", "optMet6", "8", "8 mm", "3° 10'",
        {"8.0000", "0.7668", "1.2500", "60°", "millimeters.", "1.1250", "0.7000", "0.7213"}, "half up: depth 0.7668, preferred 0.7213");
    row("frmMetsize", "optMet7", "10", "10 mm", "3° 02'",
        {"10.0000", "0.9201", "1.5000", "60°", "millimeters.", "1.3500", "0.8400", "0.8655"});
    row("frmMetsize", "optMet8", "12", "12 mm", "2° 56'",
        {"12.0000", "1.0735", "1.7500", "60°", "millimeters.", "1.5750", "0.9800", "1.0098"}, "half up: depth 1.0735, preferred 1.0098");
    row("frmMetsize", "optMet9", "14", "14 mm", "2° 52'",
        {"14.0000", "1.2268", "2.0000", "60°", "millimeters.", "1.8000", "1.1200", "1.1540"});
    row("frmMetsize", "optMet10", "16", "16 mm", "2° 29'",
        {"16.0000", "1.2268", "2.0000", "60°", "millimeters.", "1.8000", "1.1200", "1.1540"});
    row("frmMetsize", "optMet11", "18", "18 mm", "2° 47'",
        {"18.0000", "1.5335", "2.5000", "60°", "millimeters.", "2.2500", "1.4000", "1.4425"});
    row("frmMetsize", "optMet12", "20", "20 mm", "2° 29'",
        {"20.0000", "1.5335", "2.5000", "60°", "millimeters.", "2.2500", "1.4000", "1.4425"});
    }

    // Every size of every family: the option's caption, then the record it
    // writes on APPLY, with the measurement window in front and the focus in
    // the wire-size box, and the size window left open with its choice.
    void record()
    {
        QFETCH(QString, window);
        QFETCH(QString, option);
        QFETCH(QString, caption);
        QFETCH(QString, name);
        QFETCH(QString, helix);
        QFETCH(QStringList, captions);

        QWidget *sizes = openSizes(window);
        QVERIFY(sizes);
        QRadioButton *size = control<QRadioButton>(window, option);
        QVERIFY(size);
        QCOMPARE(size->text(), caption);

        FrmKervadin3 *m = frmKervadin3();
        for (QLabel *label : recordLabels())
            label->setText("stale");
        m->txtActual->setText("0.02");
        m->lblOver->setText("9.9999");

        click(size);
        QCOMPARE(checkedOptions(window), QStringList{option});
        click(control<QPushButton>(window, applyButton(window)));

        QCOMPARE(m->lblSelected->text(), name);
        QCOMPARE(m->lblDia->text(), captions[0]);
        QCOMPARE(m->lblDoT->text(), captions[1]);
        QCOMPARE(m->lblPitch->text(), captions[2]);
        QCOMPARE(m->lblTangle->text(), captions[3]);
        QCOMPARE(m->lblHangle->text(), helix);
        QCOMPARE(m->lblMillinches->text(), "Dimensions\nin\n" + captions[4]);
        QCOMPARE(m->lblMax->text(), captions[5]);
        QCOMPARE(m->lblMin->text(), captions[6]);
        QCOMPARE(m->lblPref->text(), captions[7]);
        QCOMPARE(m->txtActual->text(), QString("0.02"));
        QCOMPARE(m->lblOver->text(), QString("9.9999"));
        QVERIFY(m_messages.isEmpty());

        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(m));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(m->txtActual));
        QVERIFY(sizes->isVisible());
        QCOMPARE(checkedOptions(window), QStringList{option});
    }

    void tabOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("order");
        auto rowByRow = [](const char *window, const QString &prefix, const QString &first,
                           const QString &apply, const QString &back) {
            QStringList order{first};
            for (int i = 2; i <= 10; ++i)
                order << prefix + QString::number(i);
            QTest::newRow(window) << QString(window) << (order << apply << back);
        };
        rowByRow("frmBSFsize", "optBSF", "optBSF1", "cmdAppBSF", "cmdBackBSF");
        rowByRow("frmWhitsize", "optWhit", "optWhit1", "cmdAppWhit", "cmdBackwhit");
        rowByRow("frmUNCsize", "optUNC", "optUnc1", "cmdAppUNC", "cmdBackUNC");
        rowByRow("frmUNFsize", "optUNF", "optUNF1", "cmdAppUNF", "cmdBackUNF");
        rowByRow("frmBAsize", "optBA", "optBA1", "cmdAppBA", "cmdBackBA");
        QTest::newRow("frmMetsize, down each column")
            << QString("frmMetsize")
            << QStringList{"optMet1",  "optMet5", "optMet9",  "optMet2",   "optMet6",
                           "optMet10", "optMet3", "optMet7",  "optMet11",  "optMet4",
                           "optMet8",  "optMet12", "btnAppmet", "cmdBackmet"};
    }

    // Tab walks every size and then the two buttons, and back to the first
    // size; moving the focus selects nothing.
    void tabOrder()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, order);
        QWidget *sizes = openSizes(window);
        QVERIFY(sizes);
        const QStringList checked = checkedOptions(window);
        QWidget *first = control<QWidget>(window, order.first());
        QVERIFY(first);
        first->setFocus(Qt::OtherFocusReason);
        QStringList seen;
        for (int i = 0; i < order.size() && QApplication::focusWidget(); ++i) {
            seen << focusName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(seen, order);
        QCOMPARE(focusName(), order.first());
        QCOMPARE(checkedOptions(window), checked);
    }

    // BACK hides the window but keeps its choice; APPLY applies it again.
    void selectionKeptAcrossBack()
    {
        QVERIFY(openSizes("frmUNCsize"));
        click(control<QRadioButton>("frmUNCsize", "optUNC7"));
        click(control<QPushButton>("frmUNCsize", "cmdBackUNC"));
        QVERIFY(!topLevel("frmUNCsize")->isVisible());
        QVERIFY(topLevel("frmType")->isVisible());

        // Something else applied in between.
        QVERIFY(openSizes("frmBAsize"));
        click(control<QRadioButton>("frmBAsize", "optBA1"));
        click(control<QPushButton>("frmBAsize", "cmdAppBA"));
        QCOMPARE(frmKervadin3()->lblSelected->text(), QString("0 BA"));
        click(control<QPushButton>("frmBAsize", "cmdBackBA"));

        click(control<QPushButton>("frmType", "cmdUNC"));
        QCOMPARE(checkedOptions("frmUNCsize"), QStringList{"optUNC7"});
        click(control<QPushButton>("frmUNCsize", "cmdAppUNC"));
        QCOMPARE(frmKervadin3()->lblSelected->text(), QString("5/8 U.N.C."));
        QCOMPARE(frmKervadin3()->lblPitch->text(), QString("0.0909"));
    }

    // One size at most: a second choice clears the first, and APPLY takes it.
    // A click anywhere on an option's area chooses it, also beside its caption.
    void secondChoiceReplacesFirst()
    {
        QVERIFY(openSizes("frmMetsize"));
        click(control<QRadioButton>("frmMetsize", "optMet3"));
        QRadioButton *eighteen = control<QRadioButton>("frmMetsize", "optMet11");
        QVERIFY(eighteen->fontMetrics().horizontalAdvance(eighteen->text()) + 30
                < eighteen->width());
        QTest::mouseClick(eighteen, Qt::LeftButton, {},
                          QPoint(eighteen->width() - 2, eighteen->height() / 2));
        QCOMPARE(checkedOptions("frmMetsize"), QStringList{"optMet11"});
        click(control<QPushButton>("frmMetsize", "btnAppmet"));
        QCOMPARE(frmKervadin3()->lblSelected->text(), QString("18 mm"));
    }

    // Applying again rewrites the record but leaves the wire typed and the
    // dimension worked out for the first size.
    void applyingTwiceOverwrites()
    {
        FrmKervadin3 *m = frmKervadin3();
        QVERIFY(openSizes("frmBSFsize"));
        click(control<QRadioButton>("frmBSFsize", "optBSF2"));
        click(control<QPushButton>("frmBSFsize", "cmdAppBSF"));
        QTest::keyClicks(m->txtActual, "0.0256");
        click(m->cmdCalc);
        // 0.3125 - 1.6008 x 0.0454 + 3.1657 x 0.0256 = 0.3208656
        QCOMPARE(m->lblOver->text(), QString("0.3209"));

        click(control<QRadioButton>("frmBSFsize", "optBSF5"));
        click(control<QPushButton>("frmBSFsize", "cmdAppBSF"));
        QCOMPARE(recordTexts(), (QStringList{"1/2 B.S.F.", "0.5000", "0.0400", "0.0625",
                                              "55°", "2° 28'", "Dimensions\nin\ninches.",
                                              "0.0475", "0.0338", "0.0353"}));
        QCOMPARE(m->lblOver->text(), QString("0.3209"));
        QCOMPARE(m->txtActual->text(), QString("0.0256"));
        QVERIFY(m_messages.isEmpty());
    }

    void limitsAsDisplayed_data()
    {
        QTest::addColumn<QString>("wire");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("over");
        // 2 BA shows D 0.1850, P 0.0319, maximum 0.0233 (0.023287), minimum
        // 0.0160 (0.01595); M = D - 1.7363 P + 3.4829 W.
        QTest::newRow("minimum as shown") << "0.016" << "" << "0.1853";
        QTest::newRow("minimum with trailing zero") << "0.0160" << "" << "0.1853";
        QTest::newRow("below the minimum shown") << "0.01599" << "Small Wire" << "";
        QTest::newRow("maximum as shown, above the exact one") << "0.0233" << "" << "0.2108";
        QTest::newRow("above the maximum shown") << "0.02331" << "Large Wire" << "";
    }

    void limitsAsDisplayed()
    {
        QFETCH(QString, wire);
        QFETCH(QString, message);
        QFETCH(QString, over);
        FrmKervadin3 *m = frmKervadin3();
        QVERIFY(openSizes("frmBAsize"));
        click(control<QRadioButton>("frmBAsize", "optBA3"));
        click(control<QPushButton>("frmBAsize", "cmdAppBA"));
        QCOMPARE(m->lblMin->text(), QString("0.0160"));
        QCOMPARE(m->lblOver->text(), QString());

        QTest::keyClicks(m->txtActual, wire);
        click(m->cmdCalc);
        if (message.isEmpty()) {
            QVERIFY(m_messages.isEmpty());
        } else {
            QCOMPARE(m_messages.size(), 1);
            QCOMPARE(m_messages[0].style, 48);
            QCOMPARE(m_messages[0].title, message);
        }
        QCOMPARE(m->lblOver->text(), over);
    }
};

QTEST_MAIN(TestSizes)
#include "tst_kervadin_sizes.moc"
