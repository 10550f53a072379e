#include "runtime/controls.h"

#include <QMouseEvent>

namespace rt {

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
