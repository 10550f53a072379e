#include "runtime/controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
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

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("rt::ClickLabel") && object && object->isWidgetType())
        return new ClickLabelAccessible(static_cast<ClickLabel *>(object));
    return nullptr;
}

} // namespace

ClickLabel::ClickLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    static const bool installed = (QAccessible::installFactory(accessibleFactory), true);
    Q_UNUSED(installed);
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
