#pragma once
// The text a control shows: a label's, a box's, or a button's caption;
// empty for any other control.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

inline QString controlText(const QWidget *control)
{
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *box = qobject_cast<const QLineEdit *>(control))
        return box->displayText();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    return {};
}
