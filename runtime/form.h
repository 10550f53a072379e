#pragma once
// The base of every window: a fixed client area laid out in twips
// (1/1440 inch, 15 twips to a device-independent pixel, so Qt's high-DPI
// scaling applies), a background colour, and the static drawing the window
// carries beneath its controls (filled shapes and one-pixel lines).

#include "runtime/drawing.h"
#include "runtime/faces.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

namespace rt {

// Restores a minimised window, raises it and activates it.
void bringToFront(QWidget *window);

// Twips to device-independent pixels; the one conversion every layout uses.
inline constexpr double TwipsPerPixel = 15.0;
int px(int twips);
QRect twipsRect(int left, int top, int width, int height);

// How a control is drawn beyond its kind and font.
enum class LookFlag {
    NoFrame = 1,      // a text box without its sunken frame
    WordWrap = 2,     // a label whose text breaks into lines
    BoxFrame = 4,     // a label drawn in a one-pixel box
    NoPadding = 8,    // a button whose caption takes its whole width
    PointingHand = 16 // the pointing-hand cursor over a clickable label
};
Q_DECLARE_FLAGS(LookFlags, LookFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(LookFlags)
struct Look {
    QColor background; // filled when valid
    QColor text;       // text colour when valid
    Qt::Alignment alignment = {};
    LookFlags flags = {};
};

// The kinds of control a window's table holds.
enum class Kind {
    Label,      // a caption (QLabel)
    Value,      // a value shown by the program (ValueLabel)
    ClickLabel, // a label that acts on a click
    TextBox,    // a box the user types in (QLineEdit)
    Button,     // a command button
    Option,     // an option button of the window's one group
    CheckBox,   // a box the user ticks or unticks
    ComboBox,   // a box the user types in or chooses from a list (QComboBox, editable)
    List,       // a list the user chooses from and cannot type in (QComboBox); its
                // items are the caption's lines
    Frame,      // a rounded frame drawn beneath controls, filled with the look's background
};

// One row of a window's table: what the control is, its objectName, its
// caption (for a Value, the text it shows at first), where it stands in
// twips, its font, its place in the keyboard order (1, 2, ... ; 0 leaves it
// where its row puts it), its look, and the name assistive technology speaks
// (a Value's caption; a box's label; empty: the caption).
struct Control {
    Kind kind;
    QString name;
    QString caption;
    QRect twips;
    Font font;
    int tab = 0;
    const Look *look = nullptr;
    QString spoken = QString();
};

class Form : public QWidget {
    Q_OBJECT
public:
    using ShapeKind = Drawing::ShapeKind;

    Form(const QString &name, const QString &caption, int widthTwips, int heightTwips,
         const QColor &background, QWidget *parent = nullptr);

    // Show makes the window visible and active; hide keeps its controls.
    // The first show places the window: the main window centred on the
    // screen, the others beside the main window where the screen has room.
    void showForm();
    void hideForm();

    // The program's main window: when another window that had the focus is
    // hidden, the main window becomes the active one again.
    static void setMainForm(Form *form);

protected:
    // Makes every control of the table, in its order, and chains the ones
    // with a place in the keyboard order by that place. Controls are found
    // afterwards by their names (control()).
    void build(const std::vector<Control> &table);

    // A control of this window by its name; nullptr when there is none.
    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        return findChild<T *>(name, Qt::FindDirectChildrenOnly);
    }

    // A control the window cannot work without, bound once: a table that
    // lacks it is a fault of the program, and ends it at once.
    template <typename T>
    T *need(const QString &name) const
    {
        T *found = control<T>(name);
        if (!found)
            qFatal("window %s has no control %s of the kind it needs",
                   qPrintable(objectName()), qPrintable(name));
        return found;
    }

    // Drawing, in twips, painted in the order added.
    void addShape(ShapeKind kind, const QRect &twips, const QColor &fill,
                  const QColor &outline = QColor());
    void addLine(int x1, int y1, int x2, int y2, const QColor &colour = Qt::black);

    void paintEvent(QPaintEvent *event) override;
    // The first show fits every control's text to its control (fitText).
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // Closing a window through its frame hides it, as BACK does; the main
    // window overrides this to end the program.
    void closeEvent(QCloseEvent *event) override;

private:
    void placeOnScreen();

    Drawing m_drawing;
    bool m_placed = false;
    bool m_fitted = false;
};

// Colours of a control: background filled when given, text colour when given.
void setColours(QWidget *control, const QColor &background, const QColor &text = QColor());

} // namespace rt
