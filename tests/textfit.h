#pragma once
// Whether every text a window shows fits the control that shows it, in the
// fonts and style this machine draws them with. A label's text must fit its
// contents rectangle (each line of a multi-line text, or the wrapped text of
// a word-wrapping label); a button's or option's caption the space the style
// leaves beside its frame or indicator; a text box's text the space inside
// its frame and margins.

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>

namespace textfit {

// initStyleOption is protected; a pointer to it taken through a subclass
// may be called on any widget of the class.
struct PushButtonOption : QPushButton {
    static QStyleOptionButton of(const QPushButton *button)
    {
        QStyleOptionButton option;
        (button->*(&PushButtonOption::initStyleOption))(&option);
        return option;
    }
};

struct RadioButtonOption : QRadioButton {
    static QStyleOptionButton of(const QRadioButton *button)
    {
        QStyleOptionButton option;
        (button->*(&RadioButtonOption::initStyleOption))(&option);
        return option;
    }
};

struct LineEditOption : QLineEdit {
    static QStyleOptionFrame of(const QLineEdit *box)
    {
        QStyleOptionFrame option;
        (box->*(&LineEditOption::initStyleOption))(&option);
        return option;
    }
};

// QLineEdit keeps this many pixels free on either side of its text.
constexpr int LineEditInnerMargin = 2;

inline QString describe(const QWidget *control, const QString &text, const QSize &needed,
                        const QSize &room)
{
    return QStringLiteral("%1.%2 \"%3\" needs %4x%5, has %6x%7")
        .arg(control->window()->objectName(), control->objectName(), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

// The space a control leaves its text, and the text; an empty text when
// the control shows none.
inline QRect roomFor(const QWidget *control, QString *text)
{
    text->clear();
    if (auto *label = qobject_cast<const QLabel *>(control)) {
        *text = label->text();
        const int margin = label->margin();
        return label->contentsRect().adjusted(margin, margin, -margin, -margin);
    }
    if (auto *radio = qobject_cast<const QRadioButton *>(control)) {
        *text = radio->text();
        const QStyleOptionButton option = RadioButtonOption::of(radio);
        return radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
    }
    if (auto *push = qobject_cast<const QPushButton *>(control)) {
        *text = push->text();
        const QStyleOptionButton option = PushButtonOption::of(push);
        return push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push);
    }
    if (auto *box = qobject_cast<const QLineEdit *>(control)) {
        *text = box->displayText();
        const QStyleOptionFrame option = LineEditOption::of(box);
        const QMargins margins = box->textMargins();
        return box->style()
            ->subElementRect(QStyle::SE_LineEditContents, &option, box)
            .adjusted(margins.left() + LineEditInnerMargin, margins.top(),
                      -margins.right() - LineEditInnerMargin, -margins.bottom());
    }
    return {};
}

// The texts of a window's visible controls that do not fit, each described
// with the size it needs and the size it has.
inline QStringList misfits(const QWidget *window)
{
    QStringList found;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(window))
            continue;
        QString text;
        const QRect room = roomFor(control, &text);
        if (text.isEmpty())
            continue;
        const QFontMetrics metrics = control->fontMetrics();
        QSize needed;
        auto *label = qobject_cast<const QLabel *>(control);
        if (label && label->wordWrap()) {
            needed = metrics.boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, text)
                         .size();
        } else {
            const QStringList lines = text.split(QLatin1Char('\n'));
            int width = 0;
            for (const QString &line : lines)
                width = std::max(width, metrics.horizontalAdvance(line));
            // One line needs the height of its ink; several need their line
            // spacing, the last without the leading below it.
            const int height = lines.size() == 1
                ? metrics.tightBoundingRect(text).height()
                : lines.size() * metrics.lineSpacing() - metrics.leading();
            needed = QSize(width, height);
        }
        if (needed.width() > room.width() || needed.height() > room.height())
            found << describe(control, text, needed, room.size());
    }
    return found;
}

} // namespace textfit

// Fails the running test with every text of the window that does not fit.
#define VERIFY_TEXTS_FIT(window)                                                  \
    do {                                                                           \
        const QStringList cut = textfit::misfits(window);                          \
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));         \
    } while (false)
