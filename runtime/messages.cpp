#include "runtime/messages.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QWidget>
#include <algorithm>

namespace rt {
namespace {

MessagePresenter &presenter()
{
    static MessagePresenter current;
    return current;
}

SaveFileAsker &saveFileAsker()
{
    static SaveFileAsker current;
    return current;
}

EndHandler &endHandler()
{
    static EndHandler current;
    return current;
}

QMessageBox::Icon iconFor(int style)
{
    switch (static_cast<MessageStyle>(style)) {
    case MessageStyle::Critical: return QMessageBox::Critical;
    case MessageStyle::Question: return QMessageBox::Question;
    case MessageStyle::Exclamation: return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

QWidget *&currentSource()
{
    static QWidget *source = nullptr;
    return source;
}

// What a window manager's title bar puts beside the title: the icon, the
// buttons and the borders, in device-independent pixels.
constexpr int TitleBarAllowance = 160;
// A message box is never narrower than this.
constexpr int MinimumMessageWidth = 300;

int messageWidthFor(const QString &title)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return std::max(MinimumMessageWidth,
                    QFontMetrics(font).horizontalAdvance(title) + TitleBarAllowance);
}

// A message box centred over the window it belongs to. The box sizes itself
// to its text as it is shown (and may wrap it again once more), so it is
// placed then and whenever its size changes.
class OwnedMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        centreOverOwner();
    }

    void resizeEvent(QResizeEvent *event) override
    {
        QMessageBox::resizeEvent(event);
        if (isVisible())
            centreOverOwner();
    }

private:
    // The box's client area over the centre of its window's.
    void centreOverOwner()
    {
        const QWidget *owner = parentWidget();
        if (!owner)
            return;
        QRect area(QPoint(), size());
        area.moveCenter(owner->geometry().center());
        setGeometry(area);
    }
};

void showMessageBox(const QString &prompt, int style, const QString &title)
{
    // Parented to its window, the box is a dialog of it: Qt marks it
    // transient for that window.
    QWidget *owner = messageOwner();
    OwnedMessageBox box(iconFor(style), title, prompt, QMessageBox::Ok,
                        owner ? owner->window() : nullptr);
    box.setTextFormat(Qt::PlainText);
    // A title and a close button: a message is answered, not minimised or
    // maximised.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                       | Qt::WindowCloseButtonHint);
    // The box sizes itself to its text; a row of fixed width across its
    // layout keeps it wide enough for the title bar to show the whole title.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(messageWidthFor(title), 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
}

} // namespace

void ShowMessage(const QString &prompt, int style, const QString &title)
{
    if (presenter())
        presenter()(prompt, style, title);
    else
        showMessageBox(prompt, style, title);
}

QString askSaveFileName(const QString &caption, const QString &suggestedPath,
                        const QString &filter, bool confirmReplace)
{
    if (saveFileAsker())
        return saveFileAsker()(caption, suggestedPath, filter);
    QWidget *owner = messageOwner();
    const QFileDialog::Options options =
        confirmReplace ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    return QFileDialog::getSaveFileName(owner ? owner->window() : nullptr, caption, suggestedPath,
                                        filter, nullptr, options);
}

void setSaveFileAsker(SaveFileAsker asker)
{
    saveFileAsker() = std::move(asker);
}

void refuse(QWidget *window, const Refusal &refusal, QWidget *focus)
{
    {
        MessageSource source(window);
        ShowMessage(QString::fromStdString(refusal.prompt()), static_cast<int>(refusal.style),
                    QString::fromStdString(refusal.title));
    }
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

MessageSource::MessageSource(QWidget *window)
    : m_previous(currentSource())
{
    currentSource() = window;
}

MessageSource::~MessageSource()
{
    currentSource() = m_previous;
}

QWidget *messageOwner()
{
    if (QWidget *source = currentSource(); source && source->isVisible())
        return source->window();
    return QApplication::activeWindow();
}

void setMessagePresenter(MessagePresenter p)
{
    presenter() = std::move(p);
}

void reportFault(const ArithmeticFault &fault)
{
    ShowMessage(QString::fromLatin1(faultText(fault.kind())), static_cast<int>(MessageStyle::Critical),
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
