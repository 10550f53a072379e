#pragma once
// The colours every window of the thread calculator is drawn in, the fonts
// and looks the rows of its windows' tables share, and the one way a text of
// the rules becomes a control's text.

#include "runtime/form.h"

#include <QColor>
#include <QString>
#include <string>

namespace kervadin {

inline const QColor Background(255, 192, 128); // window
inline const QColor Yellow(255, 255, 0);       // value fields, boxes and their frames
inline const QColor ButtonFace(192, 192, 0);   // command buttons

inline constexpr rt::Font CaptionFont{rt::Face::Window, 8.25};
inline constexpr rt::Font ValueFont{rt::Face::Window, 12};
inline constexpr rt::Font PlainFont{rt::Face::Window, 9.75};

// A yellow frame, outlined in black, beneath a field.
inline const rt::Look FrameLook{Yellow, QColor()};
// A value the program shows: centred on yellow.
inline const rt::Look FieldLook{Yellow, QColor(), Qt::AlignCenter};
// A box the user types in, on its frame: yellow, without a frame of its own.
inline const rt::Look BoxLook{Yellow, QColor(), {}, rt::LookFlag::NoFrame};
inline const rt::Look CentredBoxLook{Yellow, QColor(), Qt::AlignCenter, rt::LookFlag::NoFrame};
// A box for entries at the bench, on its yellow frame: white, as text boxes are.
inline const rt::Look EntryBoxLook{Qt::white, QColor(), Qt::AlignCenter, rt::LookFlag::NoFrame};
// A result measured against limits: within them, or outside.
inline const QColor WithinColour(160, 255, 160);
inline const QColor OutsideColour(255, 160, 160);
// Within the limits or outside them by less than the uncertainty: the rule
// decides only conditionally.
inline const QColor DoubtfulColour(255, 214, 110);
inline const rt::Look ButtonLook{ButtonFace, QColor()};
// A heading or note on the window's background.
inline const rt::Look CentredLook{QColor(), QColor(), Qt::AlignCenter};

// A text of the rules (UTF-8), as a control shows it.
inline QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace kervadin
