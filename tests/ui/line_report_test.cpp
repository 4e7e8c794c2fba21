// The report of a line's pressure loss, whole, as the window writes it for a duty typed in
// from a fresh start: the head, the input section with the medium and its state, the drops of
// the line and the medium's properties at the inlet. The drops are worked here with
// Darcy-Weisbach and the Colebrook friction factor from published medium properties.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "forms/screen.h"
#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "numerics/separator_guard.h"
#include "texts/report_label_strings.h"
#include "ui/calculation_reset.h"
#include "ui/form1.h"
#include "ui/startup.h"

namespace tubalyx {
namespace {

constexpr double kPi = 3.14159265358979;

// Colebrook-White: 1/sqrt(f) = -2 log10(k/(3.7 D) + 2.51/(Re sqrt(f))), solved by fixed point.
double ColebrookFactor(double relativeRoughness, double reynolds) {
    double f = 0.02;
    for (int pass = 0; pass < 100; ++pass) {
        const double root = -2.0 * std::log10(relativeRoughness / 3.7 + 2.51 / (reynolds * std::sqrt(f)));
        f = 1.0 / (root * root);
    }
    return f;
}

// Isothermal flow of a gas (p / rho constant) along a pipe of friction f L / D:
// p1^2 - p2^2 = G^2 (p1 / rho1) (f L / D + 2 ln(p1 / p2)).
double IsothermalOutletPressure(double p1, double rho1, double massFlux, double frictionTerm) {
    double p2 = p1;
    for (int pass = 0; pass < 100; ++pass)
        p2 = std::sqrt(p1 * p1 - massFlux * massFlux * p1 / rho1 * (frictionTerm + 2.0 * std::log(p1 / p2)));
    return p2;
}

// A report line: its text with "#" for each number, the numbers and their relative tolerance.
// A text ending in "*" is matched by its start alone.
struct Line {
    std::string shape;
    std::vector<double> values = {};
    double tolerance = 0.0;
};

// Compares one line with its shape; empty when it matches, else what differs. A number is
// the run of digits, signs and separators where the shape has "#".
std::string Mismatch(const std::string& line, const Line& want) {
    if (!want.shape.empty() && want.shape.back() == '*') {
        const std::string start = want.shape.substr(0, want.shape.size() - 1);
        return line.rfind(start, 0) == 0 ? "" : "expected the start " + start;
    }
    std::size_t at = 0, value = 0;
    for (char c : want.shape) {
        if (c != '#') {
            if (at >= line.size() || line[at] != c) return "expected " + want.shape;
            ++at;
            continue;
        }
        const std::size_t end = line.find_first_not_of("0123456789,.+-", at);
        std::string number = line.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at += number.size();
        if (number.empty() || value >= want.values.size()) return "no value where " + want.shape;
        const double read = StrToFloatAnySep(number), expected = want.values[value++];
        if (!(std::fabs(read - expected) <= want.tolerance * std::fabs(expected)))
            return number + " is not " + std::to_string(expected) + " within " + std::to_string(want.tolerance);
    }
    return at == line.size() ? "" : "expected " + want.shape;
}

void ExpectReport(const std::vector<Line>& expected) {
    const TRichEdit& report = Form1().RichEdit4;
    std::vector<std::string> lines;
    for (int i = 0; i < report.LineCount(); ++i) lines.push_back(report.Line(i));
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string why = Mismatch(lines[i], expected[i]);
        EXPECT_EQ(why, "") << "line " << i << ": " << lines[i];
    }
}

struct Duty {
    std::vector<const char*> items;
    std::vector<std::pair<const char*, std::string>> typed;
    bool isothermal;
};

void TypeDuty(const Duty& duty) {
    ResetCalculationState();
    Screen().SetSize(1600, 1200);
    MainFormUnitInit();
    CreateMainWindow();
    TForm1& f = Form1();
    for (const char* item : duty.items) {
        TControl* c = f.FindComponent(item);
        ASSERT_NE(c, nullptr) << item;
        c->Click();
    }
    for (const auto& [name, text] : duty.typed) {
        auto* edit = dynamic_cast<TEdit*>(f.FindComponent(name));
        ASSERT_NE(edit, nullptr) << name;
        edit->UserSetText(text);
    }
    if (duty.isothermal) f.adiabat.Click();
    f.Runbutton.Click();
}

std::string Decimal(const char* whole, const char* fraction) {
    return std::string(whole) + DecimalSeparator() + fraction;
}

// What a line's report says of it, worked out here, and how closely the report must agree.
struct LineOutcome {
    double zeta, drop, inlet, outlet, outletSpeed, rho, mu, reynolds;
    double dropTolerance, propertyTolerance;
    bool outletTemperature;  // adiabatic: the outlet temperature, here the inlet's 20 C
};

// The whole report: head, the input lines after the medium's, and the output section.
std::vector<Line> LineReportOf(const std::string& medium, const std::vector<Line>& inputs, const LineOutcome& o) {
    std::vector<Line> lines = {{"COMPUTERCALCULATION OF PRESSURELOSSES"},
                               {"Date: *"},
                               {""},
                               {"__________________INPUT______________________"},
                               {"Media:  " + medium}};
    lines.insert(lines.end(), inputs.begin(), inputs.end());
    const double drop = o.drop, tolerance = o.dropTolerance;
    const std::vector<Line> output = {
        {""},
        {"__________________OUTPUT_____________________"},
        {"---------------MAINREPORT PRESSURELOSSES---------------"},
        {"Resistance________________________________________= #", {o.zeta}, 0.003},
        {"Pressurereduction (reversible+irreversible)__(kPa)= #", {0.001 * drop}, tolerance},
        {"Pressurereduction___________________________(mbar)= #", {0.01 * drop}, tolerance},
        {"Pressurereduction_____________(% of inletpressure)= #", {100 * drop / o.inlet}, tolerance},
        // The acceleration of an expanding gas is a quarter per cent of its drop here.
        {"Pressureloss (irreversible)__________________(kPa)= #", {0.001 * drop}, tolerance},
        {"Outletpress. (BarA)=#__________________(kPaA)= #", {1e-5 * o.outlet, 0.001 * o.outlet}, 0.001}};
    lines.insert(lines.end(), output.begin(), output.end());
    // Friction warms water by a few thousandths of a kelvin only.
    if (o.outletTemperature) lines.push_back({"Outlettemperature______________________________(C)= #", {20.0}, 0.0005});
    const std::vector<Line> physics = {
        {"Outlet Flowspeed in tube (at maxflow)________(m/s)= #", {o.outletSpeed}, 0.003},
        {"________________PHYSICS REPORT (AT TUBE INLET)_____________"},
        {"Density____________________________________(kg/m3)= #", {o.rho}, 0.002},
        {"Dynamic viscosity________________________(Pas*E-6)= #", {o.mu * 1e6}, o.propertyTolerance},
        {"Reynolds number ReD (at maximal flow)_____________= #", {o.reynolds}, o.propertyTolerance}};
    lines.insert(lines.end(), physics.begin(), physics.end());
    return lines;
}

// 36 t/h of water at 20 C and 500 kPa through 100 m of DN100 with a roughness of 0.05 mm.
// IAPWS-95 gives 998.21 kg/m3 at 20 C (0.1 MPa; 5 bar adds 0.02 %), IAPWS 2008 1.0016 mPa s.
TEST(LineReport, WaterPipeFromAFreshStart) {
    for (char separator : {',', '.'}) {
        SCOPED_TRACE(separator);
        const SeparatorGuard guard(separator);
        TypeDuty({{"English", "Tryckf", "VAT"},
                  {{"temp", "20"},
                   {"abstryckantal", "500"},
                   {"matstrack", "100"},
                   {"Dstorkallmm", "100"},
                   {"Dstorrahetmm", Decimal("0", "05")},
                   {"maxflowsort", "ton/h"},
                   {"maxflowantal", "36"}},
                  false});
        const double rho = 998.21, mu = 1.0016e-3, d = 0.1, length = 100, flow = 10.0;
        const double area = kPi * d * d / 4, v = flow / rho / area, reynolds = flow / area * d / mu;
        const double zeta = ColebrookFactor(0.05e-3 / d, reynolds) * length / d;
        const double drop = zeta * rho * v * v / 2;
        ExpectReport(LineReportOf("Water",
                                  {{"Temperature? (at inlet)______________________________(C)     20"},
                                   {"Static Absolute Pressure?(at inlet)________________(kPa)    500"},
                                   {"Tubelength?__________________________________________(m)    100"},
                                   {"Interior tubediameter cold (=20 C)?_________________(mm)    100"},
                                   {"Pipe roughness k?___________________________________(mm)   " + Decimal("0", "05")},
                                   {"Inlet-flow?______________________________________(ton/h)     36"},
                                   {"Adiabatic flow (=isolated tube => Inlet Temp<>Outlet Temp)"}},
                                  {zeta, drop, 5e5, 5e5 - drop, v, rho, mu, reynolds, 0.005, 0.003, true}));
    }
}

// 600 kg/h of dry air at 300 K and 500 kPa through 100 m of DN50 (k 0.05 mm), isothermal.
// The reference property data give 171.973 dm3/kg there and 18.537 / 18.672 uPa s at 100 /
// 1000 kPa (Lemmon and Jacobsen: 5 % uncertainty).
TEST(LineReport, IsothermalAirLineFromAFreshStart) {
    for (char separator : {',', '.'}) {
        SCOPED_TRACE(separator);
        const SeparatorGuard guard(separator);
        TypeDuty({{"English", "Tryckf", "LUF"},
                  {{"temp", Decimal("26", "85")},
                   {"abstryckantal", "500"},
                   {"matstrack", "100"},
                   {"Dstorkallmm", "50"},
                   {"Dstorrahetmm", Decimal("0", "05")},
                   {"maxflowsort", "kg/h"},
                   {"maxflowantal", "600"}},
                  true});
        const double rho = 1000 / 171.973, mu = (18.5372 + 400.0 / 900.0 * (18.6720 - 18.5372)) * 1e-6;
        const double d = 0.05, length = 100, flow = 600.0 / 3600, p1 = 5e5;
        const double area = kPi * d * d / 4, massFlux = flow / area, reynolds = massFlux * d / mu;
        const double zeta = ColebrookFactor(0.05e-3 / d, reynolds) * length / d;
        const double p2 = IsothermalOutletPressure(p1, rho, massFlux, zeta);
        // Isothermal: no outlet temperature; the outlet speed at the outlet density.
        ExpectReport(
            LineReportOf("Air",
                         {{"Temperature? (at inlet)______________________________(C)  " + Decimal("26", "85")},
                          {"Static Absolute Pressure?(at inlet)________________(kPa)    500"},
                          {"Relative humidity (at operating conditions)?_________(%)      0"},
                          {"Tubelength?__________________________________________(m)    100"},
                          {"Interior tubediameter cold (=20 C)?_________________(mm)     50"},
                          {"Pipe roughness k?___________________________________(mm)   " + Decimal("0", "05")},
                          {"Inlet-flow?_______________________________________(kg/h)    600"},
                          {"Isoterm flow (Inlet Temp=Outlet Temp)"}},
                         {zeta, p1 - p2, p1, p2, massFlux / (rho * p2 / p1), rho, mu, reynolds, 0.01, 0.005, false}));
    }
}

// After Run the window shows the new report's output heading near its top: past the head and
// the input section, whose lines are at least as high as their font (96 pixels to the inch)
// and at most a third higher; a second run shows its own output, not the earlier one below.
TEST(LineReport, AfterRunTheWindowShowsTheNewOutputHeading) {
    TypeDuty({{"English", "Tryckf", "VAT"}, {{"matstrack", "100"}}, false});
    TForm1& f = Form1();
    for (int run = 0; run < 2; ++run) {
        if (run > 0) f.Runbutton.Click();
        const auto& lines = f.RichEdit1.Content().Lines;
        double least = 0, most = 0;
        int output = 0, pixels = 0;
        for (; output < f.RichEdit1.LineCount() && f.RichEdit1.Line(output) != OutputHeading; ++output) {
            if (!lines[output].empty()) pixels = lines[output].front().Attributes.Size * 96 / 72;
            least += pixels;
            most += pixels * 4 / 3.0;
        }
        ASSERT_LT(output, f.RichEdit1.LineCount());
        const int view = f.VertScrollBar().Position - f.RichEdit1.Top();
        EXPECT_GE(view, least - 2 * pixels) << run;
        EXPECT_LE(view, most) << run;
        EXPECT_GT(view + f.ClientHeight(), most + pixels) << run;
    }
}

// The same water pipe with two fittings placed from the resistance grid's pop-up: a bend of
// radius 1D (zeta 0.15) 30 m in and another fitting of zeta 1 typed in at 60 m. Each adds its
// zeta's dynamic pressures to the pipe's friction; the fitting table shows each one's share of
// the inlet pressure.
TEST(LineReport, WaterPipeWithTwoFittingsPlacedFromTheGridsPopUp) {
    const SeparatorGuard guard('.');
    TypeDuty({{"English", "Tryckf", "VAT"},
              {{"temp", "20"},
               {"abstryckantal", "500"},
               {"matstrack", "100"},
               {"Dstorkallmm", "100"},
               {"Dstorrahetmm", "0.05"},
               {"maxflowsort", "ton/h"},
               {"maxflowantal", "36"}},
              false});
    TForm1& f = Form1();
    TStringGrid& grid = f.Motstandgrid;
    auto place = [&](int column, TMenuItem* item) {
        int x = grid.ColWidth(column) / 2, y = grid.RowHeight(0) + grid.GridLineWidth() + grid.RowHeight(1) / 2;
        for (int c = 0; c < column; ++c) x += grid.ColWidth(c) + grid.GridLineWidth();
        const int opened = f.MotstandPopup.PopupCount();
        grid.UserMouseDown(TMouseButton::Left, 0, x, y);
        ASSERT_EQ(f.MotstandPopup.PopupCount(), opened + 1);
        item->Click();
    };
    place(1, f.Bjradie1D1);
    grid.UserSetEditText(1, 3, "30");
    place(2, f.Annanstrning1);
    grid.UserSetEditText(2, 2, "1");
    grid.UserSetEditText(2, 3, "60");
    f.Runbutton.Click();

    const double rho = 998.21, mu = 1.0016e-3, d = 0.1, flow = 10.0;
    const double area = kPi * d * d / 4, v = flow / rho / area, dynamic = rho * v * v / 2;
    const double zeta = ColebrookFactor(0.05e-3 / d, flow / area * d / mu) * 100 / d + 0.15 + 1.0;
    std::vector<std::string> lines;
    for (int i = 0; i < f.RichEdit4.LineCount(); ++i) lines.push_back(f.RichEdit4.Line(i));
    auto find = [&](const std::string& start) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].find(start) != std::string::npos) return static_cast<int>(i);
        return -1;
    };
    const int medium = find("Media:  Water"), table = find("=====RESISTANCES====="), physics = find("PHYSICS REPORT");
    ASSERT_GE(medium, 0);
    EXPECT_EQ(lines[medium + 1], "Temperature? (at inlet)______________________________(C)     20");
    EXPECT_EQ(lines[medium + 2], "Static Absolute Pressure?(at inlet)________________(kPa)    500");
    ASSERT_GT(table, medium);
    EXPECT_TRUE(lines[table + 2].ends_with("_45 degrees bends:1.Bendradius 1D_Other fitting")) << lines[table + 2];
    const Line share{"Pressureloss %=___________________________#________#",
                     {100 * 0.15 * dynamic / 5e5, 100 * 1.0 * dynamic / 5e5},
                     0.005};
    const std::string row = lines[table + 5].substr(lines[table + 5].find("Pressureloss"));
    EXPECT_EQ(Mismatch(row, share), "") << row;
    EXPECT_EQ(Mismatch(lines[find("Resistance______")],
                       {"Resistance________________________________________= #", {zeta}, 0.002}),
              "");
    EXPECT_EQ(Mismatch(lines[find("Pressurereduction (reversible")],
                       {"Pressurereduction (reversible+irreversible)__(kPa)= #", {0.001 * zeta * dynamic}, 0.005}),
              "");
    ASSERT_GT(physics, table);
    EXPECT_EQ(Mismatch(lines[physics + 1], {"Density____________________________________(kg/m3)= #", {rho}, 0.002}),
              "");
}

// A valve or an orifice changes neither the pipe nor the flow: the line drops by its
// irreversible loss alone. 100 t/h of water at 80 C and 500 kPa in 100 m of smooth DN200, the
// fitting 50 m in; IAPWS gives 971.8 kg/m3 and 355 uPa s. Kv 300 passes Q m3/h at (Q / Kv)^2
// rho / 1000 bar; the orifice's loss (d 120 mm) is not worked here, only the balance.
TEST(LineReport, AValveOrAnOrificeInTheLineIsOneLoss) {
    const SeparatorGuard guard('.');
    const double rho = 971.8, d = 0.2, flow = 100 / 3.6, area = kPi * d * d / 4, v = flow / rho / area;
    const double pipe = ColebrookFactor(0, flow / area * d / 355e-6) * 100 / d * rho * v * v / 2;
    const double valve = std::pow(3600 * flow / rho / 300, 2) * rho / 1000 * 1e5;
    for (const auto& [item, size, loss] :
         {std::tuple{&TForm1::Ventilvalbartkv1, "300", pipe + valve}, std::tuple{&TForm1::Strypflns1, "120", 0.0}}) {
        TypeDuty({{"English", "Tryckf", "VAT"},
                  {{"temp", "80"},
                   {"abstryckantal", "500"},
                   {"matstrack", "100"},
                   {"Dstorkallmm", "200"},
                   {"maxflowsort", "ton/h"},
                   {"maxflowantal", "100"}},
                  false});
        TForm1& f = Form1();
        TStringGrid& grid = f.Motstandgrid;
        grid.UserMouseDown(TMouseButton::Left, 0, grid.ColWidth(0) + grid.GridLineWidth() + grid.ColWidth(1) / 2,
                           grid.RowHeight(0) + grid.GridLineWidth() + grid.RowHeight(1) / 2);
        (f.*item)->Click();
        grid.UserSetEditText(1, 6, size);
        grid.UserSetEditText(1, 3, "50");
        f.Runbutton.Click();
        std::map<std::string, double> kpa;  // the report's drops and outlet pressure by label
        for (int i = 0; i < f.RichEdit4.LineCount(); ++i) {
            const std::string line = f.RichEdit4.Line(i);
            std::string value = line.substr(line.rfind(' ') + 1);
            kpa[line.substr(0, 20)] = StrToFloatAnySep(value);
        }
        const double irreversible = kpa["Pressureloss (irreve"];
        EXPECT_NEAR(kpa["Pressurereduction (r"], irreversible, 5e-4 * irreversible) << size;
        EXPECT_NEAR(kpa["Outletpress. (BarA)="], 500 - irreversible, 0.01) << size;
        EXPECT_GT(irreversible, 0.0011 * pipe) << size;
        EXPECT_NEAR(irreversible, loss > 0 ? 0.001 * loss : irreversible, 2e-6 * loss) << size;
    }
}

}  // namespace
}  // namespace tubalyx
