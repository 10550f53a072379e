// Showing the working: the dimension over wires and the wire sizes carry
// their formulas as tooltips, and value fields can be selected with the
// mouse without taking the focus. Driven through the windows as a person
// uses them; the expected texts were written out by hand from the formulas.
#include "kervadin/frmcheck.h"
#include "kervadin/frmcustom.h"
#include "kervadin/frmkervadin3.h"
#include "kervadin/frmtype.h"
#include "kervadin/kervadin.h"
#include "kervadin/sizewindow.h"
#include "runtime/controls.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace kervadin;

class TestKervadinWorking : public QObject {
    Q_OBJECT

    FrmKervadin3 *w = nullptr;
    QStringList messages;

    static void typeInto(QLineEdit *box, const QString &text)
    {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    // Select, the family's button, then the size (an option name) or a
    // custom thread ("diameter pitch option"), and APPLY.
    void applyThread(const QString &family, const QString &size)
    {
        QTest::mouseClick(w->CtS, Qt::LeftButton);
        QTest::mouseClick(frmType()->findChild<QPushButton *>(family), Qt::LeftButton);
        if (family == QLatin1String("cmdCustom")) {
            const QStringList entry = size.split(QLatin1Char(' '));
            FrmCustom *custom = frmCustom();
            typeInto(custom->txtCustdia, entry[0]);
            typeInto(custom->txtCustpitch, entry[1]);
            QTest::mouseClick(custom->findChild<QRadioButton *>(entry[2]), Qt::LeftButton);
            QTest::mouseClick(custom->cmdAppcust, Qt::LeftButton);
            return;
        }
        for (QWidget *top : QApplication::topLevelWidgets()) {
            auto *window = dynamic_cast<SizeWindow *>(top);
            if (!window || !window->isVisible())
                continue;
            if (auto *option = window->findChild<QRadioButton *>(size)) {
                QTest::mouseClick(option, Qt::LeftButton);
                QTest::mouseClick(window->cmdApply, Qt::LeftButton);
                return;
            }
        }
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

    void tooltipsShowTheFormulas_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("wire");
        QTest::addColumn<QString>("over");    // the working behind lblOver
        QTest::addColumn<QStringList>("wires"); // maximum, minimum, preferred

        QTest::newRow("6 mm, wire read with four places")
            << "cmdMetric" << "optMet5" << " 0. 577"
            << "M = D − 1.5155 × P + 3 × W = 6.0000 − 1.5155 × 1.0000 + 3 × 0.5770"
            << QStringList{"0.9 × P", "0.56 × P", "0.577 × P"};
        QTest::newRow("1/4 B.S.F.")
            << "cmdBSF" << "optBSF1" << "0.0217"
            << "M = D − 1.6008 × P + 3.1657 × W = 0.2500 − 1.6008 × 0.0385 + 3.1657 × 0.0217"
            << QStringList{"0.76 × P", "0.54 × P", "0.564 × P"};
        QTest::newRow("0 BA")
            << "cmdBA" << "optBA1" << "0.025"
            << "M = D − 1.7363 × P + 3.4829 × W = 0.2362 − 1.7363 × 0.0394 + 3.4829 × 0.0250"
            << QStringList{"0.73 ÷ (1 ÷ P)", "P ÷ 2", "0.546 × P"};
        QTest::newRow("custom metric, diameter as typed")
            << "cmdCustom" << "3.50 0.6 opt60" << "0.4"
            << "M = D − 1.5155 × P + 3 × W = 3.50 − 1.5155 × 0.600 + 3 × 0.4000"
            << QStringList{"0.9 × P", "0.56 × P", "0.577 × P"};
    }

    void tooltipsShowTheFormulas()
    {
        QFETCH(QString, family);
        QFETCH(QString, size);
        QFETCH(QString, wire);
        QFETCH(QString, over);
        QFETCH(QStringList, wires);
        messages.clear();

        applyThread(family, size);
        QCOMPARE(QStringList({w->lblMax->toolTip(), w->lblMin->toolTip(), w->lblPref->toolTip()}),
                 wires);
        QVERIFY(w->lblOver->toolTip().isEmpty());

        typeInto(w->txtActual, wire);
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        QCOMPARE(messages, QStringList());
        QCOMPARE(w->lblOver->toolTip(), over);

        // A refused wire leaves the result and its working as they were.
        typeInto(w->txtActual, QStringLiteral("9"));
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        QCOMPARE(messages, QStringList{"Large Wire"});
        QCOMPARE(w->lblOver->toolTip(), over);
    }

    void unknownAngleHasNoWorking()
    {
        QCOMPARE(overWiresWorking(30, QStringLiteral("1.0000"), QStringLiteral("0.1000"), 0.1),
                 QString());
    }

    void selectClearsTheWorking()
    {
        applyThread(QStringLiteral("cmdMetric"), QStringLiteral("optMet5"));
        typeInto(w->txtActual, QStringLiteral("0.577"));
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        QVERIFY(!w->lblOver->toolTip().isEmpty());
        QTest::mouseClick(w->CtS, Qt::LeftButton);
        QVERIFY(frmType()->isVisible());
        QVERIFY(w->lblOver->text().isEmpty());
        QVERIFY(w->lblOver->toolTip().isEmpty());
    }

    // Dragging across a value field selects its text; the focus stays in the
    // wire box and the field never joins the tab order.
    void valueFieldsSelectableWithoutFocus()
    {
        applyThread(QStringLiteral("cmdMetric"), QStringLiteral("optMet5"));
        typeInto(w->txtActual, QStringLiteral("0.577"));
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        QTest::mouseClick(w->txtActual, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), w->txtActual);

        for (QLabel *field : {w->lblSelected, w->lblDia, w->lblDoT, w->lblPitch, w->lblTangle,
                              w->lblHangle, w->lblMillinches, w->lblMax, w->lblMin, w->lblPref,
                              w->lblOver}) {
            QCOMPARE(field->focusPolicy(), Qt::NoFocus);
            const int middle = field->height() / 2;
            QTest::mousePress(field, Qt::LeftButton, {}, QPoint(1, middle));
            QTest::mouseMove(field, QPoint(field->width() / 2, middle));
            QTest::mouseMove(field, QPoint(field->width() - 2, middle));
            QTest::mouseRelease(field, Qt::LeftButton, {}, QPoint(field->width() - 2, middle));
            // The line dragged across: the only one, or "in" of the units.
            const QStringList lines = field->text().split(QLatin1Char('\n'));
            QCOMPARE(field->selectedText(), lines[lines.size() / 2]);
            QCOMPARE(QApplication::focusWidget(), w->txtActual);
        }
        QCOMPARE(w->lblOver->selectedText(), QStringLiteral("6.2155"));
    }

    // The check shows its working with the values used: E and C, a class's
    // T and allowance, and the verdict's difference.
    void checkShowsItsWorking()
    {
        messages.clear();
        applyThread(QStringLiteral("cmdUNC"), QStringLiteral("optUnc1"));
        typeInto(w->txtActual, QStringLiteral("0.0289"));
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        QTest::mouseClick(w->cmdCheck, Qt::LeftButton);
        FrmCheck *check = frmCheck();
        QTest::mouseClick(check->opt2A, Qt::LeftButton);
        typeInto(check->txtReading[0], QStringLiteral("0.2600"));
        QTest::mouseClick(check->cmdEvaluate, Qt::LeftButton);
        QCOMPARE(messages, QStringList());

        const QString tLine = QStringLiteral(
            "Class 2A: T = 0.0015 × ∛D + 0.0015 × √D + 0.015 × ∛(P²) = 0.0037\n");
        QCOMPARE(check->lblBasic->toolTip(),
                 QStringLiteral("E = D − 0.649519 × P = 0.2500 − 0.649519 × (1 ÷ 20)"));
        QCOMPARE(check->lblConstant->toolTip(),
                 QStringLiteral("C = W × (1 + 1 ÷ sin(A ÷ 2)) − P ÷ 2 × cot(A ÷ 2) = 0.0289 × "
                                "(1 + 1 ÷ sin 30°) − (1 ÷ 20) ÷ 2 × cot 30°"));
        QCOMPARE(check->txtPDmax->toolTip(),
                 tLine + QStringLiteral("allowance 0.3 × T = 0.0011\n"
                                        "maximum = E − allowance = 0.2175 − 0.0011"));
        QCOMPARE(check->txtPDmin->toolTip(),
                 tLine + QStringLiteral("tolerance T = 0.0037\n"
                                        "minimum = maximum − tolerance = 0.2164 − 0.0037"));
        QCOMPARE(check->lblVerdict->text(),
                 QStringLiteral("Oversize by 0.0002: take 0.0002 off the pitch diameter "
                                "(0.0001 radial infeed)."));
        QCOMPARE(check->lblVerdict->toolTip(),
                 QStringLiteral("mean pitch diameter − maximum = 0.2166 − 0.2164 = 0.0002\n"
                                "radial infeed = 0.0002 ÷ 2"));
        check->cmdBackcheck->click();
    }
};

QTEST_MAIN(TestKervadinWorking)
#include "tst_kervadin_working.moc"
