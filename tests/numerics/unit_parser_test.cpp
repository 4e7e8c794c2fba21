#include <gtest/gtest.h>

#include <cmath>

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
    Parsed p{unit, -1, "?"};
    ParseUnitValue(p.unit, v, rho, d, p.result, p.kind);
    return p;
}
}  // namespace

// Every keyword: its base-unit value for v = 2 (rho = 1.5, D = 0.2) and its canonical text.
TEST(ParseUnitValue, EveryKeywordConvertsToItsBaseUnit) {
    struct Row {
        const char* keyword;
        const char* canonical;
        const char* kind;
        double expected;
    };
    const double pi = 3.14159265358979323846;
    const Row rows[] = {
        {"kPa", "kPa", "A", 2000},         {"kPaA", "kPa", "A", 2000},
        {"Pa", "Pa", "A", 2},              {"PaA", "Pa", "A", 2},
        {"MPa", "MPa", "A", 2e6},          {"MPaA", "MPa", "A", 2e6},
        {"BarA", "BarA", "A", 2e5},        {"mbar", "mBar", "A", 200},
        {"mbarA", "mBar", "A", 200},       {"ATA", "ATA", "A", 196133},
        {"ATAA", "ATA", "A", 196133},      {"kg/cm2", "kg/cm2", "A", 196133},
        {"kg/cm2A", "kg/cm2", "A", 196133}, {"kp/cm2", "kp/cm2", "A", 196133},
        {"kp/cm2A", "kp/cm2", "A", 196133}, {"mmHg", "mmHg", "A", 2 / 0.00750062},
        {"mmHgA", "mmHg", "A", 2 / 0.00750062}, {"ATM", "ATM", "A", 202650.02},
        {"ATMA", "ATM", "A", 202650.02},   {"psi", "psi", "A", 13789.51456},
        {"psiA", "psi", "A", 13789.51456}, {"mmVp", "mmVp", "A", 19.6133},
        {"mmVpA", "mmVp", "A", 19.6133},   {"mVp", "mVp", "A", 19613.3},
        {"mVpA", "mVp", "A", 19613.3},     {"BarÖ", "BarÖ", "O", 301325},
        {"barö", "barö", "O", 301325},     {"BarG", "BarG", "O", 301325},
        {"Bar(ü)", "Bar(ü)", "O", 301325}, {"ATÖ", "ATÖ", "O", 297458},
        {"atö", "ATÖ", "O", 297458},       {"ATG", "ATÖ", "O", 297458},
        {"AT(ü)", "AT(ü)", "O", 297458},   {"lbf/in2", "lbf/in2", "A", 13789.514},
        {"lbf/in2A", "lbf/in2", "A", 13789.514},
        {"m/s", "m/s", "V", pi * 2 * 0.2 * 0.2 * 0.25 * 3600000},
        {"liter/h", "liter/h", "V", 2},    {"L/H", "liter/h", "V", 2},
        {"liter/min", "liter/min", "V", 120}, {"liter/s", "liter/s", "V", 7200},
        {"m3/h", "m3/h", "V", 2000},       {"m3/min", "m3/min", "V", 120000},
        {"m3/s", "m3/s", "V", 7.2e6},      {"usgps", "usgps", "V", 3.785411784 * 2 * 3600},
        {"usgpm", "usgpm", "V", 3.785411784 * 2 * 60}, {"usgph", "usgph", "V", 3.785411784 * 2},
        {"ft3/s", "ft3/s", "V", 28.316846592 * 7200}, {"ft3/min", "ft3/min", "V", 28.316846592 * 120},
        {"ft3/h", "ft3/h", "V", 28.316846592 * 2},
        {"kg/h", "kg/h", "M", 2},          {"kg/min", "kg/min", "M", 120},
        {"kg/s", "kg/s", "M", 7200},       {"ton/h", "ton/h", "M", 2000},
        {"ton/min", "ton/min", "M", 120000}, {"ton/s", "ton/s", "M", 7.2e6},
        {"Standard_m3/h", "Standard_m3/h", "M", 3}, {"Sm3/h", "Standard_m3/h", "M", 3},
        {"MMSCFD", "MMSCFD", "M", 3 * 0.3048 * 0.3048 * 0.3048 * 1e6 / 24},
        {"Standard_m3/min", "Standard_m3/min", "M", 180}, {"Sm3/min", "Standard_m3/min", "M", 180},
        {"Standard_m3/s", "Standard_m3/s", "M", 10800}, {"Sm3/s", "Standard_m3/s", "M", 10800},
        {"Nm3/h", "Nm3/h", "M", 3},        {"Nm3/min", "Nm3/min", "M", 180},
        {"Nm3/s", "Nm3/s", "M", 10800},    {"Nliter/h", "Nliter/h", "M", 0.003},
        {"nl/h", "Nliter/h", "M", 0.003},  {"Nliter/min", "Nliter/min", "M", 0.18},
        {"Nliter/s", "Nliter/s", "M", 10.8},
        {"Pas", "Pas", "dynvisk", 2e6},    {"mPas", "mPas", "dynvisk", 2000},
        {"Ns/m2", "Ns/m2", "dynvisk", 2e6}, {"Pas*E-6", "Pas*E-6", "dynvisk", 2},
        {"PasE-6", "Pas*E-6", "dynvisk", 2}, {"Ns/m2*E-6", "Ns/m2*E-6", "dynvisk", 2},
        {"NS/M2E-6", "Ns/m2*E-6", "dynvisk", 2}, {"Poise", "Poise", "dynvisk", 2e5},
        {"cP", "cP", "dynvisk", 2000},     {"cPoise", "cP", "dynvisk", 2000},
        {"m2/s", "m2/s", "kinvisk", 3e6},  {"mm2/s", "mm2/s", "kinvisk", 3},
        {"St", "St", "kinvisk", 300},      {"Stokes", "St", "kinvisk", 300},
        {"cSt", "cSt", "kinvisk", 3},      {"cStokes", "cSt", "kinvisk", 3},
    };
    for (const Row& r : rows) {
        Parsed p = Parse(r.keyword, 2, 1.5, 0.2);
        EXPECT_EQ(p.kind, r.kind) << r.keyword;
        EXPECT_EQ(p.unit, r.canonical) << r.keyword;
        EXPECT_NEAR(p.result, r.expected, 1e-12 * std::fabs(r.expected)) << r.keyword;
        // the canonical text parses to the same value
        Parsed again = Parse(p.unit, 2, 1.5, 0.2);
        EXPECT_EQ(again.result, p.result) << r.keyword;
        EXPECT_EQ(again.unit, p.unit) << r.keyword;
    }
}

TEST(ParseUnitValue, CaseOfAsciiLettersOnlyIsIgnored) {
    for (const char* u : {"kpa", "KPA", "kPaA"}) {
        Parsed p = Parse(u, 1);
        EXPECT_EQ(p.kind, "A");
        EXPECT_EQ(p.result, 1000);
        EXPECT_EQ(p.unit, "kPa");
    }
    EXPECT_EQ(Parse("mPa", 1).result, 1e6);  // no millipascal
    EXPECT_EQ(Parse("MBAR", 1).unit, "mBar");
    EXPECT_EQ(Parse("bara", 1).unit, "BarA");
    EXPECT_EQ(Parse("BARÖ", 1).kind, "O");  // differs from "BarÖ" only in A-Z
    EXPECT_EQ(Parse("AT(Ü)", 1).kind, "X");
    EXPECT_EQ(Parse("at(ü)", 1).unit, "AT(ü)");
    EXPECT_EQ(Parse("bar", 1).kind, "X");  // plain bar has no meaning here
}

TEST(ParseUnitValue, ExamplesAndUnknownUnits) {
    Parsed p = Parse("BarG", 2);
    EXPECT_EQ(p.result, 301325);
    EXPECT_EQ(p.kind, "O");
    EXPECT_EQ(p.unit, "BarG");
    EXPECT_NEAR(Parse("m/s", 1, 1, 0.1).result, 28274.33, 0.005);
    p = Parse("Sm3/h", 100, 1.2);
    EXPECT_NEAR(p.result, 120, 1e-12);
    EXPECT_EQ(p.kind, "M");
    EXPECT_EQ(Parse("Sm3/h", 100, 0).result, 0);
    p = Parse("cSt", 10, 900);
    EXPECT_NEAR(p.result, 9000, 1e-9);
    EXPECT_EQ(p.kind, "kinvisk");
    for (const char* u : {"", "furlong", "Bar "}) {
        p = Parse(u, 5);
        EXPECT_EQ(p.kind, "X");
        EXPECT_EQ(p.result, 0);
        EXPECT_EQ(p.unit, u);
    }
    EXPECT_THROW(Parse("MPa", 1e308), CalcError);
}

TEST(ConvertPressureEntry, KindOnlyAndTextKept) {
    EXPECT_EQ(ConvertPressureEntry("Nm3/h"), "M");
    EXPECT_EQ(ConvertPressureEntry("m3/h"), "V");
    EXPECT_EQ(ConvertPressureEntry("BarÖ"), "O");
    EXPECT_EQ(ConvertPressureEntry("kPa"), "A");
    EXPECT_EQ(ConvertPressureEntry("xyz"), "X");
}
