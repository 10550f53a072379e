// Showing the working: the dimension over wires and the wire sizes carry
// their formulas as tooltips, and value fields can be selected with the
// mouse without taking the focus. Driven through the windows as a person
// uses them.
#include "kervadin/ui/frmcheck.h"
#include "kervadin/ui/frmcustom.h"
#include "kervadin/ui/frmkervadin3.h"
#include "kervadin/ui/frmtype.h"
#include "kervadin/ui/kervadin.h"
#include "kervadin/ui/sizewindow.h"
#include "runtime/controls.h"
#include "windowtest.h"

using namespace kervadin;

class TestKervadinWorking : public QObject {
    Q_OBJECT

    windowtest::Session<Kervadin> s;
    FrmKervadin3 *w = nullptr;

    // 6 mm: Select, Metric, the fifth size, APPLY.
    void applySixMillimetres()
    {
        s.click(w->CtS);
        s.click(s->frmType()->familyButton(Family::Metric));
        s.click(s->sizeWindow(Family::Metric)->options.at(4));
        s.click(s->sizeWindow(Family::Metric)->cmdApply);
    }

private slots:
    void init()
    {
        s.begin();
        w = s->frmKervadin3();
    }
    void cleanup() { s.end(); }

    // The tooltips name the values used: the record's as shown (a custom
    // metric diameter without its unit), the wire to four places. A refused
    // wire leaves the result and its working as they were.
    void tooltipsCarryTheValuesUsed_data()
    {
        QTest::addColumn<QString>("wire");
        QTest::addColumn<QStringList>("values"); // found in the working
        QTest::newRow("6 mm, wire read with four places")
            << " 0. 577" << QStringList{"6.0000", "1.0000", "0.5770"};
        QTest::newRow("custom metric, diameter as typed")
            << "0.4" << QStringList{"3.50 ", "0.600", "0.4000"};
    }

    void tooltipsCarryTheValuesUsed()
    {
        QFETCH(QString, wire);
        QFETCH(QStringList, values);
        if (values.first().startsWith(QLatin1String("3.50"))) {
            s.click(w->CtS);
            s.click(s->frmType()->cmdCustom);
            s.type(s->frmCustom()->txtCustdia, QStringLiteral("3.50"));
            s.type(s->frmCustom()->txtCustpitch, QStringLiteral("0.6"));
            s.click(s->frmCustom()->cmdAppcust);
        } else {
            applySixMillimetres();
        }
        for (QLabel *l : {w->lblMax, w->lblMin, w->lblPref})
            QVERIFY2(!l->toolTip().isEmpty(), qPrintable(l->objectName()));
        QVERIFY(w->lblOver->toolTip().isEmpty());

        s.type(w->txtActual, wire);
        s.click(w->cmdCalc);
        QVERIFY(s.messages.isEmpty());
        const QString working = w->lblOver->toolTip();
        for (const QString &value : values)
            QVERIFY2(working.contains(value), qPrintable(working + " lacks " + value));
        QVERIFY2(!working.contains(QLatin1String(" mm")), qPrintable(working));

        s.type(w->txtActual, QStringLiteral("9"));
        s.click(w->cmdCalc);
        QCOMPARE(s.messages.size(), 1);
        QCOMPARE(w->lblOver->toolTip(), working);
    }

    // The check's tooltips carry the values it used: the wire in C, the
    // class's T and allowance in the limits, the difference in the verdict.
    void checkShowsTheValuesUsed()
    {
        s.click(w->CtS);
        s.click(s->frmType()->familyButton(Family::UNC));
        s.click(s->sizeWindow(Family::UNC)->options.at(0));
        s.click(s->sizeWindow(Family::UNC)->cmdApply);
        s.type(w->txtActual, QStringLiteral("0.0289"));
        s.click(w->cmdCalc);
        s.click(w->cmdCheck);
        FrmCheck *check = s->frmCheck();
        s.click(check->opt2A);
        s.type(check->txtReading[0], QStringLiteral("0.2600"));
        s.click(check->cmdEvaluate);
        QCOMPARE(s.messageLines(), QStringList());

        const QList<QPair<QWidget *, QStringList>> tips = {
            {check->lblBasic, {"0.2500", "20"}},
            {check->lblConstant, {"0.0289", "20"}},
            {check->txtPDmax, {"0.0037", "0.0011", "0.2175"}},
            {check->txtPDmin, {"0.0037", "0.2164"}},
            {check->lblVerdict, {"0.2166", "0.2164", "0.0002"}},
        };
        for (const auto &tip : tips) {
            for (const QString &value : tip.second)
                QVERIFY2(tip.first->toolTip().contains(value),
                         qPrintable(tip.first->objectName() + ": " + tip.first->toolTip()));
        }
    }

    void selectClearsTheWorking()
    {
        applySixMillimetres();
        s.type(w->txtActual, QStringLiteral("0.577"));
        s.click(w->cmdCalc);
        QVERIFY(!w->lblOver->toolTip().isEmpty());
        s.click(w->CtS);
        QVERIFY(s->frmType()->isVisible());
        QVERIFY(w->lblOver->text().isEmpty());
        QVERIFY(w->lblOver->toolTip().isEmpty());
    }

    // Dragging across a value field selects its text; the focus stays in the
    // wire box and the field never joins the tab order.
    void valueFieldsSelectableWithoutFocus()
    {
        applySixMillimetres();
        s.type(w->txtActual, QStringLiteral("0.577"));
        s.click(w->cmdCalc);
        s.click(w->txtActual);
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
};

QTEST_MAIN(TestKervadinWorking)
#include "tst_kervadin_working.moc"
