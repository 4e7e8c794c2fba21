#include "property_tables/table_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "numerics/checked.h"
#include "property_tables/air_data.h"
#include "property_tables/ammonia_data.h"
#include "property_tables/argon_data.h"
#include "property_tables/carbon_dioxide_data.h"
#include "property_tables/hydrogen_data.h"
#include "property_tables/methane_data.h"
#include "property_tables/nitrogen_data.h"
#include "property_tables/oxygen_data.h"
#include "property_tables/ozone_data.h"
#include "property_tables/propane_data.h"
#include "property_tables/saturation_data.h"
#include "state/property_labels.h"
#include "state/selections.h"
#include "texts/report_labels.h"

namespace tubalyx {
namespace {

bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// A 3 x 4 test table: pressures 100, 200, 400 kPa; temperatures 250, 300, 350, 400 K.
const double kP[3] = {100.0, 200.0, 400.0};
const double kT[4] = {250.0, 300.0, 350.0, 400.0};
constexpr double X = kNoData;

TableData Table(const double* values) { return TableData{kP, 3, kT, 4, values}; }

// Signed bilinear interpolation over one cell, written out independently of the engine.
double Bilinear(double p0, double p1, double t0, double t1, double va, double vb, double vc, double vd, double p,
                double t) {
    const double u = (p - p0) / (p1 - p0), w = (t - t0) / (t1 - t0);
    return va * (1 - u) * (1 - w) + vb * u * (1 - w) + vc * (1 - u) * w + vd * u * w;
}

double Pa(double kPa) { return kPa * 1000.0; }
double C(double K) { return K - 273.15; }

class TableEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        LanguageLetter = 'E';
        MediumCode = "N2";
        SetPropertyReportLabels('E');
    }
};

// v = p + 2 T is bilinear, so every form reproduces it exactly inside the table.
const double kLinear[12] = {600, 700, 800, 900, 700, 800, 900, 1000, 900, 1000, 1100, 1200};

TEST_F(TableEngineTest, InnerAxisPointFallsInTheCellAboveIt) {
    TableOptions o;
    const TableResult r = InterpolateTable(Table(kLinear), o, Pa(200), C(300));
    EXPECT_EQ(r.i, 2);
    EXPECT_EQ(r.j, 2);
    EXPECT_NEAR(r.value, 800.0, 1e-9);
    // On p = 200 the row-3 corners have weight 0: the value runs along row 2.
    double row2only[12] = {600, 700, 800, 900, 700, 800, 900, 1000, 1e6, 1e6, 1e6, 1e6};
    EXPECT_NEAR(InterpolateTable(Table(row2only), o, Pa(200), C(325)).value, 850.0, 1e-9);
}

TEST_F(TableEngineTest, ClampsBothEndsOfBothAxesMinimumFirst) {
    TableOptions o;
    TableResult r = InterpolateTable(Table(kLinear), o, Pa(50), C(200));
    EXPECT_DOUBLE_EQ(r.usedPressure, 100.001);
    EXPECT_DOUBLE_EQ(r.usedTemperatureK, 250.001);
    EXPECT_EQ(r.i, 1);
    EXPECT_EQ(r.j, 1);
    EXPECT_NEAR(r.value, 100.001 + 2 * 250.001, 1e-9);
    r = InterpolateTable(Table(kLinear), o, Pa(1000), C(500));
    EXPECT_DOUBLE_EQ(r.usedPressure, 399.999);
    EXPECT_DOUBLE_EQ(r.usedTemperatureK, 399.999);
    EXPECT_EQ(r.i, 2);
    EXPECT_EQ(r.j, 3);
    EXPECT_NEAR(r.value, 399.999 + 2 * 399.999, 1e-9);
    // Exactly on the end points the margin still applies.
    r = InterpolateTable(Table(kLinear), o, Pa(400), C(250));
    EXPECT_DOUBLE_EQ(r.usedPressure, 399.999);
    EXPECT_DOUBLE_EQ(r.usedTemperatureK, 250.001);
    // A bar table: the note receives the used pressure in kPa.
    const double bar[3] = {1.0, 2.0, 4.0};
    TableData d{bar, 3, kT, 4, kLinear};
    o.pressureFactor = 1e-5;
    r = InterpolateTable(d, o, 1e6, C(300));
    EXPECT_DOUBLE_EQ(r.usedPressure, 3.999);
    EXPECT_NEAR(r.notePressureKPa, 399.9, 1e-9);
}

TEST_F(TableEngineTest, FormsMAndSTreatTheLiquidSign) {
    const double v[12] = {-2, 4, 1, 1, 6, -8, 1, 1, 1, 1, 1, 1};
    TableOptions o;
    o.form = Form::S;
    const double p = 130, T = 280;
    EXPECT_NEAR(InterpolateTable(Table(v), o, Pa(p), C(T)).value, Bilinear(100, 200, 250, 300, -2, 6, 4, -8, p, T),
                1e-9);
    o.form = Form::M;
    EXPECT_NEAR(InterpolateTable(Table(v), o, Pa(p), C(T)).value, Bilinear(100, 200, 250, 300, 2, 6, 4, 8, p, T), 1e-9);
    o.scale = 0.001;
    EXPECT_NEAR(InterpolateTable(Table(v), o, Pa(p), C(T)).value,
                0.001 * Bilinear(100, 200, 250, 300, 2, 6, 4, 8, p, T), 1e-12);
}

TEST_F(TableEngineTest, FormWWeightsOutOtherPhasesAndGivesZeroWithoutCorners) {
    // a = 2 gas, b = -3 liquid, c = 4 gas, d no data.
    const double v[12] = {2, 4, 1, 1, -3, X, 1, 1, 1, 1, 1, 1};
    TableOptions o;
    o.form = Form::W;
    const double p = 150, T = 260;
    const double Aa = (200 - p) * (300 - T), Ac = (200 - p) * (T - 250);
    EXPECT_NEAR(InterpolateTable(Table(v), o, Pa(p), C(T)).value, (Aa * 2 + Ac * 4) / (Aa + Ac), 1e-12);
    o.formWindow = Window::Liquid;
    EXPECT_NEAR(InterpolateTable(Table(v), o, Pa(p), C(T)).value, 3.0, 1e-12);
    const double none[12] = {-1, -1, 1, 1, -1, X, 1, 1, 1, 1, 1, 1};
    o.formWindow = Window::Gas;
    EXPECT_EQ(InterpolateTable(Table(none), o, Pa(p), C(T)).value, 0.0);
    o.densityTransform = true;
    EXPECT_EQ(InterpolateTable(Table(none), o, Pa(p), C(T)).value, 0.0);
}

TEST_F(TableEngineTest, R1ScalesTheNearestGasCornerAndKeepsTheEarlierOnATie) {
    // a liquid, b no data, c and d gas.
    const double v[12] = {-5, 2, 1, 1, X, 3, 1, 1, 1, 1, 1, 1};
    TableOptions o;
    o.repair = Repair::R1;
    o.form = Form::S;
    const double p = 120, T = 260;
    // c is nearer than d; a and b get c's value scaled as an ideal-gas density.
    const double a = 2.0 * 300 / 250 * 100 / 100, b = 2.0 * 300 / 250 * 200 / 100;
    EXPECT_NEAR(InterpolateTable(Table(v), o, Pa(p), C(T)).value, Bilinear(100, 200, 250, 300, a, b, 2, 3, p, T), 1e-9);
    // a and c at equal distance (same row, T midway): a, the earlier, is the source.
    const double tie[12] = {1, 3, 1, 1, -1, -1, 1, 1, 1, 1, 1, 1};
    const double b2 = 1.0 * 250 / 250 * 200 / 100, d2 = 1.0 * 250 / 300 * 200 / 100;
    EXPECT_NEAR(InterpolateTable(Table(tie), o, Pa(100), C(275)).value,
                Bilinear(100, 200, 250, 300, 1, b2, 3, d2, 100.001, 275), 1e-9);
    // Liquid window: the nearest liquid corner is copied unchanged.
    const double liq[12] = {-5, 2, 1, 1, -6, X, 1, 1, 1, 1, 1, 1};
    o.repairWindow = Window::Liquid;
    o.form = Form::M;
    EXPECT_NEAR(InterpolateTable(Table(liq), o, Pa(p), C(T)).value, Bilinear(100, 200, 250, 300, 5, 6, 5, 5, p, T),
                1e-9);
    // No corner in the window: nothing is repaired.
    const double gasOnly[12] = {1, 2, 1, 1, 3, 4, 1, 1, 1, 1, 1, 1};
    EXPECT_NEAR(InterpolateTable(Table(gasOnly), o, Pa(p), C(T)).value, Bilinear(100, 200, 250, 300, 1, 3, 2, 4, p, T),
                1e-9);
}

TEST_F(TableEngineTest, R2CopiesInItsFixedOrder) {
    TableOptions o;
    o.repair = Repair::R2;
    o.form = Form::S;
    const double p = 140, T = 270;
    // a and b outside the gas window, c inside: a takes c, b takes d.
    const double v1[12] = {-1, 2, 1, 1, X, 3, 1, 1, 1, 1, 1, 1};
    EXPECT_NEAR(InterpolateTable(Table(v1), o, Pa(p), C(T)).value, Bilinear(100, 200, 250, 300, 2, 3, 2, 3, p, T),
                1e-9);
    // d outside too: b takes d's (bad) value, then c's; d takes c's.
    const double v2[12] = {-1, 2, 1, 1, -1, -1, 1, 1, 1, 1, 1, 1};
    EXPECT_NEAR(InterpolateTable(Table(v2), o, Pa(p), C(T)).value, 2.0, 1e-9);
    // Liquid side: a from b; c from d.
    const double v3[12] = {5, 6, 1, 1, -4, -7, 1, 1, 1, 1, 1, 1};
    o.repairWindow = Window::Liquid;
    o.form = Form::M;
    EXPECT_NEAR(InterpolateTable(Table(v3), o, Pa(p), C(T)).value, Bilinear(100, 200, 250, 300, 4, 4, 7, 7, p, T),
                1e-9);
}

TEST_F(TableEngineTest, R3SkipsNoDataColumnsAndCopiesFromTheGasSide) {
    // Row 2 has no data in columns 1 and 2: the cell moves to column 3.
    const double v[12] = {1, 1, -2, 5, X, X, 6, 7, 1, 1, 1, 1};
    TableOptions o;
    o.repair = Repair::R3;
    o.form = Form::S;
    const TableResult r = InterpolateTable(Table(v), o, Pa(150), C(260));
    EXPECT_EQ(r.j, 3);
    EXPECT_DOUBLE_EQ(r.usedTemperatureK, 350.001);
    EXPECT_NEAR(r.value, Bilinear(100, 200, 350, 400, 5, 6, 5, 7, 150, 350.001), 1e-9);
    // b liquid and a liquid: a := c, then b := a.
    const double w[12] = {-1, 1, 9, 1, -3, 1, 1, 1, 1, 1, 1, 1};
    EXPECT_NEAR(InterpolateTable(Table(w), o, Pa(150), C(260)).value,
                Bilinear(100, 200, 250, 300, 1, 1, 1, 1, 150, 260), 1e-9);
    // A row without data in reach stops at the last cell instead of running off the table.
    const double none[12] = {1, 1, 1, 1, X, X, X, X, 1, 1, 1, 1};
    EXPECT_EQ(InterpolateTable(Table(none), o, Pa(150), C(260)).j, 3);
}

TEST_F(TableEngineTest, R4SearchesTowardHigherTemperature) {
    const double v[12] = {-1, -2, 5, 6, -3, -4, -5, 8, 1, 1, 1, 1};
    TableOptions o;
    o.repair = Repair::R4;
    o.form = Form::S;
    const double p = 150, T = 260;
    TableResult r = InterpolateTable(Table(v), o, Pa(p), C(T));
    EXPECT_TRUE(r.columnMoved);
    EXPECT_NEAR(r.value, Bilinear(100, 200, 250, 300, 5, 8, 5, 8, p, T), 1e-9);
    o.r4Scaled = true;
    r = InterpolateTable(Table(v), o, Pa(p), C(T));
    EXPECT_NEAR(r.value,
                Bilinear(100, 200, 250, 300, 5 * 250.0 / 350, 8 * 250.0 / 400, 5 * 300.0 / 350, 8 * 300.0 / 400, p, T),
                1e-9);
    // A row that stays liquid: without the back step the last column, with it the one before.
    const double liq[12] = {1, 1, 1, 1, -3, -4, -5, -9, 1, 1, 1, 1};
    o.r4Scaled = false;
    o.form = Form::M;
    EXPECT_NEAR(InterpolateTable(Table(liq), o, Pa(p), C(T)).value, Bilinear(100, 200, 250, 300, 1, 9, 1, 9, p, T),
                1e-9);
    o.r4BackStep = true;
    EXPECT_NEAR(InterpolateTable(Table(liq), o, Pa(p), C(T)).value, Bilinear(100, 200, 250, 300, 1, 5, 1, 5, p, T),
                1e-9);
    // Nothing moved: the used state is the clamped one.
    o.usedState = UsedStateRule::N1;
    r = InterpolateTable(Table(kLinear), o, Pa(p), C(T));
    EXPECT_FALSE(r.columnMoved);
    EXPECT_DOUBLE_EQ(r.notePressureKPa, 150.0);
    EXPECT_DOUBLE_EQ(r.noteTemperatureK, T);
}

TEST_F(TableEngineTest, UsedStateRulesAfterR4) {
    // a and c gas, b and d liquid (taken from further right).
    const double v[12] = {1, 2, 3, 4, -3, -4, 7, 8, 1, 1, 1, 1};
    TableOptions o;
    o.repair = Repair::R4;
    o.usedState = UsedStateRule::N1;
    // T midway between a and c on row 1: N1 keeps a on the tie, N2 takes c.
    TableResult r = InterpolateTable(Table(v), o, Pa(100), C(275));
    EXPECT_DOUBLE_EQ(r.notePressureKPa, 100.0);
    EXPECT_DOUBLE_EQ(r.noteTemperatureK, 250.0);
    o.usedState = UsedStateRule::N2;
    r = InterpolateTable(Table(v), o, Pa(100), C(275));
    EXPECT_DOUBLE_EQ(r.notePressureKPa, 100.001);
    EXPECT_DOUBLE_EQ(r.noteTemperatureK, 300.001);
    // Near b: both rules choose b.
    r = InterpolateTable(Table(v), o, Pa(190), C(260));
    EXPECT_DOUBLE_EQ(r.notePressureKPa, 200.001);
    EXPECT_DOUBLE_EQ(r.noteTemperatureK, 250.001);
    o.usedState = UsedStateRule::N1;
    r = InterpolateTable(Table(v), o, Pa(190), C(260));
    EXPECT_DOUBLE_EQ(r.notePressureKPa, 200.0);
    // No corner above 0: N1 passes 0, N2 stays at a.
    const double liq[12] = {-1, -1, -1, -1, -1, -1, -1, -1, 1, 1, 1, 1};
    r = InterpolateTable(Table(liq), o, Pa(150), C(260));
    EXPECT_EQ(r.notePressureKPa, 0.0);
    EXPECT_EQ(r.noteTemperatureK, 0.0);
    o.usedState = UsedStateRule::N2;
    r = InterpolateTable(Table(liq), o, Pa(150), C(260));
    EXPECT_DOUBLE_EQ(r.notePressureKPa, 100.001);
    EXPECT_DOUBLE_EQ(r.noteTemperatureK, 250.001);
}

TEST_F(TableEngineTest, DensityTransformReproducesAnIdealGasEverywhere) {
    // rho = p / (0.5 T) in the table's units: rho T / p = 2 in every cell.
    double v[12];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j) v[i * 4 + j] = kP[i] / (0.5 * kT[j]);
    TableOptions o;
    o.densityTransform = true;
    o.form = Form::W;
    const double states[][2] = {{150, 270}, {200, 300}, {50, 200}, {1000, 500}, {20, 380}, {250, 900}};
    for (const auto& s : states) {
        const double expected = 2.0 * s[0] / s[1];
        EXPECT_NEAR(EvaluateTable(Table(v), o, Pa(s[0]), C(s[1])), expected, 1e-12 * expected) << s[0] << " " << s[1];
    }
    o.form = Form::M;
    EXPECT_NEAR(EvaluateTable(Table(v), o, Pa(1000), C(500)), 2.0 * 1000 / 500, 1e-12);
    // A liquid result is the density at the clamped state, not carried.
    double liq[12];
    for (int n = 0; n < 12; ++n) liq[n] = -v[n];
    o.form = Form::W;
    o.formWindow = Window::Liquid;
    EXPECT_NEAR(EvaluateTable(Table(liq), o, Pa(1000), C(500)), 2.0 * 399.999 / 399.999, 1e-12);
    // A bar table carries with its own pressure factor: still the ideal gas.
    const double bar[3] = {1.0, 2.0, 4.0};
    double vb[12];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j) vb[i * 4 + j] = bar[i] / (0.5 * kT[j]);
    TableOptions ob;
    ob.pressureFactor = 1e-5;
    ob.densityTransform = true;
    ob.form = Form::W;
    EXPECT_NEAR(EvaluateTable(TableData{bar, 3, kT, 4, vb}, ob, 1e6, C(500)), 2.0 * 10.0 / 500, 1e-12);
    // The carry divides by the requested absolute temperature.
    o.formWindow = Window::Gas;
    EXPECT_THROW(EvaluateTable(Table(v), o, Pa(150), -273.15), CalcError);
}

TEST_F(TableEngineTest, EvaluateWritesExactlyTheNoteOfItsKind) {
    TableOptions o;
    o.note = NoteKind::HeatCapacity;
    EvaluateTable(Table(kLinear), o, Pa(1000), C(300));
    EXPECT_EQ(CpLabel.rfind("[Cp calculated at ", 0), 0u);
    EXPECT_EQ(DensityLabel, DensityLabelBase);
    EvaluateTable(Table(kLinear), o, Pa(150), C(300));
    EXPECT_EQ(CpLabel, CpLabelBase);
    o.note = NoteKind::Viscosity;
    EvaluateTable(Table(kLinear), o, Pa(150), C(500));
    EXPECT_EQ(DynamicViscosityLabel.rfind("[Dynamic viscosity at ", 0), 0u);
    EXPECT_EQ(CpLabel, CpLabelBase);
    o.note = NoteKind::Enthalpy;
    EvaluateTable(Table(kLinear), o, Pa(50), C(300));
    EXPECT_EQ(EnthalpyLabel.rfind("[Entalpi calculated at ", 0), 0u);
    o.note = NoteKind::Density;
    EvaluateTable(Table(kLinear), o, Pa(150), C(300));
    EXPECT_EQ(DensityLabel, DensityLabelBase);
}

// A requested pressure of 0 Pa (or a state that is no number) still reads a defined table value.
TEST_F(TableEngineTest, DegenerateRequestsStayDefined) {
    const double v[12] = {-5, 2, 1, 1, X, 3, 1, 1, 1, 1, 1, 1};
    TableOptions o;
    o.repair = Repair::R1;
    o.form = Form::S;
    // The distance divides by the clamped pressure in place of 0: c (nearer in temperature) is the source.
    const TableResult r = InterpolateTable(Table(v), o, 0.0, C(260));
    EXPECT_DOUBLE_EQ(r.usedPressure, 100.001);
    const double a = 2.0 * 300 / 250, b = 2.0 * 300 / 250 * 2;
    EXPECT_NEAR(r.value, Bilinear(100, 200, 250, 300, a, b, 2, 3, 100.001, 260), 1e-9);
    o.repair = Repair::R4;
    o.usedState = UsedStateRule::N1;
    EXPECT_TRUE(std::isfinite(InterpolateTable(Table(v), o, 0.0, -273.15).value));
    o.repair = Repair::None;
    EXPECT_TRUE(std::isfinite(EvaluateTable(Table(kLinear), o, NAN, NAN)));
    // A table too small to have a cell gives 0 instead of reading outside it.
    const TableData tiny{kP, 1, kT, 4, kLinear};
    EXPECT_EQ(EvaluateTable(tiny, o, Pa(150), C(300)), 0.0);
}

// A nested call between two evaluations cannot disturb the data: the tables are constant.
TEST_F(TableEngineTest, RepairsDoNotTouchTheTable) {
    const double v[12] = {-1, 2, 1, 1, X, 3, 1, 1, 1, 1, 1, 1};
    const double copy[12] = {-1, 2, 1, 1, X, 3, 1, 1, 1, 1, 1, 1};
    TableOptions o;
    o.repair = Repair::R1;
    o.densityTransform = true;
    const double first = InterpolateTable(Table(v), o, Pa(120), C(260)).value;
    for (int n = 0; n < 12; ++n) EXPECT_EQ(v[n], copy[n]);
    EXPECT_EQ(InterpolateTable(Table(v), o, Pa(120), C(260)).value, first);
    EXPECT_EQ(InRangeIndicator(0, NAN, 1), 0.0);
    EXPECT_EQ(InRangeIndicator(0, 0, 1), 1.0);
    EXPECT_EQ(InRangeIndicator(0, 1, 1), 1.0);
    EXPECT_EQ(InRangeIndicator(0, 1.0000001, 1), 0.0);
}

// R3 lifts the used temperature to the cell's lower column plus the margin even when the cell
// did not move, and its last copy gives d the value of c.
TEST_F(TableEngineTest, R3LiftsTheTemperatureAndCopiesIntoD) {
    TableOptions o;
    o.repair = Repair::R3;
    o.form = Form::S;
    TableResult r = InterpolateTable(Table(kLinear), o, Pa(150), C(300));
    EXPECT_EQ(r.j, 2);
    EXPECT_DOUBLE_EQ(r.usedTemperatureK, 300.001);
    EXPECT_NEAR(r.value, 150 + 2 * 300.001, 1e-9);
    const double v[12] = {1, 5, 2, 2, 3, -4, 2, 2, 1, 1, 1, 1};
    r = InterpolateTable(Table(v), o, Pa(150), C(260));
    EXPECT_EQ(r.j, 1);
    EXPECT_NEAR(r.value, Bilinear(100, 200, 250, 300, 1, 3, 5, 5, 150, 260), 1e-9);
}

// The scaled variant of R4 with the back step: a row liquid to its end takes the column
// before the last, scaled by the temperature ratio of its own column to that one.
TEST_F(TableEngineTest, R4ScaledWithTheBackStep) {
    const double v[12] = {1, 2, 3, 4, -3, -4, -5, -9, 1, 1, 1, 1};
    TableOptions o;
    o.repair = Repair::R4;
    o.r4Scaled = true;
    o.r4BackStep = true;
    o.form = Form::M;
    const double p = 150, T = 260;
    const TableResult r = InterpolateTable(Table(v), o, Pa(p), C(T));
    EXPECT_TRUE(r.columnMoved);
    EXPECT_NEAR(r.value, Bilinear(100, 200, 250, 300, 1, 5.0 * 250 / 350, 2, 5.0 * 300 / 350, p, T), 1e-9);
    // In the last cell the back step leaves b in its own column and moves d one column back.
    const double w[12] = {1, 2, 3, 4, 5, 6, -5, -9, 1, 1, 1, 1};
    const TableResult last = InterpolateTable(Table(w), o, Pa(p), C(380));
    EXPECT_EQ(last.j, 3);
    EXPECT_TRUE(last.columnMoved);
    EXPECT_NEAR(last.value, Bilinear(100, 200, 350, 400, 3, 5, 4, 5.0 * 400 / 350, p, 380), 1e-9);
}

// The cell of every generated table, found by halving each axis, is the one a downward walk along
// it finds, at each axis point, between them and beyond both ends (the walk stops at the highest
// of the first n - 1 points at or below the clamped value, or at the first): the tables' axes
// rise strictly, as the halving needs.
TEST(InterpolateTable, FindsTheCellADownwardWalkFindsInEveryTable) {
    // clang-format off
    const TableData* const tables[] = {
        &kAirDensityTable, &kAirEnthalpyTable, &kAirCpTable, &kAirViscosityTable, &kAmmoniaDensityTable,
        &kAmmoniaViscosityTable, &kAmmoniaEnthalpyTable, &kAmmoniaCpTable, &kArgonDensityTable,
        &kArgonViscosityTable, &kArgonEnthalpyTable, &kArgonCpTable, &kCarbonDioxideDensityTable,
        &kCarbonDioxideViscosityTable, &kCarbonDioxideEnthalpyTable, &kCarbonDioxideCpTable, &kHydrogenZTable,
        &kHydrogenCryogenicDensityTable, &kHydrogenViscosityTable, &kHydrogenEnthalpyTable, &kHydrogenCpTable,
        &kMethaneViscosityTable, &kMethaneEnthalpyTable, &kMethaneCpTable, &kNitrogenDensityTable,
        &kNitrogenViscosityTable, &kNitrogenEnthalpyTable, &kNitrogenCpTable, &kOxygenDensityTable,
        &kOxygenViscosityTable, &kOxygenEnthalpyTable, &kOxygenCpTable, &kOzoneDensityTable, &kPropaneDensityTable,
        &kPropaneViscosityTable, &kPropaneEnthalpyTable, &kPropaneCpTable, &kPropaneCvTable};
    // clang-format on
    auto walk = [](const double* axis, int n, double v) {
        int i = n;
        do {
            --i;
        } while (!(i <= 1 || v >= axis[i - 1]));
        return i;
    };
    for (const TableData* t : tables) {
        for (int i = 1; i < t->mP; ++i) ASSERT_LT(t->pressures[i - 1], t->pressures[i]);
        for (int j = 1; j < t->mT; ++j) ASSERT_LT(t->temperatures[j - 1], t->temperatures[j]);
        auto probes = [](const double* axis, int n) {
            std::vector<double> v{axis[0] - 1.0, axis[n - 1] + 1.0};
            for (int k = 0; k < n; ++k) {
                v.push_back(axis[k]);
                if (k + 1 < n) v.push_back(0.5 * (axis[k] + axis[k + 1]));
            }
            return v;
        };
        const TableOptions o;
        for (const double p : probes(t->pressures, t->mP)) {
            for (const double T : probes(t->temperatures, t->mT)) {
                TableResult r;
                try {
                    r = InterpolateTable(*t, o, p / o.pressureFactor, T - 273.15);
                } catch (const CalcError&) {
                    continue;  // a cell without data
                }
                ASSERT_EQ(r.i, walk(t->pressures, t->mP, r.usedPressure)) << p << " " << T;
                ASSERT_EQ(r.j, walk(t->temperatures, t->mT, r.usedTemperatureK)) << p << " " << T;
            }
        }
    }
}

// A search reads one cell at one temperature and many pressures, and the engine keeps a cell's
// repaired corners for it: every result is the same to the bit, the cell's corners kept or not,
// whatever tables, options and states came between (the states in two orders, the options of
// each repair and transform on one table, and a grid with no-data and liquid corners).
TEST_F(TableEngineTest, KeptCornersGiveEachStateTheSameResult) {
    const double cells[12] = {X, -800, 900, 1000, 700, 800, -900, 1100, 900, X, 1100, 1200};
    const TableData mixed = Table(cells);
    std::vector<TableOptions> options(7);
    options[6].repair = Repair::R1;  // the distance repair reads the state: never kept
    options[1].repair = Repair::R2;
    options[2].repair = Repair::R3;
    options[2].r3Copies = false;
    options[2].noDataRowRepair = true;
    options[3].repair = Repair::R4;
    options[3].r4Scaled = true;
    options[3].densityTransform = true;
    options[4] = RowSearchDensityOptions();  // its used-state rule reads the state: never kept
    options[5] = ColumnSkipOptions(2.0, NoteKind::Viscosity);
    options[5].specificVolume = true;
    options[5].form = Form::S;
    // The nitrogen table's 28 rows: cells of one column far apart in pressure.
    const TableData* tables[] = {&mixed, &kAirDensityTable, &kCarbonDioxideDensityTable, &kNitrogenDensityTable};
    std::vector<double> pressures = {50.0, 120.0, 150.0, 199.0, 250.0, 399.0, 4990.0};
    for (int row = 1; row < kNitrogenDensityRows; ++row)
        pressures.push_back(0.5 * (kNitrogenDensityPressures[row - 1] + kNitrogenDensityPressures[row]));
    std::vector<std::pair<double, double>> states;
    for (const double t : {-30.0, 26.85, 46.85, 76.85, 140.0})
        for (const double kPa : pressures) states.push_back({Pa(kPa), t});
    // What a call works out: the value, the state its range note names, the cell and the column move.
    using Result = std::array<double, 6>;
    auto evaluate = [&](std::size_t table, std::size_t option, std::size_t state) {
        try {
            const TableResult r =
                InterpolateTable(*tables[table], options[option], states[state].first, states[state].second);
            return Result{r.value,     r.notePressureKPa,    r.noteTemperatureK, r.usedTemperatureK,
                          double(r.j), double(r.columnMoved)};
        } catch (const CalcError&) {
            return Result{std::numeric_limits<double>::infinity()};
        }
    };
    auto same = [](const Result& a, const Result& b) {
        return std::equal(a.begin(), a.end(), b.begin(), [](double x, double y) { return SameBits(x, y); });
    };
    // The first results, each state evaluated alone between calls elsewhere.
    std::vector<Result> alone;
    for (std::size_t a = 0; a < std::size(tables); ++a)
        for (std::size_t o = 0; o < options.size(); ++o)
            for (std::size_t k = 0; k < states.size(); ++k) {
                evaluate((a + 1) % std::size(tables), (o + 1) % options.size(), (k + 5) % states.size());
                alone.push_back(evaluate(a, o, k));
            }
    // Then the states of one temperature in a row, and the options switched at every state.
    std::size_t n = 0;
    for (std::size_t a = 0; a < std::size(tables); ++a)
        for (std::size_t o = 0; o < options.size(); ++o)
            for (std::size_t k = 0; k < states.size(); ++k, ++n) {
                EXPECT_TRUE(same(evaluate(a, o, k), alone[n])) << a << " " << o << " " << k;
                const std::size_t other = (o + 3) % options.size(), m = a * options.size() * states.size();
                EXPECT_TRUE(same(evaluate(a, other, k), alone[m + other * states.size() + k])) << a << " " << o;
            }
}

}  // namespace
}  // namespace tubalyx
