// Building a window from its table of controls: making each kind of
// control, its look, and the keyboard order.

#include "runtime/form.h"

#include "runtime/controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <utility>

namespace rt {

namespace {

// A control of the window, named, in its font and placed; a constructor's
// arguments come before the window it belongs to.
template <typename Made, typename... Args>
Made *make(QWidget *window, const Control &row, const QFont &font, Args &&...args)
{
    auto *control = new Made(std::forward<Args>(args)..., window);
    control->setObjectName(row.name);
    control->setFont(font);
    control->setGeometry(px(row.twips.left()), px(row.twips.top()), px(row.twips.width()),
                         px(row.twips.height()));
    return control;
}

// The control of a row; a value field named for assistive technology by its
// caption. A frame is no control: nullptr.
QWidget *makeControl(QWidget *window, const Control &row)
{
    const QFont font = formFont(row.font.face, row.font.points, row.font.style);
    switch (row.kind) {
    case Kind::Frame:
        break;
    case Kind::Label:
        return make<QLabel>(window, row, font, row.caption);
    case Kind::Value: {
        auto *value = make<ValueLabel>(window, row, font, row.spoken);
        value->setText(row.caption);
        return value;
    }
    case Kind::ClickLabel:
        return make<ClickLabel>(window, row, font, row.caption);
    case Kind::TextBox: {
        auto *box = make<QLineEdit>(window, row, font);
        box->setTextMargins(0, 0, 0, 0);
        return box;
    }
    case Kind::Button: {
        auto *button = make<QPushButton>(window, row, font, row.caption);
        // A focused button is pressed by Enter as well as by Space.
        button->setAutoDefault(true);
        return button;
    }
    case Kind::Option:
        return make<OptionButton>(window, row, font, row.caption);
    case Kind::CheckBox:
        return make<CheckBox>(window, row, font, row.caption);
    case Kind::List: {
        auto *list = make<QComboBox>(window, row, font);
        list->addItems(row.caption.split(QLatin1Char('\n')));
        return list;
    }
    case Kind::ComboBox: {
        auto *combo = make<QComboBox>(window, row, font);
        combo->setEditable(true);
        // Return takes the text as it stands; the list stays the program's.
        combo->setInsertPolicy(QComboBox::NoInsert);
        // What is typed is what is taken: no completion from the list.
        combo->setCompleter(nullptr);
        return combo;
    }
    }
    return nullptr;
}

void applyLook(QWidget *control, const Look &look)
{
    if (look.background.isValid() || look.text.isValid())
        setColours(control, look.background, look.text);
    if (auto *label = qobject_cast<QLabel *>(control)) {
        if (look.alignment)
            label->setAlignment(look.alignment);
        label->setWordWrap(look.flags.testFlag(LookFlag::WordWrap));
        if (look.flags.testFlag(LookFlag::BoxFrame))
            label->setFrameShape(QFrame::Box);
        if (look.flags.testFlag(LookFlag::PointingHand))
            label->setCursor(Qt::PointingHandCursor);
    } else if (auto *box = qobject_cast<QLineEdit *>(control)) {
        if (look.alignment)
            box->setAlignment(look.alignment);
        if (look.flags.testFlag(LookFlag::NoFrame))
            box->setFrame(false);
    } else if (look.flags.testFlag(LookFlag::NoPadding)) {
        control->setStyleSheet(
            QStringLiteral("QPushButton { padding-left: 0px; padding-right: 0px; }"));
    }
}

} // namespace

void setColours(QWidget *control, const QColor &background, const QColor &text)
{
    QPalette pal = control->palette();
    if (background.isValid()) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            pal.setColor(role, background);
        control->setAutoFillBackground(true);
    }
    if (text.isValid()) {
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            pal.setColor(role, text);
    }
    control->setPalette(pal);
}

void Form::build(const std::vector<Control> &table)
{
    std::vector<std::pair<int, QWidget *>> order;
    for (const Control &row : table) {
        if (row.kind == Kind::Frame) {
            addShape(ShapeKind::RoundedRectangle, row.twips,
                     row.look ? row.look->background : QColor(), Qt::black);
            continue;
        }
        QWidget *made = makeControl(this, row);
        if (row.kind != Kind::Value && !row.spoken.isEmpty())
            made->setAccessibleName(row.spoken);
        if (row.look)
            applyLook(made, *row.look);
        if (row.tab > 0)
            order.emplace_back(row.tab, made);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1].second, order[i].second);
}

} // namespace rt
