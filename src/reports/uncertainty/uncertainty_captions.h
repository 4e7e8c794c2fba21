#pragma once
// The captions of the uncertainty grid's rows, {Swedish, German, English}. Every caption of
// a source row ends in its row number and a point, at one width per language, so that the
// rows can be found again by their number after sorting.
#include "texts/caption_data.h"

namespace tubalyx::uncertainty_captions {

extern const LangText FlowAxis;  // row 0

// Row 1 by device.
extern const LangText VolumeMeterSpan, ConeSpecified, StandardUncertainty;
// Row 2.
extern const LangText VolumeMeterActual, CalculationError;
// Row 3 for the volume meter; rows 3 and 4 for one and for two dp transmitters.
extern const LangText VolumeMeterCalculationError;
extern const LangText DpSpanOne, DpSpanTwo, DpActualOne, DpActualTwo;
// Row 8 by device; rows 5 to 7 and 9 to 18 (index = row, 0 where the row has two captions).
extern const LangText ConeDiameter, ThroatDiameter;
extern const LangText FixedRows[19];

// Row 13's density-error captions as the click cycles them.
extern const LangText DensityCalculationError, DensityIdealGasError, DensityCompensationError;

// Rows 19 to 22 (and, for natural gas, 24 to 27): in % of maximal flow and of actual flow.
struct BasedCaption {
    LangText ofMax;
    LangText ofActual;
};
extern const BasedCaption OtherErrors, OtherUncertainties, Total, DryGasTotal, EnergyFlowTotal;

// Natural gas rows 19 to 23, one caption for every language.
extern const char* const CompositionRows[5];

}  // namespace tubalyx::uncertainty_captions
