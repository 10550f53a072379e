#pragma once
// The static drawing a window carries beneath its controls: filled shapes
// and one-pixel lines, in twips, painted in the order added.

#include <QColor>
#include <QLine>
#include <QRect>
#include <vector>

class QWidget;

namespace rt {

class Drawing {
public:
    enum class ShapeKind { Rectangle, RoundedRectangle, Circle };

    void addShape(ShapeKind kind, const QRect &twips, const QColor &fill, const QColor &outline);
    void addLine(const QLine &twips, const QColor &colour);
    // Paints every shape, then every line, on `window`.
    void paint(QWidget *window) const;

private:
    struct Shape {
        ShapeKind kind;
        QRect twips;
        QColor fill;
        QColor outline;
    };
    struct Line {
        QLine twips;
        QColor colour;
    };
    std::vector<Shape> m_shapes;
    std::vector<Line> m_lines;
};

} // namespace rt
