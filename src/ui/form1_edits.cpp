// Handlers of the questionnaire's edit fields and of the property box GroupBox1. A value
// edit parses its text at once into the calculation state and writes the text back
// corrected; a unit edit stores its keyword and converts the value again. A handler's second
// change event sees equal text and stops.
#include <cmath>
#include <string>

#include "media/gas_mixture.h"
#include "media/medium_identification.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
#include "reports/operating_conditions.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/report_label_strings.h"
#include "ui/composition_grid.h"
#include "ui/edit_updates.h"
#include "ui/form1.h"

namespace tubalyx {

namespace {

// The uncertainty grid's row of the pipe roughness.
constexpr int kRoughnessErrorRow = 10;

// The humidity edit's number (its text written back), for the handlers that only go on for
// a humid or user-defined gas.
double HumidityEntry() { return ReadEditNumber(Form1().relabsspecfukt); }

// Clears the start text away once a unit is one the parser knows.
void UnitCheck() {
    if (ParsedUnitKind != kUnitUnknown) Form1().Memo2.SetVisible(false);
}

// A length in the pipe's length unit: "mm", or inches for any other caption. The corrected
// text (not the converted number) stays in the edit; a length beyond the double range puts
// the focus back and keeps the values.
void ReadLength(TEdit& edit, double& mm, double& m) {
    const double perUnit = Form1().dstorkallsort.Caption() == kUnitMillimetre ? 1.0 : kMillimetresPerInch;
    if (DisplaysValue(edit.Text(), mm / perUnit)) return;
    const double value = ReadEditNumber(edit) * perUnit;
    if (!std::isfinite(value)) {
        edit.SetFocus();
        return;
    }
    mm = value;
    m = 0.001 * value;
}

// The static pressure in Pa that the operating state and the compensation table use: the
// mean of the range where the gas branch of the device page asks for one.
double TypedOperatingPressure() {
    return UsesGasThroatBranch() ? 0.5 * PressureMinInput + 0.5 * PressureMaxInput : PressureMinInput;
}

// The first or last pressure of the compensation table, in kPa.
void WriteCompensationPressure(double typed, int col, int row) {
    double pa = 0.0;
    if (ConvertPressureValue(PressureUnit, typed, pa)) Form1().PTKompgrid.SetCell(col, row, FormatFixed(0.001 * pa, 7));
}

void UpdateMixtureForState() {
    CalcMixtureProperties(4);
    UpdateHumidityRow();
}

}  // namespace

// ---- simple number edits ----
void TForm1::utvflChange(TControl*) { ReadEditInto(utvfl, DeviceExpansionCoeff); }
void TForm1::utvflbChange(TControl*) { ReadEditInto(utvflb, DeviceExpansionCoeffB); }
void TForm1::utvrorChange(TControl*) { ReadEditInto(utvror, PipeExpansionCoeff); }
void TForm1::utvrorbChange(TControl*) { ReadEditInto(utvrorb, PipeExpansionCoeffB); }
void TForm1::kantradieChange(TControl*) { ReadEditInto(kantradie, EdgeRadiusMm); }
void TForm1::plattjockChange(TControl*) { ReadEditInto(plattjock, PlateThicknessMm); }
void TForm1::flChange(TControl*) { ReadEditInto(fl, ValveFL); }
void TForm1::givenrakinChange(TControl*) { ReadEditInto(givenrakin, GivenStraightInlet); }
void TForm1::givenrakutChange(TControl*) { ReadEditInto(givenrakut, GivenStraightOutlet); }
void TForm1::okfelbidragChange(TControl*) { ReadEditInto(okfelbidrag, AdditionalUncertaintyPercent); }
void TForm1::CfChange(TControl*) { ReadEditInto(Cf, CalibratedCf); }
void TForm1::kaltempChange(TControl*) { ReadEditInto(kaltemp, CalibrationTemperatureC); }
void TForm1::kalminreynChange(TControl*) { ReadEditInto(kalminreyn, CalibratedReynoldsMin); }
void TForm1::kalmaxreynChange(TControl*) { ReadEditInto(kalmaxreyn, CalibratedReynoldsMax); }

void TForm1::DstorrahetmmChange(TControl*) {
    ReadEditInto(Dstorrahetmm, PipeRoughnessMm);
    // The roughness's uncertainty is typed with the same separator rule.
    std::string cell = Felsimulgrid.Cell(1, kRoughnessErrorRow);
    StrToFloatAnySep(cell);
    Felsimulgrid.SetCell(1, kRoughnessErrorRow, cell);
}

// ---- lengths in the pipe's unit ----
void TForm1::DstorkallmmChange(TControl*) {
    PipeDiameterFromEntry();
    const int caret = Dstorkallmm.SelStart();
    ReadLength(Dstorkallmm, PipeDiameterColdMm, PipeDiameterColdM);
    if (dstorkallsort.Caption() == kUnitMillimetre) Dstorkallmm.SetSelStart(caret);
}

// Typing a straight length or a height difference must never overwrite the bore: whichever
// of the three edits changed, the bore is read from its own edit.
void TForm1::dkallmmChange(TControl*) { ReadLength(dkallmm, BoreDiameterColdMm, BoreDiameterColdM); }
void TForm1::hkallmmChange(TControl*) { ReadLength(hkallmm, SegmentHeightColdMm, SegmentHeightColdM); }
void TForm1::VentilkallmmChange(TControl*) { ReadLength(Ventilkallmm, ValveDiameterColdMm, ValveDiameterColdM); }

// ---- the static pressure ----
void TForm1::abstryckantalchange(TControl*) {
    const double humidity = HumidityEntry();
    const double oldMin = PressureMinInput, oldMax = PressureMaxInput;
    ReadEditInto(abstryckmaxantal, PressureMaxInput);
    ReadEditInto(abstryckantal, PressureMinInput);
    const bool changed = PressureMinInput != oldMin || PressureMaxInput != oldMax;
    if (humidity > 0 || IsUserGasMedium(MediumCode) || MediumCode == kMediumMixture) {
        try {
            ParsedUnitKind = kUnitMassFlow;
            ConvertPressureValue(PressureUnit, TypedOperatingPressure(), OperatingPressure);
            if (changed && IsMixtureMedium(MediumCode)) UpdateMixtureForState();
        } catch (const CalcError&) {
            // The mixture keeps the composition of the state before.
        }
        UpdateHumidityEdit();
    }
    UpdateThermoCaption();
    if (MediumCode == kMediumOil) {
        // An oil's lower pressure is the atmosphere's, whatever is typed.
        PressureMinInput = kStandardAtmosphereKPa;
        abstryckantal.SetText(FormatGeneral(kStandardAtmosphereKPa));
    }
    if (PressureMinInput != oldMin) {
        if (MediumCode == kMediumWater) {
            WriteCompensationPressure(PressureMinInput, 1, 1);
            WriteCompensationPressure(PressureMinInput, 10, 1);
        } else {
            WriteCompensationPressure(PressureMinInput, 0, 1);
        }
    } else if (PressureMaxInput != oldMax) {
        WriteCompensationPressure(PressureMaxInput, 0, 10);
    }
}

void TForm1::abstrycksortChange(TControl*) {
    ParsedUnitKind = kUnitMassFlow;
    const bool unitChanged = abstrycksort.Text() != PressureUnit;
    PressureUnit = abstrycksort.Text();
    ConvertPressureValue(PressureUnit, PressureMinInput, OperatingPressure);
    if (unitChanged && IsMixtureMedium(MediumCode)) {
        try {
            UpdateMixtureForState();
        } catch (const CalcError&) {
            // The mixture keeps the composition of the state before.
        }
    }
    UnitCheck();
    UpdateHumidityEdit();
    if (MediumCode == kMediumOil) {
        PressureUnit = "kPa";
        abstrycksort.SetText(PressureUnit);
    }
}

// ---- vapour and critical pressure ----
void TForm1::angtryckantalChange(TControl*) {
    if (angtryckantal.Visible()) {
        ReadEditInto(angtryckantal, VapourPressureInput);
    } else {
        VapourPressureInput = 0.0;
        angtryckantal.SetText("0");
    }
    ConvertPressureValue(VapourPressureUnit, VapourPressureInput, VapourPressurePa);
}

void TForm1::angtrycksortChange(TControl*) {
    if (!angtryckantal.Visible()) return;
    ParsedUnitKind = kUnitMassFlow;
    VapourPressureUnit = angtrycksort.Text();
    ConvertPressureValue(VapourPressureUnit, VapourPressureInput, VapourPressurePa);
    UnitCheck();
}

void TForm1::krittryckantalChange(TControl*) {
    ReadEditInto(krittryckantal, CriticalPressureInput);
    ConvertPressureValue(CriticalPressureUnit, CriticalPressureInput, CriticalPressurePa);
}

void TForm1::krittrycksortChange(TControl*) {
    if (!krittryckantal.Visible()) return;
    ParsedUnitKind = kUnitMassFlow;
    CriticalPressureUnit = krittrycksort.Text();
    ConvertPressureValue(CriticalPressureUnit, CriticalPressureInput, CriticalPressurePa);
    UnitCheck();
}

// ---- differential pressures ----
// While the device solves for its dp, the typed dp is kept as typed and the dp in Pa is the
// calculation's.
void TForm1::difftryckmaxantalChange(TControl*) {
    ParsedUnitKind = kUnitMassFlow;
    ReadEditInto(difftryckmaxantal, MaxDpInput);
    if (SolveFor != kSolveDp) ConvertPressureValue(DpUnit, MaxDpInput, MaxDpPa);
}

void TForm1::difftryckmaxsortchange(TControl*) {
    ParsedUnitKind = kUnitMassFlow;
    DpUnit = difftryckmaxsort.Text();
    if (SolveFor != kSolveDp) ConvertPressureValue(DpUnit, MaxDpInput, MaxDpPa);
    UnitCheck();
}

void TForm1::difftryckmaxmaxgrsortChange(TControl*) {
    DpUpperLimitUnit = difftryckmaxmaxgrsort.Text();
    ConvertPressureValue(DpUpperLimitUnit, DpUpperLimitInput, DpUpperLimitPa);
    UnitCheck();
}

void TForm1::difftryckmaxmingrsortChange(TControl*) {
    DpLowerLimitUnit = difftryckmaxmingrsort.Text();
    ConvertPressureValue(DpLowerLimitUnit, DpLowerLimitInput, DpLowerLimitPa);
    UnitCheck();
}

void TForm1::tryckforlmaxantalChange(TControl*) {
    ParsedUnitKind = kUnitMassFlow;
    ReadEditInto(tryckforlmaxantal, MaxPressureLossInput);
    // Through a local: GCC 12 sees a false overlap of the kind's copy above otherwise (-Wrestrict).
    double pa = 0.0;
    if (ConvertPressureValue(MaxPressureLossUnit, MaxPressureLossInput, pa)) MaxPressureLossPa = pa;
}

void TForm1::tryckforlmaxsortChange(TControl*) {
    ParsedUnitKind = kUnitMassFlow;
    MaxPressureLossUnit = tryckforlmaxsort.Text();
    ConvertPressureValue(MaxPressureLossUnit, MaxPressureLossInput, MaxPressureLossPa);
    UnitCheck();
}

// ---- temperatures ----
void TForm1::tempChange(TControl*) {
    const double humidity = HumidityEntry();
    const double oldMax = TemperatureMaxC, oldMin = TemperatureMinC;
    try {
        UpdateTemperatureRange();
    } catch (const CalcError&) {
        // The range keeps what was read before the failing step.
    }
    if (humidity > 0 || MediumCode == kMediumMixture || IsUserGasMedium(MediumCode)) {
        const bool changed = TemperatureMaxC != oldMax || TemperatureMinC != oldMin;
        try {
            if (changed && IsMixtureMedium(MediumCode)) UpdateMixtureForState();
        } catch (const CalcError&) {
            // The mixture keeps the composition of the state before.
        }
        UpdateHumidityEdit();
    }
    UpdateThermoCaption();
}

// ---- flow ----
void TForm1::maxflowsortchange(TControl*) {
    if (maxflowsort.Visible()) UpdateFlowUnits('S');
}

void TForm1::maxflowantalChange(TControl*) {
    if (maxflowantal.Visible()) UpdateFlowUnits('A');
}

void TForm1::maxflownormaldensChange(TControl*) {
    ReadEditInto(maxflownormaldens, FlowNormalDensity);
    if (!ConvertUnitValue(FlowUnit, MaxFlowInput, FlowNormalDensity, MaxFlowSI)) {
        maxflownormaldens.SetFocus();
        return;
    }
    massflow.SetCaption(FormatGeneral(MaxFlowSI).substr(0, 6) + " kg/h");
}

// The value edits parse their text on change and on exit; releasing a key adds nothing.
void TForm1::abstryckantalKeyUp(TControl*, int, TShiftState) {}
void TForm1::tempKeyUp(TControl*, int, TShiftState) {}

// Leaving the property box keeps it open; a click on it closes it.
void TForm1::GroupBox1Exit(TControl*) {}

}  // namespace tubalyx
