#pragma once
// Whether every text a window shows can be read whole, judged from the
// pixels a person sees rather than from any measure the program fits its
// texts by. Each control is drawn as it is, and drawn again with room to
// spare; the ink of its text (where the drawing with the text differs from
// the same drawing without it) must be as large in both, so nothing is cut
// off, and must lie within the part of the control its style keeps for text
// (inside a label's frame and margin, a button's bevel, a box's frame and
// margins; an option's text beside its mark), so nothing runs over a
// border. Whatever face and size the text is drawn in, that is what is
// measured.

#include "controltext.h"

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>

namespace textfit {

// How much a text's ink may differ, in pixels of the screen's scale: the
// rounding of a text drawn at another offset.
constexpr int Slack = 1;

// initStyleOption is protected; a pointer to it taken through a subclass may
// be called on any control of the class.
template <typename Control, typename Option>
struct StyleOption : Control {
    static Option of(const Control *control)
    {
        Option option;
        (control->*(&StyleOption::initStyleOption))(&option);
        return option;
    }
};

// Where the control's style draws its text, in the control's coordinates.
inline QRect textRoom(const QWidget *control)
{
    const QStyle *style = control->style();
    if (auto *box = qobject_cast<const QLineEdit *>(control)) {
        const auto option = StyleOption<QLineEdit, QStyleOptionFrame>::of(box);
        return style->subElementRect(QStyle::SE_LineEditContents, &option, box)
            .marginsRemoved(box->textMargins());
    }
    if (auto *option = qobject_cast<const QRadioButton *>(control)) {
        const auto o = StyleOption<QRadioButton, QStyleOptionButton>::of(option);
        return style->subElementRect(QStyle::SE_RadioButtonContents, &o, option)
            | style->subElementRect(QStyle::SE_RadioButtonIndicator, &o, option);
    }
    if (auto *button = qobject_cast<const QPushButton *>(control)) {
        const auto option = StyleOption<QPushButton, QStyleOptionButton>::of(button);
        return style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    if (auto *label = qobject_cast<const QLabel *>(control)) {
        const int m = label->margin();
        return label->contentsRect().marginsRemoved(QMargins(m, m, m, m));
    }
    return control->rect();
}

// The pixels where two drawings of the same control differ, in pixels of
// the screen's scale.
inline QRect difference(const QImage &a, const QImage &b)
{
    const QImage one = a.convertToFormat(QImage::Format_ARGB32);
    const QImage other = b.convertToFormat(QImage::Format_ARGB32);
    QRect found;
    for (int y = 0; y < one.height(); ++y) {
        const auto *p = reinterpret_cast<const QRgb *>(one.constScanLine(y));
        const auto *q = reinterpret_cast<const QRgb *>(other.constScanLine(y));
        for (int x = 0; x < one.width(); ++x) {
            if (p[x] != q[x])
                found |= QRect(x, y, 1, 1);
        }
    }
    return found;
}

// The ink of the control's text as drawn now: the drawing of the control
// against the same drawing without the text (a label's or a button's text
// taken away, a box's drawn in transparent colours, which leaves its
// contents as they are). The control is put back as it was.
inline QRect textInk(QWidget *control)
{
    const QImage drawn = control->grab().toImage();
    QImage blank;
    auto drawnWithout = [&blank](auto *control) {
        const QString text = control->text();
        control->setText(QString());
        blank = control->grab().toImage();
        control->setText(text);
    };
    if (auto *label = qobject_cast<QLabel *>(control)) {
        const int start = label->selectionStart();
        const int length = int(label->selectedText().size());
        drawnWithout(label);
        if (start >= 0)
            label->setSelection(start, length);
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        drawnWithout(button);
    } else {
        const QPalette palette = control->palette();
        const bool ownPalette = control->testAttribute(Qt::WA_SetPalette);
        QPalette invisible = palette;
        for (auto role : {QPalette::Text, QPalette::HighlightedText})
            invisible.setColor(role, Qt::transparent);
        control->setPalette(invisible);
        blank = control->grab().toImage();
        control->setPalette(ownPalette ? palette : QPalette());
    }
    return difference(drawn, blank);
}

// What is wrong with the text of a control, or an empty text.
inline QString misfit(QWidget *control)
{
    const QString text = controlText(control);
    if (text.trimmed().isEmpty())
        return {};

    const QRect ink = textInk(control);
    // With room to spare: taller, and wider unless the text wraps to the width.
    const QRect geometry = control->geometry();
    auto *label = qobject_cast<QLabel *>(control);
    const int spare = 4 * geometry.height() + 200;
    control->resize(geometry.width() + (label && label->wordWrap() ? 0 : spare),
                    geometry.height() + spare);
    const QRect whole = textInk(control);
    control->setGeometry(geometry);

    const qreal scale = control->devicePixelRatioF();
    const QRect room = textRoom(control);
    const QRect roomPixels(room.topLeft() * scale, room.size() * scale);
    const bool cut = ink.width() < whole.width() - Slack || ink.height() < whole.height() - Slack;
    const bool over = !roomPixels.adjusted(-Slack, -Slack, Slack, Slack).contains(ink);
    if (!cut && !over)
        return {};
    auto at = [](const QRect &r) {
        return QStringLiteral("%1x%2 at %3,%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
    };
    return QStringLiteral("%1.%2 \"%3\" %4: ink %5, with room to spare %6, room for text %7")
        .arg(control->window()->objectName(), control->objectName(), text,
             cut ? QStringLiteral("cut") : QStringLiteral("over its border"), at(ink), at(whole),
             at(roomPixels));
}

inline QStringList misfits(const QWidget *window)
{
    QStringList found;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const QString wrong = control->isVisibleTo(window) ? misfit(control) : QString();
        if (!wrong.isEmpty())
            found << wrong;
    }
    return found;
}

} // namespace textfit

// Fails the running test with every text of the window that cannot be read whole.
#define VERIFY_TEXTS_FIT(window)                                                  \
    do {                                                                           \
        const QStringList cut = textfit::misfits(window);                          \
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));         \
    } while (false)
