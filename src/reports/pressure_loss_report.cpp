#include "reports/pressure_loss_report.h"

#include <cmath>
#include <string>

#include "numerics/checked.h"
#include "numerics/report_format.h"
#include "pressure_loss/line_walk.h"
#include "reports/medium_property_block.h"
#include "reports/report_block.h"
#include "reports/report_window.h"
#include "reports/reynolds_report.h"
#include "state/flow_results.h"
#include "state/medium.h"
#include "state/pressure_loss_state.h"
#include "state/selections.h"
#include "texts/caption_data.h"
#include "texts/report_label_strings.h"
#include "texts/window_access.h"

namespace tubalyx {

namespace {

constexpr double kLaminarLimit = 2320.0;
// The tube block is written when the last segment held fittings besides the pipe.
constexpr double kZetaDifference = 1e-7;

// {Swedish, German, English}
constexpr LangText kMainHeading{"________________HUVUDRAPPORT TRYCKFÖRLUSTER________________",
                                "-------------HAUPTERGEBNIS DRUCKVERLUSTEN--------------",
                                "---------------MAINREPORT PRESSURELOSSES---------------"};
constexpr LangText kResistance{
    "Motståndstal______________________________________= ", "Wiederstand_______________________________________= ",
    "Resistance________________________________________= "};
constexpr LangText kReductionKpa{
    "Tryckminskning (reversibel+irreversibel)_____(kPa)= ", "Druckreduzierung (reversibel+irreversibel)___(kPa)= ",
    "Pressurereduction (reversible+irreversible)__(kPa)= "};
constexpr LangText kIrreversibleLoss{
    "Tryckförlust (irreversibel)__________________(kPa)= ", "Druckverlust (irreversibel)__________________(kPa)= ",
    "Pressureloss (irreversible)__________________(kPa)= "};
constexpr LangText kOutletPressure{"Utloppstryck (BarA)=", "Auslaufdruck (BarA)=", "Outletpress. (BarA)="};
constexpr const char* kOutletPressureKpa = "__________________(kPaA)= ";
constexpr LangText kOutletTemperature{
    "Utloppstemperatur______________________________(C)= ", "Auslauftemperatur______________________________(C)= ",
    "Outlettemperature______________________________(C)= "};
constexpr LangText kPhysicsHeading{"________________FYSIKRAPPORT (VID RÖRINLOPP)_______________",
                                   "________________PHYSIK.ERGEBNISSE (BEI ROHRANFANG)_________",
                                   "________________PHYSICS REPORT (AT TUBE INLET)_____________"};
constexpr LangText kLaminar{"OBS! Laminär strömning!", "Bemerkung! Laminarer Strömung!", "NOTE! Laminar flow!"};
constexpr LangText kBoiling{"OBS! KOKANDE VÄTSKA EJ MÖJLIGT!", "Bemerkung! KOCHENDE FLUESSIGKEIT NICHT MÖGLICH!!",
                            "NOTE! BOILING LIQUID NOT POSSIBLE"};
constexpr LangText kInletProperties{"Fysikaliska egenskaper beräknade vid Inlopp P,T",
                                    "Physicalische Eigenschaften berechnet bei Einlauf P,T",
                                    "Physical properties calculated at inlet P,T"};
constexpr LangText kFlowTooBig{"OBS! INDATA FELAKTIGA/FLÖDE FÖR STORT!",
                               "Bemerkung! EINDATEN FALSCH/DURCHFLUSS ZU GROSS!!", "NOTE! INPUT FALSE/FLOW TO BIG!"};

std::string Text(const LangText& text) { return TextOrSwedish(text, LanguageLetter); }

// The drop lines 2 to 5 of the report, for the whole line or for the pipe alone.
void AddDropLines(ReportBlock& block, double zeta, double drop) {
    block.AddValue(Text(kResistance), zeta);
    block.AddValue(Text(kReductionKpa), 0.001 * drop);
    block.AddValue(PressureReductionMbarLabel, 0.01 * drop);
    block.AddValue(PressureReductionPercentLabel, 100 * drop / OperatingPressure);
}

bool IsLiquidPhase() { return PhaseLetter == 'X' || PhaseLetter == 'V'; }

}  // namespace

void RunPressureLoss(char kind, int layoutTop) {
    // The selections are keywords already: nothing to map before the walk.
    try {
        CalculatePressureLossLine();
        if (kind != 'B') return;
        if (IsLiquidPhase()) AppendRedLines({Text(kBoiling), Text(kInletProperties)});
        WriteResistanceReport(kind, layoutTop);
    } catch (const CalcError&) {
        if (kind == 'B') AppendReportLine(Text(kFlowTooBig));
    }
}

void WriteResistanceReport(char kind, int layoutTop) {
    const bool line = CalcFunction == "Tryckf";
    ReportBlock drops;
    if (line) {
        const double outlet = OperatingPressure - LineTotalDrop;
        drops.Add(Text(kMainHeading));
        AddDropLines(drops, LineZetaTotal, LineTotalDrop);
        drops.AddValue(Text(kIrreversibleLoss), 0.001 * LineFrictionLoss);
        drops.Add(Text(kOutletPressure) + ReportSeparator + FormatFixed(1e-5 * outlet, kReportDigits) +
                  kOutletPressureKpa + ReportSeparator + FormatFixed(0.001 * outlet, kReportDigits));
        if (MediumCode != "VÄT" && ExpansionModeLetter != 'T')
            drops.AddValue(Text(kOutletTemperature), LineLocalTemperature);
    }
    drops.Flush();

    WriteFlowSpeedLines(LineMassFlow, OutletDensity, LineDiameter);

    ReportBlock tube;
    if (line && std::fabs(LastPassZetaSum - PipeSegmentZeta) > kZetaDifference) {
        tube.Add(PressureLossTubeHeading);
        AddDropLines(tube, PipeSegmentZeta, LineTotalDrop * PipeSegmentZeta / LastPassZetaSum);
    }
    if (line) tube.Add(Text(kPhysicsHeading));
    tube.Flush();

    int position = layoutTop;
    WriteMediumPropertyBlock(kind, position);
    WriteReynoldsAtMaxFlow(ReynoldsAtMaxFlow);
    if (ReynoldsAtMaxFlow < kLaminarLimit) AppendReportLine(Text(kLaminar));
}

}  // namespace tubalyx
