// Every text of every window fits its control, with the longest names and
// results the windows show. CTest runs this at scale factor 1 and 2.
#include "kervadin/frmcheck.h"
#include "kervadin/frmcustom.h"
#include "kervadin/frmkervadin3.h"
#include "kervadin/frmtype.h"
#include "kervadin/kervadin.h"
#include "kervadin/sizewindow.h"
#include "runtime/controls.h"
#include "textfit.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace kervadin;

class TestKervadinScale : public QObject {
    Q_OBJECT

    FrmKervadin3 *w = nullptr;
    QStringList messages;

    static QWidget *shownWindow(const QString &name)
    {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->objectName() == name && top->isVisible())
                return top;
        }
        return nullptr;
    }

    static void typeInto(QLineEdit *box, const QString &text)
    {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

private slots:
    void initTestCase()
    {
        rt::setMessagePresenter([this](int, const QString &title, const QString &) {
            messages << title;
        });
        rt::setEndHandler([] {});
        start();
        w = frmKervadin3();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

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
        messages.clear();

        QTest::mouseClick(w->CtS, Qt::LeftButton);
        QVERIFY(frmType()->isVisible());
        VERIFY_TEXTS_FIT(frmType());

        auto *button = frmType()->findChild<QPushButton *>(chooserButton);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QWidget *chosen = shownWindow(window);
        QVERIFY(chosen);
        VERIFY_TEXTS_FIT(chosen);

        if (customEntry.isEmpty()) {
            auto *option = chosen->findChild<QRadioButton *>(size);
            QVERIFY(option);
            QTest::mouseClick(option, Qt::LeftButton);
            QTest::mouseClick(static_cast<SizeWindow *>(chosen)->cmdApply, Qt::LeftButton);
        } else {
            FrmCustom *custom = frmCustom();
            typeInto(custom->txtCustdia, customEntry[0]);
            typeInto(custom->txtCustpitch, customEntry[1]);
            QTest::mouseClick(custom->findChild<QRadioButton *>(customEntry[2]), Qt::LeftButton);
            VERIFY_TEXTS_FIT(custom);
            QTest::mouseClick(custom->cmdAppcust, Qt::LeftButton);
        }
        QCOMPARE(messages, QStringList());
        QVERIFY(!w->lblSelected->text().isEmpty());

        // A result over the preferred wire, which always lies within the limits.
        typeInto(w->txtActual, w->lblPref->text());
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        QCOMPARE(messages, QStringList());
        QVERIFY(!w->lblOver->text().isEmpty());
        VERIFY_TEXTS_FIT(w);
    }

    // The check window with its longest texts: the widest thread line (a
    // custom metric thread), the note on typed limits, five readings and
    // an oversize verdict.
    void checkWindowFits()
    {
        messages.clear();
        QTest::mouseClick(w->CtS, Qt::LeftButton);
        QTest::mouseClick(frmType()->cmdCustom, Qt::LeftButton);
        FrmCustom *custom = frmCustom();
        typeInto(custom->txtCustdia, QStringLiteral("18.345"));
        typeInto(custom->txtCustpitch, QStringLiteral("2.75"));
        QTest::mouseClick(custom->opt60, Qt::LeftButton);
        QTest::mouseClick(custom->cmdAppcust, Qt::LeftButton);
        typeInto(w->txtActual, w->lblMax->text());
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        QTest::mouseClick(w->cmdCheck, Qt::LeftButton);
        FrmCheck *check = frmCheck();
        QVERIFY(check->isVisible());
        typeInto(check->txtPDmax, QStringLiteral("16.5555"));
        typeInto(check->txtPDmin, QStringLiteral("16.4444"));
        for (QLineEdit *box : check->txtReading)
            typeInto(box, QStringLiteral("21.8888"));
        QTest::mouseClick(check->cmdEvaluate, Qt::LeftButton);
        QCOMPARE(messages, QStringList());
        QVERIFY(check->lblVerdict->text().startsWith(QStringLiteral("Oversize by ")));
        VERIFY_TEXTS_FIT(check);
    }
};

QTEST_MAIN(TestKervadinScale)
#include "tst_kervadin_scale.moc"
