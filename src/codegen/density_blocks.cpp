// The density function blocks: the liquid's density over temperature ("from T"), the gas's
// Z0/Zn ratio over pressure and temperature ("from P,T") and saturated steam's state over
// pressure ("from P"). The table's intervals become an IF/ELSIF chain that picks the bounds
// and corner values; the block interpolates linearly inside the interval.
#include "codegen/code_writer.h"
#include "numerics/physical_constants.h"
#include "reports/pressure_expression.h"
#include "reports/result_report_detail.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/code_texts.h"
#include "texts/language_text.h"
#include "ui/code_generator_window.h"

namespace tubalyx::codegen {

namespace {

const char* BlockTitle(CompTableKind kind) {
    switch (kind) {
        case CompTableKind::Liquid: return "FUNCTION_BLOCK Genverket//calculates density from T";
        case CompTableKind::Steam: return "FUNCTION_BLOCK Genverket//calculates density from P";
        case CompTableKind::Gas: break;
    }
    return "FUNCTION_BLOCK Genverket//calculates density from P,T";
}

// The chain line of interval `i` of `count` on a variable: IF for the first, ELSE for the
// last, ELSIF between.
std::string ChainLine(int i, int count, const std::string& variable, double upper) {
    if (i == count - 1) return "ELSE";
    return std::string(i == 0 ? "IF " : "ELSIF ") + variable + "<" + CodeNumber(upper) + " then";
}

void Assign(CodeWriter& w, const char* name, double value) {
    w.Line(std::string(" ") + name + ":=" + CodeNumber(value) + ";");
}

void WriteDeclarations(CodeWriter& w, const std::vector<const char*>& locals) {
    const CodeFrame& f = w.Frame();
    WriteCodeHeader(w);
    w.Siemens("*)");
    w.Siemens(f.bigBlock ? "FUNCTION_BLOCK Genverket//BigBlock, calculates flow from dp" : BlockTitle(f.kind));
    w.Siemens("VAR_INPUT");
    if (f.kind != CompTableKind::Liquid) w.Input("P", f.pop, f.pressureUnit);
    if (f.kind != CompTableKind::Steam) w.Input("T", f.top, "C");
    if (f.bigBlock) WriteBigBlockInputs(w);
    w.Siemens("END_VAR");
    w.Siemens("VAR_OUTPUT");
    const std::string density = DensityName();
    if (f.kind == CompTableKind::Steam) {
        w.Abb("T\treal\t\tout\t" + f.top + "\tC");
        w.Siemens("T:real:=" + f.top + ";//C");
    }
    w.Abb(density + "\treal\t\tout\t\tkg/m3");
    w.Siemens(density + (f.kind == CompTableKind::Steam && density == code_text::DensityVariableName.de
                             ? ":REAL;//kg/m3"
                             : ":real;//kg/m3"));
    if (f.bigBlock) WriteBigBlockOutputs(w);
    w.Siemens("END_VAR");
    w.Siemens("VAR");
    w.Abb(ByLanguage(code_text::CodeVariablesHeading));
    if (f.bigBlock) WriteBigBlockVariables(w);
    for (const char* name : locals) w.Local(name);
    w.Siemens("END_VAR");
    w.Siemens("BEGIN");
    w.Abb(ByLanguage(code_text::CodeHeading));
    w.Abb("*)");
}

// fdens_mat of the gas and steam blocks: the square root of the density over the flow
// density of the design, with the ratio of the table's reference density to it.
std::string IdealGasFdensLine(const DensityReference& ref) {
    return "fdens_mat:=sqrt(PkPa/" + CodeNumber(ref.PrefKPa) + "*" + CodeNumber(kKelvinOffset + ref.Tref) +
           "/(T+273.15)*" + RatioName() + (DensityRatioText != kNoDensityRatio ? "*" + DensityRatioText : "") + ");";
}

}  // namespace

double WriteLiquidBlock(CodeWriter& w) {
    const CodeFrame& f = w.Frame();
    const TStringGrid& grid = CodeGeneratorWindow().PTKompgrid;
    CompTablePressureMinKPa = CompTableNumber(grid, 1, 1);
    const TableAxis columns = ValidTemperatureColumns(grid, CompTableKind::Liquid);
    const std::vector<LiquidInterval> intervals = LiquidIntervals(grid, columns);
    const int nt = columns.Count();
    std::vector<const char*> locals;
    if (f.bigBlock) locals = {"kvot", "PkPa"};
    for (const char* name : {"Tmax", "Tmin", "densmin", "densmax"}) locals.push_back(name);
    WriteDeclarations(w, locals);

    const std::string name = DensityName();
    if (nt >= 2) {
        w.Line("densmin:=1000.0;");
        w.Line("densmax:=1000.0;");
        const int count = static_cast<int>(intervals.size());
        for (int i = 0; i < count; ++i) {
            const LiquidInterval& iv = intervals[i];
            if (nt > 2) w.Line(ChainLine(i, count, "T", iv.thi));
            Assign(w, "Tmax", iv.thi);
            Assign(w, "Tmin", iv.tlo);
            Assign(w, "densmin", iv.dlo);
            Assign(w, "densmax", iv.dhi);
        }
        if (nt > 2) w.Line("end_if;");
        w.Line(intervals.back().thi > intervals.back().tlo ? name + ":=(densmin*(Tmax-T)+densmax*(T-Tmin))/(Tmax-Tmin);"
                                                           : name + ":=densmin;");
    } else {
        w.Line(name + ":=" + CodeNumber(CompTableNumber(grid, 1, 2)) + ";");
    }
    if (f.bigBlock) WriteBigBlockCode(w, "fdens_mat:=sqrt(" + name + "/" + CodeNumber(FlowDensity) + ");");
    w.Siemens("END_FUNCTION_BLOCK");
    return LiquidInterpolationError(intervals, CompTablePressureMinKPa);
}

double WriteGasBlock(CodeWriter& w) {
    const CodeFrame& f = w.Frame();
    const TStringGrid& grid = CodeGeneratorWindow().PTKompgrid;
    const TableAxis columns = ValidTemperatureColumns(grid, CompTableKind::Gas);
    const TableAxis rows = ValidPressureRows(grid);
    const auto cells = GasCells(grid, columns, rows);
    const std::string ratio = RatioName();
    WriteDeclarations(w, {ratio.c_str(), "PkPa", "Tmax", "Tmin", "Pmax", "Pmin", "kompminmax", "kompmaxmax",
                          "kompminmin", "kompmaxmin"});

    for (const char* corner : {"kompminmin", "kompmaxmin", "kompminmax", "kompmaxmax"})
        w.Line(std::string(corner) + ":=1.0;");
    w.Line("PkPa:=" + PressureExpression() + ";");
    const int nt = columns.Count(), np = rows.Count();
    const int ti = static_cast<int>(cells.size());
    for (int i = 0; i < ti; ++i) {
        const int pj = static_cast<int>(cells[i].size());
        for (int j = 0; j < pj; ++j) {
            const GasCell& c = cells[i][j];
            if (nt > 2 && j == 0) w.Line(ChainLine(i, ti, "T", c.thi));
            if (np > 2) w.Line(ChainLine(j, pj, "PkPa", c.phi));
            Assign(w, "Tmax", c.thi);
            Assign(w, "Tmin", c.tlo);
            Assign(w, "Pmax", c.phi);
            Assign(w, "Pmin", c.plo);
            Assign(w, "kompminmax", c.rMinMax);
            Assign(w, "kompmaxmax", c.rMaxMax);
            Assign(w, "kompminmin", c.rMinMin);
            Assign(w, "kompmaxmin", c.rMaxMin);
            // The pressure chain closes inside its temperature branch, the temperature
            // chain after the last one.
            if (j == pj - 1 && np > 2) w.Line("end_if;");
            if (j == pj - 1 && i == ti - 1 && nt > 2) w.Line("end_if;");
        }
    }
    switch (GasRatioForm(cells.back().back())) {
        case RatioForm::Bilinear:
            w.Line(ratio +
                   ":=(kompminmin*(Tmax-T)*(Pmax-PkPa)+kompmaxmin*(T-Tmin)*(Pmax-PkPa)+kompminmax*(Tmax-T)*"
                   "(PkPa-Pmin)+kompmaxmax*(T-Tmin)*(PkPa-Pmin))/(Tmax-Tmin)/(Pmax-Pmin);");
            break;
        case RatioForm::TemperatureOnly:
            w.Line(ratio + ":=(kompminmin*(Tmax-T)+kompmaxmax*(T-Tmin))/(Tmax-Tmin);");
            break;
        case RatioForm::PressureOnly:
            w.Line(ratio + ":=(kompminmin*(Pmax-PkPa)+kompmaxmax*(PkPa-Pmin))/(Pmax-Pmin);");
            break;
        case RatioForm::Constant: w.Line(ratio + ":=kompminmin;"); break;
    }
    const DensityReference ref = GasReference();
    if (f.bigBlock) WriteBigBlockCode(w, IdealGasFdensLine(ref));
    w.Line(DensityAssignmentLine);
    w.Siemens("END_FUNCTION_BLOCK");
    return GasInterpolationError(cells, ref);
}

double WriteSteamBlock(CodeWriter& w) {
    const CodeFrame& f = w.Frame();
    const TStringGrid& grid = CodeGeneratorWindow().PTKompgrid;
    const TableAxis rows = ValidPressureRows(grid);
    const std::vector<SteamInterval> intervals = SteamIntervals(grid, rows);
    const std::string ratio = RatioName();
    WriteDeclarations(w, {ratio.c_str(), "PkPa", "Tmax", "Tmin", "Pmax", "Pmin", "kompminmax", "kompminmin"});

    w.Line("kompminmin:=1.0;");
    w.Line("kompminmax:=1.0;");
    w.Line("PkPa:=" + PressureExpression() + ";");
    const int np = rows.Count();
    const int count = static_cast<int>(intervals.size());
    for (int j = 0; j < count; ++j) {
        const SteamInterval& iv = intervals[j];
        if (np > 2) w.Line(ChainLine(j, count, "PkPa", iv.phi));
        Assign(w, "Pmax", iv.phi);
        Assign(w, "Pmin", iv.plo);
        Assign(w, "Tmax", iv.thi);
        Assign(w, "Tmin", iv.tlo);
        Assign(w, "kompminmin", iv.rlo);
        Assign(w, "kompminmax", iv.rhi);
    }
    if (np > 2) w.Line("end_if;");
    const bool linear = intervals.back().phi > intervals.back().plo;
    w.Line(linear ? ratio + ":=(kompminmin*(Pmax-PkPa)+kompminmax*(PkPa-Pmin))/(Pmax-Pmin);" : ratio + ":=kompminmin;");
    w.Line(linear ? "T:=((Pmax-PkPa)*Tmin+(PkPa-Pmin)*Tmax)/(Pmax-Pmin);" : "T:=" + f.top + ";");
    const DensityReference ref = SteamReference();
    if (f.bigBlock) WriteBigBlockCode(w, IdealGasFdensLine(ref));
    w.Line(DensityAssignmentLine);
    w.Siemens("END_FUNCTION_BLOCK");
    return SteamInterpolationError(intervals, ref);
}

}  // namespace tubalyx::codegen
