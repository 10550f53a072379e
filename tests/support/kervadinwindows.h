#pragma once
// The thread calculator's windows as its tests work them: a fresh program
// for each test function (windowtest::Session) and the steps a person takes
// again and again, each by real clicks and keys.

#include "kervadin/ui/familywindows.h"
#include "kervadin/ui/kervadin.h"
#include "windowtest.h"

namespace kervadinwindows {

class Session : public windowtest::Session<kervadin::Kervadin> {
public:
    // A text of the measurement window: a label's or the wire box's.
    QString shown(const QString &name) const
    {
        QWidget *control = find(QStringLiteral("frmKervadin3.") + name);
        if (auto *box = qobject_cast<QLineEdit *>(control))
            return box->text();
        return qobject_cast<QLabel *>(control)->text();
    }

    // Opens a window by the clicks a person makes from the measurement
    // window: the chooser by Click to Select, a size window or the custom
    // window by its button on the chooser, the check by Check Reading. The
    // window once it is active, else nullptr.
    QWidget *open(const QString &window)
    {
        clickTowards(window);
        QWidget *opened = find(window);
        return opened && QTest::qWaitForWindowActive(opened) ? opened : nullptr;
    }
    QWidget *open(kervadin::Family family) { return open(kervadin::familyWindow(family).window); }

    // Applies a size of a family through the chooser and its size window.
    void applySize(kervadin::Family family, int size)
    {
        const kervadin::FamilyWindow &row = kervadin::familyWindow(family);
        const QString window = QString::fromLatin1(row.window) + QLatin1Char('.');
        clickTowards(QString::fromLatin1(row.window));
        click(window + row.options[size]);
        click(window + row.apply);
    }

    // Types a custom thread into the custom window (opened first when it is
    // not on show), picks the angle (55, 60, or 0 for none) and presses APPLY.
    void applyCustom(const QString &diameter, const QString &pitch, int angle)
    {
        QWidget *custom = find("frmCustom");
        if (!custom || !custom->isVisible())
            clickTowards(QStringLiteral("frmCustom"));
        type("frmCustom.txtCustdia", diameter);
        type("frmCustom.txtCustpitch", pitch);
        if (angle == 55)
            click("frmCustom.opt55");
        else if (angle == 60)
            click("frmCustom.opt60");
        click("frmCustom.cmdAppcust");
    }

    // 1/4-20 UNC with a 0.0289 wire, one reading checked against class 2A.
    void checkQuarterInch2A(const QString &reading)
    {
        applySize(kervadin::Family::UNC, 0);
        calculate(QStringLiteral("0.0289"));
        click("frmKervadin3.cmdCheck");
        click("frmCheck.opt2A");
        type("frmCheck.txtReading1", reading);
        click("frmCheck.cmdEvaluate");
    }

    // Types the wire into the measurement window and presses Calculate.
    void calculate(const QString &wire)
    {
        type("frmKervadin3.txtActual", wire);
        click("frmKervadin3.cmdCalc");
    }

private:
    // The clicks that open the window, one after the other.
    void clickTowards(const QString &window)
    {
        if (window == QLatin1String("frmCheck")) {
            click("frmKervadin3.cmdCheck");
        } else if (window != QLatin1String("frmKervadin3")) {
            click("frmKervadin3.CtS");
            for (int i = 0; i < kervadin::FamilyCount; ++i) {
                const kervadin::FamilyWindow &row = kervadin::familyWindow(kervadin::Family(i));
                if (window == QLatin1String(row.window))
                    click(QStringLiteral("frmType.") + row.chooserButton);
            }
            if (window == QLatin1String("frmCustom"))
                click("frmType.cmdCustom");
        }
    }
};

} // namespace kervadinwindows
