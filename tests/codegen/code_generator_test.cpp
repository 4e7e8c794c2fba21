// The controller code generator: the density blocks line by line in both dialects, the
// BigBlock with the big report's flow lines, well-formed Structured Text for every block and
// mode, the place of the code in the report window, and the handlers' prerequisites.
#include "codegen/code_generator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codegen/code_writer.h"
#include "numerics/separator_guard.h"
#include "reports/big_report_support.h"
#include "reports/compensation_table.h"
#include "reports/flow_function_block.h"
#include "reports/report_block.h"
#include "state/composition.h"
#include "state/report_state.h"
#include "support/structured_text_check.h"

namespace tubalyx {
namespace {

using TextLines = std::vector<std::string>;

class CodeGenerator : public bigreport::BigReportTest {
protected:
    void SetUp() override {
        BigReportTest::SetUp();
        // The set-up types the operating range, and the page its edits rebuild reads the
        // table's temperature range from it; the blocks here start from no table read yet.
        CompTableTemperatureMinC = CompTableTemperatureMaxC = 0.0;
        DensityTableErrorPercent = 0.05;
        Form1().PTKompgrid.ClearCells();
    }
    // The grid from (column, row, text) cells; the limits of a gas follow from the inputs.
    static void Grid(std::initializer_list<std::tuple<int, int, const char*>> cells) {
        TStringGrid& g = Form1().PTKompgrid;
        g.ClearCells();
        for (const auto& [c, r, text] : cells) g.SetCell(c, r, text);
    }
    static void GasRange(double pmin, double pmax, double tmin, double tmax) {
        MediumCode = "LUF", PhaseLetter = 'N';
        PressureMinInput = pmin, PressureMaxInput = pmax, PressureMinPa = pmin * 1000;
        TemperatureMinC = tmin, TemperatureMaxC = tmax;
    }
    // The report "newest", "", "earlier" with the block generated into it; returns the block.
    static TextLines Generate(const char* mode) {
        ClearReport();
        for (const char* line : {"newest", "", "earlier"}) AppendReportLine(line);
        NewestReportLineCount = 1;
        double result = 1.0;
        GenerateControlCode(mode, result);
        TextLines all = Lines();
        EXPECT_EQ(all.at(0), "newest");
        EXPECT_EQ(all.at(1), "");
        EXPECT_EQ(all.back(), "earlier");
        EXPECT_EQ(all.at(all.size() - 2), "");
        return TextLines(all.begin() + 2, all.end() - 2);
    }
    static int Count(const TextLines& lines, const std::string& start) {
        int n = 0;
        for (const std::string& l : lines) n += l.rfind(start, 0) == 0;
        return n;
    }
};

// Water over three temperatures, Siemens: an IF, an ELSE and one end_if.
TEST_F(CodeGenerator, LiquidBlockSiemens) {
    MediumCode = "VAT";
    Grid({{1, 0, "10"}, {5, 0, "50"}, {10, 0, "90"}, {1, 1, "300"}, {1, 2, "999,7"}, {5, 2, "988"}, {10, 2, "965,3"}});
    const TextLines expected = {"(*",
                                "GENVERKET;Generation of standardized code, IEC61131, Siemens PCS7",
                                "Density calculation error<0,1%",
                                "    300,000 <P(kPaA)< 300,000",
                                "    10,0000 <T(C)< 90,0000",
                                "*)",
                                "FUNCTION_BLOCK Genverket//calculates density from T",
                                "VAR_INPUT",
                                "T:real:=20.0000;//C",
                                "END_VAR",
                                "VAR_OUTPUT",
                                "density:real;//kg/m3",
                                "END_VAR",
                                "VAR",
                                "Tmax:real;",
                                "Tmin:real;",
                                "densmin:real;",
                                "densmax:real;",
                                "END_VAR",
                                "BEGIN",
                                "densmin:=1000.0;",
                                "densmax:=1000.0;",
                                "IF T<50.0000 then",
                                " Tmax:=50.0000;",
                                " Tmin:=10.0000;",
                                " densmin:=999.70;",
                                " densmax:=988.000;",
                                "ELSE",
                                " Tmax:=90.0000;",
                                " Tmin:=50.0000;",
                                " densmin:=988.000;",
                                " densmax:=965.300;",
                                "end_if;",
                                "density:=(densmin*(Tmax-T)+densmax*(T-Tmin))/(Tmax-Tmin);",
                                "END_FUNCTION_BLOCK",
                                "(*BigBlock slut/finished/Ende/Finito*)"};
    EXPECT_EQ(Generate("RAP"), expected);
    // Two columns: one interval, no chain.
    Grid({{1, 0, "10"}, {10, 0, "90"}, {1, 1, "300"}, {1, 2, "999,7"}, {10, 2, "965,3"}});
    const TextLines two = Generate("RAP");
    EXPECT_EQ(Count(two, "IF") + Count(two, "ELSE") + Count(two, "end_if"), 0);
    EXPECT_EQ(Count(two, " Tmax:="), 1);
}

// Air over a 2 x 2 table, ABB, in Swedish: the TAB rows inside the comment, the ratio "kvot".
TEST_F(CodeGenerator, GasBlockAbb) {
    Form1().ABBSiemens.SetCaption("ABB");
    Language('S');
    GasRange(100, 1000, 0, 100);
    Grid({{1, 1, "0,99"}, {10, 1, "0,98"}, {1, 10, "1,01"}, {10, 10, "0,97"}});
    DensityAssignmentLine = "densitet:=PkPa/550.000*323.150/(T+273.15)*kvot*5.93414;";
    // clang-format off
    const TextLines expected = {
        "(*",
        "GENVERKET;Tillverkning av standardiserad kod, IEC61131, ABB Industrial IT, Structured Text",
        "Densitet beräkningsfel<0,1%",
        "    100,000 <P(kPaA)< 1000,00",
        "    0,00000 <T(C)< 100,000",
        "Nedan följer Parametrar,variabler och kod till ABB Industrial IT",
        "miljön, t ex ControlBuilder och AC800M.",
        "Ex; Skapa ett funktionsblock \"densitet\" och kopiera över",
        "parametrar, variabler och kod från Tubalyx rapportdel",
        "genom att först markera sedan kopiera med Ctrl-C och slutligen",
        "klistra in i ABB´s funktionsblock (inställning Structured Text) med Ctrl-V",
        "2.Parametrar;",
        "P\treal\t\tin\t500.000\tkPa,absolute pressure",
        "T\treal\t\tin\t20.0000\tC",
        "densitet\treal\t\tout\t\tkg/m3",
        "3.Variabler;",
        "kvot\treal", "PkPa\treal", "Tmax\treal", "Tmin\treal", "Pmax\treal", "Pmin\treal",
        "kompminmax\treal", "kompmaxmax\treal", "kompminmin\treal", "kompmaxmin\treal",
        "4.Kod som strukturerad text ST",
        "*)",
        "kompminmin:=1.0;", "kompmaxmin:=1.0;", "kompminmax:=1.0;", "kompmaxmax:=1.0;",
        "PkPa:=P*1.00000;",
        " Tmax:=100.000;", " Tmin:=0.00000;", " Pmax:=1000.00;", " Pmin:=100.000;",
        " kompminmax:=1.01000;", " kompmaxmax:=0.97000;", " kompminmin:=0.99000;", " kompmaxmin:=0.98000;",
        "kvot:=(kompminmin*(Tmax-T)*(Pmax-PkPa)+kompmaxmin*(T-Tmin)*(Pmax-PkPa)+kompminmax*(Tmax-T)*(PkPa-Pmin)+"
        "kompmaxmax*(T-Tmin)*(PkPa-Pmin))/(Tmax-Tmin)/(Pmax-Pmin);",
        "densitet:=PkPa/550.000*323.150/(T+273.15)*kvot*5.93414;",
        "(*BigBlock slut/finished/Ende/Finito*)"};
    // clang-format on
    EXPECT_EQ(Generate("RAP"), expected);
}

// Saturated steam over three pressures, Siemens, in German.
TEST_F(CodeGenerator, SteamBlockSiemens) {
    Language('D');
    MediumCode = "MNG";
    // clang-format off
    Grid({{0, 1, "100"}, {0, 5, "500"}, {0, 10, "1000"}, {1, 1, "99,6"}, {1, 5, "151,8"}, {1, 10, "179,9"},
          {2, 1, "0,967"}, {2, 5, "0,997"}, {2, 10, "1,025"}});
    DensityAssignmentLine = "Dichte:=PkPa/550.000*428.620/(T+273.15)*Kvot*2.91987;";
    const TextLines expected = {"(*",
                            "GENVERKET;Herstellung von normiertes Rechnerkod, IEC61131, Siemens PCS7",
                            "Dichte Berechnungsfehler<0,1%",
                            "    100,000 <P(kPaA)< 1000,00",
                            "    0,00000 <T(C)< 0,00000",
                            "*)",
                            "FUNCTION_BLOCK Genverket//calculates density from P",
                            "VAR_INPUT",
                            "P:real:=500.000;//kPa,absolute pressure",
                            "END_VAR",
                            "VAR_OUTPUT",
                            "T:real:=20.0000;//C",
                            "Dichte:REAL;//kg/m3",
                            "END_VAR",
                            "VAR",
                            "kvot:real;", "PkPa:real;", "Tmax:real;", "Tmin:real;", "Pmax:real;", "Pmin:real;",
                            "kompminmax:real;", "kompminmin:real;",
                            "END_VAR",
                            "BEGIN",
                            "kompminmin:=1.0;",
                            "kompminmax:=1.0;",
                            "PkPa:=P*1.00000;",
                            "IF PkPa<500.000 then",
                            " Pmax:=500.000;", " Pmin:=100.000;", " Tmax:=151.800;", " Tmin:=99.600;",
                            " kompminmin:=0.96700;", " kompminmax:=0.99700;",
                            "ELSE",
                            " Pmax:=1000.00;", " Pmin:=500.000;", " Tmax:=179.900;", " Tmin:=151.800;",
                            " kompminmin:=0.99700;", " kompminmax:=1.02500;",
                            "end_if;",
                            "kvot:=(kompminmin*(Pmax-PkPa)+kompminmax*(PkPa-Pmin))/(Pmax-Pmin);",
                            "T:=((Pmax-PkPa)*Tmin+(PkPa-Pmin)*Tmax)/(Pmax-Pmin);",
                            "Dichte:=PkPa/550.000*428.620/(T+273.15)*Kvot*2.91987;",
                            "END_FUNCTION_BLOCK",
                            "(*BigBlock slut/finished/Ende/Finito*)"};
    // clang-format on
    const TextLines got = Generate("RAP");
    for (std::size_t k = 0; k < got.size() && k < expected.size(); ++k) EXPECT_EQ(got[k], expected[k]) << k;
    EXPECT_EQ(got.size(), expected.size());
}

// A 10 x 10 gas table: 81 cells of eight assignments, nine pressure chains and one
// temperature chain; every block and mode is well-formed Structured Text.
TEST_F(CodeGenerator, EveryBlockIsWellFormed) {
    CalcFunction = "Strypf";
    RootFlowFormulaText = "7200,00*Sqrt(dp)";
    const struct {
        const char* medium;
        double pmin, pmax, tmin, tmax;
    } media[] = {{"NGAS", 100, 5000, 0, 60}, {"MNG", 100, 1000, 0, 0}, {"VAT", 500, 500, 5, 95}};
    GasComposition = {};
    GasComposition[1] = 0.9, GasComposition[4] = 0.1;
    for (const auto& m : media) {
        MediumCode = m.medium, PhaseLetter = 'N';
        PressureMinInput = m.pmin, PressureMaxInput = m.pmax, PressureMinPa = m.pmin * 1000;
        TemperatureMinC = m.tmin, TemperatureMaxC = m.tmax;
        WriteCompressibilityTable();
        Form1().PTberfel.SetText("0");
        BuildCompensationTable(true);
        ReportBlock flow;
        AddFlowFunctionBlock(flow, "where fmat(q_rot_mat)=(1-0,58623E-2/q_rot_mat**(3/4))/0,99997");
        for (const char* letter : {"E", "S"}) {
            Language(letter[0]);
            for (const auto& [mode, caption] :
                 {std::pair{"RAP", "ABB"}, {"RAP", "Siemens"}, {"ABB", "ABB"}, {"SIEMENS", "Siemens"}}) {
                Form1().ABBSiemens.SetCaption(caption);
                const TextLines block = Generate(mode);
                const std::string where = std::string(m.medium) + " " + mode + " " + caption + " " + letter;
                EXPECT_EQ(sttest::StructuredTextProblem(block, std::string(caption) == "Siemens"), "") << where;
                if (std::string(m.medium) == "NGAS") {
                    EXPECT_EQ(Count(block, " kompminmin:="), 81) << where;
                    EXPECT_EQ(Count(block, " Tmax:=") + Count(block, " Tmin:=") + Count(block, " Pmax:=") +
                                  Count(block, " Pmin:=") + Count(block, " kompm"),
                              81 * 8)
                        << where;
                    EXPECT_EQ(Count(block, "end_if;"), 10 + (std::string(mode) == "RAP" ? 0 : 2)) << where;
                    EXPECT_EQ(Count(block, letter[0] == 'E' ? "quote:=" : "kvot:="), 1) << where;
                }
            }
        }
    }
}

// The BigBlock of a gas in the Siemens form, in the order of its parts, with the flow lines of
// the big report; a volume unit divides by fdens_mat, ABB takes the ABB forms.
TEST_F(CodeGenerator, BigBlockTakesTheFlowLinesOfTheBigReport) {
    GasRange(100, 1000, 0, 100);
    Grid({{1, 1, "0,99"}, {10, 1, "0,98"}, {1, 10, "1,01"}, {10, 10, "0,97"}});
    RootFlowFormulaText = "7200,00*Sqrt(dp)";
    ReportBlock flow;
    AddFlowFunctionBlock(flow, "where fmat(q_rot_mat)=(1-0,58623E-2/q_rot_mat**(3/4))/0,99997");
    DensityRatioText = "1.012000";
    DensityAssignmentLine = "density:=PkPa/550.000*323.150/(T+273.15)*quote*5.93414;";
    const TextLines block = Generate("SIEMENS");
    const std::vector<std::string> order = {"FUNCTION_BLOCK Genverket//BigBlock, calculates flow from dp",
                                            "VAR_INPUT",
                                            "P:real:=",
                                            "T:real:=",
                                            "dpcell:real;",
                                            "dp_max:real:=",
                                            "dp_rot:bool",
                                            "END_VAR",
                                            "VAR_OUTPUT",
                                            "density:real;",
                                            "q_pol_mat_PT:real;",
                                            "END_VAR",
                                            "VAR",
                                            "q_pol_mat:real;",
                                            "q_rot_mat:real;",
                                            "fmat:real;",
                                            "dp:real;",
                                            "fdens_mat:real;",
                                            "quote:real;",
                                            "END_VAR",
                                            "BEGIN",
                                            "kompminmin:=1.0;",
                                            "PkPa:=P*1.00000;",
                                            " Tmax:=",
                                            "quote:=",
                                            "fdens_mat:=sqrt(PkPa/550.000*323.150/(T+273.15)*quote*1.012000);",
                                            "dp:=dpcell;",
                                            "q_rot_mat:= 7200.00*Sqrt(dp);",
                                            "if q_rot_mat>0 then",
                                            " fmat:=(1-0.58623E-2/(q_rot_mat**0.75))/0.99997;",
                                            "q_pol_mat:=q_rot_mat*fmat;",
                                            "q_pol_mat_PT:=q_pol_mat*fdens_mat;",
                                            "density:=",
                                            "END_FUNCTION_BLOCK"};
    std::size_t at = 0;
    for (const std::string& part : order) {
        while (at < block.size() && block[at].rfind(part, 0) != 0) ++at;
        EXPECT_LT(at, block.size()) << "missing or out of order: " << part;
    }
    EXPECT_EQ(sttest::StructuredTextProblem(block, true), "");
    FlowUnit = "m3/h";
    EXPECT_EQ(Count(Generate("SIEMENS"), "q_pol_mat_PT:=q_pol_mat/fdens_mat;"), 1);
    Form1().ABBSiemens.SetCaption("ABB");
    const TextLines abb = Generate("ABB");
    EXPECT_EQ(abb.at(1), "Mode/BigBlock");
    EXPECT_EQ(Count(abb, " fmat:=(1-0.58623E-2/expt(q_rot_mat,0.75))/0.99997;"), 1);
    EXPECT_EQ(Count(abb, "Ex; Create a functionblock \"flow\" and copy"), 1);
    EXPECT_EQ(sttest::StructuredTextProblem(abb, false), "");
}

// Every name a liquid BigBlock assigns is declared, also where the big report left no line
// (no compensated output for a liquid, no polynomial in a cone meter, no report at all).
TEST_F(CodeGenerator, BigBlockDeclaresEveryAssignedName) {
    MediumCode = "VAT";
    Grid({{1, 0, "10"}, {10, 0, "90"}, {1, 1, "300"}, {1, 2, "999,7"}, {10, 2, "965,3"}});
    for (const char* fmat : {"where fmat(q_rot_mat)=(1-0,58623E-2/q_rot_mat**(3/4))/0,99997", ""}) {
        ReportBlock flow;
        AddFlowFunctionBlock(flow, fmat);
        const TextLines block = Generate("SIEMENS");
        const std::string compensated = *fmat ? "q_pol_mat_PT" : "q_rot_mat_PT";
        for (const std::string& name : {compensated, std::string("q_pol_mat"), std::string("q_rot_mat"),
                                        std::string("fmat"), std::string("fdens_mat")}) {
            EXPECT_EQ(Count(block, name + ":real;"), 1) << name << " fmat '" << fmat << "'";
            int assigned = 0;
            for (const std::string& line : block) assigned += line.find(name + ":=") != std::string::npos;
            EXPECT_GE(assigned, 1) << name;
        }
        EXPECT_EQ(sttest::StructuredTextProblem(block, true), "");
    }
    // Before any big report the block has no empty lines where the flow lines would stand.
    FlowBlockLines.fill(FlowBlockLine{});
    const TextLines bare = Generate("SIEMENS");
    EXPECT_EQ(Count(bare, "dp:=dpcell;"), 0);
    for (const std::string& line : bare) EXPECT_FALSE(line.empty());
    EXPECT_EQ(sttest::StructuredTextProblem(bare, true), "");
}

TEST_F(CodeGenerator, NumbersOfCodeCarryAPointOnEitherPlatform) {
    for (char separator : {',', '.'}) {
        SetDecimalSeparator(separator);
        EXPECT_EQ(codegen::CodeNumber(20), "20.0000");
        EXPECT_EQ(codegen::CodeNumber(101.325), "101.325");
        EXPECT_EQ(codegen::CodeNumber(0.001), "0.00100");
    }
}

// Blocks stack below the newest report, the later first; the compute-only mode leaves the
// window as it was, attributes included, and returns the table's error.
TEST_F(CodeGenerator, PlaceInTheReportWindow) {
    MediumCode = "VAT";
    Grid({{1, 0, "10"}, {10, 0, "90"}, {1, 1, "300"}, {1, 2, "999,7"}, {10, 2, "965,3"}});
    Generate("RAP");
    DensityTableErrorPercent = 0.5;
    double result = 1.0;
    GenerateControlCode("RAP", result);
    const TextLines all = Lines();
    EXPECT_EQ(Count(all, "FUNCTION_BLOCK Genverket//calculates density from T"), 2);
    EXPECT_EQ(all[2], "(*");
    // The later block (its error line 0,5 %) stands first, the earlier (0,1 %) after it.
    const int later = IndexOf(all, "Density calculation error<0,5%", true);
    const int earlier = IndexOf(all, "Density calculation error<0,1%", true);
    EXPECT_EQ(later, 4);
    EXPECT_GT(earlier, later);
    EXPECT_EQ(all.back(), "earlier");
    EXPECT_EQ(ReportLinesWritten, 1);
    EXPECT_EQ(AttributesOf(3).Color, clBlue);
    const TRichContent before = ReportWindow().Content();
    result = 0.0;
    GenerateControlCode("BER", result);
    EXPECT_EQ(ReportWindow().Content(), before);
    EXPECT_GT(result, 0.0);
    EXPECT_LT(result, 1.0);
}

TEST_F(CodeGenerator, HandlersShowTheHintUntilTheirPrerequisitesAreMet) {
    TForm1& f = Form1();
    f.kod.SetHint("First Density calculations/Run");
    f.kod.SetLeft(40), f.kod.SetTop(70);
    DensityTableReady = false;
    ClearReport();
    f.kodClick(&f.kod);
    EXPECT_TRUE(f.kodkomment.Visible());
    EXPECT_EQ(f.kodkomment.Caption(), "First Density calculations/Run");
    EXPECT_EQ(f.kodkomment.Left(), 40);
    EXPECT_EQ(f.kodkomment.Top(), 70);
    EXPECT_EQ(ReportLineCount(), 0);
    // A ready table but a small report: the BigBlock's hint, no code.
    DensityTableReady = true;
    CalcFunction = "Strypf";
    f.litenstor.SetCaption("Small");
    f.BigBlock.SetHint("First Report/Big,Report/Run,Density calculations/Run");
    f.BBclick(&f.BigBlock);
    EXPECT_EQ(f.kodkomment.Caption(), f.BigBlock.Hint());
    EXPECT_EQ(ReportLineCount(), 0);
    f.kodkommentClick(&f.kodkomment);
    EXPECT_FALSE(f.kodkomment.Visible());
}

}  // namespace
}  // namespace tubalyx
