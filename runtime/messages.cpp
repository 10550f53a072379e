#include "runtime/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <cstdio>

namespace rt {
namespace {

MessagePresenter &presenter()
{
    static MessagePresenter current;
    return current;
}

EndHandler &endHandler()
{
    static EndHandler current;
    return current;
}

QMessageBox::Icon iconFor(int style)
{
    switch (style) {
    case Critical: return QMessageBox::Critical;
    case Question: return QMessageBox::Question;
    case Exclamation: return QMessageBox::Warning;
    default: return QMessageBox::NoIcon;
    }
}

void showMessageBox(int style, const QString &title, const QString &prompt)
{
    QMessageBox box(iconFor(style), title, prompt, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void ShowMessage(const QString &prompt, int style, const QString &title)
{
    if (presenter())
        presenter()(style, title, prompt);
    else
        showMessageBox(style, title, prompt);
}

void setMessagePresenter(MessagePresenter p)
{
    presenter() = std::move(p);
}

void reportFault(const ArithmeticFault &fault)
{
    ShowMessage(QString::fromLatin1(faultText(fault.kind())), Critical,
                QCoreApplication::applicationName());
}

int runProgram(int argc, char **argv, const char *name, void (*start)())
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "%s: no display to show its window on (DISPLAY and WAYLAND_DISPLAY are "
                     "unset); run it under Xvfb: xvfb-run -a %s\n",
                     name, argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    start();
    const int status = app.exec();
    qDeleteAll(QApplication::topLevelWidgets());
    return status;
}

void endProgram()
{
    if (endHandler()) {
        endHandler()();
        return;
    }
    for (QWidget *w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::quit();
}

void setEndHandler(EndHandler handler)
{
    endHandler() = std::move(handler);
}

} // namespace rt
