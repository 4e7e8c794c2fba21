#pragma once
// Services of other subsystems that the language switch calls. Each is a function pointer
// that its subsystem installs; an empty one is skipped, so the texts work before the
// resistance grid and the uncertainty page exist.

namespace tubalyx {

extern void (*RefreshResistanceGridService)();
extern void (*FillUncertaintyGridRowsService)();

}  // namespace tubalyx
