#include "runtime/form.h"

#include "runtime/controls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFontMetricsF>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace rt {

namespace {
// At the end of a desktop session the session manager tells the program to
// quit, and Qt sends the program a Quit event: it closes every visible
// window first and gives up the quit when one of them refuses its close
// event, as a window that hides on close does. The program would then run
// on with no window showing. So before Qt closes the windows, every window
// but the main one is hidden (Qt passes hidden windows by); the main
// window's close ends the program.
class SessionEnd : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The program's icon, from the resources built into it under its name
// (":/icons/NAME/SIZE.png"); null for a program that has none. The images
// are read as PNG without asking the image-format plugins whether they read
// PNG better (which loads every plugin), and listed without a name filter
// (which brings in the regular-expression engine).
QIcon builtInIcon(const QString &program)
{
    QIcon icon;
    const QDir dir(QStringLiteral(":/icons/") + program);
    for (const QString &file : dir.entryList(QDir::Files)) {
        QImageReader reader(dir.filePath(file), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

// Whether the program's icon is still to be set. It is set once, after the
// first paint of its first window, so reading the images adds nothing to the
// time the window takes to show.
bool iconPending = true;

constexpr double TwipsPerPixel = 15.0;
QPointer<Form> mainForm;
// What a window manager's frame usually adds around the client area.
constexpr int FrameAllowance = 8;
constexpr int TitleAllowance = 40;
}

void bringToFront(QWidget *window)
{
    // Front means visible: a minimised window is restored first.
    if (window->isMinimized())
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    // The offscreen platform has no stacking order and warns on raise().
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window->raise();
    window->activateWindow();
}

int px(int twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(left, top, width, height);
}

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

namespace {

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

} // namespace

void setColours(QWidget *control, const QColor &background, const QColor &text)
{
    QPalette pal = control->palette();
    if (background.isValid()) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            pal.setColor(role, background);
        control->setAutoFillBackground(true);
    }
    if (text.isValid()) {
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            pal.setColor(role, text);
    }
    control->setPalette(pal);
}

namespace {
bool SessionEnd::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<Form *>(w) && w != mainForm && w->isVisible())
                w->hide();
        }
    }
    return false;
}
} // namespace

Form::Form(const QString &name, const QString &caption, int widthTwips, int heightTwips,
           const QColor &background, QWidget *parent)
    : QWidget(parent)
{
    watchApplication<SessionEnd>();
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(px(widthTwips), px(heightTwips));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    setPalette(pal);
    setAutoFillBackground(true);
}

void Form::placeOnScreen()
{
    m_placed = true;
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame adds a title bar and borders the client size does not show.
    const QSize frame = frameGeometry().size().expandedTo(size());
    const QSize outer(frame.width() + 2 * FrameAllowance, frame.height() + TitleAllowance);
    QPoint topLeft(area.center().x() - outer.width() / 2, area.center().y() - outer.height() / 2);

    if (mainForm && mainForm != this && mainForm->isVisible()) {
        const QRect main = mainForm->frameGeometry();
        const int gap = FrameAllowance;
        topLeft.setY(main.top());
        if (main.right() + gap + outer.width() <= area.right())
            topLeft.setX(main.right() + gap);
        else if (main.left() - gap - outer.width() >= area.left())
            topLeft.setX(main.left() - gap - outer.width());
        else
            topLeft.setX(main.left() + main.width() / 2);
    }
    // Never off screen.
    topLeft.setX(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() - outer.width())));
    topLeft.setY(std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() - outer.height())));
    move(topLeft);
}

void Form::showForm()
{
    if (!m_placed)
        placeOnScreen();
    show();
    bringToFront(this);
}

void Form::hideForm()
{
    hide();
}

void Form::setMainForm(Form *form)
{
    mainForm = form;
}

void Form::closeEvent(QCloseEvent *event)
{
    // Hiding, rather than letting Qt close the window, keeps its native
    // window: a window destroyed and made again on every close leaves a
    // little of the toolkit's focus bookkeeping behind each time.
    event->ignore();
    hide();
}

void Form::showEvent(QShowEvent *event)
{
    // Decided once, when the window first shows: the windows set their
    // controls' look (word wrap, padding) after making them.
    if (!m_fitted) {
        m_fitted = true;
        for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            fitText(control);
    }
    QWidget::showEvent(event);
}

void Form::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    QWidget *active = QApplication::activeWindow();
    if (mainForm && mainForm != this && mainForm->isVisible() && (!active || active == this))
        bringToFront(mainForm);
}

void Form::addShape(ShapeKind kind, const QRect &twips, const QColor &fill, const QColor &outline)
{
    m_shapes.push_back({kind, twips, fill, outline});
}

void Form::addLine(int x1, int y1, int x2, int y2, const QColor &colour)
{
    m_lines.push_back({QLine(x1, y1, x2, y2), colour});
}

void Form::place(QWidget *control, const QString &name, const QRect &twips, const QFont &font)
{
    control->setObjectName(name);
    control->setFont(font);
    control->setGeometry(px(twips.left()), px(twips.top()), px(twips.width()), px(twips.height()));
}

// A control of the window, named and placed; a constructor's arguments come
// before the window it belongs to.
template <typename Control, typename... Args>
Control *Form::make(const QString &name, const QRect &twips, const QFont &font, Args &&...args)
{
    auto *control = new Control(std::forward<Args>(args)..., this);
    place(control, name, twips, font);
    return control;
}

QLabel *Form::addLabel(const QString &name, const QString &text, const QRect &twips,
                       const QFont &font)
{
    return make<QLabel>(name, twips, font, text);
}

ValueLabel *Form::addValueLabel(const QString &name, const QString &caption, const QRect &twips,
                               const QFont &font)
{
    return make<ValueLabel>(name, twips, font, caption);
}

ClickLabel *Form::addClickLabel(const QString &name, const QString &text, const QRect &twips,
                                const QFont &font)
{
    return make<ClickLabel>(name, twips, font, text);
}

QLineEdit *Form::addTextBox(const QString &name, const QRect &twips, const QFont &font)
{
    QLineEdit *box = make<QLineEdit>(name, twips, font);
    box->setTextMargins(0, 0, 0, 0);
    return box;
}

QPushButton *Form::addButton(const QString &name, const QString &caption, const QRect &twips,
                             const QFont &font)
{
    QPushButton *button = make<QPushButton>(name, twips, font, caption);
    // A focused button is pressed by Enter as well as by Space.
    button->setAutoDefault(true);
    return button;
}

QRadioButton *Form::addOption(const QString &name, const QString &caption, const QRect &twips,
                              const QFont &font)
{
    return make<OptionButton>(name, twips, font, caption);
}

namespace {

void applyLook(QWidget *control, const Look &look)
{
    if (look.background.isValid() || look.text.isValid())
        setColours(control, look.background, look.text);
    if (auto *label = qobject_cast<QLabel *>(control)) {
        if (look.alignment)
            label->setAlignment(look.alignment);
        label->setWordWrap(look.flags.testFlag(LookFlag::WordWrap));
        if (look.flags.testFlag(LookFlag::BoxFrame))
            label->setFrameShape(QFrame::Box);
        if (look.flags.testFlag(LookFlag::PointingHand))
            label->setCursor(Qt::PointingHandCursor);
    } else if (auto *box = qobject_cast<QLineEdit *>(control)) {
        if (look.alignment)
            box->setAlignment(look.alignment);
        if (look.flags.testFlag(LookFlag::NoFrame))
            box->setFrame(false);
    } else if (look.flags.testFlag(LookFlag::NoPadding)) {
        control->setStyleSheet(
            QStringLiteral("QPushButton { padding-left: 0px; padding-right: 0px; }"));
    }
}

} // namespace

void Form::build(const std::vector<Control> &table)
{
    std::vector<std::pair<int, QWidget *>> order;
    for (const Control &row : table) {
        const QFont font = formFont(row.font.face, row.font.points, row.font.style);
        QWidget *made = nullptr;
        switch (row.kind) {
        case Kind::Frame:
            addShape(ShapeKind::RoundedRectangle, row.twips,
                     row.look ? row.look->background : QColor(), Qt::black);
            continue;
        case Kind::Label:
            made = addLabel(row.name, row.caption, row.twips, font);
            break;
        case Kind::Value: {
            ValueLabel *value = addValueLabel(row.name, row.spoken, row.twips, font);
            value->setText(row.caption);
            made = value;
            break;
        }
        case Kind::ClickLabel:
            made = addClickLabel(row.name, row.caption, row.twips, font);
            break;
        case Kind::TextBox:
            made = addTextBox(row.name, row.twips, font);
            break;
        case Kind::Button:
            made = addButton(row.name, row.caption, row.twips, font);
            break;
        case Kind::Option:
            made = addOption(row.name, row.caption, row.twips, font);
            break;
        }
        if (row.kind != Kind::Value && !row.spoken.isEmpty())
            made->setAccessibleName(row.spoken);
        if (row.look)
            applyLook(made, *row.look);
        if (row.tab > 0)
            order.emplace_back(row.tab, made);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1].second, order[i].second);
}

void Form::paintEvent(QPaintEvent *)
{
    // The program's icon, for all its windows and message boxes, is set
    // once this paint has gone to the screen.
    if (iconPending) {
        iconPending = false;
        QTimer::singleShot(0, qApp, [] {
            QApplication::setWindowIcon(builtInIcon(QCoreApplication::applicationName()));
        });
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
    for (const Shape &s : m_shapes) {
        painter.setBrush(s.fill);
        if (s.outline.isValid())
            painter.setPen(QPen(s.outline, TwipsPerPixel));
        else
            painter.setPen(Qt::NoPen);
        const QRectF r(s.twips);
        switch (s.kind) {
        case ShapeKind::Rectangle:
            painter.drawRect(r);
            break;
        case ShapeKind::RoundedRectangle: {
            const double radius = std::min(r.width(), r.height()) / 4.0;
            painter.drawRoundedRect(r, radius, radius);
            break;
        }
        case ShapeKind::Circle: {
            const double d = std::min(r.width(), r.height());
            painter.drawEllipse(QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d));
            break;
        }
        }
    }
    for (const Line &l : m_lines) {
        painter.setPen(QPen(l.colour, TwipsPerPixel));
        painter.drawLine(l.twips);
    }
}

} // namespace rt
