// A line Run's report pass keeps the first walk's state where the state a walk reads has not
// changed since: every variable a walk reads must change the bytes, and the scratch no walk reads
// must not, or the report pass would keep a state from before the listing's changes or walk for
// nothing.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "state/composition.h"
#include "state/medium.h"
#include "state/pressure_loss_state.h"
#include "state/property_labels.h"
#include "state/report_state.h"
#include "state/reset.h"
#include "state/resistance_grid_state.h"
#include "state/selections.h"
#include "state/window_state.h"

namespace tubalyx {
namespace {

TEST(LineWalkStateBytes, ChangeWithWhatAWalkReadsAndNotWithScratch) {
    struct Case {
        const char* what;
        std::function<void()> change;
        bool read;
    };
    const Case cases[] = {
        {"the operating pressure", [] { OperatingPressure += 1e-9 * OperatingPressure; }, true},
        {"a given density of minus zero, told by its bits", [] { GivenDensity = -GivenDensity; }, true},
        {"a share of the composition", [] { GasComposition[3] = 0.25; }, true},
        {"the humid-gas flag", [] { HumidGasFlag = !HumidGasFlag; }, true},
        {"the medium code", [] { MediumCode.push_back('X'); }, true},
        {"a live property label", [] { DensityLabel.push_back('.'); }, true},
        {"a fitting's position", [] { ResistancePosition[2] = 12.5; }, true},
        {"the line's last stretch drop", [] { StretchDrop = 1.0; }, true},
        {"the mixture column being edited", [] { MixtureEditColumn = 3; }, true},
        {"the last unit parsed", [] { ParsedUnitKind.assign(1, 'F'); }, false},
        {"the fittings' diagram marker", [] { BranchDiagramMarker = 417; }, false},
        {"the report's newest line count", [] { NewestReportLineCount = 99; }, false},
        {"the report layout position", [] { LayoutTop = 640; }, false},
    };
    for (const Case& c : cases) {
        ResetStateVariables();
        GivenDensity = 0.0;
        const std::string before = LineWalkStateBytes();
        c.change();
        EXPECT_EQ(LineWalkStateBytes() != before, c.read) << c.what;
    }
    // Taking the bytes leaves the scratch as it was.
    ResetStateVariables();
    ParsedUnitKind.assign(1, 'F');
    BranchDiagramMarker = 417;
    LineWalkStateBytes();
    EXPECT_EQ(ParsedUnitKind, "F");
    EXPECT_EQ(BranchDiagramMarker, 417);
}

}  // namespace
}  // namespace tubalyx
