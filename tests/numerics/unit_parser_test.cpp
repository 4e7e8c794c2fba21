#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "numerics/checked.h"
#include "numerics/unit_parser.h"

using namespace tubalyx;

namespace {
struct Parsed {
    std::string unit;
    double result;
    std::string kind;
};

Parsed Parse(const std::string& unit, double v, double rho = 1.0, double d = 1.0) {
    Parsed p{unit, -1.0, "?"};
    ParseUnitValue(p.unit, v, rho, d, p.result, p.kind);
    return p;
}

std::string AsciiLower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}
std::string AsciiUpperText(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

struct KeywordCase {
    const char* keyword;
    const char* canonical;  // nullptr: the text stays as typed
    const char* kind;
    double expected;  // for v = 2, rho = 1.5, D = 0.1, worked out by hand
};

// Every keyword of the unit table.
// clang-format off
const KeywordCase kKeywords[] = {
    {"kPa", "kPa", "A", 2000}, {"kPaA", "kPa", "A", 2000}, {"Pa", "Pa", "A", 2}, {"PaA", "Pa", "A", 2},
    {"MPa", "MPa", "A", 2e6}, {"MPaA", "MPa", "A", 2e6}, {"BARA", "BarA", "A", 2e5},
    {"mbar", "mBar", "A", 200}, {"mbarA", "mBar", "A", 200},
    {"ATA", "ATA", "A", 196133}, {"ATAA", "ATA", "A", 196133},
    {"kg/cm2", "kg/cm2", "A", 196133}, {"kg/cm2A", "kg/cm2", "A", 196133},
    {"kp/cm2", "kp/cm2", "A", 196133}, {"kp/cm2A", "kp/cm2", "A", 196133},
    // 2 * 133.322312022206, the rounded 1 / 0.00750062
    {"mmHg", "mmHg", "A", 266.644624044412}, {"mmHgA", "mmHg", "A", 266.644624044412},
    {"ATM", "ATM", "A", 202650.02}, {"ATMA", "ATM", "A", 202650.02},
    {"psi", "psi", "A", 13789.51456}, {"psiA", "psi", "A", 13789.51456},
    {"mmVp", "mmVp", "A", 19.6133}, {"mmVpA", "mmVp", "A", 19.6133},
    {"mVp", "mVp", "A", 19613.3}, {"mVpA", "mVp", "A", 19613.3},
    {"BarÖ", nullptr, "O", 301325}, {"barö", nullptr, "O", 301325},
    {"BarG", nullptr, "O", 301325}, {"Bar(ü)", nullptr, "O", 301325},
    {"ATÖ", "ATÖ", "O", 297458}, {"atö", "ATÖ", "O", 297458}, {"ATG", "ATÖ", "O", 297458},
    {"AT(ü)", "AT(ü)", "O", 297458},
    {"lbf/in2", "lbf/in2", "A", 13789.514}, {"lbf/in2A", "lbf/in2", "A", 13789.514},
    {"m/s", "m/s", "V", 18000 * M_PI},  // pi/4 * 0.01 m2 * 2 m/s in l/h
    {"LITER/H", "liter/h", "V", 2}, {"L/H", "liter/h", "V", 2}, {"LITER/MIN", "liter/min", "V", 120},
    {"LITER/S", "liter/s", "V", 7200}, {"m3/h", "m3/h", "V", 2000}, {"M3/MIN", "m3/min", "V", 120000},
    {"M3/S", "m3/s", "V", 7.2e6}, {"USGPS", "usgps", "V", 27254.9648448}, {"usgpm", "usgpm", "V", 454.24941408},
    {"USGPH", "usgph", "V", 7.570823568}, {"FT3/S", "ft3/s", "V", 203881.2954624},
    {"ft3/min", "ft3/min", "V", 3398.02159104}, {"FT3/H", "ft3/h", "V", 56.633693184}, {"kg/h", "kg/h", "M", 2},
    {"KG/MIN", "kg/min", "M", 120}, {"kg/s", "kg/s", "M", 7200}, {"ton/h", "ton/h", "M", 2000},
    {"TON/MIN", "ton/min", "M", 120000}, {"TON/S", "ton/s", "M", 7.2e6},
    {"STANDARD_M3/H", "Standard_m3/h", "M", 3}, {"Sm3/h", "Standard_m3/h", "M", 3},
    {"MMSCFD", "MMSCFD", "M", 3539.605824},  // 3 kg/m3 * 0.0283168... m3 * 1e6 / 24 h
    {"STANDARD_M3/MIN", "Standard_m3/min", "M", 180}, {"Sm3/min", "Standard_m3/min", "M", 180},
    {"STANDARD_M3/S", "Standard_m3/s", "M", 10800}, {"Sm3/s", "Standard_m3/s", "M", 10800},
    {"nm3/h", "Nm3/h", "M", 3}, {"NM3/MIN", "Nm3/min", "M", 180}, {"NM3/S", "Nm3/s", "M", 10800},
    {"NLITER/H", "Nliter/h", "M", 0.003}, {"nl/h", "Nliter/h", "M", 0.003},
    {"NLITER/MIN", "Nliter/min", "M", 0.18}, {"NLITER/S", "Nliter/s", "M", 10.8},
    {"PAS", "Pas", "dynvisk", 2e6}, {"MPAS", "mPas", "dynvisk", 2000}, {"NS/M2", "Ns/m2", "dynvisk", 2e6},
    {"PAS*E-6", "Pas*E-6", "dynvisk", 2}, {"PasE-6", "Pas*E-6", "dynvisk", 2},
    {"NS/M2*E-6", "Ns/m2*E-6", "dynvisk", 2}, {"NS/M2E-6", "Ns/m2*E-6", "dynvisk", 2},
    {"POISE", "Poise", "dynvisk", 200000}, {"CP", "cP", "dynvisk", 2000}, {"CPOISE", "cP", "dynvisk", 2000},
    {"M2/S", "m2/s", "kinvisk", 3e6}, {"mm2/s", "mm2/s", "kinvisk", 3},
    {"ST", "St", "kinvisk", 300}, {"STOKES", "St", "kinvisk", 300},
    {"CST", "cSt", "kinvisk", 3}, {"CSTOKES", "cSt", "kinvisk", 3},
};
// clang-format on
}  // namespace

TEST(ParseUnitValue, EveryKeywordInEveryLetterCaseGivesBaseValueAndCanonicalText) {
    for (const KeywordCase& c : kKeywords) {
        for (const std::string& typed : {std::string(c.keyword), AsciiLower(c.keyword), AsciiUpperText(c.keyword)}) {
            Parsed p = Parse(typed, 2.0, 1.5, 0.1);
            EXPECT_DOUBLE_EQ(p.result, c.expected) << typed;
            EXPECT_EQ(p.kind, c.kind) << typed;
            EXPECT_EQ(p.unit, c.canonical ? std::string(c.canonical) : typed) << typed;
            // The canonical text is itself a keyword of the same row.
            Parsed again = Parse(p.unit, 2.0, 1.5, 0.1);
            EXPECT_EQ(again.unit, p.unit) << typed;
            EXPECT_EQ(again.result, p.result) << typed;
        }
    }
}

TEST(ParseUnitValue, ExamplesOfTheUnitTable) {
    for (const char* kpa : {"kpa", "KPA", "kPaA"}) {
        Parsed p = Parse(kpa, 3.5);
        EXPECT_EQ(p.result, 3500.0);
        EXPECT_EQ(p.kind, "A");
        EXPECT_EQ(p.unit, "kPa");
    }
    Parsed mpa = Parse("mPa", 1);  // no millipascal: letter case does not count
    EXPECT_EQ(mpa.result, 1e6);
    EXPECT_EQ(mpa.unit, "MPa");
    Parsed mbar = Parse("MBAR", 1);
    EXPECT_EQ(mbar.result, 100.0);
    EXPECT_EQ(mbar.unit, "mBar");
    Parsed gauge = Parse("BarG", 2);
    EXPECT_EQ(gauge.result, 301325.0);
    EXPECT_EQ(gauge.kind, "O");
    EXPECT_EQ(gauge.unit, "BarG");
    Parsed velocity = Parse("m/s", 1, 1.0, 0.1);
    EXPECT_NEAR(velocity.result, 28274.33, 0.005);
    EXPECT_EQ(velocity.kind, "V");
    Parsed standard = Parse("Sm3/h", 100, 1.2);
    EXPECT_DOUBLE_EQ(standard.result, 120.0);
    EXPECT_EQ(standard.kind, "M");
    EXPECT_EQ(Parse("Sm3/h", 100, 0.0).result, 0.0);
    Parsed cst = Parse("cSt", 10, 900);
    EXPECT_EQ(cst.result, 9000.0);
    EXPECT_EQ(cst.kind, "kinvisk");
    EXPECT_EQ(Parse("ATM", 1).result, 101325.01);
    EXPECT_NE(Parse("lbf/in2", 1).result, Parse("psi", 1).result);
}

TEST(ParseUnitValue, ProductsInExtendedPrecisionStoreExactDecimalResults) {
    // Plain double arithmetic would give 209.99999999999997 and 1179.8686080000002.
    EXPECT_EQ(Parse("St", 0.7, 3).result, 210.0);
    EXPECT_EQ(Parse("MMSCFD", 1, 1).result, 1179.868608);
    EXPECT_EQ(Parse("mm2/s", 7, 3).result, 21.0);
}

TEST(ParseUnitValue, OnlyLettersAToZAreFolded) {
    Parsed bara = Parse("bara", 1);
    EXPECT_EQ(bara.unit, "BarA");
    EXPECT_EQ(bara.kind, "A");
    EXPECT_EQ(Parse("BARÖ", 1).kind, "O");  // differs from "BarÖ" in a to z only
    EXPECT_EQ(Parse("BARö", 1).kind, "O");  // that is "barö"
    for (const char* atoe : {"ATÖ", "atö", "AtÖ"}) {
        Parsed p = Parse(atoe, 1);
        EXPECT_EQ(p.unit, "ATÖ");
        EXPECT_EQ(p.kind, "O");
    }
    for (const char* rejected : {"AT(Ü)", "at(Ü)", "Bar(Ü)", "BarO", "ATO"}) {
        Parsed p = Parse(rejected, 5);
        EXPECT_EQ(p.kind, "X") << rejected;
        EXPECT_EQ(p.result, 0.0) << rejected;
        EXPECT_EQ(p.unit, rejected);
    }
    Parsed at = Parse("at(ü)", 1);
    EXPECT_EQ(at.unit, "AT(ü)");
    EXPECT_EQ(at.kind, "O");
}

TEST(ParseUnitValue, UnknownUnitGivesXZeroAndKeepsText) {
    for (const char* unknown : {"", "bar", "Bar", "Bar ", " kPa", "kPa ", "furlong", "m3", "kg/hh", "Pa\xC3"}) {
        Parsed p = Parse(unknown, 1e308, 5, 5);
        EXPECT_EQ(p.kind, "X") << unknown;
        EXPECT_EQ(p.result, 0.0) << unknown;
        EXPECT_EQ(p.unit, unknown);
    }
}

TEST(ParseUnitValue, OverflowRaisesOnlyBeyondTheDoubleRange) {
    std::string unit = "kPa";
    double result = 0;
    std::string kind;
    EXPECT_THROW(ParseUnitValue(unit, 1e306, 1, 1, result, kind), CalcError);
    EXPECT_EQ(unit, "kPa");
    unit = "psi";
    EXPECT_THROW(ParseUnitValue(unit, -1e305, 1, 1, result, kind), CalcError);
    unit = "m/s";  // overflows at the first store already
    EXPECT_THROW(ParseUnitValue(unit, 1e300, 1, 1e10, result, kind), CalcError);
    unit = "cSt";
    EXPECT_THROW(ParseUnitValue(unit, 1e200, 1e200, 1, result, kind), CalcError);
    // Large but representable: no error, and the extended intermediate does not spoil it.
    EXPECT_EQ(Parse("Pa", 1e308).result, 1e308);
    EXPECT_DOUBLE_EQ(Parse("mm2/s", 1e300, 1e8).result, 1e308);
    EXPECT_EQ(Parse("kPa", -1e-320).kind, "A");  // underflow is no error
}

TEST(ConvertPressureEntry, KindOnlyAndTextUntouched) {
    std::string unit = "nm3/h";
    EXPECT_EQ(ConvertPressureEntry(unit), "M");
    EXPECT_EQ(unit, "nm3/h");
    EXPECT_EQ(ConvertPressureEntry("Nm3/h"), "M");
    EXPECT_EQ(ConvertPressureEntry("m3/h"), "V");
    EXPECT_EQ(ConvertPressureEntry("BarÖ"), "O");
    EXPECT_EQ(ConvertPressureEntry("kPa"), "A");
    EXPECT_EQ(ConvertPressureEntry("cP"), "dynvisk");
    EXPECT_EQ(ConvertPressureEntry(""), "X");
}

// A unit box takes the units of its own kind (a velocity in the pipe is a flow); another kind
// reads as no unit, as a text that is none does, and stays as typed.
TEST(ParseUnitValueOfBox, ABoxTakesTheUnitsOfItsOwnKindOnly) {
    struct Row {
        UnitBox box;
        const char* unit;
        double expected;  // the base value of 2 in the unit (density 1.5, diameter 0.1 m); 0: refused
        bool other;       // a unit, but of another kind
    };
    const Row rows[] = {
        {UnitBox::Pressure, "BarG", 301325, false},
        {UnitBox::Pressure, "m/s", 0, true},
        {UnitBox::Pressure, "kg/h", 0, true},
        {UnitBox::Pressure, "abc", 0, false},
        {UnitBox::Flow, "m/s", 2 * 0.25 * std::numbers::pi * 0.01 * 3.6e6, false},
        {UnitBox::Flow, "Nm3/h", 3, false},
        {UnitBox::Flow, "kPa", 0, true},
        {UnitBox::Viscosity, "cSt", 3, false},
        {UnitBox::Viscosity, "BarÖ", 0, true},
    };
    for (const Row& r : rows) {
        std::string unit = r.unit, kind;
        double result = -1.0;
        ParseUnitValueOfBox(r.box, unit, 2.0, 1.5, 0.1, result, kind);
        EXPECT_NEAR(result, r.expected, 1e-9 * r.expected) << r.unit;
        EXPECT_EQ(kind == "X", r.expected == 0.0) << r.unit;
        EXPECT_EQ(HoldsUnitOfBox(r.box, r.unit), r.expected != 0.0) << r.unit;
        EXPECT_EQ(HoldsUnitOfOtherBox(r.box, r.unit), r.other) << r.unit;
        if (r.expected == 0.0) {
            EXPECT_EQ(unit, r.unit);
        }
    }
}
