// Emptying the pressure-loss line puts every fitting column and the height difference back to
// the start values the line begins with.
#include <gtest/gtest.h>

#include "pressure_loss/line_resistance.h"
#include "state/inputs.h"
#include "state/pressure_loss_state.h"
#include "state/resistance_grid_state.h"

namespace tubalyx {
namespace {

TEST(ResetPressureLossLine, EveryColumnAndTheHeightDifferenceStartAgain) {
    for (int c = 1; c <= kFittingColumnCount; ++c) {
        ResistanceKind[c] = 50;  // a valve at c metres
        ResistancePosition[c] = c;
        ResistanceParamB[c] = 80.0;
        ResistanceParamA[c] = 45.0;
        ResistanceZeta[c] = 3.0;
        ResistanceKv[c] = 120.0;
        ResistanceFL[c] = 0.7;
        FittingCriticalFlag[c] = true;
        HeightZetaSum[c] = HeightPressureSum[c] = 1.0;
    }
    HeightDifference = 12.5;
    ResetPressureLossLine();
    for (int c = 1; c <= kFittingColumnCount; ++c) {
        // Kind 0 at the inlet, a throat of 100 mm, 20 for angle or share, no zeta or Kv, FL 0.95.
        EXPECT_EQ(ResistanceKind[c], 0) << c;
        EXPECT_EQ(ResistancePosition[c], 0.0) << c;
        EXPECT_EQ(ResistanceParamB[c], 100.0) << c;
        EXPECT_EQ(ResistanceParamA[c], 20.0) << c;
        EXPECT_EQ(ResistanceZeta[c], 0.0) << c;
        EXPECT_EQ(ResistanceKv[c], 0.0) << c;
        EXPECT_EQ(ResistanceFL[c], 0.95) << c;
        EXPECT_FALSE(FittingCriticalFlag[c]) << c;
        EXPECT_EQ(HeightZetaSum[c], 0.0) << c;
        EXPECT_EQ(HeightPressureSum[c], 0.0) << c;
    }
    EXPECT_EQ(HeightDifference, 0.0);
}

}  // namespace
}  // namespace tubalyx
