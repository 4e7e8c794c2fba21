// Unit keywords: known keywords in any letter case, or any text, with any value, density and
// diameter. The result is finite (or CalcError on overflow), the kind is one of the seven,
// and an unknown unit gives 0 and keeps its text.
#include <cctype>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "numerics/unit_parser.h"

using namespace tubalyx;
using namespace tubalyx::fuzz;

namespace {

// clang-format off
const char* const kUnits[] = {
    "Pa", "PaA", "kPa", "kPaA", "MPa", "MPaA", "mbar", "mbarA", "mBar", "BarA", "BarG", "BarÖ",
    "Bar(ü)", "barö", "ATA", "ATG", "ATÖ", "AT(ü)", "atö", "ATM", "ATMA", "psi", "psiA", "lbf/in2",
    "lbf/in2A", "kg/cm2", "kg/cm2A", "kp/cm2", "kp/cm2A", "mmHg", "mmHgA", "mmVp", "mmVpA", "mVp",
    "mVpA", "kg/h", "kg/min", "kg/s", "ton/h", "ton/min", "ton/s", "m3/h", "m3/min", "m3/s",
    "liter/h", "liter/min", "liter/s", "ft3/h", "ft3/min", "ft3/s", "usgph", "usgpm", "usgps",
    "MMSCFD", "Nm3/h", "Nm3/min", "Nm3/s", "Nliter/h", "Nliter/min", "Nliter/s", "nl/h", "Sm3/h",
    "Sm3/min", "Sm3/s", "Standard_m3/h", "Standard_m3/min", "Standard_m3/s", "m/s", "cP", "mPas",
    "Pas", "Pas*E-6", "PasE-6", "Ns/m2", "Ns/m2*E-6", "Poise", "cSt", "St", "m2/s", "mm2/s",
};
// clang-format on

std::string Unit(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange<int>(0, 2)) {
        case 0: return Pick(in, kUnits);
        case 1: {
            std::string unit = Pick(in, kUnits);
            for (char& c : unit)
                if (in.ConsumeBool()) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            return unit;
        }
        default: return Text(in, 24);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    std::string unit = Unit(in);
    const std::string typed = unit;
    const double value = Value(in, 1e-6, 1e9);
    const double density = Value(in, 1e-3, 2000.0);
    const double diameter = Value(in, 1e-3, 3.0);
    double result = -1.0;
    std::string kind;
    try {
        ParseUnitValue(unit, value, density, diameter, result, kind);
    } catch (const CalcError&) {
        return 0;
    }
    RequireFinite(result, "unit result");
    if (kind != "A" && kind != "O" && kind != "V" && kind != "M" && kind != "dynvisk" && kind != "kinvisk" &&
        kind != "X")
        Fail("unknown kind", 0);
    if (kind == "X" && (result != 0.0 || unit != typed)) Fail("unknown unit changed", result);
    if (ConvertPressureEntry(typed).empty()) Fail("no kind for a unit text", 0);
    return 0;
}
