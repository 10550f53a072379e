// Every text of every window fits its control, with the longest names and
// results the windows show. CTest runs this at scale factor 1 and 2.
#include "kervadinwindows.h"
#include "textfit.h"

using namespace kervadin;

class TestKervadinScale : public QObject {
    Q_OBJECT

    kervadinwindows::Session s;
    QWidget *w = nullptr;

private slots:
    void init()
    {
        s.begin();
        w = s.find("frmKervadin3");
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
        s.click("frmKervadin3.CtS");
        VERIFY_TEXTS_FIT(s.find("frmType"));

        s.click(s.find(QStringLiteral("frmType.") + chooserButton));
        QWidget *chosen = s.find(window);
        QVERIFY(chosen && chosen->isVisible());
        VERIFY_TEXTS_FIT(chosen);

        if (customEntry.isEmpty()) {
            auto *option = chosen->findChild<QRadioButton *>(size);
            QVERIFY(option);
            s.click(option);
            for (int i = 0; i < FamilyCount; ++i) {
                if (window == QLatin1String(familyWindow(static_cast<Family>(i)).window))
                    s.click(window + '.' + familyWindow(static_cast<Family>(i)).apply);
            }
        } else {
            s.type("frmCustom.txtCustdia", customEntry[0]);
            s.type("frmCustom.txtCustpitch", customEntry[1]);
            s.click("frmCustom." + customEntry[2]);
            VERIFY_TEXTS_FIT(chosen);
            s.click("frmCustom.cmdAppcust");
        }
        QVERIFY(s.messages.isEmpty());
        QVERIFY(!s.shown("lblSelected").isEmpty());

        // A result over the preferred wire, which always lies within the limits.
        s.calculate(s.shown("lblPref"));
        QVERIFY(s.messages.isEmpty());
        QVERIFY(!s.shown("lblOver").isEmpty());
        VERIFY_TEXTS_FIT(w);
    }

    // The check window with its longest texts: the widest thread line (a
    // custom metric thread), the note on typed limits, five readings, the
    // major diameter and an oversize verdict of both.
    void checkWindowFits()
    {
        s.applyCustom(QStringLiteral("18.345"), QStringLiteral("2.75"), 60);
        s.calculate(s.shown("lblMax"));
        s.click("frmKervadin3.cmdCheck");
        QWidget *check = s.find("frmCheck");
        QVERIFY(check->isVisible());
        s.type("frmCheck.txtPDmax", QStringLiteral("16.5555"));
        s.type("frmCheck.txtPDmin", QStringLiteral("16.4444"));
        for (int n = 1; n <= 5; ++n)
            s.type("frmCheck.txtReading" + QString::number(n), QStringLiteral("21.8888"));
        s.type("frmCheck.txtMajmax", QStringLiteral("18.3450"));
        s.type("frmCheck.txtMajmin", QStringLiteral("17.9999"));
        s.type("frmCheck.txtMajor", QStringLiteral("21.0888"));
        s.click("frmCheck.cmdEvaluate");
        QCOMPARE(s.messageLines(), QStringList());
        QVERIFY(s.find<QLabel>("frmCheck.lblVerdict")->text().startsWith(QStringLiteral("Oversize by ")));
        VERIFY_TEXTS_FIT(check);
    }
};

QTEST_MAIN(TestKervadinScale)
#include "tst_kervadin_scale.moc"
