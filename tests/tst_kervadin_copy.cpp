// kervadin as a desktop program: copying the value fields with the keyboard
// and the context menu.

#include "kervadinwindows.h"
#include "runtime/controls.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace {

// A right click at the middle of `widget`, delivered through its window as
// the platform delivers it, so the toolkit turns it into a context menu;
// `choose` picks the menu's action by its text, with the mouse. Returns what
// went wrong, or an empty text. Whatever happens, no menu is left open after
// MenuWaitMs, so a menu that does not close cannot hang the test.
constexpr int MenuWaitMs = 5000;
QString chooseFromContextMenu(QWidget *widget, const QString &choose)
{
    QString failure = QStringLiteral("no context menu showed");
    bool seen = false;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *popup = QApplication::activePopupWidget();
        if (clock.elapsed() > MenuWaitMs) {
            if (popup) {
                failure = QStringLiteral("the menu was still open after %1 ms").arg(MenuWaitMs);
                popup->close();
            }
            poll.stop();
            return;
        }
        auto *menu = qobject_cast<QMenu *>(popup);
        if (!menu || seen)
            return;
        seen = true;
        for (QAction *action : menu->actions()) {
            if (action->text().remove(QLatin1Char('&')) == choose) {
                failure.clear();
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                return;
            }
        }
        failure = QStringLiteral("no action %1").arg(choose);
        menu->close();
    });
    poll.start(10);
    QWindow *window = widget->window()->windowHandle();
    const QPoint at = widget->mapTo(widget->window(), widget->rect().center());
    QTest::mouseClick(window, Qt::RightButton, {}, at);
    // A menu that does not block the click is waited for here.
    if (!QTest::qWaitFor([&] { return !poll.isActive() || (seen && !QApplication::activePopupWidget()); },
                         MenuWaitMs + 1000))
        return QStringLiteral("the menu did not go");
    return failure;
}

} // namespace

class TestKervadinCopy : public QObject {
    Q_OBJECT

    kervadinwindows::Session session;
    QLineEdit *wireBox = nullptr;
    rt::ValueLabel *over = nullptr;

private slots:
    void init()
    {
        session.begin();
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
        QCOMPARE(chooseFromContextMenu(over, QStringLiteral("Copy")), QString());
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("6.2155"));
        QGuiApplication::clipboard()->clear();
        QCOMPARE(chooseFromContextMenu(over, QStringLiteral("Select All")), QString());
        QTRY_COMPARE(over->selectedText(), QStringLiteral("6.2155"));
        QTest::keyClick(wireBox, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("6.2155"));
    }
};

QTEST_MAIN(TestKervadinCopy)
#include "tst_kervadin_copy.moc"
