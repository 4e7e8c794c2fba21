// The window's input handlers fed with random text: cells typed into the composition grid
// and the resistance grid with their key, mouse and exit events, the fitting pop-up, and
// texts typed into the questionnaire edits read into the calculation state and written back.
// Whatever is typed, no handler raises (the read stops at a text that is no number, as a run
// does), the state keeps finite numbers, and no number the window writes into an edit or a
// share cell is a non-number.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "forms/menu.h"
#include "fuzz_support.h"
#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "state/composition.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/selections.h"
#include "ui/calculation_reset.h"
#include "ui/composition_grid.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"

using namespace tubalyx;
using namespace tubalyx::fuzz;

namespace {

const char* const kMedia[] = {"G", "NGAS", "LUF", "GAS", "OLJA", "VÄT", "IGAS", "VAT", "N2"};
const char* const kFunctions[] = {"Strypf", "Termo", "Tryckf", "Flow", "Ventil", "Sorter"};
// Texts a user types now and then, beside the fuzzer's own.
const char* const kTyped[] = {"0", "-1", "1e300", "-1e300", "1e-320",  "12,5", "12.5", "inf",   "nan",  "1.#INF",
                              "",  " ",  "abc",   "100",    "99,9999", "1e",   "--5",  "5e400", "0x10", "1 000"};

constexpr int kMaxActions = 40;

std::string TypedText(FuzzedDataProvider& in) {
    return in.ConsumeBool() ? std::string(Pick(in, kTyped)) : Text(in, 24);
}

// The edits the input transfer reads and writes, as the questionnaire lists them.
std::vector<TEdit*> NumberEdits() {
    TForm1& f = Form1();
    // clang-format off
    return {&f.abstryckantal, &f.abstryckmaxantal, &f.temp,      &f.tempmin,   &f.Dstorkallmm,
            &f.Dstorrahetmm,  &f.dkallmm,          &f.difftryckmaxantal, &f.maxflowantal,
            &f.minflowantal,  &f.maxflownormaldens, &f.tryckforlmaxantal, &f.Cf, &f.kaltemp,
            &f.kalminreyn,    &f.kalmaxreyn,       &f.utvfl,     &f.utvflb,    &f.utvror,
            &f.utvrorb,       &f.givenrakin,       &f.givenrakut, &f.kantradie, &f.hojd,
            &f.matstrack,     &f.Dstormingrmm,     &f.Dstormaxgrmm, &f.matvikt, &f.p1vikt,
            &f.okfelbidrag,   &f.plattjock,        &f.difftryckmaxmaxgrantal,
            &f.difftryckmaxmingrantal, &f.molekylviktvG, &f.relabsspecfukt, &f.Ventilkallmm,
            &f.angtryckantal, &f.krittryckantal,   &f.rbg,       &f.qbg,       &f.q40bg,
            &f.q100bg,        &f.cpbg,             &f.cvbg,      &f.krittempbg, &f.molekylviktbg,
            &f.entalpibg,     &f.Z1bg,             &f.Znbg};
    // clang-format on
}

std::vector<TMenuItem*> FittingItems() {
    std::vector<TMenuItem*> items;
    std::vector<const TMenuItem*> open{&Form1().MotstandPopup};
    while (!open.empty() && items.size() < 500) {
        const TMenuItem* menu = open.back();
        open.pop_back();
        for (const auto& item : menu->Items()) {
            items.push_back(item.get());
            open.push_back(item.get());
        }
    }
    return items;
}

bool NonNumber(const std::string& text) {
    for (const char* mark : {"nan", "NAN", "NaN", "inf", "INF", "Inf", "1.#"})
        if (text.find(mark) != std::string::npos) return true;
    return false;
}

void TypeIntoCompositionGrid(FuzzedDataProvider& in, TForm1& f) {
    TStringGrid& grid = f.ViktVolprocGrid;
    const int col = in.ConsumeIntegralInRange<int>(-1, grid.ColCount());
    const int row = in.ConsumeIntegralInRange<int>(-1, grid.RowCount());
    const std::string text = TypedText(in);
    grid.SetCol(col);
    grid.SetRow(row);
    grid.SetCell(col, row, text);
    f.ViktVolprocGridKeyPress(&grid, text.empty() ? '\b' : text.back());
    f.ViktVolprocGridSetEditText(&grid, col, row, text);
    if (in.ConsumeBool()) f.ViktVolprocGridKeyUp(&grid, 0, 0);
}

void TypeIntoResistanceGrid(FuzzedDataProvider& in, TForm1& f) {
    TStringGrid& grid = f.Motstandgrid;
    const int col = in.ConsumeIntegralInRange<int>(-1, grid.ColCount());
    const int row = in.ConsumeIntegralInRange<int>(-1, grid.RowCount());
    bool canSelect = false;
    f.MotstandgridSelectCell(&grid, col, row, canSelect);
    grid.SetCell(col, row, TypedText(in));
    f.MotstandgridKeyPress(&grid, 'x');
    f.MotstandgridKeyUp(&grid, 0, 0);
}

void Mouse(FuzzedDataProvider& in, TForm1& f) {
    const int x = in.ConsumeIntegralInRange<int>(-50, 3000), y = in.ConsumeIntegralInRange<int>(-50, 600);
    switch (in.ConsumeIntegralInRange<int>(0, 5)) {
        case 0: f.ViktVolprocGridMouseDown(&f.ViktVolprocGrid, TMouseButton::Left, 0, x, y); break;
        case 1: f.ViktVolprocGridMouseUp(&f.ViktVolprocGrid, TMouseButton::Left, 0, x, y); break;
        case 2: f.ViktVolprocgridfuktMouseDown(&f.ViktVolprocgridfukt, TMouseButton::Left, 0, x, y); break;
        case 3: f.MotstandgridMouseDown(&f.Motstandgrid, TMouseButton::Left, 0, x, y); break;
        case 4: f.MotstandgridMouseUp(&f.Motstandgrid, TMouseButton::Left, 0, x, y); break;
        default: f.MotstandgridMouseMove(&f.Motstandgrid, 0, x, y); break;
    }
}

// The read of a run: a typed text that is no number ends it, as it ends the run with the
// input-error line; false then.
bool ReadTyped() {
    try {
        ReadInputsFromForm();
        return true;
    } catch (const NumberTextError&) {
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    static const std::vector<TEdit*> edits = NumberEdits();
    static const std::vector<TMenuItem*> fittings = FittingItems();
    ResetCalculationState();
    SetDecimalSeparator(in.ConsumeBool() ? ',' : '.');
    TForm1& f = Form1();
    MediumCode = Pick(in, kMedia);
    CalcFunction = Pick(in, kFunctions);
    PhaseLetter = in.ConsumeBool() ? 'N' : 'G';
    SetupCompositionGrids();
    for (TEdit* edit : edits) edit->SetText("1");
    // What was typed last into an edit that the window has not written since is the user's.
    std::map<TEdit*, std::string> typed;

    for (int action = 0; action < kMaxActions && in.remaining_bytes() > 0; ++action) {
        switch (in.ConsumeIntegralInRange<int>(0, 7)) {
            case 0: TypeIntoCompositionGrid(in, f); break;
            case 1: TypeIntoResistanceGrid(in, f); break;
            case 2: Mouse(in, f); break;
            case 3: f.ViktVolprocGridExit(&f.ViktVolprocGrid); break;
            case 4: f.RaderaClick(nullptr); break;
            case 5:
                if (!fittings.empty()) fittings[in.ConsumeIntegralInRange<size_t>(0, fittings.size() - 1)]->Click();
                break;
            case 6: {
                TEdit* edit = edits[in.ConsumeIntegralInRange<size_t>(0, edits.size() - 1)];
                typed[edit] = TypedText(in);
                edit->UserSetText(typed[edit]);
                break;
            }
            default:
                if (ReadTyped()) WriteInputsToForm();
                break;
        }
    }
    ReadTyped();
    for (double v : {PipeDiameter, BoreDiameter, OperatingPressure, OperatingTemperature, MaxFlowSI, MinFlowSI, MaxDpPa,
                     PressureMinPa, PressureMaxPa})
        RequireFinite(v, "a state value read from the edits");
    for (int row = 2; row < kMixtureRows; ++row) RequireFinite(MixtureFraction[row], "a mixture share");
    WriteInputsToForm();
    for (TEdit* edit : edits)
        if (edit->Text() != typed[edit] && NonNumber(edit->Text()))
            Fail(("edit " + edit->Name() + " = " + edit->Text()).c_str(), 0);
    for (TStringGrid* grid : {&f.ViktVolprocGrid, &f.ViktVolprocgridfukt})
        for (int col = 2; col <= 5; ++col)
            for (int row = 2; row <= 11 && row < grid->RowCount(); ++row)
                if (NonNumber(grid->Cell(col, row)))
                    Fail((grid->Name() + " cell = " + grid->Cell(col, row)).c_str(), 0);
    return 0;
}
