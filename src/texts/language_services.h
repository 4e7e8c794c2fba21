#pragma once
// Services of other subsystems that the language switch calls. Each is a function pointer
// that its subsystem installs; an empty one is skipped, so the texts work before the
// resistance grid, the uncertainty page or the unit parser exist.
#include <string>

namespace tubalyx {

extern void (*RefreshResistanceGridService)();
extern void (*FillUncertaintyGridRowsService)();
// The kind letter of a unit keyword ("A" absolute pressure, "X" unknown, ...).
extern void (*UnitKindOfService)(const std::string& unit, std::string& kind);

}  // namespace tubalyx
