#pragma once
// The triangle window as its tests work it: a fresh program for each test
// function (windowtest::Session), its boxes by name, entries typed in and
// buttons pressed by real clicks and keys.

#include "dorvic/ui/dorvic.h"
#include "dorvic/ui/frmsinebar.h"
#include "dorvic/ui/frmtriangleright.h"
#include "windowtest.h"

namespace dorvicwindows {

// The boxes of a, b, c, B and C, in that order; and the area's.
inline const QStringList Boxes = {"txtRightSidea", "txtRightSideb", "txtRightSidec",
                                  "txtRightAngleB", "txtRightAngleC"};
inline const QString AreaBox = QStringLiteral("txtRightArea");

class Session : public windowtest::Session<dorvic::Dorvic> {
public:
    QLineEdit *box(const QString &name) const
    {
        return find<QLineEdit>(QStringLiteral("frmTriangleRight.") + name);
    }
    QPushButton *button(const QString &name) const
    {
        return find<QPushButton>(QStringLiteral("frmTriangleRight.") + name);
    }
    void press(const QString &button) { click(this->button(button)); }

    // Types each text into its box of a, b, c, B, C; an empty text leaves
    // the box alone.
    void enter(const QStringList &entries)
    {
        for (int i = 0; i < entries.size(); ++i) {
            if (!entries.at(i).isEmpty())
                type(box(Boxes.at(i)), entries.at(i));
        }
    }

    // The texts of a, b, c, B and C.
    QStringList texts() const
    {
        QStringList shown;
        for (const QString &name : Boxes)
            shown << box(name)->text();
        return shown;
    }
};

} // namespace dorvicwindows
