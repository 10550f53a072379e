#pragma once
// Looking at a program's windows as a window manager and a person see them:
// the X properties of the real windows, read with xprop, on the display
// tests/desktop/run.sh makes (Xvfb with openbox).

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>

namespace desktop {

// How long anything on the display is waited for before the test fails: a
// loaded machine takes seconds to start a program under a window manager.
constexpr int WaitMs = 15000;

inline QString xprop(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("xprop"), args);
    if (!p.waitForFinished(5000))
        return QStringLiteral("xprop timed out");
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

inline QString windowProperty(const QWidget *window, const char *name)
{
    return xprop({QStringLiteral("-id"), QString::number(window->winId()), QLatin1String(name)});
}

// The window ids a WINDOW property holds (WM_TRANSIENT_FOR, _NET_ACTIVE_WINDOW).
inline QList<WId> windowIds(const QString &xpropOutput)
{
    QList<WId> ids;
    const QRegularExpression id(QStringLiteral("0x[0-9a-fA-F]+"));
    for (auto it = id.globalMatch(xpropOutput.section(QLatin1Char('#'), 1)); it.hasNext();)
        ids.append(it.next().captured().toULongLong(nullptr, 16));
    return ids;
}

// Whether the window asks the window manager for no minimise and no maximise
// button or action (its Motif hints, which Qt sets from the window flags).
// Some window managers (openbox among them) keep the minimise button of
// every dialog all the same; none offers to maximise a box of fixed size.
inline bool asksForNoMinimiseOrMaximise(const QWidget *window)
{
    const QString hints = windowProperty(window, "_MOTIF_WM_HINTS").section(QLatin1Char('='), 1);
    const QStringList fields = hints.split(QLatin1Char(','));
    if (fields.size() < 3)
        return false;
    const uint flags = fields[0].trimmed().toUInt(nullptr, 16);
    const uint functions = fields[1].trimmed().toUInt(nullptr, 16);
    const uint decorations = fields[2].trimmed().toUInt(nullptr, 16);
    // flags: 1 functions, 2 decorations given; functions: 1 all, 8 minimise,
    // 16 maximise; decorations: 1 all, 32 minimise, 64 maximise.
    return (flags & 3) == 3 && !(functions & (1 | 8 | 16)) && !(decorations & (1 | 32 | 64));
}

// The window with the frame the window manager put around it, as the
// platform reports it. (QWidget's own frameGeometry() works from a frame it
// may have measured earlier: once, a message box's came out 1x1 at the
// corner of its client area, and the box never looked centred.)
inline QRect frameOf(const QWidget *window)
{
    return window->windowHandle()->frameGeometry();
}

// Whether a dialog whose frame centre is `offset` from its window's is
// centred over it. A window manager may place a new dialog's frame around
// the client area asked for rather than at it, so the height of the title
// bar is allowed vertically.
inline bool centred(const QPoint &offset, const QWidget *window)
{
    const int titleBar = window->windowHandle()->frameMargins().top();
    return qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= titleBar + 2;
}

// The sizes of the icons in the window's _NET_WM_ICON ("16x16", ...).
inline QStringList iconSizes(const QWidget *window)
{
    QStringList sizes;
    const QRegularExpression icon(QStringLiteral("Icon \\((\\d+) x (\\d+)\\)"));
    for (auto it = icon.globalMatch(windowProperty(window, "_NET_WM_ICON")); it.hasNext();) {
        const auto m = it.next();
        sizes.append(m.captured(1) + QLatin1Char('x') + m.captured(2));
    }
    return sizes;
}

// Whether the window's _NET_WM_ICON comes to hold the program's icon at
// title-bar and at window-switcher size (the program sets it a moment
// after its first window shows); `sizes` gets the sizes it holds.
inline bool carriesProgramIcon(const QWidget *window, QStringList *sizes)
{
    return QTest::qWaitFor([&] {
        *sizes = iconSizes(window);
        return sizes->contains(QLatin1String("16x16")) && sizes->contains(QLatin1String("128x128"));
    }, WaitMs);
}

// "Normal", "Iconic" or "Withdrawn" (ICCCM WM_STATE, set by the window manager).
inline QString wmState(const QWidget *window)
{
    const QRegularExpression state(QStringLiteral("window state: (\\w+)"));
    const auto m = state.match(windowProperty(window, "WM_STATE"));
    return m.hasMatch() ? m.captured(1) : QStringLiteral("none");
}

// Whether the window is on the screen for the window manager (WM_STATE
// Normal) and for the program: exposed, so the program has read its map
// event and sent what it put off until then (an activation, which would
// restore a window minimised meanwhile).
inline bool onScreen(const QWidget *window)
{
    return window && window->isVisible() && window->windowHandle()
        && window->windowHandle()->isExposed() && wmState(window) == QLatin1String("Normal");
}

inline WId activeWindow()
{
    const QList<WId> ids = windowIds(xprop({QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")}));
    return ids.isEmpty() ? 0 : ids.first();
}

// Polls (processing events) until `done` holds or WaitMs have passed.
inline bool waitFor(const std::function<bool()> &done)
{
    return QTest::qWaitFor(done, WaitMs);
}

// A real click of the X server's pointer in the middle of a control, as a
// person's click reaches the window manager and the program (xdotool).
inline bool realClick(const QWidget *control)
{
    const QPoint at = control->mapTo(control->window(), control->rect().center());
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("mousemove"),
                              QStringLiteral("--window"), QString::number(control->window()->winId()),
                              QString::number(at.x()), QString::number(at.y()),
                              QStringLiteral("click"), QStringLiteral("1")})
        == 0;
}

// The whole screen to DIR/NAME.png when DESKTOP_SCREENSHOTS=DIR is set, for
// a person to look at; needs ImageMagick's import.
inline void screenshot(const QString &name)
{
    const QString dir = qEnvironmentVariable("DESKTOP_SCREENSHOTS");
    if (dir.isEmpty())
        return;
    QTest::qWait(300); // let the windows paint
    QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                                 dir + QLatin1Char('/') + name + QStringLiteral(".png")});
}

// Runs `trigger`, which shows a message box and returns once it is answered;
// once the box is on screen (mapped by the window manager), `inspect` looks
// at it and the box is answered with OK. False when no box came up.
inline bool whileMessageShows(const std::function<void()> &trigger,
                              const std::function<void(QMessageBox *)> &inspect)
{
    bool seen = false;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        const bool mapped = onScreen(box);
        if (!mapped && clock.elapsed() < WaitMs)
            return;
        poll.stop();
        seen = mapped;
        if (mapped)
            inspect(box);
        box->button(QMessageBox::Ok)->click();
    });
    poll.start();
    trigger();
    poll.stop();
    return seen;
}

// What a message box shows the window manager and a person.
struct MessageBoxSeen {
    QString title, prompt, transientFor, actions;
    QStringList icons;
    bool noMinMax = false;
    QPoint offCentre; // of its frame from its window's
    int spare = 0;    // pixels beside its title in bold
};

// Runs `trigger`, which shows a message box over `owner` (see
// whileMessageShows), and reads the box once it is on screen; the box is
// photographed as `screenshotName`. False when no box came up.
inline bool seeMessageBox(const std::function<void()> &trigger, const QWidget *owner,
                          MessageBoxSeen *seen, const QString &screenshotName)
{
    return whileMessageShows(trigger, [&](QMessageBox *box) {
        seen->title = box->windowTitle();
        seen->prompt = box->text();
        seen->transientFor = windowProperty(box, "WM_TRANSIENT_FOR");
        seen->actions = windowProperty(box, "_NET_WM_ALLOWED_ACTIONS");
        seen->noMinMax = asksForNoMinimiseOrMaximise(box);
        // The program sets its icon a moment after its first window shows.
        waitFor([&] {
            seen->icons = iconSizes(box);
            return !seen->icons.isEmpty();
        });
        // Where the window manager has put it, once it has framed it.
        waitFor([&] {
            seen->offCentre = frameOf(box).center() - frameOf(owner).center();
            return centred(seen->offCentre, owner);
        });
        QFont font = box->font();
        font.setBold(true);
        seen->spare = box->width() - QFontMetrics(font).horizontalAdvance(seen->title);
        screenshot(screenshotName);
    });
}

// A message box is a dialog of the window it came from: transient for it,
// with no minimise or maximise action, with the program's icon, centred over
// it and wide enough for its title.
inline void verifyDialogOf(const MessageBoxSeen &seen, const QWidget *owner)
{
    QCOMPARE(windowIds(seen.transientFor), QList<WId>{owner->winId()});
    QVERIFY2(seen.noMinMax, "the box asks for a minimise or maximise button");
    QVERIFY2(!seen.actions.contains(QLatin1String("_NET_WM_ACTION_MAXIMIZE")), qPrintable(seen.actions));
    QVERIFY2(!seen.icons.isEmpty(), "the message box has no icon");
    QVERIFY2(centred(seen.offCentre, owner), qPrintable(QStringLiteral("off centre by %1, %2")
                                                          .arg(seen.offCentre.x())
                                                          .arg(seen.offCentre.y())));
    // Room beside the title for the title bar's icon and buttons.
    QVERIFY2(seen.spare >= 120, qPrintable(QStringLiteral("%1 px beside the title").arg(seen.spare)));
}

} // namespace desktop
