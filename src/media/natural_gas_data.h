#pragma once
// Constants of the detailed characterisation method for natural gas, components in the
// standard's 1992 order (1 methane ... 21 argon, stored from index 0).

namespace tubalyx {

struct DetailComponent {
    double molarMass;        // kg/kmol
    double energy;           // E
    double size;             // K
    double orientation;      // G
    double quadrupole;       // Q
    double highTemperature;  // F
    double dipole;           // S
    double association;      // W
};

struct DetailTerm {
    double a, b, c, k, u, g, q, f, s, w;
};

extern const DetailComponent kDetailComponents[21];
extern const DetailTerm kDetailTerms[58];
extern const double kDetailEnergyInteraction[21][21];
extern const double kDetailConformalEnergyInteraction[21][21];
extern const double kDetailSizeInteraction[21][21];
extern const double kDetailOrientationInteraction[21][21];

}  // namespace tubalyx
