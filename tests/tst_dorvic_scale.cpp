// Every text of the triangle window fits its control, empty and with solved
// triangles whose results are as wide as the boxes were drawn for. CTest
// runs this at scale factor 1 and 2.
#include "dorvicwindows.h"
#include "textfit.h"

#include <QComboBox>

class TestDorvicScale : public QObject {
    Q_OBJECT

    dorvicwindows::Session s;
    dorvic::FrmTriangleRight *w = nullptr;

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
        s.enter(given);
        s.press("cmdRightCalculate");
        QVERIFY(s.messages.isEmpty());
        QCOMPARE(s.texts() << s.box(dorvicwindows::AreaBox)->text(), shown);
        VERIFY_TEXTS_FIT(w);
    }

    // The sine bar with a long stack of a metric set and its angles.
    void sineBarFits()
    {
        s->showSineBar();
        auto *set = s.find<QComboBox>(QStringLiteral("frmSineBar.cboBlocks"));
        set->setCurrentIndex(3);
        s.type(QStringLiteral("frmSineBar.txtBarLength"), QStringLiteral("200"));
        s.type(QStringLiteral("frmSineBar.txtMissing"), QStringLiteral("1.005, 6, 24.5, 100"));
        s.type(QStringLiteral("frmSineBar.txtHeight"), QStringLiteral("198.7654"));
        QVERIFY(s.messages.isEmpty());
        QCOMPARE(s.find<QLabel>(QStringLiteral("frmSineBar.lblBlocks"))->text().count('+'), 8);
        VERIFY_TEXTS_FIT(s->frmSineBar());
    }
};

QTEST_MAIN(TestDorvicScale)
#include "tst_dorvic_scale.moc"
