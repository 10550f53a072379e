// kervadin under a real window manager: what a person notices of its
// windows in a desktop session. Runs through tests/desktop/run.sh.

#include "desktop.h"
#include "kervadin/ui/kervadin.h"

#include <memory>

#include <QLineEdit>
#include <QRadioButton>

using namespace desktop;

namespace {

QWidget *window(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name))
            return w;
    }
    return nullptr;
}

QWidget *control(const char *windowName, const char *name)
{
    QWidget *w = window(windowName);
    return w ? w->findChild<QWidget *>(QLatin1String(name)) : nullptr;
}

void click(const char *windowName, const char *name)
{
    QWidget *c = control(windowName, name);
    QVERIFY2(c, name);
    QTest::mouseClick(c, Qt::LeftButton);
}

bool mapped(const char *windowName)
{
    return onScreen(window(windowName));
}

} // namespace

class TestDesktopKervadin : public QObject {
    Q_OBJECT

    std::unique_ptr<kervadin::Kervadin> program;

private slots:
    // A fresh program for each test, shown by the window manager.
    void init()
    {
        program = std::make_unique<kervadin::Kervadin>();
        program->start();
        QVERIFY(waitFor([] { return mapped("frmKervadin3"); }));
    }

    void cleanup() { program.reset(); }

    // Every window carries the program's icon, at title-bar and at
    // window-switcher size.
    void iconOnEveryWindow()
    {
        auto check = [](const char *name) {
            QVERIFY(waitFor([name] { return mapped(name); }));
            QStringList sizes;
            QVERIFY2(carriesProgramIcon(window(name), &sizes),
                     qPrintable(QStringLiteral("%1: _NET_WM_ICON sizes %2").arg(name, sizes.join(' '))));
        };
        check("frmKervadin3");
        click("frmKervadin3", "CtS");
        check("frmType");
        click("frmType", "cmdBSF");
        check("frmBSFsize");
        screenshot(QStringLiteral("kervadin-size-window"));
        click("frmBSFsize", "cmdBackBSF");
        click("frmType", "cmdCustom");
        check("frmCustom");
        click("frmCustom", "cmdBackcust");
        window("frmType")->close();
    }

    // A message box is a dialog of the window it came from: transient for
    // it, with no minimise or maximise action, centred over it, wide enough
    // for its title, with the program's icon.
    void messageBoxBelongsToItsWindow_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("title");
        QTest::newRow("measurement window, no wire") << "frmKervadin3" << "No Wire";
        QTest::newRow("custom window, fault") << "frmCustom" << "kervadin";
    }
    void messageBoxBelongsToItsWindow()
    {
        QFETCH(QString, source);
        QFETCH(QString, title);
        std::function<void()> trigger;
        if (source == QLatin1String("frmKervadin3")) {
            qobject_cast<QLineEdit *>(control("frmKervadin3", "txtActual"))->clear();
            trigger = [] { click("frmKervadin3", "cmdCalc"); };
        } else {
            click("frmKervadin3", "CtS");
            click("frmType", "cmdCustom");
            QVERIFY(waitFor([] { return mapped("frmCustom"); }));
            qobject_cast<QLineEdit *>(control("frmCustom", "txtCustdia"))->setText(QStringLiteral("1e999"));
            qobject_cast<QLineEdit *>(control("frmCustom", "txtCustpitch"))->setText(QStringLiteral("1"));
            click("frmCustom", "opt55");
            trigger = [] { click("frmCustom", "cmdAppcust"); };
        }
        QWidget *owner = window(qPrintable(source));
        MessageBoxSeen seen;
        QVERIFY2(seeMessageBox(trigger, owner, &seen, QStringLiteral("kervadin-message-%1").arg(source)),
                 "no message box was mapped");
        QCOMPARE(seen.title, title);
        verifyDialogOf(seen, owner);
        if (QTest::currentTestFailed())
            return;
        if (source == QLatin1String("frmCustom")) {
            click("frmCustom", "cmdBackcust");
            window("frmType")->close();
        }
    }

    // Whatever brings the measurement window to the front restores it when
    // it is minimised, and makes it the active window.
    void applyShowsMinimisedMeasurementWindow_data()
    {
        QTest::addColumn<QString>("apply");
        QTest::newRow("size APPLY") << "frmBSFsize";
        QTest::newRow("custom APPLY") << "frmCustom";
    }
    void applyShowsMinimisedMeasurementWindow()
    {
        QFETCH(QString, apply);
        QWidget *main = window("frmKervadin3");
        click("frmKervadin3", "CtS");
        if (apply == QLatin1String("frmBSFsize")) {
            click("frmType", "cmdBSF");
            QVERIFY(waitFor([] { return mapped("frmBSFsize"); }));
            click("frmBSFsize", "optBSF1");
        } else {
            click("frmType", "cmdCustom");
            QVERIFY(waitFor([] { return mapped("frmCustom"); }));
            qobject_cast<QLineEdit *>(control("frmCustom", "txtCustdia"))->setText(QStringLiteral("0.5"));
            qobject_cast<QLineEdit *>(control("frmCustom", "txtCustpitch"))->setText(QStringLiteral("20"));
            click("frmCustom", "opt60");
        }
        // As a person would: the window just opened is active before the
        // measurement window is minimised.
        QWidget *opened = window(qPrintable(apply));
        QVERIFY(waitFor([opened] {
            return QApplication::activeWindow() == opened && activeWindow() == opened->winId();
        }));
        main->showMinimized();
        QVERIFY2(waitFor([main] { return wmState(main) == QLatin1String("Iconic"); }),
                 "the window manager did not minimise the measurement window");
        // A real click, which the window manager sees as the user's.
        QVERIFY(realClick(control(qPrintable(apply),
                                  apply == QLatin1String("frmBSFsize") ? "cmdAppBSF" : "cmdAppcust")));
        QVERIFY2(waitFor([main] { return wmState(main) == QLatin1String("Normal"); }),
                 qPrintable(QStringLiteral("WM_STATE %1").arg(wmState(main))));
        QVERIFY2(waitFor([main] { return activeWindow() == main->winId(); }),
                 "the measurement window is not the active window");
        // And it stays in front.
        QTest::qWait(500);
        QCOMPARE(activeWindow(), main->winId());
        QCOMPARE(QApplication::focusWidget(), control("frmKervadin3", "txtActual"));
        QVERIFY(!windowProperty(main, "_NET_WM_STATE").contains(QLatin1String("_NET_WM_STATE_HIDDEN")));
        screenshot(QStringLiteral("kervadin-after-%1").arg(apply));
    }
};

QTEST_MAIN(TestDesktopKervadin)
#include "tst_desktop_kervadin.moc"
