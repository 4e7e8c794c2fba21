#pragma once
// An orifice plate with corner tappings in a DN100 water line at 5 bar, sized for its bore by
// a run from the window, as the user types the duty.
#include "flow/design_duties.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"
#include "ui/run_driver.h"

namespace tubalyx::uitest {

inline void RunSizedWaterOrifice() {
    designtest::WaterDuty();
    SolveFor = "DI", UpstreamFittingCode = "0", MaxFlowGivenFlag = "V";
    MinFlowInput = 15000.0, FlowNormalDensity = 1.0, PipeDiameterColdMm = 100.0;
    PressureUnit = "kPa", PressureMinInput = PressureMaxInput = 500.0;
    Form1().difftryckmaxantal.SetText("25");
    Form1().difftryckmaxsort.SetText("kPa");
    WriteInputsToForm();
    RunCalculation();
}

}  // namespace tubalyx::uitest
