#pragma once
// Shared set-up of the flow tests: a gas (phase 'N' with a gas keyword) or a liquid
// ("VAT") and a device selection in the calculation state.
#include <string>

#include "state/inputs.h"
#include "state/selections.h"

namespace tubalyx::flowtest {

inline void SelectDevice(const std::string& device, const std::string& variant) {
    DeviceCode = device;
    DeviceVariantCode = variant;
    PhaseLetter = 'N';
    CalibratedCf = 1.0;
}

struct DeviceCase {
    const char* device;
    const char* variant;
    const char* standard;
};

// Every device, tapping or make and standard that has coefficient equations.
inline constexpr DeviceCase kAllDevices[] = {
    {"S", "R", "3"},  {"S", "F", "3"},    {"S", "D", "3"},        {"S", "R", "I"}, {"S", "F", "I"},  {"S", "D", "I"},
    {"S", "R", "D"},  {"S", "F", "D"},    {"S", "D", "D"},        {"D", "", "3"},  {"D", "", "I"},   {"D", "", "D"},
    {"DL", "", "3"},  {"KV", "", "3"},    {"SM", "", "3"},        {"VK", "", "3"}, {"V", "SV", "3"}, {"V", "BG", "3"},
    {"V", "OG", "I"}, {"VCONE", "", "3"}, {"VCONEWAFER", "", "3"}};

}  // namespace tubalyx::flowtest
