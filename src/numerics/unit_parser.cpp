#include "numerics/unit_parser.h"

#include <numbers>
#include <string_view>

#include "numerics/checked.h"
#include "numerics/physical_constants.h"
#include "numerics/text_utils.h"

namespace tubalyx {

namespace {

// The conversions run in extended precision, products left to right, and each result is
// stored as a double; results written by earlier releases must come out digit for digit.
using Ext = long double;

// The kind of a text that is no unit.
constexpr const char* kUnknownKind = "X";

double Store(Ext x) { return CheckFinite(static_cast<double>(x), "overflow in unit conversion"); }

using Formula = double (*)(Ext v, Ext rho, Ext d);

struct UnitRow {
    const char* keywords[4];  // unused entries are nullptr
    const char* canonical;    // nullptr: the text stays as typed
    const char* kind;
    Formula formula;
};

constexpr Ext kPi = std::numbers::pi_v<Ext>;
constexpr Ext kUsGallonL = 3.785411784L;
constexpr Ext kCubicFootL = 28.316846592L;

// First matching row wins; keywords that differ only in the case of a to z are one keyword.
constexpr UnitRow kUnitRows[] = {
    {{"kPa", "kPaA"}, "kPa", "A", [](Ext v, Ext, Ext) { return Store(v * 1000); }},
    {{"Pa", "PaA"}, "Pa", "A", [](Ext v, Ext, Ext) { return Store(v); }},
    {{"MPa", "MPaA"}, "MPa", "A", [](Ext v, Ext, Ext) { return Store(v * 1000000); }},
    {{"BARA"}, "BarA", "A", [](Ext v, Ext, Ext) { return Store(v * 100000); }},
    {{"mbar", "mbarA"}, "mBar", "A", [](Ext v, Ext, Ext) { return Store(v * 100); }},
    {{"ATA", "ATAA"}, "ATA", "A", [](Ext v, Ext, Ext) { return Store(v * 98066.5L); }},
    {{"kg/cm2", "kg/cm2A"}, "kg/cm2", "A", [](Ext v, Ext, Ext) { return Store(v * 98066.5L); }},
    {{"kp/cm2", "kp/cm2A"}, "kp/cm2", "A", [](Ext v, Ext, Ext) { return Store(v * 98066.5L); }},
    // 1 / 0.00750062 Pa per mmHg
    {{"mmHg", "mmHgA"}, "mmHg", "A", [](Ext v, Ext, Ext) { return Store(v * 133.322312022206L); }},
    {{"ATM", "ATMA"}, "ATM", "A", [](Ext v, Ext, Ext) { return Store(v * kAtmKeywordPa); }},
    {{"psi", "psiA"}, "psi", "A", [](Ext v, Ext, Ext) { return Store(v * 6894.75728L); }},
    {{"mmVp", "mmVpA"}, "mmVp", "A", [](Ext v, Ext, Ext) { return Store(v * 9.80665L); }},
    {{"mVp", "mVpA"}, "mVp", "A", [](Ext v, Ext, Ext) { return Store(v * 9806.65L); }},
    {{"BarÖ", "barö", "BarG", "Bar(ü)"},
     nullptr,
     "O",
     [](Ext v, Ext, Ext) { return Store(v * 100000 + kStandardAtmospherePa); }},
    {{"ATÖ", "atö", "ATG"}, "ATÖ", "O", [](Ext v, Ext, Ext) { return Store(v * 98066.5L + kStandardAtmospherePa); }},
    {{"AT(ü)"}, "AT(ü)", "O", [](Ext v, Ext, Ext) { return Store(v * 98066.5L + kStandardAtmospherePa); }},
    {{"lbf/in2", "lbf/in2A"}, "lbf/in2", "A", [](Ext v, Ext, Ext) { return Store(v * 6894.757L); }},
    // Velocity through the pipe cross-section: m3/s, then litres per hour.
    {{"m/s"}, "m/s", "V", [](Ext v, Ext, Ext d) { return Store(Ext(Store(kPi * v * d * d * 0.25L)) * 1000 * 3600); }},
    {{"LITER/H", "L/H"}, "liter/h", "V", [](Ext v, Ext, Ext) { return Store(v); }},
    {{"LITER/MIN"}, "liter/min", "V", [](Ext v, Ext, Ext) { return Store(v * 60); }},
    {{"LITER/S"}, "liter/s", "V", [](Ext v, Ext, Ext) { return Store(v * 3600); }},
    {{"m3/h"}, "m3/h", "V", [](Ext v, Ext, Ext) { return Store(v * 1000); }},
    {{"M3/MIN"}, "m3/min", "V", [](Ext v, Ext, Ext) { return Store(v * 1000 * 60); }},
    {{"M3/S"}, "m3/s", "V", [](Ext v, Ext, Ext) { return Store(v * 1000 * 3600); }},
    {{"USGPS"}, "usgps", "V", [](Ext v, Ext, Ext) { return Store(kUsGallonL * v * 3600); }},
    {{"usgpm"}, "usgpm", "V", [](Ext v, Ext, Ext) { return Store(kUsGallonL * v * 60); }},
    {{"USGPH"}, "usgph", "V", [](Ext v, Ext, Ext) { return Store(kUsGallonL * v); }},
    {{"FT3/S"}, "ft3/s", "V", [](Ext v, Ext, Ext) { return Store(kCubicFootL * v * 3600); }},
    {{"ft3/min"}, "ft3/min", "V", [](Ext v, Ext, Ext) { return Store(kCubicFootL * v * 60); }},
    {{"FT3/H"}, "ft3/h", "V", [](Ext v, Ext, Ext) { return Store(kCubicFootL * v); }},
    {{"kg/h"}, "kg/h", "M", [](Ext v, Ext, Ext) { return Store(v); }},
    {{"KG/MIN"}, "kg/min", "M", [](Ext v, Ext, Ext) { return Store(v * 60); }},
    {{"kg/s"}, "kg/s", "M", [](Ext v, Ext, Ext) { return Store(v * 3600); }},
    {{"ton/h"}, "ton/h", "M", [](Ext v, Ext, Ext) { return Store(v * 1000); }},
    {{"TON/MIN"}, "ton/min", "M", [](Ext v, Ext, Ext) { return Store(v * 1000 * 60); }},
    {{"TON/S"}, "ton/s", "M", [](Ext v, Ext, Ext) { return Store(v * 1000 * 3600); }},
    // Standard and normal volume flows become mass flow through the reference density.
    {{"STANDARD_M3/H", "Sm3/h"}, "Standard_m3/h", "M", [](Ext v, Ext rho, Ext) { return Store(v * rho); }},
    // Million standard cubic feet per day.
    {{"MMSCFD"},
     "MMSCFD",
     "M",
     [](Ext v, Ext rho, Ext) { return Store(v * rho * 0.3048L * 0.3048L * 0.3048L * 1000000 * (1.0L / 24)); }},
    {{"STANDARD_M3/MIN", "Sm3/min"}, "Standard_m3/min", "M", [](Ext v, Ext rho, Ext) { return Store(v * rho * 60); }},
    {{"STANDARD_M3/S", "Sm3/s"}, "Standard_m3/s", "M", [](Ext v, Ext rho, Ext) { return Store(v * rho * 60 * 60); }},
    {{"nm3/h"}, "Nm3/h", "M", [](Ext v, Ext rho, Ext) { return Store(v * rho); }},
    {{"NM3/MIN"}, "Nm3/min", "M", [](Ext v, Ext rho, Ext) { return Store(v * rho * 60); }},
    {{"NM3/S"}, "Nm3/s", "M", [](Ext v, Ext rho, Ext) { return Store(v * rho * 3600); }},
    {{"NLITER/H", "nl/h"}, "Nliter/h", "M", [](Ext v, Ext rho, Ext) { return Store(v * rho * 0.001L); }},
    {{"NLITER/MIN"}, "Nliter/min", "M", [](Ext v, Ext rho, Ext) { return Store(v * rho * 0.001L * 60); }},
    {{"NLITER/S"}, "Nliter/s", "M", [](Ext v, Ext rho, Ext) { return Store(v * rho * 0.001L * 3600); }},
    {{"PAS"}, "Pas", "dynvisk", [](Ext v, Ext, Ext) { return Store(v * 1000000); }},
    {{"MPAS"}, "mPas", "dynvisk", [](Ext v, Ext, Ext) { return Store(v * 1000); }},
    {{"NS/M2"}, "Ns/m2", "dynvisk", [](Ext v, Ext, Ext) { return Store(v * 1000000); }},
    {{"PAS*E-6", "PasE-6"}, "Pas*E-6", "dynvisk", [](Ext v, Ext, Ext) { return Store(v); }},
    {{"NS/M2*E-6", "NS/M2E-6"}, "Ns/m2*E-6", "dynvisk", [](Ext v, Ext, Ext) { return Store(v); }},
    {{"POISE"}, "Poise", "dynvisk", [](Ext v, Ext, Ext) { return Store(v * 100000); }},
    {{"CP", "CPOISE"}, "cP", "dynvisk", [](Ext v, Ext, Ext) { return Store(v * 1000); }},
    // Kinematic viscosities become dynamic ones through the medium's density.
    {{"M2/S"}, "m2/s", "kinvisk", [](Ext v, Ext rho, Ext) { return Store(v * rho * 1000000); }},
    {{"mm2/s"}, "mm2/s", "kinvisk", [](Ext v, Ext rho, Ext) { return Store(v * rho * 0.000001L * 1000000); }},
    {{"ST", "STOKES"}, "St", "kinvisk", [](Ext v, Ext rho, Ext) { return Store(v * rho * 0.0001L * 1000000); }},
    {{"CST", "CSTOKES"}, "cSt", "kinvisk", [](Ext v, Ext rho, Ext) { return Store(v * rho * 0.000001L * 1000000); }},
};

char AsciiUpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// `key` is already upper case in a to z.
bool MatchesKeyword(const std::string& key, const char* keyword) {
    std::size_t i = 0;
    for (; keyword[i] != '\0'; ++i)
        if (i >= key.size() || AsciiUpperChar(keyword[i]) != key[i]) return false;
    return i == key.size();
}

const UnitRow* FindUnitRow(const std::string& key) {
    for (const UnitRow& row : kUnitRows)
        for (const char* keyword : row.keywords)
            if (keyword != nullptr && MatchesKeyword(key, keyword)) return &row;
    return nullptr;
}

}  // namespace

void ParseUnitValue(UnitKeyword& unit, double value, double density, double diameter, double& result,
                    std::string& kind) {
    kind.clear();
    result = 0.0;
    const UnitRow* row = FindUnitRow(AsciiUpper(unit));
    if (row == nullptr) {
        kind = kUnknownKind;
        return;
    }
    result = row->formula(value, density, diameter);
    if (row->canonical != nullptr) unit = row->canonical;
    kind = row->kind;
}

std::string ConvertPressureEntry(const UnitKeyword& unit) {
    std::string copy = unit;
    double result = 0.0;
    std::string kind;
    ParseUnitValue(copy, 1.0, 1.0, 1.0, result, kind);
    return kind;
}

namespace {

// The kinds of a box, as the table's rows name them.
struct BoxKinds {
    std::string_view first, second;
};

BoxKinds KindsOf(UnitBox box) {
    switch (box) {
        case UnitBox::Pressure: return {"A", "O"};
        case UnitBox::Flow: return {"V", "M"};
        case UnitBox::Viscosity: return {"dynvisk", "kinvisk"};
    }
    return {};
}

bool KindOfBox(UnitBox box, std::string_view kind) {
    const BoxKinds kinds = KindsOf(box);
    return kind == kinds.first || kind == kinds.second;
}

}  // namespace

bool HoldsUnitOfBox(UnitBox box, const UnitKeyword& unit) { return KindOfBox(box, ConvertPressureEntry(unit)); }

bool HoldsUnitOfOtherBox(UnitBox box, const UnitKeyword& unit) {
    const std::string kind = ConvertPressureEntry(unit);
    return kind != kUnknownKind && !KindOfBox(box, kind);
}

void ParseUnitValueOfBox(UnitBox box, UnitKeyword& unit, double value, double density, double diameter, double& result,
                         std::string& kind) {
    if (!HoldsUnitOfBox(box, unit)) {
        result = 0.0;
        kind = kUnknownKind;
        return;
    }
    ParseUnitValue(unit, value, density, diameter, result, kind);
}

}  // namespace tubalyx
