#include "media/oil_properties.h"

#include <array>

#include "media/medium_property_switch.h"
#include "numerics/checked.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
#include "numerics/unit_parser.h"
#include "state/geometry.h"
#include "state/medium.h"
#include "ui/calculation_window.h"

namespace tubalyx {

namespace {

struct OilDensityClassRow {
    double upperBound;  // relative density, inclusive
    double k;           // g/cm3 per K
    const char* text;
};

constexpr double kNoBound = 1e300;

constexpr std::array<OilDensityClassRow, 25> kOilDensityClasses{{
    {0.6049, 0.00103, "+(15-T[C])*1,03"},   {0.6133, 0.00101, "+(15-T[C])*1,01"}, {0.6219, 0.00099, "+(15-T[C])*0,99"},
    {0.6319, 0.00097, "+(15-T[C])*0,97"},   {0.6418, 0.00095, "+(15-T[C])*0,95"}, {0.6529, 0.00094, "+(15-T[C])*0,94"},
    {0.6648, 0.00092, "+(15-T[C])*0,92"},   {0.6773, 0.0009, "+(15-T[C])*0,90"},  {0.6897, 0.00088, "+(15-T[C])*0,88"},
    {0.7023, 0.00086, "+(15-T[C])*0,86"},   {0.7164, 0.00085, "+(15-T[C])*0,85"}, {0.7298, 0.00083, "+(15-T[C])*0,83"},
    {0.7421, 0.00081, "+(15-T[C])*0,81"},   {0.7534, 0.00079, "+(15-T[C])*0,79"}, {0.7646, 0.00077, "+(15-T[C])*0,77"},
    {0.7757, 0.00076, "+(15-T[C])*0,76"},   {0.7866, 0.00074, "+(15-T[C])*0,74"}, {0.7984, 0.00072, "+(15-T[C])*0,72"},
    {0.802, 0.0007, "+(15-T[C])*0,70"},     {0.8279, 0.00068, "+(15-T[C])*0,68"}, {0.8594, 0.00067, "+(15-T[C])*0,67"},
    {0.9245, 0.00065, "+(15-T[C])*0,65"},   {1.0243, 0.00063, "+(15-T[C])*0,63"}, {1.0742, 0.00061, "+(15-T[C])*0,61"},
    {kNoBound, 0.00059, "+(15-T[C])*0,59"},
}};

// ln(ln(nu + 0.8)); no value for nu <= 0.2.
double DoubleLog(double nu) { return CheckedLn(CheckedLn(nu + 0.8)); }

}  // namespace

int OilDensityClass(double relativeDensity) {
    for (int i = 0; i < static_cast<int>(kOilDensityClasses.size()); ++i)
        if (!(kOilDensityClasses[i].upperBound < relativeDensity)) return i + 1;
    return static_cast<int>(kOilDensityClasses.size());  // NaN input: the last class
}

double OilDensityCoefficient(int densityClass) {
    return kOilDensityClasses.at(static_cast<size_t>(densityClass - 1)).k;
}

const char* OilDensityClassText(int densityClass) {
    return kOilDensityClasses.at(static_cast<size_t>(densityClass - 1)).text;
}

void OilProperties(const std::string& unit, double& density, double& viscosity, double t, double nu40, double nu100,
                   double rho15) {
    const double d = 0.001 * rho15;
    const int cls = OilDensityClass(d);
    density = CheckFinite((d + (15.0 - t) * OilDensityCoefficient(cls)) * 1000.0);
    OilDensityFormulaText = "r[kg/m3]:=" + CalculationWindow().rbg.Text() + OilDensityClassText(cls);
    OilDensityFactorText = "fdens:=sqrt(r[kg/m3]/" + FormatFixed(density, 5) + ")";

    const double l40 = DoubleLog(nu40);
    const double l100 = DoubleLog(nu100);
    const double ln40 = CheckedLn(40.0 + kKelvinOffset);
    const double b = CheckedDiv(l40 - l100, ln40 - CheckedLn(100.0 + kKelvinOffset));
    const double a = l40 - b * ln40;
    const double nu = CheckedExp(CheckedExp(a + b * CheckedLn(t + kKelvinOffset))) - 0.8;

    std::string viscosityUnit = unit;
    ParseUnitValue(viscosityUnit, nu40, density, PipeDiameter, OilViscosity40Dynamic, ParsedUnitKind);
    viscosity = CheckFinite(CheckedDiv(nu, nu40) * OilViscosity40Dynamic * 1e-6);

    OilViscosityLawText = "exp(exp(" + FormatFixed(b, 10) + "*ln(T[C]+273,15)+" + FormatFixed(a, 10) + "))-0,8";
    OilViscosityHeadText = "dynvisk[Pas]:=r[kg/m3]/1000000";
    OilViscosityTailText = "*(" + OilViscosityLawText + ")";
}

}  // namespace tubalyx
