#pragma once
// Message boxes, arithmetic-fault reports, the question for a file to save
// and program end, each through one function whose behaviour tests and the
// scripting tools can replace.

#include "runtime/numbers.h"
#include "runtime/refusal.h"

#include <QString>
#include <functional>

class QWidget;

namespace rt {

// Shows a message and returns once it is answered; `style` is a
// MessageStyle's number (refusal.h). The default presenter is
// a modal QMessageBox with one OK button, a dialog of the window the message
// comes from (see MessageSource): transient for it, centred over it and wide
// enough for its whole title; a line feed in the prompt breaks the line.
// The presenter takes ShowMessage's arguments in ShowMessage's order.
using MessagePresenter =
    std::function<void(const QString &prompt, int style, const QString &title)>;
void ShowMessage(const QString &prompt, int style, const QString &title);
// An empty presenter restores the default message box.
void setMessagePresenter(MessagePresenter presenter);

// Asks where to save a file and returns the path chosen, or an empty text
// when the question is cancelled. The default asker is the standard save
// dialog of the window the question comes from (see messageOwner), titled
// `caption`, starting at `suggestedPath`, offering the file types of
// `filter` ("Text files (*.txt)"). With `confirmReplace` false (a file the
// program appends to) the dialog does not ask whether to replace a file.
using SaveFileAsker = std::function<QString(const QString &caption, const QString &suggestedPath,
                                            const QString &filter)>;
QString askSaveFileName(const QString &caption, const QString &suggestedPath,
                        const QString &filter, bool confirmReplace = true);
// An empty asker restores the default dialog.
void setSaveFileAsker(SaveFileAsker asker);

// Shows a refusal's message from `window`, then puts the focus in `focus`
// (the control of the field to correct), when one is given.
void refuse(QWidget *window, const Refusal &refusal, QWidget *focus = nullptr);

// While it exists, messages come from `window`: the handler of that window
// is running. Without one, a message belongs to the active window.
class MessageSource {
public:
    explicit MessageSource(QWidget *window);
    ~MessageSource();
    MessageSource(const MessageSource &) = delete;
    MessageSource &operator=(const MessageSource &) = delete;

private:
    QWidget *m_previous;
};

// The window a message shown now belongs to: the innermost MessageSource's,
// else the active window; null when there is none.
QWidget *messageOwner();

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
