// Every text of every window fits its control, with the longest names and
// results the windows show. CTest runs this at scale factor 1 and 2.
#include "kervadin/ui/frmcheck.h"
#include "kervadin/ui/frmcustom.h"
#include "kervadin/ui/frmkervadin3.h"
#include "kervadin/ui/frmtype.h"
#include "kervadin/ui/kervadin.h"
#include "kervadin/ui/sizewindow.h"
#include "runtime/controls.h"
#include "textfit.h"
#include "windowtest.h"

using namespace kervadin;

class TestKervadinScale : public QObject {
    Q_OBJECT

    windowtest::Session<Kervadin> s;
    FrmKervadin3 *w = nullptr;

private slots:
    void init()
    {
        s.begin();
        w = s->frmKervadin3();
    }
    void cleanup() { s.end(); }

    void emptyMainWindowFits()
    {
        VERIFY_TEXTS_FIT(w);
    }

    void textsFit_data()
    {
        QTest::addColumn<QString>("chooserButton");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("size");           // option to apply, or empty
        QTest::addColumn<QStringList>("customEntry"); // diameter, pitch, angle option

        // The longest designations, the widest metric size, the custom
        // threads and the widest helix caption.
        QTest::newRow("1 inch U.N.C.") << "cmdUNC" << "frmUNCsize" << "optUNC10" << QStringList();
        QTest::newRow("1 inch B.S.F.") << "cmdBSF" << "frmBSFsize" << "optBSF10" << QStringList();
        QTest::newRow("7/16 B.S.W.") << "cmdWhit" << "frmWhitsize" << "optWhit4" << QStringList();
        QTest::newRow("1 inch U.N.F.") << "cmdUNF" << "frmUNFsize" << "optUNF10" << QStringList();
        QTest::newRow("10 BA") << "cmdBA" << "frmBAsize" << "optBA10" << QStringList();
        QTest::newRow("20 mm") << "cmdMetric" << "frmMetsize" << "optMet12" << QStringList();
        QTest::newRow("Unified Thread") << "cmdCustom" << "frmCustom" << ""
                                        << QStringList{"0.25", "28", "opt60"};
        QTest::newRow("Metric Thread") << "cmdCustom" << "frmCustom" << ""
                                       << QStringList{"12.345", "1.75", "opt60"};
        QTest::newRow("Whitwoth Form, negative helix") << "cmdCustom" << "frmCustom" << ""
                                                       << QStringList{"0.1", "0.2", "opt55"};
    }

    void textsFit()
    {
        QFETCH(QString, chooserButton);
        QFETCH(QString, window);
        QFETCH(QString, size);
        QFETCH(QStringList, customEntry);
        s.click(w->CtS);
        VERIFY_TEXTS_FIT(s->frmType());

        s.click(s.find(QStringLiteral("frmType.") + chooserButton));
        QWidget *chosen = s.find(window);
        QVERIFY(chosen && chosen->isVisible());
        VERIFY_TEXTS_FIT(chosen);

        if (customEntry.isEmpty()) {
            auto *option = chosen->findChild<QRadioButton *>(size);
            QVERIFY(option);
            s.click(option);
            s.click(static_cast<SizeWindow *>(chosen)->cmdApply);
        } else {
            FrmCustom *custom = s->frmCustom();
            s.type(custom->txtCustdia, customEntry[0]);
            s.type(custom->txtCustpitch, customEntry[1]);
            s.click(custom->findChild<QRadioButton *>(customEntry[2]));
            VERIFY_TEXTS_FIT(custom);
            s.click(custom->cmdAppcust);
        }
        QVERIFY(s.messages.isEmpty());
        QVERIFY(!w->lblSelected->text().isEmpty());

        // A result over the preferred wire, which always lies within the limits.
        s.type(w->txtActual, w->lblPref->text());
        s.click(w->cmdCalc);
        QVERIFY(s.messages.isEmpty());
        QVERIFY(!w->lblOver->text().isEmpty());
        VERIFY_TEXTS_FIT(w);
    }

    // The check window with its longest texts: the widest thread line (a
    // custom metric thread), the note on typed limits, five readings and
    // an oversize verdict.
    void checkWindowFits()
    {
        s.click(w->CtS);
        s.click(s->frmType()->cmdCustom);
        FrmCustom *custom = s->frmCustom();
        s.type(custom->txtCustdia, QStringLiteral("18.345"));
        s.type(custom->txtCustpitch, QStringLiteral("2.75"));
        s.click(custom->opt60);
        s.click(custom->cmdAppcust);
        s.type(w->txtActual, w->lblMax->text());
        s.click(w->cmdCalc);
        s.click(w->cmdCheck);
        FrmCheck *check = s->frmCheck();
        QVERIFY(check->isVisible());
        s.type(check->txtPDmax, QStringLiteral("16.5555"));
        s.type(check->txtPDmin, QStringLiteral("16.4444"));
        for (QLineEdit *box : check->txtReading)
            s.type(box, QStringLiteral("21.8888"));
        s.click(check->cmdEvaluate);
        QCOMPARE(s.messageLines(), QStringList());
        QVERIFY(check->lblVerdict->text().startsWith(QStringLiteral("Oversize by ")));
        VERIFY_TEXTS_FIT(check);
    }
};

QTEST_MAIN(TestKervadinScale)
#include "tst_kervadin_scale.moc"
