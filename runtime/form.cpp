#include "runtime/form.h"

#include "runtime/session.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace rt {

namespace {
// What a window manager's frame usually adds around the client area.
constexpr int FrameAllowance = 8;
constexpr int TitleAllowance = 40;
} // namespace

void bringToFront(QWidget *window)
{
    // Front means visible: a minimised window is restored first.
    if (window->isMinimized())
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    // The offscreen platform has no stacking order and warns on raise().
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window->raise();
    window->activateWindow();
}

int px(int twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(left, top, width, height);
}

Form::Form(const QString &name, const QString &caption, int widthTwips, int heightTwips,
           const QColor &background, QWidget *parent)
    : QWidget(parent)
{
    session::watchEnd();
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(px(widthTwips), px(heightTwips));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    setPalette(pal);
    setAutoFillBackground(true);
}

void Form::placeOnScreen()
{
    m_placed = true;
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame adds a title bar and borders the client size does not show.
    const QSize frame = frameGeometry().size().expandedTo(size());
    const QSize outer(frame.width() + 2 * FrameAllowance, frame.height() + TitleAllowance);
    QPoint topLeft(area.center().x() - outer.width() / 2, area.center().y() - outer.height() / 2);

    Form *mainForm = session::mainForm();
    if (mainForm && mainForm != this && mainForm->isVisible()) {
        const QRect main = mainForm->frameGeometry();
        const int gap = FrameAllowance;
        topLeft.setY(main.top());
        if (main.right() + gap + outer.width() <= area.right())
            topLeft.setX(main.right() + gap);
        else if (main.left() - gap - outer.width() >= area.left())
            topLeft.setX(main.left() - gap - outer.width());
        else
            topLeft.setX(main.left() + main.width() / 2);
    }
    // Never off screen.
    topLeft.setX(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() - outer.width())));
    topLeft.setY(std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() - outer.height())));
    move(topLeft);
}

void Form::showForm()
{
    if (!m_placed)
        placeOnScreen();
    show();
    bringToFront(this);
}

void Form::hideForm()
{
    hide();
}

void Form::setMainForm(Form *form)
{
    session::setMainForm(form);
}

void Form::closeEvent(QCloseEvent *event)
{
    // Hiding, rather than letting Qt close the window, keeps its native
    // window: a window destroyed and made again on every close leaves a
    // little of the toolkit's focus bookkeeping behind each time.
    event->ignore();
    hide();
}

void Form::showEvent(QShowEvent *event)
{
    // Decided once, when the window first shows: the windows set their
    // controls' look (word wrap, padding) after making them.
    if (!m_fitted) {
        m_fitted = true;
        for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            fitText(control);
    }
    QWidget::showEvent(event);
}

void Form::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    QWidget *active = QApplication::activeWindow();
    Form *mainForm = session::mainForm();
    if (mainForm && mainForm != this && mainForm->isVisible() && (!active || active == this))
        bringToFront(mainForm);
}

void Form::addShape(ShapeKind kind, const QRect &twips, const QColor &fill, const QColor &outline)
{
    m_drawing.addShape(kind, twips, fill, outline);
}

void Form::addLine(int x1, int y1, int x2, int y2, const QColor &colour)
{
    m_drawing.addLine(QLine(x1, y1, x2, y2), colour);
}

void Form::paintEvent(QPaintEvent *)
{
    session::painted();
    m_drawing.paint(this);
}

} // namespace rt
