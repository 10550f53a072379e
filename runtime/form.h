#pragma once
// The base of every window: a fixed client area laid out in twips
// (1/1440 inch, 15 twips to a device-independent pixel, so Qt's high-DPI
// scaling applies), a background colour, and the static drawing the window
// carries beneath its controls (filled shapes and one-pixel lines).

#include <QColor>
#include <QRect>
#include <QWidget>
#include <vector>

class QFont;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace rt {

class ClickLabel;
class ValueLabel;

// Restores a minimised window, raises it and activates it.
void bringToFront(QWidget *window);

// Twips to device-independent pixels; the one conversion every layout uses.
int px(int twips);
QRect twipsRect(int left, int top, int width, int height);

// The typefaces of the windows, by role. Each role names a list of faces,
// the first one the system has is used; the lists live in one map in
// form.cpp.
enum class Face {
    Window,   // kervadin's windows
    Title,    // kervadin's title: a decorative face, shown in capitals
    Triangle, // dorvic's window
};

// A font of a role at a size in points of 96 dots to the inch, so text keeps
// its size relative to the twips layout on every screen.
enum FontStyle { Regular = 0, Bold = 1, Italic = 2, Underline = 4 };
QFont formFont(Face face, double points, int style = Bold);

class Form : public QWidget {
    Q_OBJECT
public:
    enum class ShapeKind { Rectangle, RoundedRectangle, Circle };

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
    // Drawing, in twips, painted in the order added.
    void addShape(ShapeKind kind, const QRect &twips, const QColor &fill,
                  const QColor &outline = QColor());
    void addLine(int x1, int y1, int x2, int y2, const QColor &colour = Qt::black);

    // Controls at twips positions, named as the program names them.
    QLabel *addLabel(const QString &name, const QString &text, const QRect &twips,
                     const QFont &font);
    // A value field, named for assistive technology by its caption.
    ValueLabel *addValueLabel(const QString &name, const QString &caption, const QRect &twips,
                              const QFont &font);
    ClickLabel *addClickLabel(const QString &name, const QString &text, const QRect &twips,
                              const QFont &font);
    QLineEdit *addTextBox(const QString &name, const QRect &twips, const QFont &font);
    QPushButton *addButton(const QString &name, const QString &caption, const QRect &twips,
                           const QFont &font);
    QRadioButton *addOption(const QString &name, const QString &caption, const QRect &twips,
                            const QFont &font);

    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // Closing a window through its frame hides it, as BACK does; the main
    // window overrides this to end the program.
    void closeEvent(QCloseEvent *event) override;

private:
    struct Shape {
        ShapeKind kind;
        QRect twips;
        QColor fill;
        QColor outline;
    };
    struct Line {
        QLine twips;
        QColor colour;
    };
    void placeOnScreen();
    void place(QWidget *control, const QString &name, const QRect &twips, const QFont &font);

    std::vector<Shape> m_shapes;
    std::vector<Line> m_lines;
    bool m_placed = false;
};

// Colours of a control: background filled when given, text colour when given.
void setColours(QWidget *control, const QColor &background, const QColor &text = QColor());

} // namespace rt
