#pragma once
// Small controls the windows need beyond Qt's own, and the one way click
// handlers are wired (so an arithmetic fault in any handler is reported).

#include "runtime/messages.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QPointer>
#include <QKeySequence>
#include <QLabel>
#include <QRadioButton>

namespace rt {

// A label that acts on a left click, as a button does. It takes no place in
// the tab order; a keyboard shortcut of its window reaches it instead, and
// assistive technology sees a button that can be pressed.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString &text, QWidget *parent = nullptr);

    void setShortcut(const QKeySequence &keys);
    QKeySequence shortcut() const { return m_shortcut; }
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
    QKeySequence m_shortcut;
};

// A label that shows a value of the window. Assistive technology speaks the
// caption it stands under as its name and offers the text it shows as its
// value and text. The text can be selected with the mouse, yet the label
// never takes the keyboard focus. Ctrl+C copies the selection wherever the
// focus of its window is, as long as the selection stands (a click elsewhere
// in the window or a key pressed clears it); the context menu offers Copy
// (the selection, or the whole value when nothing is selected) and Select
// All.
class ValueLabel : public QLabel {
    Q_OBJECT
public:
    explicit ValueLabel(const QString &caption, QWidget *parent = nullptr);

    // The selection, or the whole value when nothing is selected, to the
    // clipboard.
    void copy();
    void selectAll();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
};

// An option button of a group: at most one of the window's options is
// selected. A click anywhere on it selects it, and every option is a stop of
// the window's tab order (Qt would keep only the checked one).
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString &caption, QWidget *parent = nullptr);

protected:
    bool hitButton(const QPoint &pos) const override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void keepEveryOptionATabStop();
};

// A check box: a click anywhere on it ticks or unticks it.
class CheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

// Installs one Watcher (an event filter) on the application, the first time
// it is asked for while an application exists; it lives as long as the
// application.
template <typename Watcher>
void watchApplication()
{
    static QPointer<Watcher> watcher;
    if (watcher || !QCoreApplication::instance())
        return;
    watcher = new Watcher(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watcher);
}

// Connects a click to a handler of the window, run guarded; the messages it
// shows belong to the window.
template <typename Window>
void onClick(QAbstractButton *button, Window *window, void (Window::*handler)())
{
    QObject::connect(button, &QAbstractButton::clicked, window, [window, handler] {
        MessageSource source(window);
        guarded([&] { (window->*handler)(); });
    });
}

template <typename Window>
void onClick(ClickLabel *label, Window *window, void (Window::*handler)())
{
    QObject::connect(label, &ClickLabel::clicked, window, [window, handler] {
        MessageSource source(window);
        guarded([&] { (window->*handler)(); });
    });
}

} // namespace rt
