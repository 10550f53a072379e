#pragma once
// Runs a scripted session against a program's real windows: commands from a
// file or standard input, delivered as real mouse and key events, and one
// line of output for each event a person would see.

#include <functional>

namespace script {

// argc/argv of the tool: an optional script file. `start` is the program's
// own start-up function. Returns 0, or 2 when any line was an error.
int run(int argc, char **argv, const std::function<void()> &start);

// Sets the offscreen platform unless QT_QPA_PLATFORM is given; call before
// the QApplication is made.
void useOffscreenUnlessSet();

} // namespace script
