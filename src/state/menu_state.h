#pragma once
// The window-level state of start-up and the menus: the window's first client size, the
// commercial-meter mode and the uncertainty cells it puts aside, which flow-unit field
// opened the flow menu, the medium of the last mixture choice, and the answers of the
// uncertainty questionnaire as start-up presets them.
#include <array>
#include <cstdint>
#include <string>

namespace tubalyx {

// Pixels: the client size of the main window right after it was sized; the start text
// covers exactly this.
extern int InitialClientWidth;
extern int InitialClientHeight;
// The last position of the font-size arrows UpDown1.
extern std::int16_t UpDownLastPosition;

// True while a commercial meter (cone meter, volume meter) is chosen instead of a
// standardized device: the standard label then does not cycle and the device label steps
// through the meters.
extern bool CommercialMeterMode;
// Rows 3, 4, 8 and 9 of column 1 of Felsimulgrid, kept while the volume meter "VOLYM"
// shows 0 in rows 8 and 9; empty until first saved.
constexpr int kSavedMeterCellCount = 4;
extern std::array<std::string, kSavedMeterCellCount> SavedMeterUncertaintyCells;

// The name of the pressure-unit edit that opened the pressure menu; its items write there.
extern std::string PressureMenuEdit;
// 0 when the flow-unit menu was opened from maxflowsort, 1 from maxflowsortut.
extern std::uint8_t FlowUnitTarget;

// The medium code at the end of the last natural-gas or gas-mixture choice.
extern std::string PreviousMediumCode;

// Answers of the uncertainty questionnaire.
extern std::string ErrorSimAnswerA;
extern std::string ErrorSimAnswerB;
extern std::string ErrorSimGridMode;

}  // namespace tubalyx
