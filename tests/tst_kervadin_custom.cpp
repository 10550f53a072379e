// The custom thread window: its option group, its keyboard order, APPLY's
// refusals with their messages, and its entries kept across BACK. The
// rules behind APPLY are tst_kervadin_rules'.
#include "kervadin/ui/frmcustom.h"
#include "kervadin/ui/frmkervadin3.h"
#include "kervadin/ui/frmtype.h"
#include "kervadin/ui/kervadin.h"
#include "runtime/controls.h"
#include "windowtest.h"

using namespace kervadin;

class TestKervadinCustom : public QObject {
    Q_OBJECT

    windowtest::Session<Kervadin> s;
    FrmCustom *c = nullptr;

private slots:
    void init()
    {
        s.begin();
        s.click(s->frmKervadin3()->CtS);
        s.click(s->frmType()->cmdCustom);
        c = s->frmCustom();
        QVERIFY(QTest::qWaitForWindowActive(c));
    }
    void cleanup() { s.end(); }

    void optionsAreOneGroupClickableAcrossTheirWidth()
    {
        QVERIFY(!c->opt55->isChecked() && !c->opt60->isChecked());
        // A click in the blank right of the caption still selects.
        QTest::mouseClick(c->opt60, Qt::LeftButton, {},
                          QPoint(c->opt60->width() - 3, c->opt60->height() / 2));
        QVERIFY(c->opt60->isChecked());
        s.click(c->opt55);
        QVERIFY(c->opt55->isChecked());
        QVERIFY(!c->opt60->isChecked());
    }

    // Each angle option is a stop of its own; labels take no focus.
    void tabOrder()
    {
        QStringList seen{s.focusName()};
        for (int i = 0; i < 6; ++i) {
            s.key(Qt::Key_Tab);
            seen << s.focusName();
        }
        QCOMPARE(seen, (QStringList{"txtCustdia", "txtCustpitch", "opt55", "opt60", "cmdAppcust",
                                    "cmdBackcust", "txtCustdia"}));
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
        s.type(c->txtCustdia, diameter);
        s.type(c->txtCustpitch, pitch);
        const QStringList before = s.snapshotBeforeClick(c->cmdAppcust);
        s.click(c->cmdAppcust);
        QCOMPARE(s.messages.size(), 1);
        QCOMPARE(s.messages[0].style, int(rt::Exclamation));
        QTEST(s.messages[0].title, "title");
        QTEST(s.messages[0].prompt, "prompt");
        QCOMPARE(s.snapshot(), before);
    }

    // APPLY writes the record and brings the measurement window forward
    // with the focus in the wire box; the custom window stays open.
    void applyWritesTheRecord()
    {
        s.type(c->txtCustdia, QStringLiteral("0.5"));
        s.type(c->txtCustpitch, QStringLiteral("12"));
        s.click(c->opt60);
        s.click(c->cmdAppcust);
        QVERIFY(s.messages.isEmpty());
        QCOMPARE(s->frmKervadin3()->lblSelected->text(), QStringLiteral("Unified Thread"));
        QTRY_COMPARE(s.activeName(), QStringLiteral("frmKervadin3"));
        QCOMPARE(s.focusName(), QStringLiteral("txtActual"));
        QVERIFY(c->isVisible());
    }

    void backKeepsEntries()
    {
        s.type(c->txtCustdia, QStringLiteral("0.5"));
        s.type(c->txtCustpitch, QStringLiteral("12"));
        s.click(c->opt60);
        s.click(c->cmdBackcust);
        QCOMPARE(s.shownWindows(), (QStringList{"frmKervadin3", "frmType"}));
        s.click(s->frmType()->cmdCustom);
        QCOMPARE(c->txtCustdia->text(), QStringLiteral("0.5"));
        QCOMPARE(c->txtCustpitch->text(), QStringLiteral("12"));
        QVERIFY(c->opt60->isChecked());
    }
};

QTEST_MAIN(TestKervadinCustom)
#include "tst_kervadin_custom.moc"
