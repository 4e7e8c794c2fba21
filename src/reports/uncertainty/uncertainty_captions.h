#pragma once
// The captions of the uncertainty grid's rows by row (their texts are in the caption table
// texts/uncertainty_texts.h). Every caption of a source row ends in its row number and a point,
// at one width per language, so that the rows can be found again by their number after sorting.
#include "texts/caption_data.h"

namespace tubalyx::uncertainty_captions {

// Rows 5 to 7 and 9 to 18 (index = row; empty where the row's caption depends on the device:
// rows 0 to 4 and 8).
extern const LangText FixedRows[19];

// Rows 19 to 22 (and, for natural gas, 24 to 27): in % of maximal flow and of actual flow.
struct BasedCaption {
    LangText ofMax;
    LangText ofActual;
};
extern const BasedCaption OtherErrors, OtherUncertainties, Total, DryGasTotal, EnergyFlowTotal;

// Natural gas rows 19 to 23, one caption for every language.
extern const char* const CompositionRows[5];

}  // namespace tubalyx::uncertainty_captions
