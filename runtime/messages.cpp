#include "runtime/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

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
