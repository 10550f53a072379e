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
        MessageBoxSeen seen;
        QVERIFY2(seeMessageBox([this] { QTest::mouseClick(control("cmdRightCalculate"), Qt::LeftButton); },
                               main, &seen, QStringLiteral("dorvic-fault")),
                 "no message box was mapped");
        QCOMPARE(seen.title, QStringLiteral("dorvic"));
        QVERIFY2(seen.prompt.startsWith(QLatin1String("Overflow: ")), qPrintable(seen.prompt));
        verifyDialogOf(seen, main);
    }
};

QTEST_MAIN(TestDesktopDorvic)
#include "tst_desktop_dorvic.moc"
