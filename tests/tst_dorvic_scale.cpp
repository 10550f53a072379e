// Every text of the triangle window fits its control, empty and with solved
// triangles whose results are as wide as the boxes were drawn for. CTest
// runs this at scale factor 1 and 2.
#include "dorvic/ui/dorvic.h"
#include "dorvic/ui/frmtriangleright.h"
#include "textfit.h"
#include "windowtest.h"

class TestDorvicScale : public QObject {
    Q_OBJECT

    windowtest::Session<dorvic::Dorvic> s;
    dorvic::FrmTriangleRight *w = nullptr;

    QLineEdit *box(const char *name) const
    {
        return s.find<QLineEdit>(QStringLiteral("frmTriangleRight.") + QLatin1String(name));
    }

private slots:
    void init()
    {
        s.begin();
        w = s->frmTriangleRight();
    }
    void cleanup() { s.end(); }

    void emptyWindowFits()
    {
        VERIFY_TEXTS_FIT(w);
    }

    void solvedTriangleFits_data()
    {
        QTest::addColumn<QStringList>("given"); // a, b, c, B, C; empty: not given
        QTest::addColumn<QStringList>("shown"); // a, b, c, B, C, area afterwards

        // Worked out with pi as 3.141593, 15 significant digits, then half
        // away from zero to the pattern's places.
        QTest::newRow("a 5, b 3: everyday angles")
            << QStringList{"5", "3", "", "", ""}
            << QStringList{"5", "3", "4.", "36.87", "53.13", "6."};
        QTest::newRow("b and c: every box as wide as its pattern")
            << QStringList{"", "456.789", "543.219", "", ""}
            << QStringList{"709.749", "456.789", "543.219", "40.06", "49.94", "124068.232"};
        QTest::newRow("a and B: three-place legs")
            << QStringList{"888.888", "", "", "11.11", ""}
            << QStringList{"888.888", "171.283", "872.229", "11.11", "78.89", "74699."};
    }

    void solvedTriangleFits()
    {
        QFETCH(QStringList, given);
        QFETCH(QStringList, shown);
        const char *const names[] = {"txtRightSidea", "txtRightSideb", "txtRightSidec",
                                     "txtRightAngleB", "txtRightAngleC", "txtRightArea"};
        for (int i = 0; i < 5; ++i) {
            if (!given[i].isEmpty())
                s.type(box(names[i]), given[i]);
        }
        s.click(QStringLiteral("frmTriangleRight.cmdRightCalculate"));
        QVERIFY(s.messages.isEmpty());
        QStringList texts;
        for (const char *name : names)
            texts << box(name)->text();
        QCOMPARE(texts, shown);
        VERIFY_TEXTS_FIT(w);
    }
};

QTEST_MAIN(TestDorvicScale)
#include "tst_dorvic_scale.moc"
