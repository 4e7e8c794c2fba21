#include "flow/device_limit_checks.h"

#include "flow/limit_checks.h"
#include "flow/reynolds.h"
#include "flow/standard_limits.h"
#include "numerics/checked.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/keywords.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {

namespace {

constexpr LimitTexts kAboveCalibrated{"REYNOLDS TAL > KALIBRERAT STÖRSTA VÄRDE",
                                      "REYNOLDS NUMBER > BIGGEST CALIBRATED VALUE",
                                      "REYNOLDS ZAHL > GRÖSSTE KALIBRIERTES WERT"};
constexpr LimitTexts kAboveStandard{"REYNOLDS TAL > NORMGRÄNS, ÖKA RÖRDIAMETER", "REYNOLDS NUMBER > STANDARD LIMIT",
                                    "REYNOLDSZAHL > NORM GRENZE"};
constexpr LimitTexts kBelowRecommended{"REYNOLDS TAL < MINSTA REKOMMENDERAT VÄRDE",
                                       "REYNOLDS NUMBER < SMALLEST RECOMMENDED VALUE",
                                       "REYNOLDS ZAHL < KLEINSTE EMPFOHLEN WERT"};
constexpr LimitTexts kBelowCalibrated{"REYNOLDS TAL < KALIBRERAT MINSTA VÄRDE",
                                      "REYNOLDS NUMBER < SMALLEST CALIBRATED VALUE",
                                      "REYNOLDS ZAHL < KLEINSTE KALIBRIERTES WERT"};
constexpr LimitTexts kBelowStandard{"REYNOLDS TAL < NORMGRÄNS, MINSKA RÖRDIAMETER",
                                    "REYNOLDS NUMBER<STANDARD LIMIT,DECREASE TUBEDIAM.", "REYNOLDS ZAHL < NORM GRENZE"};

}  // namespace

void CheckReynoldsCalibrated(std::string_view language, std::string_view device, std::string_view variant,
                             std::string_view standard, double d, double pipeDiameter, double viscosity, double maxFlow,
                             double minFlow, std::string& message) {
    double lower = 0.0, upper = kNoReynoldsUpperLimit;  // no bounds for an unknown device
    ReynoldsLimits(device, variant, standard, d, pipeDiameter, lower, upper);
    message = " ";
    const bool cone = IsConeMeter(device);
    const bool volume = device == kDeviceVolumeMeter;
    if (ReynoldsNumber(pipeDiameter, viscosity, maxFlow) > upper) {
        if (cone)
            PickLimitText(language, kAboveCalibrated, message);
        else if (!volume)
            PickLimitText(language, kAboveStandard, message);
    } else if (ReynoldsNumber(pipeDiameter, viscosity, minFlow) < lower) {
        if (cone && lower <= 8001.0)
            PickLimitText(language, kBelowRecommended, message);
        else if (cone || volume)
            PickLimitText(language, kBelowCalibrated, message);
        else
            PickLimitText(language, kBelowStandard, message);
    }
}

void CheckDeviceLimits() {
    for (std::string& m : DeviceLimitMessages) m = " ";
    const std::string language(1, LanguageLetter);
    const std::string standard(1, StandardLetter);
    const double d = BoreDiameter;
    const double bigD = PipeDiameter;
    auto& msg = DeviceLimitMessages;
    if (DeviceCode != kDeviceVolumeMeter) {
        CheckThroatDiameter(language, DeviceCode, d, msg[kThroatDiameterMessage]);
        CheckDiffPressure(language, MediumCode, DeviceCode, OperatingPressure, MaxDpPa, msg[kDiffPressureMessage]);
        StandardMaxDiffPressure = MaxDiffPressure(MediumCode, DeviceCode, OperatingPressure);
        CheckBeta(language, DeviceCode, DeviceVariantCode, standard, CheckedDiv(d, bigD), msg[kDiameterRatioMessage]);
        CheckRoughness(language, DeviceCode, DeviceVariantCode, standard, d, bigD, PipeRoughnessM,
                       ReynoldsNumber(bigD, DynamicViscosityPas, MaxMassFlow), msg[kRoughnessMessage]);
    }
    CheckReynoldsCalibrated(language, DeviceCode, DeviceVariantCode, standard, d, bigD, DynamicViscosityPas,
                            MaxMassFlow, MinMassFlow, msg[kReynoldsMessage]);
    CheckPipeDiameter(language, DeviceCode, DeviceVariantCode, standard, bigD, msg[kPipeDiameterMessage]);
}

}  // namespace tubalyx
