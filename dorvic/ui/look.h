#pragma once
// The colours and fonts the windows of the triangle calculator share.

#include "runtime/form.h"

#include <QColor>

namespace dorvic {

inline const QColor Background(150, 200, 255);
inline const QColor DarkBlue(0, 0, 192);
inline const QColor Yellow(255, 255, 0);
inline const QColor LightGreen(192, 255, 192);
inline const QColor LightYellow(255, 255, 128);

inline constexpr Qt::Alignment TopLeft = Qt::AlignLeft | Qt::AlignTop;

inline const rt::Look DarkBlueCaption{QColor(), DarkBlue, TopLeft};
inline const rt::Look SideBox{Yellow, QColor(), Qt::AlignCenter};
inline const rt::Look AngleBox{LightGreen, QColor(), Qt::AlignCenter};

// A window's own font, used by every control that names none of its own.
inline constexpr rt::Font WindowFont{rt::Face::Triangle, 9.75};
inline const rt::Font TitleFont{rt::Face::Triangle, 21.75,
                                    rt::FontStyle::Italic | rt::FontStyle::Underline};
// The boxes are set in 9 pt (12 pixels) rather than the window's 9.75: at
// 9.75 the faces we have need more room than the boxes leave for results as
// wide as their patterns make them ("36.87" in an angle box, "123.456" in a
// side box, "123456.789" in the area box).
inline constexpr rt::Font BoxFont{rt::Face::Triangle, 9};

} // namespace dorvic
