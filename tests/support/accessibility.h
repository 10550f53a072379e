#pragma once
// Walks a window's accessibility tree as a screen reader does and lists the
// controls it could not speak: every text box, button, option and label
// (captions and value fields alike, empty or not) and anything else that
// takes the focus must have a name.

#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace accessibility {

inline bool isControl(const QAccessibleInterface *node)
{
    switch (node->role()) {
    case QAccessible::EditableText:
    case QAccessible::PushButton:
    case QAccessible::RadioButton:
    case QAccessible::CheckBox:
    case QAccessible::StaticText:
        return true;
    default:
        return node->state().focusable;
    }
}

inline void collectUnnamed(QAccessibleInterface *node, QStringList *unnamed, int *controls)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        if (isControl(child)) {
            ++*controls;
            if (child->text(QAccessible::Name).trimmed().isEmpty())
                *unnamed << child->object()->objectName();
        }
        collectUnnamed(child, unnamed, controls);
    }
}

// The object names of the window's unnamed controls; `controls` counts the
// controls walked, so a test can tell an empty walk from a clean one.
inline QStringList unnamedControls(QWidget *window, int *controls)
{
    QStringList unnamed;
    *controls = 0;
    if (QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window))
        collectUnnamed(root, &unnamed, controls);
    return unnamed;
}

inline QString nameOf(QWidget *control)
{
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(control);
    return node ? node->text(QAccessible::Name) : QString();
}

} // namespace accessibility
