#pragma once
// What the window tests, the script tools and the window fuzzer share to
// work a program's real windows as a person does: windows and controls found
// by "WINDOW.NAME" through the program, the event loop settled, the
// program's messages, file questions and end captured, real clicks, typing
// and keys, and texts written as JSON strings.

#include "runtime/form.h"
#include "runtime/program.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace harness {

// Delivers the posted events and what they cause, `rounds` times over.
void settle(int rounds = 3);

// A message the program showed.
struct Message {
    int style;
    QString title;
    QString prompt;
};

// While it exists, each message the program shows goes to `onMessage` and
// is answered with OK at once; the program's end goes to `onEnd`, in place
// of closing the windows and quitting; a question for a file to save gets
// the path given to answerNextFile, once, and is cancelled when none is
// pending. Only one may exist at a time; its destruction restores the
// defaults.
class Capture {
public:
    using MessageHandler = std::function<void(const Message &)>;
    using EndHandler = std::function<void()>;

    Capture(MessageHandler onMessage, EndHandler onEnd);
    ~Capture();
    Capture(const Capture &) = delete;
    Capture &operator=(const Capture &) = delete;

    // The next file question is answered with `path` (replacing a path still
    // pending).
    void answerNextFile(const QString &path);

private:
    QString m_nextFile;
};

// The program's windows made so far, by name.
QList<rt::Form *> windowsByName(const rt::Program &program);

// "WINDOW.NAME" of a control.
QString nameOf(const QWidget *control);

// A control by "WINDOW.NAME", or by a bare "NAME" where exactly one window
// made so far has a control of that name; hidden or not. nullptr when there
// is none, with the reason in `error` ("window W does not exist yet",
// "unknown control R", "ambiguous control R").
QWidget *findControl(const rt::Program &program, const QString &reference,
                     QString *error = nullptr);

// Why a person cannot reach the control now ("window W is hidden", "control
// R is hidden"), or an empty text when they can.
QString whyUnreachable(const QWidget *control, const QString &reference);

// The window's name, or an empty text when no window of the program is
// active.
QString activeWindowName();
// "WINDOW.NAME" of the control with the keyboard focus, or an empty text.
QString focusReference();

// A left click, pressed and released, in the middle of the control.
void click(QWidget *control);
// Activates the control's window when it is not the active one, as a person
// clicking into a window behind others brings it to the front.
void bringToFront(QWidget *control);
// Types each character as a key press; characters without a key of their
// own (a line feed, say) arrive as the text of a key press alone. The keys
// go where a keyboard sends them, to the control with the focus (to
// `control` while none has it), or all to `control`, whether its window is
// active or not.
enum class KeysTo { Focus, Control };
void typeKeys(QWidget *control, const QString &text, KeysTo to = KeysTo::Focus);
// The keys a script names: Tab, Backtab, Return, Enter, Escape, Space.
std::optional<Qt::Key> namedKey(const QString &name);
// Presses and releases the key on the control with the focus, else on the
// active window; nothing when there is neither.
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The text as one JSON string, in UTF-8 where it is not escaped; a lone
// surrogate stands as "?".
QString jsonString(const QString &text);
// The text of one JSON string ("\"a\\tb\""); nothing when `raw` is not one.
std::optional<QString> readJsonString(const QString &raw);

} // namespace harness
