// The custom thread window: helix angle, the three custom computations, the
// checks of APPLY and the arithmetic faults, driven by real clicks and keys.
#include "kervadin/frmcustom.h"
#include "kervadin/frmkervadin3.h"
#include "kervadin/kervadin.h"
#include "runtime/controls.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <iterator>

using namespace kervadin;

struct Message {
    int style;
    QString title;
    QString prompt;
};

namespace {

// The record's captions in the order they are written.
const char *const RecordLabels[] = {"lblSelected", "lblDia", "lblDoT", "lblPitch", "lblTangle",
                                    "lblMillinches", "lblHangle", "lblMax", "lblMin", "lblPref"};

const QString Inches = QStringLiteral("Dimensions\nin\ninches.");
const QString Millimetres = QStringLiteral("Dimensions\nin\nmillimeters.");

} // namespace

class TestKervadinCustom : public QObject {
    Q_OBJECT

    QList<Message> messages;
    FrmCustom *c = nullptr;
    FrmKervadin3 *w = nullptr;

    QLabel *record(const char *name) { return w->findChild<QLabel *>(QLatin1String(name)); }

    QStringList recordTexts()
    {
        QStringList texts;
        for (const char *name : RecordLabels)
            texts << record(name)->text();
        return texts;
    }

    static void typeInto(QLineEdit *box, const QString &text)
    {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    // Types the entries, picks the angle (55, 60, or 0 for none) and presses
    // APPLY.
    void apply(const QString &diameter, const QString &pitch, int angle)
    {
        typeInto(c->txtCustdia, diameter);
        typeInto(c->txtCustpitch, pitch);
        if (angle == 55)
            QTest::mouseClick(c->opt55, Qt::LeftButton);
        else if (angle == 60)
            QTest::mouseClick(c->opt60, Qt::LeftButton);
        QTest::mouseClick(c->cmdAppcust, Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        rt::setMessagePresenter([this](int style, const QString &title, const QString &prompt) {
            messages.append({style, title, prompt});
        });
        rt::setEndHandler([] {});
        start();
        w = frmKervadin3();
        c = frmCustom();
    }

    void init()
    {
        messages.clear();
        for (const char *name : RecordLabels)
            record(name)->setText(QStringLiteral("old"));
        w->lblOver->setText(QStringLiteral("old over"));
        w->txtActual->setText(QStringLiteral("0.05"));
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top != w && top != c)
                top->hide();
        }
        c->showForm();
        QVERIFY(QTest::qWaitForWindowActive(c));
    }

    void cleanup()
    {
        c->txtCustdia->clear();
        c->txtCustpitch->clear();
        // Clearing the checked option of a group needs the group lifted.
        for (QRadioButton *o : {c->opt55, c->opt60}) {
            o->setAutoExclusive(false);
            o->setChecked(false);
            o->setAutoExclusive(true);
        }
    }

    void firstShownEmptyWithNoAngle()
    {
        QVERIFY(c->txtCustdia->text().isEmpty());
        QVERIFY(c->txtCustpitch->text().isEmpty());
        QVERIFY(!c->opt55->isChecked());
        QVERIFY(!c->opt60->isChecked());
        QCOMPARE(c->windowTitle(), QStringLiteral("Custom"));
    }

    void optionsAreOneGroupClickableAcrossTheirWidth()
    {
        // A click in the blank right of the caption still selects.
        const QPoint farRight(c->opt60->width() - 3, c->opt60->height() / 2);
        QTest::mouseClick(c->opt60, Qt::LeftButton, {}, farRight);
        QVERIFY(c->opt60->isChecked());
        QTest::mouseClick(c->opt55, Qt::LeftButton, {}, c->opt55->rect().center());
        QVERIFY(c->opt55->isChecked());
        QVERIFY(!c->opt60->isChecked());
    }

    void tabOrder()
    {
        QTest::mouseClick(c->txtCustdia, Qt::LeftButton);
        // Each angle option is a stop of its own; labels take no focus.
        const QList<QWidget *> expected{c->txtCustpitch, c->opt55, c->opt60, c->cmdAppcust,
                                        c->cmdBackcust, c->txtCustdia};
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void helixAngle_data()
    {
        QTest::addColumn<double>("diameter");
        QTest::addColumn<double>("pitch");
        QTest::addColumn<double>("k");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("caption");

        // Worked by hand: E = D - k P, (P / E) x 1094.
        QTest::newRow("1/2 in, 12 TPI, 55: 204.12") << 0.5 << 1.0 / 12 << 0.6403 << 204 << " 3 ° 24 '";
        QTest::newRow("10 mm, pitch 1: 116.997") << 10.0 << 1.0 << 0.6493 << 117 << " 1 ° 57 '";
        QTest::newRow("1/4 in, 28 TPI, 60: 171.32") << 0.25 << 1.0 / 28 << 0.6134 << 171 << " 2 ° 51 '";
        QTest::newRow("negative E: -7797.6") << 0.1 << 0.2 << 0.6403 << -7798 << "-129 °-58 '";
        QTest::newRow("pitch 0") << 0.5 << 0.0 << 0.6403 << 0 << " 0 ° 0 '";
        // P / E = 0.25 and 0.75 exactly: 273.5 and 820.5 go to the even side.
        QTest::newRow("tie 273.5 up to even") << 4.5 << 1.0 << 0.5 << 274 << " 4 ° 34 '";
        QTest::newRow("tie 820.5 down to even") << 5.5 << 3.0 << 0.5 << 820 << " 13 ° 40 '";
        QTest::newRow("tie -273.5 to even") << -3.5 << 1.0 << 0.5 << -274 << "-4 °-34 '";
        // P / E = 59 / 1094 and -59 / 1094: under one degree.
        QTest::newRow("-59 minutes: zero degrees")
            << -1094.0 << 59.0 << 0.0 << -59 << " 0 °-59 '";
        QTest::newRow("whole degrees, negative") << 1094.0 << -120.0 << 0.0 << -120 << "-2 ° 0 '";
    }

    void helixAngle()
    {
        QFETCH(double, diameter);
        QFETCH(double, pitch);
        QFETCH(double, k);
        QFETCH(int, minutes);
        QFETCH(QString, caption);
        QCOMPARE(helixMinutes(diameter, pitch, k), minutes);
        QCOMPARE(helixCaption(minutes), caption);

        w->lblHangle->setText(QStringLiteral("old"));
        c->Helangle(diameter, pitch, k);
        QCOMPARE(w->lblHangle->text(), caption);
    }

    void helixAngleLimits_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("caption");
        QTest::newRow("largest") << 32767 << " 546 ° 7 '";
        QTest::newRow("smallest") << -32768 << "-546 °-8 '";
    }

    void helixAngleLimits()
    {
        QFETCH(int, minutes);
        QFETCH(QString, caption);
        QCOMPARE(helixCaption(minutes), caption);
    }

    void helixAngleFaults_data()
    {
        QTest::addColumn<double>("diameter");
        QTest::addColumn<double>("pitch");
        QTest::addColumn<double>("k");
        QTest::addColumn<int>("fault");

        const int byZero = int(rt::Fault::DivisionByZero);
        const int overflow = int(rt::Fault::Overflow);
        QTest::newRow("D and P both 0") << 0.0 << 0.0 << 0.6403 << byZero;
        QTest::newRow("metric D equal to k P") << 2.5972 << 4.0 << 0.6493 << byZero;
        QTest::newRow("E about 0.001: 547000 minutes") << 0.3077 << 0.5 << 0.6134 << overflow;
        QTest::newRow("quotient beyond the double range") << 1e-300 << 1e10 << 0.0 << overflow;
        QTest::newRow("large negative minute count") << -0.3077 << 0.5 << -0.6134 << overflow;
    }

    void helixAngleFaults()
    {
        QFETCH(double, diameter);
        QFETCH(double, pitch);
        QFETCH(double, k);
        QFETCH(int, fault);
        try {
            helixMinutes(diameter, pitch, k);
            QFAIL("no fault");
        } catch (const rt::ArithmeticFault &f) {
            QCOMPARE(int(f.kind()), fault);
        }
    }

    void computations_data()
    {
        QTest::addColumn<QString>("computation");
        QTest::addColumn<QString>("typed"); // diameter box text, shown by Custmet
        QTest::addColumn<double>("diameter");
        QTest::addColumn<double>("pitch");
        QTest::addColumn<QStringList>("expected"); // in RecordLabels order

        QTest::newRow("Custbsw 1/2 in 12 TPI")
            << "bsw" << "" << 0.5 << 1.0 / 12
            << QStringList{"Whitwoth Form", "0.500", "0.0534", "0.083", "55°", Inches,
                           " 3 ° 24 '", "0.0633", "0.0450", "0.0470"};
        QTest::newRow("Custbsw negative E")
            << "bsw" << "" << 0.1 << 0.2
            << QStringList{"Whitwoth Form", "0.100", "0.1281", "0.200", "55°", Inches,
                           "-129 °-58 '", "0.1520", "0.1080", "0.1128"};
        QTest::newRow("Custmet 10 mm pitch 1")
            << "met" << "10" << 10.0 << 1.0
            << QStringList{"Metric Thread", "10 mm", "0.649", "1.000", "60°", Millimetres,
                           " 1 ° 57 '", "0.9000", "0.5600", "0.5770"};
        QTest::newRow("Custmet keeps the typed places")
            << "met" << "3.50" << 3.5 << 0.6
            << QStringList{"Metric Thread", "3.50 mm", "0.390", "0.600", "60°", Millimetres,
                           " 3 ° 31 '", "0.5400", "0.3360", "0.3462"};
        QTest::newRow("Custun 1/4 in 28 TPI")
            << "un" << "" << 0.25 << 1.0 / 28
            << QStringList{"Unified Thread", "0.250", "0.022", "0.036", "60°", Inches,
                           " 2 ° 51 '", "0.0321", "0.0200", "0.0206"};
        QTest::newRow("Custun pitch 0")
            << "un" << "" << 0.5 << 0.0
            << QStringList{"Unified Thread", "0.500", "0.000", "0.000", "60°", Inches,
                           " 0 ° 0 '", "0.0000", "0.0000", "0.0000"};
    }

    void computations()
    {
        QFETCH(QString, computation);
        QFETCH(QString, typed);
        QFETCH(double, diameter);
        QFETCH(double, pitch);
        QFETCH(QStringList, expected);

        c->txtCustdia->setText(typed);
        const QString name = expected[0];
        if (computation == QLatin1String("bsw"))
            c->Custbsw(name, diameter, pitch);
        else if (computation == QLatin1String("met"))
            c->Custmet(name, diameter, pitch);
        else
            c->Custun(name, diameter, pitch);

        QCOMPARE(recordTexts(), expected);
        QCOMPARE(w->lblOver->text(), QStringLiteral("old over"));
        QCOMPARE(w->txtActual->text(), QStringLiteral("0.05"));
        QTRY_COMPARE(QApplication::focusWidget(), w->txtActual);
        QVERIFY(messages.isEmpty());
    }

    void applyChecks_data()
    {
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("pitch");
        QTest::addColumn<int>("angle");
        QTest::addColumn<QString>("message"); // title, or empty
        QTest::addColumn<QStringList>("shown"); // lblSelected, lblDia, lblPitch

        const QStringList untouched{"old", "old", "old"};
        QTest::newRow("both empty: diameter first") << "" << "" << 0 << "no Diameter" << untouched;
        QTest::newRow("diameter empty, pitch typed") << "" << "12" << 55 << "no Diameter" << untouched;
        QTest::newRow("pitch empty, even metric") << "10" << "" << 0 << "no Pitch" << untouched;
        QTest::newRow("inch without angle") << "0.5" << "12" << 0 << "no Angle" << untouched;
        QTest::newRow("exactly 2 is inch") << "2" << "12" << 0 << "no Angle" << untouched;
        QTest::newRow("2 with 55 degrees")
            << "2" << "12" << 55 << "" << QStringList{"Whitwoth Form", "2.000", "0.083"};
        QTest::newRow("2.01 is metric, no angle needed, pitch kept")
            << "2.01" << "1.5" << 0 << "" << QStringList{"Metric Thread", "2.01 mm", "1.500"};
        QTest::newRow("metric ignores the angle chosen")
            << "10" << "1" << 55 << "" << QStringList{"Metric Thread", "10 mm", "1.000"};
        QTest::newRow("blanks only: not empty, inch, reads 0")
            << "   " << "0.05" << 60 << "" << QStringList{"Unified Thread", "0.000", "0.050"};
        QTest::newRow("blanks only without angle") << "   " << "1" << 0 << "no Angle" << untouched;
        QTest::newRow("TPI 20 gives 0.05")
            << "0.5" << "20" << 60 << "" << QStringList{"Unified Thread", "0.500", "0.050"};
        QTest::newRow("just above 1 is TPI")
            << "1.5" << "1.25" << 60 << "" << QStringList{"Unified Thread", "1.500", "0.800"};
        QTest::newRow("negative entry is a pitch")
            << "0.5" << "-12" << 55 << "" << QStringList{"Whitwoth Form", "0.500", "-12.000"};
        QTest::newRow("letters read as pitch 0")
            << "0.5" << "abc" << 55 << "" << QStringList{"Whitwoth Form", "0.500", "0.000"};
        QTest::newRow("metric letters pitch 0")
            << "12" << "x" << 0 << "" << QStringList{"Metric Thread", "12 mm", "0.000"};
    }

    void applyChecks()
    {
        QFETCH(QString, diameter);
        QFETCH(QString, pitch);
        QFETCH(int, angle);
        QFETCH(QString, message);
        QFETCH(QStringList, shown);

        static const QHash<QString, QString> prompts{
            {"no Diameter", "A diameter has not been entered.\n"
                            "Please enter thread diameter and try again."},
            {"no Pitch", "A pitch or TPI has not been entered.\n"
                         "Please enter thread pitch or TPI and try Again."},
            {"no Angle", "A thread angle has not been entered.\n"
                         "Please enter a thread angle and try Again."},
        };

        apply(diameter, pitch, angle);
        if (message.isEmpty()) {
            QVERIFY(messages.isEmpty());
            QTRY_COMPARE(QApplication::focusWidget(), w->txtActual);
        } else {
            QCOMPARE(messages.size(), 1);
            QCOMPARE(messages[0].style, 48);
            QCOMPARE(messages[0].title, message);
            QCOMPARE(messages[0].prompt, prompts.value(message));
            QCOMPARE(recordTexts(), QStringList(int(std::size(RecordLabels)), QStringLiteral("old")));
            QCOMPARE(QApplication::activeWindow(), c);
        }
        QCOMPARE((QStringList{w->lblSelected->text(), w->lblDia->text(), w->lblPitch->text()}),
                 shown);
        // The entries stay as typed.
        QCOMPARE(c->txtCustdia->text(), diameter);
        QCOMPARE(c->txtCustpitch->text(), pitch);
    }

    void faults_data()
    {
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("pitch");
        QTest::addColumn<int>("angle");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("written"); // the first six captions

        const QStringList untouched(6, QStringLiteral("old"));
        QTest::newRow("D and P both 0")
            << "0" << "0" << 55 << "Division by zero: the calculation had to divide by a value that is 0.\nCheck that every value it needs is entered and is not 0."
            << QStringList{"Whitwoth Form", "0.000", "0.0000", "0.000", "55°", Inches};
        QTest::newRow("metric D equal to k P")
            << "2.5972" << "4" << 0 << "Division by zero: the calculation had to divide by a value that is 0.\nCheck that every value it needs is entered and is not 0."
            << QStringList{"Metric Thread", "2.5972 mm", "2.597", "4.000", "60°", Millimetres};
        QTest::newRow("minute count out of range")
            << "0.3077" << "0.5" << 60 << "Overflow: a number became too large to calculate with.\nCheck the values entered for a misplaced point, an extra digit or a large exponent."
            << QStringList{"Unified Thread", "0.308", "0.307", "0.500", "60°", Inches};
        QTest::newRow("typed diameter overflows") << "1e999" << "1" << 55 << "Overflow: a number became too large to calculate with.\nCheck the values entered for a misplaced point, an extra digit or a large exponent." << untouched;
        QTest::newRow("typed TPI overflows") << "1" << "1e999" << 55 << "Overflow: a number became too large to calculate with.\nCheck the values entered for a misplaced point, an extra digit or a large exponent." << untouched;
        QTest::newRow("typed metric pitch overflows") << "10" << "1e999" << 0 << "Overflow: a number became too large to calculate with.\nCheck the values entered for a misplaced point, an extra digit or a large exponent." << untouched;
    }

    void faults()
    {
        QFETCH(QString, diameter);
        QFETCH(QString, pitch);
        QFETCH(int, angle);
        QFETCH(QString, fault);
        QFETCH(QStringList, written);

        apply(diameter, pitch, angle);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].style, 16);
        QCOMPARE(messages[0].title, QStringLiteral("kervadin"));
        QCOMPARE(messages[0].prompt, fault);
        const QStringList texts = recordTexts();
        QCOMPARE(texts.mid(0, 6), written);
        QCOMPARE(texts.mid(6), QStringList(4, QStringLiteral("old")));
        QCOMPARE(QApplication::activeWindow(), c);
        QVERIFY(QApplication::focusWidget() != w->txtActual);

        // The windows go on working: a real thread applies and Calculate
        // reads it back ("10 mm" as 10): 10 - 1.5155 + 3 x 0.577.
        messages.clear();
        apply(QStringLiteral("10"), QStringLiteral("1"), 0);
        QCOMPARE(w->lblHangle->text(), QStringLiteral(" 1 ° 57 '"));
        QTRY_COMPARE(QApplication::focusWidget(), w->txtActual);
        typeInto(w->txtActual, QStringLiteral("0.577"));
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        QVERIFY(messages.isEmpty());
        QCOMPARE(w->lblOver->text(), QStringLiteral("10.2155"));
    }

    void backKeepsEntries()
    {
        apply(QStringLiteral("0.5"), QStringLiteral("12"), 60);
        c->showForm();
        QTest::mouseClick(c->cmdBackcust, Qt::LeftButton);
        QVERIFY(!c->isVisible());
        c->showForm();
        QCOMPARE(c->txtCustdia->text(), QStringLiteral("0.5"));
        QCOMPARE(c->txtCustpitch->text(), QStringLiteral("12"));
        QVERIFY(c->opt60->isChecked());
    }
};

QTEST_MAIN(TestKervadinCustom)
#include "tst_kervadin_custom.moc"
