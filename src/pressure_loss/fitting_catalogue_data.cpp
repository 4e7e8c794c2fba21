#include "pressure_loss/fitting_catalogue_data.h"

#include <array>
#include "state/keywords.h"

namespace tubalyx {

namespace {

using enum BendGroup;
using enum ZetaRule;
using enum FittingParameters;

// Kinds in menu order. The 1,5D bends (8, 16, 26) carry the second caption number of
// their group but kind codes of their own.
// clang-format off
constexpr FittingKind kCatalogue[] = {
    {1, "Skarpbjvalfrivinkel1", NoGroup, SharpBend, 0.0, BendAngle},
    {2, "Bjradie1D1", Bends45, Fixed, 0.15, FittingParameters::None},
    {8, "Bojradie1k5D", Bends45, Fixed, 0.1, FittingParameters::None},
    {3, "Bjradie2D1", Bends45, Fixed, 0.09, FittingParameters::None},
    {4, "Bjradie3D1", Bends45, Fixed, 0.08, FittingParameters::None},
    {5, "Bjradie4D1", Bends45, Fixed, 0.08, FittingParameters::None},
    {6, "Bjradie6D1", Bends45, Fixed, 0.075, FittingParameters::None},
    {7, "Bjradie10D1", Bends45, Fixed, 0.075, FittingParameters::None},
    {10, "Bjradie1D2", Bends90, FixedBend, 0.2, BendPieces},
    {16, "Bjradie1k5D2", Bends90, FixedBend, 0.17, BendPieces},
    {11, "Bjradie2D2", Bends90, FixedBend, 0.15, BendPieces},
    {12, "Bjradie3D2", Bends90, FixedBend, 0.12, BendPieces},
    {13, "Bjradie4D2", Bends90, FixedBend, 0.11, BendPieces},
    {14, "Bjradie6D2", Bends90, FixedBend, 0.09, BendPieces},
    {15, "Bjradie10D2", Bends90, FixedBend, 0.11, BendPieces},
    {20, "Bjradie1D3", Bends180, Fixed, 0.3, FittingParameters::None},
    {26, "Bjradie1k5D3", Bends180, Fixed, 0.2, FittingParameters::None},
    {21, "Bjradie2D3", Bends180, Fixed, 0.15, FittingParameters::None},
    {22, "Bjradie3D3", Bends180, Fixed, 0.14, FittingParameters::None},
    {23, "Bjradie4D3", Bends180, Fixed, 0.15, FittingParameters::None},
    {24, "Bjradie6D3", Bends180, Fixed, 0.12, FittingParameters::None},
    {25, "Bjradie10D3", Bends180, Fixed, 0.15, FittingParameters::None},
    {30, "NedkoningKontoppvinkel40grader1", NoGroup, Line, 0.0, ContractionCone},
    {31, "PltsligrrdiameterminskningKontoppvinkel180grader1", NoGroup, Line, 0.0, NewDiameter},
    {32, "Uppkoning115DValfrikontoppvinkel10grader1", NoGroup, Line, 0.0, ExpansionCone},
    {33, "Uppkoning13Dvalfrikontoppvinkel1", NoGroup, Line, 0.0, ExpansionCone},
    {34, "PltsligrrdiameterkningKontoppvinkel180grader1", NoGroup, Line, 0.0, NewDiameter},
    {40, "Inlopptillkrlinstickanderr01D1", NoGroup, Fixed, 0.45, FittingParameters::None},
    {41, "Inlopptillkrlskarpkantrrkrl1", NoGroup, Fixed, 0.3, FittingParameters::None},
    {42, "Utloppfrnkrlskarpkant1", NoGroup, Fixed, 0.5, FittingParameters::None},
    {43, "Utloppfrnkrlnormaltfrslitenkant1", NoGroup, Fixed, 0.25, FittingParameters::None},
    {44, "Utloppfrnkrlinstickandeskarprrkant1D1", NoGroup, Fixed, 3.0, FittingParameters::None},
    {45, "Utloppfrnkrlinstickandenormaltfrslitenrrkant1D1", NoGroup, Fixed, 0.56, FittingParameters::None},
    {46, "Utloppfrnkrlavrundadrrkant1", NoGroup, Fixed, 0.06, FittingParameters::None},
    {47, "Ejrtvinkligtutloppfrnkrlskarprrkantvalfrivinkel1", NoGroup, ObliqueOutlet, 0.0, OutletAngle},
    {50, "Ventilvalbartkv1", NoGroup, Line, 0.0, Valve},
    {60, "Strypflns1", NoGroup, Line, 0.0, ThroatSize},
    {61, "Klassisktventuri1", NoGroup, Line, 0.0, ThroatSize},
    {62, "Kortventuri2", NoGroup, Line, 0.0, ThroatSize},
    {63, "DysaISA19322", NoGroup, Line, 0.0, ThroatSize},
    {64, "Kvartscirkeldysa2", NoGroup, Line, 0.0, ThroatSize},
    {70, "Utfldefrnhuvudledning1", NoGroup, Branch, 0.0, BranchShare},
    {71, "Fldeihuvudledningenligt701", NoGroup, Branch, 0.0, BranchShare},
    {72, "Infldetillhuvudledning1", NoGroup, Branch, 0.0, BranchShare},
    {73, "Fldeihuvudledningenligt721", NoGroup, Branch, 0.0, BranchShare},
    {81, "Hojdmotstand", NoGroup, Line, 0.0, HeightDifference},
};
// clang-format on

constexpr FittingText kBendAngleLabel{"Böjvinkel (grader) ?", "Knickwinkel (grad) ?", "Bendangle (degrees)?"};
constexpr FittingText kPiecesLabel{"Antal ?", "Stueck ?", "Pieces ?"};
constexpr FittingText kRoughnessLabel{"Rörråhet (mm) ?", "Rohr Rauheit (mm) ?", "Pipe roughness (mm) ?"};
constexpr FittingText kConeAngleLabel{"Konvinkel (grader) ?", "Winkel      (Grad) ?", "Angle    (degrees) ?"};
constexpr FittingText kOutletDiameterLabel{"Utlopp, rördiameter (mm)?", "Auslauf, Rohrgrösse (mm)?",
                                           "Outflow, tubesize   (mm)?"};
constexpr FittingText kNewDiameterLabel{"Ny rördiameter (mm) ?", "Neu Rohrdurchm.(mm) ?", "New tubesize   (mm) ?"};
constexpr FittingText kOutletAngleLabel{"Vinkel    (grader) ?", "Winkel      (Grad) ?", "Angle    (degrees) ?"};
constexpr FittingText kThroatSizeLabel{"Håldiameter(mm)?", "Drosselöffn(mm)?", "Throatsize (mm)?"};
constexpr FittingText kShareLabel{"% av summaflöde?", "% v. Gesamtd-fluss?", "% of total flow?"};
constexpr FittingText kHeightLabel{"Höjd (Utlopp-inlopp,m)", "Höhe (Auslauf-Einlauf,m)", "Height (Outlet-Inlet,m)"};
constexpr FittingText kLengthLabel{"Längd (m)", "Länge (m)", "Length (m)"};

// clang-format off
constexpr ParameterRows kParameterRows[] = {
    {FittingParameters::None, {nullptr, nullptr, nullptr}, {"", ""}, false, 0, false, 0},
    {BendAngle, {&kBendAngleLabel, nullptr, nullptr}, {"90", ""}, true, 90, false, 0},
    {BendPieces, {&kPiecesLabel, &kRoughnessLabel, nullptr}, {"", ""}, false, 0, false, 0},
    {ContractionCone, {&kConeAngleLabel, &kOutletDiameterLabel, nullptr}, {"20", "100"}, false, 0, false, 0},
    {NewDiameter, {&kNewDiameterLabel, nullptr, nullptr}, {"100", ""}, false, 0, true, 100},
    {ExpansionCone, {&kConeAngleLabel, nullptr, nullptr}, {"90", ""}, true, 90, false, 0},
    {OutletAngle, {&kOutletAngleLabel, nullptr, nullptr}, {"90", ""}, true, 90, false, 0},
    {Valve, {nullptr, nullptr, nullptr}, {"", ""}, false, 0, false, 0},
    {ThroatSize, {&kThroatSizeLabel, nullptr, nullptr}, {"100", ""}, false, 0, true, 100},
    {BranchShare, {&kShareLabel, nullptr, nullptr}, {"20", ""}, true, 20, false, 0},
    {HeightDifference, {&kHeightLabel, &kLengthLabel, nullptr}, {"1", "1"}, false, 0, false, 0},
};
// clang-format on

// Dividing tee: 70 the branch path, 71 the straight path (over the share that leaves
// through the branch); combining tee: 72 the branch path, 73 the straight path.
// clang-format off
constexpr BranchPiece kBranchOutflow[] = {
    {0, 1.0, -0.0065}, {20, 0.87, 0.0015}, {40, 0.90, 0.004}, {60, 0.98, 0.007}, {80, 1.12, 0.0075}};
constexpr BranchPiece kBranchMainFlow70[] = {
    {0, 0.03, -0.0055}, {20, -0.08, 0.002}, {40, -0.04, 0.0055}, {60, 0.07, 0.0065}, {80, 0.20, 0.0085}};
constexpr BranchPiece kBranchInflow[] = {{0, -1.0, 0.03}, {20, -0.4, 0.0235}, {40, 0.07, 0.02}, {60, 0.47, 0.01075}};
constexpr BranchPiece kBranchMainFlow72[] = {{0, 0.05, 0.0055}};

constexpr BranchCoefficients kBranches[] = {
    {70, false, kBranchOutflow},
    {71, true, kBranchMainFlow70},
    {72, false, kBranchInflow},
    {73, true, kBranchMainFlow72},
};
// clang-format on

}  // namespace

const FittingText kZetaResultLabel{"Motståndstal=", "Wiederstandzahl=", "Resistance="};
const FittingText kZetaEntryLabel{"Motståndstal?", "Wiederstandzahl?", "Resistance?"};

const char* FittingTextIn(const FittingText& text, char language) {
    return language == kLanguageEnglish ? text.en : (language == kLanguageGerman ? text.de : text.sv);
}

std::span<const FittingKind> FittingCatalogue() { return kCatalogue; }

const FittingKind* FindFittingKind(int kind) {
    for (const FittingKind& k : kCatalogue)
        if (k.kind == kind) return &k;
    return nullptr;
}

const ParameterRows& ParameterRowsOf(FittingParameters parameters) {
    for (const ParameterRows& rows : kParameterRows)
        if (rows.parameters == parameters) return rows;
    return kParameterRows[0];
}

const BranchCoefficients* FindBranchCoefficients(int kind) {
    for (const BranchCoefficients& b : kBranches)
        if (b.kind == kind) return &b;
    return nullptr;
}

}  // namespace tubalyx
