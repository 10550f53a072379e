#pragma once
// Runs a scripted session against a program's real windows: commands from a
// file or standard input, delivered as real mouse and key events, and one
// line of output for each event a person would see.

#include "harness.h"
#include "runtime/program.h"

#include <QString>
#include <functional>
#include <iosfwd>
#include <memory>

namespace script {

// argc/argv of the tool: an optional script file. `make` makes the program
// as its own main does. Returns 0, or 2 when any line was an error.
int run(int argc, char **argv, const rt::ProgramFactory &make);

// Sets the offscreen platform unless QT_QPA_PLATFORM is given; call before
// the QApplication is made.
void useOffscreenUnlessSet();

// One session over the windows of the program running in this process.
// While it exists, the program's messages are recorded (answered with OK at
// once) and the program's end hides its windows and is recorded, each as a
// line of output, and the program's file questions get the path of the
// script's `file` command. The session makes and starts the program (start), so
// that messages shown at start-up are recorded too, and ends it when it is
// destroyed. Only one session may exist at a time.
class Session {
public:
    // Receives each line of output, without its line feed; when empty, the
    // lines go to standard output.
    using Output = std::function<void(const QString &line)>;

    explicit Session(Output output = {});
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    // Makes the program and starts it; the session owns it from then on.
    void start(const rt::ProgramFactory &make);

    // Runs one command line; `number` is the line number an error line
    // names. Blank lines, comments and every line after the program has
    // ended do nothing. Returns false when the line was an error (its error
    // line is written), true otherwise.
    bool runLine(const QString &line, int number = 1);

    // Runs every line of `in`; 0, or 2 when any line was an error.
    int run(std::istream &in);

    // Whether the program has ended (Exit, Close, or its main window closed).
    bool ended() const;

    // The program started, or nullptr before start().
    const rt::Program *program() const;

    // Also tells `observer` of each message, after its line is written.
    void setMessageObserver(std::function<void(const harness::Message &)> observer);

private:
    class Driver;
    std::unique_ptr<Driver> d;
};

} // namespace script
