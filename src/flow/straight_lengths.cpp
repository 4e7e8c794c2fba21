#include "flow/straight_lengths.h"

#include <cmath>

#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "state/flow_results.h"
#include "state/keywords.h"
#include "state/limits.h"
#include "state/selections.h"
#include "ui/calculation_window.h"

namespace tubalyx {

int StraightLengthColumn(double ratio, const double* bounds, int boundCount) {
    for (int i = 0; i < boundCount; ++i)
        if (ratio <= bounds[i]) return i;
    return boundCount;
}

namespace {

// The open large vessel ahead of a classical venturi under ISO 5167:2003 has no table row;
// the printed venturi table gives it 30 D, and the look-up follows the print.
constexpr int kVenturiLargeVesselCode = 9;
constexpr double kVenturiLargeVesselLength = 30.0;
// The venturi's downstream requirement, in throat diameters.
constexpr double kVenturiDownstreamThroats = 4.0;

double DiameterRatio(double D, double d) {
    CheckFinite(D, "pipe diameter is no number");
    CheckFinite(d, "bore diameter is no number");
    return CheckedDiv(d, D);
}

int FittingNumber(const std::string& code) {
    const double v = StrToFloatSafe(code);
    if (!(v >= 0) || v > 1000 || v != std::floor(v)) return -1;  // no fitting of any table
    return static_cast<int>(v);
}

// A marker for "no 0.5 % value" never becomes a length: the zero-uncertainty length stands in.
double HalfOrZero(const StraightLengthCell& c) { return HasHalfLength(c.Half) ? c.Half : c.Zero; }

// The upstream cell of a fitting: none for code 0, an unreachable one for a code without a row.
StraightLengthCell UpstreamCell(int code, const StraightLengthCell* rows, int rowCount) {
    if (code == 0) return {0, 0};
    if (code >= 1 && code <= rowCount) return rows[code];
    return {kUnreachableLength, kUnreachableLength};
}

bool Uses2003OrificeTable(const std::string& device) {
    return StandardLetter == kStandardIso2003 && device == kDeviceOrifice;
}

// The menu lists the fourteen fittings of the 2003 orifice table for orifice plates under that
// standard and for the optimal design; there the ten names of this table would mislabel it.
bool MenuListsTenFittings(const std::string& device) {
    return SolveFor != kSolveOptimal && !Uses2003OrificeTable(device);
}

void LoadTableA(const std::string& device, double D, double d, bool captionMenu) {
    const double beta = DiameterRatio(D, d);
    StraightLengthTableBlock& t = StraightLengthTables;
    t.Beta = beta;
    const int c1 = StraightLengthColumn(beta, kTable1Bounds, kTable1Columns - 1);
    for (int r = 0; r < 11; ++r) t.Orifice[r + 1] = kTable1[r][c1];
    if (Uses2003OrificeTable(device)) {
        const int c2 = StraightLengthColumn(beta, kTable2Bounds, kTable2Columns - 1);
        for (int r = 0; r < 15; ++r) t.Orifice2003[r + 1] = kTable2[r][c2];
        if (c2 == 3 && ReynoldsAtMaxFlow > kTable2HighReynoldsLimit) t.Orifice2003[5].Zero = kTable2HighReynoldsLength;
    }
    if (captionMenu && MenuListsTenFittings(device)) CaptionFittingMenu();
}

void LookUpA(const std::string& device, const std::string& code, double& totalZero, double& totalHalf,
             double& upstreamZero, double& upstreamHalf, double D, double d, bool captionMenu) {
    LoadTableA(device, D, d, captionMenu);
    const bool t2003 = Uses2003OrificeTable(device);
    const StraightLengthCell* rows = t2003 ? StraightLengthTables.Orifice2003 : StraightLengthTables.Orifice;
    const int fittings = t2003 ? 14 : 10;
    const StraightLengthCell up = UpstreamCell(FittingNumber(code), rows, fittings);
    const StraightLengthCell& down = rows[fittings + 1];
    upstreamZero = up.Zero * D;
    upstreamHalf = HalfOrZero(up) * D;
    totalZero = upstreamZero + down.Zero * D;
    totalHalf = upstreamHalf + HalfOrZero(down) * D;
}

}  // namespace

void LoadStraightLengthTableA(double D, double d) { LoadTableA(DeviceCode, D, d, true); }

void LoadStraightLengthTableB(SegmentStraightLengthTable& table, double D, double d) {
    const double beta = DiameterRatio(D, d);
    const int c = StraightLengthColumn(beta * beta, kTable3Bounds, kTable3Columns - 1);
    table[0] = 0;
    for (int r = 0; r < 11; ++r) table[r + 1] = kTable3[r][c];
}

void LoadStraightLengthTableC(VenturiStraightLengthTable1991& table, double D, double d) {
    const double beta = DiameterRatio(D, d);
    if (StandardLetter == kStandardIso2003) {
        StraightLengthTables.Beta = beta;
        const int c = StraightLengthColumn(beta, kTable4Bounds, kTable4Columns - 1);
        for (int r = 0; r < 9; ++r) StraightLengthTables.Venturi2003[r + 1] = kTable4[r][c];
        return;
    }
    const int c = StraightLengthColumn(beta, kTable5Bounds, kTable5Columns - 1);
    table.Zero[0] = table.Half[0] = 0;
    for (int r = 0; r < 6; ++r) {
        table.Zero[r + 1] = kTable5[r][c].Zero;
        table.Half[r + 1] = kTable5[r][c].Half;
    }
}

void RequiredStraightLengthA(const std::string& code, double& totalZero, double& totalHalf, double& upstreamZero,
                             double& upstreamHalf, double D, double d) {
    LookUpA(DeviceCode, code, totalZero, totalHalf, upstreamZero, upstreamHalf, D, d, true);
}

void RequiredStraightLengthB(const std::string& code, double& totalZero, double& totalHalf, double& upstreamZero,
                             double& upstreamHalf, double D, double d) {
    SegmentStraightLengthTable table{};
    LoadStraightLengthTableB(table, D, d);
    int row = FittingNumber(code);
    if (row == 4)
        row = 5;  // the menu of this family numbers the reducer 4 and the expander 5
    else if (row == 5)
        row = 4;
    double up = 0;
    if (row >= 1 && row <= 10)
        up = table[row];
    else if (row != 0)
        up = kUnreachableLength;
    upstreamZero = up * D;
    upstreamHalf = (row >= 1 && row <= 10 ? 0.5 * up : up) * D;
    totalZero = upstreamZero + table[11] * D;
    totalHalf = upstreamHalf + 0.5 * table[11] * D;
}

void RequiredStraightLengthC(const std::string& code, double& totalZero, double& totalHalf, double& upstreamZero,
                             double& upstreamHalf, double D, double d) {
    VenturiStraightLengthTable1991 table;
    LoadStraightLengthTableC(table, D, d);
    const int fitting = FittingNumber(code);
    StraightLengthCell up{0, 0};
    if (StandardLetter == kStandardIso2003) {
        if (fitting == kVenturiLargeVesselCode)
            up = {kVenturiLargeVesselLength, kVenturiLargeVesselLength};
        else
            up = UpstreamCell(fitting, StraightLengthTables.Venturi2003, 8);
        up.Half = HalfOrZero(up);
    } else if (fitting != 0) {
        up = {kUnreachableLength, kUnreachableLength};
        for (int r = 0; r < 6; ++r) {
            if (kTable5FittingCodes[r] != fitting) continue;
            up = {table.Zero[r + 1], table.Half[r + 1]};
            const double beta = DiameterRatio(D, d);
            if ((fitting == 1 && beta <= 0.40) || (fitting == 4 && beta <= 0.30)) up.Half = up.Zero;
        }
        up.Half = HalfOrZero(up);
    }
    upstreamZero = up.Zero * D;
    upstreamHalf = up.Half * D;
    totalZero = upstreamZero + kVenturiDownstreamThroats * d;
    totalHalf = upstreamHalf + kVenturiDownstreamThroats * d;
}

double DeviceStraightLength(const std::string& device, const std::string& variant, double D, double d) {
    if (device == kDeviceOrifice) {
        if (variant == kVariantDAndD2) return 1.5 * D;
        if (variant == kVariantFlange) return 0.05;
        return 0;
    }
    if (device == kDeviceLongRadiusNozzle) return 0.5 * D + D;
    if (device == kDeviceShortVenturi) return 0.6 * d;
    if (device == kDeviceVenturi) return 0.5 * D + 0.5 * d + 2.7 * (D - d);
    return 0;
}

void RequiredStraightLengths(const std::string& device, const std::string& variant, const std::string& code,
                             double& availableUpstream, double& extraUncertaintyPercent, double& shortfall,
                             double givenLength, double D, double d) {
    double u0 = 0, uh = 0, t0 = 0, th = 0;
    const bool orificeFamily = device == kDeviceOrifice || device == kDeviceShortVenturi ||
                               device == kDeviceLongRadiusNozzle || device == kDeviceIsaNozzle;
    // The optimal design calls this for every candidate: the fitting menu is left alone here,
    // the family look-ups of the calculation sequence caption it.
    if (orificeFamily)
        LookUpA(device, code, t0, th, u0, uh, D, d, false);
    else if (device == kDeviceSegmentOrifice || device == kDeviceQuarterCircle)
        RequiredStraightLengthB(code, t0, th, u0, uh, D, d);
    else if (device == kDeviceVenturi)
        RequiredStraightLengthC(code, t0, th, u0, uh, D, d);
    else {
        availableUpstream = givenLength;
        extraUncertaintyPercent = 0;
        shortfall = -givenLength;
        return;
    }
    const double L = givenLength;
    const double dev = DeviceStraightLength(device, variant, D, d);
    t0 += dev;
    th += dev;

    availableUpstream = L - dev;  // stands when no requirement is left to share the length by
    shortfall = t0 - L;
    extraUncertaintyPercent = 0;
    if (t0 - dev > 0) availableUpstream = (L - dev) * u0 / (t0 - dev);
    if (shortfall > 0) {
        shortfall = th - L;
        extraUncertaintyPercent = 0.5;
        if (th - dev > 0) availableUpstream = (L - dev) * uh / (th - dev);
    }
    if (shortfall > 0 && orificeFamily) {
        shortfall = th - (uh - 0.25 * u0) - L;
        extraUncertaintyPercent = 2.5;
        const double tq = t0 - 0.75 * u0;
        if (tq - dev > 0) availableUpstream = (L - dev) * 0.25 * u0 / (tq - dev);
    }
}

}  // namespace tubalyx
