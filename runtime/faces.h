#pragma once
// The typefaces of the windows by role, the fonts made of them, and the
// fitting of a control's text to its control.

#include <QFlags>
#include <cstddef>

class QFont;
class QWidget;

namespace rt {

// The typefaces of the windows, by role. Each role names a list of faces,
// the first one the system has is used; the lists live in one map in
// faces.cpp.
enum class Face {
    Window,   // kervadin's windows
    Title,    // kervadin's title: a decorative face, shown in capitals
    Triangle, // dorvic's window
};

// A font of a role at a size in points of 96 dots to the inch, so text keeps
// its size relative to the twips layout on every screen.
enum class FontStyle { Regular = 0, Bold = 1, Italic = 2, Underline = 4 };
Q_DECLARE_FLAGS(FontStyles, FontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(FontStyles)
QFont formFont(Face face, double points, FontStyles style = FontStyle::Bold);

// A font of a window's table: role, size in points and style.
struct Font {
    Face face;
    double points;
    FontStyles style = FontStyle::Bold;
};

// What a window does for each of its controls when it first shows: where
// the face a control gets is not the one its window is laid out for and its
// text would not fit, a smaller size of that face until it does (no smaller
// than 6 points; below that the text is cut short with an ellipsis).
void fitText(QWidget *control);

// Gives a label (or a button) the first of `fonts` in which its present text
// fits it, by the measure fitText uses; the last of them when none does.
void fitToFirstFont(QWidget *control, const Font *fonts, std::size_t count);
template <std::size_t N>
void fitToFirstFont(QWidget *control, const Font (&fonts)[N])
{
    fitToFirstFont(control, fonts, N);
}

} // namespace rt
