// dorvic under a real window manager: its window's icon and a fault's
// message box, as a window manager and a person see them. Runs through
// tests/desktop/run.sh.

#include "desktop.h"
#include "dorvic/ui/dorvic.h"
#include "dorvic/ui/frmtriangleright.h"

#include <memory>

#include <QLineEdit>

using namespace desktop;

class TestDesktopDorvic : public QObject {
    Q_OBJECT

    QWidget *main = nullptr;

    QWidget *control(const char *name) const { return main->findChild<QWidget *>(QLatin1String(name)); }

    std::unique_ptr<dorvic::Dorvic> program;

private slots:
    // A fresh program for each test, shown by the window manager.
    void init()
    {
        program = std::make_unique<dorvic::Dorvic>();
        program->start();
        main = program->frmTriangleRight();
        QVERIFY(waitFor([this] { return onScreen(main); }));
    }

    void cleanup() { program.reset(); }

    void iconOnTheWindow()
    {
        QStringList sizes;
        QVERIFY2(carriesProgramIcon(main, &sizes), qPrintable(sizes.join(' ')));
    }

    // A fault's message box: titled with the program's name, transient for
    // the triangle window, with no minimise or maximise action, centred over
    // the window, wide enough for its title, with the program's icon.
    void faultMessageBelongsToTheWindow()
    {
        qobject_cast<QLineEdit *>(control("txtRightSidea"))->setText(QStringLiteral("1e999"));
        qobject_cast<QLineEdit *>(control("txtRightSideb"))->setText(QStringLiteral("3"));
        QString title, transientFor, actions, prompt;
        QStringList icons;
        bool noMinMax = false;
        QPoint offCentre;
        int spare = 0;
        const bool shown = whileMessageShows(
            [this] { QTest::mouseClick(control("cmdRightCalculate"), Qt::LeftButton); },
            [&](QMessageBox *box) {
                title = box->windowTitle();
                prompt = box->text();
                transientFor = windowProperty(box, "WM_TRANSIENT_FOR");
                actions = windowProperty(box, "_NET_WM_ALLOWED_ACTIONS");
                noMinMax = asksForNoMinimiseOrMaximise(box);
                // The program sets its icon a moment after its first window shows.
                waitFor([&] {
                    icons = iconSizes(box);
                    return !icons.isEmpty();
                });
                // Where the window manager has put it, once it has framed it.
                waitFor([&] {
                    offCentre = frameOf(box).center() - frameOf(main).center();
                    return centred(offCentre, main);
                });
                QFont font = box->font();
                font.setBold(true);
                spare = box->width() - QFontMetrics(font).horizontalAdvance(title);
                screenshot(QStringLiteral("dorvic-fault"));
            });
        QVERIFY2(shown, "no message box was mapped");
        QCOMPARE(title, QStringLiteral("dorvic"));
        QVERIFY2(prompt.startsWith(QLatin1String("Overflow: ")), qPrintable(prompt));
        QCOMPARE(windowIds(transientFor), QList<WId>{main->winId()});
        QVERIFY2(noMinMax, "the box asks for a minimise or maximise button");
        QVERIFY2(!actions.contains(QLatin1String("_NET_WM_ACTION_MAXIMIZE")), qPrintable(actions));
        QVERIFY2(!icons.isEmpty(), "the message box has no icon");
        QVERIFY2(centred(offCentre, main),
                 qPrintable(QStringLiteral("off centre by %1, %2").arg(offCentre.x()).arg(offCentre.y())));
        QVERIFY2(spare >= 120, qPrintable(QStringLiteral("%1 px beside the title").arg(spare)));
    }
};

QTEST_MAIN(TestDesktopDorvic)
#include "tst_desktop_dorvic.moc"
