#include "numerics/unit_parser.h"

#include <initializer_list>

#include "numerics/checked.h"
#include "numerics/text_utils.h"

namespace tubalyx {

namespace {

using Ext = long double;  // the conversion constants and products are formed in extended precision

enum class Formula {
    Factor,         // v * a
    GaugeOffset,    // v * a + 101325
    Velocity,       // pi * v * D * D * 0.25, stored, then * 1000 * 3600
    DensityFactor,  // v * rho * a
};

struct UnitRow {
    std::initializer_list<const char*> keywords;
    const char* canonical;  // nullptr: the text is left as typed
    const char* kind;
    Formula formula;
    std::initializer_list<Ext> factors;  // applied one after the other, left to right
};

constexpr Ext kMmHg = 1.0L / 0.00750062L;

// Rows in matching order; the first row with a matching keyword wins.
const UnitRow kUnitRows[] = {
    {{"kPa", "kPaA"}, "kPa", "A", Formula::Factor, {1000.0L}},
    {{"Pa", "PaA"}, "Pa", "A", Formula::Factor, {1.0L}},
    {{"MPa", "MPaA"}, "MPa", "A", Formula::Factor, {1000000.0L}},
    {{"BARA"}, "BarA", "A", Formula::Factor, {100000.0L}},
    {{"mbar", "mbarA"}, "mBar", "A", Formula::Factor, {100.0L}},
    {{"ATA", "ATAA"}, "ATA", "A", Formula::Factor, {98066.5L}},
    {{"kg/cm2", "kg/cm2A"}, "kg/cm2", "A", Formula::Factor, {98066.5L}},
    {{"kp/cm2", "kp/cm2A"}, "kp/cm2", "A", Formula::Factor, {98066.5L}},
    {{"mmHg", "mmHgA"}, "mmHg", "A", Formula::Factor, {kMmHg}},
    {{"ATM", "ATMA"}, "ATM", "A", Formula::Factor, {101325.01L}},
    {{"psi", "psiA"}, "psi", "A", Formula::Factor, {6894.75728L}},
    {{"mmVp", "mmVpA"}, "mmVp", "A", Formula::Factor, {9.80665L}},
    {{"mVp", "mVpA"}, "mVp", "A", Formula::Factor, {9806.65L}},
    {{"BarÖ", "barö", "BarG", "Bar(ü)"}, nullptr, "O", Formula::GaugeOffset, {100000.0L}},
    {{"ATÖ", "atö", "ATG"}, "ATÖ", "O", Formula::GaugeOffset, {98066.5L}},
    {{"AT(ü)"}, "AT(ü)", "O", Formula::GaugeOffset, {98066.5L}},
    {{"lbf/in2", "lbf/in2A"}, "lbf/in2", "A", Formula::Factor, {6894.757L}},
    {{"m/s"}, "m/s", "V", Formula::Velocity, {}},
    {{"LITER/H", "L/H"}, "liter/h", "V", Formula::Factor, {1.0L}},
    {{"LITER/MIN"}, "liter/min", "V", Formula::Factor, {60.0L}},
    {{"LITER/S"}, "liter/s", "V", Formula::Factor, {3600.0L}},
    {{"m3/h"}, "m3/h", "V", Formula::Factor, {1000.0L}},
    {{"M3/MIN"}, "m3/min", "V", Formula::Factor, {1000.0L, 60.0L}},
    {{"M3/S"}, "m3/s", "V", Formula::Factor, {1000.0L, 3600.0L}},
    {{"USGPS"}, "usgps", "V", Formula::Factor, {3.785411784L, 3600.0L}},
    {{"usgpm"}, "usgpm", "V", Formula::Factor, {3.785411784L, 60.0L}},
    {{"USGPH"}, "usgph", "V", Formula::Factor, {3.785411784L}},
    {{"FT3/S"}, "ft3/s", "V", Formula::Factor, {28.316846592L, 3600.0L}},
    {{"ft3/min"}, "ft3/min", "V", Formula::Factor, {28.316846592L, 60.0L}},
    {{"FT3/H"}, "ft3/h", "V", Formula::Factor, {28.316846592L}},
    {{"kg/h"}, "kg/h", "M", Formula::Factor, {1.0L}},
    {{"KG/MIN"}, "kg/min", "M", Formula::Factor, {60.0L}},
    {{"kg/s"}, "kg/s", "M", Formula::Factor, {3600.0L}},
    {{"ton/h"}, "ton/h", "M", Formula::Factor, {1000.0L}},
    {{"TON/MIN"}, "ton/min", "M", Formula::Factor, {1000.0L, 60.0L}},
    {{"TON/S"}, "ton/s", "M", Formula::Factor, {1000.0L, 3600.0L}},
    {{"STANDARD_M3/H", "Sm3/h"}, "Standard_m3/h", "M", Formula::DensityFactor, {1.0L}},
    {{"MMSCFD"}, "MMSCFD", "M", Formula::DensityFactor, {0.3048L, 0.3048L, 0.3048L, 1000000.0L, 1.0L / 24.0L}},
    {{"STANDARD_M3/MIN", "Sm3/min"}, "Standard_m3/min", "M", Formula::DensityFactor, {60.0L}},
    {{"STANDARD_M3/S", "Sm3/s"}, "Standard_m3/s", "M", Formula::DensityFactor, {60.0L, 60.0L}},
    {{"nm3/h"}, "Nm3/h", "M", Formula::DensityFactor, {1.0L}},
    {{"NM3/MIN"}, "Nm3/min", "M", Formula::DensityFactor, {60.0L}},
    {{"NM3/S"}, "Nm3/s", "M", Formula::DensityFactor, {3600.0L}},
    {{"NLITER/H", "nl/h"}, "Nliter/h", "M", Formula::DensityFactor, {0.001L}},
    {{"NLITER/MIN"}, "Nliter/min", "M", Formula::DensityFactor, {0.001L, 60.0L}},
    {{"NLITER/S"}, "Nliter/s", "M", Formula::DensityFactor, {0.001L, 3600.0L}},
    {{"PAS"}, "Pas", "dynvisk", Formula::Factor, {1000000.0L}},
    {{"MPAS"}, "mPas", "dynvisk", Formula::Factor, {1000.0L}},
    {{"NS/M2"}, "Ns/m2", "dynvisk", Formula::Factor, {1000000.0L}},
    {{"PAS*E-6", "PasE-6"}, "Pas*E-6", "dynvisk", Formula::Factor, {1.0L}},
    {{"NS/M2*E-6", "NS/M2E-6"}, "Ns/m2*E-6", "dynvisk", Formula::Factor, {1.0L}},
    {{"POISE"}, "Poise", "dynvisk", Formula::Factor, {100000.0L}},
    {{"CP", "CPOISE"}, "cP", "dynvisk", Formula::Factor, {1000.0L}},
    {{"M2/S"}, "m2/s", "kinvisk", Formula::DensityFactor, {1000000.0L}},
    {{"mm2/s"}, "mm2/s", "kinvisk", Formula::DensityFactor, {0.000001L, 1000000.0L}},
    {{"ST", "STOKES"}, "St", "kinvisk", Formula::DensityFactor, {0.0001L, 1000000.0L}},
    {{"CST", "CSTOKES"}, "cSt", "kinvisk", Formula::DensityFactor, {0.000001L, 1000000.0L}},
};

double Evaluate(const UnitRow& row, double v, double rho, double diameter) {
    Ext x = v;
    switch (row.formula) {
        case Formula::Velocity: {
            // The cross-section flow in m3/s is stored once before the hour factor.
            const double flow = static_cast<double>(3.14159265358979323846L * x * diameter * diameter * 0.25L);
            return static_cast<double>(static_cast<Ext>(flow) * 1000.0L * 3600.0L);
        }
        case Formula::DensityFactor:
            x = x * rho;
            break;
        case Formula::Factor:
        case Formula::GaugeOffset:
            break;
    }
    for (Ext f : row.factors) x = x * f;
    if (row.formula == Formula::GaugeOffset) x = x + 101325.0L;
    return static_cast<double>(x);
}

}  // namespace

void ParseUnitValue(std::string& unit, double value, double density, double diameter, double& result,
                    std::string& kind) {
    kind.clear();
    result = 0.0;
    const std::string key = AsciiUpper(unit);
    for (const UnitRow& row : kUnitRows) {
        for (const char* keyword : row.keywords) {
            if (AsciiUpper(keyword) != key) continue;
            result = CheckFinite(Evaluate(row, value, density, diameter), "unit conversion overflow");
            if (row.canonical) unit = row.canonical;
            kind = row.kind;
            return;
        }
    }
    kind = "X";
}

std::string ConvertPressureEntry(const std::string& unit) {
    std::string copy = unit, kind;
    double result = 0.0;
    ParseUnitValue(copy, 1.0, 1.0, 1.0, result, kind);
    return kind;
}

}  // namespace tubalyx
