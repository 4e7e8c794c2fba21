#include "texts/fitting_labels.h"

#include "texts/report_label_strings.h"

namespace tubalyx {

const std::string* const kOrificeFittingLabels[11] = {
    &FittingSingleBend,   &FittingTwoBendsSamePlane, &FittingTwoBendsOtherPlanes, &FittingReducer2to1,
    &FittingExpander05,   &FittingGlobeValve,        &FittingFullBoreValve,       &FittingAbruptReduction,
    &FittingPocketBelow3, &FittingPocket3To13,       &FittingAllDownstream};

const std::string* const kOrifice2003FittingLabels[15] = {&FittingOneBendB,
                                                          &FittingTwoBendsSamePlaneOver10DB,
                                                          &FittingTwoBendsSamePlaneUnder10DB,
                                                          &FittingTwoBendsOtherPlanesOver5DB,
                                                          &FittingTwoBendsOtherPlanesUnder5DB,
                                                          &FittingTeeB,
                                                          &FittingBends45B,
                                                          &FittingReducer2B,
                                                          &FittingExpander05B,
                                                          &FittingFullBoreValveB,
                                                          &FittingGlobeValveB,
                                                          &FittingAbruptReductionB,
                                                          &FittingPocketBelow3B,
                                                          &FittingPocket3To13B,
                                                          &FittingAllDownstreamB};

const std::string* const kSegmentFittingLabels[11] = {
    &FittingSingleBend,   &FittingTwoBendsSamePlane, &FittingTwoBendsOtherPlanes, &FittingExpander05,
    &FittingReducer2to1,  &FittingFullBoreValve,     &FittingGlobeValve,          &FittingAbruptReduction,
    &FittingPocketBelow3, &FittingPocket3To13,       &FittingAllDownstream};

const std::string* const kVenturi2003FittingLabels[9] = {
    &FittingOneBendB,     &FittingTwoBendsAnyPlaneB, &FittingReducer133B,    &FittingExpander067B,  &FittingReducer3B,
    &FittingExpander075B, &FittingFullBoreValveB,    &FittingPocketBelow13B, &FittingAllDownstreamB};

const std::string* const kVenturi1991FittingLabels[6] = {&FittingSingleBend,          &FittingTwoBendsSamePlane,
                                                         &FittingTwoBendsOtherPlanes, &FittingReducer3to1,
                                                         &FittingExpander075,         &FittingGlobeValve};

}  // namespace tubalyx
