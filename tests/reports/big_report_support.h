#pragma once
// Shared set-up of the big-report section tests: the report window at a known size, the unit
// edits of the questionnaire, and the result state of an orifice in water set directly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numerics/decimal_separator.h"
#include "reports/report_window.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/caption_sets.h"
#include "ui/form1.h"

namespace tubalyx::bigreport {

inline constexpr int kStartSize = 20;

class BigReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        TForm1& f = Form1();
        for (TEdit* unit : {&f.abstrycksort, &f.difftryckmaxsort}) unit->SetText("kPa");
        f.maxflowsort.SetText("kg/h");
        // A gas's operating state is the mean of the range fields.
        for (TEdit* p : {&f.abstryckantal, &f.abstryckmaxantal}) p->SetText("500");
        for (TEdit* t : {&f.temp, &f.tempmin}) t->SetText("20");
        f.tempsort.SetCaption("C");
        f.tempmin.SetVisible(false);
        f.abstryckmaxantal.SetVisible(false);
        f.ABBSiemens.SetCaption("Siemens");
        f.Excel.SetCaption("Excel");
        Language('E');
        f.litenstor.SetCaption(ReportSizeCaption(ReportSizeKind::Big, 'E'));
        ClearReport();
        TTextAttributes start;
        start.Size = kStartSize;
        ReportWindow().SetSelAttributes(start);
        WaterOrifice();
    }
    static void Language(char letter) {
        LanguageLetter = letter;
        ApplyLanguage(letter);
    }
    // An orifice with corner tappings in DN100 water at 5 bar abs and 20 C, 36 t/h at 25 kPa.
    static void WaterOrifice() {
        CalcFunction = "Strypf";
        DeviceCode = "S", DeviceVariantCode = "R", StandardLetter = '3';
        SolveFor = "DI", MaxFlowGivenFlag = "V";
        MediumCode = "VAT", PhaseLetter = 'V';
        FlowUnit = "kg/h", DpUnit = DpUpperLimitUnit = PressureUnit = "kPa";
        FlowDensity = LowDensityState.density = HighDensityState.density = 998.2;
        DynamicViscosityPas = 1.002e-3, KappaOperating = 1.3;
        OperatingPressure = PressureMinPa = PressureMaxPa = 5e5;
        PressureMinInput = PressureMaxInput = 500;
        OperatingTemperature = TemperatureMinC = TemperatureMaxC = 20.0;
        PipeDiameter = 0.1, BoreDiameter = 0.05, DiameterRatioBeta = 0.5;
        MaxMassFlow = FlowAtMaxDp = 10.0, MinMassFlow = 1.0;
        DpTransmitterValues.designDpFlow = {10.0, 36000};
        MaxFlowInput = MaxFlowSI = 36000, MinFlowInput = MinFlowSI = 3600;
        MaxDpPa = MaxFlowDpPa = 25000, MaxDpInput = MaxDpEntered = 25, DpUnitFactor = 1.0;
        RootFlowMax = RootFlowNormal = RootFlowDesign = 7200;
        AverageCoefficientUncertainty = VariantFlowDeviationA = VariantFlowDeviationB = 0.6;
        CalculationErrorLimit = 0.1;
        FmatCoefficientA = 1.0, FmatCoefficientB = -2.0;
    }
    static std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
        return lines;
    }
    // The first line holding `part` (or equal to it when `whole`), -1 when there is none.
    static int IndexOf(const std::vector<std::string>& lines, const std::string& part, bool whole = false) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (whole ? lines[i] == part : lines[i].find(part) != std::string::npos) return static_cast<int>(i);
        return -1;
    }
    static bool Has(const std::vector<std::string>& lines, const std::string& part) {
        return IndexOf(lines, part) >= 0;
    }
    static TTextAttributes AttributesOf(int line) {
        const auto& content = ReportWindow().Content().Lines;
        return content.at(line).empty() ? ReportWindow().SelAttributes() : content[line][0].Attributes;
    }
};

}  // namespace tubalyx::bigreport
