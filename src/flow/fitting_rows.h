#pragma once
// The upstream-fitting menu numbers its items differently per device family; this turns
// the menu's fitting code into the row code of the family's straight-length table.
#include <string>
#include <string_view>

namespace tubalyx {

// Row code for `device` ("S", "SM", "VK", "V", any other) and fitting code "0" .. "14".
// A fitting code outside "2" .. "14" is passed through unchanged.
void MapFittingToTableRow(std::string_view device, std::string_view fitting, std::string& row);

}  // namespace tubalyx
