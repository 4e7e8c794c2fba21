#pragma once
// The valve state the valve tests start from: water at 10 bar a and 20 degC through a valve
// of the pipe's own bore (d = D = 100 mm, FL 0.9), 10 t/h at a drop of 1 bar, English.
#include "numerics/decimal_separator.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/reset.h"
#include "state/selections.h"
#include "state/valve_state.h"

namespace tubalyx::valvetest {

inline void ResetValveState() {
    ResetStateVariables();
    SetDecimalSeparator(',');
    ReportSeparator = "";
    LanguageLetter = 'E';
    CalcFunction = "Ventil";
    ValveSubtype = "VE";
    MediumCode = "VAT";
    PhaseLetter = 'N';
    SolveFor = "DI";
    MaxFlowGivenFlag = "V";
    DeviceCode = "S";
    DeviceVariantCode = "R";
    StandardLetter = '3';
    OperatingPressure = 10e5;
    OperatingTemperature = 20;
    MaxDpPa = 1e5;
    FlowUnit = "kg/h";
    MaxFlowSI = MaxFlowInput = 10000;
    ValveFL = 0.9;
    ValveDiameterColdMm = PipeDiameterColdMm = 100;
    PipeDiameterColdM = 0.1;
    BoreDiameterColdMm = 50;
    TableRangeNote = " ";
}

}  // namespace tubalyx::valvetest
