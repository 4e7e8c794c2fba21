#include <gtest/gtest.h>
#include <iostream>
#include "budget_support.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/uncertainty_state.h"
#include "state/report_state.h"
namespace tubalyx {
TEST(Explore, Budget) {
    budgettest::RunWaterOrifice();
    std::cout << "bore " << BoreDiameter << " D " << PipeDiameter << " qmax " << MaxMassFlow << " dp " << MaxDpPa << "\n";
    std::cout << "after read bore " << BoreDiameter << " D " << PipeDiameter << " qmax " << MaxMassFlow << " dkallmm " << Form1().dkallmm.Text() << "\n";
    Form1().FelsimulrubrikClick(nullptr);
    const TStringGrid& g = Form1().Felsimulgrid;
    std::cout << "ok " << UncertaintyRunOk << " caption '" << Form1().Felsimulrubrik.Caption() << "'\n";
    for (int r = 0; r < g.RowCount(); ++r) {
        std::cout << r << " h" << g.RowHeight(r) << " |";
        for (int c = 0; c < 13; ++c) std::cout << g.Cell(c, r) << "|";
        std::cout << "\n";
    }
    for (auto& l : budgettest::ReportLines()) std::cout << l << "\n";
}
}
