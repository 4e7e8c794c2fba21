#pragma once
// The output section of a valve or restriction-orifice run: Kv and Cv, the bore or the
// flow, the critical-flow statement, the power, the flow speeds and the recovery factors,
// from the results RunValve left in state/valve_state.h.

namespace tubalyx {

// The critical-flow lines in the language of LanguageLetter (Swedish for a letter other
// than 'E' and 'D'). A restriction orifice also states where its flow turns critical.
void CriticalFlowReport(bool critical);

// The section for kind 'S' at the layout position; numbers follow ReportSeparator.
void WriteRestrictionReport(char kind, int layoutPosition);

}  // namespace tubalyx
