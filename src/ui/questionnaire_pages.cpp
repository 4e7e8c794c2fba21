// The page builders of the questionnaire: the primary-device page with its uncertainty page,
// the valve page and their blocks.
#include <algorithm>
#include <cstdlib>

#include "flow/device_selection.h"
#include "numerics/text_utils.h"
#include "reports/compensation_table.h"
#include "state/keywords.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/report_label_strings.h"
#include "ui/form1.h"
#include "ui/medium_questionnaire.h"
#include "ui/questionnaire.h"
#include "ui/questionnaire_detail.h"

namespace tubalyx {

using namespace questionnaire;

namespace {

void PlainLine(char kind, int& top, TLabel& label, TEdit& edit, int width) {
    PlaceLine(label, &edit, nullptr, top);
    if (WritesReport(kind)) AppendLine(FormP(label, edit.Text(), width));
}

// A coefficient caption of the material lines widened with underscores to 56 characters,
// inserted `fromEnd` characters before its end (in front of its unit).
std::string WidenedCaption(const std::string& caption, int fromEnd) {
    const int length = Utf8Length(caption);
    if (length >= 56) return caption;
    const std::string head = Utf8Left(caption, std::max(0, length - fromEnd));
    return head + std::string(56 - length, '_') + caption.substr(head.size());
}

// The material of the device or of the pipe: the clickable material label and, on its line,
// the two expansion coefficients. The coefficients follow the label's right edge, which the
// label would otherwise overlap.
struct MaterialLine {
    TLabel& material;
    TLabel& firstText;
    TEdit& first;
    TLabel& secondText;
    TEdit& second;
};

void PlaceMaterialLine(char kind, int& top, const MaterialLine& m, int labelDrop, bool blankAfter) {
    TForm1& f = Form1();
    m.material.SetTop(top + labelDrop);
    if (f.HorzScrollBar().Position == 0) m.material.SetLeft(InputPanelTop);
    m.material.SetVisible(true);
    // A long material name would push the coefficients under the compensation table beside the
    // questionnaire: they go on a line of their own below it.
    const int lineEnd =
        RightEdge(m.material) + m.firstText.Width() + m.first.Width() + m.secondText.Width() + m.second.Width();
    int coefficientTop = top;
    if (lineEnd > f.Pmin.Left()) {
        coefficientTop = BottomEdge(m.material);
        m.firstText.SetTop(coefficientTop);
        if (f.HorzScrollBar().Position == 0) m.firstText.SetLeft(InputPanelTop);
        m.firstText.SetVisible(true);
    } else {
        PlaceRightOf(m.material, m.firstText, top, false);
    }
    PlaceRightOf(m.firstText, m.first, coefficientTop, true);
    PlaceRightOf(m.first, m.secondText, coefficientTop, false);
    PlaceRightOf(m.secondText, m.second, coefficientTop, true);
    top = BottomEdge(m.second);
    if (!WritesReport(kind)) return;
    AppendFittedCaption(m.material.Caption());
    if (!BigReport()) return;
    AppendLine(WidenedCaption(m.firstText.Caption(), 7) + PaddedValue(m.first.Text(), 7));
    AppendLine(WidenedCaption(m.secondText.Caption(), 8) + PaddedValue(m.second.Text(), 7));
    if (blankAfter) AppendLine("");
}

void CalibrationLines(char kind, int& top) {
    BuildCfLine(kind, top);
    BuildCalibrationTemperatureLine(kind, top);
    BuildMinReynoldsLine(kind, top);
    BuildMaxReynoldsLine(kind, top);
}

void GeometryLines(char kind, int& top, FlowDevice device, SolveTarget solved) {
    TForm1& f = Form1();
    if (IsConeDevice(device)) {
        ShowTubeDiameterInput(kind, top);
        return;
    }
    if (device == FlowDevice::VolumeMeter) {
        ShowRoughnessInput(kind, top);
        ShowTubeDiameterInput(kind, top);
        return;
    }
    if (solved != SolveTarget::Optimal) {
        ShowTubeDiameterInput(kind, top);
        if (device == FlowDevice::Orifice) {
            PlaceLine(f.kantradietextin, &f.kantradie, nullptr, top);
            if (WritesReport(kind) && !MiniReport()) AppendLine(FormP(f.kantradietextin, f.kantradie.Text(), 6));
        } else {
            // Only an orifice has an inlet-edge radius, and so an uncertainty row for it.
            f.kantradietextin.SetVisible(false);
            f.kantradie.SetVisible(false);
            f.Felsimulgrid.SetRowHeight(9, 0);
        }
    }
    ShowRoughnessInput(kind, top);
}

void SolvedQuantityLines(char kind, int& top, FlowDevice device, SolveTarget solved) {
    const bool cone = IsConeDevice(device);
    switch (solved) {
        case SolveTarget::Flow:
            if (device == FlowDevice::VolumeMeter) {
                ShowMaxFlowInput(kind, top);
                BuildBestReynoldsLine(kind, top);
                return;
            }
            BuildDpInputLine(kind, top);
            BuildBoreDiameterLine(kind, top);
            break;
        case SolveTarget::Dp:
            ShowMaxFlowInput(kind, top);
            ShowMinFlowInput(kind, top);
            BuildBoreDiameterLine(kind, top);
            break;
        case SolveTarget::Bore:
            ShowMaxFlowInput(kind, top);
            ShowMinFlowInput(kind, top);
            BuildDpInputLine(kind, top);
            break;
        case SolveTarget::Loss:
            ShowMaxFlowInput(kind, top);
            ShowMinFlowInput(kind, top);
            BuildPressureLossAtMaxFlowLine(kind, top);
            return;
        case SolveTarget::Optimal: BuildOptimalDesignBlock(kind, top); return;
        case SolveTarget::Other: return;
    }
    if (cone) CalibrationLines(kind, top);
}

// The production-basis question, and the plate thickness it needs for a big report.
void ProductionLines(int& top, FlowDevice device, SolveTarget solved) {
    TForm1& f = Form1();
    const DeviceVariant variant = DecodeVariant(DeviceVariantCode);
    // Flange and D-D/2 orifices and the segment orifice have a production basis only as an
    // optimal design.
    const bool onlyWhenOptimal =
        (device == FlowDevice::Orifice && (variant == DeviceVariant::Flange || variant == DeviceVariant::DAndD2)) ||
        device == FlowDevice::SegmentOrifice;
    if (onlyWhenOptimal && solved != SolveTarget::Optimal) return;
    PlaceLabelLine(f.tillvunderlagtextin, top);
    if (!BigReport() || ProductionReportFlag != kYes) return;
    if (device == FlowDevice::Venturi && variant == DeviceVariant::Welded)
        PlaceLine(f.plattjocktextin, &f.plattjock, nullptr, top);
    else if (device == FlowDevice::Orifice)
        PlaceLine(f.fattringtextin, &f.plattjock, nullptr, top);
}

// The uncertainty page beside the questionnaire, below the compensation block.
void PlaceUncertaintyPage() {
    TForm1& f = Form1();
    TStringGrid& grid = f.Felsimulgrid;
    for (TControl* c :
         {(TControl*)&f.osrubrik, (TControl*)&f.Feltext, (TControl*)&f.felsimulfl2rubrik, (TControl*)&grid})
        c->SetVisible(true);
    grid.SetClientHeight(0);
    for (TControl* c : {(TControl*)&f.Felsimulrubrik, (TControl*)&f.Felsimulflrubrik, (TControl*)&f.felsimulfl2rubrik,
                        (TControl*)&f.bermetoderrtextin})
        c->SetVisible(true);

    const int left = f.PTKompgrid.Left();
    grid.SetLeft(left);
    for (TControl* c : {(TControl*)&f.osrubrik, (TControl*)&f.Feltext, (TControl*)&f.Felsimulrubrik,
                        (TControl*)&f.bermetoderrtextin, (TControl*)&f.Felsimulflrubrik})
        c->SetLeft(left);
    f.felsimulfl2rubrik.SetLeft(grid.ColWidth(0) + left + 3 * grid.GridLineWidth());

    // Below the compensation block whenever it is shown, also while its flow-factor line is
    // still unwritten and hidden.
    f.osrubrik.SetTop(f.PTKompgrid.Visible() ? BottomEdge(f.fdens_mat) + f.osrubrik.Height() : 0);
    f.Feltext.SetTop(BottomEdge(f.osrubrik));
    f.bermetoderrtextin.SetTop(BottomEdge(f.Feltext) + 1);
    f.Felsimulrubrik.SetTop(BottomEdge(f.bermetoderrtextin) + 1);
    f.Felsimulflrubrik.SetTop(BottomEdge(f.Felsimulrubrik) + 1);
    f.felsimulfl2rubrik.SetTop(f.Felsimulflrubrik.Top());
    grid.SetTop(BottomEdge(f.Felsimulflrubrik));
}

}  // namespace

void BuildThroatDevicePage(char kind, int& layoutTop) {
    TForm1& f = Form1();
    const Selection selection = DecodeSelection();
    const FlowDevice device = selection.device;
    const SolveTarget solved = selection.solve;
    const bool standardized = !selection.Meter();

    // Before the page hides any row of the uncertainty grid: a default height shows every row.
    f.Felsimulgrid.SetDefaultRowHeight(std::abs(f.Felsimulgrid.Font().Height()) + 3);
    f.Fjrreffektosak.SetDefaultRowHeight(std::abs(f.Fjrreffektosak.Font().Height()) + 3);
    WriteDeviceTypeLines(kind, layoutTop);
    WriteMediumDataSection(kind, layoutTop);
    if (device != FlowDevice::VolumeMeter)
        PlaceMaterialLine(kind, layoutTop, {f.mtrlfl, f.utvfltext, f.utvfl, f.utvflbtext, f.utvflb}, 1, false);
    PlaceMaterialLine(kind, layoutTop, {f.mtrlror, f.utvrortext, f.utvror, f.utvrorbtext, f.utvrorb}, 0, true);
    GeometryLines(kind, layoutTop, device, solved);
    SolvedQuantityLines(kind, layoutTop, device, solved);
    if (standardized) {
        if (solved != SolveTarget::Optimal) BuildFittingsBlock(kind, layoutTop);
        ProductionLines(layoutTop, device, solved);
    }
    ShowCompensationTableControls(true);
    PlaceUncertaintyPage();
}

void BuildFittingsBlock(char kind, int& layoutTop) {
    TForm1& f = Form1();
    const bool big = BigReport(), optimal = SolveFor == kSolveOptimal;
    // The optimal design of a big report needs a fitting to size the straight lengths for.
    if (big && optimal && UpstreamFittingCode == kFittingOther && f.bestyck1) {
        f.bestyckningtext.SetCaption(f.bestyck1->Caption());
        UpstreamFittingCode = kFittingSingleBend;
    }
    PlaceLabelLine(f.bestyckningtext, layoutTop);
    const bool report = WritesReport(kind);
    if (report && (big || optimal)) AppendFittedCaption(f.bestyckningtext.Caption());
    if (optimal) return;
    if (UpstreamFittingCode == kFittingOther) {
        PlaceLine(f.okfelbidragtext, &f.okfelbidrag, nullptr, layoutTop);
        if (report && big) AppendLine(FormP(f.okfelbidragtext, f.okfelbidrag.Text(), 6));
        return;
    }
    f.givenrakintext.SetCaption(FittingPositionUpstreamPrompt);
    PlaceLine(f.givenrakintext, &f.givenrakin, nullptr, layoutTop);
    f.givenrakuttext.SetCaption(FittingPositionDownstreamPrompt);
    PlaceLine(f.givenrakuttext, &f.givenrakut, nullptr, layoutTop);
    if (report && big) {
        AppendLine(FormP(f.givenrakintext, f.givenrakin.Text(), 6));
        AppendLine(FormP(f.givenrakuttext, f.givenrakut.Text(), 6));
    }
}

void BuildOptimalDesignBlock(char kind, int& layoutTop) {
    TForm1& f = Form1();
    const bool report = WritesReport(kind);
    PlainLine(kind, layoutTop, f.primeltextin, f.primelement, 6);
    ShowMaxFlowInput(kind, layoutTop);
    ShowMinFlowInput(kind, layoutTop);
    PlainLine(kind, layoutTop, f.rorovrgrtextin, f.Dstormaxgrmm, 6);
    PlainLine(kind, layoutTop, f.rornedrgrtextin, f.Dstormingrmm, 6);
    PlaceLine(f.maxdprubrikin, &f.difftryckmaxmaxgrantal, &f.difftryckmaxmaxgrsort, layoutTop);
    if (report) AppendLine(FormU0(f.maxdprubrikin, f.difftryckmaxmaxgrsort.Text(), f.difftryckmaxmaxgrantal.Text(), 7));
    PlaceLine(f.mindprubrikin, &f.difftryckmaxmingrantal, &f.difftryckmaxmingrsort, layoutTop);
    if (report) AppendLine(FormU0(f.mindprubrikin, f.difftryckmaxmingrsort.Text(), f.difftryckmaxmingrantal.Text(), 7));
    PlaceLabelLine(f.bermetodtextin, layoutTop);
    if (report) AppendFittedCaption(f.bermetodtextin.Caption());
    if (UpstreamFittingCode != kFittingOther) PlainLine(kind, layoutTop, f.rakstracktextin, f.matstrack, 6);
    BuildFittingsBlock(kind, layoutTop);
    for (TLabel* option : {&f.reynstortextin, &f.rorstortextin, &f.rorlitentextin}) {
        PlaceLabelLine(*option, layoutTop);
        if (report) AppendLine(option->Caption());
    }
    PlainLine(kind, layoutTop, f.viktfakt1textin, f.matvikt, 6);
    PlainLine(kind, layoutTop, f.viktfakt2textin, f.p1vikt, 6);
}

void BuildValvePage(char kind, int& layoutTop) {
    TForm1& f = Form1();
    WriteMediumDataSection(kind, layoutTop);
    ShowVapourCriticalPressureInput(kind, layoutTop);
    BuildDpInputLine(kind, layoutTop);
    ShowTubeDiameterInput(kind, layoutTop);
    if (ValveSubtype == kSubtypeRestriction) {
        WriteDeviceTypeLines(kind, layoutTop);
        if (SolveFor == kSolveBore)
            ShowMaxFlowInput(kind, layoutTop);
        else
            BuildBoreDiameterLine(kind, layoutTop);
        return;
    }
    PlainLine(kind, layoutTop, f.Ventildiamtext, f.Ventilkallmm, 6);
    // The recovery factor stands above the flow on screen and below it in the report.
    PlaceLine(f.fltext, &f.fl, nullptr, layoutTop);
    ShowMaxFlowInput(kind, layoutTop);
    if (WritesReport(kind)) AppendLine(FormP(f.fltext, f.fl.Text(), 6));
}

}  // namespace tubalyx
