#include "kervadin/ui/kervadin.h"

#include "kervadin/core/uncertainty.h"

#include "kervadin/ui/frmcheck.h"
#include "kervadin/ui/frmcustom.h"
#include "kervadin/ui/frmkervadin3.h"
#include "kervadin/ui/frmtype.h"
#include "kervadin/ui/frmuncertainty.h"
#include "kervadin/ui/sizewindow.h"

#include <QGuiApplication>
#include <QLineEdit>

namespace kervadin {
namespace {

template <typename Window, typename... Args>
Window *made(std::unique_ptr<Window> &slot, Args &&...args)
{
    if (!slot)
        slot = std::make_unique<Window>(std::forward<Args>(args)...);
    return slot.get();
}

} // namespace

Kervadin::Kervadin() = default;

Kervadin::~Kervadin()
{
    // The other windows go before the measurement window they write to;
    // the check, which reads the uncertainty window, before it.
    m_check.reset();
    m_uncertainty.reset();
    m_custom.reset();
    for (auto &window : m_sizes)
        window.reset();
    m_chooser.reset();
    m_measurement.reset();
}

void Kervadin::start()
{
    QCoreApplication::setApplicationName(QStringLiteral("kervadin"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.workshopcalc.kervadin"));
    FrmKervadin3 *main = measurementWindow();
    rt::Form::setMainForm(main);
    main->showForm();
    main->focusWireBox();
}

QList<rt::Form *> Kervadin::windows() const
{
    QList<rt::Form *> list;
    rt::Form *const all[] = {m_measurement.get(), m_chooser.get(), m_custom.get(), m_check.get(),
                             m_uncertainty.get()};
    for (rt::Form *w : all) {
        if (w)
            list.append(w);
    }
    for (const auto &w : m_sizes) {
        if (w)
            list.append(w.get());
    }
    return list;
}

FrmKervadin3 *Kervadin::measurementWindow() { return made(m_measurement, *this); }
FrmType *Kervadin::typeChooser() { return made(m_chooser, *this); }
FrmCustom *Kervadin::customWindow() { return made(m_custom, *this); }

SizeWindow *Kervadin::sizeWindow(Family family)
{
    return made(m_sizes[static_cast<size_t>(family)], *this, family);
}

FrmCheck *Kervadin::checkWindow() { return made(m_check, *this); }
FrmUncertainty *Kervadin::uncertaintyWindow() { return made(m_uncertainty, *this); }

UncertaintyEntry Kervadin::uncertaintyEntry() const
{
    return m_uncertainty ? m_uncertainty->entry() : UncertaintyEntry();
}

void Kervadin::uncertaintyEdited()
{
    if (m_check)
        m_check->uncertaintyEdited();
}

QWidget *Kervadin::showUncertaintyBox(CheckField field)
{
    QLineEdit *box = uncertaintyWindow()->box(field);
    if (box)
        m_uncertainty->showForm();
    return box;
}

void Kervadin::showBudget(const std::string &budget)
{
    if (!m_uncertainty)
        return;
    const char *unit = m_state.thread() ? lengthSymbol(m_state.thread()->unit()) : "";
    m_uncertainty->showBudget(budget, unit);
}

void Kervadin::showChooser()
{
    typeChooser()->showForm();
}

void Kervadin::showSizes(Family family)
{
    if (m_chooser)
        m_chooser->hideForm();
    sizeWindow(family)->showForm();
}

void Kervadin::showCustom()
{
    if (m_chooser)
        m_chooser->hideForm();
    customWindow()->showForm();
}

void Kervadin::openCheck()
{
    checkWindow()->open();
}

void Kervadin::openUncertainty()
{
    // Made first, so the check's budget finds it.
    FrmUncertainty *window = uncertaintyWindow();
    if (m_check)
        m_check->follow();
    window->open();
}

void Kervadin::applyThread(const Thread &thread)
{
    m_state.setThread(thread);
    measurementWindow()->showThread();
    if (m_check)
        m_check->clear();
}

void Kervadin::setCalculation(const Calculation &calculation)
{
    m_state.setCalculation(calculation);
    if (m_check)
        m_check->follow();
}

void Kervadin::clearCalculation()
{
    m_state.clearCalculation();
    if (m_check)
        m_check->follow();
}

} // namespace kervadin
