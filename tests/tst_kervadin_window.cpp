// The measurement window and the window flow, driven by real clicks and keys.
#include "kervadin/frmkervadin3.h"
#include "kervadin/frmtype.h"
#include "kervadin/kervadin.h"
#include "kervadin/sizewindow.h"
#include "runtime/controls.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace kervadin;

struct Message {
    int style;
    QString title;
    QString prompt;
};

class TestKervadinWindow : public QObject {
    Q_OBJECT

    QList<Message> messages;
    int ends = 0;
    FrmKervadin3 *w = nullptr;

    void setRecord(const QString &dia, const QString &pitch, const QString &angle,
                   const QString &min, const QString &max)
    {
        w->lblDia->setText(dia);
        w->lblPitch->setText(pitch);
        w->lblTangle->setText(angle);
        w->lblMin->setText(min);
        w->lblMax->setText(max);
    }

    void typeWire(const QString &text)
    {
        QTest::mouseClick(w->txtActual, Qt::LeftButton);
        w->txtActual->selectAll();
        QTest::keyClick(w->txtActual, Qt::Key_Delete);
        QTest::keyClicks(w->txtActual, text);
    }

private slots:
    void initTestCase()
    {
        rt::setMessagePresenter([this](int style, const QString &title, const QString &prompt) {
            messages.append({style, title, prompt});
        });
        rt::setEndHandler([this] { ++ends; });
        start();
        w = frmKervadin3();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    void init()
    {
        messages.clear();
        ends = 0;
        for (QLabel *l : w->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^lbl"))))
            l->clear();
        w->txtActual->clear();
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top != w)
                top->hide();
        }
    }

    void startsEmptyWithFocusInWireBox()
    {
        QCOMPARE(QApplication::focusWidget(), w->txtActual);
        QCOMPARE(w->CtS->text(), QStringLiteral("Click to Select"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Kervadin"));
    }

    void calculate_data()
    {
        QTest::addColumn<QStringList>("record"); // dia, pitch, angle, min, max
        QTest::addColumn<QString>("wire");
        QTest::addColumn<QString>("title");      // message expected, or empty
        QTest::addColumn<QString>("over");       // lblOver afterwards

        const QStringList none{"", "", "", "", ""};
        const QStringList m6{"6.0000", "1.0000", "60°", "0.5600", "0.9000"};
        QTest::newRow("empty wire box") << m6 << "" << "No Wire" << "old";
        QTest::newRow("no record: positive wire is large") << none << "0.5" << "Large Wire" << "old";
        QTest::newRow("no record: zero passes, writes nothing") << none << "0" << "" << "old";
        QTest::newRow("no record: letters read 0, write nothing") << none << "abc" << "" << "old";
        QTest::newRow("no record: negative wire is small") << none << "-0.1" << "Small Wire" << "old";
        QTest::newRow("blanks are not empty, read 0") << m6 << "   " << "Small Wire" << "old";
        QTest::newRow("below the minimum shown") << m6 << "0.5599" << "Small Wire" << "old";
        QTest::newRow("above the maximum shown") << m6 << "0.90001" << "Large Wire" << "old";
        QTest::newRow("minimum as shown, fewer places") << m6 << "0.56" << "" << "6.1645";
        QTest::newRow("maximum with trailing zeros") << m6 << "0.900000" << "" << "7.1845";
        QTest::newRow("6 mm with 0.577") << m6 << "0.577" << "" << "6.2155";
        QTest::newRow("1/2 BSW reads pitch as shown")
            << QStringList{"0.5000", "0.0833", "55°", "0.0450", "0.0633"} << "0.05" << "" << "0.5249";
        QTest::newRow("0 BA uses the 47.5 formula")
            << QStringList{"0.2362", "0.0394", "47.5°", "0.0197", "0.0288"} << "0.025" << "" << "0.2549";
        QTest::newRow("custom metric diameter with mm")
            << QStringList{"3.5 mm", "0.600", "60°", "0.3360", "0.5400"} << "0.4" << "" << "3.7907";
        QTest::newRow("unknown angle writes nothing")
            << QStringList{"1.0000", "0.1000", "30°", "0.0100", "0.2000"} << "0.1" << "" << "old";
        QTest::newRow("wire text with blanks inside") << m6 << " 0. 577" << "" << "6.2155";
        QTest::newRow("overflowing wire is one fault") << m6 << "1e999" << "kervadin" << "old";
    }

    void calculate()
    {
        QFETCH(QStringList, record);
        QFETCH(QString, wire);
        QFETCH(QString, title);
        QFETCH(QString, over);
        setRecord(record[0], record[1], record[2], record[3], record[4]);
        w->lblOver->setText(QStringLiteral("old"));
        typeWire(wire);
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);

        if (title.isEmpty()) {
            QVERIFY2(messages.isEmpty(), qPrintable(messages.value(0).title));
        } else {
            QCOMPARE(messages.size(), 1);
            QCOMPARE(messages[0].title, title);
        }
        QCOMPARE(w->lblOver->text(), over);
        QCOMPARE(w->txtActual->text(), wire);
    }

    void messagesCarryExactTexts_data()
    {
        QTest::addColumn<QString>("wire");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("no wire") << "" << 48 << "No Wire"
                                 << "A wire size has not been entered.\nPlease enter wire size and try again.";
        QTest::newRow("small") << "0.1" << 48 << "Small Wire"
                               << "Wire size is less than minimum allowed.\nPlease enter another wire size.";
        QTest::newRow("large") << "2" << 48 << "Large Wire"
                               << "Wire size is greater than maximum allowed.\nPlease enter another wire size.";
        QTest::newRow("fault") << "-1e400" << 16 << "kervadin" << "Overflow: a number became too large to calculate with.\nCheck the values entered for a misplaced point, an extra digit or a large exponent.";
    }

    void messagesCarryExactTexts()
    {
        QFETCH(QString, wire);
        setRecord("6.0000", "1.0000", "60°", "0.5600", "0.9000");
        typeWire(wire);
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        QCOMPARE(messages.size(), 1);
        QTEST(messages[0].style, "style");
        QTEST(messages[0].title, "title");
        QTEST(messages[0].prompt, "prompt");
    }

    void selectEmptiesResultAndWireOnly()
    {
        setRecord("6.0000", "1.0000", "60°", "0.5600", "0.9000");
        w->lblSelected->setText(QStringLiteral("6 mm"));
        typeWire(QStringLiteral("0.577"));
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        QCOMPARE(w->lblOver->text(), QStringLiteral("6.2155"));

        QTest::mouseClick(w->CtS, Qt::LeftButton);
        QVERIFY(w->txtActual->text().isEmpty());
        QVERIFY(w->lblOver->text().isEmpty());
        QCOMPARE(w->lblSelected->text(), QStringLiteral("6 mm"));
        QCOMPARE(w->lblDia->text(), QStringLiteral("6.0000"));
        QVERIFY(frmType()->isVisible());
        QVERIFY(w->isVisible());

        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].title, QStringLiteral("No Wire"));
    }

    void tabRunsWireExitCalculate()
    {
        w->txtActual->setFocus();
        QTest::keyClick(w->txtActual, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->cmdQuit);
        QTest::keyClick(w->cmdQuit, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->cmdCalc);
        QTest::keyClick(w->cmdCalc, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->txtActual);
    }

    void chooserAndBackFollowTheFlow()
    {
        QTest::mouseClick(w->CtS, Qt::LeftButton);
        FrmType *type = frmType();
        QTRY_COMPARE(QApplication::activeWindow(), type);
        QCOMPARE(QApplication::focusWidget(), type->cmdBSF);

        QTest::mouseClick(type->cmdUNF, Qt::LeftButton);
        QVERIFY(!type->isVisible());
        QVERIFY(frmUNFsize()->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), frmUNFsize());

        QTest::mouseClick(frmUNFsize()->cmdBack, Qt::LeftButton);
        QVERIFY(!frmUNFsize()->isVisible());
        QVERIFY(type->isVisible());

        // Select again while the chooser is open just brings it forward.
        QTest::mouseClick(w->CtS, Qt::LeftButton);
        QCOMPARE(frmType(), type);
        QVERIFY(type->isVisible());
    }

    void closingASecondaryWindowHidesIt()
    {
        QTest::mouseClick(w->CtS, Qt::LeftButton);
        QTest::mouseClick(frmType()->cmdBA, Qt::LeftButton);
        SizeWindow *ba = frmBAsize();
        QVERIFY(ba->isVisible());
        ba->close();
        QVERIFY(!ba->isVisible());
        QCOMPARE(ends, 0);
        QCOMPARE(frmBAsize(), ba);
    }

    void exitAndClosingTheMainWindowEnd()
    {
        QTest::mouseClick(w->cmdQuit, Qt::LeftButton);
        QCOMPARE(ends, 1);
        w->close();
        QCOMPARE(ends, 2);
    }
};

QTEST_MAIN(TestKervadinWindow)
#include "tst_kervadin_window.moc"
