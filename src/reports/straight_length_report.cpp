#include "reports/straight_length_report.h"

#include <cmath>
#include <numbers>

#include "flow/straight_lengths.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "reports/report_window.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/keywords.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/caption_sets.h"
#include "texts/fitting_labels.h"
#include "texts/language_text.h"
#include "texts/report_label_strings.h"
#include "texts/report_texts.h"

namespace tubalyx {

namespace {

const std::string kDots = "..........";
const std::string kBlankCell = "     ";

// The section's lines are written at a reduced size, derived from the size at the start of
// the section so that every line of the section comes out the same.
int g_sectionBaseSize = 0;

class SectionSize {
public:
    SectionSize() : owner_(g_sectionBaseSize == 0) {
        if (owner_) g_sectionBaseSize = ReportSize();
    }
    ~SectionSize() {
        if (owner_) g_sectionBaseSize = 0;
    }
    SectionSize(const SectionSize&) = delete;
    SectionSize& operator=(const SectionSize&) = delete;

private:
    bool owner_;
};

void SectionLine(const std::string& text) {
    SetReportSize(g_sectionBaseSize * 58 / 80 + 1);
    AppendReportLine(text);
}

std::string Cell(double tableValue, double diameter) {
    return HasHalfLength(tableValue) ? StraightLengthCellText(tableValue * diameter) : kBlankCell;
}

// name, separator, cell, separator, dots, separator, cell
std::string TableLine(const std::string& name, const std::string& zero, const std::string& half) {
    const std::string& s = ReportSeparator;
    return name + s + zero + s + kDots + s + half;
}

// The large vessel between the reducers of a 2003 table: its one cell stands further right.
std::string LargeVesselIndent() { return std::string(LanguageLetter == kLanguageSwedish ? 6 : 12, ' '); }

double MassFlowReynolds(double massFlow, double viscosity, double D) {
    const double area = std::numbers::pi * D * D / 4;
    if (!(viscosity > 0) || !(area > 0)) return NAN;
    return massFlow / area * D / viscosity;
}

}  // namespace

std::string StraightLengthCellText(double lengthM) { return PadLeft(FormatFixed(lengthM + 0.0005, 3), 5); }

void WriteAdditionalErrorHeading() {
    SectionSize size;
    SectionLine(StraightLengthErrorHeading);
}

void PrintStraightLengthTableA(char kind) {
    SectionSize size;
    const double D = PipeDiameter;
    LoadStraightLengthTableA(D, BoreDiameter);
    WriteAdditionalErrorHeading();
    SectionLine(StraightLengthMeasuredLine);
    SectionLine(StraightLengthColumnHeading);
    const StraightLengthTableBlock& t = StraightLengthTables;
    auto row = [&](const std::string* name, const StraightLengthCell& c) {
        SectionLine(TableLine(*name, Cell(c.Zero, D), Cell(c.Half, D)));
    };
    const std::string vessel = FittingLargeVessel + ReportSeparator;
    if (StandardLetter == kStandardIso2003 && DeviceCode == kDeviceOrifice) {
        for (int r = 1; r <= 11; ++r) row(kOrifice2003FittingLabels[r - 1], t.Orifice2003[r]);
        SectionLine(vessel + LargeVesselIndent() + StraightLengthCellText(30 * D));
        for (int r = 12; r <= 15; ++r) row(kOrifice2003FittingLabels[r - 1], t.Orifice2003[r]);
    } else {
        for (int r = 1; r <= 10; ++r) row(kOrificeFittingLabels[r - 1], t.Orifice[r]);
        SectionLine(vessel + StraightLengthCellText(30 * D));
        row(kOrificeFittingLabels[10], t.Orifice[11]);
    }
    if (kind == '2') SectionLine(MeasuredFromDownstreamTappingNote);
    SectionLine(StraightLengthOneSideNote);
}

void PrintStraightLengthTableB(char kind) {
    SectionSize size;
    const double D = PipeDiameter;
    SegmentStraightLengthTable table{};
    LoadStraightLengthTableB(table, D, BoreDiameter);
    WriteAdditionalErrorHeading();
    SectionLine(StraightLengthMeasuredLine);
    // Printed order: the reducer (table row 5) before the expander (row 4).
    const int rows[10] = {1, 2, 3, 5, 4, 6, 7, 8, 9, 10};
    for (int row : rows) {
        const double v = table[row];
        SectionLine(TableLine(*kSegmentFittingLabels[row - 1], Cell(v, D), Cell(0.5 * v, D)));
    }
    SectionLine(FittingLargeVessel + ReportSeparator + StraightLengthCellText(30 * D));
    SectionLine(TableLine(*kSegmentFittingLabels[10], Cell(table[11], D), Cell(0.5 * table[11], D)));
    SectionLine(MeasuredFromUpstreamFaceNote);
    SectionLine(StraightLengthOneSideNote);
    (void)kind;
}

void PrintStraightLengthTableC(char kind) {
    SectionSize size;
    const double D = PipeDiameter, d = BoreDiameter;
    VenturiStraightLengthTable1991 table;
    LoadStraightLengthTableC(table, D, d);
    WriteAdditionalErrorHeading();
    SectionLine(StraightLengthMeasuredLine);
    if (StandardLetter == kStandardIso2003) {
        for (int r = 1; r <= 8; ++r) {
            const StraightLengthCell& c = StraightLengthTables.Venturi2003[r];
            SectionLine(*kVenturi2003FittingLabels[r - 1] + Cell(c.Zero, D) + kDots + Cell(c.Half, D));
        }
        SectionLine(FittingLargeVessel + LargeVesselIndent() + StraightLengthCellText(30 * D));
        SectionLine(FittingAllDownstreamB + StraightLengthCellText(4 * d) + kDots + kBlankCell);
    } else {
        const char* codes[6] = {"1", "2", "3", "4", "5", "7"};
        for (int i = 0; i < 6; ++i) {
            double t0, th, u0, uh;
            RequiredStraightLengthC(codes[i], t0, th, u0, uh, D, d);
            // Two bends in different planes have no zero-uncertainty length at all.
            const std::string zero = i == 2 ? kBlankCell : StraightLengthCellText(u0);
            std::string line = *kVenturi1991FittingLabels[i];
            line += zero;
            line += kDots;
            line += StraightLengthCellText(uh);
            SectionLine(line);
        }
        SectionLine(FittingLargeVessel + StraightLengthCellText(30 * D));
        SectionLine(FittingAllDownstream + StraightLengthCellText(4 * d));
    }
    if (kind == '2') SectionLine(MeasuredFromDownstreamTappingNote);
    SectionLine(StraightLengthOneSideNote);
}

void WriteStraightLengthSection(char kind) {
    SectionSize size;
    SectionLine("");
    // The Swedish introduction has one line less.
    for (const LangText* line :
         {&report_text::StraightLengthIntro1, &report_text::StraightLengthIntro2, &report_text::StraightLengthIntro3,
          &report_text::StraightLengthIntro4, &report_text::StraightLengthIntro5})
        if (const std::string text = ByLanguage(*line); !text.empty()) SectionLine(text);

    // The table headings come in a wide and a narrow form by standard and device: the report
    // labels of the language give the one of this run, at the full width of its cells. (The
    // language switch would narrow them further for the older standards, and read the bore
    // edits again; the whole caption set would take the chosen materials and the like off the
    // window's labels.)
    SetReportLabelsOf(LanguageLetter);

    if (DeviceCode == kDeviceOrifice || DeviceCode == kDeviceShortVenturi || DeviceCode == kDeviceLongRadiusNozzle ||
        DeviceCode == kDeviceIsaNozzle)
        PrintStraightLengthTableA(kind);
    else if (DeviceCode == kDeviceSegmentOrifice || DeviceCode == kDeviceQuarterCircle)
        PrintStraightLengthTableB(kind);
    else if (DeviceCode == kDeviceVenturi)
        PrintStraightLengthTableC(kind);

    if (DeviceCode == kDeviceQuarterCircle) {
        const double re = MassFlowReynolds(MinMassFlow, DynamicViscosityPas, PipeDiameter);
        if (re < 4000) {
            SectionLine("Achtung! Reynoldszahl<4000 bei minimalem Fluss!");
            SectionLine("Einbaubedingungen: VDI/VDE 2041 Entwurf 1989, 4.2.2.1");
        }
    }
}

}  // namespace tubalyx
