// The medium block: calorific values and Wobbe index of natural gas against ISO 6976, the
// lines chosen by medium and phase letter, the sizes of the methane note and the closing
// lines of the big reports.
#include "reports/medium_property_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/natural_gas.h"
#include "numerics/decimal_separator.h"
#include "reports/report_window.h"
#include "state/composition.h"
#include "state/geometry.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/caption_sets.h"
#include "texts/report_label_strings.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

constexpr int kStartSize = 13;

std::vector<std::string> Texts() {
    std::vector<std::string> lines;
    for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
    return lines;
}

int IndexOf(const std::vector<std::string>& lines, const std::string& start) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].starts_with(start)) return static_cast<int>(i);
    return -1;
}

class MediumPropertyBlock : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        Language('E');
        CalcFunction = "Termo";
        Form1().litenstor.SetCaption("Small");
        Form1().qbgsort.SetText("cP");
        ClearReport();
        TTextAttributes start;
        start.Size = kStartSize;
        ReportWindow().SetSelAttributes(start);
        FlowDensity = 1.2, DynamicViscosityPas = 1.8e-5, KappaOperating = 1.4;
    }
    // A letter of no language keeps the Swedish captions but stays the letter.
    static void Language(char letter) {
        ApplyLanguage(letter);
        LanguageLetter = letter;
    }
    // Pure methane in the composition grid, as the natural-gas analysis reads it.
    static void PureMethane() {
        MediumCode = "NGAS";
        TStringGrid& grid = Form1().ViktVolprocGrid;
        for (int row = 2; row <= 11; ++row) grid.SetCell(5, row, row == 2 ? "100" : "0");
    }
    std::vector<std::string> Block() {
        WriteMediumPropertyBlock('S', position_);
        return Texts();
    }
    int position_ = 0;
};

TEST_F(MediumPropertyBlock, CalorificValuesOfMethaneAreThoseOfIso6976) {
    // ISO 6976 at 15 C: methane 55.573 MJ/kg gross, 50.034 MJ/kg net.
    const double methane[10] = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const CalorificValues v = NaturalGasCalorificValues(methane);
    EXPECT_NEAR(v.superior, 55.573, 0.0005);
    EXPECT_NEAR(v.inferior, 50.034, 0.0005);
    // Percentages give the same; water vapour and no fuel give nothing to burn.
    const double percent[10] = {100, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_DOUBLE_EQ(NaturalGasCalorificValues(percent).superior, v.superior);
    const double none[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 100};
    EXPECT_EQ(NaturalGasCalorificValues(none).superior, 0.0);
    // An inert share dilutes by mass: 10 % nitrogen by mole.
    const double diluted[10] = {0.9, 0, 0, 0, 0, 0.1, 0, 0, 0, 0};
    EXPECT_NEAR(NaturalGasCalorificValues(diluted).superior, 0.9 * 891.56 / (0.9 * 16.043 + 0.1 * 28.0135), 1e-9);
    EXPECT_EQ(WobbeIndex(55.573, 0.0), 0.0);
}

TEST_F(MediumPropertyBlock, NaturalGasInTheThermodynamicReport) {
    PureMethane();
    const std::vector<std::string> r = Block();
    ASSERT_GE(r.size(), 3u);
    EXPECT_EQ(r[0], "NOTE! All properties=CH4 (except density<0.1% uncertainty)");
    EXPECT_EQ(r[1], DensityLabel + "1,2000");
    EXPECT_TRUE(r[2].starts_with("Compression factor Z______________________________= ")) << r[2];
    EXPECT_EQ(r[IndexOf(r, "Superior cal. value")], "Superior cal. value at **/condensed H2O    (MJ/kg)= 55,573");
    EXPECT_EQ(r[IndexOf(r, "Inferior cal.value")], "Inferior cal.value at ** /uncondensed H2O  (MJ/kg)= 50,034");
    EXPECT_NE(IndexOf(r, "**=15 C/101.325 kPaA before and after combustion"), -1);
    EXPECT_NE(IndexOf(r, "*Nm3 at 15 C/101.325 kPaA"), -1);
    // ISO 6976: methane 37.706 MJ/m3 gross (ideal) and a Wobbe index of 50.72 MJ/m3 at
    // 15/15 C; the report takes the real-gas density (Z = 0.998).
    const std::string sv = r[IndexOf(r, "Superior calorif. val.at")];
    EXPECT_NEAR(std::stod(sv.substr(sv.rfind(' ') + 1).replace(2, 1, ".")), 37.78, 0.02) << sv;
    const std::string w = r[IndexOf(r, "Wobbe index at **")];
    EXPECT_NEAR(std::stod(w.substr(w.rfind(' ') + 1).replace(2, 1, ".")), 50.72, 0.02) << w;
    // The call of the method at the reference state leaves its Z behind.
    EXPECT_NEAR(NaturalGasZ, 0.998, 0.0005);

    // No gas in the grid: no molar mass, no density, nothing to burn and no Wobbe line.
    ClearReport();
    for (int row = 2; row <= 11; ++row) Form1().ViktVolprocGrid.SetCell(5, row, "0");
    const std::vector<std::string> empty = Block();
    EXPECT_EQ(empty[IndexOf(empty, "Superior cal. value")], "Superior cal. value at **/condensed H2O    (MJ/kg)= 0,0000");
    EXPECT_EQ(IndexOf(empty, "Wobbe index"), -1);

    // Outside "Termo": the note and the state lines only.
    ClearReport();
    PureMethane();
    CalcFunction = "Strypf";
    const std::vector<std::string> device = Block();
    EXPECT_EQ(device[0], "NOTE! All properties=CH4 (except density<0.1% uncertainty)");
    EXPECT_EQ(IndexOf(device, "Superior"), -1);
    EXPECT_EQ(IndexOf(device, "Compression factor"), -1);
}

TEST_F(MediumPropertyBlock, MethaneNoteSizesTheRestOfTheBlockFromItsStartSize) {
    const struct {
        char language;
        int size;
    } cases[] = {{'E', kStartSize}, {'D', kStartSize * 58 / 64}, {'S', kStartSize * 58 / 61}};
    for (const auto& c : cases) {
        SetUp();
        Language(c.language);
        PureMethane();
        for (int run = 0; run < 2; ++run) WriteMediumPropertyBlock('S', position_);
        const auto& lines = ReportWindow().Content().Lines;
        // The second block starts from the same size as the first: nothing shrinks run by run.
        const int second = ReportLineCount() / 2;
        for (int i : {0, 1, second, second + 1}) EXPECT_EQ(lines[i][0].Attributes.Size, c.size) << c.language << i;
        EXPECT_EQ(ReportSize(), kStartSize) << c.language;
    }
}

TEST_F(MediumPropertyBlock, StateLinesByMediumAndPhaseLetter) {
    const std::string pressure = "Static Pressure______________________________(kPa)= ";
    const struct {
        const char* medium;
        char phase;
        const char* function;
        std::vector<std::string> starts;  // the beginnings of every line, in order
    } cases[] = {
        {"H2", 'V', "Strypf", {pressure, DensityLabel, DynamicViscosityLabel}},
        {"H2", 'X', "Strypf", {TemperatureResultLabel, DensityLabel, DynamicViscosityLabel}},
        {"N2", 'G', "Strypf", {pressure, DensityLabel, DynamicViscosityLabel, KappaLabel}},
        {"N2", 'H', "Strypf", {TemperatureResultLabel, DensityLabel, DynamicViscosityLabel, KappaLabel}},
        {"AR", 'V', "Tryckf", {pressure, DensityLabel, DynamicViscosityLabel}},
        {"O3", 'N', "Strypf", {"NOTE! All properties except density = CO2 properties", DensityLabel,
                               DynamicViscosityLabel, KappaLabel}},
        {"VAT", 'N', "Strypf", {DensityLabel, DynamicViscosityLabel}},
        {"ANG", 'N', "Strypf", {DensityLabel, DynamicViscosityLabel, KappaLabel}},
        {"MNG", 'N', "Strypf", {TemperatureResultLabel, DensityLabel, DynamicViscosityLabel, KappaLabel}},
        {"H2", 'V', "Termo", {pressure, DensityLabel, DynamicViscosityLabel, SpecificVolumeLabel,
                              KinematicViscosityLabel}},
        {"XYZ", 'N', "Termo", {}},
    };
    for (const auto& c : cases) {
        SetUp();
        MediumCode = c.medium, PhaseLetter = c.phase, CalcFunction = c.function;
        const std::vector<std::string> r = Block();
        const std::string name = std::string(c.medium) + " " + c.phase + " " + c.function;
        ASSERT_EQ(r.size(), c.starts.size()) << name;
        for (size_t i = 0; i < r.size(); ++i) EXPECT_TRUE(r[i].starts_with(c.starts[i])) << name << ": " << r[i];
    }
}

TEST_F(MediumPropertyBlock, RangeNoteAndTheClosingLinesOfTheBigReports) {
    MediumCode = "VAT";
    for (const char* note : {" ", "abc"}) {
        ClearReport();
        TableRangeNote = note;
        EXPECT_TRUE(Block().at(0).starts_with(DensityLabel)) << note;
    }
    ClearReport();
    TableRangeNote = "(20 C!..)";
    EXPECT_EQ(Block().at(0), "(20 C!..)");
    EXPECT_EQ(ReportWindow().Content().Lines[0][0].Attributes.Color, clRed);
    EXPECT_NE(ReportWindow().Content().Lines[1][0].Attributes.Color, clRed);
    TableRangeNote = " ";

    Form1().litenstor.SetCaption("Big  ");
    BoreDiameter = 0.05001, BoreDiameterColdM = 0.05, PipeDiameter = 0.1002, PipeDiameterColdM = 0.1;
    const struct {
        const char* function;
        const char* device;
        const char* subtype;
        bool throat;
    } devices[] = {{"Strypf", "S", "", true},  {"Strypf", "VOLYM", "", false},
                   {"Ventil", "S", "VE", false}, {"Ventil", "S", "RO", true}};
    for (const auto& d : devices) {
        ClearReport();
        CalcFunction = d.function, DeviceCode = d.device, ValveSubtype = d.subtype;
        const std::vector<std::string> r = Block();
        const std::string name = std::string(d.function) + " " + d.device + " " + d.subtype;
        EXPECT_EQ(IndexOf(r, BoreTemperatureFactorLabel + "1,0002") != -1, d.throat) << name;
        EXPECT_EQ(r.back(), PipeTemperatureFactorLabel + "1,0020") << name;
    }
    // A cold pipe of no size gives no factor.
    ClearReport();
    PipeDiameterColdM = 0.0;
    EXPECT_EQ(IndexOf(Block(), PipeTemperatureFactorLabel), -1);

    // The thermodynamic report closes with the molar mass of a single medium above 1.
    CalcFunction = "Termo";
    const struct {
        const char* medium;
        double given;
        char language;
        const char* line;  // nullptr: none
    } masses[] = {
        {"N2", 0, 'E', "Average Molecule weight________________________(u)= 28,013"},
        {"N2", 0, 'D', "Durchschnittliche Molekülgewicht_______________(u)= 28,013"},
        {"GAS", 44.0, 'S', "Genomsnittlig molekylvikt______________________(u)= 44,000"},
        {"GAS", 1.0, 'E', nullptr},
        {"VÄT", 0, 'E', nullptr},
        {"N2", 0, 'X', nullptr},
    };
    for (const auto& m : masses) {
        SetUp();
        Form1().litenstor.SetCaption(m.language == 'D' ? "Gross" : m.language == 'S' ? "Stor " : "Big  ");
        Language(m.language);
        MediumCode = m.medium, GivenMolarMass = m.given;
        const std::vector<std::string> r = Block();
        const std::string name = std::string(m.medium) + " " + m.language;
        if (m.line)
            EXPECT_EQ(r.back(), m.line) << name;
        else
            for (const char* label : {"Average Molecule", "Durchschnittliche", "Genomsnittlig"})
                EXPECT_EQ(IndexOf(r, label), -1) << name;
    }
}

}  // namespace
}  // namespace tubalyx
