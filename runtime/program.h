#pragma once
// A running program: the one object that owns its windows. `main`, the
// script tools and the tests make it the same way, after the application
// object, and end it by deleting it, which deletes every window it made.

#include <QList>
#include <QString>
#include <functional>
#include <memory>

namespace rt {

class Form;

class Program {
public:
    Program() = default;
    virtual ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // What the program does when it starts: shows its main window.
    virtual void start() = 0;

    // The windows made so far, and one of them by its name (nullptr when it
    // has not been made yet).
    virtual QList<Form *> windows() const = 0;
    Form *window(const QString &name) const;
};

using ProgramFactory = std::function<std::unique_ptr<Program>()>;

// Runs a program's windows: without a display says so in one line, with the
// command that starts it under Xvfb from any folder, and returns 1 instead of
// letting the toolkit abort; otherwise makes the program, starts it, runs the
// event loop and ends the program.
int runProgram(int argc, char **argv, const char *name, const ProgramFactory &make);

// Where XDG_RUNTIME_DIR is unset, points it at a runtime folder of this
// user's own, made readable and writable by the user alone, so the toolkit
// neither warns nor picks a shared one. Call it before the application
// object is made.
void ensureRuntimeDir();

} // namespace rt
