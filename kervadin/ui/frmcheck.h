#pragma once
// Checking a measured reading: the state's thread and the wire of its last
// Calculate, the limits of the pitch diameter (typed, or a class's),
// up to five readings over the wires, and the verdict. The rules are in
// checkrules.h; this window reads its entries, lets the rules work out every
// text, then writes them all.

#include "kervadin/core/checklog.h"
#include "kervadin/core/checkrecord.h"
#include "kervadin/ui/window.h"

#include <QStringList>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kervadin {

class Kervadin;
class ZoneView;

class FrmCheck : public Window {
    Q_OBJECT
public:
    explicit FrmCheck(Kervadin &program, QWidget *parent = nullptr);
    ~FrmCheck() override;

    // Shows the window, brought up to date, with the focus in the first
    // reading box.
    void open();
    // A thread applied: the limits, class, readings and results go.
    void clear();
    // The state's calculation changed: brings the window up to date, without
    // messages for refused entries; only while it is shown.
    void follow();
    // A box of the uncertainty edited: everything follows at once but the
    // verdict, as for a box of this window.
    void uncertaintyEdited();

private:
    // Check: a refused entry is named in a message and nothing changes.
    void evaluate();
    // BACK: hides the window.
    void back();
    // Choosing a class fills the limits.
    void chooseClass();
    // Save Record: appends the record of the check to the log, asking for
    // the log the first time in a run and again after a refusal.
    void saveRecord();
    // Copy Record: the record as lines a person reads, on the clipboard.
    void copyRecord();
    // Uncertainty…: the uncertainty window, brought up to date.
    void openUncertainty();
    // Choosing a rule judges again under it.
    void chooseRule();
    // The record of the verdict shown; none, after a "No Check" message,
    // when there is none or an entry has changed since.
    std::optional<CheckRecord> record();

    CheckEntry entry() const;
    // Works everything out again and shows it: for a choice (a class, the
    // lead-angle correction, a new Calculate) with the verdict, when Check
    // would give one; while an entry is typed without it.
    enum class Refresh { Chosen, Typed };
    void refresh(Refresh how);
    void write(const CheckTexts &texts);
    // What follows from the entries: the range, the pitch diameters, mean
    // and spread, the standings and the verdict.
    void writeResults(const CheckTexts &texts);
    void writeLimit(CheckField field, const std::string &text, const std::string &working);
    // A box of the check edited by the user: starts of more than one tick
    // the lead-angle correction, a limit typed clears the class; then
    // everything follows at once but the verdict.
    void edited(CheckField field);
    // The class in the list's box and on its option, when it has one.
    void setClass(const ToleranceClass &toleranceClass);
    // The option of the class, when it has one; the others cleared.
    void showOption(const ToleranceClass &toleranceClass);
    // The list of the classes the thread offers, shown only when it offers some.
    void listClasses(const CheckTexts &texts);

    // Every control the window works with, bound once by its name.
    void bindControls();
    // The control of a field a refusal names, and a field's box (in this
    // window; the uncertainty's are the program's).
    QWidget *fieldControl(CheckField field) const;
    QLineEdit *box(CheckField field) const;
    // The lead-angle box as a thread's form has it at first: ticked for a
    // lead screw.
    void tickLeadForForm();
    // Shows a refusal's message, then puts the focus in its field.
    void refuse(const CheckRefusal &refusal);
    // The class in the list's box, as chosen or typed.
    ToleranceClass typedClass() const;

    // The texts and the entries of the last verdict written; none while no
    // verdict is shown.
    std::optional<CheckTexts> m_verdict;
    CheckEntry m_verdictEntry;
    // The classes the list holds.
    QStringList m_listed;
    // The class as last typed in the list's box; empty once one is chosen.
    QString m_typedClass;
    // What the last Check refused, until anything changes.
    CheckRefusal m_checkRefusal;
    // The log this run saves to; empty until the first Save succeeds.
    QString m_logPath;

    // The controls, named as the window names them.
    QLabel *lblThread = nullptr, *lblNote = nullptr, *lblBasic = nullptr, *lblConstant = nullptr;
    QLabel *lblRange = nullptr, *lblMean = nullptr, *lblMeanPD = nullptr, *lblSpread = nullptr;
    QLabel *lblVerdict = nullptr, *lblCapClassList = nullptr;
    QLabel *lblPD[ReadingCount] = {};
    QLineEdit *txtStarts = nullptr, *txtPDmax = nullptr, *txtPDmin = nullptr;
    QLineEdit *txtReading[ReadingCount] = {};
    QLineEdit *txtMajmax = nullptr, *txtMajmin = nullptr, *txtMajor = nullptr, *txtPart = nullptr;
    QCheckBox *chkLead = nullptr;
    QComboBox *cboClass = nullptr, *cboRule = nullptr;
    QPushButton *cmdEvaluate = nullptr, *cmdBackcheck = nullptr, *cmdSave = nullptr;
    QPushButton *cmdCopyRecord = nullptr, *cmdUncertainty = nullptr;
    ZoneView *picZone = nullptr;
    // Each class option with its class.
    std::vector<std::pair<const char *, QRadioButton *>> m_options;
};

} // namespace kervadin
