#pragma once
// Services of other subsystems that the language switch calls. Each is a function pointer
// that its subsystem installs; an empty one is skipped, so the texts work before the
// uncertainty page exists.

namespace tubalyx {

extern void (*FillUncertaintyGridRowsService)();

}  // namespace tubalyx
