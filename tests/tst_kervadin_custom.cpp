// The custom thread window: its option group, its keyboard order, APPLY's
// refusals with their messages, and its entries kept across BACK. The
// rules behind APPLY are tst_kervadin_rules'.
#include "kervadinwindows.h"

using namespace kervadin;

class TestKervadinCustom : public QObject {
    Q_OBJECT

    kervadinwindows::Session s;
    QRadioButton *opt55 = nullptr;
    QRadioButton *opt60 = nullptr;

    QString typed(const char *box) const
    {
        return s.find<QLineEdit>(QStringLiteral("frmCustom.") + box)->text();
    }

private slots:
    void init()
    {
        s.begin();
        QVERIFY(s.open("frmCustom"));
        opt55 = s.find<QRadioButton>("frmCustom.opt55");
        opt60 = s.find<QRadioButton>("frmCustom.opt60");
    }
    void cleanup() { s.end(); }

    void optionsAreOneGroupClickableAcrossTheirWidth()
    {
        QVERIFY(!opt55->isChecked() && !opt60->isChecked());
        // A click in the blank right of the caption still selects.
        QTest::mouseClick(opt60, Qt::LeftButton, {}, QPoint(opt60->width() - 3, opt60->height() / 2));
        QVERIFY(opt60->isChecked());
        s.click(opt55);
        QVERIFY(opt55->isChecked());
        QVERIFY(!opt60->isChecked());
        // The unit is a choice of its own; 29° is one more angle.
        s.click(s.find<QRadioButton>("frmCustom.optMM"));
        s.click(s.find<QRadioButton>("frmCustom.opt29"));
        QVERIFY(s.find<QRadioButton>("frmCustom.optMM")->isChecked() && !opt55->isChecked());
    }

    // Each angle option is a stop of its own; labels take no focus.
    void tabOrder()
    {
        QStringList seen{s.focusName()};
        for (int i = 0; i < 10; ++i) {
            s.key(Qt::Key_Tab);
            seen << s.focusName();
        }
        // The lead screws' angles and the unit come after the stops of old.
        QCOMPARE(seen, (QStringList{"txtCustdia", "txtCustpitch", "opt55", "opt60", "cmdAppcust",
                                    "cmdBackcust", "opt29", "opt30", "optInch", "optMM",
                                    "txtCustdia"}));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("pitch");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("no diameter") << "" << "12" << "no Diameter"
                                     << "A diameter has not been entered.\n"
                                        "Please enter thread diameter and try again.";
        QTest::newRow("no pitch") << "0.5" << "" << "no Pitch"
                                  << "A pitch or TPI has not been entered.\n"
                                     "Please enter thread pitch or TPI and try Again.";
        QTest::newRow("no angle") << "0.5" << "12" << "no Angle"
                                  << "A thread angle has not been entered.\n"
                                     "Please enter a thread angle and try Again.";
    }

    // A refused APPLY shows its message and changes nothing; the entries
    // stay as typed.
    void refusals()
    {
        QFETCH(QString, diameter);
        QFETCH(QString, pitch);
        s.type("frmCustom.txtCustdia", diameter);
        s.type("frmCustom.txtCustpitch", pitch);
        const QStringList before = s.snapshotBeforeClick(s.find("frmCustom.cmdAppcust"));
        s.click("frmCustom.cmdAppcust");
        QCOMPARE(s.messages.size(), 1);
        QCOMPARE(s.messages[0].style, int(rt::MessageStyle::Exclamation));
        QTEST(s.messages[0].title, "title");
        QTEST(s.messages[0].prompt, "prompt");
        QCOMPARE(s.snapshot(), before);
        QVERIFY(!s->state().thread());
    }

    // APPLY writes the record and brings the measurement window forward
    // with the focus in the wire box; the custom window stays open.
    void applyWritesTheRecord()
    {
        s.type("frmCustom.txtCustdia", QStringLiteral("0.5"));
        s.type("frmCustom.txtCustpitch", QStringLiteral("12"));
        s.click(opt60);
        s.click("frmCustom.cmdAppcust");
        QVERIFY(s.messages.isEmpty());
        QCOMPARE(s.find<QLabel>("frmKervadin3.lblSelected")->text(), QStringLiteral("Unified Thread"));
        QTRY_COMPARE(s.activeName(), QStringLiteral("frmKervadin3"));
        QCOMPARE(s.focusName(), QStringLiteral("txtActual"));
        QVERIFY(s.find("frmCustom")->isVisible());
        // The state holds the entries as typed and the exact pitch.
        const Thread &thread = *s->state().thread();
        QCOMPARE(thread.customEntries().pitchText, std::string("12"));
        QCOMPARE(thread.pitch(), 1.0 / 12);
        QCOMPARE(thread.unit(), Unit::Inch);
    }

    // A unit chosen is obeyed: M1.6 × 0.35 and 2 1/4-12 UN are entered as
    // they are; with none the diameter decides, as before; the lead screws'
    // angles give their forms.
    void unitsAndFormsChosen_data()
    {
        QTest::addColumn<QStringList>("entries"); // diameter, pitch, angle, unit option
        QTest::addColumn<QString>("record");      // selected, diameter, pitch, angle, preferred wire
        QTest::newRow("M1.6 × 0.35") << QStringList{"1.6", "0.35", "", "optMM"} << "Metric Thread|1.6 mm|0.350|60°|0.2020";
        QTest::newRow("2 1/4-12 UN") << QStringList{"2.25", "12", "opt60", "optInch"} << "Unified Thread|2.250|0.083|60°|0.0481";
        QTest::newRow("no unit: 2.25 is millimetres") << QStringList{"2.25", "12", "opt60", ""} << "Metric Thread|2.25 mm|12.000|60°|6.9240";
        QTest::newRow("Tr 20×4") << QStringList{"20", "4", "opt30", ""} << "Trapezoidal Thread|20 mm|4.000|30°|2.0706";
        QTest::newRow("1-5 Acme") << QStringList{"1", "5", "opt29", ""} << "Acme Thread|1.0000|0.2000|29°|0.1033";
        QTest::newRow("55° in millimetres") << QStringList{"10", "1.5", "opt55", "optMM"} << "Whitwoth Form|10 mm|1.500|55°|0.8460";
    }

    void unitsAndFormsChosen()
    {
        QFETCH(QStringList, entries);
        s.type("frmCustom.txtCustdia", entries[0]);
        s.type("frmCustom.txtCustpitch", entries[1]);
        for (const QString &option : entries.mid(2)) {
            if (!option.isEmpty())
                s.click("frmCustom." + option);
        }
        s.click("frmCustom.cmdAppcust");
        QStringList shown;
        for (const char *label : {"lblSelected", "lblDia", "lblPitch", "lblTangle", "lblPref"})
            shown << s.find<QLabel>(QStringLiteral("frmKervadin3.") + label)->text();
        QTEST(shown.join('|'), "record");
    }

    void backKeepsEntries()
    {
        s.type("frmCustom.txtCustdia", QStringLiteral("0.5"));
        s.type("frmCustom.txtCustpitch", QStringLiteral("12"));
        s.click(opt60);
        s.click("frmCustom.cmdBackcust");
        QCOMPARE(s.shownWindows(), (QStringList{"frmKervadin3", "frmType"}));
        s.click("frmType.cmdCustom");
        QCOMPARE(typed("txtCustdia"), QStringLiteral("0.5"));
        QCOMPARE(typed("txtCustpitch"), QStringLiteral("12"));
        QVERIFY(opt60->isChecked());
    }
};

QTEST_MAIN(TestKervadinCustom)
#include "tst_kervadin_custom.moc"
