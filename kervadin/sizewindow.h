#pragma once
// The six size windows, one per standard family: the sizes as option
// buttons, APPLY and BACK. Each window also carries its family's
// computation, which writes the thread record of the chosen size.

#include "kervadin/sizetables.h"
#include "runtime/form.h"

#include <QList>

class QPushButton;
class QRadioButton;

namespace kervadin {

struct RecordRule;

class SizeWindow : public rt::Form {
public:
    explicit SizeWindow(Family family, QWidget *parent = nullptr);

    Family family() const { return m_family; }

    // The size options in size order, then APPLY and BACK.
    QList<QRadioButton *> options;
    QPushButton *cmdApply;
    QPushButton *cmdBack;

    // APPLY: the first selected size, if any, goes to the family's
    // computation; the window stays as it is.
    void apply();
    // BACK: hide this window and show the chooser.
    void cmdBack_Click();

    // The family computations: each writes the thread record of one size
    // (name, diameter, pitch, helix text) on the measurement window and puts
    // the focus in its wire-size box.
    void BSF(const QString &name, double diameter, double pitch, const QString &helix);
    void BSW(const QString &name, double diameter, double pitch, const QString &helix);
    void UNF(const QString &name, double diameter, double pitch, const QString &helix);
    void UNC(const QString &name, double diameter, double pitch, const QString &helix);
    void MET(const QString &name, double diameter, double pitch, const QString &helix);
    void BA(const QString &name, double diameter, double pitch, const QString &helix);

private:
    void layOutSizes(const QFont &font);
    static void write(const RecordRule &rule, const QString &name, double diameter, double pitch,
                      const QString &helix);

    Family m_family;
};

} // namespace kervadin
