// The default inputs of the calculation state and the edits that show them, as the window
// opens with them.
#include <string>

#include "media/thermal_expansion.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
#include "pressure_loss/line_resistance.h"
#include "reports/uncertainty/uncertainty_grid.h"
#include "state/composition.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/menu_state.h"
#include "state/pressure_loss_state.h"
#include "state/selections.h"
#include "texts/prompt_setters.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"
#include "ui/startup.h"

namespace tubalyx {

namespace {

// The mixture rows the start values cover.
constexpr int kFirstPresetRow = 1;
constexpr int kLastPresetRow = 10;

void PresetMixtureRows() {
    for (int row = kFirstPresetRow; row <= kLastPresetRow; ++row) {
        MixtureFraction[row] = 0.0;
        MixtureEnthalpy[row] = 0.0;
        MixturePartialPressure[row] = 0.0;
        MixtureDensity[row] = 1.0;
        MixtureViscosity[row] = 1.0;
        MixtureCp[row] = 1.0;
        MixtureCv[row] = 1.0;
        MixtureMolarMass[row] = 1.0;
        MixtureCriticalTemperature[row] = kKelvinOffset;
        MixtureViscosityUnit[row] = "Pas*E-6";
    }
}

// The material "1" (steel) for the primary device and the pipe.
void PresetMaterials(TForm1& f) {
    const std::string& first = f.mtrlfl1->Caption();
    f.mtrlror.SetCaption(f.mtrlror.Caption() + first);
    f.mtrlfl.SetCaption(f.mtrlfl.Caption() + first);
    MaterialCode2 = kMaterialFirst;
    MaterialCode1 = kMaterialFirst;
    double a1 = 0.0, a2 = 0.0;
    MaterialExpansionCoefficients("1", a1, a2);
    f.utvror.SetText(FormatGeneral(a1));
    f.utvrorb.SetText(FormatGeneral(a2));
    f.utvfl.SetText(FormatGeneral(a1));
    f.utvflb.SetText(FormatGeneral(a2));
}

// The user-defined gas: air-like, so that a first run gives a plausible state.
void PresetGivenMedium() {
    GivenZ1 = GivenZn = GivenDensity = FlowDensity = 1.0;
    GivenViscosityPas = GivenViscosityValue = DynamicViscosityPas = 1.0;
    ViscosityUnit = "Pas*E-6";
    OilViscosity40 = 320.0;
    OilViscosityUnit = "cSt";
    OilViscosity100 = 33.4;
    PropertyIterationCount = 0;
    PropertyIterationLimit = 10000;
    GivenKappa = KappaOperating = 1.4;
    GivenCp = CpOperating = 2000.0;
    GivenCv = CvOperating = 1500.0;
    GivenCriticalTemperatureK = 61.9;
    GivenMolarMass = 12.0;
}

}  // namespace

void SetDefaultMaterialInputs() {
    TForm1& f = Form1();
    PresetMixtureRows();
    ExpansionModeLetter = kExpansionAdiabatic;
    StandardLetter = kStandardIso2003;
    LanguageLetter = 'E';
    ProductionReportFlag = kNo;
    PlateThicknessMm = 30.0;
    DeviceCode = kDeviceOrifice;
    ExtraUncertaintyCode = kExtraUncertaintyFlanged;
    PipeRoughnessMm = 0.0;
    DeviceVariantCode = kVariantCorner;
    PresetMaterials(f);
    SolveFor = kSolveBore;
    MaxFlowGivenFlag = kMaxFlowPlain;
    PipeDiameterColdMm = 200.0;
    MediumCode = kMediumGas;
    PhaseLetter = kPhaseNone;
    HumidFlowBasis = kHumidFlowOfWhole;
    PresetGivenMedium();
    GivenStraightInlet = GivenStraightOutlet = 10.0;
    OperatingTemperature = TemperatureMinC = TemperatureMaxC = LineLocalTemperature = 20.0;
    f.tempmin.SetText("20");
    f.temp.SetText("20");
    f.difftryckmaxantal.SetText("10");
    f.difftryckmaxsort.SetText("kPa");
    DpAtNormalFlow = 7.5;
    DpAtMinFlow = 5.0;
    BoreDiameterColdMm = SegmentHeightColdMm = 100.0;
    f.dkallmm.SetText("100");
    MinFlowSI = 1.0;
    HumidityInputKind = kHumidityRelative;
    RelativeHumidity = AbsoluteHumidity = SpecificHumidity = 0.0;
}

void SetDefaultUnitInputs() {
    TForm1& f = Form1();
    PipeDiameterMinLimitMm = 50.0;
    PipeDiameterMaxLimitMm = 1200.0;
    OnlineFlowMethod = kOnlineFlowStandard;
    PressureUnit = DpUnit = MaxPressureLossUnit = "kPa";
    FlowUnit = MinFlowUnit = "ton/h";
    f.maxflowsort.SetText("ton/h");
    DpUpperLimitUnit = DpLowerLimitUnit = "kPa";
    PressureMinInput = PressureMaxInput = kStandardAtmosphereKPa;
    f.abstryckantal.SetText(FormatGeneral(PressureMinInput));
    f.abstryckmaxantal.SetText(FormatGeneral(PressureMaxInput));
    MaxDpInput = MaxDpEntered = MaxPressureLossInput = 10.0;
    MaxFlowInput = 3.0;
    f.maxflowantal.SetText("3");
    FlowNormalDensity = MinFlowInput = 1.0;
    DpUpperLimitInput = 10.0;
    DpLowerLimitInput = 1.0;
    StraightLengthM = 10.0;
    UpstreamFittingCode = kFittingSingleBend;
    PrimaryElementEntry = "135";
    AllowLargeReynoldsFlag = kNo;
    AllowLargePipeFlag = kNo;
    AllowSmallPipeFlag = kYes;
    WeightFactor1 = WeightFactor2 = 0.5;
    VapourPressurePa = 100000.0;
    DpUpperLimitPa = DpLowerLimitPa = 100.0;
    MaxPressureLossPa = AdditionalUncertaintyPercent = EdgeRadiusMm = 0.0;
}

void SetStartDefaults() {
    SetDefaultMaterialInputs();
    SetDefaultUnitInputs();
    SetValveDiameterDefault();
    SetValveDefaults();
    // The pressure-loss line starts empty.
    ResetPressureLossLine();
    TForm1& f = Form1();
    f.PTberfel.SetText("1");
    // The data sheet starts five characters in, its numbers five more.
    f.vmargbox.SetText("5");
    f.Numberspos.SetText("5");
    WriteInputsToForm();
}

void FillErrorSimGridDefaults() {
    ErrorSimAnswerA = "J";
    UncertaintyMethodCode = kMethodStandard;
    ErrorSimGridMode = "R";
    ErrorSimAnswerB = "N";
    SavedMeterUncertaintyCells = {};
    FillUncertaintyGridRows();
    const bool comma = StrToFloatSafe("0.1") == 0.0;
    const char* const tenth = comma ? " 0,1" : " 0.1";
    const char* const hundredth = comma ? "0,01" : "0.01";
    const char* const half = comma ? " 0,5" : " 0.5";
    const char* const column[] = {tenth, "   0", "J",   tenth,  "   0", hundredth, tenth, "   1",
                                  tenth, tenth,  tenth, "   1", "   1", tenth,     half,  "   1"};
    TStringGrid& grid = Form1().Felsimulgrid;
    int row = 3;
    for (const char* text : column) grid.SetCell(1, row++, text);
    if (MediumCode == kMediumNaturalGas)
        for (int r = 19; r <= 23; ++r) grid.SetCell(1, r, "   1");
}

}  // namespace tubalyx
