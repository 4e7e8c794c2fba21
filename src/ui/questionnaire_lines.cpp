// The line builders of the questionnaire and the placing and report forms they share.
#include <algorithm>
#include <vector>

#include "media/reference_density.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "numerics/unit_parser.h"
#include "reports/medium_listing.h"
#include "reports/report_block.h"
#include "reports/report_window.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/caption_data.h"
#include "texts/prompt_setters.h"
#include "texts/window_access.h"
#include "ui/form1.h"
#include "ui/questionnaire.h"
#include "ui/questionnaire_detail.h"

namespace tubalyx {

namespace questionnaire {

bool BigReport() { return CurrentReportSize() == ReportSizeKind::Big; }
bool MiniReport() { return CurrentReportSize() == ReportSizeKind::Mini; }

namespace {
// The controls of the page being built that took a tab order, in that order.
std::vector<TControl*> tabbedControls;
}  // namespace

void TakeTabOrder(TControl& control) {
    if (InputTabOrder == 0) tabbedControls.clear();
    // A line placed again (a handler places its own line anew after the page was built) keeps
    // its place in the keyboard's way, so Tab still walks the lines as they stand.
    if (std::find(tabbedControls.begin(), tabbedControls.end(), &control) != tabbedControls.end()) return;
    tabbedControls.push_back(&control);
    control.SetTabOrder(InputTabOrder++);
}

void PlaceRightOf(const TControl& left, TControl& control, int top, bool tabbed) {
    control.SetTop(top);
    control.SetLeft(RightEdge(left));
    control.SetVisible(true);
    if (tabbed) TakeTabOrder(control);
}

void PlaceLine(TLabel& label, TControl* edit, TControl* unit, int& top) {
    label.SetTop(top);
    if (Form1().HorzScrollBar().Position == 0) label.SetLeft(InputPanelTop);
    label.SetVisible(true);
    const TControl* last = &label;
    if (edit) {
        PlaceRightOf(label, *edit, top, true);
        last = edit;
    }
    if (unit) {
        PlaceRightOf(*last, *unit, top, true);
        last = unit;
    }
    top = last->Top() + last->Height();
}

std::string PaddedValue(const std::string& value, int width) { return ListingField(value, width); }

std::string FormP(const TLabel& label, const std::string& value, int width) {
    return label.Caption() + PaddedValue(value, width);
}

std::string UnitPrefix(const TLabel& label, const std::string& unit) {
    return ListingUnitPrefix(label.Caption(), unit);
}

std::string FormU0(const TLabel& label, const std::string& unit, const std::string& value, int width) {
    return UnitPrefix(label, unit) + PaddedValue(value, width);
}

std::string FormU1(const TLabel& label, const std::string& unit, const std::string& value, int width) {
    return UnitPrefix(label, unit) + " " + PaddedValue(value, width);
}

void AppendLine(const std::string& text) { AppendReportLine(text); }

void RefreshMaxFlow() {
    TForm1& f = Form1();
    ParsedUnitKind = kUnitMassFlow;
    FlowNormalDensity = StrToFloatSafe(f.maxflownormaldens.Text());
    MaxFlowInput = StrToFloatSafe(f.maxflowantal.Text());
    FlowUnit = f.maxflowsort.Text();
    // The line is placed all the same when the conversion fails; the flow is then kept.
    try {
        std::string unit = FlowUnit, kind;
        double flow = 0.0;
        ParseUnitValue(unit, MaxFlowInput, FlowNormalDensity, PipeDiameter, flow, kind);
        FlowUnit = unit;
        MaxFlowSI = flow;
        ParsedUnitKind = kind;
    } catch (const CalcError&) {
    }
}

void AppendFittedCaption(const std::string& caption) {
    const int length = Utf8Length(caption);
    // A shorter caption keeps the section's size: the fit only ever shrinks.
    if (length <= 63) {
        AppendLine(caption);
        return;
    }
    const int size = ReportSize();
    SetReportSize(SizeWithin63(size, caption));
    AppendLine(caption);
    SetReportSize(size);
}

}  // namespace questionnaire

const std::vector<TControl*>& QuestionnaireTabOrder() {
    static const std::vector<TControl*> none;
    return InputTabOrder > 0 ? questionnaire::tabbedControls : none;
}

using namespace questionnaire;

namespace {

// Writes a prompt of the builders' own texts; a letter of no language keeps the caption.
void SetOwnPrompt(TLabel& label, const LangText& text) {
    if (const char* t = TextOf(text, LanguageLetter)) label.SetCaption(t);
}

// A line whose report form is P with the first `chars` characters of the edit's text.
void PlainLine(char kind, int& top, TLabel& label, TEdit& edit, int chars, int width) {
    PlaceLine(label, &edit, nullptr, top);
    if (WritesReport(kind)) AppendLine(FormP(label, Utf8Left(edit.Text(), chars), width));
}

// A line of a value with its unit box, reported in form U1.
void UnitLine(char kind, int& top, TLabel& label, TEdit& edit, TEdit& unit, int width) {
    PlaceLine(label, &edit, &unit, top);
    if (WritesReport(kind)) AppendLine(FormU1(label, unit.Text(), edit.Text(), width));
}

}  // namespace

void BuildDpInputLine(char kind, int& layoutTop) {
    const bool primaryFlow = CalcFunction == kFunctionPrimaryDevice && SolveFor == kSolveFlow;
    const bool otherFunction =
        CalcFunction != kFunctionPrimaryDevice && CalcFunction != kFunctionValve && ValveSubtype != kSubtypeRestriction;
    if (primaryFlow || otherFunction) {
        MaxFlowGivenFlag = kMaxFlowPlain;
        SetDiffPressurePrompt();
    }
    TForm1& f = Form1();
    PlaceLine(f.Differenstryck, &f.difftryckmaxantal, &f.difftryckmaxsort, layoutTop);
    if (WritesReport(kind))
        AppendLine(FormU0(f.Differenstryck, f.difftryckmaxsort.Text(), f.difftryckmaxantal.Text(), 7));
}

void BuildBoreDiameterLine(char kind, int& layoutTop) {
    TForm1& f = Form1();
    if (DeviceCode == kDeviceSegmentOrifice) {
        f.dkallmmtext.SetVisible(false);
        f.dkallmm.SetVisible(false);
        PlaceLine(f.hkallmmtext, &f.hkallmm, nullptr, layoutTop);
        if (WritesReport(kind))
            AppendLine(f.hkallmmtext.Caption() + ReportSeparator + PadLeft(Utf8Left(f.hkallmm.Text(), 7), 5));
        return;
    }
    f.hkallmmtext.SetVisible(false);
    f.hkallmm.SetVisible(false);
    PlainLine(kind, layoutTop, f.dkallmmtext, f.dkallmm, 7, 6);
}

void BuildPressureLossAtMaxFlowLine(char kind, int& layoutTop) {
    TForm1& f = Form1();
    SetOwnPrompt(f.tryckforlmaxtext, prompt_text::PressureLossAtMaxFlowPrompt);
    PlaceLine(f.tryckforlmaxtext, &f.tryckforlmaxantal, &f.tryckforlmaxsort, layoutTop);
    if (WritesReport(kind))
        AppendLine(UnitPrefix(f.tryckforlmaxtext, f.tryckforlmaxsort.Text()) + ReportSeparator +
                   PadLeft(f.tryckforlmaxantal.Text(), 6));
}

void BuildCfLine(char kind, int& layoutTop) {
    TForm1& f = Form1();
    SetOwnPrompt(f.Cftext, prompt_text::CalibratedCfPrompt);
    PlainLine(kind, layoutTop, f.Cftext, f.Cf, 6, 6);
}

void BuildCalibrationTemperatureLine(char kind, int& layoutTop) {
    TForm1& f = Form1();
    SetOwnPrompt(f.kaltemptext, prompt_text::CalibrationTemperaturePrompt);
    PlainLine(kind, layoutTop, f.kaltemptext, f.kaltemp, 6, 6);
}

namespace {

// The calibrated Reynolds range lines stand in the column of the calibration temperature.
void ReynoldsRangeLine(char kind, int& layoutTop, TLabel& label, TEdit& edit) {
    const int left = Form1().kaltemptext.Left();
    PlainLine(kind, layoutTop, label, edit, 7, 6);
    label.SetLeft(left);
    edit.SetLeft(RightEdge(label));
}

}  // namespace

void BuildMinReynoldsLine(char kind, int& layoutTop) {
    TForm1& f = Form1();
    SetOwnPrompt(f.kalminreyntext, prompt_text::CalibratedSmallestReynoldsPrompt);
    ReynoldsRangeLine(kind, layoutTop, f.kalminreyntext, f.kalminreyn);
}

void BuildBestReynoldsLine(char kind, int& layoutTop) {
    TForm1& f = Form1();
    SetOwnPrompt(f.kalminreyntext, prompt_text::CalibratedBestReynoldsPrompt);
    PlaceLine(f.kalminreyntext, &f.kalminreyn, nullptr, layoutTop);
    if (WritesReport(kind))
        AppendLine(f.kalminreyntext.Caption() + ReportSeparator +
                   PadLeft(ReportSeparator + Utf8Left(f.kalminreyn.Text(), 7), 5));
}

void BuildMaxReynoldsLine(char kind, int& layoutTop) {
    TForm1& f = Form1();
    SetOwnPrompt(f.kalmaxreyntext, prompt_text::CalibratedBiggestReynoldsPrompt);
    ReynoldsRangeLine(kind, layoutTop, f.kalmaxreyntext, f.kalmaxreyn);
}

void ShowVapourCriticalPressureInput(char kind, int& layoutTop) {
    TForm1& f = Form1();
    if (MediumCode != kMediumLiquid) {
        for (TControl* c : {(TControl*)&f.angtrycktext, (TControl*)&f.angtryckantal, (TControl*)&f.angtrycksort,
                            (TControl*)&f.krittrycktext, (TControl*)&f.krittryckantal, (TControl*)&f.krittrycksort})
            c->SetVisible(false);
        return;
    }
    UnitLine(kind, layoutTop, f.angtrycktext, f.angtryckantal, f.angtrycksort, 6);
    UnitLine(kind, layoutTop, f.krittrycktext, f.krittryckantal, f.krittrycksort, 6);
}

void ShowTubeDiameterInput(char kind, int& layoutTop) {
    TForm1& f = Form1();
    PlaceLine(f.rordiamtextin, &f.Dstorkallmm, &f.dstorkallsort, layoutTop);
    if (!WritesReport(kind)) return;
    const std::string& unit = f.dstorkallsort.Caption();
    AppendLine(FormU1(f.rordiamtextin, unit, f.Dstorkallmm.Text(), 6));
    if (unit != kUnitMillimetre) AppendLine(kInchConversionLine);
}

void ShowRoughnessInput(char kind, int& layoutTop) {
    TForm1& f = Form1();
    PlaceLine(f.rahettextin, &f.Dstorrahetmm, nullptr, layoutTop);
    if (WritesReport(kind) && !MiniReport()) AppendLine(FormP(f.rahettextin, f.Dstorrahetmm.Text(), 6));
}

void ShowMinFlowInput(char kind, int& layoutTop) {
    TForm1& f = Form1();
    UnitLine(kind, layoutTop, f.minflowtext, f.minflowantal, f.minflowsort, 6);
}

void ShowMaxFlowInput(char kind, int& layoutTop) {
    TForm1& f = Form1();
    RefreshMaxFlow();
    // A restriction orifice sized for a given flow takes the flow as its Kv: no unit.
    const bool kvGiven =
        CalcFunction == kFunctionValve && ValveSubtype == kSubtypeRestriction && MaxFlowGivenFlag == kMaxFlowAdjusted;
    PlaceLine(f.maxflowtext, &f.maxflowantal, kvGiven ? nullptr : &f.maxflowsort, layoutTop);
    if (kvGiven) f.maxflowsort.SetVisible(false);
    if (WritesReport(kind)) {
        std::string value = f.maxflowantal.Text();
        if (Utf8Length(value) > 5) value = FormatFitWidth(StrToFloatSafe(value), 6);
        AppendLine(kvGiven ? FormP(f.maxflowtext, value, 6) : FormU1(f.maxflowtext, f.maxflowsort.Text(), value, 6));
    }
    ShowMaxFlowNormalDensityInput(kind, layoutTop);
}

void ShowMaxFlowNormalDensityInput(char kind, int& layoutTop) {
    if (!IsStandardFlowUnit()) return;
    TForm1& f = Form1();
    const int top = layoutTop;
    PlaceLine(f.densnormaltext, &f.maxflownormaldens, nullptr, layoutTop);
    // The mass flow it gives stands beside the density; for a flow being solved there is none.
    // It is the flow converted from the edits just read, not one a change handler left.
    PlaceRightOf(f.maxflownormaldens, f.massflow, top, false);
    f.massflow.SetVisible(SolveFor != kSolveFlow);
    if (SolveFor != kSolveFlow) f.massflow.SetCaption(FormatFixed(MaxFlowSI, 10) + " kg/h");
    if (!WritesReport(kind)) return;
    if (SolveFor != kSolveFlow) {
        const std::string& m = f.massflow.Caption();
        const int n = Utf8Length(m);
        const std::string number = Utf8Left(m, std::max(0, n - 5));
        const std::string unit = m.substr(number.size());
        AppendLine(std::string(56, ' ') + "= " + PadLeft(ReportSeparator + number + ReportSeparator + unit, 10));
    }
    AppendLine(FormP(f.densnormaltext, f.maxflownormaldens.Text(), 6));
}

void ShowAdiabaticOption(char kind, int& layoutTop) {
    TForm1& f = Form1();
    PlaceLabelLine(f.adiabat, layoutTop);
    if (WritesReport(kind)) AppendLine(f.adiabat.Caption());
}

}  // namespace tubalyx
