// The short result of the solved quantity, which every report size begins with.
#include <cmath>
#include <optional>
#include <string>

#include "flow/volume_meter.h"
#include "reports/report_block.h"
#include "reports/result_report.h"
#include "reports/result_report_detail.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/report_label_strings.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

using namespace result_detail;

namespace {

constexpr double kInchPerMm = 0.03937007874015748;
// At this additional uncertainty the straight length is outside the rules: no number.
constexpr double kUnruledUncertaintyPercent = 50.0;

void AddMainResultHeader(ReportBlock& block) {
    if (CurrentReportSize() == ReportSizeKind::Big)
        block.Add(std::string(18, ' ') + ByLanguage("HUVUDDATA", "HAUPTERGEBNIS", "MAIN RESULT"));
    if (DeviceCode == "VOLYM") return;
    const std::string& rs = ReportSeparator;
    const double qMax = std::sqrt(MaxDpEntered) * RootFlowMax;
    if (std::isfinite(qMax) && std::isfinite(MaxDpEntered))
        block.Add(ByLanguage("Enklast möjliga flödesberäkning*;q:= ", "Einfacher Durchflussberechnung*;q:= ",
                             "Simpliest possible flowcalculation*;q:= ") +
                  rs + Number(qMax) + rs + "*sqrt(dp/" + rs + Number(MaxDpEntered) + rs + ")");
    block.Add(ByLanguage("*Optimerad för;", "*Beste Genauigkeit bei;", "*Optimized for;") + OperatingConditionsText());
    block.Add(ByLanguage("*För matematiskt fel se stor rapport",
                         "*für mathematischen Fehler sehe grosses Berechnungsergebnis",
                         "*for mathematical error see big report"));
}

// A cold dimension in mm, preceded by the same in inches when the pipe is given in inches.
void AddColdDimension(ReportBlock& block, const std::string& mmLabel, const std::string& inchLabel, double metres) {
    if (ReportWriterWindow().dstorkallsort.Caption() != "mm") block.AddValue(inchLabel, metres * 1000.0 * kInchPerMm);
    block.AddValue(mmLabel, metres * 1000.0);
}

void AddDeviceCandidateLines(ReportBlock& block) {
    if (DeviceCode == "SM")
        block.AddValue(OptimalSegmentHeightLabel, SegmentHeightColdM * 1000.0);
    else
        block.AddValue(OptimalThroatDiameterLabel, BoreDiameterColdM * 1000.0);
    block.AddValue(OptimalPipeDiameterLabel, PipeDiameterColdM * 1000.0);
    // The optimal dp in the unit of the dp range the design searched.
    if (DpUpperLimitPa != 0.0)
        block.AddValue(LabelForUnit(OptimalMaxDiffPressureLabel, DpUpperLimitUnit, 4, "("),
                       DpUpperLimitInput / DpUpperLimitPa * MaxDpPa);
}

const char* OptimalDeviceName() {
    const std::string& d = DeviceCode;
    const std::string& v = DeviceVariantCode;
    if (d == "S" && v == "R")
        return ByLanguage("Strypfläns (Corner tappings)", "Blende (Eckdruckentnahme)",
                          "Orifice plate (Corner tappings)");
    if (d == "S" && v == "F")
        return ByLanguage("Strypfläns (Flänsmonterade tryckuttag)", "Blende (Flanschdruckentnahme)",
                          "Orifice plate (Flange tappings)");
    if (d == "S" && v == "D")
        return ByLanguage("Strypfläns (D- & D/2-monterade tryckuttag)", "Blende (D- & D/2-Druckentnahme)",
                          "Orifice plate (Dstor- & D/2-tappings)");
    if (d == "V" && v == "BG")
        return ByLanguage("Klassiskt Venturi (Bearbetat gjutgods)", "Klassisches Venturi (Bearbeitetem Einlaufkonus)",
                          "Classical venturi (Machined convergent)");
    if (d == "V" && v == "OG")
        return ByLanguage("Klassiskt Venturi (Obearbetat gjutgods)", "Klassisches Venturi (Gussrauem Einlaufkonus)",
                          "Classical venturi (Rough cast convergent)");
    if (d == "V" && v == "SV")
        return ByLanguage("Klassiskt Venturi (Svetsat)", "Klassisches Venturi (Geschweisst)",
                          "Classical venturi (Welded)");
    if (d == "KV") return ByLanguage("Kortventuri", "Venturidüse", "Venturinozzle");
    if (d == "D") return ByLanguage("ISA 1932 Dysa", "ISA 1932 Düse", "ISA 1932 nozzle");
    if (d == "DL") return ByLanguage("Long radius Dysa", "Langradius-Düse", "Long radius nozzle");
    if (d == "SM") return ByLanguage("Segmentfläns", "Segmentblende", "Segmental orifice");
    if (d == "VK") return ByLanguage("Viertelkreisdysa", "Viertelkreisdüse", "Viertelkreis-nozzle");
    return nullptr;
}

// The labels of one flow line of the short flow result.
struct FlowLineLabels {
    const char* ton;
    const char* kg;
    const char* m3;
    const char* dm3;
};

FlowLineLabels PlainFlowLabels() {
    return {ByLanguage("Flöde______(ton/h)= ", "Durchfluss_(ton/h)= ", "Flow_______(ton/h)= "),
            ByLanguage("Flöde_______(kg/h)= ", "Durchfluss__(kg/h)= ", "Flow________(kg/h)= "),
            ByLanguage(" Flöde_______(m3/h)= ", " Durchfluss__(m3/h)= ", " Flow________(m3/h)= "),
            ByLanguage(" Flöde______(dm3/h)= ", " Durchfluss_(dm3/h)= ", " Flow_______(dm3/h)= ")};
}

FlowLineLabels AdjustedFlowLabels() {
    return {ByLanguage("Just.Flöde_(ton/h)= ", "Ber. Du.Fl.(ton/h)= ", "Adj.Flow___(ton/h)= "),
            ByLanguage("Just.Flöde__(kg/h)= ", "Ber. Du.Fl._(kg/h)= ", "Adj.Flow____(kg/h)= "),
            ByLanguage(" Just.Flöde__(m3/h)= ", " Ber. Du.Fl._(m3/h)= ", " Adj.Flow____(m3/h)= "),
            ByLanguage(" Just.Flöde_(dm3/h)= ", " Ber. Du.Fl.(dm3/h)= ", " Adj.Flow___(dm3/h)= ")};
}

// m kg/h: in ton/h above 1 t/h, and the volume in m3/h above 1 m3/h, else in dm3/h; the
// volume only at a positive density.
std::string FlowLine(const FlowLineLabels& labels, double kgPerHour, double density) {
    const std::string& rs = ReportSeparator;
    const double tons = kgPerHour * 0.001;
    std::string line = tons > 1.0 ? labels.ton + rs + Number(tons) : labels.kg + rs + Number(kgPerHour);
    if (density > 0.0) {
        const double m3 = kgPerHour / density;
        line += m3 > 1.0 ? labels.m3 + rs + Number(m3) : labels.dm3 + rs + Number(m3 * 1000.0);
    }
    return line;
}

// The SI flow of the typed maximal flow read in `unit`; nothing when the unit is unknown or
// the conversion fails. Only the flow is used: the kind the conversion leaves is put back.
std::optional<double> FlowInUnit(const std::string& unit) {
    const std::string savedKind = ParsedUnitKind;
    double qm = 0.0, areaFactor = 0.0, profileFactor = 0.0;
    try {
        ReynoldsAdjustedFlow(unit, MaxFlowInput, FlowDensity, PipeDiameter * 1000.0, PipeRoughnessMm, ReynoldsAtMaxFlow,
                             CalibratedReynoldsMin, qm, areaFactor, profileFactor);
    } catch (const CalcError&) {
        qm = 0.0;
    }
    ParsedUnitKind = savedKind;
    if (qm == 0.0 || !std::isfinite(qm)) return std::nullopt;
    return qm;
}

// Carries the maximal flow from the dp the device gives at that flow (MaxDpPa) to the dp of
// the calculation; 1 when the dp at max flow is not positive.
double AdjustmentFactor() { return RootRatioOrOne(MaxFlowDpPa, MaxDpPa); }

void AddHumidGasPart(ReportBlock& block, const std::string& unit, std::optional<double> c, double f, double kgPerHour,
                     bool volumeMeter) {
    const std::string& rs = ReportSeparator;
    block.Add(std::string(19, ' ') + ByLanguage("--LUFT/GASDEL--", "--Luft/Gasteil--", "--AIR/GASPART--"));
    const double rho = FlowDensity;
    if (!(rho > 0.0) || !c || OperatingPressure == 0.0) return;
    const double dryPart = MaxFlowInput * *c * DryGasDensity / rho;
    const double gasShare = (OperatingPressure - VapourPressurePa) / OperatingPressure;
    block.Add(ByLanguage("Flöde______(", "Durchfluss_(", "Flow________(") + unit + ")= " + rs + Number(dryPart) + rs +
              ByLanguage(" Flöde_______(m3/h)= ", " Durchfluss_(m3/h)= ", " Flow________(m3/h)= ") + rs +
              Number(kgPerHour * gasShare / rho));
    if (volumeMeter) return;
    block.Add(ByLanguage("Just.Flöde_(", "Ber. D.F.__(", "Adj. Flow__(") + unit + ")= " + rs + Number(f * dryPart) +
              rs + ByLanguage(" Just. Flöde_(m3/h)= ", " Ber. D.F.___(m3/h)= ", " Adj. Flow___(m3/h)= ") + rs +
              Number(f * kgPerHour * gasShare / rho));
}

}  // namespace

void WriteMainResultHeader() {
    ReportBlock block;
    AddMainResultHeader(block);
    block.Flush();
}

void WriteShortDiameterResult() {
    ReportBlock block;
    AddMainResultHeader(block);
    if (DeviceCode == "SM")
        AddColdDimension(block, SegmentHeightColdLabel, SegmentHeightColdInchLabel, SegmentHeightColdM);
    else
        AddColdDimension(block, ThroatDiameterLabel, ThroatDiameterInchLabel, BoreDiameterColdM);
    if (SolveFor == "TF") block.AddValue(MaxDiffPressureLabel, MaxDpPa * 0.001);
    block.Flush();
}

void WriteShortDpResult() {
    ReportBlock block;
    AddMainResultHeader(block);
    block.AddValue(LabelForUnit(MaxDiffPressureLabel, DpUnit, 5, "_("), MaxDpEntered);
    block.Flush();
}

void WriteDeviceCandidateLine() {
    ReportBlock block;
    AddDeviceCandidateLines(block);
    block.Flush();
}

void WriteShortOptimalDeviceResult() {
    ReportBlock block;
    AddMainResultHeader(block);
    block.Add(ByLanguage("Optimalt primärelement: ", "Optimales Drosselgerät: ", "Optimal primary device: "));
    if (const char* name = OptimalDeviceName()) block.Add(name);
    AddDeviceCandidateLines(block);
    if (UpstreamFittingCode != "0") {
        block.AddValue(TotalStraightLengthLabel, StraightLengthM + StraightLengthShortfallM);
        if (AdditionalUncertaintyPercent < kUnruledUncertaintyPercent)
            block.AddValue(StraightLengthUncertaintyLabel, AdditionalUncertaintyPercent);
        else
            block.Add(StraightLengthUncertaintyLabel);
        block.AddValue(UpstreamTappingPositionLabel, OptimalStraightLength);
    }
    block.Flush();
}

void WriteShortFlowResult() {
    ReportBlock block;
    AddMainResultHeader(block);
    const std::string& rs = ReportSeparator;
    const bool volumeMeter = DeviceCode == "VOLYM";
    const double m = MaxMassFlow * 3600.0;
    const double rho = FlowDensity;
    const double f = AdjustmentFactor();

    std::string search = FlowLine(PlainFlowLabels(), m, rho);
    block.Add(search);
    if (!volumeMeter) {
        const std::string adjusted = FlowLine(AdjustedFlowLabels(), f * m, rho);
        block.Add(adjusted);
        search += adjusted;
    }

    // The typed flow converted to the output unit: the ratio of the SI flows of the same
    // number read in the two units.
    const std::string outputUnit = ReportWriterWindow().maxflowsortut.Text();
    const std::optional<double> q1 = FlowInUnit(FlowUnit);
    const std::optional<double> q2 = FlowInUnit(outputUnit);
    std::optional<double> c;
    if (q1 && q2) c = *q1 / *q2;

    const char* flowPrefix = ByLanguage("Flöde______(", "Durchfluss_(", "Flow_______(");
    if (!volumeMeter) {
        if (search.find("(" + FlowUnit + ")") == std::string::npos)
            block.Add(flowPrefix + FlowUnit + ")= " + rs + Number(MaxFlowInput) + rs +
                      ByLanguage(" Just.Flöde_(", " Ber. Du.Fl.(", " Adj.Flow___(") + FlowUnit + ")= " + rs +
                      Number(f * MaxFlowInput));
    } else if (c && search.find("(" + outputUnit + ")") == std::string::npos) {
        block.Add(flowPrefix + outputUnit + ")= " + rs + Number(MaxFlowInput * *c));
    }

    if (HumidGasFlag) AddHumidGasPart(block, outputUnit, c, f, m, volumeMeter);
    block.Flush();
}

}  // namespace tubalyx
