#include "kervadin/ui/zoneview.h"

#include "kervadin/ui/look.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>

namespace kervadin {
namespace {

// Pixels (device-independent): the margin round the picture, the room for a
// band's title above it and for the limits' values left of it, a mark's
// radius, and how near the pointer must come for a mark's figures.
constexpr double Margin = 6;
constexpr double Title = 16;
constexpr double Names = 16; // the marks' names beneath the band
constexpr double Values = 50;
constexpr double Radius = 4;
constexpr double Reach = 8;

const QColor LimitsFill(WithinColour.lighter(115));
const QColor GuardFill(DoubtfulColour.lighter(110));
const QColor OutsideGuardFill(OutsideColour.lighter(118));
const QColor MarkColours[] = {Qt::darkGray, QColor(0, 128, 0), QColor(200, 120, 0),
                              QColor(192, 0, 0)};

QColor markColour(Zone zone)
{
    return MarkColours[static_cast<int>(gradeOf(zone))];
}

QString valueText(double value)
{
    return QString::number(value, 'f', 4);
}

} // namespace

ZoneView::ZoneView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picZone"));
    setAccessibleName(QStringLiteral("Tolerance Zone"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont small = font();
    small.setPointSizeF(7.5);
    setFont(small);
    setPicture({});
}

void ZoneView::setPicture(const ZonePicture &picture)
{
    m_picture = picture;
    setAccessibleDescription(picture.bands.empty()
                                 ? QStringLiteral("Nothing to judge yet.")
                                 : QString::fromStdString(picture.description));
    update();
}

double ZoneView::Column::y(double value) const
{
    return band.bottom() - (value - low) / (high - low) * band.height();
}

double ZoneView::Column::x(std::size_t mark, std::size_t marks) const
{
    return band.left() + (static_cast<double>(mark) + 0.5) * band.width() / static_cast<double>(marks);
}

ZoneView::Column ZoneView::columnOf(std::size_t index) const
{
    const ZoneBand &band = m_picture.bands[index];
    const double width = (this->width() - 2 * Margin) / static_cast<double>(m_picture.bands.size());
    const double left = Margin + width * static_cast<double>(index);
    Column c;
    c.band = QRectF(left + Values, Margin + Title, width - Values - Margin,
                    height() - 2 * Margin - Title - Names);
    // The scale holds the limits, every mark with its bar, and the zones
    // of uncertainty beside the limits, with room to spare round them.
    const double u = band.limits.expanded;
    c.low = band.limits.minimum - u;
    c.high = band.limits.maximum + u;
    for (const ZoneMark &mark : band.marks) {
        c.low = std::min(c.low, mark.value - u);
        c.high = std::max(c.high, mark.value + u);
    }
    const double spare = (c.high - c.low) * 0.12;
    c.low -= spare;
    c.high += spare;
    return c;
}

void ZoneView::paintBand(QPainter &painter, const ZoneBand &band, const Column &c) const
{
    const Limits &l = band.limits;
    const auto span = [&](double from, double to) {
        return QRectF(QPointF(c.band.left(), c.y(to)), QPointF(c.band.right(), c.y(from)));
    };
    painter.fillRect(span(l.minimum, l.maximum), LimitsFill);
    if (l.rule != DecisionRule::Simple && l.expanded > 0) {
        // Where the rule decides only conditionally, or rejects within the
        // limits: U inside each limit, and for the non-binary rule U outside.
        const double inside = std::min(l.expanded, (l.maximum - l.minimum) / 2);
        painter.fillRect(span(l.maximum - inside, l.maximum), GuardFill);
        painter.fillRect(span(l.minimum, l.minimum + inside), GuardFill);
        if (l.rule == DecisionRule::NonBinary) {
            painter.fillRect(span(l.maximum, l.maximum + l.expanded), OutsideGuardFill);
            painter.fillRect(span(l.minimum - l.expanded, l.minimum), OutsideGuardFill);
        }
    }
    painter.setPen(QPen(Qt::black, 1));
    const QFontMetricsF metrics(painter.font());
    for (const double limit : {l.maximum, l.minimum}) {
        const double y = c.y(limit);
        painter.drawLine(QPointF(c.band.left() - 3, y), QPointF(c.band.right(), y));
        painter.drawText(QRectF(c.band.left() - Values, y - metrics.height() / 2, Values - 5,
                                metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, valueText(limit));
    }
    // "Pitch", "Major": the band's name, short enough for two side by side.
    painter.drawText(QRectF(c.band.left() - Values, Margin, c.band.width() + Values, Title),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(band.name).section(QLatin1Char(' '), 0, 0));
    for (std::size_t i = 0; i < band.marks.size(); ++i) {
        const ZoneMark &mark = band.marks[i];
        const QPointF at(c.x(i, band.marks.size()), c.y(mark.value));
        if (l.expanded > 0) {
            painter.setPen(QPen(Qt::black, 1));
            const double top = c.y(mark.value + l.expanded), bottom = c.y(mark.value - l.expanded);
            painter.drawLine(QPointF(at.x(), top), QPointF(at.x(), bottom));
            painter.drawLine(QPointF(at.x() - 3, top), QPointF(at.x() + 3, top));
            painter.drawLine(QPointF(at.x() - 3, bottom), QPointF(at.x() + 3, bottom));
        }
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(markColour(mark.zone));
        if (mark.name == "mean") {
            QPainterPath diamond;
            diamond.moveTo(at.x(), at.y() - Radius - 1);
            diamond.lineTo(at.x() + Radius + 1, at.y());
            diamond.lineTo(at.x(), at.y() + Radius + 1);
            diamond.lineTo(at.x() - Radius - 1, at.y());
            diamond.closeSubpath();
            painter.drawPath(diamond);
        } else {
            painter.drawEllipse(at, Radius, Radius);
        }
        painter.setBrush(Qt::NoBrush);
        const QString label = mark.name == "mean" ? QStringLiteral("M")
            : mark.name == "major"                ? QString()
                                                  : QString::fromStdString(mark.name);
        painter.drawText(QRectF(at.x() - 8, c.band.bottom() + 1, 16, Names),
                         Qt::AlignHCenter | Qt::AlignTop, label);
    }
}

void ZoneView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < m_picture.bands.size(); ++i)
        paintBand(painter, m_picture.bands[i], columnOf(i));
}

QString ZoneView::figuresAt(const QPointF &at) const
{
    QString figures;
    double nearest = Reach;
    for (std::size_t b = 0; b < m_picture.bands.size(); ++b) {
        const Column c = columnOf(b);
        const std::vector<ZoneMark> &marks = m_picture.bands[b].marks;
        for (std::size_t i = 0; i < marks.size(); ++i) {
            const QPointF mark(c.x(i, marks.size()), c.y(marks[i].value));
            const double distance = QLineF(mark, at).length();
            if (distance <= nearest) {
                nearest = distance;
                figures = QString::fromStdString(marks[i].figures);
            }
        }
    }
    return figures;
}

bool ZoneView::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto *help = static_cast<QHelpEvent *>(event);
    const QString figures = figuresAt(help->pos());
    if (figures.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), figures, this);
    }
    return true;
}

} // namespace kervadin
