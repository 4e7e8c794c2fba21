#pragma once
// The valve state the valve tests start from: water at 10 bar a and 20 degC through a valve
// of the pipe's own bore (d = D = 100 mm, FL 0.9), 10 t/h at a drop of 1 bar, English.
#include "flow/flow_state.h"
#include "flow/operating_geometry.h"
#include "flow/primary_device_sequence.h"
#include "media/medium_state.h"
#include "media/thermal_expansion.h"
#include "numerics/decimal_separator.h"
#include "state/valve_state.h"
#include "texts/prompt_state.h"
#include "ui/selection_state.h"

namespace tubalyx::valvetest {

inline void ResetValveState() {
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
    MaxFlowSI = 10000;
    MaxFlowInput = 10000;
    ValveFL = 0.9;
    ValveDiameterColdMm = 100;
    PipeDiameterColdMm = 100;
    PipeDiameterColdM = 0.1;
    BoreDiameterColdMm = 50;
    DeviceExpansionCoeff = DeviceExpansionCoeffB = 0;
    PipeExpansionCoeff = PipeExpansionCoeffB = 0;
    VapourPressurePa = 0;
    LiquidCriticalPressurePa = 0;
    TableRangeNote = " ";
    ValveKv = ValveFLP = RestrictionFL = DeviceDrop = CriticalFlow = CriticalInletPressureBar = 0;
    ValveFp = 1;
    ValveCriticalFlag = false;
}

}  // namespace tubalyx::valvetest
