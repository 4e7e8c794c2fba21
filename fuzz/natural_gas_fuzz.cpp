// Natural-gas composition: the mol % cells of the composition grid as typed (numbers of any
// size and sign, or any text), read into the composition and evaluated by the detailed
// characterisation method. Density and Z come back finite; a state the method cannot serve
// gives 0.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "media/natural_gas.h"
#include "numerics/decimal_separator.h"
#include "numerics/report_format.h"
#include "ui/form1.h"

using namespace tubalyx;
using namespace tubalyx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    SetDecimalSeparator('.');
    DensityDampingDivisor = 1.0;
    DetailedGasDensity = 0.0;
    TStringGrid& grid = Form1().ViktVolprocGrid;
    for (int row = 2; row <= 11; ++row) {
        const int mode = in.ConsumeIntegralInRange<int>(0, 3);
        std::string cell;
        if (mode == 0)
            cell = "";
        else if (mode == 3)
            cell = Text(in, 12);
        else
            cell = FormatGeneral(mode == 1 ? Value(in, 0.01, 100.0) : AnyFinite(in));
        grid.SetCell(5, row, cell);
    }
    ReadGasComposition();
    for (int i = 1; i <= 21; ++i) RequireFinite(GasComposition[i], "composition");
    const double P = Value(in, 1e3, 1.2e8);
    const double t = Value(in, -150.0, 400.0);
    double z = -1.0;
    const double density = GasCompressibilityDetailed(GasComposition, z, P, t);
    RequireFinite(density, "natural-gas density");
    RequireFinite(z, "natural-gas Z");
    if (density < 0.0) Fail("negative density", density);
    return 0;
}
