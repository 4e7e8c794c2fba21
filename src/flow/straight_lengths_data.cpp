#include "flow/straight_lengths_data.h"

#include "state/limits.h"
#include "texts/report_label_strings.h"

namespace tubalyx {

namespace {
constexpr double N = kNoHalfLength;
constexpr double X = kUnreachableLength;
}  // namespace

const std::string* const kOrificeFittingLabels[11] = {
    &FittingSingleBend, &FittingTwoBendsSamePlane, &FittingTwoBendsOtherPlanes, &FittingReducer2to1,
    &FittingExpander05, &FittingGlobeValve, &FittingFullBoreValve, &FittingAbruptReduction,
    &FittingPocketBelow3, &FittingPocket3To13, &FittingAllDownstream};

const std::string* const kOrifice2003FittingLabels[15] = {
    &FittingOneBendB, &FittingTwoBendsSamePlaneOver10DB, &FittingTwoBendsSamePlaneUnder10DB,
    &FittingTwoBendsOtherPlanesOver5DB, &FittingTwoBendsOtherPlanesUnder5DB, &FittingTeeB,
    &FittingBends45B, &FittingReducer2B, &FittingExpander05B, &FittingFullBoreValveB,
    &FittingGlobeValveB, &FittingAbruptReductionB, &FittingPocketBelow3B, &FittingPocket3To13B,
    &FittingAllDownstreamB};

const std::string* const kSegmentFittingLabels[11] = {
    &FittingSingleBend, &FittingTwoBendsSamePlane, &FittingTwoBendsOtherPlanes, &FittingExpander05,
    &FittingReducer2to1, &FittingFullBoreValve, &FittingGlobeValve, &FittingAbruptReduction,
    &FittingPocketBelow3, &FittingPocket3To13, &FittingAllDownstream};

const std::string* const kVenturi2003FittingLabels[9] = {
    &FittingOneBendB, &FittingTwoBendsAnyPlaneB, &FittingReducer133B, &FittingExpander067B,
    &FittingReducer3B, &FittingExpander075B, &FittingFullBoreValveB, &FittingPocketBelow13B,
    &FittingAllDownstreamB};

const std::string* const kVenturi1991FittingLabels[6] = {
    &FittingSingleBend, &FittingTwoBendsSamePlane, &FittingTwoBendsOtherPlanes, &FittingReducer3to1,
    &FittingExpander075, &FittingGlobeValve};

const double kTable1Bounds[kTable1Columns - 1] = {0.25, 0.30, 0.35, 0.40, 0.45, 0.50,
                                                  0.55, 0.60, 0.65, 0.70, 0.75};

const StraightLengthCell kTable1[11][kTable1Columns] = {
    // single 90 degree bend or tee
    {{10, 6}, {10, 6}, {12, 6}, {14, 7}, {14, 7}, {14, 7}, {16, 8}, {18, 9}, {22, 11}, {28, 14}, {36, 18}, {46, 23}},
    // two 90 degree bends in the same plane
    {{14, 7}, {16, 8}, {16, 8}, {18, 9}, {18, 9}, {20, 10}, {22, 11}, {26, 13}, {32, 16}, {36, 18}, {42, 21}, {50, 25}},
    // two 90 degree bends in different planes
    {{34, 17}, {34, 17}, {36, 18}, {36, 18}, {38, 19}, {40, 20}, {44, 22}, {48, 24}, {54, 27}, {62, 31}, {70, 35}, {80, 40}},
    // reducer 2:1 over 1.5D-3D
    {{5, 5}, {5, 5}, {5, 5}, {5, 5}, {5, 5}, {6, 5}, {8, 5}, {9, 5}, {11, 6}, {14, 7}, {22, 11}, {30, 15}},
    // expander 0.5:1 over 1D-2D
    {{16, 8}, {16, 8}, {16, 8}, {16, 8}, {17, 9}, {18, 9}, {20, 10}, {22, 11}, {25, 13}, {30, 15}, {38, 19}, {54, 27}},
    // globe valve fully open
    {{18, 9}, {18, 9}, {18, 9}, {20, 10}, {20, 10}, {22, 11}, {24, 12}, {26, 13}, {28, 14}, {32, 16}, {36, 18}, {44, 22}},
    // full-bore ball or gate valve fully open
    {{12, 6}, {12, 6}, {12, 6}, {12, 6}, {12, 6}, {12, 6}, {14, 7}, {14, 7}, {16, 8}, {20, 10}, {24, 12}, {30, 15}},
    // abrupt symmetrical reduction
    {{30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}},
    // thermometer pocket below 3 % of D
    {{5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}},
    // thermometer pocket 3-13 % of D
    {{20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}},
    // downstream, all fittings
    {{4, 2}, {5, 2.5}, {5, 2.5}, {6, 3}, {6, 3}, {6, 3}, {6, 3}, {7, 3.5}, {7, 3.5}, {7, 3.5}, {8, 4}, {8, 4}},
};

const double kTable2Bounds[kTable2Columns - 1] = {0.20, 0.30, 0.50, 0.60, 0.67};

const StraightLengthCell kTable2[15][kTable2Columns] = {
    {{6, 3}, {16, 3}, {22, 9}, {42, 13}, {44, 20}, {44, 20}},     // one 90 degree bend
    {{10, N}, {10, N}, {18, 10}, {30, 18}, {44, 18}, {44, 18}},   // two bends, same plane, > 10D
    {{10, N}, {10, N}, {22, 10}, {42, 18}, {44, 20}, {44, 22}},   // two bends, same plane, < 10D
    {{19, 18}, {44, 18}, {44, 18}, {44, 18}, {44, 20}, {44, 20}}, // two bends, other planes, > 5D
    {{34, 17}, {50, 25}, {75, 34}, {65, 25}, {60, 18}, {75, 18}}, // two bends, other planes, < 5D
    {{3, N}, {9, 3}, {19, 9}, {29, 18}, {36, 18}, {44, 18}},      // 90 degree tee
    {{7, N}, {30, 9}, {30, 18}, {30, 18}, {44, 18}, {44, 18}},    // 45 degree bends
    {{5, N}, {5, N}, {8, 5}, {9, 5}, {12, 6}, {13, 8}},           // reducer 2D/D
    {{6, N}, {12, 8}, {20, 9}, {26, 11}, {28, 14}, {36, 18}},     // expander 0.5D/D
    {{12, 6}, {12, 6}, {12, 6}, {14, 7}, {18, 9}, {24, 12}},      // full-bore valve
    {{18, 9}, {18, 9}, {22, 11}, {26, 13}, {28, 14}, {36, 18}},   // globe valve
    {{30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}, {30, 15}}, // abrupt reduction
    {{5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}, {5, 3}},             // pocket below 3 % of D
    {{20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}}, // pocket 3-13 % of D
    {{4, 2}, {6, 3}, {6, 3}, {7, 3.5}, {7, 3.5}, {8, 4}},         // downstream
};

const double kTable3Bounds[kTable3Columns - 1] = {0.05, 0.10, 0.20, 0.30, 0.40, 0.50, 0.60};

const double kTable3[11][kTable3Columns] = {
    {10, 10, 14, 16, 20, 28, 40, 46},  // single bend
    {14, 16, 18, 22, 29, 38, 48, 52},  // two bends, same plane
    {34, 34, 38, 44, 52, 62, 74, 80},  // two bends, other planes
    {16, 16, 18, 20, 24, 32, 44, 58},  // expander (fitting code 5)
    {5, 5, 6, 8, 10, 14, 26, 32},      // reducer (fitting code 4)
    {18, 18, 20, 22, 26, 32, 40, 44},
    {12, 12, 12, 14, 16, 20, 26, 30},
    {30, 30, 30, 30, 30, 30, 30, 30},
    {5, 5, 5, 5, 5, 5, 5, 5},
    {20, 20, 20, 20, 20, 20, 20, 20},
    {4, 5, 6, 6, 7, 7, 8, 8},          // downstream
};

const double kTable4Bounds[kTable4Columns - 1] = {0.40, 0.50, 0.60, 0.70};

const StraightLengthCell kTable4[9][kTable4Columns] = {
    {{8, 3}, {9, 3}, {10, 3}, {14, 3}, {16, 8}},                    // one 90 degree bend
    {{8, 3}, {10, 3}, {10, 3}, {18, 3}, {22, 8}},                   // two bends, any plane
    {{4, N}, {4, N}, {4, N}, {4, N}, {4, N}},                       // reducer 1.33D/D
    {{4, N}, {5, 4}, {6, 4}, {7, 5}, {7, 6}},                       // expander 0.67D/D
    {{2.5, N}, {5.5, 2.5}, {8.5, 2.5}, {10.5, 2.5}, {11.5, 3.5}},   // reducer 3D/D
    {{2.5, N}, {2.5, N}, {3.5, 2.5}, {5.5, 3.5}, {6.5, 4.5}},       // expander 0.75D/D
    {{2.5, N}, {3.5, 2.5}, {4.5, 2.5}, {5.5, 3.5}, {5.5, 3.5}},     // full-bore valve
    {{4, N}, {4, N}, {4, N}, {4, N}, {4, N}},                       // pocket below 13 % of D
    {{4, N}, {4, N}, {4, N}, {4, N}, {4, N}},                       // downstream, printed only
};

const double kTable5Bounds[kTable5Columns - 1] = {0.30, 0.35, 0.40, 0.45, 0.50,
                                                  0.55, 0.60, 0.65, 0.70};

const StraightLengthCell kTable5[6][kTable5Columns] = {
    {{0.5, 0}, {0.5, 0}, {0.5, 0}, {1, 0.5}, {1.5, 0.5}, {2.5, 0.5}, {3, 1}, {4, 1.5}, {4, 2}, {4.5, 3}},
    {{1.5, 0.5}, {1.5, 0.5}, {1.5, 0.5}, {1.5, 0.5}, {2.5, 1.5}, {2.5, 1.5}, {3.5, 2.5}, {4.5, 2.5}, {4.5, 2.5}, {4.5, 3.5}},
    {{X, 0.5}, {X, 0.5}, {X, 0.5}, {X, 0.5}, {X, 8.5}, {X, 12.5}, {X, 17.5}, {X, 23.5}, {X, 27.5}, {X, 29.5}},
    {{0.5, 0}, {1.5, 0.5}, {2.5, 0.5}, {4.5, 0.5}, {5.5, 0.5}, {6.5, 0.5}, {8.5, 0.5}, {9.5, 1.5}, {10.5, 2.5}, {11.5, 3.5}},
    {{1.5, 0.5}, {1.5, 0.5}, {1.5, 0.5}, {2.5, 1}, {2.5, 1.5}, {3.5, 1.5}, {3.5, 1.5}, {4.5, 2.5}, {5.5, 3.5}, {6.5, 4.5}},
    {{1.5, 0.5}, {2.5, 0.5}, {2.5, 1.5}, {3.5, 1.5}, {3.5, 1.5}, {4.5, 2.5}, {4.5, 2.5}, {4.5, 2.5}, {5.5, 3.5}, {5.5, 3.5}},
};

const int kTable5FittingCodes[6] = {1, 2, 3, 4, 5, 7};

}  // namespace tubalyx
