// Showing the working: the dimension over wires and the wire sizes carry
// their formulas as tooltips, and value fields can be selected with the
// mouse without taking the focus. Driven through the windows as a person
// uses them.
#include "kervadinwindows.h"

using namespace kervadin;

class TestKervadinWorking : public QObject {
    Q_OBJECT

    kervadinwindows::Session s;

    QLabel *field(const char *name) const
    {
        return s.find<QLabel>(QStringLiteral("frmKervadin3.") + name);
    }

private slots:
    void init() { s.begin(); }
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
            s.applyCustom(QStringLiteral("3.50"), QStringLiteral("0.6"), 0);
        } else {
            s.applySize(Family::Metric, 4); // 6 mm
        }
        for (QLabel *l : {field("lblMax"), field("lblMin"), field("lblPref")})
            QVERIFY2(!l->toolTip().isEmpty(), qPrintable(l->objectName()));
        QVERIFY(field("lblOver")->toolTip().isEmpty());

        s.calculate(wire);
        QVERIFY(s.messages.isEmpty());
        const QString working = field("lblOver")->toolTip();
        for (const QString &value : values)
            QVERIFY2(working.contains(value), qPrintable(working + " lacks " + value));
        QVERIFY2(!working.contains(QLatin1String(" mm")), qPrintable(working));

        s.calculate(QStringLiteral("9"));
        QCOMPARE(s.messages.size(), 1);
        QCOMPARE(field("lblOver")->toolTip(), working);
    }

    // The check's tooltips carry the values it used: the wire in C, the
    // class's T and allowance in the limits, the difference in the verdict.
    void checkShowsTheValuesUsed()
    {
        s.checkQuarterInch2A(QStringLiteral("0.2600"));
        QCOMPARE(s.messageLines(), QStringList());

        const QList<QPair<QString, QStringList>> tips = {
            {"lblBasic", {"0.2500", "20"}},
            {"lblConstant", {"0.0289", "20"}},
            {"txtPDmax", {"0.0037", "0.0011", "0.2175"}},
            {"txtPDmin", {"0.0037", "0.2164"}},
            {"lblVerdict", {"0.2166", "0.2164", "0.0002"}},
        };
        for (const auto &tip : tips) {
            const QString text = s.find("frmCheck." + tip.first)->toolTip();
            for (const QString &value : tip.second)
                QVERIFY2(text.contains(value), qPrintable(tip.first + ": " + text));
        }
    }

    void selectClearsTheWorking()
    {
        s.applySize(Family::Metric, 4); // 6 mm
        s.calculate(QStringLiteral("0.577"));
        QVERIFY(!field("lblOver")->toolTip().isEmpty());
        s.click("frmKervadin3.CtS");
        QVERIFY(s.find("frmType")->isVisible());
        QVERIFY(field("lblOver")->text().isEmpty());
        QVERIFY(field("lblOver")->toolTip().isEmpty());
    }

    // Dragging across a value field selects its text; the focus stays in the
    // wire box and the field never joins the tab order.
    void valueFieldsSelectableWithoutFocus()
    {
        s.applySize(Family::Metric, 4); // 6 mm
        s.calculate(QStringLiteral("0.577"));
        QWidget *wireBox = s.find("frmKervadin3.txtActual");
        s.click(wireBox);
        QCOMPARE(QApplication::focusWidget(), wireBox);

        for (const char *name : {"lblSelected", "lblDia", "lblDoT", "lblPitch", "lblTangle",
                                 "lblHangle", "lblMillinches", "lblMax", "lblMin", "lblPref",
                                 "lblOver"}) {
            QLabel *field = this->field(name);
            QCOMPARE(field->focusPolicy(), Qt::NoFocus);
            const int middle = field->height() / 2;
            QTest::mousePress(field, Qt::LeftButton, {}, QPoint(1, middle));
            QTest::mouseMove(field, QPoint(field->width() / 2, middle));
            QTest::mouseMove(field, QPoint(field->width() - 2, middle));
            QTest::mouseRelease(field, Qt::LeftButton, {}, QPoint(field->width() - 2, middle));
            // The line dragged across: the only one, or "in" of the units.
            const QStringList lines = field->text().split(QLatin1Char('\n'));
            QCOMPARE(field->selectedText(), lines[lines.size() / 2]);
            QCOMPARE(QApplication::focusWidget(), wireBox);
        }
        QCOMPARE(field("lblOver")->selectedText(), QStringLiteral("6.2155"));
    }
};

QTEST_MAIN(TestKervadinWorking)
#include "tst_kervadin_working.moc"
