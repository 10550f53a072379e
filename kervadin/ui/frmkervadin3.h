#pragma once
// The measurement window: the thread record of the state's thread, the wire
// size typed by the user, and Calculate. The rules behind what it shows are
// threadrules.h's.

#include "kervadin/ui/window.h"

#include <QColor>
#include <QPoint>
#include <initializer_list>
#include <string>

class QCloseEvent;
class QLabel;
class QLineEdit;

namespace kervadin {

class Kervadin;

class FrmKervadin3 : public Window {
    Q_OBJECT
public:
    explicit FrmKervadin3(Kervadin &program, QWidget *parent = nullptr);

    // Puts the keyboard focus in the wire-size box, bringing this window to
    // the front.
    void focusWireBox();

    // Writes the record of the state's thread, every field and the wire
    // sizes' formulas as their tooltips, then puts the focus in the
    // wire-size box.
    void showThread();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Calculate: checks the wire typed against the limits shown and writes
    // the dimension over wires by the formula of the angle shown.
    void calculate();
    // Exit: ends the program.
    void quit();
    // Click to Select: empties the wire and the result, opens the chooser.
    void selectThread();
    // Check Reading: opens the check of a measured reading.
    void openCheck();
    // The text a label of the window shows.
    std::string shownText(const char *label) const;
    void drawPicture();
    // Lines from corner to corner, in twips.
    void addPath(std::initializer_list<QPoint> corners, const QColor &colour = Qt::black);

    QLineEdit *m_wireBox = nullptr;   // txtActual
    QLabel *m_overWires = nullptr;    // lblOver, the dimension over wires
};

} // namespace kervadin
