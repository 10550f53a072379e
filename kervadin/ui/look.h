#pragma once
// The colours every window of the thread calculator is drawn in.

#include <QColor>

namespace kervadin {

inline const QColor Background(255, 192, 128); // window
inline const QColor Yellow(255, 255, 0);       // value fields, boxes and their frames
inline const QColor ButtonFace(192, 192, 0);   // command buttons

} // namespace kervadin
