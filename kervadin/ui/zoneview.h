#pragma once
// The picture of the tolerance zone on the check window: for the pitch
// diameter, and the major diameter when it is judged, the limits as a band
// on a scale running up, the rule's zones of uncertainty shaded inside and
// outside them, and each diameter measured as a mark with its ±U bar,
// coloured by its zone. Hovering a mark shows its figures; assistive
// technology reads the whole in words. Empty while there is nothing to judge.

#include "kervadin/core/decision.h"

#include <QWidget>

namespace kervadin {

class ZoneView : public QWidget {
    Q_OBJECT
public:
    explicit ZoneView(QWidget *parent = nullptr);

    void setPicture(const ZonePicture &picture);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    // Where a band is drawn, and where its value runs on the scale.
    struct Column {
        QRectF band;   // the limits' column, the full height of the scale
        double low = 0, high = 0;
        double y(double value) const;
        double x(std::size_t mark, std::size_t marks) const;
    };
    Column columnOf(std::size_t index) const;
    void paintBand(class QPainter &painter, const ZoneBand &band, const Column &column) const;
    // The figures of the mark nearest `at`, within reach; empty when none is.
    QString figuresAt(const QPointF &at) const;

    ZonePicture m_picture;
};

} // namespace kervadin
