#include "runtime/session.h"

#include "runtime/controls.h"
#include "runtime/form.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QPointer>
#include <QTimer>

namespace rt {

namespace {

QPointer<Form> theMainForm;

// At the end of a desktop session the session manager tells the program to
// quit, and Qt sends the program a Quit event: it closes every visible
// window first and gives up the quit when one of them refuses its close
// event, as a window that hides on close does. The program would then run
// on with no window showing. So before Qt closes the windows, every window
// but the main one is hidden (Qt passes hidden windows by); the main
// window's close ends the program.
class SessionEnd : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (qobject_cast<Form *>(w) && w != theMainForm && w->isVisible())
                    w->hide();
            }
        }
        return false;
    }
};

// The program's icon, from the resources built into it under its name
// (":/icons/NAME/SIZE.png"); null for a program that has none. The images
// are read as PNG without asking the image-format plugins whether they read
// PNG better (which loads every plugin), and listed without a name filter
// (which brings in the regular-expression engine).
QIcon builtInIcon(const QString &program)
{
    QIcon icon;
    const QDir dir(QStringLiteral(":/icons/") + program);
    for (const QString &file : dir.entryList(QDir::Files)) {
        QImageReader reader(dir.filePath(file), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

// Whether the program's icon is still to be set. It is set once, after the
// first paint of its first window, so reading the images adds nothing to the
// time the window takes to show.
bool iconPending = true;

} // namespace

namespace session {

Form *mainForm()
{
    return theMainForm;
}

void setMainForm(Form *form)
{
    theMainForm = form;
}

void watchEnd()
{
    watchApplication<SessionEnd>();
}

void painted()
{
    if (!iconPending)
        return;
    iconPending = false;
    QTimer::singleShot(0, qApp, [] {
        QApplication::setWindowIcon(builtInIcon(QCoreApplication::applicationName()));
    });
}

} // namespace session
} // namespace rt
