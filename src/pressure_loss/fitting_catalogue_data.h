#pragma once
// The fitting catalogue of the resistance grid as data: every fitting kind with its menu
// item, its bend group, its resistance number zeta and its parameter rows, the labels of
// those rows in the three languages, and the branch (tee) coefficients. The code that reads
// it is fitting_catalogue.cpp and branch_fittings.cpp.
#include <span>

namespace tubalyx {

struct FittingText {
    const char* sv;
    const char* de;
    const char* en;
};

// 'D' German, 'E' English, any other letter Swedish.
const char* FittingTextIn(const FittingText& text, char language);

enum class BendGroup { NoGroup, Bends45, Bends90, Bends180 };

// How zeta of a kind comes about.
enum class ZetaRule {
    Fixed,          // the catalogue value
    FixedBend,      // the catalogue value, doubled on a rough pipe, times the pieces
    SharpBend,      // 0.946 s^2 + 2.047 s^4, s = sin(angle / 2)
    ObliqueOutlet,  // 0.5 + 0.3 cos(angle) + 0.2 cos^2(angle)
    Branch,         // the branch coefficients over the flow share
    Line,           // the line calculation computes it from diameters, Kv, throat, height
};

// The parameters a kind keeps in grid rows 6 to 8.
enum class FittingParameters {
    None,
    BendAngle,         // row 6 angle, degrees
    BendPieces,        // row 6 pieces, row 7 roughness (mm)
    ContractionCone,   // row 6 cone angle, degrees; row 7 outlet diameter, mm
    NewDiameter,       // row 6 new pipe diameter, mm
    ExpansionCone,     // row 6 cone angle, degrees
    OutletAngle,       // row 6 angle, degrees
    Valve,             // rows 6, 7, 8 Kv, FL, diameter (labels from the valve page)
    ThroatSize,        // row 6 throat size, mm
    BranchShare,       // row 6 share of the total flow, percent
    HeightDifference,  // row 6 outlet minus inlet height, m; row 7 length, m
};

struct FittingKind {
    int kind;
    const char* menuItem;  // the item of MotstandPopup; its caption describes the fitting
    BendGroup group;
    ZetaRule rule;
    double zeta;  // for Fixed and FixedBend
    FittingParameters parameters;
};

// A parameter set's column-0 labels of rows 6 to 8 (nullptr: the row has none), the texts a
// newly placed fitting gets in rows 6 and 7, and the start values it gives ResistanceParamA
// and ResistanceParamB (nothing where the flag is false).
struct ParameterRows {
    FittingParameters parameters;
    const FittingText* labels[3];
    const char* defaults[2];
    bool setsParamA;
    double paramA;
    bool setsParamB;
    double paramB;
};

std::span<const FittingKind> FittingCatalogue();
// The catalogue entry of a kind; nullptr for 0, 99 and every kind that is not one.
const FittingKind* FindFittingKind(int kind);
const ParameterRows& ParameterRowsOf(FittingParameters parameters);

// Column 0, row 2: the result label, and the entry label of a user-defined fitting (99).
extern const FittingText kZetaResultLabel;
extern const FittingText kZetaEntryLabel;

inline constexpr int kUserDefinedKind = 99;

// One straight piece of a branch coefficient: zeta = base + slope (v - start) for v from
// start on, v the flow share q (percent) or 100 - q; the first piece also holds below its
// start, the last one beyond the end.
struct BranchPiece {
    double start;
    double base;
    double slope;
};

struct BranchCoefficients {
    int kind;
    bool overRemainder;  // v = 100 - q instead of q
    std::span<const BranchPiece> pieces;
};

// The coefficients of branch kinds 70 to 73; nullptr for another kind.
const BranchCoefficients* FindBranchCoefficients(int kind);

}  // namespace tubalyx
