// kervadin as a desktop program: copying the value fields with the keyboard
// and the context menu, and the end of a desktop session.

#include "kervadin/ui/kervadin.h"
#include "runtime/controls.h"
#include "windowtest.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// A right click at the middle of `widget`, delivered through its window as
// the platform delivers it, so the toolkit turns it into a context menu;
// `choose` picks the menu's action by its text, with the mouse.
void chooseFromContextMenu(QWidget *widget, const QString &choose)
{
    QTimer::singleShot(0, [choose] {
        QTRY_VERIFY(QApplication::activePopupWidget());
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction *action : menu->actions()) {
            if (action->text().remove(QLatin1Char('&')) == choose) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                return;
            }
        }
        menu->close();
        QFAIL(qPrintable(QStringLiteral("no action %1").arg(choose)));
    });
    QWindow *window = widget->window()->windowHandle();
    const QPoint at = widget->mapTo(widget->window(), widget->rect().center());
    QTest::mouseClick(window, Qt::RightButton, {}, at);
}

// Counts the close events a window is sent.
class CloseCounter : public QObject {
public:
    int closes = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            ++closes;
        return false;
    }
};

} // namespace

class TestKervadinCopy : public QObject {
    Q_OBJECT

    windowtest::Session<kervadin::Kervadin> session;
    QWidget *w = nullptr;
    QLineEdit *wireBox = nullptr;
    rt::ValueLabel *over = nullptr;

private slots:
    void init()
    {
        session.begin();
        w = session.find("frmKervadin3");
        wireBox = session.find<QLineEdit>("frmKervadin3.txtActual");
        over = session.find<rt::ValueLabel>("frmKervadin3.lblOver");
        QGuiApplication::clipboard()->clear();
        over->setText(QStringLiteral("6.2155"));
        wireBox->setText(QStringLiteral("0.5770"));
        wireBox->setFocus();
    }

    void cleanup() { session.end(); }

    // Ctrl+C copies a value field's selection while the focus stays in the
    // text box; when the text box's own text was selected last, Ctrl+C is
    // the text box's.
    void copyKeys_data()
    {
        QTest::addColumn<QString>("steps"); // a: Ctrl+A in the text box, d: drag over the result
        QTest::addColumn<QString>("copied");
        QTest::newRow("result selected last") << "ad" << "6.2155";
        QTest::newRow("text box selected last") << "da" << "0.5770";
        QTest::newRow("result not selected") << "a" << "0.5770";
    }
    void copyKeys()
    {
        QFETCH(QString, steps);
        QFETCH(QString, copied);
        QVERIFY(over);
        const int y = over->height() / 2;
        for (QChar step : steps) {
            if (step == QLatin1Char('a')) {
                QTest::keyClick(wireBox, Qt::Key_A, Qt::ControlModifier);
            } else {
                QTest::mousePress(over, Qt::LeftButton, {}, QPoint(1, y));
                QTest::mouseMove(over, QPoint(over->width() - 1, y));
                QTest::mouseRelease(over, Qt::LeftButton, {}, QPoint(over->width() - 1, y));
                QCOMPARE(over->selectedText(), QStringLiteral("6.2155"));
            }
        }
        QCOMPARE(QApplication::focusWidget(), wireBox);
        QTest::keyClick(wireBox, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        QCOMPARE(QApplication::focusWidget(), wireBox);
        QCOMPARE(wireBox->text(), QStringLiteral("0.5770"));
    }

    // The context menu of a value field: Copy takes the selection, or the
    // whole value when nothing is selected; Select All selects the value.
    void contextMenu()
    {
        chooseFromContextMenu(over, QStringLiteral("Copy"));
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("6.2155"));
        QGuiApplication::clipboard()->clear();
        chooseFromContextMenu(over, QStringLiteral("Select All"));
        QTRY_COMPARE(over->selectedText(), QStringLiteral("6.2155"));
        QTest::keyClick(wireBox, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("6.2155"));
    }

    // At the end of a desktop session Qt sends the program a Quit event
    // (the session manager's "die"); it must never be refused, whichever
    // windows are open, and every window goes.
    // Qt asks the visible windows to close, in no fixed order, and gives the
    // quit up at the first that refuses, as a secondary window would: it
    // hides on close. So no secondary window may be asked at all.
    void sessionEndIsNeverRefused()
    {
        session.click("frmKervadin3.CtS");
        QWidget *type = session.find("frmType");
        QVERIFY(type && type->isVisible());
        CloseCounter asked;
        type->installEventFilter(&asked);
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
        QVERIFY2(quit.isAccepted(), "the program refused to quit");
        QCOMPARE(asked.closes, 0);
        QVERIFY(!type->isVisible());
        QVERIFY(!w->isVisible());
    }
};

QTEST_MAIN(TestKervadinCopy)
#include "tst_kervadin_copy.moc"
