#include "kervadin/threadrecord.h"

#include "kervadin/frmkervadin3.h"
#include "runtime/numbers.h"

#include <QLabel>
#include <QLocale>

namespace kervadin {

// angle, kD, diameter, depth, pitch patterns, B.A. wires, max, min, preferred, units
const RecordRule BsfRule{"55°", 0.64, "#0.0000", "#0.0000", "#0.0000", false, 0.76, 0.54, 0.564, "inches."};
const RecordRule WhitworthRule = BsfRule;
const RecordRule UnfRule{"60°", 0.6134, "#0.0000", "#0.0000", "#0.0000", false, 0.9, 0.56, 0.578, "inches."};
const RecordRule UncRule = UnfRule;
const RecordRule MetricRule{"60°", 0.6134, "#0.0000", "#0.0000", "#0.0000", false, 0.9, 0.56, 0.577, "millimeters."};
const RecordRule BaRule{"47.5°", 0.6, "#0.0000", "#0.0000", "#0.0000", true, 0.73, 0, 0.546, "inches."};

const RecordRule CustomWhitworthRule{"55°", 0.6403, "#0.000", "#0.0000", "#0.000", false, 0.76, 0.54, 0.564, "inches."};
const RecordRule CustomMetricRule{"60°", 0.6493, "#0.000", "#0.000", "#0.000", false, 0.9, 0.56, 0.577, "millimeters."};
const RecordRule CustomUnifiedRule{"60°", 0.6134, "#0.000", "#0.000", "#0.000", false, 0.9, 0.56, 0.577, "inches."};

namespace {

QString format(double value, const char *pattern)
{
    return QString::fromStdString(rt::FormatNumber(value, pattern));
}

QString timesP(double factor)
{
    return QString::number(factor, 'g', QLocale::FloatingPointShortest) + QStringLiteral(" × P");
}

} // namespace

WireFormulas wireFormulas(const RecordRule &rule)
{
    if (rule.threadsPerUnitWires)
        return {QString::number(rule.maxFactor, 'g', QLocale::FloatingPointShortest)
                    + QStringLiteral(" ÷ (1 ÷ P)"),
                QStringLiteral("P ÷ 2"), timesP(rule.preferredFactor)};
    return {timesP(rule.maxFactor), timesP(rule.minFactor), timesP(rule.preferredFactor)};
}

WireSizes wireSizes(const RecordRule &rule, double pitch)
{
    if (rule.threadsPerUnitWires) {
        const double threadsPerUnit = rt::divide(1, pitch);
        return {rt::divide(rule.maxFactor, threadsPerUnit), rt::divide(pitch, 2),
                rt::checked(rule.preferredFactor * pitch)};
    }
    return {rt::checked(rule.maxFactor * pitch), rt::checked(rule.minFactor * pitch),
            rt::checked(rule.preferredFactor * pitch)};
}

void writeRecord(FrmKervadin3 *window, const RecordRule &rule, const QString &name, double diameter,
                 double pitch, const std::function<void()> &writeHelix, const QString &diameterText)
{
    window->forgetCalculation();
    window->lblSelected->setText(name);
    window->lblDia->setText(diameterText.isNull() ? format(diameter, rule.diameterPattern)
                                                  : diameterText);
    window->lblDoT->setText(format(rt::checked(rule.depthFactor * pitch), rule.depthPattern));
    window->lblPitch->setText(format(pitch, rule.pitchPattern));
    window->lblTangle->setText(QString::fromUtf8(rule.angleCaption));
    window->lblMillinches->setText(QStringLiteral("Dimensions\nin\n")
                                   + QString::fromUtf8(rule.unitsWord));
    writeHelix();
    const WireSizes wires = wireSizes(rule, pitch);
    const WireFormulas formulas = wireFormulas(rule);
    window->lblMax->setText(format(wires.maximum, "#0.0000"));
    window->lblMax->setToolTip(formulas.maximum);
    window->lblMin->setText(format(wires.minimum, "#0.0000"));
    window->lblMin->setToolTip(formulas.minimum);
    window->lblPref->setText(format(wires.preferred, "#0.0000"));
    window->lblPref->setToolTip(formulas.preferred);
    window->focusActual();
    emit window->recordWritten();
}

} // namespace kervadin
