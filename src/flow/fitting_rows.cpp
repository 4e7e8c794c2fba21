#include "flow/fitting_rows.h"

#include <array>
#include "state/keywords.h"

namespace tubalyx {
namespace {

// Rows for fitting codes 2 .. 14: orifice plates keep the code; the other columns follow
// the numbering of each family's fitting menu.
struct RowCodes {
    const char* segment;  // "SM", "VK"
    const char* venturi;  // "V"
    const char* other;    // nozzles, short venturi and the rest
};

constexpr std::array<RowCodes, 13> kRows = {{
    {"2", "2", "2"},    // 2
    {"2", "2", "2"},    // 3
    {"3", "2", "3"},    // 4
    {"3", "2", "3"},    // 5
    {"1", "1", "1"},    // 6
    {"1", "1", "1"},    // 7
    {"4", "5", "4"},    // 8
    {"5", "4", "5"},    // 9
    {"6", "7", "7"},    // 10
    {"7", "7", "6"},    // 11
    {"8", "9", "8"},    // 12
    {"9", "8", "9"},    // 13
    {"10", "8", "10"},  // 14
}};

int FittingNumber(std::string_view fitting) {
    if (fitting.empty() || fitting.size() > 2) return -1;
    if (fitting.size() == 2 && fitting[0] == '0') return -1;
    int n = 0;
    for (char c : fitting) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

void MapFittingToTableRow(std::string_view device, std::string_view fitting, std::string& row) {
    row.assign(fitting);
    const int n = FittingNumber(fitting);
    if (n < 2 || n > 14 || device == kDeviceOrifice) return;
    const RowCodes& r = kRows[static_cast<std::size_t>(n - 2)];
    if (device == kDeviceSegmentOrifice || device == kDeviceQuarterCircle) {
        row = r.segment;
    } else if (device == kDeviceVenturi) {
        row = r.venturi;
    } else {
        row = r.other;
    }
}

}  // namespace tubalyx
