#pragma once
// Message boxes, arithmetic-fault reports and program end, each through one
// function whose behaviour tests and the scripting tools can replace.

#include "runtime/numbers.h"

#include <QString>
#include <functional>

namespace rt {

// Icon styles of ShowMessage.
enum MessageStyle { Critical = 16, Question = 32, Exclamation = 48 };

// Shows a message and returns once it is answered. The default presenter is
// a modal QMessageBox with one OK button; a line feed in the prompt breaks
// the line.
using MessagePresenter =
    std::function<void(int style, const QString &title, const QString &prompt)>;
void ShowMessage(const QString &prompt, int style, const QString &title);
// An empty presenter restores the default message box.
void setMessagePresenter(MessagePresenter presenter);

// One orderly message for a fault: style 16, titled with the program's name.
void reportFault(const ArithmeticFault &fault);

// Runs a handler; an arithmetic fault stops it and is reported once. Every
// handler works out all it will write before it writes anything, so a fault
// changes nothing on any window, as a refused input does.
template <typename Handler>
void guarded(Handler &&handler)
{
    try {
        handler();
    } catch (const ArithmeticFault &fault) {
        reportFault(fault);
    }
}

// Ends the program: every window closes. The default closes all top-level
// windows and quits the event loop; the scripting tools record it instead.
using EndHandler = std::function<void()>;
void endProgram();
void setEndHandler(EndHandler handler);

} // namespace rt
