#pragma once
// Whether every text a window shows fits its control, in the fonts and style
// this machine draws them with: a label's text (each line, or the wrapped
// text of a word-wrapping label) within its contents rectangle; a button's or
// option's caption within the width its style asks for; a text box's text
// within its frame and margins.

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>

namespace textfit {

// QLineEdit::initStyleOption is protected; a pointer to it taken through a
// subclass may be called on any text box.
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

// What does not fit, as "window.control "text" needs WxH, has WxH".
inline QString misfit(const QWidget *control)
{
    QString text;
    QSize needed;
    QSize room;
    const QFontMetrics metrics = control->fontMetrics();
    if (auto *button = qobject_cast<const QAbstractButton *>(control)) {
        text = button->text();
        needed = QSize(button->sizeHint().width(), 0);
        room = QSize(button->width(), 0);
    } else if (auto *box = qobject_cast<const QLineEdit *>(control)) {
        text = box->displayText();
        const QStyleOptionFrame option = LineEditOption::of(box);
        const QMargins margins = box->textMargins();
        room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).size()
               - QSize(margins.left() + margins.right() + 2 * LineEditInnerMargin,
                       margins.top() + margins.bottom());
        needed = QSize(metrics.horizontalAdvance(text), metrics.tightBoundingRect(text).height());
    } else if (auto *label = qobject_cast<const QLabel *>(control)) {
        text = label->text();
        const QRect contents = label->contentsRect().marginsRemoved(
            QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
        room = contents.size();
        if (label->wordWrap()) {
            needed = metrics.boundingRect(contents, int(label->alignment()) | Qt::TextWordWrap, text)
                         .size();
        } else {
            // One line needs the height of its ink, several their spacing.
            const QStringList lines = text.split(QLatin1Char('\n'));
            for (const QString &line : lines)
                needed.setWidth(std::max(needed.width(), metrics.horizontalAdvance(line)));
            needed.setHeight(lines.size() == 1
                                 ? metrics.tightBoundingRect(text).height()
                                 : int(lines.size()) * metrics.lineSpacing() - metrics.leading());
        }
    }
    if (text.isEmpty() || (needed.width() <= room.width() && needed.height() <= room.height()))
        return {};
    return QStringLiteral("%1.%2 \"%3\" needs %4x%5, has %6x%7")
        .arg(control->window()->objectName(), control->objectName(), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

inline QStringList misfits(const QWidget *window)
{
    QStringList found;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        const QString cut = control->isVisibleTo(window) ? misfit(control) : QString();
        if (!cut.isEmpty())
            found << cut;
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
