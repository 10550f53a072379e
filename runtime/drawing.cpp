#include "runtime/drawing.h"

#include "runtime/form.h"

#include <QPainter>
#include <algorithm>

namespace rt {

namespace {

void paintShape(QPainter &painter, Drawing::ShapeKind kind, const QRectF &r)
{
    switch (kind) {
    case Drawing::ShapeKind::Rectangle:
        painter.drawRect(r);
        break;
    case Drawing::ShapeKind::RoundedRectangle: {
        const double radius = std::min(r.width(), r.height()) / 4.0;
        painter.drawRoundedRect(r, radius, radius);
        break;
    }
    case Drawing::ShapeKind::Circle: {
        const double d = std::min(r.width(), r.height());
        painter.drawEllipse(QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d));
        break;
    }
    }
}

} // namespace

void Drawing::addShape(ShapeKind kind, const QRect &twips, const QColor &fill,
                       const QColor &outline)
{
    m_shapes.push_back({kind, twips, fill, outline});
}

void Drawing::addLine(const QLine &twips, const QColor &colour)
{
    m_lines.push_back({twips, colour});
}

void Drawing::paint(QWidget *window) const
{
    QPainter painter(window);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
    for (const Shape &s : m_shapes) {
        painter.setBrush(s.fill);
        if (s.outline.isValid())
            painter.setPen(QPen(s.outline, TwipsPerPixel));
        else
            painter.setPen(Qt::NoPen);
        paintShape(painter, s.kind, QRectF(s.twips));
    }
    for (const Line &l : m_lines) {
        painter.setPen(QPen(l.colour, TwipsPerPixel));
        painter.drawLine(l.twips);
    }
}

} // namespace rt
