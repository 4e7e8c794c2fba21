// Handlers of the medium pop-up, the component pop-up of the composition grid, the property
// box of a user-defined gas and the humidity pop-up with its edit.
#include <string>

#include "media/gas_mixture.h"
#include "media/medium_identification.h"
#include "media/natural_gas.h"
#include "media/reference_density.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "numerics/unit_parser.h"
#include "reports/compensation_table.h"
#include "reports/medium_listing.h"
#include "reports/uncertainty/uncertainty_grid.h"
#include "state/composition.h"
#include "state/geometry.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/menu_state.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/medium_prompts.h"
#include "texts/prompt_setters.h"
#include "texts/report_label_strings.h"
#include "ui/calculation_window.h"
#include "ui/composition_grid.h"
#include "ui/edit_updates.h"
#include "ui/form1.h"
#include "ui/form1_menus.h"
#include "ui/input_transfer.h"
#include "ui/medium_questionnaire.h"

namespace tubalyx {

namespace {

// The uncertainty-grid rows a medium presets: density, viscosity and kappa, in per cent.
constexpr int kDensityUncertaintyRow = 12;
constexpr int kViscosityUncertaintyRow = 14;
constexpr int kKappaUncertaintyRow = 15;

// Defaults of the three rows: numbers written with the platform's separator, or texts as
// they stand.
struct UncertaintyDefaults {
    enum class Form { None, Number, Text } form = Form::None;
    double density = 0, viscosity = 0, kappa = 0;
    const char* densityText = "";
    const char* viscosityText = "";
    const char* kappaText = "";
};
constexpr UncertaintyDefaults kUnchanged{};
constexpr UncertaintyDefaults Numbers(double density) {
    return {UncertaintyDefaults::Form::Number, density, 1, 1, "", "", ""};
}
constexpr UncertaintyDefaults Texts(const char* density) {
    return {UncertaintyDefaults::Form::Text, 0, 0, 0, density, "   1", "   1"};
}

void WriteUncertaintyDefaults(const UncertaintyDefaults& d) {
    TStringGrid& grid = Form1().Felsimulgrid;
    switch (d.form) {
        case UncertaintyDefaults::Form::None: return;
        case UncertaintyDefaults::Form::Number:
            grid.SetCell(1, kDensityUncertaintyRow, FormatGeneral(d.density));
            grid.SetCell(1, kViscosityUncertaintyRow, FormatGeneral(d.viscosity));
            grid.SetCell(1, kKappaUncertaintyRow, FormatGeneral(d.kappa));
            return;
        case UncertaintyDefaults::Form::Text:
            grid.SetCell(1, kDensityUncertaintyRow, d.densityText);
            grid.SetCell(1, kViscosityUncertaintyRow, d.viscosityText);
            grid.SetCell(1, kKappaUncertaintyRow, d.kappaText);
            return;
    }
}

// A medium of the medium pop-up, the steps of its choice in order.
struct MediumItem {
    std::string_view code;
    UncertaintyDefaults uncertainty;
    bool normalFlowToMass;  // a normal volume unit has no meaning for the medium
    bool oilPrompts;
    bool applyFlowUnit;
    bool compressibilityTable;
};

bool IsNormalVolumeUnit(const std::string& unit) {
    for (std::string_view u : {kUnitNormalPerHour, kUnitNormalPerMinute, kUnitNormalPerSecond, kUnitNormalLitrePerHour,
                               kUnitNormalLitrePerMinute, kUnitNormalLitrePerSecond})
        if (unit == u) return true;
    return false;
}

void ChooseMedium(const MediumItem& m) {
    TForm1& f = Form1();
    WriteUncertaintyDefaults(m.uncertainty);
    MediumCode = m.code;
    if (m.normalFlowToMass && f.maxflowsort.Visible() && IsNormalVolumeUnit(f.maxflowsort.Text()))
        f.maxflowsort.SetText("kg/h");
    if (m.oilPrompts) SetOilInputPrompts();
    if (m.applyFlowUnit) RunGuarded(ApplyFlowUnit);
    RebuildChosenPage();
    if (m.compressibilityTable) RunGuarded(WriteCompressibilityTable);
}

// Natural gas and the gas mixture take the relative humidity only.
void UseRelativeHumidity(TForm1& f) {
    f.relabsfukt.SetCaption(RelativeHumidityPrompt);
    HumidityInputKind = kHumidityRelative;
    f.relabsspecfukt.SetText(FormatFixed(RelativeHumidity, 5));
}

void RecalcMixture() {
    RunGuarded([] {
        CalcMixtureProperties(4);
        CalcMixtureProperties(3);
        SetMixtureComponent();
    });
}

bool ValidMixtureRow() { return MixtureRow >= 0 && MixtureRow < kMixtureRows; }

void ChooseComponent(TForm1& f, const TMenuItem& item, const char* keyword) {
    if (!ValidMixtureRow()) return;
    const int row = MixtureRow;
    MixtureComponentKeyword[row] = keyword;
    f.ViktVolprocGrid.SetCell(0, row, item.Caption());
    f.ViktVolprocGrid.SetCell(1, row, "");
    if (std::string(keyword) != kMediumGas) {
        f.GroupBox1.SetVisible(false);
        RecalcMixture();
        return;
    }
    // The user describes the gas in the property box, level with its row.
    f.GroupBox1.SetVisible(true);
    f.GroupBox1.SetLeft(8 * f.Font().Size + f.RichEdit1.Left());
    WriteMediumPropertyLines('S', row);
    f.GroupBox1.SetTop(f.ViktVolprocGrid.Top() + (row + 1) * f.ViktVolprocGrid.DefaultRowHeight());
    f.GroupBox1.SetVisible(true);
    f.GroupBox1.BringToFront();
}

// A property of the box: into the mixture row for "G", else into the given value when the
// medium is one that the value describes.
void TakeBoxValue(double value, double* mixture, std::initializer_list<std::string_view> media, double& given) {
    if (MediumCode == kMediumMixture) {
        if (mixture && ValidMixtureRow()) mixture[MixtureRow] = value;
        return;
    }
    if (IsOneOf(MediumCode, media)) given = value;
}

struct HumidityItem {
    std::string_view kind;
    const std::string* prompt;
    const double* value;
    double shown;  // the share of the value shown: just below it, so the edit reads it back within
    bool mixtureToo;
};

void ChooseHumidityKind(TForm1& f, const HumidityItem& h) {
    if (!h.mixtureToo && IsMixtureMedium(MediumCode)) return;
    HumidityInputKind = h.kind;
    f.relabsfukt.SetCaption(*h.prompt);
    f.relabsspecfukt.SetText(FormatFixed(h.shown * *h.value, 5));
    CheckHumidityInput();
    LayoutTop = f.relabsfukt.Top();
    AskRealGasCorrection('S', LayoutTop);
}

}  // namespace

// ---- the medium pop-up ----

void TForm1::Mediaup(TControl*, TMouseButton, TShiftState, int, int) { PopupBelowLabel(Mediamenu, Medialabel); }

void TForm1::GASClick(TControl*) { ChooseMedium({kMediumGas, kUnchanged, false, true, true, false}); }
void TForm1::IGASClick(TControl*) { ChooseMedium({kMediumRealGas, kUnchanged, false, true, true, false}); }
void TForm1::LIQClick(TControl*) { ChooseMedium({kMediumLiquid, kUnchanged, true, true, true, false}); }
void TForm1::LUFClick(TControl*) { ChooseMedium({kMediumAir, Numbers(0.1), false, false, true, true}); }
void TForm1::CO2Click(TControl*) { ChooseMedium({kMediumCarbonDioxide, Numbers(0.2), false, false, true, true}); }
void TForm1::N2Click(TControl*) { ChooseMedium({kMediumNitrogen, Numbers(0.2), false, false, true, true}); }
void TForm1::ARClick(TControl*) { ChooseMedium({kMediumArgon, Numbers(0.2), false, false, true, true}); }
void TForm1::O2Click(TControl*) { ChooseMedium({kMediumOxygen, Numbers(0.2), false, false, true, true}); }
void TForm1::H2Click(TControl*) { ChooseMedium({kMediumHydrogen, Numbers(0.2), false, false, true, true}); }
void TForm1::COClick(TControl*) { ChooseMedium({kMediumCarbonMonoxide, Numbers(0.2), false, false, true, true}); }
void TForm1::O3Click(TControl*) { ChooseMedium({kMediumOzone, Numbers(0.5), false, false, true, true}); }
void TForm1::VATClick(TControl*) { ChooseMedium({kMediumWater, Numbers(0.1), true, false, true, true}); }
void TForm1::ANGClick(TControl*) { ChooseMedium({kMediumSteam, Numbers(0.1), true, false, true, true}); }
void TForm1::MNGClick(TControl*) { ChooseMedium({kMediumWetSteam, Numbers(0.1), true, false, true, true}); }
void TForm1::Propan1Click(TControl*) { ChooseMedium({kMediumPropane, Texts(" 0,2"), false, false, true, false}); }
void TForm1::Propanvtska1Click(TControl*) {
    ChooseMedium({kMediumPropaneLiquid, Texts(" 0,2"), false, false, true, false});
}
void TForm1::CH4Click(TControl*) { ChooseMedium({kMediumMethane, kUnchanged, false, false, true, false}); }
void TForm1::NH3Click(TControl*) { ChooseMedium({kMediumAmmonia, kUnchanged, false, false, true, false}); }
void TForm1::OljaClick(TControl*) {
    ChooseMedium({kMediumOil, kUnchanged, false, true, false, false});
    ForceOilPressure();
}

void TForm1::NaturgasClick(TControl*) {
    ReadGasComposition();
    WriteUncertaintyDefaults(Texts(" 0.1"));
    // The first choice of natural gas starts without a real-gas correction.
    if (MediumCode != kMediumNaturalGas) molekylviktvG.SetText("0");
    MediumCode = kMediumNaturalGas;
    // The composition rows are natural gas's own: another medium's rows there move away first.
    StartRowsOfMediumLayout();
    for (int row = 19; row <= 23; ++row) {
        const std::string& cell = Felsimulgrid.Cell(1, row);
        if (cell.empty() || cell.front() == ' ') Felsimulgrid.SetCell(1, row, "   1");
    }
    UseRelativeHumidity(*this);
    CopyConditionsToMixtureGrid();
    SetNaturalGasLimits();
    RunGuarded([] {
        SetMixtureComponent();
        UpdateHumidityRow();
        ApplyFlowUnit();
    });
    RebuildChosenPage();
    PreviousMediumCode = MediumCode;
}

void TForm1::GClick(TControl*) {
    WriteUncertaintyDefaults(Texts("   1"));
    if (MediumCode != kMediumMixture) molekylviktvG.SetText("0");
    MediumCode = kMediumMixture;
    UseRelativeHumidity(*this);
    CopyConditionsToMixtureGrid();
    // Coming from natural gas the grids are prepared afresh.
    if (PreviousMediumCode == kMediumNaturalGas) RunGuarded(SetupCompositionGrids);
    SetOilInputPrompts();
    RunGuarded([] {
        CalcMixtureProperties(4);
        CalcMixtureProperties(3);
        SetMixtureComponent();
        UpdateHumidityRow();
        ApplyFlowUnit();
    });
    RebuildChosenPage();
    PreviousMediumCode = MediumCode;
    RunGuarded(WriteCompressibilityTable);
}

// ---- the component pop-up of the composition grid ----

void TForm1::Gas1Click(TControl*) { ChooseComponent(*this, *Gas1, "GAS"); }
void TForm1::Luft1Click(TControl*) { ChooseComponent(*this, *Luft1, "LUF"); }
void TForm1::Argon1Click(TControl*) { ChooseComponent(*this, *Argon1, "AR"); }
void TForm1::CO1Click(TControl*) { ChooseComponent(*this, *CO1, "CO"); }
void TForm1::CO21Click(TControl*) { ChooseComponent(*this, *CO21, "CO2"); }
void TForm1::CH41Click(TControl*) { ChooseComponent(*this, *CH41, "CH4"); }
void TForm1::H21Click(TControl*) { ChooseComponent(*this, *H21, "H2"); }
void TForm1::NH31Click(TControl*) { ChooseComponent(*this, *NH31, "NH3"); }
void TForm1::N21Click(TControl*) { ChooseComponent(*this, *N21, "N2"); }
void TForm1::O21Click(TControl*) { ChooseComponent(*this, *O21, "O2"); }
void TForm1::O31Click(TControl*) { ChooseComponent(*this, *O31, "O3"); }
void TForm1::C3H81Click(TControl*) { ChooseComponent(*this, *C3H81, "C3H8"); }

// ---- the property box ----

void TForm1::GroupBox1Click(TControl*) {
    if (MediumCode != kMediumMixture || !GroupBox1.Visible()) return;
    GroupBox1.SetVisible(false);
    RecalcMixture();
}

void TForm1::rbgExit(TControl*) {
    TakeBoxValue(StrToFloatSafe(rbg.Text()), MixtureDensity.data(), {kMediumGas, kMediumRealGas, kMediumLiquid},
                 GivenDensity);
}

void TForm1::qbgExit(TControl*) {
    const double value = StrToFloatSafe(qbg.Text());
    if (MediumCode == kMediumMixture) {
        if (ValidMixtureRow()) MixtureViscosity[MixtureRow] = value;
        return;
    }
    GivenViscosityValue = value;
    ParsedUnitKind = kUnitMassFlow;
    std::string unit = qbgsort.Text();
    try {
        ParseUnitValue(unit, GivenViscosityValue, 1.0, PipeDiameter, GivenViscosityPas, ParsedUnitKind);
    } catch (const CalcError&) {
        qbg.SetFocus();
    }
}

void TForm1::cpbgExit(TControl*) {
    TakeBoxValue(StrToFloatSafe(cpbg.Text()), MixtureCp.data(), {kMediumGas, kMediumRealGas}, GivenCp);
}
void TForm1::cvbgExit(TControl*) {
    TakeBoxValue(StrToFloatSafe(cvbg.Text()), MixtureCv.data(), {kMediumGas, kMediumRealGas}, GivenCv);
}
void TForm1::molekylviktbgExit(TControl*) {
    TakeBoxValue(StrToFloatSafe(molekylviktbg.Text()), MixtureMolarMass.data(), {kMediumGas, kMediumRealGas},
                 GivenMolarMass);
}
void TForm1::krittempbgExit(TControl*) {
    TakeBoxValue(StrToFloatSafe(krittempbg.Text()), MixtureCriticalTemperature.data(), {kMediumGas, kMediumRealGas},
                 GivenCriticalTemperatureK);
}
void TForm1::entalpibgchange(TControl*) {
    TakeBoxValue(ReadEditNumber(entalpibg), MixtureEnthalpy.data(), {kMediumGas, kMediumRealGas}, GivenEnthalpy);
}
void TForm1::Z1bgChange(TControl*) {
    TakeBoxValue(ReadEditNumber(Z1bg), nullptr, {kMediumGas, kMediumRealGas}, GivenZ1);
}
void TForm1::ZnbgExit(TControl*) {
    const double value = ReadEditNumber(Znbg);
    if (MediumCode == kMediumRealGas) GivenZn = value;
}

// ---- humidity ----

void TForm1::Fuktup(TControl*, TMouseButton, TShiftState, int, int) { PopupBelowLabel(Fuktmenu, relabsfukt); }

void TForm1::RelfuktClick(TControl*) {
    ChooseHumidityKind(*this, {kHumidityRelative, &RelativeHumidityPrompt, &RelativeHumidity, 1.0, true});
}
void TForm1::Absfuktclick(TControl*) {
    ChooseHumidityKind(*this, {kHumidityAbsolute, &AbsoluteHumidityPrompt, &AbsoluteHumidity, 0.99999, false});
}
void TForm1::Specfuktclick(TControl*) {
    ChooseHumidityKind(*this, {kHumiditySpecific, &SpecificHumidityPrompt, &SpecificHumidity, 0.99999, false});
}
void TForm1::daggpktClick(TControl*) {
    ChooseHumidityKind(*this, {kHumidityDewPoint, &DewTemperaturePrompt, &DewTemperatureC, 0.99999, false});
}

void TForm1::relabsspecfuktChange(TControl*) {
    ReadEditNumber(relabsspecfukt);
    HumidityValueGiven(HumidGasFlag);
    UpdateHumidityEdit();
}

void TForm1::relabsspecfuktKeyDown(TControl*, int, TShiftState) {
    HumidityTyped = true;
    UpdateHumidityEdit();
    RunGuarded(UpdateHumidityRow);
    SumMixtureColumns();
}

void TForm1::relabsspecfuktExit(TControl*) {}

void TForm1::molekylviktvGChange(TControl*) {
    HumidGasMolarMass = StrToFloatSafe(molekylviktvG.Text());
    RunGuarded(ApplyFlowUnit);
}

}  // namespace tubalyx
