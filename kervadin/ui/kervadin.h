#pragma once
// The thread-measurement calculator as a running program: it owns the one
// state and every window, makes each window the first time it is asked for,
// shows the windows as the user goes from one to the next, and deletes them
// all when it ends. A window knows no other window: it asks the program.

#include "kervadin/core/checkentry.h"
#include "kervadin/core/families.h"
#include "kervadin/core/state.h"
#include "runtime/program.h"

#include <QWidget>

#include <array>
#include <memory>

namespace kervadin {

class FrmKervadin3;
class FrmType;
class SizeWindow;
class FrmCustom;
class FrmCheck;
class FrmUncertainty;

class Kervadin : public rt::Program {
public:
    Kervadin();
    ~Kervadin() override;

    // Shows the measurement window with the focus in its wire-size box;
    // nothing else is done at start.
    void start() override;
    QList<rt::Form *> windows() const override;

    // The window flow. The chooser (Click to Select, BACK of a size or
    // the custom window); a family's size window or the custom window, in
    // the chooser's place; the check window, brought up to date.
    void showChooser();
    void showSizes(Family family);
    void showCustom();
    void openCheck();
    // The uncertainty of the check's pitch diameter, brought up to date.
    void openUncertainty();

    // Each window, made the first time it is asked for.
    FrmKervadin3 *measurementWindow();
    FrmType *typeChooser();
    SizeWindow *sizeWindow(Family family);
    FrmCustom *customWindow();
    FrmCheck *checkWindow();
    FrmUncertainty *uncertaintyWindow();
    // What is typed of the uncertainty; nothing before its window is made.
    UncertaintyEntry uncertaintyEntry() const;
    // A box of the uncertainty edited: the check follows at once.
    void uncertaintyEdited();
    // The uncertainty's box of a field a refusal names, its window shown;
    // nullptr for a field of no such box.
    QWidget *showUncertaintyBox(CheckField field);
    // The budget the check worked out, for the uncertainty window when it
    // is made.
    void showBudget(const std::string &budget);

    // The thread applied and its last Calculate. The windows read it; every
    // change goes through the program, which brings the windows up to date.
    const State &state() const { return m_state; }
    // A thread applied: the measurement window shows its record, and what
    // the check window held for the thread before goes.
    void applyThread(const Thread &thread);
    // A Calculate that succeeded, and Click to Select, which empties the
    // result: an open check window follows.
    void setCalculation(const Calculation &calculation);
    void clearCalculation();

private:
    State m_state;
    std::unique_ptr<FrmKervadin3> m_measurement;
    std::unique_ptr<FrmType> m_chooser;
    std::array<std::unique_ptr<SizeWindow>, FamilyCount> m_sizes;
    std::unique_ptr<FrmCustom> m_custom;
    std::unique_ptr<FrmCheck> m_check;
    std::unique_ptr<FrmUncertainty> m_uncertainty;
};

} // namespace kervadin
