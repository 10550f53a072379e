#pragma once
// What the windows share as one program: its main window, the end of the
// desktop session, and the program's icon.

namespace rt {

class Form;

namespace session {

// The program's main window (Form::setMainForm); null before one is set and
// once it is deleted.
Form *mainForm();
void setMainForm(Form *form);

// Installs, once, what makes the end of a desktop session end the program
// (see session.cpp); every window asks for it when it is made.
void watchEnd();

// Told by every window's paint: after the first, once that paint has gone to
// the screen, the program's icon is set for all its windows and message
// boxes.
void painted();

} // namespace session
} // namespace rt
