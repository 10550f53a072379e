// Every text of the triangle window fits its control, empty and with solved
// triangles whose results are as wide as the boxes were drawn for. CTest
// runs this at scale factor 1 and 2.
#include "dorvic/dorvic.h"
#include "dorvic/frmtriangleright.h"
#include "runtime/messages.h"
#include "textfit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestDorvicScale : public QObject {
    Q_OBJECT

    dorvic::FrmTriangleRight *w = nullptr;
    QStringList messages;

    QLineEdit *box(const char *name) const { return w->findChild<QLineEdit *>(QLatin1String(name)); }

private slots:
    void initTestCase()
    {
        rt::setMessagePresenter([this](int, const QString &title, const QString &) {
            messages << title;
        });
        rt::setEndHandler([] {});
        dorvic::start();
        w = dorvic::frmTriangleRight();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

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
        messages.clear();
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("CmdClear")), Qt::LeftButton);
        for (int i = 0; i < 5; ++i) {
            if (!given[i].isEmpty()) {
                QTest::mouseClick(box(names[i]), Qt::LeftButton);
                QTest::keyClicks(box(names[i]), given[i]);
            }
        }
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdRightCalculate")),
                          Qt::LeftButton);
        QCOMPARE(messages, QStringList());
        QStringList texts;
        for (const char *name : names)
            texts << box(name)->text();
        QCOMPARE(texts, shown);
        VERIFY_TEXTS_FIT(w);
    }
};

QTEST_MAIN(TestDorvicScale)
#include "tst_dorvic_scale.moc"
