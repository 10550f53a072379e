#pragma once
// The sine-bar window: the bar's length, the angle or the height of the
// stack under its roll (whichever the user typed last; the other follows),
// the gauge-block set and the blocks out of its box. What follows from them
// is worked out at every key (dorvic/core/sinebar.h): the other of angle and
// height, the angle in both forms, what one step of the set's smallest block
// moves it, the fewest blocks that build the height and the angle they give.
//
// An entry that cannot be used changes nothing on the window; when the user
// leaves its box or presses Return (or chooses a set the blocks out of the
// box do not belong to), a message says why and the cursor goes to the box
// to correct.

#include "dorvic/core/sinebar.h"
#include "dorvic/ui/window.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace dorvic {

class FrmSineBar : public Window {
    Q_OBJECT
public:
    explicit FrmSineBar(Dorvic &program, QWidget *parent = nullptr);
    ~FrmSineBar() override;

    // Shows the window; the first time with the cursor in the angle box.
    void open();

private:
    SineBarEntry entry() const;
    // Works everything out from the entries and writes it, unless an entry
    // is refused.
    void refresh();
    // An entry finished: a refused one is named in a message.
    void finished();
    void write(const SineBarTexts &texts);
    void back();

    QLineEdit *box(SineField field) const;
    QLabel *label(const char *name) const;
    QComboBox *setList() const;

    Given m_given = Given::Angle;
    bool m_opened = false;
    // A message is on show: the focus it takes finishes no entry.
    bool m_refusing = false;
};

} // namespace dorvic
