// One test per calculation a user makes in the window: pick the function and the medium from
// the menus, type the duty into the questionnaire, press "Run", and read the headline number
// from the report widget. Each number is checked against a published value or a formula worked
// in the test, never against the program's own output.
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QTableWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <numbers>

#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "ui/form1.h"
#include "window_driver.h"

using namespace tubalyx;

namespace {

constexpr double kPi = std::numbers::pi;

// Water at 20 C and 101.325 kPa (IAPWS-95 density, IAPWS 2008 viscosity); the program's
// industrial formulation agrees within 0.02 % and 0.1 %.
constexpr double kWaterDensity = 998.207, kWaterViscosity = 1.0016e-3;

// The number text the user types on the current platform.
QString Typed(const char* number) {
    QString text = number;
    return text.replace('.', QChar(DecimalSeparator()));
}

// The discharge coefficient of an orifice plate with corner tappings (Reader-Harris/Gallagher,
// ISO 5167-2:2003 equation 4, L1 = L2' = 0, D at least 71.12 mm).
double OrificeC(double beta, double reD) {
    const double a = std::pow(19000 * beta / reD, 0.8);
    return 0.5961 + 0.0261 * beta * beta - 0.216 * std::pow(beta, 8) + 0.000521 * std::pow(1e6 * beta / reD, 0.7) +
           (0.0188 + 0.0063 * a) * std::pow(beta, 3.5) * std::pow(1e6 / reD, 0.3) +
           (0.043 + 0.080 - 0.123) * (1 - 0.11 * a) * std::pow(beta, 4) / (1 - std::pow(beta, 4));
}

// Mass flow (kg/s) of water through an orifice plate, by iteration on the Reynolds number.
double OrificeFlow(double d, double D, double dp) {
    double q = 1.0;
    for (int i = 0; i < 50; ++i) {
        const double reD = 4 * q / (kPi * D * kWaterViscosity);
        const double beta = d / D;
        q = OrificeC(beta, reD) / std::sqrt(1 - std::pow(beta, 4)) * kPi / 4 * d * d *
            std::sqrt(2 * dp * kWaterDensity);
    }
    return q;
}

// The bore (m) that passes 50 t/h of water at 25 kPa in a 100 mm line, by bisection.
double BoreFor50TonsAt25KPa() {
    double lo = 0.02, hi = 0.075;
    for (int i = 0; i < 60; ++i) (OrificeFlow((lo + hi) / 2, 0.1, 25e3) < 50 / 3.6 ? lo : hi) = (lo + hi) / 2;
    EXPECT_TRUE(lo > 0.021 && hi < 0.074);
    return lo;
}

// The discharge coefficient of a classical venturi with a machined convergent, tabulated by the
// throat Reynolds number and linear between the points of the table.
double MachinedVenturiC(double throatRe) {
    const double points[][2] = {{5e4, 0.970}, {1e5, 0.977}, {2e5, 0.992}, {3e5, 0.998},
                                {5e5, 0.995}, {1e6, 1.000}, {2e6, 1.010}};
    if (throatRe <= points[0][0]) return points[0][1];
    for (int i = 1; i < 7; ++i)
        if (throatRe <= points[i][0])
            return points[i - 1][1] + (points[i][1] - points[i - 1][1]) * (throatRe - points[i - 1][0]) /
                                          (points[i][0] - points[i - 1][0]);
    return points[6][1];
}

}  // namespace

class Calculation : public ProgramWindow {
protected:
    void SetUp() override {
        ProgramWindow::SetUp();
        ChooseMenu({Form1().Meny1, Form1().English});
    }
    void ChooseMedium(const TMenuItem* item) {
        Click(Form1().Medialabel);
        ChoosePopup(Form1().Mediamenu, {item});
    }
    void ChooseSolved(const TMenuItem* item) {
        Click(Form1().Strypbertyp);
        ChoosePopup(Form1().Strypbermenu, {item});
    }
    // Sizes an orifice for 50 t/h of water at 25 kPa in a 100 mm line, down to `minFlow` t/h.
    void SizeAnOrificeForWater(const char* minFlow) {
        TForm1& f = Form1();
        ChooseMenu({f.Strypsnabb});
        ChooseMedium(f.VAT);
        TypeInto(f.Dstorkallmm, "100");
        TypeInto(f.maxflowantal, "50");
        TypeInto(f.minflowantal, minFlow);
        TypeInto(f.difftryckmaxantal, "25");
        Run();
    }
};

TEST_F(Calculation, ThermodynamicsOfWaterAndSteamOnBothSeparators) {
    TForm1& f = Form1();
    struct Case {
        const char* name;
        const TMenuItem* medium;
        const char *temperature, *pressure;
        double density, tolerance;
    };
    // Steam: the formulation's own worked value, v(1 MPa, 200 C) = 0.20592 m3/kg.
    const Case cases[] = {{"water", f.VAT, "20", "101.325", kWaterDensity, 0.2},
                          {"steam", f.ANG, "200", "1000", 1 / 0.20592, 0.001}};
    for (char separator : {'.', ','}) {
        ReopenWithSeparator(separator);
        ChooseMenu({f.Meny1, f.English});
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " with '" + separator + "'");
            ChooseMenu({f.Termosnabb});
            ChooseMedium(c.medium);
            TypeInto(f.temp, Typed(c.temperature));
            TypeInto(f.abstryckantal, Typed(c.pressure));
            Run();
            EXPECT_NEAR(ReportValue(ReportLines(), "Density"), c.density, c.tolerance);
        }
    }
}

// The published check value of the detailed natural-gas method: Z = 0.889291 for 90 % methane,
// 2 % nitrogen, 2 % carbon dioxide, 5 % ethane and 1 % propane at 288.15 K and 5000 kPa.
TEST_F(Calculation, NaturalGasWithATypedComposition) {
    TForm1& f = Form1();
    ChooseMenu({f.Termosnabb});
    ChooseMedium(f.Naturgas);
    const struct {
        const char* component;
        int row;
        const char* molar;
        double molarMass;  // kg/kmol, as the method publishes them
    } gas[] = {{"CH4", 2, "90", 16.043},
               {"C2H6", 3, "5", 30.07},
               {"C3H8", 4, "1", 44.097},
               {"N2", 7, "2", 28.0135},
               {"CO2", 8, "2", 44.01}};
    double molarMass = 0.0;
    for (const auto& g : gas) {
        ASSERT_EQ(CellShown(f.ViktVolprocGrid, 0, g.row), g.component);
        TypeIntoCell(f.ViktVolprocGrid, 5, g.row, g.molar, Qt::Key_Return);
        molarMass += std::stod(g.molar) / 100 * g.molarMass;
    }
    TypeInto(f.temp, "15");
    TypeInto(f.abstryckantal, "5000");
    Run();
    const double density = 5e6 * molarMass / 1000 / (0.889291 * 8.31451 * 288.15);
    EXPECT_NEAR(ReportValue(ReportLines(), "Density"), density, 1e-3 * density);
}

// An orifice plate with corner tappings in a 100 mm water line, solved for each unknown.
TEST_F(Calculation, AnOrificeSolvedForBoreFlowAndDifferentialPressure) {
    TForm1& f = Form1();
    constexpr double D = 0.1;
    ChooseMenu({f.Strypsnabb});
    ChooseMedium(f.VAT);
    TypeInto(f.Dstorkallmm, "100");
    TypeInto(f.temp, "20");
    TypeInto(f.abstryckantal, "101.325");

    ChooseSolved(f.Hldiameter1);
    TypeInto(f.maxflowantal, "50");
    TypeInto(f.minflowantal, "20");
    TypeInto(f.difftryckmaxantal, "25");
    Run();
    EXPECT_NEAR(ReportValue(ReportLines(), "Throat diameter d cold (=20 C)"), BoreFor50TonsAt25KPa() * 1e3, 0.01);

    ChooseSolved(f.Flde1);
    TypeInto(f.dkallmm, "60");
    TypeInto(f.difftryckmaxantal, "25");
    Run();
    const double flow = OrificeFlow(0.06, D, 25e3) * 3.6;  // t/h
    EXPECT_NEAR(ReportValue(ReportLines(), "Flow_______(ton/h)"), flow, 5e-4 * flow);

    ChooseSolved(f.Differenstryck1);
    TypeInto(f.dkallmm, "60");
    TypeInto(f.maxflowantal, "50");
    Run();
    double lo = 1e3, hi = 1e5;
    for (int i = 0; i < 60; ++i) (OrificeFlow(0.06, D, (lo + hi) / 2) < 50 / 3.6 ? lo : hi) = (lo + hi) / 2;
    EXPECT_NEAR(ReportValue(ReportLines(), "Maximal Differential Pressure"), lo / 1e3, 1e-3 * lo / 1e3);
}

// A machined classical venturi (C from the throat Reynolds number) and a V-cone (qm = Cf K sqrt(dp), with
// K = sqrt(2 rho) pi/4 D^2 beta^2 / sqrt(1 - beta^4) and beta^2 = 1 - d^2/D^2), solved for flow.
TEST_F(Calculation, AVenturiAndAVConeSolvedForFlow) {
    TForm1& f = Form1();
    constexpr double D = 0.1, dp = 25e3;
    ChooseMenu({f.Strypsnabb});
    ChooseMedium(f.VAT);
    ChooseSolved(f.Flde1);
    Click(f.strypsort);
    ChoosePopup(f.Strypsortmenu, {f.VenturiBearbetat1});
    TypeInto(f.Dstorkallmm, "100");
    TypeInto(f.dkallmm, "60");
    TypeInto(f.difftryckmaxantal, "25");
    Run();
    const double beta = 0.6;
    double venturi = 1.0;  // kg/s
    for (int i = 0; i < 50; ++i) {
        const double throatRe = 4 * venturi / (kPi * D * kWaterViscosity) / beta;
        venturi = MachinedVenturiC(throatRe) / std::sqrt(1 - std::pow(beta, 4)) * kPi / 4 * 0.06 * 0.06 *
                  std::sqrt(2 * dp * kWaterDensity);
    }
    venturi *= 3.6;
    EXPECT_NEAR(ReportValue(ReportLines(), "Flow_______(ton/h)"), venturi, 3e-4 * venturi);

    ChooseMenu({f.Commersialflowmeters1});
    TypeInto(f.Dstorkallmm, "100");
    TypeInto(f.dkallmm, "70");
    TypeInto(f.Cf, "0.82");
    TypeInto(f.difftryckmaxantal, "25");
    Run();
    const double beta2 = 1 - 0.7 * 0.7;
    const double cone =
        0.82 * std::sqrt(2 * kWaterDensity * dp) * kPi / 4 * D * D * beta2 / std::sqrt(1 - beta2 * beta2) * 3.6;
    EXPECT_NEAR(ReportValue(ReportLines(), "Flow_______(ton/h)"), cone, 3e-4 * cone);
    // The run wrote the flow with all its digits into the flow edit, which the valve page shows:
    // it reads from its first digit.
    ChooseMenu({f.Ventiler3});
    auto* maxflow = qobject_cast<QLineEdit*>(Widget(f.maxflowantal));
    ASSERT_TRUE(maxflow && maxflow->isVisible());
    EXPECT_GT(maxflow->fontMetrics().horizontalAdvance(maxflow->text()), maxflow->width()) << "a short text";
    EXPECT_EQ(maxflow->cursorPosition(), 0) << maxflow->text().toStdString();
}

// A liquid control valve and a restriction orifice for water, both sized by the valve equation
// Kv = Q sqrt((rho / 1000) / dp), Q in m3/h and dp in bar (IEC 60534).
TEST_F(Calculation, AValveAndARestrictionOrificeByTheirKv) {
    TForm1& f = Form1();
    const struct {
        const char* name;
        const TMenuItem* function;
        const char *inlet, *outlet, *flow;  // kPa, kPa, t/h
        const char* label;
    } cases[] = {{"valve", f.Ventiler3, "500", "300", "50", "Flow factor Kv"},
                 {"restriction orifice", f.Restrictionorifice2, "400", "250", "20", "Restriction Kv"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ChooseMenu({c.function});
        ChooseMedium(f.VAT);
        TypeInto(f.temp, "20");
        TypeInto(f.abstryckantal, c.inlet);
        TypeInto(f.difftryckmaxantal, c.outlet);
        TypeInto(f.maxflowantal, c.flow);
        Run();
        const double q = std::stod(c.flow) * 1e3 / kWaterDensity;            // m3/h
        const double dp = (std::stod(c.inlet) - std::stod(c.outlet)) / 100;  // bar
        const double kv = q * std::sqrt(kWaterDensity / 1000 / dp);
        EXPECT_NEAR(ReportValue(ReportLines(), c.label), kv, 5e-4 * kv);
    }
}

// A 100 m water line of 100 mm with two fittings placed from the resistance grid's pop-up: a
// sharp pipe entrance (K = 0.5) and a valve of Kv 100 (dp = rho/1000 (Q/Kv)^2 bar). The friction
// factor is Colebrook's; the line's irreversible loss is the sum of the three.
TEST_F(Calculation, ALinePressureLossWithTwoFittingsFromTheResistanceGrid) {
    TForm1& f = Form1();
    ChooseMenu({f.Tryckfsnabb});
    ChooseMedium(f.VAT);
    TypeInto(f.temp, "20");
    TypeInto(f.abstryckantal, "500");
    TypeInto(f.matstrack, "100");
    TypeInto(f.Dstorkallmm, "100");
    TypeInto(f.Dstorrahetmm, "0.05");
    TypeInto(f.maxflowantal, "36");
    ClickCell(f.Motstandgrid, 1, 1);
    ChoosePopup(f.MotstandPopup, {f.InloppUtlopptillkrl1, f.Utloppfrnkrlskarpkant1});
    ClickCell(f.Motstandgrid, 2, 1);
    ChoosePopup(f.MotstandPopup, {f.Ventilvalbartkv1});
    EXPECT_NEAR(std::stod(CellShown(f.Motstandgrid, 1, 2)), 0.5, 1e-9);
    TypeIntoCell(f.Motstandgrid, 2, 6, "100", Qt::Key_Return);
    Screenshot("pressure_loss_two_fittings");
    Run();
    constexpr double D = 0.1, length = 100, roughness = 0.05e-3, massFlow = 10.0;  // 36 t/h
    const double v = massFlow / kWaterDensity / (kPi / 4 * D * D);
    const double re = kWaterDensity * v * D / kWaterViscosity;
    double friction = 0.02;
    for (int i = 0; i < 50; ++i)
        friction = std::pow(-2 * std::log10(roughness / D / 3.7 + 2.51 / (re * std::sqrt(friction))), -2);
    const double dynamic = kWaterDensity * v * v / 2;
    const double q = massFlow / kWaterDensity * 3600;  // m3/h
    const double valve = kWaterDensity / 1000 * (q / 100) * (q / 100) * 1e5;
    const double loss = ((friction * length / D + 0.5) * dynamic + valve) / 1e3;  // kPa
    EXPECT_NEAR(ReportValue(ReportLines(), "Pressureloss (irreversible)"), loss, 3e-3 * loss);
}

// The uncertainty budget of an orifice with every source set to 0 but the dp transmitter's 1 %
// of the actual dp: the flow moves by sqrt(1.01) - 1 at every flow point (the discharge
// coefficient barely changes with the flow's Reynolds number).
TEST_F(Calculation, TheUncertaintyBudgetOfOneSource) {
    TForm1& f = Form1();
    SizeAnOrificeForWater("5");
    ChooseMenu({f.Oskerhet1});
    for (int row : {1, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17}) {
        if (Table(f.Felsimulgrid).isRowHidden(row)) continue;
        SCOPED_TRACE("row " + std::to_string(row));
        TypeIntoCell(f.Felsimulgrid, 1, row, row == 4 ? "1" : "0", Qt::Key_Return);
    }
    Click(f.Felsimulrubrik);
    Screenshot("uncertainty_grid");
    // Every flow point from 10 to 100 % is shown; the grid shows its values to two decimals.
    const int totalRow = 21;
    ASSERT_EQ(CellShown(f.Felsimulgrid, 0, totalRow), "Total uncertainty % of actual Flow");
    const double expected = (std::sqrt(1.01) - 1) * 100;
    for (int col = 2; col <= 11; ++col) {
        SCOPED_TRACE("column " + std::to_string(col));
        EXPECT_NEAR(std::stod(CellShown(f.Felsimulgrid, col, 0)), 10.0 * (col - 1), 1e-9);
        EXPECT_NEAR(std::stod(CellShown(f.Felsimulgrid, col, totalRow)), expected, 0.011);
    }
}

// The report printed to a PDF file through the print dialog holds the report's numbers.
TEST_F(Calculation, TheReportPrintedToAPdf) {
    if (std::system("command -v pdftotext > /dev/null") != 0) GTEST_SKIP() << "no pdftotext to read the PDF back";
    TForm1& f = Form1();
    ChooseMenu({f.Termosnabb});
    ChooseMedium(f.VAT);
    TypeInto(f.temp, "20");
    TypeInto(f.abstryckantal, "101.325");
    Run();
    QTemporaryDir dir;
    const QString pdf = std::getenv("TUBALYX_KEEP_PDF") ? QString("/tmp/report.pdf") : dir.filePath("report.pdf");
    AnswerNextDialog([&](QDialog& dialog) {
        auto* file = dialog.findChild<QLineEdit*>("filename");
        ASSERT_NE(file, nullptr) << "the print dialog offers no file";
        file->setText(pdf);
        dialog.accept();
    });
    ChooseMenu({f.Meny1, f.Utskrift1});
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly)) << "nothing printed";
    EXPECT_TRUE(printed.readAll().startsWith("%PDF"));
    const QString text = dir.filePath("report.txt");
    ASSERT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + text + "'").toUtf8().constData()), 0);
    QFile lines(text);
    ASSERT_TRUE(lines.open(QIODevice::ReadOnly | QIODevice::Text));
    std::vector<std::string> read;
    for (const QByteArray& line : lines.readAll().split('\n')) read.push_back(line.trimmed().toStdString());
    EXPECT_NEAR(ReportValue(read, "Density"), kWaterDensity, 0.2);
}

// A calculation saved to a file and loaded again: the inputs come back and give the same result.
TEST_F(Calculation, ACalculationSavedAndLoadedAgain) {
    TForm1& f = Form1();
    ChooseMenu({f.Termosnabb});
    ChooseMedium(f.VAT);
    TypeInto(f.temp, "80");
    TypeInto(f.abstryckantal, "101.325");
    QTemporaryDir dir;
    const QString file = dir.filePath("water.txt");
    // The file name typed into the dialog's name field, as a user types it.
    auto answerWith = [&](QDialog& dialog) {
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr) << "the file dialog has no name field";
        name->setText(file);
        dialog.accept();
    };
    AnswerNextDialog(answerWith);
    ChooseMenu({f.Meny1, f.Sparaberkningsdatasom1});
    ASSERT_TRUE(QFile::exists(file));
    TypeInto(f.temp, "20");
    Run();
    EXPECT_NEAR(ReportValue(ReportLines(), "Density"), kWaterDensity, 0.2);
    AnswerNextDialog(answerWith);
    ChooseMenu({f.Meny1, f.Laddaberkningsdata1});
    EXPECT_EQ(qobject_cast<QLineEdit*>(Widget(f.temp))->text(), "80");
    Run();
    EXPECT_NEAR(ReportValue(ReportLines(), "Density"), 971.79, 0.2);  // IAPWS-95, 80 C, 0.1 MPa
}

// After a temperature beyond any thermal expansion, runs from the "Run" label (which leaves
// the focus in the edit) took the pipe at it and failed until the edit was left.
TEST_F(Calculation, ASoundRunAfterATemperatureBeyondAnyRange) {
    TForm1& f = Form1();
    ChooseMenu({f.Termosnabb});
    ChooseMedium(f.VAT);
    TypeInto(f.temp, "1.7e308");
    Run();
    ASSERT_NE(LineStarting(ReportLines(), "INPUT ERROR!!!"), nullptr);
    TypeInto(f.temp, "20");
    Run();
    EXPECT_NEAR(ReportValue(ReportLines(), "Density"), kWaterDensity, 0.2);
}

// The density table of water over 20 to 80 C, the range of the questionnaire, and the code
// generated from it: the table's end points are the published densities (IAPWS-95: 998.21 and
// 971.79 kg/m3), and every density of the table stands in the generated code. The axes show
// the questionnaire's limits, the temperature typed just before "Run" too, and take no typing.
TEST_F(Calculation, TheCompensationTableAndItsGeneratedCode) {
    TForm1& f = Form1();
    ChooseMenu({f.Strypsnabb});
    ChooseMedium(f.VAT);
    TypeInto(f.temp, "80");
    Run();
    ChooseMenu({f.Densitet1});
    TypeIntoCell(f.PTKompgrid, 10, 0, "50", Qt::Key_Return);
    TypeIntoCell(f.PTKompgrid, 1, 0, "30", Qt::Key_Return);
    TypeInto(f.PTberfel, "0.01");
    Click(f.Label2);
    ASSERT_EQ(std::stod(CellShown(f.PTKompgrid, 1, 0)), 20.0);
    ASSERT_EQ(std::stod(CellShown(f.PTKompgrid, 10, 0)), 80.0);
    EXPECT_NEAR(std::stod(CellShown(f.PTKompgrid, 1, 2)), 998.21, 0.15);
    EXPECT_NEAR(std::stod(CellShown(f.PTKompgrid, 10, 2)), 971.79, 0.15);
    std::vector<std::string> densities;
    for (int col = 1; col <= 10; ++col)
        if (!CellShown(f.PTKompgrid, col, 2).empty()) densities.push_back(CellShown(f.PTKompgrid, col, 2));
    EXPECT_GT(densities.size(), 2u) << "an error limit of 0.01 % needs points between the ends";
    Click(f.kod);
    std::string code;
    for (const std::string& line : ReportLines()) code += line + "\n";
    ASSERT_NE(code.find("FUNCTION_BLOCK"), std::string::npos);
    // The window shows the new code from its title, though its label stands beside the report.
    const std::vector<std::string> lines = ReportLines();
    const auto title = std::find_if(lines.begin(), lines.end(),
                                    [](const std::string& l) { return l.starts_with("GENVERKET;Generation of"); });
    ASSERT_NE(title, lines.end());
    EXPECT_TRUE(ReportLineSeen(static_cast<int>(title - lines.begin())));
    for (const std::string& density : densities) EXPECT_NE(code.find(density), std::string::npos) << density;
}

// The data sheet of an orifice sized for 50 t/h of water at 25 kPa in a 100 mm line.
TEST_F(Calculation, TheDataSheetOfASizedOrifice) {
    TForm1& f = Form1();
    SizeAnOrificeForWater("20");
    const size_t before = ReportLines().size();
    Click(f.DSAprint);
    const std::vector<std::string> lines = ReportLines();
    ASSERT_GT(lines.size(), before);
    // The sheet's values stand one a line; the pipe diameter is followed by the bore and beta.
    std::vector<double> values;
    for (size_t i = before; i < lines.size(); ++i) {
        std::string text = lines[i];
        const size_t last = text.find_last_of(' ');
        std::string number = last == std::string::npos ? text : text.substr(last + 1);
        if (!number.empty() && std::isdigit(static_cast<unsigned char>(number[0])))
            values.push_back(StrToFloatAnySep(number));
    }
    const double bore = BoreFor50TonsAt25KPa();
    const auto pipe = std::find(values.begin(), values.end(), 100.0);
    ASSERT_TRUE(pipe != values.end() && pipe + 2 < values.end()) << "no pipe diameter on the sheet";
    EXPECT_NEAR(pipe[1], bore * 1e3, 0.01);  // mm
    EXPECT_NEAR(pipe[2], bore / 0.1, 1e-4);  // beta
}

// A file name typed into a save dialog without an extension takes that of the filter chosen:
// the calculation as "ngas40.tbx", the report as text or, with the PDF filter, as a PDF. A name
// with an extension keeps it, and the filter for any file adds none.
TEST_F(Calculation, ASavedFileTakesTheExtensionOfTheChosenFilter) {
    TForm1& f = Form1();
    ChooseMenu({f.Termosnabb});
    Run();
    const struct Save {
        const TMenuItem* item;
        const char* filter;  // nullptr: the dialog's first
        const char* typed;
        const char* written;
    } saves[] = {{f.Sparaberkningsdatasom1, nullptr, "ngas40", "ngas40.tbx"},
                 {f.Sparaberkningsdatasom1, nullptr, "ngas40.dat", "ngas40.dat"},
                 {f.Sparaberkningsdatasom1, "* (*)", "ngas40", "ngas40"},
                 {f.Sparasom1, nullptr, "report", "report.txt"},
                 {f.Sparasom1, "PDF (*.pdf)", "report", "report.pdf"}};
    for (const Save& save : saves) {
        SCOPED_TRACE(save.item->Name() + " " + save.typed);
        QTemporaryDir dir;
        AnswerNextDialog([&](QDialog& dialog) {
            auto& files = static_cast<QFileDialog&>(dialog);
            if (save.filter) files.selectNameFilter(save.filter);
            auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr) << "the file dialog has no name field";
            name->setText(dir.filePath(save.typed));
            dialog.accept();
        });
        ChooseMenu({f.Meny1, save.item});
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList(save.written));
        QFile written(dir.filePath(save.written));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.read(4) == "%PDF", QString(save.written).endsWith(".pdf"));
        if (save.item == f.Sparaberkningsdatasom1) {
            EXPECT_TRUE(Window().windowTitle().endsWith(save.written));
        }
    }
}

// After the calculation has been saved as "ngas40.tbx", saving the report proposes the same name
// with the extension of the filter shown, ".txt" and, once "PDF" is chosen, ".pdf": accepted as
// proposed it writes the report beside the calculation data, which stay as saved.
TEST_F(Calculation, TheReportSavedAfterTheCalculationIsProposedUnderTheFiltersExtension) {
    TForm1& f = Form1();
    ChooseMenu({f.Termosnabb});
    Run();
    const struct Proposal {
        const char* filter;  // nullptr: the dialog's first
        const char* shownFilter;
        const char* proposed;
    } proposals[] = {{nullptr, "Text (*.txt)", "ngas40.txt"}, {"PDF (*.pdf)", "PDF (*.pdf)", "ngas40.pdf"}};
    for (const Proposal& proposal : proposals) {
        SCOPED_TRACE(proposal.shownFilter);
        QTemporaryDir dir;
        // Types `typed` over the name, or takes the proposal where it is the one expected: another
        // would ask to overwrite the calculation data.
        const auto answer = [](const char* filter, const QString& typed, QString* shown, QString* shownFilter,
                               const char* expected) {
            return [=](QDialog& dialog) {
                auto& files = static_cast<QFileDialog&>(dialog);
                if (filter) files.selectNameFilter(filter);
                auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
                ASSERT_NE(name, nullptr) << "the file dialog has no name field";
                if (shown) *shown = name->text();
                if (shownFilter) *shownFilter = files.selectedNameFilter();
                if (!typed.isEmpty()) name->setText(typed);
                if (typed.isEmpty() && name->text() != expected)
                    dialog.reject();
                else
                    dialog.accept();
            };
        };
        AnswerNextDialog(answer(nullptr, dir.filePath("ngas40"), nullptr, nullptr, nullptr));
        ChooseMenu({f.Meny1, f.Sparaberkningsdatasom1});
        QFile data(dir.filePath("ngas40.tbx"));
        ASSERT_TRUE(data.open(QIODevice::ReadOnly));
        const QByteArray saved = data.readAll();
        data.close();
        QString shown, shownFilter;
        AnswerNextDialog(answer(proposal.filter, QString(), &shown, &shownFilter, proposal.proposed));
        ChooseMenu({f.Meny1, f.Sparasom1});
        EXPECT_EQ(shown.toStdString(), proposal.proposed);
        EXPECT_EQ(shownFilter.toStdString(), proposal.shownFilter);
        QStringList written{"ngas40.tbx", proposal.proposed};
        written.sort();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).join(" ").toStdString(), written.join(" ").toStdString());
        ASSERT_TRUE(data.open(QIODevice::ReadOnly));
        EXPECT_TRUE(data.readAll() == saved) << "the report went into the calculation data";
    }
}

// The compensation page's formula line, before its table is run, names the state of the page
// shown: the middle of its pressure and temperature ranges, and for water the density of its own
// Run, never those of the page or the table before. Each step follows the one above it.
TEST_F(Calculation, TheDensityPagesFormulaLineNamesThisPagesStateBeforeItsTableRuns) {
    TForm1& f = Form1();
    // A Run and its table, then another range typed and run.
    const auto tableThenRange = [&](const char* pMax, const char* pMin, const char* tMax, const char* tMin) {
        Run();
        ChooseMenu({f.Densitet1});
        Click(f.Label2);
        TypeInto(f.abstryckmaxantal, Typed(pMax));
        TypeInto(f.abstryckantal, Typed(pMin));
        TypeInto(f.temp, Typed(tMax));
        TypeInto(f.tempmin, Typed(tMin));
        Run();
    };
    const struct Step {
        const char* what;
        std::function<void()> go;
        const char* line;  // nullptr: the density of the report just written
    } steps[] = {
        {"a range typed after a table of the defaults",
         [&] {
             ChooseMenu({f.Strypsnabb});
             tableThenRange("500", "400", "100", "50");
         },
         "fdens_mat= sqrt[P(kPaA)/450.000*348.150/(T(C)+273,15)]"},
        {"the device page after a Run of the thermodynamics page",
         [&] {
             ChooseMenu({f.Termosnabb});
             TypeInto(f.abstryckantal, Typed("300"));
             Run();
             ChooseMenu({f.Strypsnabb});
         },
         "fdens_mat= sqrt[P(kPaA)/400.000*348.150/(T(C)+273,15)]"},
        {"air after a table of air over another range",
         [&] {
             ChooseMedium(f.LUF);
             tableThenRange("300", "200", "100", "50");
         },
         "fdens_mat= sqrt[P(kPaA)/250.000*348.150/(T(C)+273,15)]"},
        {"water after air",
         [&] {
             ChooseMedium(f.VAT);
             Run();
         },
         nullptr},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.go();
        ChooseMenu({f.Densitet1});
        auto* line = qobject_cast<QLabel*>(Widget(f.fdens_mat));
        EXPECT_TRUE(line->isVisible());
        const std::string shown = line->text().toStdString();
        if (step.line) {
            EXPECT_EQ(shown, Typed(step.line).toStdString());
            continue;
        }
        const std::string prefix = "fdens_mat= sqrt[densitet(T)/";
        ASSERT_TRUE(shown.starts_with(prefix) && shown.ends_with("]")) << shown;
        std::string density = shown.substr(prefix.size(), shown.size() - prefix.size() - 1);
        EXPECT_NEAR(StrToFloatAnySep(density), ReportValue(ReportLines(), "Density"), 0.01) << shown;
    }
}
