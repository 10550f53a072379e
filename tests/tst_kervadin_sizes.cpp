// The six size windows through real clicks: APPLY with nothing chosen, the
// record of the chosen size written in the right fields, the keyboard
// order, and the choice kept across BACK. The records themselves are
// tst_kervadin_rules'.
#include "kervadin/ui/frmkervadin3.h"
#include "kervadin/ui/frmtype.h"
#include "kervadin/ui/kervadin.h"
#include "kervadin/ui/sizewindow.h"
#include "runtime/controls.h"
#include "windowtest.h"

using namespace kervadin;

Q_DECLARE_METATYPE(kervadin::Family)

class TestKervadinSizes : public QObject {
    Q_OBJECT

    windowtest::Session<Kervadin> s;

    // Select on the measurement window, then the family's button of the
    // chooser, as a person opens a size window.
    SizeWindow *open(Family family)
    {
        s.click(s->frmKervadin3()->CtS);
        s.click(s->frmType()->familyButton(family));
        SizeWindow *sizes = s->sizeWindow(family);
        return QTest::qWaitForWindowActive(sizes) ? sizes : nullptr;
    }

    static QStringList checked(const SizeWindow *sizes)
    {
        QStringList names;
        for (QRadioButton *option : sizes->options) {
            if (option->isChecked())
                names << option->objectName();
        }
        return names;
    }

    QStringList record() const
    {
        FrmKervadin3 *m = s->frmKervadin3();
        QStringList texts;
        for (QLabel *l : {m->lblSelected, m->lblDia, m->lblDoT, m->lblPitch, m->lblTangle,
                          m->lblMillinches, m->lblHangle, m->lblMax, m->lblMin, m->lblPref})
            texts << l->text();
        return texts;
    }

    static void everyFamily()
    {
        QTest::addColumn<Family>("family");
        for (int i = 0; i < FamilyCount; ++i)
            QTest::newRow(familyRows()[i].window) << familyRows()[i].family;
    }

private slots:
    void init() { s.begin(); }
    void cleanup() { s.end(); }

    void applyWithNothingChosen_data() { everyFamily(); }

    // Nothing is selected at first, the focus is on the first size, and
    // APPLY then changes nothing at all.
    void applyWithNothingChosen()
    {
        QFETCH(Family, family);
        SizeWindow *sizes = open(family);
        QVERIFY(sizes);
        QCOMPARE(checked(sizes), QStringList());
        QCOMPARE(s.focusName(), QString::fromLatin1(familyRow(family).sizes[0].option));
        const QStringList before = s.snapshotBeforeClick(sizes->cmdApply);
        s.click(sizes->cmdApply);
        QCOMPARE(s.snapshot(), before);
        QVERIFY(s.messages.isEmpty());
    }

    void applyWritesTheChosenSize_data() { everyFamily(); }

    // The last size of each family: its record in the measurement window's
    // fields, which comes to the front with the focus in the wire box; the
    // size window stays open with its choice; the wire typed and the result
    // stay as they were.
    void applyWritesTheChosenSize()
    {
        QFETCH(Family, family);
        const FamilyRow &row = familyRow(family);
        const StandardSize &size = row.sizes[row.sizeCount - 1];
        const ThreadRecord r = standardRecord(row, size);
        FrmKervadin3 *m = s->frmKervadin3();
        SizeWindow *sizes = open(family);
        QVERIFY(sizes);
        m->txtActual->setText(QStringLiteral("0.02"));
        m->lblOver->setText(QStringLiteral("9.9999"));

        s.click(sizes->options.last());
        s.click(sizes->cmdApply);
        QCOMPARE(record(), (QStringList{QString::fromStdString(r.name),
                                        QString::fromStdString(r.diameter),
                                        QString::fromStdString(r.depth),
                                        QString::fromStdString(r.pitch),
                                        QString::fromStdString(r.angle),
                                        QString::fromStdString(r.units),
                                        QString::fromStdString(r.helix),
                                        QString::fromStdString(r.maximum),
                                        QString::fromStdString(r.minimum),
                                        QString::fromStdString(r.preferred)}));
        QCOMPARE(record().first(), QString::fromUtf8(size.name));
        QCOMPARE(m->txtActual->text(), QStringLiteral("0.02"));
        QCOMPARE(m->lblOver->text(), QStringLiteral("9.9999"));
        QVERIFY(s.messages.isEmpty());
        QTRY_COMPARE(s.activeName(), QStringLiteral("frmKervadin3"));
        QCOMPARE(s.focusName(), QStringLiteral("txtActual"));
        QVERIFY(sizes->isVisible());
        QCOMPARE(checked(sizes), QStringList{sizes->options.last()->objectName()});
    }

    void tabOrder_data()
    {
        QTest::addColumn<Family>("family");
        QTest::addColumn<QStringList>("order");
        auto rowByRow = [](Family family, const QString &prefix, const QString &first,
                           const QString &apply, const QString &back) {
            QStringList order{first};
            for (int i = 2; i <= 10; ++i)
                order << prefix + QString::number(i);
            QTest::newRow(familyRow(family).window) << family << (order << apply << back);
        };
        rowByRow(Family::BSF, "optBSF", "optBSF1", "cmdAppBSF", "cmdBackBSF");
        rowByRow(Family::Whitworth, "optWhit", "optWhit1", "cmdAppWhit", "cmdBackwhit");
        rowByRow(Family::UNC, "optUNC", "optUnc1", "cmdAppUNC", "cmdBackUNC");
        rowByRow(Family::UNF, "optUNF", "optUNF1", "cmdAppUNF", "cmdBackUNF");
        rowByRow(Family::BA, "optBA", "optBA1", "cmdAppBA", "cmdBackBA");
        QTest::newRow("frmMetsize, down each column")
            << Family::Metric
            << QStringList{"optMet1",  "optMet5", "optMet9",  "optMet2",  "optMet6",
                           "optMet10", "optMet3", "optMet7",  "optMet11", "optMet4",
                           "optMet8",  "optMet12", "btnAppmet", "cmdBackmet"};
    }

    // Tab walks every size and then the two buttons, and back to the first
    // size; moving the focus selects nothing.
    void tabOrder()
    {
        QFETCH(Family, family);
        QFETCH(QStringList, order);
        SizeWindow *sizes = open(family);
        QVERIFY(sizes);
        QStringList seen;
        for (int i = 0; i < order.size(); ++i) {
            seen << s.focusName();
            s.key(Qt::Key_Tab);
        }
        QCOMPARE(seen, order);
        QCOMPARE(s.focusName(), order.first());
        QCOMPARE(checked(sizes), QStringList());
    }

    // BACK hides the window but keeps its choice; APPLY applies it again,
    // also after another family was applied in between.
    void selectionKeptAcrossBack()
    {
        SizeWindow *unc = open(Family::UNC);
        s.click(unc->options.at(6));
        s.click(unc->cmdBack);
        QCOMPARE(s.shownWindows(), (QStringList{"frmKervadin3", "frmType"}));

        SizeWindow *ba = open(Family::BA);
        s.click(ba->options.at(0));
        s.click(ba->cmdApply);
        QCOMPARE(s->frmKervadin3()->lblSelected->text(), QStringLiteral("0 BA"));
        s.click(ba->cmdBack);

        s.click(s->frmType()->familyButton(Family::UNC));
        QCOMPARE(checked(unc), QStringList{"optUNC7"});
        s.click(unc->cmdApply);
        QCOMPARE(s->frmKervadin3()->lblSelected->text(), QStringLiteral("5/8 U.N.C."));
    }

    // One size at most: a second choice clears the first, and APPLY takes it.
    // A click anywhere on an option's area chooses it, also beside its caption.
    void secondChoiceReplacesFirst()
    {
        SizeWindow *metric = open(Family::Metric);
        s.click(metric->options.at(2));
        QRadioButton *eighteen = metric->options.at(10);
        QVERIFY(eighteen->fontMetrics().horizontalAdvance(eighteen->text()) + 30
                < eighteen->width());
        QTest::mouseClick(eighteen, Qt::LeftButton, {},
                          QPoint(eighteen->width() - 2, eighteen->height() / 2));
        QCOMPARE(checked(metric), QStringList{"optMet11"});
        s.click(metric->cmdApply);
        QCOMPARE(s->frmKervadin3()->lblSelected->text(), QStringLiteral("18 mm"));
    }

    // Applying again rewrites the record but leaves the wire typed and the
    // dimension worked out for the first size.
    void applyingTwiceOverwrites()
    {
        FrmKervadin3 *m = s->frmKervadin3();
        SizeWindow *bsf = open(Family::BSF);
        s.click(bsf->options.at(1));
        s.click(bsf->cmdApply);
        s.type(m->txtActual, QStringLiteral("0.0256"));
        s.click(m->cmdCalc);
        // 0.3125 - 1.6008 x 0.0454 + 3.1657 x 0.0256 = 0.3208656
        QCOMPARE(m->lblOver->text(), QStringLiteral("0.3209"));

        s.click(bsf->options.at(4));
        s.click(bsf->cmdApply);
        QCOMPARE(m->lblSelected->text(), QStringLiteral("1/2 B.S.F."));
        QCOMPARE(m->lblOver->text(), QStringLiteral("0.3209"));
        QCOMPARE(m->txtActual->text(), QStringLiteral("0.0256"));
        QVERIFY(s.messages.isEmpty());
    }
};

QTEST_MAIN(TestKervadinSizes)
#include "tst_kervadin_sizes.moc"
