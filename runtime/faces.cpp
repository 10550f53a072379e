#include "runtime/faces.h"

#include "runtime/controls.h"

#include <QAbstractButton>
#include <QFont>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cmath>

namespace rt {

namespace {

// What a box or a one-line value is fitted for: their text changes, and it
// is mostly numbers.
const QString DigitSample = QStringLiteral("0123456789.");

struct FaceRole {
    Face face;
    // The faces with the metrics the windows are laid out for, best first,
    // and the face shown where none of them is installed.
    QStringList laidOutFor;
    QString fallback;
    QFont::Capitalization capitalization;
    // The advance of DigitSample in the faces laid out for, in ems (the
    // same in their regular and bold weights).
    double sampleEms;

    QStringList families() const { return laidOutFor + QStringList{fallback}; }
};

// Every face the windows use, by role. Liberation Sans and Serif have the
// metrics of the faces the windows are laid out for; DejaVu is on every
// Debian desktop.
const FaceRole Roles[] = {
    {Face::Window,
     {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")},
     QStringLiteral("DejaVu Sans"), QFont::MixedCase, 11959.0 / 2048},
    {Face::Title, {QStringLiteral("Algerian"), QStringLiteral("Liberation Serif")},
     QStringLiteral("DejaVu Serif"), QFont::AllUppercase, 10752.0 / 2048},
    {Face::Triangle, {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
     QStringLiteral("DejaVu Sans"), QFont::MixedCase, 11959.0 / 2048},
};

const FaceRole &faceRole(Face face)
{
    for (const FaceRole &role : Roles) {
        if (role.face == face)
            return role;
    }
    return Roles[0];
}

// The role a font of formFont() was made for; nullptr for any other font.
const FaceRole *roleOf(const QFont &font)
{
    for (const FaceRole &role : Roles) {
        if (font.families() == role.families())
            return &role;
    }
    return nullptr;
}

// The smallest size text is drawn in to make it fit: 6 points, in pixels
// of 96 to the inch.
constexpr int FloorPixels = 8;

// Whether a control's text fits it in the font it has now: a button's or
// option's caption within the width its style asks for, a label's text
// (each line, or the text wrapped) within its contents.
bool textFits(const QWidget *control)
{
    const QFontMetrics metrics = control->fontMetrics();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text().isEmpty() || button->sizeHint().width() <= button->width();
    auto *label = qobject_cast<const QLabel *>(control);
    if (!label || label->text().isEmpty())
        return true;
    const QString text = label->text();
    const int margin = label->margin();
    const QRect room = label->contentsRect().marginsRemoved({margin, margin, margin, margin});
    QSize needed;
    if (label->wordWrap()) {
        needed = metrics.boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, text).size();
    } else {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (const QString &line : lines)
            needed.setWidth(std::max(needed.width(), metrics.horizontalAdvance(line)));
        needed.setHeight(lines.size() == 1
                             ? metrics.tightBoundingRect(text).height()
                             : int(lines.size()) * metrics.lineSpacing() - metrics.leading());
    }
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// A caption that does not fit at the smallest size loses its end to an
// ellipsis; the whole caption stays its tooltip and spoken name.
void elide(QWidget *control)
{
    const QFontMetrics metrics = control->fontMetrics();
    QString whole;
    if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        whole = button->text();
        const int padding = button->sizeHint().width() - metrics.horizontalAdvance(whole);
        button->setText(metrics.elidedText(whole, Qt::ElideRight, button->width() - padding));
    } else if (auto *label = qobject_cast<QLabel *>(control);
               label && !label->wordWrap() && !label->text().contains(QLatin1Char('\n'))) {
        whole = label->text();
        const int margin = label->margin();
        label->setText(metrics.elidedText(whole, Qt::ElideRight,
                                          label->contentsRect().width() - 2 * margin));
    } else {
        return;
    }
    if (control->toolTip().isEmpty())
        control->setToolTip(whole);
    if (control->accessibleName().isEmpty())
        control->setAccessibleName(whole);
}

// Whether digits in `font` take no more room than in the faces laid out for
// at `laidOutPixels` (half a pixel allows for rounding).
bool digitsFit(const QFont &font, const FaceRole &role, int laidOutPixels)
{
    return QFontMetricsF(font).horizontalAdvance(DigitSample)
           <= role.sampleEms * laidOutPixels + 0.5;
}

} // namespace

QFont formFont(Face face, double points, FontStyles style)
{
    const FaceRole &role = faceRole(face);
    QFont font;
    font.setFamilies(role.families());
    font.setCapitalization(role.capitalization);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(style.testFlag(FontStyle::Bold));
    font.setItalic(style.testFlag(FontStyle::Italic));
    font.setUnderline(style.testFlag(FontStyle::Underline));
    return font;
}

// A smaller size of a control's face, when its text would not fit: first,
// for a box, or a value that holds one line (a number, mostly), whose text
// changes, until digits take no more room than in the faces the window is
// laid out for (another face, or hinting that widens the glyphs, needs
// more); then, for every control, until its present text fits.
void fitText(QWidget *control)
{
    QFont font = control->font();
    const FaceRole *role = roleOf(font);
    const int laidOutPixels = font.pixelSize();
    if (!role || laidOutPixels <= 0)
        return;
    auto *value = qobject_cast<ValueLabel *>(control);
    const bool oneLineValue = value && !value->wordWrap()
                              && value->contentsRect().height()
                                     < 2 * value->fontMetrics().lineSpacing();
    if (qobject_cast<QLineEdit *>(control) || oneLineValue) {
        while (font.pixelSize() > FloorPixels && !digitsFit(font, *role, laidOutPixels))
            font.setPixelSize(font.pixelSize() - 1);
        control->setFont(font);
    }
    while (!textFits(control) && font.pixelSize() > FloorPixels) {
        font.setPixelSize(font.pixelSize() - 1);
        control->setFont(font);
    }
    if (!textFits(control))
        elide(control);
}

void fitToFirstFont(QWidget *control, const Font *fonts, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        control->setFont(formFont(fonts[i].face, fonts[i].points, fonts[i].style));
        if (textFits(control))
            return;
    }
}

} // namespace rt
