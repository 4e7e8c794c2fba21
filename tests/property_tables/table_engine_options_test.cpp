// The engine options that the oxygen, argon and air tables need beyond the shared repairs.
#include <gtest/gtest.h>

#include <cmath>

#include "property_tables/table_engine.h"
#include "state/selections.h"
#include "texts/report_labels.h"

namespace tubalyx {
namespace {

const double kP[3] = {100.0, 200.0, 400.0};
const double kT[3] = {100.0, 150.0, 200.0};
constexpr double X = kNoData;

TableData Table(const double* values) { return TableData{kP, 3, kT, 3, values}; }
double Pa(double kPa) { return kPa * 1000.0; }
double C(double K) { return K - 273.15; }

class TableEngineOptions : public ::testing::Test {
protected:
    void SetUp() override {
        LanguageLetter = 'E';
        MediumCode = "LUF";
        SetPropertyReportLabels('E');
    }
};

TEST_F(TableEngineOptions, ColumnSkipWithoutCopies) {
    // Row 200 kPa has no data at 100 K: the cell moves to 150-200 K; the negative corner at
    // (100 kPa, 150 K) keeps its value (form M counts its magnitude), R3's copies are not made.
    const double v[9] = {10, -20, 30, X, 40, 50, 60, 70, 80};
    TableOptions o;
    o.repair = Repair::R3;
    o.r3Copies = false;
    o.form = Form::M;
    const TableResult r = InterpolateTable(Table(v), o, Pa(100), C(120));
    EXPECT_EQ(r.j, 2);
    EXPECT_DOUBLE_EQ(r.usedTemperatureK, 150.001);
    EXPECT_NEAR(r.value, 20 + (30 - 20) * 0.001 / 50 + (40 - 20) * 0.001 / 100, 1e-9);
    o.r3Copies = true;  // with the copies the negative corner takes the gas value beside it
    EXPECT_NEAR(InterpolateTable(Table(v), o, Pa(100), C(120)).value, 30, 1e-2);
}

TEST_F(TableEngineOptions, LowEndMarginOfItsOwn) {
    const double v[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    TableOptions o;
    o.lowMargin = 0.000001;
    const TableResult r = InterpolateTable(Table(v), o, Pa(50), C(50));
    EXPECT_DOUBLE_EQ(r.usedPressure, 100.000001);
    EXPECT_DOUBLE_EQ(r.usedTemperatureK, 100.000001);
    const TableResult top = InterpolateTable(Table(v), o, Pa(1000), C(500));
    EXPECT_DOUBLE_EQ(top.usedPressure, 399.999);
    EXPECT_DOUBLE_EQ(top.usedTemperatureK, 199.999);
}

TEST_F(TableEngineOptions, SpecificVolumeCellsBecomeDensities) {
    // Ideal-gas specific volumes v = c T / p: the transformed value is constant, so the
    // density is exactly 1000 p / (c T) anywhere inside.
    const double c = 2.87;
    double v[9];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) v[i * 3 + j] = c * kT[j] / kP[i];
    TableOptions o;
    o.specificVolume = true;
    o.densityTransform = true;
    o.form = Form::S;
    EXPECT_NEAR(EvaluateTable(Table(v), o, Pa(250), C(170)), 1000 * 250 / (c * 170), 1e-9);
}

TEST_F(TableEngineOptions, NoDataCornerFromItsOwnRow) {
    // (200 kPa, 100 K) has no data while the 400 kPa row beside it has: the column skip does
    // not move the cell 200-400 kPa x 100-150 K, and the corner would enter the sums as -2e99.
    const double v[9] = {10, 20, 30, X, 40, 50, 60, 70, 80};
    TableOptions o;
    o.repair = Repair::R3;
    o.r3Copies = false;
    o.form = Form::M;
    EXPECT_GT(InterpolateTable(Table(v), o, Pa(300), C(125)).value, 1e90);
    o.noDataRowRepair = true;  // copy: the corner takes 40
    EXPECT_NEAR(InterpolateTable(Table(v), o, Pa(300), C(125)).value, (40 + 60 + 40 + 70) / 4.0, 1e-9);
    o.r4Scaled = true;  // scaled: 40 * 100 / 150
    EXPECT_NEAR(InterpolateTable(Table(v), o, Pa(300), C(125)).value, (40.0 * 100 / 150 + 60 + 40 + 70) / 4.0, 1e-9);
    // A row without any data leaves the corner as it is.
    const double empty[9] = {10, 20, 30, X, X, X, 60, 70, 80};
    o.r4Scaled = false;
    EXPECT_GT(InterpolateTable(Table(empty), o, Pa(300), C(125)).value, 1e90);
}

}  // namespace
}  // namespace tubalyx
