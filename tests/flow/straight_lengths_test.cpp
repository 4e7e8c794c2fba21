#include "flow/straight_lengths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "flow/fake_report_labels.h"
#include "numerics/checked.h"
#include "state/flow_results.h"
#include "state/limits.h"
#include "state/selections.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

// The tables as published, cell by cell, in pipe diameters.
namespace expected {
constexpr double N = -1;
constexpr double X = 1e38;
struct Cell {
    double Zero, Half;
};
// clang-format off
const Cell kTable1[11][12] = {
    {{10, 6}, {10, 6}, {12, 6}, {14, 7}, {14, 7}, {14, 7}, {16, 8}, {18, 9}, {22, 11}, {28, 14}, {36, 18}, {46, 23}},
    {{14, 7}, {16, 8}, {16, 8}, {18, 9}, {18, 9}, {20, 10}, {22, 11}, {26, 13}, {32, 16}, {36, 18}, {42, 21}, {50, 25}},
    {{34, 17}, {34, 17}, {36, 18}, {36, 18}, {38, 19}, {40, 20}, {44, 22}, {48, 24}, {54, 27}, {62, 31}, {70, 35}, {80, 40}},
    {{5, 5}, {5, 5}, {5, 5}, {5, 5}, {5, 5}, {6, 5}, {8, 5}, {9, 5}, {11, 6}, {14, 7}, {22, 11}, {30, 15}},
    {{16, 8}, {16, 8}, {16, 8}, {16, 8}, {17, 9}, {18, 9}, {20, 10}, {22, 11}, {25, 13}, {30, 15}, {38, 19}, {54, 27}},
    {{18, 9}, {18, 9}, {18, 9}, {20, 10}, {20, 10}, {22, 11}, {24, 12}, {26, 13}, {28, 14}, {32, 16}, {36, 18}, {44, 22}},
    {{12, 6}, {12, 6}, {12, 6}, {12, 6}, {12, 6}, {12, 6}, {14, 7}, {14, 7}, {16, 8}, {20, 10}, {24, 12}, {30, 15}},
    {{30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}},
    {{5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}},
    {{20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}},
    {{4, 2}, {5, 2.5}, {5, 2.5}, {6, 3}, {6, 3}, {6, 3}, {6, 3}, {7, 3.5}, {7, 3.5}, {7, 3.5}, {8, 4}, {8, 4}},
};
const Cell kTable2[15][6] = {
    {{6, 3}, {16, 3}, {22, 9}, {42, 13}, {44, 20}, {44, 20}},
    {{10, N}, {10, N}, {18, 10}, {30, 18}, {44, 18}, {44, 18}},
    {{10, N}, {10, N}, {22, 10}, {42, 18}, {44, 20}, {44, 22}},
    {{19, 18}, {44, 18}, {44, 18}, {44, 18}, {44, 20}, {44, 20}},
    {{34, 17}, {50, 25}, {75, 34}, {65, 25}, {60, 18}, {75, 18}},
    {{3, N}, {9, 3}, {19, 9}, {29, 18}, {36, 18}, {44, 18}},
    {{7, N}, {30, 9}, {30, 18}, {30, 18}, {44, 18}, {44, 18}},
    {{5, N}, {5, N}, {8, 5}, {9, 5}, {12, 6}, {13, 8}},
    {{6, N}, {12, 8}, {20, 9}, {26, 11}, {28, 14}, {36, 18}},
    {{12, 6}, {12, 6}, {12, 6}, {14, 7}, {18, 9}, {24, 12}},
    {{18, 9}, {18, 9}, {22, 11}, {26, 13}, {28, 14}, {36, 18}},
    {{30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}},
    {{5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}},
    {{20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}},
    {{4, 2}, {6, 3}, {6, 3}, {7, 3.5}, {7, 3.5}, {8, 4}},
};
const double kTable3[11][8] = {
    {10, 10, 14, 16, 20, 28, 40, 46},
    {14, 16, 18, 22, 29, 38, 48, 52},
    {34, 34, 38, 44, 52, 62, 74, 80},
    {16, 16, 18, 20, 24, 32, 44, 58},
    {5, 5, 6, 8, 10, 14, 26, 32},
    {18, 18, 20, 22, 26, 32, 40, 44},
    {12, 12, 12, 14, 16, 20, 26, 30},
    {30, 30, 30, 30, 30, 30, 30, 30},
    {5, 5, 5, 5, 5, 5, 5, 5},
    {20, 20, 20, 20, 20, 20, 20, 20},
    {4, 5, 6, 6, 7, 7, 8, 8},
};
const Cell kTable4[9][5] = {
    {{8, 3}, {9, 3}, {10, 3}, {14, 3}, {16, 8}},
    {{8, 3}, {10, 3}, {10, 3}, {18, 3}, {22, 8}},
    {{4, N}, {4, N}, {4, N}, {4, N}, {4, N}},
    {{4, N}, {5, 4}, {6, 4}, {7, 5}, {7, 6}},
    {{2.5, N}, {5.5, 2.5}, {8.5, 2.5}, {10.5, 2.5}, {11.5, 3.5}},
    {{2.5, N}, {2.5, N}, {3.5, 2.5}, {5.5, 3.5}, {6.5, 4.5}},
    {{2.5, N}, {3.5, 2.5}, {4.5, 2.5}, {5.5, 3.5}, {5.5, 3.5}},
    {{4, N}, {4, N}, {4, N}, {4, N}, {4, N}},
    {{4, N}, {4, N}, {4, N}, {4, N}, {4, N}},
};
const Cell kTable5[6][10] = {
    {{0.5, 0}, {0.5, 0}, {0.5, 0}, {1, 0.5}, {1.5, 0.5}, {2.5, 0.5}, {3, 1}, {4, 1.5}, {4, 2}, {4.5, 3}},
    {{1.5, 0.5}, {1.5, 0.5}, {1.5, 0.5}, {1.5, 0.5}, {2.5, 1.5}, {2.5, 1.5}, {3.5, 2.5}, {4.5, 2.5}, {4.5, 2.5}, {4.5, 3.5}},
    {{X, 0.5}, {X, 0.5}, {X, 0.5}, {X, 0.5}, {X, 8.5}, {X, 12.5}, {X, 17.5}, {X, 23.5}, {X, 27.5}, {X, 29.5}},
    {{0.5, 0}, {1.5, 0.5}, {2.5, 0.5}, {4.5, 0.5}, {5.5, 0.5}, {6.5, 0.5}, {8.5, 0.5}, {9.5, 1.5}, {10.5, 2.5}, {11.5, 3.5}},
    {{1.5, 0.5}, {1.5, 0.5}, {1.5, 0.5}, {2.5, 1}, {2.5, 1.5}, {3.5, 1.5}, {3.5, 1.5}, {4.5, 2.5}, {5.5, 3.5}, {6.5, 4.5}},
    {{1.5, 0.5}, {2.5, 0.5}, {2.5, 1.5}, {3.5, 1.5}, {3.5, 1.5}, {4.5, 2.5}, {4.5, 2.5}, {4.5, 2.5}, {5.5, 3.5}, {5.5, 3.5}},
};
// clang-format on
}  // namespace expected

// Ratios inside every column, and exactly on every bound (which belongs to the column it ends).
std::vector<std::pair<double, int>> ProbeRatios(const std::vector<double>& bounds) {
    std::vector<std::pair<double, int>> probes;
    const int n = static_cast<int>(bounds.size());
    probes.push_back({bounds[0] - 0.01, 0});
    probes.push_back({bounds[0], 0});
    for (int i = 1; i < n; ++i) {
        probes.push_back({0.5 * (bounds[i - 1] + bounds[i]), i});
        probes.push_back({bounds[i], i});
    }
    probes.push_back({bounds[n - 1] + 0.0001, n});
    probes.push_back({0.99, n});
    return probes;
}

class StraightLengthTest : public ::testing::Test {
protected:
    void SetUp() override {
        StandardLetter = 'I';
        DeviceCode = "S";
        DeviceVariantCode = "R";
        savedReynolds_ = ReynoldsAtMaxFlow;
        ReynoldsAtMaxFlow = 0;
        savedSolveFor_ = SolveFor;
        SolveFor = "DI";
    }
    void TearDown() override {
        ReynoldsAtMaxFlow = savedReynolds_;
        SolveFor = savedSolveFor_;
    }
    double savedReynolds_ = 0;
    std::string savedSolveFor_;
};

TEST_F(StraightLengthTest, OrificeAndNozzleTableEveryCell) {
    const std::vector<double> bounds = {0.25, 0.30, 0.35, 0.40, 0.45, 0.50, 0.55, 0.60, 0.65, 0.70, 0.75};
    for (const char* device : {"S", "D", "DL", "KV"}) {
        DeviceCode = device;
        for (auto [beta, col] : ProbeRatios(bounds)) {
            LoadStraightLengthTableA(1.0, beta);
            for (int r = 0; r < 11; ++r) {
                EXPECT_EQ(StraightLengthTables.Orifice[r + 1].Zero, expected::kTable1[r][col].Zero)
                    << beta << " row " << r;
                EXPECT_EQ(StraightLengthTables.Orifice[r + 1].Half, expected::kTable1[r][col].Half) << beta;
            }
        }
    }
}

TEST_F(StraightLengthTest, OrificeTable2003EveryCell) {
    StandardLetter = '3';
    const std::vector<double> bounds = {0.20, 0.30, 0.50, 0.60, 0.67};
    for (auto [beta, col] : ProbeRatios(bounds)) {
        LoadStraightLengthTableA(1.0, beta);
        for (int r = 0; r < 15; ++r) {
            EXPECT_EQ(StraightLengthTables.Orifice2003[r + 1].Zero, expected::kTable2[r][col].Zero)
                << beta << " row " << r;
            EXPECT_EQ(StraightLengthTables.Orifice2003[r + 1].Half, expected::kTable2[r][col].Half)
                << beta << " row " << r;
        }
    }
}

TEST_F(StraightLengthTest, SegmentTableEveryCellByAreaRatio) {
    const std::vector<double> bounds = {0.05, 0.10, 0.20, 0.30, 0.40, 0.50, 0.60};
    SegmentStraightLengthTable table{};
    for (auto [m, col] : ProbeRatios(bounds)) {
        // On a bound the square root may round either way; probe just inside it.
        const double area = std::binary_search(bounds.begin(), bounds.end(), m) ? m - 1e-9 : m;
        LoadStraightLengthTableB(table, 0.2, 0.2 * std::sqrt(area));
        for (int r = 0; r < 11; ++r) EXPECT_EQ(table[r + 1], expected::kTable3[r][col]) << m << " row " << r;
    }
}

TEST_F(StraightLengthTest, VenturiTablesEveryCell) {
    StandardLetter = '3';
    DeviceCode = "V";
    VenturiStraightLengthTable1991 unused;
    for (auto [beta, col] : ProbeRatios({0.40, 0.50, 0.60, 0.70})) {
        LoadStraightLengthTableC(unused, 1.0, beta);
        for (int r = 0; r < 9; ++r) {
            EXPECT_EQ(StraightLengthTables.Venturi2003[r + 1].Zero, expected::kTable4[r][col].Zero) << beta;
            EXPECT_EQ(StraightLengthTables.Venturi2003[r + 1].Half, expected::kTable4[r][col].Half) << beta;
        }
    }
    for (char standard : {'I', 'D'}) {
        StandardLetter = standard;
        for (auto [beta, col] : ProbeRatios({0.30, 0.35, 0.40, 0.45, 0.50, 0.55, 0.60, 0.65, 0.70})) {
            VenturiStraightLengthTable1991 table;
            LoadStraightLengthTableC(table, 1.0, beta);
            for (int r = 0; r < 6; ++r) {
                EXPECT_EQ(table.Zero[r + 1], expected::kTable5[r][col].Zero) << beta;
                EXPECT_EQ(table.Half[r + 1], expected::kTable5[r][col].Half) << beta;
            }
        }
    }
}

TEST_F(StraightLengthTest, BoundOfHalfBelongsToTheColumnItEnds) {
    double t0, th, u0, uh;
    RequiredStraightLengthA("1", t0, th, u0, uh, 1.0, 0.5);
    EXPECT_EQ(u0, 14.0);
    RequiredStraightLengthA("1", t0, th, u0, uh, 1.0, 0.5001);
    EXPECT_EQ(u0, 16.0);
    StandardLetter = '3';
    RequiredStraightLengthA("1", t0, th, u0, uh, 1.0, 0.5);
    EXPECT_EQ(u0, 22.0);
    EXPECT_EQ(uh, 9.0);
    RequiredStraightLengthA("1", t0, th, u0, uh, 1.0, 0.5001);
    EXPECT_EQ(u0, 42.0);
    EXPECT_EQ(uh, 13.0);
}

TEST_F(StraightLengthTest, TwoBendsOtherPlanesAtHighReynoldsNumber) {
    StandardLetter = '3';
    ReynoldsAtMaxFlow = 0;
    double t0, th, u0, uh;
    RequiredStraightLengthA("5", t0, th, u0, uh, 1.0, 0.55);
    EXPECT_EQ(u0, 65.0);
    ReynoldsAtMaxFlow = 2000001;
    RequiredStraightLengthA("5", t0, th, u0, uh, 1.0, 0.55);
    EXPECT_EQ(u0, 95.0);
    EXPECT_EQ(uh, 25.0);
    RequiredStraightLengthA("5", t0, th, u0, uh, 1.0, 0.65);  // only the 0.50-0.60 column changes
    EXPECT_EQ(u0, 60.0);
    ReynoldsAtMaxFlow = 2000000;
    RequiredStraightLengthA("5", t0, th, u0, uh, 1.0, 0.55);
    EXPECT_EQ(u0, 65.0);
}

TEST_F(StraightLengthTest, CornerOrificeExampleInMetres) {
    double t0, th, u0, uh;
    RequiredStraightLengthA("1", t0, th, u0, uh, 0.1, 0.05);
    EXPECT_NEAR(u0, 1.4, 1e-12);
    EXPECT_NEAR(uh, 0.7, 1e-12);
    EXPECT_NEAR(t0 - u0, 0.6, 1e-12);
    EXPECT_NEAR(th - uh, 0.3, 1e-12);
    EXPECT_NEAR(t0, 2.0, 1e-12);
    EXPECT_NEAR(th, 1.0, 1e-12);
}

struct Staging {
    double available = -99, extra = -99, shortfall = -99;
};
Staging Stage(const char* device, const char* variant, const char* code, double given, double D, double d) {
    Staging s;
    RequiredStraightLengths(device, variant, code, s.available, s.extra, s.shortfall, given, D, d);
    return s;
}

TEST_F(StraightLengthTest, StagesOfTheCornerOrifice) {
    Staging s = Stage("S", "R", "1", 5.0, 0.1, 0.05);
    EXPECT_EQ(s.extra, 0.0);
    EXPECT_NEAR(s.shortfall, -3.0, 1e-12);
    EXPECT_NEAR(s.available, 3.5, 1e-12);
    s = Stage("S", "R", "1", 1.2, 0.1, 0.05);
    EXPECT_EQ(s.extra, 0.5);
    EXPECT_NEAR(s.shortfall, -0.2, 1e-12);
    EXPECT_NEAR(s.available, 0.84, 1e-12);
    s = Stage("S", "R", "1", 0.8, 0.1, 0.05);
    EXPECT_EQ(s.extra, 2.5);
    EXPECT_NEAR(s.shortfall, -0.15, 1e-12);
    EXPECT_NEAR(s.available, 0.8 * 0.35 / 0.95, 1e-12);
    // Exactly the zero-uncertainty requirement is enough: the comparison is strict.
    s = Stage("S", "R", "1", 2.0, 0.1, 0.05);
    EXPECT_EQ(s.extra, 0.0);
    // Too short for every stage.
    s = Stage("S", "R", "1", 0.3, 0.1, 0.05);
    EXPECT_EQ(s.extra, 2.5);
    EXPECT_NEAR(s.shortfall, 0.35, 1e-12);
}

TEST_F(StraightLengthTest, DeviceLengthsAddToBothTotals) {
    Staging flange = Stage("S", "F", "1", 5.0, 0.1, 0.05);
    EXPECT_NEAR(flange.shortfall, -2.95, 1e-12);
    EXPECT_NEAR(flange.available, 4.95 * 1.4 / 2.0, 1e-12);
    Staging dd2 = Stage("S", "D", "1", 5.0, 0.1, 0.05);
    EXPECT_NEAR(dd2.shortfall, -2.85, 1e-12);
    Staging half = Stage("S", "F", "1", 1.2, 0.1, 0.05);  // 0.5 % total 1.05 m
    EXPECT_EQ(half.extra, 0.5);
    EXPECT_NEAR(half.shortfall, -0.15, 1e-12);
    EXPECT_NEAR(DeviceStraightLength("DL", "", 0.1, 0.05), 0.15, 1e-15);
    EXPECT_NEAR(DeviceStraightLength("KV", "", 0.1, 0.05), 0.03, 1e-15);
    EXPECT_NEAR(DeviceStraightLength("V", "SV", 0.1, 0.05), 0.05 + 0.025 + 0.135, 1e-15);
    for (const char* device : {"D", "SM", "VK"}) EXPECT_EQ(DeviceStraightLength(device, "D", 0.1, 0.05), 0.0);
}

TEST_F(StraightLengthTest, SegmentFamilyStopsAtHalfPercent) {
    // m = 0.25: fitting 1 needs 16 D, downstream 6 D, half of each for 0.5 %.
    double t0, th, u0, uh;
    RequiredStraightLengthB("1", t0, th, u0, uh, 0.2, 0.1);
    EXPECT_NEAR(u0, 3.2, 1e-12);
    EXPECT_NEAR(uh, 1.6, 1e-12);
    EXPECT_NEAR(t0, 4.4, 1e-12);
    EXPECT_NEAR(th, 2.2, 1e-12);
    Staging s = Stage("SM", "", "1", 1.0, 0.2, 0.1);
    EXPECT_EQ(s.extra, 0.5);
    EXPECT_NEAR(s.shortfall, 1.2, 1e-12);
    EXPECT_NEAR(s.available, 1.0 * 1.6 / 2.2, 1e-12);
    // The menu of this family numbers the reducer 4 and the expander 5.
    RequiredStraightLengthB("4", t0, th, u0, uh, 0.2, 0.1);
    EXPECT_NEAR(u0, 8 * 0.2, 1e-12);
    RequiredStraightLengthB("5", t0, th, u0, uh, 0.2, 0.1);
    EXPECT_NEAR(u0, 20 * 0.2, 1e-12);
}

TEST_F(StraightLengthTest, VenturiOf1991) {
    DeviceCode = "V";
    double t0, th, u0, uh;
    // Two bends in different planes: no length meets zero uncertainty.
    RequiredStraightLengthC("3", t0, th, u0, uh, 0.2, 0.1);
    EXPECT_EQ(u0, 1e38 * 0.2);
    EXPECT_NEAR(uh, 8.5 * 0.2, 1e-12);
    EXPECT_NEAR(th, 1.7 + 0.4, 1e-12);
    Staging s = Stage("V", "SV", "3", 10.0, 0.2, 0.1);
    EXPECT_EQ(s.extra, 0.5);
    const double dev = 0.1 + 0.05 + 0.27;
    EXPECT_NEAR(s.shortfall, 2.1 + dev - 10.0, 1e-12);
    EXPECT_NEAR(s.available, (10.0 - dev) * 1.7 / 2.1, 1e-12);
    s = Stage("V", "SV", "3", 1.0, 0.2, 0.1);
    EXPECT_EQ(s.extra, 0.5);
    EXPECT_GT(s.shortfall, 0.0);
    // The two replaced 0.5 % values.
    RequiredStraightLengthC("1", t0, th, u0, uh, 1.0, 0.40);
    EXPECT_EQ(uh, 0.5);
    RequiredStraightLengthC("1", t0, th, u0, uh, 1.0, 0.42);
    EXPECT_EQ(uh, 0.5);
    EXPECT_EQ(u0, 1.0);
    RequiredStraightLengthC("4", t0, th, u0, uh, 1.0, 0.30);
    EXPECT_EQ(uh, 0.5);
    RequiredStraightLengthC("1", t0, th, u0, uh, 1.0, 0.30);
    EXPECT_EQ(uh, 0.5);
    // The globe valve has code 7; code 6 and codes without a row cannot be met.
    RequiredStraightLengthC("7", t0, th, u0, uh, 1.0, 0.62);
    EXPECT_EQ(u0, 4.5);
    EXPECT_EQ(uh, 2.5);
    for (const char* code : {"6", "8", "12"}) {
        RequiredStraightLengthC(code, t0, th, u0, uh, 1.0, 0.5);
        EXPECT_EQ(u0, 1e38) << code;
        EXPECT_EQ(uh, 1e38) << code;
    }
    RequiredStraightLengthC("2", t0, th, u0, uh, 0.2, 0.1);
    EXPECT_NEAR(t0, 2.5 * 0.2 + 0.4, 1e-12);  // beta 0.5 takes the 0.45-0.50 column
}

TEST_F(StraightLengthTest, VenturiOf2003) {
    StandardLetter = '3';
    DeviceCode = "V";
    double t0, th, u0, uh;
    RequiredStraightLengthC("1", t0, th, u0, uh, 0.2, 0.13);  // beta 0.65
    EXPECT_NEAR(u0, 14 * 0.2, 1e-12);
    EXPECT_NEAR(uh, 3 * 0.2, 1e-12);
    EXPECT_NEAR(t0, 2.8 + 0.52, 1e-12);
    EXPECT_NEAR(th, 0.6 + 0.52, 1e-12);
    RequiredStraightLengthC("9", t0, th, u0, uh, 0.2, 0.13);  // the open large vessel, as printed
    EXPECT_NEAR(u0, 6.0, 1e-12);
    EXPECT_NEAR(uh, 6.0, 1e-12);
}

// The table marker for "no 0.5 % value" must never turn into a negative length: the
// zero-uncertainty length stands in for it, and the staging stays sound.
TEST_F(StraightLengthTest, MissingHalfValueNeverGivesANegativeLength) {
    double t0, th, u0, uh;
    StandardLetter = '3';
    for (const char* code : {"2", "3", "6", "7", "8", "9"}) {
        RequiredStraightLengthA(code, t0, th, u0, uh, 0.1, 0.015);  // beta 0.15
        EXPECT_EQ(StraightLengthTables.Orifice2003[std::stoi(code)].Half, -1.0) << code;
        EXPECT_NEAR(uh, u0, 1e-12) << code;
        EXPECT_GT(uh, 0.0) << code;
        EXPECT_GE(th, uh);
    }
    Staging s = Stage("S", "R", "2", 1.2, 0.1, 0.015);  // needs 1.4 m, 1.2 m with the 0.5 % downstream
    EXPECT_EQ(s.extra, 0.5);
    EXPECT_NEAR(s.shortfall, 0.0, 1e-12);
    EXPECT_NEAR(s.available, 1.0, 1e-12);
    DeviceCode = "V";
    for (const char* code : {"3", "8"}) {
        RequiredStraightLengthC(code, t0, th, u0, uh, 0.2, 0.06);
        EXPECT_NEAR(uh, 0.8, 1e-12) << code;
        EXPECT_NEAR(th, 0.8 + 0.24, 1e-12) << code;
    }
    s = Stage("V", "SV", "3", 1.0, 0.2, 0.06);
    EXPECT_EQ(s.extra, 0.5);
    EXPECT_GT(s.shortfall, 0.0);
    EXPECT_GE(s.available, 0.0);
}

TEST_F(StraightLengthTest, FittingsWithoutRowAndDevicesWithoutTable) {
    double t0, th, u0, uh;
    RequiredStraightLengthA("0", t0, th, u0, uh, 0.1, 0.05);  // other disturbance: downstream only
    EXPECT_EQ(u0, 0.0);
    EXPECT_NEAR(t0, 0.6, 1e-12);
    EXPECT_NEAR(th, 0.3, 1e-12);
    RequiredStraightLengthA("11", t0, th, u0, uh, 0.1, 0.05);  // no such row in the 10-fitting table
    EXPECT_GE(u0, 1e37);
    StandardLetter = '3';
    RequiredStraightLengthA("14", t0, th, u0, uh, 0.1, 0.05);
    EXPECT_NEAR(u0, 2.0, 1e-12);
    Staging s = Stage("S", "R", "15", 100.0, 0.1, 0.05);
    EXPECT_GT(s.shortfall, 0.0);
    s = Stage("VCONE", "", "1", 3.0, 0.1, 0.05);
    EXPECT_EQ(s.extra, 0.0);
    EXPECT_EQ(s.shortfall, -3.0);
    EXPECT_EQ(s.available, 3.0);
}

TEST_F(StraightLengthTest, BadDiametersRaise) {
    double t0, th, u0, uh;
    EXPECT_THROW(RequiredStraightLengthA("1", t0, th, u0, uh, 0.0, 0.05), CalcError);
    EXPECT_THROW(RequiredStraightLengthB("1", t0, th, u0, uh, NAN, 0.05), CalcError);
    Staging s;
    EXPECT_THROW(RequiredStraightLengths("V", "SV", "1", s.available, s.extra, s.shortfall, 1.0, 0.1, INFINITY),
                 CalcError);
}

TEST_F(StraightLengthTest, FittingMenuCaptionsFollowTheLanguage) {
    flowtest::FakeReportLabels labels([](const std::string& name) { return "<" + name + ">"; });
    LoadStraightLengthTableA(0.1, 0.05);
    EXPECT_EQ(Form1().bestyck1->Caption(), "1.<FittingSingleBend>");
    EXPECT_EQ(Form1().bestyck6->Caption(), "6.<FittingGlobeValve>");
    EXPECT_EQ(Form1().bestyck7->Caption(), "7.<FittingFullBoreValve>");
    EXPECT_EQ(Form1().bestyck10->Caption(), "10.<FittingPocket3To13>");
    EXPECT_EQ(Form1().bestyck11->Caption().find("<"), std::string::npos);
}

// Where the fitting menu lists the fourteen fittings of the 2003 orifice table (orifice plates
// under ISO 5167:2003, and the optimal design for every device), the codes address those
// fittings: the ten names of the other table must not replace the first ten items.
TEST_F(StraightLengthTest, FittingMenuOfFourteenItemsKeepsItsNames) {
    flowtest::FakeReportLabels labels([](const std::string& name) { return "<" + name + ">"; });
    const std::string listed = "4.two bends in different planes";
    struct Case {
        char standard;
        const char* device;
        const char* solveFor;
    };
    for (const Case& c : {Case{'3', "S", "DI"}, Case{'3', "S", "OK"}, Case{'I', "KV", "OK"}, Case{'3', "DL", "OK"}}) {
        StandardLetter = c.standard;
        DeviceCode = c.device;
        SolveFor = c.solveFor;
        Form1().bestyck4->SetCaption(listed);
        LoadStraightLengthTableA(0.1, 0.05);
        EXPECT_EQ(Form1().bestyck4->Caption(), listed) << c.standard << c.device << c.solveFor;
        double t0, th, u0, uh;
        RequiredStraightLengthA("4", t0, th, u0, uh, 0.1, 0.05);
        EXPECT_EQ(Form1().bestyck4->Caption(), listed) << c.standard << c.device << c.solveFor;
    }
    // The ten-item list of the other devices and standards is still re-captioned.
    StandardLetter = '3';
    DeviceCode = "KV";
    SolveFor = "DI";
    LoadStraightLengthTableA(0.1, 0.05);
    EXPECT_EQ(Form1().bestyck4->Caption(), "4.<FittingReducer2to1>");
}

}  // namespace
}  // namespace tubalyx
