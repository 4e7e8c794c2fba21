#include "reports/thermometer_tappings.h"

#include <cmath>

#include "flow/device_selection.h"
#include "flow/discharge_coefficient.h"
#include "flow/permanent_loss.h"
#include "media/medium_identification.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

namespace {

struct LineState {
    double pressure, temperature;
};

void SetTappings(const LineState& upstream, const LineState& downstream) {
    UpstreamTappingPressure = upstream.pressure;
    UpstreamTappingTemperature = upstream.temperature;
    DownstreamTappingPressure = downstream.pressure;
    DownstreamTappingTemperature = downstream.temperature;
}

}  // namespace

bool ThermometerStepApplies() {
    return ReportWriterWindow().bestyckningtext.Caption().find("ermometer") != std::string::npos &&
           IsGasMedium(MediumCode);
}

double PocketFlowVelocity() {
    return CheckedDiv(CheckedDiv(ReynoldsAtMaxFlow * DynamicViscosityPas, PipeDiameterColdM), FlowDensity);
}

double ThermometerLength(double optimalUpstreamLength) {
    if (SolveFor == kSolveOptimal) return optimalUpstreamLength;
    double length = StrToFloatSafe(ReportWriterWindow().givenrakin.Text());
    if (DeviceCode == kDeviceOrifice && DeviceVariantCode == kVariantCorner) length -= PipeDiameter;
    return length;
}

void SetTappingState(const PocketLine& line) {
    const double p = OperatingPressure, t = OperatingTemperature;
    const LineState upstream{p - line.lossPa, line.temperatureAt(p, t, p - line.lossPa)};
    const double deviceLoss =
        PermanentPressureLoss(DeviceCode, std::string(1, StandardLetter), PipeDiameter, DynamicViscosityPas,
                              MaxMassFlow, MaxDpPa, DiameterRatioBeta, DischargeCoefficientC, VelocityOfApproachFactor);
    const double downstreamPressure = p + deviceLoss + line.lossPa;
    const LineState downstream{downstreamPressure, line.temperatureAt(p, t, downstreamPressure)};

    if (DecodeDevice(DeviceCode) != FlowDevice::Orifice) {
        // Without a tapping offset of their own the tappings see the line state; the pressures
        // are set too, so no pressure of an earlier run is printed beside these temperatures.
        SetTappings(upstream, downstream);
        return;
    }

    const double beta = CheckedDiv(BoreDiameter, PipeDiameter);
    const double re = ReynoldsAtMaxFlow;
    const double oneInch = CheckedDiv(kMetresPerInch, PipeDiameter);
    const double cCorner = OrificeDischargeCoefficient(beta, re, 0.0, 0.0);
    const double cFlange = OrificeDischargeCoefficient(beta, re, oneInch, 0.0);
    const double cOneD = OrificeDischargeCoefficient(beta, re, 1.0, 0.0);

    double shift = 0.0;
    switch (DecodeVariant(DeviceVariantCode)) {
        case DeviceVariant::Corner: shift = CheckedDiv(std::fabs(cOneD - cCorner), cCorner) * MaxDpPa; break;
        case DeviceVariant::Flange: shift = CheckedDiv(std::fabs(cOneD - cFlange), cFlange) * MaxDpPa; break;
        case DeviceVariant::DAndD2: SetTappings(upstream, downstream); return;
        default: return;
    }
    const double up = shift + upstream.pressure, down = shift + downstream.pressure;
    SetTappings({up, line.temperatureAt(upstream.pressure, upstream.temperature, up)},
                {down, line.temperatureAt(downstream.pressure, downstream.temperature, down)});
}

}  // namespace tubalyx
