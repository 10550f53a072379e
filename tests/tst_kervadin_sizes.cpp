// The six size windows through real clicks: APPLY with nothing chosen, the
// record of the chosen size written in the right fields, the keyboard
// order, and the choice kept across BACK. The records themselves are
// tst_kervadin_rules'.
#include "kervadinwindows.h"

using namespace kervadin;

Q_DECLARE_METATYPE(kervadin::Family)

class TestKervadinSizes : public QObject {
    Q_OBJECT

    kervadinwindows::Session s;

    // A control of a family's size window: a size by its place, or APPLY
    // (-1) or BACK (-2).
    QAbstractButton *button(Family family, int size) const
    {
        const FamilyWindow &row = familyWindow(family);
        const char *name = size == -1 ? row.apply : size == -2 ? row.back : row.options[size];
        return s.find<QAbstractButton>(QString::fromLatin1(row.window) + QLatin1Char('.') + name);
    }

    QStringList checked(Family family) const
    {
        QStringList names;
        for (int i = 0; i < familyRow(family).sizeCount; ++i) {
            if (button(family, i)->isChecked())
                names << button(family, i)->objectName();
        }
        return names;
    }

    QStringList record() const
    {
        QStringList texts;
        for (const char *label : {"lblSelected", "lblDia", "lblDoT", "lblPitch", "lblTangle",
                                  "lblMillinches", "lblHangle", "lblMax", "lblMin", "lblPref"})
            texts << s.shown(label);
        return texts;
    }

    static void everyFamily()
    {
        QTest::addColumn<Family>("family");
        for (int i = 0; i < FamilyCount; ++i)
            QTest::newRow(familyWindow(static_cast<Family>(i)).window) << static_cast<Family>(i);
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
        QVERIFY(s.open(family));
        QCOMPARE(checked(family), QStringList());
        QCOMPARE(s.focusName(), QString::fromLatin1(familyWindow(family).options[0]));
        const QStringList before = s.snapshotBeforeClick(button(family, -1));
        s.click(button(family, -1));
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
        QWidget *sizes = s.open(family);
        QVERIFY(sizes);
        s.find<QLineEdit>("frmKervadin3.txtActual")->setText(QStringLiteral("0.02"));
        s.find<QLabel>("frmKervadin3.lblOver")->setText(QStringLiteral("9.9999"));

        s.click(button(family, row.sizeCount - 1));
        s.click(button(family, -1));
        QCOMPARE(record(), (QStringList{QString::fromStdString(r.name),
                                        QString::fromStdString(r.diameter),
                                        QString::fromStdString(r.depth),
                                        QString::fromStdString(r.pitch),
                                        QString::fromStdString(r.angle),
                                        "Dimensions\nin\n" + QString(unitName(r.unit)) + '.',
                                        QString::fromStdString(r.helix),
                                        QString::fromStdString(r.maximum),
                                        QString::fromStdString(r.minimum),
                                        QString::fromStdString(r.preferred)}));
        QCOMPARE(record().first(), QString::fromUtf8(size.name));
        QCOMPARE(s.shown("txtActual"), QStringLiteral("0.02"));
        QCOMPARE(s.shown("lblOver"), QStringLiteral("9.9999"));
        QVERIFY(s.messages.isEmpty());
        QTRY_COMPARE(s.activeName(), QStringLiteral("frmKervadin3"));
        QCOMPARE(s.focusName(), QStringLiteral("txtActual"));
        QVERIFY(sizes->isVisible());
        QCOMPARE(checked(family), QStringList{familyWindow(family).options[row.sizeCount - 1]});
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
            QTest::newRow(familyWindow(family).window) << family << (order << apply << back);
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
        QTest::newRow("frmUNEFsize, thirteen sizes down each column")
            << Family::UNEF
            << QStringList{"optUNEF1", "optUNEF5", "optUNEF9",  "optUNEF13", "optUNEF2",
                           "optUNEF6", "optUNEF10", "optUNEF3", "optUNEF7",  "optUNEF11",
                           "optUNEF4", "optUNEF8", "optUNEF12", "cmdAppUNEF", "cmdBackUNEF"};
    }

    // Tab walks every size and then the two buttons, and back to the first
    // size; moving the focus selects nothing.
    void tabOrder()
    {
        QFETCH(Family, family);
        QFETCH(QStringList, order);
        QVERIFY(s.open(family));
        QStringList seen;
        for (int i = 0; i < order.size(); ++i) {
            seen << s.focusName();
            s.key(Qt::Key_Tab);
        }
        QCOMPARE(seen, order);
        QCOMPARE(s.focusName(), order.first());
        QCOMPARE(checked(family), QStringList());
    }

    // BACK hides the window but keeps its choice; APPLY applies it again,
    // also after another family was applied in between.
    void selectionKeptAcrossBack()
    {
        s.open(Family::UNC);
        s.click(button(Family::UNC, 6));
        s.click(button(Family::UNC, -2));
        QCOMPARE(s.shownWindows(), (QStringList{"frmKervadin3", "frmType"}));

        s.open(Family::BA);
        s.click(button(Family::BA, 0));
        s.click(button(Family::BA, -1));
        QCOMPARE(s.shown("lblSelected"), QStringLiteral("0 BA"));
        s.click(button(Family::BA, -2));

        s.click("frmType.cmdUNC");
        QCOMPARE(checked(Family::UNC), QStringList{"optUNC7"});
        s.click(button(Family::UNC, -1));
        QCOMPARE(s.shown("lblSelected"), QStringLiteral("5/8 U.N.C."));
    }

    // One size at most: a second choice clears the first, and APPLY takes it.
    // A click anywhere on an option's area chooses it, also beside its caption.
    void secondChoiceReplacesFirst()
    {
        s.open(Family::Metric);
        s.click(button(Family::Metric, 2));
        QAbstractButton *eighteen = button(Family::Metric, 10);
        QVERIFY(eighteen->fontMetrics().horizontalAdvance(eighteen->text()) + 30
                < eighteen->width());
        QTest::mouseClick(eighteen, Qt::LeftButton, {},
                          QPoint(eighteen->width() - 2, eighteen->height() / 2));
        QCOMPARE(checked(Family::Metric), QStringList{"optMet11"});
        s.click(button(Family::Metric, -1));
        QCOMPARE(s.shown("lblSelected"), QStringLiteral("18 mm"));
    }

    // Applying again rewrites the record but leaves the wire typed and the
    // dimension worked out for the first size.
    void applyingTwiceOverwrites()
    {
        s.open(Family::BSF);
        s.click(button(Family::BSF, 1));
        s.click(button(Family::BSF, -1));
        s.calculate(QStringLiteral("0.0256"));
        // 0.3125 - 1.6008 x 0.0454 + 3.1657 x 0.0256 = 0.3208656
        QCOMPARE(s.shown("lblOver"), QStringLiteral("0.3209"));

        s.click(button(Family::BSF, 4));
        s.click(button(Family::BSF, -1));
        QCOMPARE(s.shown("lblSelected"), QStringLiteral("1/2 B.S.F."));
        QCOMPARE(s.shown("lblOver"), QStringLiteral("0.3209"));
        QCOMPARE(s.shown("txtActual"), QStringLiteral("0.0256"));
        QVERIFY(s.messages.isEmpty());
    }
};

QTEST_MAIN(TestKervadinSizes)
#include "tst_kervadin_sizes.moc"
