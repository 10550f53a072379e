#include "runtime/controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcut>

namespace rt {
namespace {

class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel *label)
        : QAccessibleWidget(label, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && !widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        if (t == QAccessible::Name)
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            label()->click();
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == pressAction() && !label()->shortcut().isEmpty())
            return {label()->shortcut().toString(QKeySequence::NativeText)};
        return {};
    }

private:
    ClickLabel *label() const { return static_cast<ClickLabel *>(widget()); }
};

// Named by its caption; what it shows is its value and its text, which
// can be read and selected through the text interface.
class ValueLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ValueLabelAccessible(ValueLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && !widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        if (t == QAccessible::Name || t == QAccessible::Value)
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && label()->hasSelectedText()) {
            *startOffset = label()->selectionStart();
            *endOffset = *startOffset + int(label()->selectedText().size());
        }
    }
    int selectionCount() const override { return label()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override
    {
        label()->setSelection(startOffset, endOffset - startOffset);
    }
    void removeSelection(int) override { label()->setSelection(0, 0); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        addSelection(startOffset, endOffset);
    }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        return label()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(label()->text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    ValueLabel *label() const { return static_cast<ValueLabel *>(widget()); }
};

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("rt::ClickLabel"))
        return new ClickLabelAccessible(static_cast<ClickLabel *>(object));
    if (className == QLatin1String("rt::ValueLabel"))
        return new ValueLabelAccessible(static_cast<ValueLabel *>(object));
    return nullptr;
}

void installAccessibleFactory()
{
    static const bool installed = (QAccessible::installFactory(accessibleFactory), true);
    Q_UNUSED(installed);
}

// The value field of a window that holds a selection, if any.
ValueLabel *selectedValue(QWidget *window)
{
    if (!window)
        return nullptr;
    for (ValueLabel *label : window->findChildren<ValueLabel *>()) {
        if (label->hasSelectedText())
            return label;
    }
    return nullptr;
}

bool isModifierKey(int key)
{
    return key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt
        || key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

// Value fields never hold the focus, so the copy key goes to the focused
// control of their window (a text box would copy its own selection). This
// watches the program's input: while a value field of the window holds a
// selection, the copy key copies it; a click elsewhere in the window or any
// other key clears that selection, so what Ctrl+C copies is always what was
// selected last.
class ValueCopyWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress
            && type != QEvent::MouseButtonPress)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget)
            return false;
        ValueLabel *selected = selectedValue(widget->window());
        if (!selected)
            return false;
        if (type == QEvent::MouseButtonPress) {
            if (widget != selected)
                selected->setSelection(0, 0);
            return false;
        }
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy)) {
            // Accepting the override keeps the key from any shortcut; the
            // key press that follows does the copy.
            event->accept();
            if (type == QEvent::KeyPress)
                selected->copy();
            return true;
        }
        if (type == QEvent::KeyPress && !isModifierKey(key->key()))
            selected->setSelection(0, 0);
        return false;
    }
};

} // namespace

ClickLabel::ClickLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    installAccessibleFactory();
}

ValueLabel::ValueLabel(const QString &caption, QWidget *parent)
    : QLabel(parent)
{
    installAccessibleFactory();
    watchApplication<ValueCopyWatcher>();
    setAccessibleName(caption);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Selectable text would make the label take the focus on a click.
    setFocusPolicy(Qt::NoFocus);
}

void ValueLabel::copy()
{
    QGuiApplication::clipboard()->setText(hasSelectedText() ? selectedText() : text());
}

void ValueLabel::selectAll()
{
    setSelection(0, int(text().size()));
}

void ValueLabel::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    QAction *copyAction = menu.addAction(tr("&Copy"), this, &ValueLabel::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(!text().isEmpty());
    // The key is shown; it works through the window (see ValueCopyWatcher).
    copyAction->setShortcutContext(Qt::WidgetShortcut);
    copyAction->setShortcutVisibleInContextMenu(true);
    QAction *selectAllAction = menu.addAction(tr("Select &All"), this, &ValueLabel::selectAll);
    selectAllAction->setEnabled(!text().isEmpty());
    menu.exec(event->globalPos());
    event->accept();
}

void ClickLabel::setShortcut(const QKeySequence &keys)
{
    m_shortcut = keys;
    auto *shortcut = new QShortcut(keys, window());
    connect(shortcut, &QShortcut::activated, this, &ClickLabel::click);
}

OptionButton::OptionButton(const QString &caption, QWidget *parent)
    : QRadioButton(caption, parent)
{
    connect(this, &QAbstractButton::toggled, this, &OptionButton::keepEveryOptionATabStop);
}

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void OptionButton::focusInEvent(QFocusEvent *event)
{
    QRadioButton::focusInEvent(event);
    keepEveryOptionATabStop();
}

void OptionButton::keepEveryOptionATabStop()
{
    if (!parentWidget())
        return;
    for (auto *option : parentWidget()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly))
        option->setFocusPolicy(Qt::StrongFocus);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        event->accept();
        if (rect().contains(event->position().toPoint()))
            emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace rt
